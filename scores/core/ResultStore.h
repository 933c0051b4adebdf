#pragma once

#include "scores/core/DbaseTable.h"
#include "scores/core/ResultRules.h"

#include <string>
#include <string_view>
#include <vector>

namespace pelikor {

// The result dialog's reading and writing of the best table, built on the
// pure rules: select the game, read its entries, store a result.
namespace results {

// Filtered on and the selection text of the game; the order stays.
void selectGame(DbaseTable& table, std::string_view code);

// Selects the game and reads all its entries.
std::vector<Entry> readGame(DbaseTable& table, std::string_view code);

// Selects the game and decides, as the result dialog does when it shows,
// whether result r is offered the name field: from the first ten entries in
// the current order.
bool offersNameField(DbaseTable& table, std::string_view code, long long r, const DbaseDate& today);

// Stores result r of the game under name, dated today, where the rules give
// it a place; returns what was written. The decision and the write are one
// step under the folder lock, made on the table as it is on disk.
StoreTarget storeResult(DbaseTable& table, std::string_view code, std::string_view name, long long r,
                        const DbaseDate& today);

} // namespace results

} // namespace pelikor
