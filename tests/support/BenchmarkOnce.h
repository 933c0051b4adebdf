#pragma once

#include <cstdlib>

// Whether a benchmark runs once among the tests, only to show that it still
// starts on today's program: then what it measures over seconds or on
// thousands of files it measures briefly and on a few, since no one reads
// the figures.
inline bool benchmarkRunsOnce()
{
    return std::getenv("PELIKOR_BENCHMARK_ONCE") != nullptr;
}
