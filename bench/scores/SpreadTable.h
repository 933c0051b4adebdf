#pragma once

#include "DbfFormat.h"
#include "FileStore.h"
#include "Games.h"
#include "MdxFormat.h"

#include <filesystem>
#include <string>

// Writes a best table of `count` records spread over the eight games, with
// its index, into `dir` as our engine writes them.
inline void writeSpreadTable(const std::filesystem::path& dir, std::size_t count)
{
    DbfTable table;
    table.lastUpdate = DbaseDate::today();
    for (std::size_t i = 0; i < count; ++i)
        table.records.push_back({false, "Hráč číslo " + std::to_string(i * 7919 % count), long(i % 17) + 1,
                                 std::string(pelikor::kGames[i % pelikor::kGameCount].code),
                                 {2026, 1 + int(i % 12), 1 + int(i % 28)}});
    filestore::replaceAll({{dir / "Pelkor.mdx", mdx::build(table, "Pelkor")}, {dir / "Pelkor.dbf", dbf::serialize(table)}});
}
