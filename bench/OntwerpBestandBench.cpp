// Saving and reading back a design file of 200 text lines and 20 figures
// of 1000 x 1000 pixels: to and from disk, and the encoding alone.
#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include "files/BewaarEtiket.h"
#include "files/LeesEtiket.h"

using namespace files;

namespace {

const QString kFormaat = QStringLiteral("100 x 150");

FormatenTabel Formaten() {
  EtiketFormaat f;
  f.Naam = kFormaat;
  f.Breedte = 100;
  f.Hoogte = 150;
  return FormatenTabel({f});
}

// A scanned-looking picture: rings and a diagonal, one bit per dot.
QImage Plaatje(int nummer) {
  QImage m(1000, 1000, QImage::Format_Mono);
  m.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
  m.fill(0);
  for (int y = 0; y < 1000; ++y) {
    uchar* regel = m.scanLine(y);
    for (int x = 0; x < 1000; ++x) {
      const int dx = x - 500, dy = y - 500;
      if ((dx * dx + dy * dy) / (2000 + 100 * nummer) % 3 == 0 || x == y) regel[x >> 3] |= uchar(0x80 >> (x & 7));
    }
  }
  return m;
}

Ontwerp Voorbeeld() {
  Ontwerp o;
  for (int i = 0; i < 200; ++i) {
    Voorwerp& v = o.voorwerp(o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn));
    v.tekst().Tekst = QStringLiteral("Regel %1: artikel 4711-%2, prijs € %3").arg(i + 1).arg(i * 37).arg(i * 0.25);
    v.tekst().Lettertype = QStringLiteral("DejaVu Sans");
    v.tekst().Lettergrootte = 8;
    v.tekst().Vet = i % 3 == 0;
    v.Links = -48;
    v.Boven = -74 + i * 0.7f;
    v.Breedte = 96;
    v.Hoogte = 8 / 72.0f * 25.4f;
  }
  for (int i = 0; i < 20; ++i) {
    Voorwerp& v = o.voorwerp(o.NieuwVoorwerp(SoortVoorwerp::Figuur));
    auto b = std::make_unique<Beeld>();
    b->raster = Plaatje(i);
    v.beeld().ZetAfbeelding(std::move(b), 1000, 1000);
    v.Links = -40 + (i % 4) * 20;
    v.Boven = -70 + (i / 4) * 28;
    v.Breedte = 18;
    v.Hoogte = 18;
  }
  return o;
}

void BM_BewarenOpSchijf(benchmark::State& state) {
  const Ontwerp o = Voorbeeld();
  QTemporaryDir map;
  const QString pad = map.filePath(QStringLiteral("bench.VLO"));
  for (auto _ : state) {
    const BewaarResultaat r = BewaarEtiket(pad, 2, o, kFormaat);
    if (!r.Gelukt()) state.SkipWithError("save failed");
  }
  state.counters["bytes"] = double(QFileInfo(pad).size());
}
BENCHMARK(BM_BewarenOpSchijf)->Unit(benchmark::kMillisecond);

void BM_LezenVanSchijf(benchmark::State& state) {
  const Ontwerp o = Voorbeeld();
  const FormatenTabel formaten = Formaten();
  QTemporaryDir map;
  const QString pad = map.filePath(QStringLiteral("bench.VLO"));
  if (!BewaarEtiket(pad, 2, o, kFormaat).Gelukt()) state.SkipWithError("save failed");
  for (auto _ : state) {
    const LeesUitkomst r = LeesEtiket(pad, formaten);
    if (!std::holds_alternative<GelezenEtiket>(r)) state.SkipWithError("read failed");
    benchmark::DoNotOptimize(&r);
  }
}
BENCHMARK(BM_LezenVanSchijf)->Unit(benchmark::kMillisecond);

void BM_CoderenInGeheugen(benchmark::State& state) {
  const Ontwerp o = Voorbeeld();
  for (auto _ : state) benchmark::DoNotOptimize(EtiketBytes(2, o, kFormaat));
}
BENCHMARK(BM_CoderenInGeheugen)->Unit(benchmark::kMillisecond);

void BM_DecoderenUitGeheugen(benchmark::State& state) {
  const QByteArray bytes = EtiketBytes(2, Voorbeeld(), kFormaat);
  const FormatenTabel formaten = Formaten();
  for (auto _ : state) {
    const LeesUitkomst r = LeesEtiketUit(bytes, formaten);
    benchmark::DoNotOptimize(&r);
  }
}
BENCHMARK(BM_DecoderenUitGeheugen)->Unit(benchmark::kMillisecond);

}  // namespace
