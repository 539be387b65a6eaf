// Screen repaint of a 100 x 150 mm label holding 50 text lines: the full
// repaint against the incremental one after one line's text changed.
#include <benchmark/benchmark.h>

#include "editor/EtiketBeeld.h"

using namespace editor;

namespace {

struct Opstelling {
  FormatenTabel formaten{std::vector<EtiketFormaat>{[] {
    EtiketFormaat f;
    f.Naam = QStringLiteral("100 x 150");
    f.Breedte = 100;
    f.Hoogte = 150;
    f.HorizontaleSteek = 103;
    f.VerticaleSteek = 153;
    return f;
  }()}};
  Bewerking bewerking;
  Ontwerp& ontwerp = bewerking.ontwerp();
  EtiketBeeld beeld{bewerking, formaten};

  Opstelling() {
    // The label picture of the main window at its starting size.
    beeld.BerekenSchaal(598, 418, 600 * 15.0, 420 * 15.0);
    for (int i = 0; i < 50; ++i) {
      const int n = ontwerp.NieuwVoorwerp(SoortVoorwerp::Tekstlijn);
      Voorwerp& v = ontwerp.voorwerp(n);
      v.tekst().Tekst = QStringLiteral("Lijn %1: artikel 4711-%2").arg(i + 1).arg(i * 37);
      v.tekst().Lettertype = QStringLiteral("DejaVu Sans");
      v.tekst().Lettergrootte = 8;
      float l = -48, b = -74 + i * 2.9f, br = 96, h = 8 / 72.0f * 25.4f;
      ontwerp.PlaatsVoorwerp(n, l, b, br, h);
    }
    beeld.TekenAlles();
  }
};

void BM_VolledigeHertekening(benchmark::State& state) {
  Opstelling o;
  for (auto _ : state) {
    o.beeld.TekenAlles();
    benchmark::DoNotOptimize(o.beeld.Beeld().constBits());
  }
}
BENCHMARK(BM_VolledigeHertekening)->Unit(benchmark::kMicrosecond);

void BM_HertekenenNaTekstwijziging(benchmark::State& state) {
  Opstelling o;
  int teller = 0;
  for (auto _ : state) {
    // What typing one character in the text-line box does.
    const Ontwerp voor = o.ontwerp;
    o.ontwerp.voorwerp(25).tekst().Tekst = QStringLiteral("Lijn 25: artikel %1").arg(++teller);
    benchmark::DoNotOptimize(o.beeld.Herteken(o.beeld.Verschil(voor)));
  }
}
BENCHMARK(BM_HertekenenNaTekstwijziging)->Unit(benchmark::kMicrosecond);

}  // namespace
