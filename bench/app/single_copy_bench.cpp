// What the search for a running copy costs a start: with no copy at all,
// and beside the sockets that killed copies left behind (each one cleared
// by the search that finds it, so every round lays them again).
#include "services/SingleCopy.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A socket file with no one behind it, named by a process id no copy has.
void leaveStaleSocket(const QString& folder, int number)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(folder + QStringLiteral("/%1").arg(4000000 + number));
    qstrncpy(address.sun_path, path.constData(), sizeof address.sun_path);
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::close(fd);
}

void BM_SearchWithoutCopies(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(SingleCopy::runningCopyFound());
}
BENCHMARK(BM_SearchWithoutCopies)->Unit(benchmark::kMicrosecond);

void BM_SearchBesideStaleSockets(benchmark::State& state)
{
    const QString folder = SingleCopy::folder();
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 0; i < state.range(0); ++i)
            leaveStaleSocket(folder, i);
        state.ResumeTiming();
        benchmark::DoNotOptimize(SingleCopy::runningCopyFound());
    }
}
BENCHMARK(BM_SearchBesideStaleSockets)->Arg(1)->Arg(10)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    // A runtime folder of the benchmark's own, where no copy runs.
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
