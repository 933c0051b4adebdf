#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

#include <time.h>

// What the game monitor's settings read costs while another process keeps
// changing things: reads once a millisecond for a span, as the monitor's
// timer does, and measures the reading thread's share of a core and its
// longest read. A writer thread makes a change at a fixed interval.
struct MonitorLoad {
    double coreShare = 0;     // CPU time of the reading thread over the span
    double longestReadMs = 0; // the slowest single read

    static MonitorLoad measure(const std::function<void()>& read, const std::function<void()>& change,
                               std::chrono::milliseconds changeEvery, std::chrono::milliseconds span)
    {
        std::atomic<bool> done{false};
        std::thread writer([&] {
            while (!done) {
                if (change)
                    change();
                std::this_thread::sleep_for(changeEvery);
            }
        });
        using Clock = std::chrono::steady_clock;
        const double cpuStart = threadCpuSeconds();
        const auto start = Clock::now();
        MonitorLoad load;
        for (auto tick = start; tick - start < span; tick += std::chrono::milliseconds(1)) {
            std::this_thread::sleep_until(tick);
            const auto before = Clock::now();
            if (read)
                read();
            load.longestReadMs = std::max(
                load.longestReadMs, std::chrono::duration<double, std::milli>(Clock::now() - before).count());
        }
        const double wall = std::chrono::duration<double>(Clock::now() - start).count();
        load.coreShare = (threadCpuSeconds() - cpuStart) / wall;
        done = true;
        writer.join();
        return load;
    }

private:
    static double threadCpuSeconds()
    {
        timespec now {};
        ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
    }
};
