// The plotter's cost: the 513 samples of a curve evaluated alone (sample text included), then one
// whole plot of the same samples on a 256 x 256 picture. Drawing should add little to evaluating.
#include "plotter/Tracador2D.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

const char* const curve = "SEN(x)*POT(x ,2)/100";

void eval513(benchmark::State& state) {
    calvorin::TCalculadoraInFixa evaluator;
    std::string text;
    for (auto _ : state) {
        for (int x = -256; x <= 256; ++x) {
            calvorin::PlotPicture::sampleText(curve, x, text);
            benchmark::DoNotOptimize(evaluator.Evaluate(text));
        }
    }
}

void draw513(benchmark::State& state) {
    TTracador2D img; // the graph window's settings
    img.resize(256, 256);
    img.setAxis({Qt::red, TPen::Black});
    img.setColor(Qt::white);
    img.setLine({Qt::red});
    img.setScale({0.5L, 0.5L});
    img.setExpression(curve);
    for (auto _ : state)
        benchmark::DoNotOptimize(img.Plot());
}

} // namespace

BENCHMARK(eval513)->Name("plot/eval513")->Unit(benchmark::kMicrosecond);
BENCHMARK(draw513)->Name("plot/draw513")->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
