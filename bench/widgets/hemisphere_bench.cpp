// Rendering one 40 x 40 peg: its up and down images and mask.
#include "THemisphereButton.h"

#include <QApplication>

#include <benchmark/benchmark.h>

static void BM_RenderPeg(benchmark::State& state)
{
    THemisphereButton button;
    button.resize(40, 40);
    TColor colours[2] = {8421631, 16744703};
    int i = 0;
    for (auto _ : state) {
        // A change of face colour is what a selection costs a peg.
        button.setFaceColor(colours[i ^= 1]);
        benchmark::DoNotOptimize(button.upImage().constBits());
    }
}
BENCHMARK(BM_RenderPeg);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
