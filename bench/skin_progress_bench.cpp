// The progress window moves its bar on every progress notice: one position
// change and the paint that follows, at the window's 212 x 18, should cost
// no more than 50 microseconds.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "skin/ui/progress_bar.h"

namespace {

// The draw alone, into an image as a paint would.
void BM_ProgressBarPositionAndDraw(benchmark::State& state) {
    kestrum::TlumProgressBar bar;
    bar.SetUIStyle(kestrum::TlumUIStyle::WinXP);
    bar.resize(212, 18);
    QImage surface(212, 18, QImage::Format_ARGB32_Premultiplied);
    int position = 0;
    for (auto _ : state) {
        bar.SetPosition(position = (position + 1) % 101);
        QPainter painter(&surface);
        kestrum::DrawProgressBar(painter, surface.rect(), bar.Look());
        benchmark::DoNotOptimize(surface.constBits());
    }
}
BENCHMARK(BM_ProgressBarPositionAndDraw);

// The whole widget path: the position change, then an immediate repaint
// through the window's backing store.
void BM_ProgressBarPositionAndRepaint(benchmark::State& state) {
    QWidget window;
    kestrum::TlumProgressBar bar(&window);
    bar.SetUIStyle(kestrum::TlumUIStyle::WinXP);
    bar.setGeometry(12, 42, 212, 18);
    window.resize(345, 144);
    window.show();
    QApplication::processEvents();
    int position = 0;
    for (auto _ : state) {
        bar.SetPosition(position = (position + 1) % 101);
        bar.repaint();
    }
}
BENCHMARK(BM_ProgressBarPositionAndRepaint);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
