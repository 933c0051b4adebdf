#include "scores/core/DbaseError.h"
#include "scores/core/MdxFormat.h"
#include "scores/core/MdxReader.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>

using namespace pelikor;

namespace {

DbfTable tableOf(std::size_t count, unsigned seed)
{
    std::mt19937 random(seed);
    DbfTable table;
    table.lastUpdate = {2026, 1, 2};
    for (std::size_t i = 0; i < count; ++i) {
        const char letter = char('A' + random() % 5);
        table.records.push_back({false, std::string(1 + random() % 3, letter), long(random() % 33) + 1, "3", {}});
    }
    return table;
}

std::uint32_t u32(const std::string& b, std::size_t at)
{
    return std::uint8_t(b[at]) | std::uint8_t(b[at + 1]) << 8 | std::uint8_t(b[at + 2]) << 16
        | std::uint32_t(std::uint8_t(b[at + 3])) << 24;
}

} // namespace

TEST(MdxFormat, NumericKeysAreTwelveByteBcd)
{
    const std::string five = mdx::numericKey(5);
    ASSERT_EQ(five.size(), 12u);
    EXPECT_EQ(std::uint8_t(five[0]), 0x35);
    EXPECT_EQ(std::uint8_t(five[1]), 1 << 2 | 1);
    EXPECT_EQ(std::uint8_t(five[2]), 0x50);
    const std::string big = mdx::numericKey(1230);
    EXPECT_EQ(std::uint8_t(big[0]), 0x38);
    EXPECT_EQ(std::uint8_t(big[1]), 4 << 2 | 1);
    EXPECT_EQ(std::uint8_t(big[2]), 0x12);
    EXPECT_EQ(std::uint8_t(big[3]), 0x30);
    EXPECT_EQ(std::uint8_t(mdx::numericKey(-7)[1]), 0x80 | 1 << 2 | 1);
    EXPECT_EQ(mdx::numericKey(0), std::string("\x34\x01", 2) + std::string(10, '\0'));
}

TEST(MdxFormat, NumericKeysCountEveryWholeDigitAsDbaseAndReadBackInTheFormsOfEarlierBuilds)
{
    // Exponent, the count of every whole digit with the low bits 01, the
    // digits; and the second byte earlier builds wrote, trailing zeros not
    // counted (its low bits 01, or 00 before that).
    const std::tuple<long long, std::string, char> cases[] = {
        {0, std::string("\x34\x01\x00", 3), 0x01},     {5, std::string("\x35\x05\x50", 3), 0x05},
        {10, std::string("\x36\x09\x10", 3), 0x05},    {20, std::string("\x36\x09\x20", 3), 0x05},
        {21, std::string("\x36\x09\x21", 3), 0x09},    {100, std::string("\x37\x0D\x10", 3), 0x05},
        {105, std::string("\x37\x0D\x10\x50", 4), 0x0D}, {120, std::string("\x37\x0D\x12\x00", 4), 0x09},
        {999, std::string("\x37\x0D\x99\x90", 4), 0x0D}, {1230, std::string("\x38\x11\x12\x30", 4), 0x0D},
    };
    for (const auto& [value, start, earlier] : cases) {
        const std::string key = mdx::numericKey(value);
        EXPECT_EQ(key.substr(0, start.size()), start) << value;
        EXPECT_EQ(mdx::numericValue(key), value);
        for (const char second : {earlier, char(earlier & ~0x03)}) {
            std::string earlierBuild = key;
            earlierBuild[1] = second;
            EXPECT_EQ(mdx::numericValue(earlierBuild), value);
        }
    }
    EXPECT_EQ(mdx::numericValue(std::string("\x35\x09\x12", 3) + std::string(9, '\0')), std::nullopt)
        << "more significant digits than whole ones";
    EXPECT_EQ(mdx::numericValue(std::string("\x35\x05\xA0", 3) + std::string(9, '\0')), std::nullopt);
}

TEST(MdxFormat, CharacterKeysAreBlankPadded)
{
    EXPECT_EQ(mdx::characterKey("Jan", 6), "Jan   ");
    EXPECT_EQ(mdx::characterKey("Dlouhé", 3), "Dlo");
}

TEST(MdxFormat, OrderIsAscendingAndStableByFilePosition)
{
    DbfTable table;
    for (const long long t : {7, 3, 5, 3, 7, 5})
        table.records.push_back({false, t == 3 ? "b" : "a", t, "3", {}});
    EXPECT_EQ(mdx::order(table, mdx::Tag::Tahy), (std::vector<std::uint32_t>{1, 3, 2, 5, 0, 4}));
    EXPECT_EQ(mdx::order(table, mdx::Tag::Jmeno), (std::vector<std::uint32_t>{0, 2, 4, 5, 1, 3}));
}

TEST(MdxFormat, BlankPaddingDecidesBeforeControlCharacters)
{
    DbfTable table;
    table.records.push_back({false, std::string("ab\x01", 3), 1, "3", {}});
    table.records.push_back({false, "ab", 1, "3", {}});
    table.records.push_back({false, "\xC8" "ech", 1, "3", {}}); // Č sorts after ASCII letters by code
    table.records.push_back({false, "zz", 1, "3", {}});
    EXPECT_EQ(mdx::order(table, mdx::Tag::Jmeno), (std::vector<std::uint32_t>{0, 1, 3, 2}));
}

TEST(MdxFormat, HeaderAndTagTableFollowTheDbaseFourLayout)
{
    const std::string file = mdx::build(tableOf(3, 1), "Pelkor");
    ASSERT_EQ(file.size() % 512, 0u);
    EXPECT_EQ(file[0], 0x02);
    EXPECT_EQ(std::uint8_t(file[1]), 126);
    EXPECT_EQ(file.substr(4, 7), std::string("Pelkor\0", 7));
    EXPECT_EQ(file[20], 1);
    EXPECT_EQ(std::uint8_t(file[22]) | std::uint8_t(file[23]) << 8, 512);
    EXPECT_EQ(file[24], 1);
    EXPECT_EQ(file[25], 48);
    EXPECT_EQ(file[26], 32);
    EXPECT_EQ(file[28], 2);
    EXPECT_EQ(u32(file, 32), file.size() / 512);
    EXPECT_EQ(file.substr(544 + 4, 6), std::string("JMENO\0", 6));
    EXPECT_EQ(file[544 + 20], 'C');
    EXPECT_EQ(file.substr(576 + 4, 5), std::string("TAHY\0", 5));
    EXPECT_EQ(file[576 + 20], 'N');
    const std::size_t tahyHeader = u32(file, 576) * 512;
    EXPECT_EQ(file[tahyHeader + 9], 'N');
    EXPECT_EQ(std::uint8_t(file[tahyHeader + 12]), 12);
    EXPECT_EQ(std::uint8_t(file[tahyHeader + 18]), 16);
    EXPECT_EQ(file.substr(tahyHeader + 24, 4), "TAHY");
}

TEST(MdxFormat, TreesReadBackInIndexOrderAtEverySize)
{
    // 0, one leaf, a full leaf, two levels and three levels of the JMENO tree (4 keys a page).
    for (const std::size_t count : {0u, 1u, 4u, 5u, 31u, 32u, 40u, 200u, 1000u}) {
        const DbfTable table = tableOf(count, unsigned(count));
        const auto tags = mdx::readTags(mdx::build(table, "Pelkor"), "Pelkor.mdx");
        ASSERT_EQ(tags.size(), 2u);
        EXPECT_EQ(tags[0].name, "JMENO");
        EXPECT_EQ(tags[1].name, "TAHY");
        for (std::size_t t = 0; t < 2; ++t) {
            const auto tag = t == 0 ? mdx::Tag::Jmeno : mdx::Tag::Tahy;
            const auto expected = mdx::order(table, tag);
            ASSERT_EQ(tags[t].entries.size(), count) << "size " << count;
            for (std::size_t i = 0; i < count; ++i) {
                const BestRecord& record = table.records[expected[i]];
                EXPECT_EQ(tags[t].entries[i].second, expected[i] + 1);
                EXPECT_EQ(tags[t].entries[i].first, t == 0 ? mdx::characterKey(record.jmeno, 100)
                                                           : mdx::numericKey(record.tahy));
            }
        }
    }
}

TEST(MdxFormat, BrokenIndexesAreReportedNotFollowed)
{
    const std::string good = mdx::build(tableOf(200, 9), "Pelkor");
    EXPECT_THROW(mdx::readTags(good.substr(0, good.size() - 512), "i.mdx"), DbaseError);
    EXPECT_THROW(mdx::readTags(good.substr(0, 700), "i.mdx"), DbaseError);
    std::string loop = good;
    const std::uint32_t rootPage = u32(good, u32(good, 544) * 512);
    const std::size_t root = rootPage * 512;
    ASSERT_LT(rootPage, 256u);
    loop[root + 8] = char(rootPage); // the root naming itself as its first child
    EXPECT_THROW(mdx::readTags(loop, "i.mdx"), DbaseError);
    std::string keys = good;
    keys[root] = char(0xFF);
    EXPECT_THROW(mdx::readTags(keys, "i.mdx"), DbaseError);
    for (const char pages : {0, 2}) { // no block, or 2 pages of 512 bytes
        std::string block = good;
        block[20] = pages;
        EXPECT_THROW(mdx::readTags(block, "i.mdx"), DbaseError) << int(pages);
    }
    try {
        mdx::readTags("", "Data/Pelkor.mdx");
        FAIL();
    } catch (const DbaseError& error) {
        EXPECT_NE(std::string(error.what()).find("Data/Pelkor.mdx"), std::string::npos);
    }
}
