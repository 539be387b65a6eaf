// Labels per second for a job of numbered barcodes: a 100 x 50 mm label at
// 12 dots per mm with a numbered Code 128, a QR Code with "[#]" and two text
// lines, 10,000 copies, each copy's codes encoded and drawn anew.
#include <benchmark/benchmark.h>

#include <QIODevice>
#include <algorithm>
#include <thread>

#include "Afvoer.h"
#include "files/Instellingen.h"
#include "model/Ontwerp.h"
#include "printing/Job.h"

using namespace printing;

namespace {

EtiketFormaat Formaat() {
  EtiketFormaat f;
  f.Naam = QStringLiteral("100 x 50");
  f.Breedte = 100;
  f.Hoogte = 50;
  f.HorizontaleSteek = 103;
  f.VerticaleSteek = 53;
  f.VelBreedte = 104;
  f.VelHoogte = 53;
  f.LinkerOffset = 2;
  f.BovenOffset = 1.5f;
  return f;
}

void Tekst(Ontwerp& o, const QString& tekst, float boven) {
  const int i = o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn);
  o.voorwerp(i).tekst().Tekst = tekst;
  o.voorwerp(i).tekst().Lettertype = QStringLiteral("DejaVu Sans");
  o.voorwerp(i).tekst().Lettergrootte = 12;
  float l = -47, b = boven, br = 60, h = 12 / 72.0f * 25.4f;
  o.PlaatsVoorwerp(i, l, b, br, h);
}

void Code(Ontwerp& o, StreepjescodeSoort soort, const QString& gegevens, float links, float boven, float breedte,
          float hoogte) {
  const int i = o.NieuwVoorwerp(SoortVoorwerp::Streepjescodevoorwerp);
  o.voorwerp(i).code().Soort = soort;
  o.voorwerp(i).code().Gegevens = gegevens;
  o.PlaatsVoorwerp(i, links, boven, breedte, hoogte);
}

std::optional<Job> MaakDeJob(int exemplaren) {
  Ontwerp o;
  Tekst(o, QStringLiteral("Kaashandel De Waag"), -23);
  Tekst(o, QStringLiteral("Zending [#]"), -16);
  Code(o, StreepjescodeSoort::Code128, QStringLiteral("VZ2026[#]NL"), -47, 0, 62, 22);
  Code(o, StreepjescodeSoort::QrCode, QStringLiteral("https://vellora.example/zending/[#]"), 20, -22, 28, 28);
  o.nummering.NummerVan = 1;
  o.nummering.NummerTot = qint16(exemplaren);
  o.nummering.NummerStap = 1;
  Instellingen inst;
  inst.Printer = 2;  // 12 dots per mm
  auto job = MaakJob({o, Formaat(), inst, 0, 0, 1, false});
  if (Job* j = std::get_if<Job>(&job)) return std::move(*j);
  return std::nullopt;
}

// Arguments: copies, threads (0: one per core).
void BM_StreepjescodeJob(benchmark::State& state) {
  const std::optional<Job> job = MaakDeJob(int(state.range(0)));
  const std::optional<Job> opwarmen = MaakDeJob(10);
  if (!job || !opwarmen) {
    state.SkipWithError("the job could not be made");
    return;
  }
  const int werkers =
      state.range(1) > 0 ? int(state.range(1)) : int(std::max(1u, std::thread::hardware_concurrency()));
  {
    Afvoer uit;
    VelStand stand;
    DrukJob(*opwarmen, stand, uit, {}, werkers);
  }
  for (auto _ : state) {
    Afvoer uit;
    VelStand stand;
    QString waarom;
    if (DrukJob(*job, stand, uit, {}, werkers, &waarom) != Jobuitkomst::Klaar)
      state.SkipWithError(qPrintable(waarom));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.counters["labels_per_s"] =
      benchmark::Counter(double(state.iterations() * state.range(0)), benchmark::Counter::kIsRate);
  state.counters["werkers"] = werkers;
}
BENCHMARK(BM_StreepjescodeJob)
    ->ArgNames({"exemplaren", "werkers"})
    ->Args({10000, 0})
    ->Args({10000, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

}  // namespace
