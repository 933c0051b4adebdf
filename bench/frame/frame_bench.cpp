// The shell's windows on a real X server: from a command to its balloon on
// the screen with its shape, the boss screen's toggle, and for comparison
// the main window's own first show.
#include "app/PelikorWindows.h"
#include "dialogs/AssistantFigure.h"
#include "frame/HelpBalloon.h"
#include "frame/MainWindow.h"
#include "frame/WelcomeBalloon.h"
#include "tests/support/EmptyBestTable.h"
#include "tests/support/TempFolder.h"

#include <QApplication>
#include <QWindow>

#include <benchmark/benchmark.h>

namespace {

// The program's windows on an application folder of their own, silent.
class SilentCuePlayer : public CuePlayer {
public:
    void play(const QString&) override {}
};

// Runs the event loop until what was shown has gone out to the X server.
void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    QGuiApplication::sync();
}

struct Program {
    TempFolder folder;
    PelikorWindows windows{withEmptyBestTable(folder.path()), std::make_unique<SilentCuePlayer>()};

    Program()
    {
        windows.show();
        settle();
    }
};

// Shared by the benchmarks and gone before the application object.
std::unique_ptr<Program> shared;

Program& program()
{
    if (!shared)
        shared = std::make_unique<Program>();
    return *shared;
}

void BM_HelpFromF1ToBalloon(benchmark::State& state)
{
    HelpBalloon& help = program().windows.helpBalloon();
    for (auto _ : state) {
        emit program().windows.mainWindow().helpRequested();
        settle();
        state.PauseTiming();
        help.close();
        settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_HelpFromF1ToBalloon)->Unit(benchmark::kMillisecond);

void BM_WelcomeFromFigureToBalloon(benchmark::State& state)
{
    WelcomeBalloon& welcome = program().windows.welcomeBalloon();
    for (auto _ : state) {
        emit program().windows.assistantFigure().doubleClicked();
        settle();
        state.PauseTiming();
        welcome.close();
        settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_WelcomeFromFigureToBalloon)->Unit(benchmark::kMillisecond);

void BM_BossScreenToggle(benchmark::State& state)
{
    for (auto _ : state) {
        program().windows.mainWindow().toggleBossScreen();
        settle();
    }
}
BENCHMARK(BM_BossScreenToggle)->Unit(benchmark::kMillisecond);

void BM_MainWindowFirstShow(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto fresh = std::make_unique<Program>();
        fresh->windows.mainWindow().hide();
        settle();
        auto main = std::make_unique<MainWindow>(fresh->windows.services());
        state.ResumeTiming();
        main->show();
        settle();
        state.PauseTiming();
        main.reset();
        fresh.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MainWindowFirstShow)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    shared.reset();
    return 0;
}
