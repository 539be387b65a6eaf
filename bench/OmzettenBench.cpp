// Figures that dither: a 100 x 50 mm picture at 12 dots per mm.
//
//   BM_Omzetten:          turning its grey picture into 1200 x 600 dots, per
//                         way, from a picture of a third, the same and twice
//                         the dots (enlarged, one a dot, shrunk);
//   BM_AfdrukkenGerasterd: a numbered job of 2000 copies with that figure
//                         plain or dithered: the figure is made once per job,
//                         so the labels per second stay.
#include <benchmark/benchmark.h>

#include <QImage>
#include <cmath>
#include <random>

#include "Afvoer.h"
#include "model/Ontwerp.h"
#include "model/ZwartWit.h"
#include "printing/Job.h"
#include "printing/Omzetten.h"

using namespace printing;

namespace {

// Something like a photo: soft shapes and a little noise.
QImage Foto(int w, int h) {
  std::mt19937 r(4711);
  QImage g(w, h, QImage::Format_Grayscale8);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const double v = 128 + 90 * std::sin(x * 6.0 / w) * std::cos(y * 5.0 / h) + int(r() % 21) - 10;
      g.scanLine(y)[x] = uchar(std::clamp(int(v), 1, 254));
    }
  return g;
}

void BM_Omzetten(benchmark::State& state) {
  const OmzetSoort soort = OmzetSoort(state.range(0));
  const int keer3 = int(state.range(1));  // the picture's size in thirds of the box's dots
  const QImage grijs = Foto(1200 * keer3 / 3, 600 * keer3 / 3);
  for (auto _ : state) benchmark::DoNotOptimize(Omzetten(grijs, grijs.rect(), {1200, 600}, {soort}));
  state.counters["punten"] = 1200 * 600;
}
BENCHMARK(BM_Omzetten)
    ->ArgNames({"soort", "derden"})
    ->ArgsProduct({{int(OmzetSoort::Drempel), int(OmzetSoort::FloydSteinberg), int(OmzetSoort::Atkinson),
                    int(OmzetSoort::Geordend)},
                   {1, 3, 6}})
    ->Unit(benchmark::kMillisecond);

void BM_AfdrukkenGerasterd(benchmark::State& state) {
  EtiketFormaat f;
  f.Naam = QStringLiteral("100 x 50");
  f.Breedte = 100;
  f.Hoogte = 50;
  f.HorizontaleSteek = 103;
  f.VerticaleSteek = 53;
  f.VelBreedte = 106;
  f.VelHoogte = 53;
  Ontwerp o;
  const int fig = o.NieuwVoorwerp(SoortVoorwerp::Figuur);
  auto beeld = std::make_shared<Beeld>();
  beeld->grijs = Foto(800, 400);
  beeld->raster = NaarZwartWit(beeld->grijs);
  o.voorwerp(fig).beeld().ZetAfbeelding(std::move(beeld), 800, 400);
  o.voorwerp(fig).alsFiguur()->omzetting = {state.range(0) ? OmzetSoort::FloydSteinberg : OmzetSoort::ZwartWit};
  float l = -50, b = -25, br = 100, h = 50;
  o.PlaatsVoorwerp(fig, l, b, br, h);
  const int n = o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn);
  o.voorwerp(n).tekst().Tekst = QStringLiteral("Partij [#]");
  o.voorwerp(n).tekst().Lettertype = QStringLiteral("DejaVu Sans");
  o.voorwerp(n).tekst().Lettergrootte = 20;
  float tl = -45, tb = -20, tbr = 60, th = 8;
  o.PlaatsVoorwerp(n, tl, tb, tbr, th);
  o.nummering.NummerVan = 1;
  o.nummering.NummerTot = 2000;
  o.nummering.NummerStap = 1;
  Instellingen inst;
  inst.Printer = 2;
  auto gemaakt = MaakJob({o, f, inst, 0, 0, 1, false});
  const Job* job = std::get_if<Job>(&gemaakt);
  if (!job) {
    state.SkipWithError("no job");
    return;
  }
  for (auto _ : state) {
    Afvoer uit;
    VelStand stand;
    if (DrukJob(*job, stand, uit) != Jobuitkomst::Klaar) state.SkipWithError("the job did not finish");
  }
  state.counters["labels_per_s"] = benchmark::Counter(double(state.iterations() * 2000), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_AfdrukkenGerasterd)->ArgName("gerasterd")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
