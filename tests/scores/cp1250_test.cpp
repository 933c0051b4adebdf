#include "scores/core/Cp1250.h"

#include <gtest/gtest.h>

using namespace pelikor;

TEST(Cp1250, CzechLettersTakeOneByteEachAndComeBack)
{
    const std::string name = "Příliš žluťoučký kůň úpěl ďábelské ódy";
    const std::string bytes = cp1250::fromUtf8(name);
    EXPECT_EQ(bytes.size(), 38u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xF8); // ř
    EXPECT_EQ(static_cast<unsigned char>(bytes[10]), 0x9D); // ť
    EXPECT_EQ(cp1250::toUtf8(bytes), name);
}

TEST(Cp1250, EveryDefinedByteRoundTrips)
{
    for (int b = 0x20; b < 0x100; ++b) {
        const std::string byte(1, char(b));
        const std::string text = cp1250::toUtf8(byte);
        if (text == "?" && b != '?')
            continue; // a byte the code page leaves undefined
        EXPECT_EQ(cp1250::fromUtf8(text), byte) << "byte " << b;
    }
}

TEST(Cp1250, UndefinedBytesReadAsQuestionMark)
{
    EXPECT_EQ(cp1250::toUtf8(std::string("\x81\x83\x88\x90\x98", 5)), "?????");
}

TEST(Cp1250, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    EXPECT_EQ(cp1250::fromUtf8("Jan 日本 €"), std::string("Jan ?? \x80"));
    EXPECT_EQ(cp1250::fromUtf8("😀x"), "?x");
    EXPECT_EQ(cp1250::fromUtf8("Ωmega"), "?mega");
}

TEST(Cp1250, BrokenUtf8BecomesQuestionMarks)
{
    EXPECT_EQ(cp1250::fromUtf8(std::string("a\xC3", 2)), "a?");
    EXPECT_EQ(cp1250::fromUtf8(std::string("\xE2\x82", 2)), "??");
    EXPECT_EQ(cp1250::fromUtf8(std::string("\xC0\xAF" "b", 3)), "??b"); // overlong '/'
    EXPECT_EQ(cp1250::fromUtf8(std::string("\xED\xA0\x80", 3)), "???"); // a lone surrogate
}

TEST(Cp1250, CutsByCharactersNotBytes)
{
    EXPECT_EQ(cp1250::toUtf8(cp1250::fromUtf8("ěščřž", 3)), "ěšč");
    EXPECT_EQ(cp1250::fromUtf8("abc", 0), "");
    EXPECT_EQ(cp1250::fromUtf8("", 10), "");
}
