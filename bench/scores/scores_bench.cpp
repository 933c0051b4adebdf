// The best table's costs: open, reading one game, one durable store and
// the result dialog's whole store sequence under the lock, on
// the table a player has (ten entries in each of the eight games), on a
// table of 10,000 records written by python3-dbf, and growing tables for
// the complexity of each step.

#include "bench/scores/SpreadTable.h"
#include "scores/core/DbaseTable.h"
#include "scores/core/ResultStore.h"
#include "setup/core/Games.h"
#include "tests/support/TempFolder.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>

using namespace pelikor;

namespace fs = std::filesystem;

namespace {

// A table of the given size written by our engine: count records spread
// over the eight games, an index beside it.
const fs::path& ownTable(std::size_t count)
{
    static std::map<std::size_t, TempFolder> folders;
    auto [it, fresh] = folders.try_emplace(count);
    if (fresh)
        writeSpreadTable(it->second.path(), count);
    return it->second.path();
}

// 10,000 records written by python3-dbf as a dBASE III table without index.
const fs::path& foreignTable()
{
    static TempFolder folder;
    static bool written = false;
    if (!written) {
        const std::string script = (folder.path() / "make.py").string();
        FILE* out = std::fopen(script.c_str(), "w");
        std::fprintf(out,
                     "import dbf, datetime\n"
                     "t = dbf.Table(r'%s', 'JMENO C(100); TAHY N(3,0); HRA C(2); DATUM D', dbf_type='db3', codepage='cp1250')\n"
                     "t.open(dbf.READ_WRITE)\n"
                     "codes = ['3','4','5','6','7','8','9','10']\n"
                     "for i in range(10000):\n"
                     "    t.append(('Hráč %%d' %% (i * 7919 %% 10000), i %% 17 + 1, codes[i %% 8], datetime.date(2026, 1 + i %% 12, 1 + i %% 28)))\n"
                     "t.close()\n",
                     (folder.path() / "Pelkor.dbf").c_str());
        std::fclose(out);
        const std::string command = std::string(PELIKOR_PYTHON).append(" ").append(script);
        if (std::system(command.c_str()) != 0)
            throw std::runtime_error("python3-dbf could not write the large table");
        fs::remove(script);
        written = true;
    }
    return folder.path();
}

void openTable(benchmark::State& state, const fs::path& dir)
{
    DbaseTable table;
    table.setDatabaseName(dir);
    for (auto _ : state) {
        table.open();
        benchmark::DoNotOptimize(table.recordCount());
        table.close();
    }
    state.SetComplexityN(state.range(0));
}

void walkGame(benchmark::State& state, const fs::path& dir)
{
    DbaseTable table;
    table.setDatabaseName(dir);
    table.open();
    std::size_t game = 0;
    for (auto _ : state) {
        results::selectGame(table, pelikor::kGames[game++ % pelikor::kGameCount].code);
        table.setIndexFieldNames("TAHY");
        int seen = 0;
        for (table.first(); !table.eof() && seen < 10; table.next(), ++seen) {
            benchmark::DoNotOptimize(table.fieldInt("TAHY"));
            benchmark::DoNotOptimize(table.fieldText("DATUM"));
        }
    }
    state.SetComplexityN(state.range(0));
}

// One overwrite of the worst entry as the result dialog stores it: select,
// order, last, edit, the four fields, post with both files renamed into place.
void storeResult(benchmark::State& state, const fs::path& dir)
{
    DbaseTable table;
    table.setDatabaseName(dir);
    table.open();
    table.setFiltered(true);
    table.setFilter("HRA = '3'");
    table.setIndexFieldNames("TAHY");
    int round = 0;
    for (auto _ : state) {
        table.first();
        table.last();
        table.edit();
        table.setFieldText("JMENO", "Výherce " + std::to_string(round));
        table.setFieldText("TAHY", std::to_string(1 + round++ % 17));
        table.setFieldText("HRA", "3");
        table.setFieldText("DATUM", "8.1.2026");
        table.post();
    }
    state.SetComplexityN(state.range(0));
}

// The result dialog's whole store: lock, re-read, select the game, read its
// entries, decide, write, release. Every round is a day later, so the best
// result always replaces an entry and every round writes.
void storeSequence(benchmark::State& state, const fs::path& dir)
{
    DbaseTable table;
    table.setDatabaseName(dir);
    table.open();
    int round = 0;
    for (auto _ : state) {
        const DbaseDate day{2030 + round / 336, 1 + round / 28 % 12, 1 + round % 28};
        ++round;
        if (results::storeResult(table, "3", "Výherce", 1, day).kind == results::StoreTarget::Kind::Nothing)
            state.SkipWithError("a round stored nothing");
    }
    state.SetComplexityN(state.range(0));
}

void BM_Open(benchmark::State& state) { openTable(state, ownTable(std::size_t(state.range(0)))); }
void BM_SelectOrderWalk(benchmark::State& state) { walkGame(state, ownTable(std::size_t(state.range(0)))); }
void BM_Store(benchmark::State& state) { storeResult(state, ownTable(std::size_t(state.range(0)))); }

void BM_StoreSequence(benchmark::State& state) { storeSequence(state, ownTable(std::size_t(state.range(0)))); }

void BM_ForeignOpen(benchmark::State& state) { openTable(state, foreignTable()); }
void BM_ForeignSelectOrderWalk(benchmark::State& state) { walkGame(state, foreignTable()); }
void BM_ForeignStore(benchmark::State& state) { storeResult(state, foreignTable()); }

} // namespace

// 80 records is the normal table: ten entries in each of the eight games.
BENCHMARK(BM_Open)->Arg(80)->Arg(1000)->Arg(10000)->Arg(100000)->Complexity()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SelectOrderWalk)->Arg(80)->Arg(1000)->Arg(10000)->Arg(100000)->Complexity()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Store)->Arg(80)->Arg(1000)->Arg(10000)->Arg(100000)->Complexity()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StoreSequence)->Arg(80)->Arg(1000)->Arg(10000)->Arg(100000)->Complexity()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ForeignOpen)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ForeignSelectOrderWalk)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ForeignStore)->Arg(10000)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
