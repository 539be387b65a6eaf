#include <gtest/gtest.h>

#include <QPainter>
#include <cmath>

#include "model/Afronden.h"
#include "platform/Cp1252.h"
#include "roundtext/RondeTekst.h"

using namespace roundtext;

namespace {

class MaakRondeTekstTest : public ::testing::Test {
 protected:
  Ontwerp ontwerp;

  int Rond(const QString& tekst, float straal, bool wijzerzin, qint16 modus, float hoek) {
    const int i = ontwerp.NieuwVoorwerp(SoortVoorwerp::RondeTekst);
    Voorwerp& v = ontwerp.voorwerp(i);
    v.tekst().Tekst = tekst;
    v.tekst().Lettertype = QStringLiteral("DejaVu Sans");
    v.tekst().Lettergrootte = 12;
    v.cirkel().Straal = straal;
    v.cirkel().Wijzerzin = wijzerzin;
    v.tekst().Uitlijning = modus;
    v.cirkel().Referentiepunt = hoek;
    return i;
  }
};

// The black dots of a picture measured from the circle's centre.
struct Inkt {
  int zwart = 0;
  double minAfstand = 1e9, maxAfstand = 0, sx = 0, sy = 0;
  explicit Inkt(const Voorwerp& v) {
    const QImage img = v.beeld().Afbeelding->Raster();
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) {
        if (img.pixel(x, y) != qRgb(0, 0, 0)) continue;
        const double dx = x + 0.5 - v.cirkel().MiddenX * 12, dy = y + 0.5 - v.cirkel().MiddenY * 12,
                     d = std::hypot(dx, dy);
        ++zwart;
        minAfstand = std::min(minAfstand, d);
        maxAfstand = std::max(maxAfstand, d);
        sx += dx;
        sy += dy;
      }
  }
  // Angle of the ink's centre of mass, 0 at the top, counter-clockwise.
  double Hoek() const { return std::fmod(std::atan2(-sx, -sy) / M_PI * 180 + 360, 360); }
  double Diepte() const { return std::hypot(sx, sy) / zwart; }
};

}  // namespace

TEST_F(MaakRondeTekstTest, ElementGetsAOneBitPictureAndItsSizeButKeepsItsCorner) {
  const LetterMaten m = MatenVan(RondeLetter(QStringLiteral("DejaVu Sans"), 12, false, false));
  EXPECT_EQ(m.H, 51);
  EXPECT_EQ(m.IL, 7);

  const int i = Rond(QStringLiteral("Vellora"), 20, true, 2, 0);
  float links = -7, boven = -3, b = 10, h = 5;
  ontwerp.PlaatsVoorwerp(i, links, boven, b, h);
  ASSERT_TRUE(MaakRondeTekst(ontwerp, i));
  const Voorwerp& v = ontwerp.voorwerp(i);
  ASSERT_TRUE(v.beeld().Afbeelding);
  const QImage img = v.beeld().Afbeelding->Raster();
  EXPECT_EQ(img.format(), QImage::Format_Mono);
  EXPECT_EQ(img.colorTable(), (QList<QRgb>{qRgb(255, 255, 255), qRgb(0, 0, 0)}));
  EXPECT_GT(Inkt(v).zwart, 500);
  EXPECT_EQ(QRect(v.beeld().BronX, v.beeld().BronY, v.beeld().BronBreedte, v.beeld().BronHoogte),
            QRect(0, 0, v.beeld().BeeldBreedte, v.beeld().BeeldHoogte));
  EXPECT_EQ(QSize(v.beeld().BeeldBreedte, v.beeld().BeeldHoogte), img.size());
  EXPECT_FLOAT_EQ(v.Breedte, img.width() / 12.0f);
  EXPECT_FLOAT_EQ(v.Hoogte, img.height() / 12.0f);
  EXPECT_EQ(QPointF(v.Links, v.Boven), QPointF(-7, -3));
  EXPECT_FLOAT_EQ(v.cirkel().MiddenY, 20);  // over the top: the centre is R below the top edge
  EXPECT_NEAR(v.cirkel().MiddenX, v.Breedte / 2, 1.0 / 12);
}

TEST_F(MaakRondeTekstTest, LetteringLiesOnItsRingAtItsAngle) {
  // Clockwise the cells stand on r = 196 up to 12 R + IL (letters' top at R);
  // counter-clockwise they hang from 12 R = 240 in to 189.
  for (bool wijzerzin : {true, false})
    for (float hoek : {0.0f, 45.0f, 90.0f, 200.0f, 300.0f}) {
      SCOPED_TRACE(::testing::Message() << wijzerzin << " " << hoek);
      const Voorwerp& lang = ontwerp.voorwerp(Rond(QStringLiteral("Rondom VELLORA etiketten"), 20, wijzerzin, 0, hoek));
      ASSERT_TRUE(MaakRondeTekst(ontwerp, ontwerp.AantalVoorwerpen()));
      const Inkt ring(lang);
      EXPECT_LE(ring.maxAfstand, 240 + 1.5);
      EXPECT_GE(ring.minAfstand, (wijzerzin ? 196 : 189) - 1.5);

      // A single H turned the right way about its cell's corner: its ink's
      // middle, 24.7 dots below the cell's top, lies at the reference angle.
      const Voorwerp& h = ontwerp.voorwerp(Rond(QStringLiteral("H"), 20, wijzerzin, 2, hoek));
      ASSERT_TRUE(MaakRondeTekst(ontwerp, ontwerp.AantalVoorwerpen()));
      const Inkt k(h);
      const double verschil = std::fabs(std::remainder(k.Hoek() - hoek, 360.0));
      EXPECT_LT(verschil, 2.0);
      EXPECT_NEAR(k.Diepte(), wijzerzin ? 247 - 24.7 : 189 + 24.7, 2);
    }
}

TEST_F(MaakRondeTekstTest, TrailingBlanksAreRemovedInTheElement) {
  const int a = Rond(QStringLiteral("  Rond  "), 20, true, 0, 30);
  const int b = Rond(QStringLiteral("  Rond"), 20, true, 0, 30);
  ASSERT_TRUE(MaakRondeTekst(ontwerp, a));
  ASSERT_TRUE(MaakRondeTekst(ontwerp, b));
  EXPECT_EQ(ontwerp.voorwerp(a).tekst().Tekst, QStringLiteral("  Rond"));
  EXPECT_EQ(ontwerp.voorwerp(a).beeld().Afbeelding->Raster(), ontwerp.voorwerp(b).beeld().Afbeelding->Raster());
}

TEST_F(MaakRondeTekstTest, EmptyTextOrUnusableRadiusChangesNothing) {
  const int i = Rond(QStringLiteral("Eerst"), 20, true, 2, 0);
  ASSERT_TRUE(MaakRondeTekst(ontwerp, i));
  Voorwerp& v = ontwerp.voorwerp(i);
  const Beeld* eerder = v.beeld().Afbeelding.get();
  const float breedte = v.Breedte, middenX = v.cirkel().MiddenX;
  // At 3.6 mm the working circle is 43.2 + 7 - 51 < 0 dots.
  const std::pair<QString, float> gevallen[] = {{QString(), 20},          {QStringLiteral("   "), 20},
                                                {QStringLiteral("x"), 3.6f}, {QStringLiteral("x"), -20},
                                                {QStringLiteral("x"), 501},  {QStringLiteral("x"), std::nanf("")}};
  for (const auto& [tekst, straal] : gevallen) {
    SCOPED_TRACE(::testing::Message() << "'" << tekst.toStdString() << "' " << straal);
    v.tekst().Tekst = tekst;
    v.cirkel().Straal = straal;
    const Voorwerp voor = v;
    EXPECT_FALSE(MaakRondeTekst(ontwerp, i));
    EXPECT_EQ(v.tekst().Tekst, tekst);
    EXPECT_EQ(v.beeld().Afbeelding.get(), eerder);
    EXPECT_FLOAT_EQ(v.Breedte, breedte);
    EXPECT_FLOAT_EQ(v.cirkel().MiddenX, middenX);
    EXPECT_TRUE(v.ZelfdeAls(voor));
  }
  v.cirkel().Straal = 4;  // a working circle of 4 dots is still drawn
  EXPECT_TRUE(MaakRondeTekst(ontwerp, i));
}

namespace {

// The picture as it was always drawn, straight after the layout: every
// character's outline made from the font and turned onto the picture.
QImage TekenZoAlsAltijd(const Voorwerp& v) {
  const platform::CellFont font = RondeLetter(v.tekst().Lettertype, v.tekst().Lettergrootte, v.tekst().Vet,
                                              v.tekst().Cursief, v.tekst().Onderlijnd);
  const QString tekens = platform::throughCp1252(v.tekst().Tekst);
  std::vector<double> advances;
  for (double w : font.advances(tekens)) advances.push_back(RondAf(w));
  const RondeZetting z =
      ZetRondeTekst({v.cirkel().Straal, bool(v.cirkel().Wijzerzin), v.tekst().Uitlijning, v.cirkel().Referentiepunt},
                    MatenVan(font), advances);
  QImage beeld(z.Kader.Breedte, z.Kader.Hoogte, QImage::Format_Mono);
  beeld.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
  beeld.fill(0);
  beeld.setDotsPerMeterX(12000);
  beeld.setDotsPerMeterY(12000);
  QPainter p(&beeld);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  for (qsizetype i = 0; i < tekens.size(); ++i) {
    const QPainterPath omtrek = font.path(QString(tekens[i]), QPointF(0, font.ascent()));
    if (omtrek.isEmpty()) continue;
    QTransform t;
    t.translate(z.Plekken[size_t(i)].X, z.Plekken[size_t(i)].Y);
    t.rotate(-z.Plekken[size_t(i)].Escapement / 10.0);
    p.setTransform(t);
    p.drawPath(omtrek);
  }
  return beeld;
}

}  // namespace

TEST_F(MaakRondeTekstTest, ThePictureDrawnWhenNeededIsThePictureDrawnStraightAfterTheLayout) {
  struct Geval {
    const char* tekst;
    const char* lettertype;
    bool vet, cursief, onderlijnd, wijzerzin;
    qint16 modus;
    float straal, hoek;
  };
  const Geval gevallen[] = {
      {"Vellora etiketten", "DejaVu Sans", false, false, false, true, 0, 20, 0},
      {"Ågj, 2 blanco's  en meer", "DejaVu Serif", true, true, true, false, 2, 14, 135},
      {"Rondom rondom rondom rondom rondom rondom", "Liberation Sans", false, true, false, true, 1, 8, 300},
      {"  x  ", "Liberation Mono", true, false, true, false, 0, 30, 45.5f},
      // Round and round a hundred times and more: most characters fall on
      // dots that are dark already.
      {"*Vellora rond 0123456789 WMQ ijl, ", "DejaVu Sans", false, false, false, true, 2, 9, 10},
      {"*Ågj, etiket Wm.", "Liberation Sans", true, false, true, false, 0, 11, 200},
      // Every character of the code page, underlined and slanted, turned
      // by whole quarter turns and hanging over the picture's edges.
      {"#", "DejaVu Serif", false, true, true, true, 0, 30, 90},
      {"#", "Liberation Mono", true, false, false, false, 2, 7, 270},
      {"*#", "DejaVu Sans", true, true, true, true, 1, 5, 180},
  };
  for (const Geval& g : gevallen) {
    SCOPED_TRACE(g.tekst);
    QString tekst = QString::fromUtf8(g.tekst);
    if (tekst.startsWith(u'*')) tekst = tekst.mid(1).repeated(120);
    if (tekst.contains(u'#')) {
      QString alle;
      for (int c = 33; c < 256; ++c) alle += QChar(c);
      tekst.replace(u'#', alle + QStringLiteral("\u20ac\u2018\u2022\u2026\u2122"));
    }
    const int i = Rond(tekst, g.straal, g.wijzerzin, g.modus, g.hoek);
    Voorwerp& v = ontwerp.voorwerp(i);
    v.tekst().Lettertype = QString::fromLatin1(g.lettertype);
    v.tekst().Vet = g.vet;
    v.tekst().Cursief = g.cursief;
    v.tekst().Onderlijnd = g.onderlijnd;
    ASSERT_TRUE(MaakRondeTekst(ontwerp, i));
    const QImage getekend = v.beeld().Afbeelding->Raster();
    EXPECT_EQ(getekend, TekenZoAlsAltijd(v));
    EXPECT_GT(Inkt(v).zwart, 50);
  }
}
