#include "scores/core/DbaseError.h"
#include "scores/core/DbaseTable.h"
#include "scores/core/MdxFormat.h"
#include "scores/core/MdxReader.h"
#include "tests/scores/TestSupport.h"

#include <gtest/gtest.h>

#include <bit>
#include <chrono>

using namespace pelikor;

using namespace testing_support;

namespace {

// Four records as another engine stored them, and the fifth this program stores.
const std::vector<BestRecord> stored = {
    {false, "Adam", 5, "3", {2026, 1, 8}},
    {false, "Bara", 2, "10", {2025, 12, 24}},
    {false, "Cyril", 9, "4", {}},
    {false, "Dana", 2, "3", {2026, 3, 1}},
    {false, "Eva", 7, "3", {2026, 2, 1}},
};

// dBASE keys a date by its Julian day number as a double; 1970-01-01 is day 2440588.
std::string dayKey(const DbaseDate& date)
{
    using namespace std::chrono;
    const auto days = date.isNull() ? 0 : (sys_days(year(date.year) / date.month / date.day).time_since_epoch().count() + 2440588);
    const auto bits = std::bit_cast<std::uint64_t>(double(days));
    std::string key;
    for (int byte = 0; byte < 8; ++byte)
        key += char(bits >> (8 * byte));
    return key;
}

std::string keyOf(dbf::Field field, const BestRecord& record, std::size_t length)
{
    const auto padded = [&](const std::string& text) { return text + std::string(length - text.size(), ' '); };
    switch (field) {
    case dbf::Field::Jmeno: return padded(record.jmeno);
    case dbf::Field::Hra: return padded(record.hra);
    case dbf::Field::Tahy: return mdx::numericKey(record.tahy);
    default: return dayKey(record.datum);
    }
}

struct Case {
    ForeignTag tag;
    dbf::Field field;
    std::vector<std::uint32_t> before; // its records in tree order, of the first four
    std::vector<std::uint32_t> after;  // and once the fifth is stored
};

ForeignTag withKeys(ForeignTag tag, dbf::Field field, const std::vector<std::uint32_t>& order)
{
    for (const std::uint32_t number : order)
        tag.keys.emplace_back(keyOf(field, stored[number - 1], tag.keyLength), number);
    return tag;
}

// Writes the first four records and an index with our tags and the given one.
std::string writeTableAndIndex(const std::filesystem::path& dir, const ForeignTag& extra)
{
    DbfTable content;
    content.records.assign(stored.begin(), stored.begin() + 4);
    writeBytes(dir / "Pelkor.dbf", dbf::serialize(content));
    return writeForeignIndex(dir / "Pelkor.mdx", 1,
                             {withKeys({"JMENO", "JMENO", 'C', 100}, dbf::Field::Jmeno, {1, 2, 3, 4}),
                              withKeys({"TAHY", "TAHY", 'N', 12}, dbf::Field::Tahy, {2, 4, 1, 3}), extra});
}

void storeTheFifth(DbaseTable& table)
{
    addRecord(table, "Eva", 7, "3", "1.2.2026");
}

} // namespace

TEST(ForeignTags, AnotherEnginesTagSurvivesOpenStoreAndRebuildWithItsKeys)
{
    const Case cases[] = {
        {{"HRA", "HRA", 'C', 2}, dbf::Field::Hra, {2, 1, 4, 3}, {2, 1, 4, 5, 3}},
        {{"TAHYDOLU", "TAHY", 'N', 12, 0x08}, dbf::Field::Tahy, {3, 1, 2, 4}, {3, 5, 1, 2, 4}},
        {{"DEN", "datum", 'D', 8}, dbf::Field::Datum, {3, 2, 1, 4}, {3, 2, 1, 5, 4}},
        {{"HRY", " HRA ", 'C', 2, 0x40}, dbf::Field::Hra, {2, 1, 3}, {2, 1, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tag.name);
        TempFolder dir;
        const auto table = dir.path() / "Pelkor.dbf", index = dir.path() / "Pelkor.mdx";
        const std::string foreign = writeTableAndIndex(dir.path(), withKeys(c.tag, c.field, c.before));
        {
            DbaseTable engine;
            openIn(engine, dir.path());
            EXPECT_EQ(readBytes(index), foreign) << "a valid index is left as it is";
            storeTheFifth(engine);
        }
        const std::vector<mdx::TagContents> tags = mdx::readTags(readBytes(index), "Pelkor.mdx");
        ASSERT_EQ(tags.size(), 3u);
        const mdx::TagContents& kept = tags[2];
        EXPECT_EQ(std::tie(kept.name, kept.expression, kept.keyType, kept.keyLength),
                  std::tie(c.tag.name, c.tag.expression, c.tag.keyType, c.tag.keyLength));
        EXPECT_EQ(kept.descending(), bool(c.tag.format & 0x08));
        EXPECT_EQ(kept.unique(), bool(c.tag.format & 0x40));
        EXPECT_EQ(kept.entries, withKeys(c.tag, c.field, c.after).keys) << "kept in step with the stored record";

        // Another engine left the index behind the table and cleared the table's mark of it.
        const std::string afterStore = readBytes(index);
        writeBytes(index, foreign);
        std::string unmarked = readBytes(table);
        unmarked[28] = 0;
        writeBytes(table, unmarked);
        DbaseTable reopened;
        openIn(reopened, dir.path());
        EXPECT_EQ(readBytes(index), afterStore) << "rebuilt with the tag";
        unmarked[28] = 1;
        EXPECT_EQ(readBytes(table), unmarked) << "marked again, nothing else changed";
    }
}

TEST(ForeignTags, ATagThisProgramCannotComputeIsKeptAndNamedWhenItWouldBeLost)
{
    const ForeignTag cases[] = {
        withKeys({"VELKA", "UPPER(JMENO)", 'C', 100}, dbf::Field::Jmeno, {1, 2, 3, 4}),
        withKeys({"HRA3", "HRA", 'C', 2, 0, true}, dbf::Field::Hra, {1, 4}),
    };
    for (const ForeignTag& tag : cases) {
        SCOPED_TRACE(tag.name);
        TempFolder dir;
        const auto table = dir.path() / "Pelkor.dbf", index = dir.path() / "Pelkor.mdx";
        const std::string foreign = writeTableAndIndex(dir.path(), tag);
        const std::string fourRecords = readBytes(table);
        {
            DbaseTable engine;
            openIn(engine, dir.path());
            try {
                storeTheFifth(engine);
                ADD_FAILURE() << "stored, and the tag was lost";
            } catch (const DbaseError& error) {
                EXPECT_EQ(error.fault(), TableFault::ForeignTagNotRebuildable) << error.what();
                EXPECT_EQ(error.arguments().at(0), index.string());
                EXPECT_EQ(error.arguments().at(1), tag.name);
            }
        }
        EXPECT_EQ(readBytes(table), fourRecords);
        EXPECT_EQ(readBytes(index), foreign);

        // A stale index that cannot be rebuilt whole stays; the table still opens.
        DbfTable five;
        five.records = stored;
        writeBytes(table, dbf::serialize(five));
        DbaseTable reopened;
        openIn(reopened, dir.path());
        EXPECT_EQ(reopened.recordCount(), 5u);
        EXPECT_EQ(readBytes(index), foreign);
    }
}
