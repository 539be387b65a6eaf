// Writes a handful of valid design files, made by the writer itself, into
// the folder given: the seed corpus of the reader's fuzz target.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPicture>
#include <cstdio>

#include "files/BewaarEtiket.h"
#include "files/EtiketBestand.h"

namespace {

QImage Bitmap(int w, int h, int stap) {
  QImage m(w, h, QImage::Format_Mono);
  m.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
  m.fill(0);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if ((x + y) % stap == 0) m.setPixel(x, y, 1);
  return m;
}

void NieuweLijn(Ontwerp& o, const QString& tekst, float boven) {
  Voorwerp& v = o.voorwerp(o.NieuwVoorwerp(Tekstlijn));
  v.tekst().Tekst = tekst;
  v.tekst().Lettergrootte = 10;
  v.tekst().Lettertype = QStringLiteral("Arial");
  v.tekst().Vet = true;
  v.tekst().Cursief = Bool16::fromRaw(1);
  v.tekst().Uitlijning = 2;
  v.Links = -40;
  v.Boven = boven;
  v.Breedte = 80;
  v.Hoogte = 3.5f;
}

void NieuweFiguur(Ontwerp& o, const QImage& beeld, bool bijsnijden) {
  Voorwerp& v = o.voorwerp(o.NieuwVoorwerp(Figuur));
  auto b = std::make_unique<Beeld>();
  b->raster = beeld;
  v.beeld().ZetAfbeelding(std::move(b), beeld.width(), beeld.height());
  if (bijsnijden) {
    v.beeld().BronX = 1;
    v.beeld().BronY = 2;
    v.beeld().BronBreedte = beeld.width() - 1;
    v.beeld().BronHoogte = beeld.height() - 2;
  }
  v.Links = 5;
  v.Boven = -10;
  v.Breedte = 20;
  v.Hoogte = 15;
}

void NieuweRondeTekst(Ontwerp& o, const QString& tekst, bool wijzerzin) {
  Voorwerp& v = o.voorwerp(o.NieuwVoorwerp(RondeTekst));
  v.tekst().Tekst = tekst;
  v.tekst().Lettergrootte = 9;
  v.tekst().Lettertype = QStringLiteral("Arial");
  v.tekst().Uitlijning = 1;
  v.cirkel().Straal = 17.5f;
  v.cirkel().Wijzerzin = wijzerzin;
  v.cirkel().Referentiepunt = 270;
  v.Links = -18;
  v.Boven = -18;
  v.Breedte = 36;
  v.Hoogte = 36;
}

void NieuweCode(Ontwerp& o, StreepjescodeSoort soort, const QString& gegevens, qint16 module) {
  Voorwerp& v = o.voorwerp(o.NieuwVoorwerp(Streepjescodevoorwerp));
  v.code().Soort = soort;
  v.code().Gegevens = gegevens;
  v.code().Modulebreedte = module;
  v.code().TekstTonen = module == 0;
  v.Links = -20;
  v.Boven = 0;
  v.Breedte = 40;
  v.Hoogte = 15;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuzz_zaden FOLDER\n");
    return 2;
  }
  const QDir map(QString::fromLocal8Bit(argv[1]));
  auto schrijf = [&](const char* naam, qint16 versie, const Ontwerp& o, const QString& formaat) {
    QFile f(map.filePath(QString::fromLatin1(naam)));
    if (!f.open(QIODevice::WriteOnly) || f.write(EtiketBytes(versie, o, formaat)) < 0) std::exit(1);
  };

  const Ontwerp leeg;
  schrijf("leeg-v1.VLO", 1, leeg, QStringLiteral("89 x 36"));
  schrijf("leeg-v2.VLO", 2, leeg, QStringLiteral("Rond 40"));

  Ontwerp tekst;
  NieuweLijn(tekst, QStringLiteral("Kaas € 12,50"), -10);
  NieuweLijn(tekst, QString(), 0);
  NieuweLijn(tekst, QStringLiteral("Ærø – café"), 10);
  schrijf("tekst-v1.VLO", 1, tekst, QStringLiteral("89 x 36"));

  Ontwerp alles;
  NieuweFiguur(alles, Bitmap(13, 7, 3), true);
  NieuweLijn(alles, QStringLiteral("Adres"), -12);
  NieuweRondeTekst(alles, QStringLiteral("Rondom de rand"), true);
  NieuweFiguur(alles, Bitmap(40, 3, 5), false);
  NieuweRondeTekst(alles, QStringLiteral("tegen de klok"), false);
  schrijf("alles-v2.VLO", 2, alles, QStringLiteral("Rond 40"));
  schrijf("alles-v1.VLO", 1, alles, QStringLiteral("89 x 36"));

  // Pictures of the other kinds a file may hold.
  Ontwerp vector;
  {
    Voorwerp& v = vector.voorwerp(vector.NieuwVoorwerp(Figuur));
    auto b = std::make_unique<Beeld>();
    QPainter p(&b->vector);
    p.fillRect(QRect(0, 0, 30, 20), Qt::white);
    p.fillRect(QRect(5, 5, 10, 10), Qt::black);
    p.end();
    b->isVector = true;
    v.beeld().ZetAfbeelding(std::move(b), 30, 20);
  }
  schrijf("vector-v2.VLO", 2, vector, QStringLiteral("89 x 36"));

  // Version 4.0: barcodes between and after the other kinds.
  Ontwerp codes;
  NieuweLijn(codes, QStringLiteral("Artikel"), -12);
  NieuweCode(codes, StreepjescodeSoort::Ean13, QStringLiteral("590123412345"), 0);
  NieuweFiguur(codes, Bitmap(9, 9, 2), false);
  NieuweRondeTekst(codes, QStringLiteral("Rondom"), true);
  NieuweCode(codes, StreepjescodeSoort::QrCode, QStringLiteral("https://vellora.example/[#]"), 4);
  schrijf("codes-v4.VLO", kBestTypeVersie4, codes, QStringLiteral("89 x 36"));
  schrijf("leeg-v4.VLO", kBestTypeVersie4, leeg, QStringLiteral("89 x 36"));
  return 0;
}
