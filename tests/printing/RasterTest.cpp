#include <gtest/gtest.h>

#include <QPainter>

#include "model/Ontwerp.h"
#include "printing/Raster.h"
#include "support/EtiketRaster.h"
#include "printing/Sbpl.h"
#include "printing/Tekenen.h"
#include "roundtext/RondeTekst.h"

using namespace printing;

namespace {

EtiketFormaat Label(float w, float h) {
  EtiketFormaat f;
  f.Breedte = w;
  f.Hoogte = h;
  return f;
}

// A figure of the given box with a picture that is black everywhere.
int ZwarteFiguur(Ontwerp& o, float l, float b, float br, float h, QRgb kleur = qRgb(0, 0, 0)) {
  const int i = o.NieuwVoorwerp(SoortVoorwerp::Figuur);
  auto beeld = std::make_unique<Beeld>();
  beeld->raster = QImage(4, 4, QImage::Format_RGB32);
  beeld->raster.fill(kleur);
  o.voorwerp(i).beeld().ZetAfbeelding(std::move(beeld), 4, 4);
  o.PlaatsVoorwerp(i, l, b, br, h);
  return i;
}

struct Kop {
  QByteArray v, h, gb, maat;
  QByteArray data;
};

Kop Ontleed(const QByteArray& blok) {
  Kop k;
  k.v = blok.mid(0, 6);
  k.h = blok.mid(6, 6);
  k.gb = blok.mid(12, 3);
  k.maat = blok.mid(15, 6);
  k.data = blok.mid(21);
  return k;
}

}  // namespace

TEST(EtiketRaster, TheBlockOfAFiftyByThirtyLabelWithContentToTheBottom) {
  Ontwerp o;
  const EtiketFormaat f = Label(50, 30);
  ZwarteFiguur(o, 20, 14, 5, 1);  // reaches the label's bottom edge
  EtiketRaster r(o, f, 8, {}, {});
  const Kop k = Ontleed(r.DrukEenExemplaarSATO(3, 2, 1));
  EXPECT_EQ(k.v, "\x1bV0016");
  EXPECT_EQ(k.h, "\x1bH0024");
  EXPECT_EQ(k.gb, "\x1bGB");
  EXPECT_EQ(k.maat, "050030");
  ASSERT_EQ(k.data.size(), 12000);
  // The figure's dots: x from 360 to 399, the last 8 rows.
  EXPECT_EQ(static_cast<unsigned char>(k.data[239 * 50 + 45]), 0xFF);
  EXPECT_EQ(static_cast<unsigned char>(k.data[239 * 50 + 44]), 0x00);
}

TEST(EtiketRaster, AnEmptyLabelSendsSixtyFourRows) {
  Ontwerp o;
  EtiketRaster r(o, Label(50, 30), 8, {}, {});
  const Kop k = Ontleed(r.DrukEenExemplaarSATO(0, 0, 1));
  EXPECT_EQ(k.maat, "050008");
  EXPECT_EQ(k.data, QByteArray(50 * 64, '\0'));
  // A raster shorter than 64 rows is sent whole.
  EtiketRaster laag(o, Label(50, 5), 8, {}, {});
  EXPECT_EQ(Ontleed(laag.DrukEenExemplaarSATO(0, 0, 1)).maat, "050005");
}

TEST(EtiketRaster, WidthIsRoundedUpToWholeMillimetresAndSixteenDots) {
  Ontwerp o;
  EtiketRaster r(o, Label(50.2f, 10), 12, {}, {});
  const QImage canvas = r.Teken(0, 0, 1);
  EXPECT_EQ(canvas.width(), 612);
  EXPECT_EQ(canvas.height(), 120);
  // Empty: 64 of its 120 rows go out.
  EXPECT_EQ(Ontleed(r.DrukEenExemplaarSATO(0, 0, 1)).maat, "078008");
}

TEST(EtiketRaster, ANegativeLeftPositionCutsOffTheLabelsStart) {
  Ontwerp o;
  const EtiketFormaat f = Label(40, 10);
  ZwarteFiguur(o, -20, -5, 5, 10);  // the leftmost 5 mm
  EtiketRaster r(o, f, 8, {}, {});
  const Kop k = Ontleed(r.DrukEenExemplaarSATO(-2.5f, 1, 1));
  EXPECT_EQ(k.h, "\x1bH0000");
  EXPECT_EQ(k.v, "\x1bV0008");
  // 2.5 mm (20 dots) are gone: the figure now covers dots 0 to 19.
  EXPECT_EQ(static_cast<unsigned char>(k.data[0]), 0xFF);
  EXPECT_EQ(static_cast<unsigned char>(k.data[1]), 0xFF);
  EXPECT_EQ(static_cast<unsigned char>(k.data[2]), 0xF0);
  EXPECT_EQ(static_cast<unsigned char>(k.data[3]), 0x00);
}

TEST(EtiketRaster, OnlyExactWhiteStaysBlank) {
  Ontwerp o;
  ZwarteFiguur(o, -10, -5, 2, 2, qRgb(250, 250, 250));
  ZwarteFiguur(o, 0, -5, 2, 2, qRgb(255, 255, 254));
  EtiketRaster r(o, Label(30, 10), 8, {}, {});
  int bpr = 0, rijen = 0;
  const QByteArray bits = RasterBits(r.Teken(0, 0, 1), &bpr, &rijen);
  const int rij = 1 * 8;  // 5 mm above the bottom of a 10 mm label
  EXPECT_NE(bits[rij * bpr + (5 * 8) / 8], 0);   // light grey prints
  EXPECT_NE(bits[rij * bpr + (15 * 8) / 8], 0);  // almost white prints too
}

TEST(EtiketRaster, EveryDotOfEveryByteFollowsTheWhiteRule) {
  // Read eight dots at a time: each place in a byte, near whites and a
  // width that ends inside a byte must still give dot for dot the rule.
  const QRgb soorten[] = {0xFFFFFFFFu, 0x00FFFFFFu, 0xFFFFFFFEu, 0xFFFEFFFFu, 0xFF7FFFFFu, 0xFF000000u, 0x80FFFFFFu};
  for (const int breedte : {1, 8, 37, 613}) {
    QImage canvas(breedte, 11, QImage::Format_RGB32);
    unsigned zaad = 12345u + unsigned(breedte);
    for (int y = 0; y < canvas.height(); ++y)
      for (int x = 0; x < breedte; ++x) {
        zaad = zaad * 1103515245u + 12345u;
        // Mostly white, as labels are, so whole white bytes occur too.
        const unsigned k = (zaad >> 16) % 16;
        reinterpret_cast<QRgb*>(canvas.scanLine(y))[x] = k < 7 ? soorten[k] : 0xFFFFFFFFu;
      }
    int bpr = 0, rijen = 0;
    const QByteArray bits = RasterBits(canvas, &bpr, &rijen);
    ASSERT_EQ(bits.size(), qsizetype(bpr) * rijen);
    for (int y = 0; y < rijen; ++y)
      for (int x = 0; x < bpr * 8; ++x) {
        const bool zwart = x < breedte && y < canvas.height() &&
                           (reinterpret_cast<const QRgb*>(canvas.constScanLine(y))[x] & 0xFFFFFFu) != 0xFFFFFFu;
        ASSERT_EQ((uchar(bits[y * bpr + x / 8]) >> (7 - x % 8)) & 1, int(zwart)) << breedte << ": " << x << ", " << y;
      }
  }
}

TEST(EtiketRaster, ADotOnTheLastRowKeepsEveryRow) {
  QImage canvas(100, 99, QImage::Format_RGB32);
  canvas.fill(Qt::white);
  canvas.setPixel(99, 98, qRgb(0, 0, 0));
  int bpr = 0, rijen = 0;
  const QByteArray bits = RasterBits(canvas, &bpr, &rijen);
  EXPECT_EQ(bpr, 14);     // 112 dots
  EXPECT_EQ(rijen, 104);  // 99 rounded up to 8
  EXPECT_EQ(RijenTeVersturen(bits, bpr, rijen), 104);
  canvas.setPixel(99, 98, qRgb(255, 255, 255));
  canvas.setPixel(0, 70, qRgb(0, 0, 0));
  const QByteArray midden = RasterBits(canvas, &bpr, &rijen);
  EXPECT_EQ(RijenTeVersturen(midden, bpr, rijen), 72);
}

TEST(EtiketRaster, RunningNumbersChangePerCopyWhileTheDesignKeepsItsText) {
  Ontwerp o;
  const EtiketFormaat f = Label(40, 12);
  const int i = o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn);
  Voorwerp& v = o.voorwerp(i);
  v.tekst().Tekst = QStringLiteral("[#]");
  v.tekst().Lettertype = QStringLiteral("DejaVu Sans");
  v.tekst().Lettergrootte = 20;
  float l = -18, b = -5, br = 36, h = 10;
  o.PlaatsVoorwerp(i, l, b, br, h);
  EtiketRaster r(o, f, 8, {}, {});
  const QImage zeven = r.Teken(0, 0, 7), acht = r.Teken(0, 0, 8);
  EXPECT_NE(zeven, acht);
  EXPECT_EQ(o.voorwerp(i).tekst().Tekst, QStringLiteral("[#]"));
  // The same as drawing the digit itself.
  o.voorwerp(i).tekst().Tekst = QStringLiteral("7");
  EXPECT_EQ(r.Teken(0, 0, 99), zeven);
}

TEST(EtiketRaster, RoundTextsAreRenderedAgainOnlyWhenTheirTextChanges) {
  Ontwerp o;
  const EtiketFormaat f = Label(40, 40);
  const int i = o.NieuwVoorwerp(SoortVoorwerp::RondeTekst);
  o.voorwerp(i).tekst().Tekst = QStringLiteral("vast");
  int gemaakt = 0;
  // A stand-in renderer: a picture whose width follows the text.
  auto maker = [&](Voorwerp& v) {
    ++gemaakt;
    const int breedte = int(v.tekst().Tekst.size()) * 12;
    auto beeld = std::make_shared<Beeld>();
    beeld->raster = QImage(breedte, 12, QImage::Format_RGB32);
    beeld->raster.fill(Qt::black);
    v.beeld().ZetAfbeelding(std::move(beeld), breedte, 12);
    v.cirkel().MiddenX = v.tekst().Tekst.size() / 2.0f;
    v.cirkel().MiddenY = 0.5f;
    float l = v.Links, b = v.Boven, br = v.beeld().BeeldBreedte / 12.0f, h = 1;
    v.Plaats(l, b, br, h);
    return true;
  };
  maker(o.voorwerp(i));
  gemaakt = 0;
  EtiketRaster r(o, f, 12, {}, maker);
  r.Teken(0, 0, 1);
  EXPECT_EQ(gemaakt, 0);
  o.voorwerp(i).tekst().Tekst = QStringLiteral("nr [#]");
  maker(o.voorwerp(i));
  const float links = o.voorwerp(i).Links, midden = o.voorwerp(i).cirkel().MiddenX;
  gemaakt = 0;
  const Ontwerp voor = o;
  const QImage kopie = r.Teken(0, 0, 12345);
  EXPECT_EQ(gemaakt, 1);
  // Drawing never changes the design: the element is as it was, picture and all.
  EXPECT_TRUE(o.voorwerp(i).ZelfdeAls(voor.voorwerp(i)));
  EXPECT_EQ(o.voorwerp(i).tekst().Tekst, QStringLiteral("nr [#]"));
  EXPECT_FLOAT_EQ(o.voorwerp(i).Links, links);
  EXPECT_FLOAT_EQ(o.voorwerp(i).cirkel().MiddenX, midden);
  EXPECT_EQ(o.voorwerp(i).beeld().BeeldBreedte, 6 * 12);
  ASSERT_NE(o.voorwerp(i).beeld().Afbeelding, nullptr);
  EXPECT_EQ(o.voorwerp(i).beeld().Afbeelding->Raster().width(), 6 * 12);
  // The copy's picture ("nr 12345", 8 characters) is 2 mm wider and kept
  // its centre: it starts 1 mm further left.
  int zwartLinks = kopie.width();
  for (int x = 0; x < kopie.width(); ++x)
    if (kopie.pixel(x, 20 * 12 + 3) != qRgb(255, 255, 255)) {
      zwartLinks = x;
      break;
    }
  EXPECT_EQ(zwartLinks, int((20 + links + midden - 4) * 12 + 0.5f));
}

TEST(EtiketRaster, LimitsOfTheCommandLanguage) {
  EXPECT_FALSE(PrinterGrenzen(Label(340, 100), 12).has_value());  // 4080 dots
  EXPECT_TRUE(PrinterGrenzen(Label(342, 100), 12).has_value());
  EXPECT_TRUE(PrinterGrenzen(Label(100, 1000), 8).has_value());
  EXPECT_FALSE(PrinterGrenzen(Label(100, 999), 8).has_value());
}

TEST(EtiketRaster, HundredsOfRoundTextsPrintAsWhenEachIsDrawnInTurn) {
  // Their pictures are drawn ahead on other threads while the label is put
  // together: the label must be the one drawn element after element.
  Ontwerp o;
  const EtiketFormaat f = Label(60, 40);
  for (int i = 0; i < 300; ++i) {
    const int n = o.NieuwVoorwerp(SoortVoorwerp::RondeTekst);
    Voorwerp& v = o.voorwerp(n);
    v.tekst().Tekst = i == 150 ? QStringLiteral("Nummer [#]") : QStringLiteral("Rond %1").arg(i);
    v.tekst().Lettertype = QStringLiteral("DejaVu Sans");
    v.tekst().Lettergrootte = qint16(6 + i % 7);
    v.cirkel().Straal = 5 + float(i % 13);
    v.cirkel().Wijzerzin = i % 2 == 0;
    v.cirkel().Referentiepunt = float(i * 29 % 360);
    ASSERT_TRUE(MaakRondeTekst(v));
    float l = -30 + float(i * 7 % 40), b = -20 + float(i * 11 % 25), br = v.Breedte, h = v.Hoogte;
    o.PlaatsVoorwerp(n, l, b, br, h);
    if (i % 100 == 50) ZwarteFiguur(o, -10, -5, 3, 2);
  }
  Nummering nummering;
  EtiketRaster r(o, f, 12, nummering, [](Voorwerp& v) { return MaakRondeTekst(v); });
  const QImage label = r.Teken(0, 0, 7).copy();

  QImage los(label.size(), QImage::Format_RGB32);
  los.fill(Qt::white);
  {
    QPainter p(&los);
    for (int i = 1; i <= o.AantalVoorwerpen(); ++i) {
      Voorwerp v = o.voorwerp(i);
      if (v.Soort() == SoortVoorwerp::RondeTekst && v.tekst().Tekst.contains(QStringLiteral("[#]"))) {
        const float mx = v.cirkel().MiddenX, my = v.cirkel().MiddenY;
        v.tekst().Tekst = QStringLiteral("Nummer 7");
        MaakRondeTekst(v);
        v.Links += mx - v.cirkel().MiddenX;
        v.Boven += my - v.cirkel().MiddenY;
      }
      TekenVoorwerpOpDC(v, f, p, {12, 12, 0, 0});
    }
  }
  EXPECT_EQ(label, los);
}
