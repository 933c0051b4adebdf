#pragma once

#include <QApplication>

#include <benchmark/benchmark.h>

// The main of a benchmark of widgets or windows: the benchmarks the command
// line selects, run inside an application on the offscreen platform.
inline int runOffscreenBenchmarks(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
