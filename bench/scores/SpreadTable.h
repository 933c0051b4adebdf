#pragma once

#include "scores/core/DbfFormat.h"
#include "scores/core/FileStore.h"
#include "scores/core/MdxFormat.h"
#include "setup/core/Games.h"

#include <filesystem>
#include <string>

// Writes a best table of `count` records spread over the eight games, with
// its index, into `dir` as our engine writes them.
inline void writeSpreadTable(const std::filesystem::path& dir, std::size_t count)
{
    pelikor::DbfTable table;
    table.lastUpdate = pelikor::DbaseDate::today();
    for (std::size_t i = 0; i < count; ++i)
        table.records.push_back({false, "Hráč číslo " + std::to_string(i * 7919 % count), long(i % 17) + 1,
                                 std::string(pelikor::kGames[i % pelikor::kGameCount].code),
                                 {2026, 1 + int(i % 12), 1 + int(i % 28)}});
    pelikor::filestore::replaceAll(
        {{dir / "Pelkor.mdx", pelikor::mdx::build(table, "Pelkor")}, {dir / "Pelkor.dbf", pelikor::dbf::serialize(table)}});
}
