#include "scores/core/DbaseError.h"
#include "scores/core/DbaseTable.h"
#include "scores/core/DbfFormat.h"
#include "scores/core/MdxFormat.h"
#include "scores/core/MdxReader.h"
#include "tests/scores/TestSupport.h"

#include <gtest/gtest.h>

#include <random>

using namespace pelikor;

using namespace testing_support;

namespace {

constexpr int mutationsPerSeed = 4000;

DbfTable seedTable()
{
    DbfTable table;
    table.lastUpdate = {2026, 2, 3};
    for (int i = 0; i < 60; ++i)
        table.records.push_back({i % 7 == 0, "hráč " + std::to_string(i), i % 33, std::to_string(3 + i % 8),
                                 i % 5 ? DbaseDate{2026, 1 + i % 12, 1 + i % 28} : DbaseDate{}});
    return table;
}

// Flips, overwrites, inserts, deletes or cuts a few bytes; the header
// bytes are hit most often, since that is where a reader trusts numbers.
std::string mutate(std::string bytes, std::mt19937& random)
{
    const int steps = 1 + int(random() % 4);
    for (int s = 0; s < steps && !bytes.empty(); ++s) {
        const std::size_t hot = std::min<std::size_t>(bytes.size(), random() % 2 ? 600 : bytes.size());
        const std::size_t at = random() % hot;
        switch (random() % 6) {
        case 0: bytes[at] = char(bytes[at] ^ (1 << (random() % 8))); break;
        case 1: bytes[at] = char(random()); break;
        case 2: bytes[at] = char(random() % 2 ? 0xFF : 0x00); break;
        case 3: bytes.insert(at, 1, char(random())); break;
        case 4: bytes.erase(at, 1 + random() % 16); break;
        default: bytes.resize(random() % bytes.size()); break;
        }
    }
    return bytes;
}

} // namespace

TEST(Fuzz, MutatedTablesAreReadOrRefusedCleanly)
{
    const std::string seed = dbf::serialize(seedTable());
    std::mt19937 random(20260108);
    int accepted = 0;
    for (int i = 0; i < mutationsPerSeed; ++i) {
        const std::string bytes = mutate(seed, random);
        try {
            const DbfTable table = dbf::parse(bytes, "Pelkor.dbf");
            ++accepted;
            // Whatever was accepted must survive our own write and read.
            try {
                EXPECT_EQ(dbf::parse(dbf::serialize(table), "again").records, table.records);
            } catch (const DbaseError&) {
                // a count too wide for the field is refused on write, never written cut
            }
        } catch (const DbaseError& error) {
            EXPECT_NE(std::string(error.what()).find("Pelkor.dbf"), std::string::npos);
        }
    }
    EXPECT_GT(accepted, 0) << "the mutations never left a readable table; the test proves little";
    EXPECT_LT(accepted, mutationsPerSeed);
}

TEST(Fuzz, MutatedIndexesAreWalkedOrRefusedCleanly)
{
    const std::string seed = mdx::build(seedTable(), "Pelkor");
    std::mt19937 random(33);
    for (int i = 0; i < mutationsPerSeed; ++i) {
        const std::string bytes = mutate(seed, random);
        try {
            for (const auto& tag : mdx::readTags(bytes, "Pelkor.mdx"))
                EXPECT_LE(tag.entries.size(), bytes.size());
        } catch (const DbaseError& error) {
            EXPECT_NE(std::string(error.what()).find("Pelkor.mdx"), std::string::npos);
        }
    }
}

TEST(Fuzz, MutatedFilesOnDiskNeverGetOverwrittenWhenRefused)
{
    const std::string seedTableBytes = dbf::serialize(seedTable());
    const std::string seedIndexBytes = mdx::build(seedTable(), "Pelkor");
    std::mt19937 random(7);
    for (int i = 0; i < 300; ++i) {
        TempFolder dir;
        const std::string tableBytes = mutate(seedTableBytes, random);
        writeBytes(dir.path() / "Pelkor.dbf", tableBytes);
        writeBytes(dir.path() / "Pelkor.mdx", mutate(seedIndexBytes, random));
        DbaseTable table;
        table.setDatabaseName(dir.path());
        try {
            table.open();
            // An opened table has an index that matches it.
            const auto tags = mdx::readTags(readBytes(dir.path() / "Pelkor.mdx"), "Pelkor.mdx");
            EXPECT_EQ(tags[0].entries.size(), dbf::parse(tableBytes, "t").records.size());
        } catch (const DbaseError&) {
            EXPECT_EQ(readBytes(dir.path() / "Pelkor.dbf"), tableBytes);
        }
    }
}
