// Zooming and scrolling the 200-line design: one zoom step (the picture
// resized and its kept image drawn anew at the new scale) at each level,
// and one scroll step at 400 % (what the scroll area paints from the kept
// image), each up to the pixels on the window.
#include <benchmark/benchmark.h>

#include <QScrollArea>
#include <QScrollBar>

#include "Venster200Lijnen.h"
#include "ui/Zoom.h"

namespace {

Venster200Lijnen& Gedeeld() {
  static Venster200Lijnen* o = new Venster200Lijnen;
  return *o;
}

// Draws what the window would show now, as a screen update does.
void Toon(Venster200Lijnen& o) {
  QImage scherm(o.etiket->size(), QImage::Format_RGB32);
  o.etiket->render(&scherm);
  benchmark::DoNotOptimize(scherm.constBits());
}

void BM_Zoomen(benchmark::State& state) {
  Venster200Lijnen& o = Gedeeld();
  const double doel = double(state.range(0)) / 100;
  // From the step below (or above, for the smallest) to this one.
  const auto& stappen = Zoom::Stappen();
  const auto it = std::find(stappen.begin(), stappen.end(), doel);
  const double van = it == stappen.begin() ? *(it + 1) : *(it - 1);
  for (auto _ : state) {
    state.PauseTiming();
    o.etiket->zoom().ZetFactor(van);
    QApplication::processEvents();
    state.ResumeTiming();
    o.etiket->zoom().ZetFactor(doel);
    QApplication::processEvents();
    Toon(o);
  }
}
BENCHMARK(BM_Zoomen)->ArgName("procent")->Arg(25)->Arg(100)->Arg(200)->Arg(400)->Arg(800)->Unit(benchmark::kMillisecond);

void BM_Scrollen(benchmark::State& state) {
  Venster200Lijnen& o = Gedeeld();
  o.etiket->zoom().ZetFactor(4);
  QApplication::processEvents();
  auto* gebied = o.etiket->findChild<QScrollArea*>(QStringLiteral("scrEtiket"));
  QScrollBar* balk = gebied->verticalScrollBar();
  int stap = 40;
  for (auto _ : state) {
    if (balk->value() + stap > balk->maximum() || balk->value() + stap < 0) stap = -stap;
    balk->setValue(balk->value() + stap);
    QApplication::processEvents();
    Toon(o);
  }
}
BENCHMARK(BM_Scrollen)->Unit(benchmark::kMillisecond);

}  // namespace
