// Printing speed and memory: a 100 x 50 mm label at 12 dots per mm with
// four text lines (one numbered), one figure and one numbered round text,
// printed as a numbered series to an output that discards the bytes.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QIODevice>
#include <fstream>
#include <string>

#include "model/Ontwerp.h"
#include "printing/Afdrukjob.h"
#include "printing/Raster.h"
#include "roundtext/RondeTekst.h"

namespace {

class Afvoer : public QIODevice {
 public:
  Afvoer() { open(QIODevice::WriteOnly); }
  qint64 geschreven = 0;

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char*, qint64 n) override { return geschreven += n, n; }
};

EtiketFormaat Formaat() {
  EtiketFormaat f;
  f.Naam = QStringLiteral("100 x 50");
  f.Breedte = 100;
  f.Hoogte = 50;
  f.HorizontaleSteek = 103;
  f.VerticaleSteek = 53;
  f.LinkerOffset = 2;
  f.BovenOffset = 1.5f;
  return f;
}

void Ontwerpen(Ontwerp& o) {
  const char* teksten[4] = {"Artikel 4711-B", "Partij [#]", "Houdbaar tot 12-2027", "Vellora BV, Ede"};
  for (int i = 0; i < 4; ++i) {
    const int n = o.NieuwVoorwerp(Tekstlijn);
    Voorwerp& v = o.voorwerp(n);
    v.tekst().Tekst = QString::fromLatin1(teksten[i]);
    v.tekst().Lettertype = QStringLiteral("DejaVu Sans");
    v.tekst().Lettergrootte = qint16(i == 1 ? 20 : 12);
    v.tekst().Uitlijning = 0;
    float l = -45, b = -22 + float(i) * 9, br = 60, h = v.tekst().Lettergrootte / 72.0f * 25.4f;
    o.PlaatsVoorwerp(n, l, b, br, h);
  }
  const int fig = o.NieuwVoorwerp(Figuur);
  auto beeld = std::make_unique<Beeld>();
  beeld->raster = QImage(300, 300, QImage::Format_Mono);
  beeld->raster.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
  for (int y = 0; y < 300; ++y)
    for (int x = 0; x < 300; ++x) beeld->raster.setPixel(x, y, (x / 20 + y / 20) % 2);
  o.voorwerp(fig).beeld().ZetAfbeelding(std::move(beeld), 300, 300);
  float l = 20, b = -20, br = 25, h = 25;
  o.PlaatsVoorwerp(fig, l, b, br, h);
  const int rond = o.NieuwVoorwerp(RondeTekst);
  Voorwerp& r = o.voorwerp(rond);
  r.tekst().Tekst = QStringLiteral("Serie [#] - kwaliteit");
  r.tekst().Lettertype = QStringLiteral("DejaVu Sans");
  r.tekst().Lettergrootte = 10;
  r.cirkel().Straal = 20;
  r.cirkel().Wijzerzin = true;
  r.tekst().Uitlijning = 2;
  MaakRondeTekst(o, rond);
}

long PiekKilobytes() {
  std::ifstream status("/proc/self/status");
  std::string regel;
  while (std::getline(status, regel))
    if (regel.rfind("VmHWM:", 0) == 0) return std::stol(regel.substr(6));
  return -1;
}

void HerstelPiek() {
  // Makes the peak start from what is in use now (Linux).
  std::ofstream("/proc/self/clear_refs") << "5";
}

void BM_Afdrukken(benchmark::State& state) {
  Ontwerp o;
  Ontwerpen(o);
  const EtiketFormaat f = Formaat();
  Nummering nummering;
  LabelRaster raster(o, f, 12, nummering, [](Voorwerp& v) { MaakRondeTekst(v); });
  Afdrukopdracht opdracht;
  opdracht.formaat = f;
  opdracht.Aantal = 1;
  opdracht.reeks = {1, int(state.range(0)), 1};
  long piek = 0;
  qint64 bytes = 0;
  for (auto _ : state) {
    HerstelPiek();
    const long voor = PiekKilobytes();
    Afvoer uit;
    VelStand stand;
    AfdrukkenSATO(opdracht, stand, [&](float x, float y, int n) { return raster.DrukEenExemplaarSATO(x, y, n); }, uit);
    piek = std::max(piek, PiekKilobytes() - voor);
    bytes = uit.geschreven;
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.counters["labels_per_s"] =
      benchmark::Counter(double(state.iterations() * state.range(0)), benchmark::Counter::kIsRate);
  state.counters["piek_extra_KiB"] = double(piek);
  state.counters["stroom_MiB"] = double(bytes) / (1024.0 * 1024.0);
}
BENCHMARK(BM_Afdrukken)->Arg(10)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
