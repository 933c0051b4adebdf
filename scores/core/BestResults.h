#pragma once

#include "scores/core/DbaseDate.h"
#include "scores/core/DbaseTable.h"
#include "scores/core/FileStore.h"
#include "scores/core/ResultRules.h"
#include "scores/core/TableRow.h"
#include "setup/core/Game.h"

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace pelikor {

// The best table in the windows' terms: a game's entries, best first or by
// name, whether a result is offered the name field, the store of a result,
// the reset from the template. The game and the order a call sets stay set
// for the next, as the windows have always shared them: the grids show the
// game and the order set last, and the offer reads the first ten entries
// of its game in the order set last.
class BestResults {
public:
    using Order = DbaseTable::Order;

    explicit BestResults(DateTextCodec codec = dayMonthYearCodec());

    void setFolder(const std::filesystem::path& dir);
    void open();
    bool isOpen() const;

    // The game's entries in this order from now on.
    void show(const Game& game, Order order);
    // The entries of the game and in the order set last; before any game,
    // every entry of the table.
    std::vector<TableRow> shown();
    // The game set last; nothing before any.
    const std::optional<Game>& game() const { return game_; }
    Order order() const;

    // Sets the game; whether a result leaving remaining pegs, finished
    // today, is offered the name field.
    bool offersName(const Game& game, long long remaining, const DbaseDate& today);
    // Stores the result under name, dated today, where it earns a place; a
    // full game is judged and left best first. Returns what was written.
    results::StoreTarget store(const Game& game, std::string_view name, long long remaining, const DbaseDate& today);

    // Replaces both files by the template's; the game and the order stay.
    void resetFromTemplate(const std::filesystem::path& templateDir);

    // For tests that make a write fail halfway.
    void setWriteHooks(filestore::WriteHooks hooks);

private:
    DbaseTable table_;
    std::optional<Game> game_;
};

} // namespace pelikor
