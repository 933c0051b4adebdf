#include "scores/core/BestResults.h"
#include "setup/core/Games.h"
#include "tests/scores/TestSupport.h"

#include <gtest/gtest.h>

using namespace pelikor;

using namespace testing_support;
using Order = BestResults::Order;

namespace {

const DbaseDate today{2026, 3, 15};

std::vector<std::string> names(const std::vector<TableRow>& rows)
{
    std::vector<std::string> out;
    for (const TableRow& row : rows)
        out.push_back(row.jmeno + "/" + std::to_string(row.tahy));
    return out;
}

} // namespace

TEST(BestResults, GamesAndOrdersAreSharedBetweenCallsAsTheWindowsShareThem)
{
    const InstalledFolder folder;
    {
        // Eleven entries of optional game 1, as another engine may leave a
        // game: by name the first ten hold the five, best first only ones.
        DbaseTable other;
        openIn(other, folder.data);
        for (int i = 0; i < 10; ++i)
            addRecord(other, "B" + std::to_string(i), 1, "10", "1.1.2026");
        addRecord(other, "A", 5, "10", "1.1.2026");
        addRecord(other, "jiná hra", 1, "1", "1.1.2026");
    }
    BestResults results;
    results.setFolder(folder.data);
    results.open();
    ASSERT_TRUE(results.isOpen());
    EXPECT_FALSE(results.game());
    EXPECT_EQ(results.shown().size(), 12u) << "every entry before any game";

    const Game& first = optionalGame(1);
    EXPECT_TRUE(results.offersName(first, 3, today)) << "the first ten by name, as at the start";
    EXPECT_EQ(results.game()->code, "10");
    EXPECT_EQ(results.order(), Order::ByName);
    results.show(first, Order::BestFirst);
    EXPECT_FALSE(results.offersName(first, 3, today)) << "the first ten best first, once the view showed them";

    DbaseTable byText;
    openIn(byText, folder.data);
    byText.setFiltered(true);
    byText.setFilter("HRA = '10'");
    byText.setIndexFieldNames("TAHY");
    EXPECT_EQ(names(results.shown()), names(byText.rows()));
    EXPECT_EQ(names(results.shown()).back(), "A/5");

    EXPECT_EQ(results.store(standardGame(), "Zdeněk", 4, today).kind, results::StoreTarget::Kind::NewRecord);
    EXPECT_EQ(results.game()->code, "3");
    EXPECT_EQ(names(results.shown()), std::vector<std::string>{"Zdeněk/4"});
    results.show(first, Order::ByName);
    EXPECT_EQ(names(results.shown()).front(), "A/5");

    results.resetFromTemplate(folder.zaloha);
    EXPECT_TRUE(results.shown().empty());
    EXPECT_EQ(results.game()->code, "10");
    EXPECT_EQ(results.order(), Order::ByName);
}
