// Undo and redo in the main window on a design of 200 text lines and 20
// figures of 1000 x 1000 dots: the time of one undo and of one redo (the
// design swapped back, the changed area repainted, the controls updated),
// and the memory that 100 steps of history hold.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include "Venster200Lijnen.h"

namespace {

struct Opstelling : Venster200Lijnen {
  Opstelling()
      : Venster200Lijnen([](Wijziging& wijziging) {
          // Twenty figures in a column down the right-hand side.
          Ontwerp& o = wijziging.ontwerp();
          for (int k = 0; k < 20; ++k) {
            auto beeld = std::make_shared<Beeld>();
            beeld->raster = QImage(1000, 1000, QImage::Format_Mono);
            beeld->raster.fill(k % 2);
            const int i = wijziging.bewerking().NieuwVoorwerp(SoortVoorwerp::Figuur);
            o.voorwerp(i).beeld().ZetAfbeelding(std::move(beeld), 1000, 1000);
            float l = 40, b = -74 + float(k) * 7.4f, br = 7, h = 7;
            o.PlaatsVoorwerp(i, l, b, br, h);
          }
        }) {}

  // One step: a line's text changed, as typing in it does.
  void Stap(int lijn, int n) {
    etiket->pictEtiket()->DeSelekteerAlles();
    etiket->pictEtiket()->SelecteerVoorwerp(lijn);
    tekstlijn->setText(QStringLiteral("Regel %1 versie %2").arg(lijn).arg(n));
  }
};

// Made once and kept to the end: a window must not outlive the application
// object, which static destruction would make it do.
Opstelling& Gedeeld() {
  static Opstelling* o = new Opstelling;
  return *o;
}

void BM_Ongedaan(benchmark::State& state) {
  Opstelling& o = Gedeeld();
  o.Stap(101, 0);
  for (auto _ : state) {
    o.etiket->mnuOngedaan_Click();
    state.PauseTiming();
    o.etiket->mnuOpnieuw_Click();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_Ongedaan)->Unit(benchmark::kMicrosecond);

void BM_Opnieuw(benchmark::State& state) {
  Opstelling& o = Gedeeld();
  o.Stap(102, 0);
  for (auto _ : state) {
    state.PauseTiming();
    o.etiket->mnuOngedaan_Click();
    state.ResumeTiming();
    o.etiket->mnuOpnieuw_Click();
  }
}
BENCHMARK(BM_Opnieuw)->Unit(benchmark::kMicrosecond);

// The heap that 100 steps add: each step a different line's text, so none
// of them joins the one before.
void BM_Geheugen100Stappen(benchmark::State& state) {
  Opstelling& o = Gedeeld();
  double mb = 0;
  int versie = 0;
  for (auto _ : state) {
    state.PauseTiming();
    o.etiket->bewerker().WisGeschiedenis();
    malloc_trim(0);
    const size_t voor = mallinfo2().uordblks;
    state.ResumeTiming();
    for (int i = 0; i < 100; ++i) o.Stap(1 + (i * 7) % 200, ++versie);
    state.PauseTiming();
    const size_t na = mallinfo2().uordblks;
    mb = (double(na) - double(voor)) / (1024.0 * 1024.0);
    state.ResumeTiming();
  }
  state.counters["MB_100_stappen"] = mb;
  state.counters["stappen"] = double(o.etiket->geschiedenis().AantalStappen());
}
BENCHMARK(BM_Geheugen100Stappen)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
