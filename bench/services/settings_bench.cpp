// One read of Pomocnik as the game monitor makes it every millisecond, and
// what the monitor's reads cost while other programs change the file or
// its folder.
#include "bench/services/MonitorLoad.h"
#include "bench/services/QuietProfile.h"
#include "services/core/ProfileFile.h"
#include "services/Settings.h"
#include "tests/support/BenchmarkOnce.h"
#include "tests/support/TempFolder.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <fstream>
#include <functional>
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
    Settings settings(QuietProfile::shared().folder());
    for (auto _ : state)
        benchmark::DoNotOptimize(settings.read(Settings::kAssistantKey));
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

void report(benchmark::State& state, const MonitorLoad& load)
{
    state.counters["core_%"] = load.coreShare * 100;
    state.counters["longest_read_ms"] = load.longestReadMs;
}

const std::chrono::milliseconds kMonitorSpan(benchmarkRunsOnce() ? 100 : 4000);

// The monitor reading the settings of folder while change runs at the interval.
void monitorSettings(benchmark::State& state, const std::filesystem::path& folder, const std::function<void()>& change,
                     std::chrono::milliseconds every)
{
    Settings settings(folder);
    // The first read searches the folder, as at the program's start.
    benchmark::DoNotOptimize(settings.read(Settings::kAssistantKey));
    for (auto _ : state)
        report(state, MonitorLoad::measure([&] { benchmark::DoNotOptimize(settings.read(Settings::kAssistantKey)); },
                                           change, every, kMonitorSpan));
}

// The monitor's 1 ms wake-ups with no read, to tell the read's share apart.
void monitorTicksAlone(benchmark::State& state)
{
    for (auto _ : state)
        report(state, MonitorLoad::measure({}, {}, std::chrono::milliseconds(500), kMonitorSpan));
}
BENCHMARK(monitorTicksAlone)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// A 1 MB settings file that another program rewrites twice a second.
void monitorWithMegabyteFileChangedTwiceASecond(benchmark::State& state)
{
    TempFolder folder;
    std::string big = "[Velka]\r\n";
    while (big.size() < 1024 * 1024)
        big += "klic" + std::to_string(big.size()) + "=hodnota hodnota\r\n";
    int round = 0;
    const auto change = [&] {
        writeBytes(folder / "Kolvex.ini", big + "[Nastaveni]\r\nPomocnik=" + std::to_string(round++ % 2) + "\r\n");
    };
    change();
    monitorSettings(state, folder.path(), change, std::chrono::milliseconds(500));
}
BENCHMARK(monitorWithMegabyteFileChangedTwiceASecond)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// No settings file, in a folder of 50,000 files of which one changes every 50 ms
// (500 in a run among the tests).
void monitorInBusyFolderWithoutSettings(benchmark::State& state)
{
    TempFolder folder;
    const int kFiles = benchmarkRunsOnce() ? 500 : 50'000;
    for (int i = 0; i < kFiles; ++i)
        writeBytes(folder / ("soubor" + std::to_string(i)), "x");
    int round = 0;
    const auto change = [&] { writeBytes(folder / ("soubor" + std::to_string(round++ % kFiles)), "zmena"); };
    monitorSettings(state, folder.path(), change, std::chrono::milliseconds(50));
}
BENCHMARK(monitorInBusyFolderWithoutSettings)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// One write of a key with its flush, as the assistant's show and close make it.
void settingsWrite(benchmark::State& state)
{
    const QuietProfile profile(false);
    Settings settings(profile.folder());
    int round = 0;
    for (auto _ : state)
        settings.write(Settings::kAssistantKey, QString::number(round++ % 2));
}
BENCHMARK(settingsWrite)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
