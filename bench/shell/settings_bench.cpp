// One read of Pomocnik as the game monitor makes it every millisecond.
#include "ProfileFile.h"
#include "QuietProfile.h"
#include "Settings.h"

#include <benchmark/benchmark.h>

#include <QFile>

#include <chrono>
#include <fstream>
#include <iterator>
#include <string>

namespace {

void readFromUnchangedFile(benchmark::State& state)
{
    pelikor::ProfileFile file(QuietProfile::shared().file());
    for (auto _ : state)
        benchmark::DoNotOptimize(file.read("Nastaveni", "Pomocnik"));
    state.counters["parses"] = double(file.parses());
}
BENCHMARK(readFromUnchangedFile);

void settingsReadFromUnchangedFile(benchmark::State& state)
{
    Settings settings(QFile::decodeName(QuietProfile::shared().folder().c_str()) + QLatin1Char('/'));
    for (auto _ : state)
        benchmark::DoNotOptimize(settings.read(Settings::kPomocnik));
}
BENCHMARK(settingsReadFromUnchangedFile);

// Another program rewrites one byte before every read; only the read is timed.
void readFromFileChangedBetweenReads(benchmark::State& state)
{
    const QuietProfile profile(false);
    pelikor::ProfileFile file(profile.file());
    std::string bytes;
    {
        std::ifstream in(profile.file(), std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    const auto valueAt = std::streamoff(bytes.find("Pomocnik=") + std::string("Pomocnik=").size());
    char value = '0';
    for (auto _ : state) {
        {
            std::fstream out(profile.file(), std::ios::binary | std::ios::in | std::ios::out);
            out.seekp(valueAt);
            out.put(value);
        }
        const auto start = std::chrono::steady_clock::now();
        const std::string read = file.read("Nastaveni", "Pomocnik");
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (read != std::string(1, value)) {
            state.SkipWithError("the change was not seen");
            break;
        }
        value = value == '0' ? '1' : '0';
    }
    state.counters["parses"] = double(file.parses());
}
BENCHMARK(readFromFileChangedBetweenReads)->UseManualTime();

} // namespace

BENCHMARK_MAIN();
