// One whole paint of the result view with a photo loaded, at the main window's
// outer size of 600 by 480: two fills, the analysis and 553 texts.

#include "SampleCapture.h"
#include "view/CTarvonel6View.h"

#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

namespace {

void BM_PaintFoundReport(benchmark::State& state) {
  LoadSampleD70();
  QImage image(600, 480, QImage::Format_RGB32);
  CTarvonel6View view;
  view.SetPaintDevice(&image);
  view.OnPaint();  // the first paint makes the display font
  for (auto _ : state) {
    view.OnPaint();
    benchmark::DoNotOptimize(image.constBits());
  }
  view.SetPaintDevice(nullptr);
}
BENCHMARK(BM_PaintFoundReport)->Unit(benchmark::kMillisecond);

void BM_PaintBannerAlone(benchmark::State& state) {
  captureState.photoLoaded = 0;
  QImage image(600, 480, QImage::Format_RGB32);
  CTarvonel6View view;
  view.SetPaintDevice(&image);
  view.OnPaint();
  for (auto _ : state) {
    view.OnPaint();
    benchmark::DoNotOptimize(image.constBits());
  }
  view.SetPaintDevice(nullptr);
}
BENCHMARK(BM_PaintBannerAlone)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
