#pragma once

#include "tests/support/BenchmarkOnce.h"
#include "tests/support/TempFolder.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

// A settings file of about 1 KB in a temporary folder, removed at the end.
class QuietProfile {
public:
    // When `quiet`, waits until the file is old enough for a reader without
    // the kernel's change notification to trust its parsed copy.
    explicit QuietProfile(bool quiet)
    {
        std::ofstream out(file(), std::ios::binary);
        out << "; Kolvex\r\n[Manual]\r\n";
        for (int i = 0; out.tellp() < 900; ++i)
            out << "Polozka" << i << "=hodnota " << i << "\r\n";
        out << "[Nastaveni]\r\nUvitani=1\r\nPomocnik=1\r\n[Pelikor]\r\nVerze=5.0\r\n";
        out.close();
        // Longer than the span in which a reader mistrusts a recent change;
        // a run that only shows the benchmarks start need not wait for it.
        if (quiet && !benchmarkRunsOnce())
            std::this_thread::sleep_for(std::chrono::milliseconds(2100));
    }

    std::filesystem::path folder() const { return folder_.path(); }
    std::filesystem::path file() const { return folder_ / "Kolvex.ini"; }

    // One quiet file for every benchmark that only reads, made on first use.
    static const QuietProfile& shared()
    {
        static const QuietProfile profile(true);
        return profile;
    }

private:
    TempFolder folder_;
};
