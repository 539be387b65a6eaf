// Every label of a ZPL job, rendered by a ZPL renderer written outside this
// project, is dot for dot the label drawn the plain way for the same copy,
// at 8, 12 and 24 dots per mm; its barcodes scan in the rendering.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include "../barcodes/Scan.h"
#include "files/Catalogus.h"
#include "files/EtiketToepassen.h"
#include "files/Instellingen.h"
#include "files/LeesEtiket.h"
#include "model/Afronden.h"
#include "printing/Job.h"
#include "printing/Printermodel.h"
#include "roundtext/RondeTekst.h"
#include "support/EtiketRaster.h"
#include "support/VoorbeeldCodes.h"
#include "support/ZplRender.h"

using namespace printing;

namespace {

using Codes = std::vector<std::pair<ZXing::BarcodeFormat, std::vector<std::string>>>;

struct Geval {
  std::string naam;
  Ontwerp ontwerp;
  EtiketFormaat formaat;
  qint16 aantal = 1;
  float schuifX = 0, schuifY = 0;
  Codes codes;  // per barcode, what each label in print order reads as
};

FormatenTabel Catalogus() { return std::get<FormatenTabel>(LeesFormaten(QStringLiteral(VELLORA_SOURCE_DIR "/data/all.eft"))); }

// A case on a format of the shipped catalogue, its design still empty.
Geval OpFormaat(const char* naam, const char* formaat) {
  const FormatenTabel formaten = Catalogus();
  Geval g;
  g.naam = naam;
  const int index = formaten.ZoekFormaat(QString::fromLatin1(formaat));
  g.formaat = formaten.formaat(index);
  g.ontwerp.HuidigFormaat = qint16(index);
  return g;
}

// One ^XA..^XZ of the stream: how often it prints, and the size of its page.
struct Pagina {
  int aantal = 1;
  QSize maat;
};

std::vector<Pagina> Paginas(const QByteArray& stroom) {
  std::vector<Pagina> uit;
  static const QRegularExpression formaat(QStringLiteral("\\^XA(.*?)\\^XZ"),
                                          QRegularExpression::DotMatchesEverythingOption);
  static const QRegularExpression pw(QStringLiteral("\\^PW(\\d+)")), ll(QStringLiteral("\\^LL(\\d+)")),
      pq(QStringLiteral("\\^PQ(\\d+)"));
  const QString tekst = QString::fromLatin1(stroom);
  for (auto it = formaat.globalMatch(tekst); it.hasNext();) {
    const QString f = it.next().captured(1);
    Pagina p;
    p.maat = {pw.match(f).captured(1).toInt(), ll.match(f).captured(1).toInt()};
    if (const auto q = pq.match(f); q.hasMatch()) p.aantal = q.captured(1).toInt();
    uit.push_back(p);
  }
  return uit;
}

QImage Wit(QSize maat) {
  QImage beeld(maat, QImage::Format_Mono);
  beeld.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
  beeld.fill(0);
  return beeld;
}

// A label's place on its row, in dots, and the shift its drawing gets when
// it would begin before the printer's first dot.
struct Plek {
  int h, v;
  float dX, dY;
};

Plek PlekVan(const Geval& g, int kolom, int ppm) {
  const EtiketFormaat& f = g.formaat;
  const float x = f.LinkerOffset + g.schuifX + float(kolom) * f.HorizontaleSteek, y = f.BovenOffset + g.schuifY;
  return {RondAf(std::max(0.0f, x) * float(ppm)), RondAf(std::max(0.0f, y) * float(ppm)), std::min(x, 0.0f),
          std::min(y, 0.0f)};
}

void Bewijs(const Geval& g) {
  SCOPED_TRACE(g.naam);
  for (const auto& [model, ppm] : {std::pair{"ZPL203", 8}, {"ZPL300", 12}, {"ZPL600", 24}}) {
    SCOPED_TRACE(model);
    Instellingen inst;
    inst.Printer = ZoekPrintermodel(QString::fromLatin1(model))->Printer;
    const auto gemaakt = MaakJob({g.ontwerp, g.formaat, inst, g.schuifX, g.schuifY, g.aantal, false});
    ASSERT_TRUE(std::holds_alternative<Job>(gemaakt)) << std::get<QString>(gemaakt).toStdString();
    const Job& job = std::get<Job>(gemaakt);
    ASSERT_EQ(job.puntenPerMm, ppm);
    QBuffer uit;
    uit.open(QIODevice::WriteOnly);
    VelStand stand;
    QString waarom;
    ASSERT_EQ(DrukJob(job, stand, uit, {}, 2, &waarom), Jobuitkomst::Klaar) << waarom.toStdString();

    // Every graphic's CRC is what a printer works out, or it refuses it.
    static const QRegularExpression z64(QStringLiteral(":Z64:([A-Za-z0-9+/=]+):([0-9A-F]{4})"));
    int velden = 0;
    for (auto it = z64.globalMatch(QString::fromLatin1(uit.data())); it.hasNext(); ++velden) {
      const auto m = it.next();
      ASSERT_EQ(m.captured(2).toUInt(nullptr, 16), ZplCrc16(m.captured(1).toLatin1())) << "graphic " << velden;
    }
    EXPECT_GT(velden, 0);
    const std::vector<Pagina> paginas = Paginas(uit.data());
    ASSERT_FALSE(paginas.empty());
    const QSize maat = paginas.front().maat;
    ASSERT_FALSE(maat.isEmpty());
    const ZplRendering r = RenderZpl(uit.data(), ppm, maat);
    ASSERT_TRUE(r.error.isEmpty()) << r.error.toStdString();
    ASSERT_EQ(r.labels.size(), paginas.size());
    // Each page as often as the printer prints it.
    std::vector<const QImage*> gedrukt;
    for (size_t i = 0; i < paginas.size(); ++i) {
      ASSERT_EQ(paginas[i].maat, maat);
      for (int k = 0; k < paginas[i].aantal; ++k) gedrukt.push_back(&r.labels[i]);
    }

    // The copies in print order, each drawn on its own and laid on its row.
    std::vector<int> exemplaren;
    for (int n : ReeksVoor(IsNummering(g.ontwerp), g.ontwerp.nummering).Nummers())
      exemplaren.insert(exemplaren.end(), size_t(g.aantal), n);
    const int kolommen = g.formaat.Kolommen;
    ASSERT_EQ(gedrukt.size(), (exemplaren.size() + size_t(kolommen) - 1) / size_t(kolommen));
    EtiketRaster raster(g.ontwerp, g.formaat, ppm, g.ontwerp.nummering, [](Voorwerp& v) { return MaakRondeTekst(v); });
    std::vector<std::vector<std::string>> gescand(g.codes.size());
    for (size_t rij = 0; rij < gedrukt.size(); ++rij) {
      QImage verwacht = Wit(maat);
      std::vector<QRect> vakken;
      for (int k = 0; k < kolommen && rij * size_t(kolommen) + size_t(k) < exemplaren.size(); ++k) {
        const Plek plek = PlekVan(g, k, ppm);
        const QImage& canvas = raster.Teken(plek.dX, plek.dY, exemplaren[rij * size_t(kolommen) + size_t(k)]);
        // Exact white is paper, anything else a dot; the page ends where it ends.
        for (int y = 0; y < canvas.height() && plek.v + y < maat.height(); ++y) {
          const QRgb* in = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
          for (int x = 0; x < canvas.width() && plek.h + x < maat.width(); ++x)
            if ((in[x] & 0xFFFFFF) != 0xFFFFFF) verwacht.setPixel(plek.h + x, plek.v + y, 1);
        }
        vakken.emplace_back(QPoint(plek.h, plek.v), canvas.size());
      }
      EXPECT_EQ(DifferingDots(*gedrukt[rij], verwacht), 0) << "row " << rij;
      for (size_t c = 0; c < g.codes.size(); ++c)
        for (const QRect& vak : vakken) gescand[c].push_back(Scan(gedrukt[rij]->copy(vak), g.codes[c].first).tekst);
    }
    for (size_t c = 0; c < g.codes.size(); ++c) EXPECT_EQ(gescand[c], g.codes[c].second) << "barcode " << c + 1;
  }
}

int Tekst(Ontwerp& o, const QString& tekst, float l, float b, float br, float h) {
  const int i = o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn);
  o.voorwerp(i).tekst().Tekst = tekst;
  o.voorwerp(i).tekst().Lettertype = QStringLiteral("DejaVu Sans");
  o.voorwerp(i).tekst().Lettergrootte = 10;
  o.PlaatsVoorwerp(i, l, b, br, h);
  return i;
}

void Code(Ontwerp& o, StreepjescodeSoort soort, const char* gegevens, float l, float b, float br, float h) {
  const int i = o.NieuwVoorwerp(SoortVoorwerp::Streepjescodevoorwerp);
  o.voorwerp(i).code().Soort = soort;
  o.voorwerp(i).code().Gegevens = QString::fromLatin1(gegevens);
  o.PlaatsVoorwerp(i, l, b, br, h);
}

}  // namespace

TEST(ZplBewijs, TheExampleDesigns) {
  const FormatenTabel formaten = Catalogus();
  const QDir map(QStringLiteral(VELLORA_SOURCE_DIR "/data/examples"));
  const QStringList bestanden = map.entryList({QStringLiteral("*.VLO")}, QDir::Files, QDir::Name);
  ASSERT_GE(bestanden.size(), 5);
  for (const QString& bestand : bestanden) {
    QFile f(map.filePath(bestand));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const LeesUitkomst gelezen = LeesEtiketUit(f.readAll(), formaten);
    ASSERT_TRUE(std::holds_alternative<GelezenEtiket>(gelezen)) << bestand.toStdString();
    Geval g;
    g.naam = bestand.toStdString();
    PasEtiketToe(std::get<GelezenEtiket>(gelezen), g.ontwerp, {});
    g.formaat = formaten.formaat(g.ontwerp.HuidigFormaat);
    int tot = 2;
    for (const VoorbeeldCodes& v : AlleVoorbeeldCodes())
      if (bestand == QLatin1String(v.bestand)) {
        tot = v.tot;
        g.codes = v.codes;
      }
    g.ontwerp.nummering.NummerVan = 1;
    g.ontwerp.nummering.NummerTot = qint16(tot);
    g.ontwerp.nummering.NummerStap = 1;
    Bewijs(g);
  }
}

TEST(ZplBewijs, ANumberedJobWithCopiesOnThreeAcrossShiftedBeyondTheLeftEdge) {
  Geval g = OpFormaat("numbered", "3 x 32 x 25");
  Ontwerp& o = g.ontwerp;
  Tekst(o, QStringLiteral("Nr. [#]"), -15, -12, 30, 6);
  const int rond = o.NieuwVoorwerp(SoortVoorwerp::RondeTekst);
  o.voorwerp(rond).tekst().Tekst = QStringLiteral("RONDOM [#] RONDOM");
  o.voorwerp(rond).tekst().Lettertype = QStringLiteral("DejaVu Sans");
  o.voorwerp(rond).tekst().Lettergrootte = 7;
  o.voorwerp(rond).cirkel().Straal = 5;
  ASSERT_TRUE(MaakRondeTekst(o, rond));
  float l = 3, b = -12, br = o.voorwerp(rond).Breedte, h = o.voorwerp(rond).Hoogte;
  o.PlaatsVoorwerp(rond, l, b, br, h);
  Code(o, StreepjescodeSoort::Code128, "NR-[#]", -14, -4, 28, 12);
  o.nummering.NummerVan = 8;
  o.nummering.NummerTot = 12;
  o.nummering.NummerStap = 2;
  // Six copies of every number: a row of one number goes out twice, as a
  // quantity.
  g.aantal = 6;
  g.schuifX = -1.25f;
  g.schuifY = 0.5f;
  std::vector<std::string> codes;
  for (int n : {8, 10, 12})
    for (int k = 0; k < 6; ++k) codes.push_back("NR-" + std::to_string(n));
  g.codes = {{ZXing::BarcodeFormat::Code128, codes}};
  Bewijs(g);
}

TEST(ZplBewijs, AListJobOnASheetOfTwoRows) {
  Geval g = OpFormaat("list", "2 x 2 x 40 x 30 vel");
  Ontwerp& o = g.ontwerp;
  Tekst(o, QStringLiteral("[A]"), -18, -13, 36, 7);
  Code(o, StreepjescodeSoort::QrCode, "[B]", -18, -4, 14, 14);
  const std::vector<std::pair<QString, QString>> rijen = {
      {QStringLiteral("Kaas"), QStringLiteral("K-1")},     {QStringLiteral("Melk"), QStringLiteral("M-22")},
      {QStringLiteral("Brood"), QStringLiteral("B-333")},  {QStringLiteral("Eieren"), QStringLiteral("E-4444")},
      {QStringLiteral("Appels"), QStringLiteral("A-55555")}};
  std::vector<std::string> codes;
  for (const auto& [a, b] : rijen) {
    o.nummering.NummerLijst.VoegRijToe({a, b, QString(), QString(), QString()});
    codes.push_back(b.toStdString());
  }
  g.codes = {{ZXing::BarcodeFormat::QRCode, codes}};
  Bewijs(g);
}
