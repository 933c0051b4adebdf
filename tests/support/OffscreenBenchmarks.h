#pragma once

#include <QApplication>

#include <benchmark/benchmark.h>

#include <functional>

// The main of a benchmark of widgets or windows: the benchmarks the command
// line selects, run inside an application on the offscreen platform.
// `beforeQuit` frees what the benchmarks kept between runs while the
// application still exists: windows must go before it.
inline int runOffscreenBenchmarks(int argc, char** argv, const std::function<void()>& beforeQuit = {})
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (beforeQuit)
        beforeQuit();
    return 0;
}
