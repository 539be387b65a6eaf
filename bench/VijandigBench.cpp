// Files made to exhaust memory or time, and files at the limits the
// readers allow: each read in a fresh process, as a user opens it, with
// the reader's own time and the process's peak resident memory. A file
// beyond a limit must be refused; one at a limit must be read.
//
//   lijst:   a list for a numbered run (LeesLijstBestand);
//   etiket:  a design file (LeesEtiket);
//   plaatje: a picture or ".VLG" archive for a figure (LeesPlaatje).
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>
#include <cstring>
#include <functional>
#include <map>

#include "Kindproces.h"
#include "figures/Plaatje.h"
#include "figures/ZipHulp.h"
#include "files/BewaarEtiket.h"
#include "files/EtiketBestandHulp.h"
#include "files/LeesEtiket.h"
#include "printing/CsvLijst.h"

using namespace figures;
using namespace printing;

namespace {

// ---- The inputs, made once per run of the benchmark.

const QTemporaryDir& Map() {
  static QTemporaryDir map;
  return map;
}

bool Schrijf(const QString& pad, const std::function<bool(QFile&)>& vul) {
  QFile f(pad);
  return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && vul(f);
}

// A file that claims its size without taking the disk.
bool Leeg(QFile& f, qint64 grootte, const QByteArray& begin = {}) {
  return f.write(begin) == begin.size() && f.resize(grootte);
}

bool MiljoenRijen(QFile& f, int rijen) {
  QByteArray blok;
  for (int i = 0; i < rijen; ++i) {
    blok += QByteArray("Artikel ") + QByteArray::number(i) + ";87123450" + QByteArray::number(i % 100000) + ";" +
            QByteArray::number(i % 997) + ",95;Rood;XL\n";
    if (blok.size() > (1 << 20) || i + 1 == rijen) {
      if (f.write(blok) != blok.size()) return false;
      blok.clear();
    }
  }
  return true;
}

bool Herhaal(QFile& f, const QByteArray& stuk, qint64 totaal) {
  const QByteArray blok = stuk.repeated(int((1 << 20) / stuk.size()));
  for (qint64 n = 0; n < totaal; n += blok.size())
    if (f.write(blok.left(int(std::min<qint64>(blok.size(), totaal - n)))) < 0) return false;
  return true;
}

// A design of text lines of 32767 characters, to about `bytes` in all.
bool Tekstontwerp(QFile& f, qint64 bytes) {
  Ontwerp o;
  const QString tekst(32767, u'W');
  for (qint64 n = 0; n < bytes && o.AantalVoorwerpen() < Ontwerp::kMaxVoorwerpen; n += 32767 + 64) {
    Voorwerp& v = o.voorwerp(o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn));
    v.tekst().Tekst = tekst;
    v.tekst().Lettertype = QStringLiteral("DejaVu Sans");
    v.tekst().Lettergrootte = 12;
    v.Breedte = 50;
    v.Hoogte = 5;
  }
  const QByteArray bytesUit = EtiketBytes(2, o, QStringLiteral("89 x 36"));
  return !bytesUit.isEmpty() && f.write(bytesUit) == bytesUit.size();
}

// A one-bit bitmap of the size given, all white.
QByteArray MonoBmp(int breedte, int hoogte) {
  QImage beeld(breedte, hoogte, QImage::Format_Mono);
  beeld.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
  beeld.fill(0);
  return BmpVan(beeld);
}

// The header of a 24-bit bitmap that claims the size given, and no dots.
QByteArray BmpKop(qint32 breedte, qint32 hoogte) {
  QByteArray kop(54, '\0');
  auto zet32 = [&](int op, qint32 w) { qToLittleEndian(w, kop.data() + op); };
  kop[0] = 'B';
  kop[1] = 'M';
  zet32(2, 54);
  zet32(10, 54);
  zet32(14, 40);
  zet32(18, breedte);
  zet32(22, hoogte);
  qToLittleEndian<qint16>(1, kop.data() + 26);
  qToLittleEndian<qint16>(24, kop.data() + 28);
  return kop;
}

// An 8-bit run-length bitmap of the size given that ends at once: a few
// bytes that the decoder fills to the whole size.
QByteArray RleBmp(qint32 breedte, qint32 hoogte) {
  QByteArray bmp = BmpKop(breedte, hoogte);
  qToLittleEndian<qint16>(8, bmp.data() + 28);
  qToLittleEndian<qint32>(1, bmp.data() + 30);  // run-length, 8 bits
  qToLittleEndian<qint32>(2, bmp.data() + 46);  // two colours
  bmp += QByteArray("\xFF\xFF\xFF\0\0\0\0\0", 8);
  qToLittleEndian<qint32>(qint32(bmp.size()), bmp.data() + 10);
  bmp += QByteArray("\0\1", 2);  // end of the bitmap
  qToLittleEndian<qint32>(qint32(bmp.size()), bmp.data() + 2);
  return bmp;
}

// A design of version 1 whose figures are such bitmaps.
QByteArray RleOntwerp(int figuren, qint32 breedte, qint32 hoogte) {
  Bytes b;
  b.i32(21333).str("89 x 36").i16(0).i16(qint16(figuren));
  for (int i = 0; i < figuren; ++i) b.f32(0).f32(0).f32(10).f32(10).picture(RleBmp(breedte, hoogte));
  return b.bytes();
}

QByteArray Jpeg(int breedte, int hoogte) {
  QImage beeld(breedte, hoogte, QImage::Format_RGB32);
  for (int y = 0; y < hoogte; ++y) {
    QRgb* rij = reinterpret_cast<QRgb*>(beeld.scanLine(y));
    for (int x = 0; x < breedte; ++x) rij[x] = qRgb(x & 255, y & 255, (x ^ y) & 255);
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  beeld.save(&buffer, "JPEG", 90);
  return bytes;
}

bool Zip(const QString& pad, const std::vector<ZipDeel>& delen) { return MaakZip(pad, delen); }

struct Geval {
  const char* taak;
  const char* naam;
  std::function<bool(const QString&)> maak;
};

const std::vector<Geval>& Gevallen() {
  static const std::vector<Geval> gevallen = {
      {"lijst", "miljoen-rijen.csv",
       [](const QString& p) { return Schrijf(p, [](QFile& f) { return MiljoenRijen(f, kMaxLijstRijen); }); }},
      {"lijst", "een-rij-te-veel.csv",
       [](const QString& p) {
         return Schrijf(p, [](QFile& f) { return Herhaal(f, "x\n", 2 * (kMaxLijstRijen + 1)); });
       }},
      {"lijst", "64MB-regeleinden.csv",
       [](const QString& p) { return Schrijf(p, [](QFile& f) { return Herhaal(f, "\n", kMaxLijstBytes); }); }},
      {"lijst", "64MB-een-waarde.csv",
       [](const QString& p) {
         return Schrijf(p, [](QFile& f) { return f.write("\"") == 1 && Herhaal(f, "ab", kMaxLijstBytes - 2); });
       }},
      {"lijst", "4GB.csv",
       [](const QString& p) { return Schrijf(p, [](QFile& f) { return Leeg(f, qint64(4) << 30); }); }},
      {"etiket", "teksten-64MB.VLO",
       [](const QString& p) { return Schrijf(p, [](QFile& f) { return Tekstontwerp(f, qint64(64) << 20); }); }},
      {"etiket", "teksten-1GB.VLO",
       [](const QString& p) { return Schrijf(p, [](QFile& f) { return Tekstontwerp(f, qint64(1) << 30); }); }},
      {"etiket", "4-rle-bitmaps-op-de-grens.VLO",
       [](const QString& p) { return Schrijf(p, [](QFile& f) { return f.write(RleOntwerp(4, 8192, 4096)) > 0; }); }},
      {"etiket", "5-rle-bitmaps.VLO",
       [](const QString& p) { return Schrijf(p, [](QFile& f) { return f.write(RleOntwerp(5, 8192, 4096)) > 0; }); }},
      {"etiket", "4GB.VLO",
       [](const QString& p) {
         return Schrijf(p, [](QFile& f) { return Leeg(f, qint64(4) << 30, QByteArray("VS\0\0", 4)); });
       }},
      {"plaatje", "grens-mono.bmp",
       [](const QString& p) { return Schrijf(p, [](QFile& f) { return f.write(MonoBmp(8192, 4096)) > 0; }); }},
      {"plaatje", "grens-kleur.jpg",
       [](const QString& p) { return Schrijf(p, [](QFile& f) { return f.write(Jpeg(8192, 4096)) > 0; }); }},
      {"plaatje", "kop-40000x40000.bmp",
       [](const QString& p) { return Schrijf(p, [](QFile& f) { return f.write(BmpKop(40000, 40000)) > 0; }); }},
      {"plaatje", "bom-256MB.VLG",
       [](const QString& p) {
         return Zip(p, {{"bom-256MB.bmp", BmpKop(8192, 8192) + QByteArray(256 << 20, '\0')}});
       }},
      {"plaatje", "65535-delen.VLG",
       [](const QString& p) {
         std::vector<ZipDeel> delen;
         for (int i = 0; i < 65535; ++i) delen.push_back({"deel" + std::to_string(i) + ".txt", QByteArray("x")});
         return Zip(p, delen);
       }},
  };
  return gevallen;
}

// ---- The child: reads one file, prints "<seconds> <peak KiB> <outcome>".

int Lees(const char* taak, const QString& pad) {
  QElapsedTimer klok;
  klok.start();
  QString uitkomst;
  if (std::strcmp(taak, "lijst") == 0) {
    const auto r = LeesLijstBestand(pad);
    // The rows, and the memory the list itself holds.
    uitkomst = std::holds_alternative<CsvRijen>(r) ? QStringLiteral("%1-rijen-%2-MiB")
                                                         .arg(std::get<CsvRijen>(r).size())
                                                         .arg(double(std::get<CsvRijen>(r).Geheugen()) / (1 << 20), 0,
                                                              'f', 1)
                                                   : QStringLiteral("geweigerd");
  } else if (std::strcmp(taak, "etiket") == 0) {
    const LeesUitkomst r = LeesEtiket(pad, FormatenTabel({EtiketFormaat{QStringLiteral("89 x 36")}}));
    uitkomst = std::holds_alternative<GelezenEtiket>(r) ? QStringLiteral("%1-lijnen-%2-figuren")
                                                              .arg(std::get<GelezenEtiket>(r).Lijnen.size())
                                                              .arg(std::get<GelezenEtiket>(r).Figuren.size())
                                                        : QStringLiteral("geweigerd");
  } else {
    const GeladenPlaatje r = LeesPlaatje(pad);
    uitkomst =
        r.gelukt() ? QStringLiteral("%1x%2").arg(r.beeld.width()).arg(r.beeld.height()) : QStringLiteral("geweigerd");
  }
  const double tijd = double(klok.nsecsElapsed()) / 1e9;
  std::printf("%.6f %ld %s\n", tijd, PiekKiB(), qPrintable(uitkomst));
  return 0;
}

// ---- The parent.

void BM_Lees(benchmark::State& state) {
  const Geval& g = Gevallen().at(size_t(state.range(0)));
  static std::map<const Geval*, QString> gemaakt;
  QString& pad = gemaakt[&g];
  if (pad.isEmpty()) {
    const QString naam = Map().filePath(QString::fromLatin1(g.naam));
    if (!g.maak(naam)) {
      state.SkipWithError("the input could not be made");
      return;
    }
    pad = naam;
  }
  const Meting m = MeetInKind(state, {"--lees", g.taak, pad.toStdString()});
  if (!m.gelukt) return;
  // The child's last word: what it read, or that it refused.
  const std::string uitkomst = m.uit.substr(m.uit.find_last_of(' ') + 1);
  state.SetLabel(std::string(g.taak) + " " + g.naam + ": " + uitkomst.substr(0, uitkomst.find('\n')));
}

void AlleGevallen(benchmark::internal::Benchmark* b) {
  for (size_t i = 0; i < Gevallen().size(); ++i) b->Arg(int64_t(i));
  b->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
}
BENCHMARK(BM_Lees)->Apply(AlleGevallen);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc == 4 && std::strcmp(argv[1], "--lees") == 0) return Lees(argv[2], QString::fromLocal8Bit(argv[3]));
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
