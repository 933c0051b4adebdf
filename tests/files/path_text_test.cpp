#include "files/core/PathText.h"

#include <gtest/gtest.h>

using namespace pelikor;

TEST(PathText, EveryByteComesBackFromTheText)
{
    const std::string cases[] = {
        "/opt/Pelikor2000",
        "/home/hr\xC3\xA1\xC4\x8D/Pelikor",    // valid UTF-8: á, č
        "/tmp/Pelikor\xFF",                     // a byte no UTF-8 text has
        "/tmp/\xC3",                            // a sequence cut short
        "/tmp/\xC0\xAF",                        // an overlong "/"
        "/tmp/\xED\xA0\x80",                    // an encoded surrogate
        "/tmp/\xF0\x9F\x8E\xB2/\xE9t\xE9",      // a character beyond the basic plane, then Latin-1
    };
    for (const std::string& bytes : cases)
        EXPECT_EQ(pathBytes(pathText(bytes)), bytes) << bytes;
}

TEST(PathText, ValidUtf8ReadsAsItsCharactersAndOtherBytesAsEscapes)
{
    EXPECT_EQ(pathText("/home/hr\xC3\xA1\xC4\x8D"), u"/home/hráč");
    EXPECT_EQ(pathText("\xF0\x9F\x8E\xB2"), u"\U0001F3B2");
    EXPECT_EQ(pathText("a\xFF"), std::u16string(u"a") + char16_t(0xDCFF));
    EXPECT_EQ(pathBytes(u"/home/hráč"), "/home/hr\xC3\xA1\xC4\x8D");
}
