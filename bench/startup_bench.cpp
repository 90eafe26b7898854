// Start-up cost: every window of the program created, the main window shown and the event loop
// idle again (no start-up script in the working directory, so the credits window follows).
#include "app/fMain.h"
#include "windows.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

static void StartUpToIdleMainWindow(benchmark::State& state) {
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    for (auto _ : state) {
        calvorin::createAllWindows();
        calvorin::showWindow(&calvorin::window<TfrmMain>());
        QApplication::processEvents();
        state.PauseTiming();
        calvorin::WindowRegistry::destroyAll();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    QDir::setCurrent(previous);
}
BENCHMARK(StartUpToIdleMainWindow)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The offscreen platform warns on every raise(); the figures are what matters here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QApplication::setApplicationName("Calvorin 2.1");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
