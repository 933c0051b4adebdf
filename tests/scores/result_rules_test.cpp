#include "scores/core/ResultRules.h"
#include "scores/core/ResultStore.h"
#include "tests/scores/TestSupport.h"

#include <gtest/gtest.h>

using namespace pelikor;

using namespace testing_support;
using results::Entry;
using results::StoreTarget;
using Kind = results::StoreTarget::Kind;

namespace {

const DbaseDate today{2026, 3, 15};
const DbaseDate yesterday{2026, 3, 14};

std::vector<Entry> entriesWithCounts(const std::vector<long long>& counts, const DbaseDate& date = today)
{
    std::vector<Entry> entries;
    for (std::size_t i = 0; i < counts.size(); ++i)
        entries.push_back({counts[i], date, std::uint32_t(i + 1)});
    return entries;
}

StoreTarget overwrite(std::uint32_t record)
{
    return {Kind::Overwrite, record};
}

} // namespace

TEST(ResultRules, FewerThanTenEntriesAlwaysHaveRoom)
{
    for (std::size_t n = 0; n < 10; ++n) {
        const auto entries = entriesWithCounts(std::vector<long long>(n, 1));
        for (const long long r : {1, 2, 32}) {
            EXPECT_TRUE(results::earnsNameField(entries, r, today)) << n << " entries, R " << r;
            EXPECT_EQ(results::storeTarget(entries, r, today), (StoreTarget{Kind::NewRecord, 0}));
        }
    }
}

TEST(ResultRules, TenEntriesOneToFive)
{
    // File order deliberately not sorted; the worst (5) is record 4.
    const auto entries = entriesWithCounts({1, 3, 2, 5, 2, 4, 1, 3, 4, 2});
    EXPECT_TRUE(results::earnsNameField(entries, 4, today));
    EXPECT_EQ(results::storeTarget(entries, 4, today), overwrite(4));
    EXPECT_TRUE(results::earnsNameField(entries, 1, today));
    EXPECT_EQ(results::storeTarget(entries, 1, today), overwrite(4));
    EXPECT_FALSE(results::earnsNameField(entries, 5, today));
    EXPECT_EQ(results::storeTarget(entries, 5, today), StoreTarget{});
    EXPECT_FALSE(results::earnsNameField(entries, 6, today));
    EXPECT_EQ(results::storeTarget(entries, 6, today), StoreTarget{});
}

TEST(ResultRules, AmongEqualWorstCountsTheLatestInTheFileGivesWay)
{
    const auto entries = entriesWithCounts({1, 6, 2, 6, 3, 3, 6, 2, 2, 1});
    EXPECT_EQ(results::storeTarget(entries, 5, today), overwrite(7));
}

TEST(ResultRules, TenEqualCountsDependOnTheDates)
{
    auto entries = entriesWithCounts(std::vector<long long>(10, 2));
    EXPECT_FALSE(results::earnsNameField(entries, 2, today)) << "all dated today";
    EXPECT_EQ(results::storeTarget(entries, 2, today), StoreTarget{});
    EXPECT_FALSE(results::earnsNameField(entries, 3, today));

    entries[6].datum = yesterday;
    EXPECT_TRUE(results::earnsNameField(entries, 2, today));
    EXPECT_EQ(results::storeTarget(entries, 2, today), overwrite(7));
    entries[3].datum = {2020, 1, 1};
    EXPECT_EQ(results::storeTarget(entries, 2, today), overwrite(4));
    EXPECT_TRUE(results::earnsNameField(entries, 1, today)) << "a better result always gets in";

    entries[0].tahy = 1;
    EXPECT_FALSE(results::earnsNameField(entries, 2, today)) << "a smaller count among the ten";
}

TEST(ResultRules, DatesAreComparedAsDatesNotAsTexts)
{
    // As text "15.3.2026" sorts before "8.1.2026"; as dates 8 January is earlier.
    auto entries = entriesWithCounts(std::vector<long long>(10, 2), today);
    entries[4].datum = {2026, 1, 8};
    EXPECT_TRUE(results::earnsNameField(entries, 2, today));
    EXPECT_EQ(results::storeTarget(entries, 2, today), overwrite(5));
    entries[4].datum = {2026, 3, 16}; // later than today
    EXPECT_FALSE(results::earnsNameField(entries, 2, today));
    entries[4].datum = {2025, 12, 31};
    EXPECT_TRUE(results::earnsNameField(entries, 2, DbaseDate{2026, 1, 1})) << "across the year";
    entries[4].datum = {};
    EXPECT_TRUE(results::earnsNameField(entries, 2, today)) << "a blank date counts as long ago";
}

TEST(ResultRules, TheStoreAgreesWithTheOffer)
{
    // The earliest entry in the file is dated today, a later one yesterday:
    // the field is offered and the dated one is overwritten.
    auto entries = entriesWithCounts(std::vector<long long>(10, 3), today);
    entries[8].datum = yesterday;
    EXPECT_TRUE(results::earnsNameField(entries, 3, today));
    EXPECT_EQ(results::storeTarget(entries, 3, today), overwrite(9));
}

TEST(ResultRules, OfferAndStoreNeverDisagree)
{
    const std::vector<DbaseDate> dates = {yesterday, today, {2027, 1, 1}};
    for (unsigned mask = 0; mask < 3u * 3u * 3u * 3u; ++mask) {
        auto entries = entriesWithCounts({2, 2, 2, 2, 2, 2, 2, 2, 2, 2});
        unsigned m = mask;
        for (std::size_t i = 0; i < 4; ++i, m /= 3)
            entries[i * 3].datum = dates[m % 3];
        for (const long long r : {1, 2, 3}) {
            const bool offered = results::earnsNameField(entries, r, today);
            const StoreTarget target = results::storeTarget(entries, r, today);
            EXPECT_EQ(offered, target.kind != Kind::Nothing);
            if (target.kind == Kind::Overwrite) {
                const Entry& replaced = entries[target.recordNumber - 1];
                EXPECT_TRUE(replaced.tahy > r || replaced.datum < today);
            }
        }
    }
}

TEST(ResultRules, OfferAndStoreAgreeOverMixedCountsAndDates)
{
    // Every pattern of ten counts from 1 to 3, each entry given one of four
    // dates by a fixed pseudo-random sequence, against results 0 to 4.
    const std::vector<DbaseDate> dates = {{}, yesterday, today, {2026, 3, 16}};
    std::uint32_t seed = 12345;
    unsigned offers = 0;
    unsigned overwritesOfEqualCounts = 0;
    for (unsigned pattern = 0; pattern < 59049; ++pattern) {
        std::vector<Entry> entries;
        unsigned p = pattern;
        for (std::uint32_t i = 0; i < 10; ++i, p /= 3) {
            seed = seed * 1103515245u + 12345u;
            entries.push_back({1 + static_cast<long long>(p % 3), dates[(seed >> 16) % dates.size()], i + 1});
        }
        for (long long r = 0; r <= 4; ++r) {
            const bool offered = results::earnsNameField(entries, r, today);
            const StoreTarget target = results::storeTarget(entries, r, today);
            ASSERT_EQ(offered, target.kind != Kind::Nothing) << "pattern " << pattern << ", R " << r;
            ASSERT_NE(target.kind, Kind::NewRecord) << "pattern " << pattern << ", R " << r;
            offers += offered;
            if (target.kind == Kind::Overwrite) {
                ASSERT_GE(target.recordNumber, 1u);
                ASSERT_LE(target.recordNumber, 10u);
                const Entry& replaced = entries[target.recordNumber - 1];
                ASSERT_TRUE(replaced.tahy > r || (replaced.tahy == r && replaced.datum < today))
                    << "pattern " << pattern << ", R " << r;
                overwritesOfEqualCounts += replaced.tahy == r;
            }
        }
    }
    EXPECT_GT(offers, 0u);
    EXPECT_GT(overwritesOfEqualCounts, 0u) << "the date rule was reached";
}

TEST(ResultStore, AWholeStoreSequenceOnRealFilesReadsBackThroughDbfread)
{
    TempFolder dir;
    createTable(dir.path());
    DbaseTable table;
    openIn(table, dir.path());
    table.setIndexFieldNames("JMENO");

    const DbaseDate earlier{2026, 1, 8};
    // Nine entries of the standard game, then a tenth, then one in another game.
    const long long counts[] = {5, 1, 3, 2, 4, 2, 3, 1, 4};
    for (std::size_t i = 0; i < 9; ++i)
        EXPECT_EQ(results::storeResult(table, "3", "hráč" + std::to_string(i), counts[i], earlier).kind,
                  Kind::NewRecord);
    EXPECT_EQ(results::storeResult(table, "3", "desátý", 6, earlier).kind, Kind::NewRecord);
    EXPECT_EQ(results::storeResult(table, "10", "jiná hra", 9, earlier).kind, Kind::NewRecord);
    EXPECT_EQ(results::readGame(table, "3").size(), 10u);
    EXPECT_EQ(table.indexFieldNames(), "JMENO") << "a game with room keeps the order";

    // Full: 6 is the worst (record 10); 7 gets nothing; 4 replaces the 6.
    EXPECT_EQ(results::storeResult(table, "3", "horší", 7, today), StoreTarget{});
    EXPECT_EQ(results::storeResult(table, "3", "Lepší", 4, today), overwrite(10));
    // Now the worst is 5 (record 1); 5 again: a smaller count exists, nothing.
    EXPECT_EQ(results::storeResult(table, "3", "stejný", 5, today), StoreTarget{});
    EXPECT_EQ(results::storeResult(table, "3", "Nejlepší", 1, today), overwrite(1));
    EXPECT_EQ(table.indexFieldNames(), "TAHY") << "a full game is judged and left in the order of the counts";

    const std::string output = runPython(
        "import sys, dbfread\n"
        "sys.stdout.reconfigure(encoding='utf-8')\n"
        "for r in dbfread.DBF(r'" + (dir.path() / "Pelkor.dbf").string() + "'):\n"
        "    print('%s|%d|%s|%s' % (r['JMENO'], r['TAHY'], r['HRA'], r['DATUM']))\n");
    EXPECT_EQ(output,
              "Nejlepší|1|3|2026-03-15\n"
              "hráč1|1|3|2026-01-08\n"
              "hráč2|3|3|2026-01-08\n"
              "hráč3|2|3|2026-01-08\n"
              "hráč4|4|3|2026-01-08\n"
              "hráč5|2|3|2026-01-08\n"
              "hráč6|3|3|2026-01-08\n"
              "hráč7|1|3|2026-01-08\n"
              "hráč8|4|3|2026-01-08\n"
              "Lepší|4|3|2026-03-15\n"
              "jiná hra|9|10|2026-01-08\n");
}

TEST(ResultStore, TenEqualCountsAreReplacedDayByDay)
{
    TempFolder dir;
    createTable(dir.path());
    DbaseTable table;
    openIn(table, dir.path());
    for (int i = 0; i < 10; ++i)
        results::storeResult(table, "8", "p" + std::to_string(i), 2, i == 5 ? yesterday : today);
    // Only record 6 is older than today; it is the one replaced.
    EXPECT_EQ(results::storeResult(table, "8", "nový", 2, today), overwrite(6));
    EXPECT_EQ(results::storeResult(table, "8", "další", 2, today), StoreTarget{});
}
