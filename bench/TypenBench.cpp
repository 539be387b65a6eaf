// Typing one character in the text-line box of a design with 200 text
// lines: the change handler up to the repainted kept image, against a full
// repaint of the same design.
#include <benchmark/benchmark.h>

#include "Venster200Lijnen.h"

namespace {

using Opstelling = Venster200Lijnen;

// Made once and kept to the end: a window must not outlive the application
// object, which static destruction would make it do.
Opstelling& Gedeeld() {
  static Opstelling* o = new Opstelling;
  return *o;
}

void BM_TypenInTekstlijn(benchmark::State& state) {
  Opstelling& o = Gedeeld();
  const QString basis = o.tekstlijn->text();
  int n = 0;
  for (auto _ : state) {
    // One more character, as a keystroke gives.
    o.tekstlijn->setText(basis + QChar(u'a' + (n++ % 26)));
    benchmark::DoNotOptimize(o.etiket->beeld().Beeld().constBits());
  }
}
BENCHMARK(BM_TypenInTekstlijn)->Unit(benchmark::kMicrosecond);

void BM_VolledigeHertekening200Lijnen(benchmark::State& state) {
  Opstelling& o = Gedeeld();
  for (auto _ : state) {
    o.etiket->beeld().TekenAlles();
    benchmark::DoNotOptimize(o.etiket->beeld().Beeld().constBits());
  }
}
BENCHMARK(BM_VolledigeHertekening200Lijnen)->Unit(benchmark::kMicrosecond);

}  // namespace
