// Designs at the limits a design file allows: text lines of 32767
// characters at 72 pt, round texts of 32767 characters, and 32767 elements
// of one kind (round texts, tiny figures, text lines). Each measurement runs in a fresh process of this
// program, as a user starts the editor or the command-line printer: the
// child times its own work (after the application is up) and reports its
// peak resident memory, which is the whole process's.
//
//   open:  the editor window reads the file and shows it (LeesEtiketIn,
//          then the pending paint), as Bestand > Openen does;
//   print: what vellora-print does for one label at 12 dots per mm:
//          read, build the design, draw the label and encode its block.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Kindproces.h"
#include "files/BewaarEtiket.h"
#include "files/EtiketToepassen.h"
#include "files/LeesEtiket.h"
#include "platform/SettingsStore.h"
#include "platformwidgets/MessageService.h"
#include "printing/Raster.h"
#include "roundtext/RondeTekst.h"
#include "ui/Bestandsopdrachten.h"
#include "ui/Etiket.h"

using namespace ui;

namespace {

const QString kFormaat = QStringLiteral("100 x 150");
const char* const kCatalogus = "1\n\"100 x 150\",0,100,150,103,153,1,1,106,153,3,1.5,1,1,1,1\n";

enum Soort { LangeLijnen = 0, RondeTeksten = 1, Figuren = 2, KorteLijnen = 3, LangeRondeTeksten = 4 };

// A spread of places over the label that never falls into a grid.
float Verspreid(int i, float van, float breedte, double stap) {
  return van + float(std::fmod(i * stap, 1.0)) * breedte;
}

// Lines of 32767 characters at 72 pt on the 96 mm wide label: every
// alignment and style, each line thousands of times wider than its box.
Ontwerp MetLangeLijnen(int aantal) {
  Ontwerp o;
  const QString stuk = QStringLiteral("Vellora etiket 0123456789 WMQ ijl, ");
  QString tekst;
  while (tekst.size() < 32767) tekst += stuk;
  tekst.truncate(32767);
  for (int i = 0; i < aantal; ++i) {
    Voorwerp& v = o.voorwerp(o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn));
    v.tekst().Tekst = tekst;
    v.tekst().Lettertype = QStringLiteral("DejaVu Sans");
    v.tekst().Lettergrootte = 72;
    v.tekst().Uitlijning = qint16(i % 3);
    v.tekst().Vet = i % 2 == 1;
    v.tekst().Cursief = i % 4 >= 2;
    v.tekst().Onderlijnd = i % 5 == 0;
    v.Links = -48;
    v.Boven = -74 + float(i % 12) * 11;
    v.Breedte = 96;
    v.Hoogte = 72 / 72.0f * 25.4f;
  }
  return o;
}

// Round texts as the dialog makes them, each with its own radius,
// direction and angle, so that no two pictures are alike; `tekst` gives
// the i-th its text.
template <typename Tekst>
Ontwerp MetRondeTeksten(int aantal, Tekst tekst, bool vetOmDeAndere) {
  Ontwerp o;
  for (int i = 0; i < aantal; ++i) {
    const int n = o.NieuwVoorwerp(SoortVoorwerp::RondeTekst);
    Voorwerp& v = o.voorwerp(n);
    v.tekst().Tekst = tekst(i);
    v.tekst().Lettertype = QStringLiteral("DejaVu Sans");
    v.tekst().Lettergrootte = qint16(10 + i % 5);
    v.tekst().Uitlijning = qint16(i % 3);
    if (vetOmDeAndere) v.tekst().Vet = i % 2 == 1;
    v.cirkel().Straal = 15 + float(i % 20);
    v.cirkel().Spatiering = 100;
    v.cirkel().Wijzerzin = i % 2 == 0;
    v.cirkel().Referentiepunt = float((i * 37) % 360);
    MaakRondeTekst(o, n);
    float l = Verspreid(i, -50, 70, 0.6180339887), b = Verspreid(i, -75, 120, 0.7548776662);
    float br = v.Breedte, h = v.Hoogte;
    o.PlaatsVoorwerp(n, l, b, br, h);
  }
  return o;
}

Ontwerp MetRondeTeksten(int aantal) {
  return MetRondeTeksten(aantal, [](int i) { return QStringLiteral("Typ hier uw tekst %1").arg(i + 1); }, false);
}

// Round texts of 32767 characters: each runs round its circle hundreds of
// times, so thousands of characters stand on every dot of its ring.
Ontwerp MetLangeRondeTeksten(int aantal) {
  const QString stuk = QStringLiteral("Vellora rond 0123456789 WMQ ijl, ");
  QString tekst;
  while (tekst.size() < 32767) tekst += stuk;
  tekst.truncate(32767);
  return MetRondeTeksten(aantal, [&](int) { return tekst; }, true);
}

// Tiny pictures of 6 x 6 dots in boxes of half a millimetre, scattered
// over the label: each a place of its own on the screen.
Ontwerp MetFiguren(int aantal) {
  Ontwerp o;
  for (int i = 0; i < aantal; ++i) {
    const int n = o.NieuwVoorwerp(SoortVoorwerp::Figuur);
    auto b = std::make_shared<Beeld>();
    b->raster = QImage(6, 6, QImage::Format_Mono);
    b->raster.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    b->raster.fill(0);
    for (int k = 0; k < 6; ++k) b->raster.setPixel(k, (k + i) % 6, 1);
    o.voorwerp(n).beeld().ZetAfbeelding(std::move(b), 6, 6);
    float l = Verspreid(i, -50, 99, 0.6180339887), b2 = Verspreid(i, -75, 149, 0.7548776662), br = 0.5f, h = 0.5f;
    o.PlaatsVoorwerp(n, l, b2, br, h);
  }
  return o;
}

// Short lines of 12 pt in boxes of 20 x 4 mm all over the label.
Ontwerp MetKorteLijnen(int aantal) {
  Ontwerp o;
  for (int i = 0; i < aantal; ++i) {
    Voorwerp& v = o.voorwerp(o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn));
    v.tekst().Tekst = QStringLiteral("Lijn %1").arg(i + 1);
    v.tekst().Lettertype = QStringLiteral("DejaVu Sans");
    v.tekst().Lettergrootte = 12;
    v.Links = Verspreid(i, -50, 80, 0.6180339887);
    v.Boven = Verspreid(i, -75, 145, 0.7548776662);
    v.Breedte = 20;
    v.Hoogte = 12 / 72.0f * 25.4f;
  }
  return o;
}

bool SchrijfOntwerp(Soort soort, int aantal, const QString& naam) {
  Ontwerp o;
  switch (soort) {
    case LangeLijnen: o = MetLangeLijnen(aantal); break;
    case RondeTeksten: o = MetRondeTeksten(aantal); break;
    case Figuren: o = MetFiguren(aantal); break;
    case KorteLijnen: o = MetKorteLijnen(aantal); break;
    case LangeRondeTeksten: o = MetLangeRondeTeksten(aantal); break;
  }
  return BewaarEtiket(naam, 2, o, kFormaat).Gelukt();
}

// The design file of a kind and size, written once per run.
QString OntwerpBestand(Soort soort, int aantal) {
  static QTemporaryDir map;
  static std::map<std::pair<int, int>, QString> gemaakt;
  auto& pad = gemaakt[{soort, aantal}];
  if (!pad.isEmpty()) return pad;
  const QString naam = map.filePath(QStringLiteral("extreem-%1-%2.VLO").arg(int(soort)).arg(aantal));
  if (SchrijfOntwerp(soort, aantal, naam)) pad = naam;
  return pad;
}

// ---- The child: one measured task; see Kindproces.h.

int OpenInVenster(const QString& pad) {
  QTemporaryDir map;
  const QString catalogus = map.filePath(QStringLiteral("all.eft"));
  QFile f(catalogus);
  if (!f.open(QIODevice::WriteOnly) || f.write(kCatalogus) < 0) return 1;
  f.close();
  platform::MemorySettingsStore instellingen;
  platform::QtMessageService meldingen;
  EtiketOpties opties;
  opties.instellingen = &instellingen;
  opties.meldingen = &meldingen;
  opties.catalogus = catalogus;
  opties.welkomMs = 0;
  opties.herstelMap = map.filePath(QStringLiteral("herstel"));
  auto etiket = std::make_unique<Etiket>(opties);
  if (!etiket->Form_Load()) return 1;
  // The window as large as on a common desktop screen.
  etiket->resize(1600, 1000);
  etiket->show();
  QApplication::processEvents();
  QElapsedTimer klok;
  klok.start();
  if (!etiket->bestanden().LeesEtiketIn(pad)) return 1;
  // What the event loop does next: paint the window.
  QApplication::processEvents();
  const double tijd = double(klok.nsecsElapsed()) / 1e9;
  std::printf("%.6f %ld %d\n", tijd, PiekKiB(), int(etiket->ontwerp().AantalVoorwerpen()));
  return 0;
}

int DrukEenEtiket(const QString& pad) {
  FormatenTabel formaten({[] {
    EtiketFormaat f;
    f.Naam = kFormaat;
    f.Breedte = 100;
    f.Hoogte = 150;
    f.HorizontaleSteek = 103;
    f.VerticaleSteek = 153;
    return f;
  }()});
  QElapsedTimer klok;
  klok.start();
  const LeesUitkomst gelezen = LeesEtiket(pad, formaten);
  if (!std::holds_alternative<GelezenEtiket>(gelezen)) return 1;
  Ontwerp ontwerp;
  PasEtiketToe(std::get<GelezenEtiket>(gelezen), ontwerp, [](Ontwerp& o, int i) { MaakRondeTekst(o, i); });
  Nummering nummering;
  const Etiketdruk druk(ontwerp, formaten.formaat(1), 12, nummering, [](Voorwerp& v) { return MaakRondeTekst(v); });
  Etiketdruk::Doek doek;
  const QByteArray blok = druk.DrukEenExemplaarSATO(doek, 0, 0, 1);
  const double tijd = double(klok.nsecsElapsed()) / 1e9;
  std::printf("%.6f %ld %d\n", tijd, PiekKiB(), int(blok.size()));
  return 0;
}

void Meet(benchmark::State& state, const char* taak) {
  const Soort soort = Soort(state.range(0));
  const int aantal = int(state.range(1));
  const QString pad = OntwerpBestand(soort, aantal);
  if (pad.isEmpty()) {
    state.SkipWithError("the design could not be written");
    return;
  }
  MeetInKind(state, {"--kind", taak, pad.toStdString()});
}

void BM_Openen(benchmark::State& state) { Meet(state, "open"); }
void BM_EenEtiketAfdrukken(benchmark::State& state) { Meet(state, "print"); }

void Gevallen(benchmark::internal::Benchmark* b) {
  b->ArgNames({"soort", "aantal"});
  b->Args({LangeLijnen, 1});
  b->Args({LangeLijnen, 10});
  b->Args({LangeLijnen, 300});
  b->Args({RondeTeksten, 32767});
  b->Args({Figuren, 32767});
  b->Args({KorteLijnen, 32767});
  b->Args({LangeRondeTeksten, 100});
  b->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
}
BENCHMARK(BM_Openen)->Apply(Gevallen);
BENCHMARK(BM_EenEtiketAfdrukken)->Apply(Gevallen);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // For profiling by hand: --write KIND COUNT FILE writes a design, and
  // --kind open|print FILE runs one measurement on it.
  if (argc == 5 && std::strcmp(argv[1], "--write") == 0)
    return SchrijfOntwerp(Soort(std::atoi(argv[2])), std::atoi(argv[3]), QString::fromLocal8Bit(argv[4])) ? 0 : 1;
  if (argc == 4 && std::strcmp(argv[1], "--kind") == 0) {
    const QString pad = QString::fromLocal8Bit(argv[3]);
    if (std::strcmp(argv[2], "open") == 0) return OpenInVenster(pad);
    if (std::strcmp(argv[2], "print") == 0) return DrukEenEtiket(pad);
    return 2;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
