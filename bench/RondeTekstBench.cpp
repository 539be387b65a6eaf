// Rendering one round text of 40 characters at 12 points, as adding or
// editing it does and as printing does for every copy whose running number
// changes its text.
#include <benchmark/benchmark.h>

#include "roundtext/RondeTekst.h"

using namespace roundtext;

namespace {

struct Opstelling {
  Ontwerp ontwerp;
  int index = 0;

  explicit Opstelling(bool wijzerzin) {
    index = ontwerp.NieuwVoorwerp(SoortVoorwerp::RondeTekst);
    Voorwerp& v = ontwerp.voorwerp(index);
    v.tekst().Tekst = QStringLiteral("Vellora etiketten: rond gezet, nr. 00471");  // 40 characters
    v.tekst().Lettertype = QStringLiteral("DejaVu Sans");
    v.tekst().Lettergrootte = 12;
    v.cirkel().Straal = 30;
    v.cirkel().Spatiering = 100;
    v.cirkel().Wijzerzin = wijzerzin;
    v.tekst().Uitlijning = 2;
    v.cirkel().Referentiepunt = wijzerzin ? 0 : 180;
  }
};

void BM_MaakRondeTekst(benchmark::State& state) {
  Opstelling o(state.range(0) != 0);
  int teller = 0;
  for (auto _ : state) {
    // A new number each time, as while printing a numbered series.
    Voorwerp& v = o.ontwerp.voorwerp(o.index);
    v.tekst().Tekst.replace(35, 5, QStringLiteral("%1").arg(++teller % 100000, 5, 10, QLatin1Char('0')));
    benchmark::DoNotOptimize(MaakRondeTekst(o.ontwerp, o.index));
  }
  const Voorwerp& v = o.ontwerp.voorwerp(o.index);
  state.counters["breedte"] = v.beeld().BeeldBreedte;
  state.counters["hoogte"] = v.beeld().BeeldHoogte;
}
BENCHMARK(BM_MaakRondeTekst)->Arg(1)->Arg(0)->ArgName("wijzerzin")->Unit(benchmark::kMicrosecond);

}  // namespace
