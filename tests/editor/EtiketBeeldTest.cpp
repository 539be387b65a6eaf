#include <gtest/gtest.h>

#include <QPainter>

#include "editor/EtiketBeeld.h"
#include "support/TestCatalogus.h"

using namespace editor;

namespace {

struct Opstelling {
  FormatenTabel formaten = TestCatalogus();
  Bewerking bewerking;
  Ontwerp& ontwerp = bewerking.ontwerp();
  EtiketBeeld beeld{bewerking, formaten};

  explicit Opstelling(int formaat = 1, int pw = 600, int ph = 400) {
    ontwerp.HuidigFormaat = qint16(formaat);
    beeld.BerekenSchaal(pw, ph, pw * 15.0, ph * 15.0);
  }

  int Lijn(const QString& tekst, float links, float boven, float breedte = 40) {
    const int i = bewerking.NieuwVoorwerp(SoortVoorwerp::Tekstlijn);
    Voorwerp& v = ontwerp.voorwerp(i);
    v.tekst().Tekst = tekst;
    v.tekst().Lettertype = QStringLiteral("DejaVu Sans");
    v.tekst().Lettergrootte = 12;
    float h = 12 / 72.0f * 25.4f;
    ontwerp.PlaatsVoorwerp(i, links, boven, breedte, h);
    return i;
  }
};

QRgb Kleur(const QImage& img, QPoint p) { return img.pixel(p) & 0xFFFFFF; }

}  // namespace

TEST(TekenVorm, RectangularLabelIsAGreyBoxWithABlackOutline) {
  Opstelling o(1);
  o.beeld.TekenVorm();
  EXPECT_EQ(o.beeld.Vorm(), QStringLiteral("Rechth."));
  EXPECT_EQ(o.beeld.Afmeting(), QStringLiteral("89x36"));
  const QImage& img = o.beeld.Beeld();
  const QRect label = o.bewerking.Schaal.naarPixels(QRectF(-44.5, -18, 89, 36));
  EXPECT_EQ(Kleur(img, label.center()), 0xC0C0C0u);
  EXPECT_EQ(Kleur(img, QPoint(label.left(), label.center().y())), 0u);
  EXPECT_EQ(Kleur(img, QPoint(label.left() - 2, label.center().y())), 0xFFFFFFu);
  EXPECT_EQ(Kleur(img, QPoint(2, 2)), 0xFFFFFFu);
  // The empty label is kept aside.
  EXPECT_EQ(o.beeld.Achtergrond(), img);
}

TEST(TekenVorm, RoundLabelIsAGreyDiscOfTheWidthAsDiameter) {
  Opstelling o(2);
  o.beeld.TekenVorm();
  EXPECT_EQ(o.beeld.Vorm(), QStringLiteral("Rond"));
  EXPECT_EQ(o.beeld.Afmeting(), QStringLiteral("Diam. 40"));
  const QImage& img = o.beeld.Beeld();
  const QRect vak = o.bewerking.Schaal.naarPixels(QRectF(-20, -20, 40, 40));
  EXPECT_EQ(Kleur(img, vak.center()), 0xC0C0C0u);
  EXPECT_EQ(Kleur(img, vak.topLeft() + QPoint(3, 3)), 0xFFFFFFu);  // the corner lies outside the circle
  EXPECT_EQ(Kleur(img, QPoint(vak.center().x(), vak.top() + 3)), 0xC0C0C0u);
}

TEST(TekenVorm, DecimalSizesAndUnknownShapes) {
  Opstelling hoog(3);
  hoog.beeld.TekenVorm();
  EXPECT_EQ(hoog.beeld.Afmeting(), QStringLiteral("101.6x152.4"));
  // A shape that is neither draws no outline and leaves the texts alone.
  Opstelling vreemd(1);
  vreemd.beeld.TekenVorm();
  vreemd.ontwerp.HuidigFormaat = 4;
  vreemd.beeld.BerekenSchaal(600, 400, 9000, 6000);
  vreemd.beeld.TekenVorm();
  EXPECT_EQ(vreemd.beeld.Vorm(), QStringLiteral("Rechth."));
  EXPECT_EQ(vreemd.beeld.Afmeting(), QStringLiteral("89x36"));
  QImage wit(600, 400, QImage::Format_RGB32);
  wit.fill(Qt::white);
  EXPECT_EQ(vreemd.beeld.Beeld(), wit);
}

TEST(BerekenSchaal, TallLabelFillsTheHeightAndIsCentredAcross) {
  Opstelling o(3, 600, 400);
  const SchermSchaal& s = o.bewerking.Schaal;
  EXPECT_FLOAT_EQ(s.ScaleHeight, 152.4f * 1.1f);
  const QRect label = s.naarPixels(QRectF(-50.8, -76.2, 101.6, 152.4));
  EXPECT_NEAR(label.height(), 400 / 1.1, 1);
  EXPECT_NEAR(label.left(), 600 - label.right() - 1, 1);
  EXPECT_EQ(o.beeld.Achtergrond().size(), QSize(600, 400));
}

TEST(BerekenSchaal, FramesFollowTheBoxesOnePixelOutside) {
  Opstelling o;
  const int i = o.Lijn(QStringLiteral("a"), -10, -5);
  o.beeld.BerekenSchaal(300, 200, 4500, 3000);
  const SchermSchaal& s = o.bewerking.Schaal;
  EXPECT_FLOAT_EQ(o.bewerking.Kader(i).Links, -10 - s.MmPerPixelX);
  EXPECT_FLOAT_EQ(o.bewerking.Kader(i).Breedte, 40 + 2 * s.MmPerPixelX);
}

TEST(Verschil, CoversTheOldAndNewPlaceOfWhatChangedAndNothingElse) {
  Opstelling o;
  const int a = o.Lijn(QStringLiteral("a"), -40, -10, 20);
  const int b = o.Lijn(QStringLiteral("b"), 10, 5, 20);
  const Ontwerp voor = o.ontwerp;
  EXPECT_TRUE(o.beeld.Verschil(voor).isEmpty());
  float l = -40, t = 8, br = 20, h = 4;
  o.ontwerp.PlaatsVoorwerp(a, l, t, br, h);
  const QRegion vuil = o.beeld.Verschil(voor);
  EXPECT_TRUE(vuil.contains(o.beeld.PixelRechthoek(voor.voorwerp(a))));
  EXPECT_TRUE(vuil.contains(o.beeld.PixelRechthoek(o.ontwerp.voorwerp(a))));
  EXPECT_FALSE(vuil.intersects(o.beeld.PixelRechthoek(o.ontwerp.voorwerp(b))));
  // A deleted element leaves its place to repaint.
  const Ontwerp metB = o.ontwerp;
  o.ontwerp.VerwijderVoorwerp(b);
  EXPECT_EQ(o.beeld.Verschil(metB), QRegion(o.beeld.PixelRechthoek(metB.voorwerp(b))));
}

TEST(Herteken, WithNothingChangedChangesNothing) {
  Opstelling o;
  o.Lijn(QStringLiteral("Hallo"), -30, -5);
  o.beeld.TekenAlles();
  const QImage voor = o.beeld.Beeld();
  EXPECT_TRUE(o.beeld.Herteken(o.beeld.Verschil(o.ontwerp)).isEmpty());
  EXPECT_EQ(o.beeld.Beeld(), voor);
}

TEST(Herteken, IncrementalRepaintEqualsAFullRepaint) {
  Opstelling o(3);
  for (int i = 0; i < 20; ++i) o.Lijn(QStringLiteral("Regel %1 met tekst").arg(i), -45 + i % 3, -70 + i * 6.5f, 60);
  o.beeld.TekenAlles();
  const Ontwerp voor = o.ontwerp;
  // Change one text, move another onto its neighbours, as commands do.
  o.ontwerp.voorwerp(5).tekst().Tekst = QStringLiteral("Veranderd!");
  float l = -20, b = -40, br = 60, h = 12 / 72.0f * 25.4f;
  o.ontwerp.PlaatsVoorwerp(9, l, b, br, h);
  const QRegion veranderd = o.beeld.Herteken(o.beeld.Verschil(voor));
  EXPECT_FALSE(veranderd.isEmpty());
  EXPECT_LT(veranderd.boundingRect().height(), o.beeld.Beeld().height());

  Opstelling vol(3);
  for (int i = 1; i <= o.ontwerp.AantalVoorwerpen(); ++i) {
    const Voorwerp& v = o.ontwerp.voorwerp(i);
    vol.Lijn(v.tekst().Tekst, v.Links, v.Boven, v.Breedte);
  }
  vol.beeld.TekenAlles();
  EXPECT_EQ(o.beeld.Beeld(), vol.beeld.Beeld());
}

TEST(VerbergAlles, NestsWithToonAlles) {
  Opstelling o;
  const int a = o.Lijn(QStringLiteral("a"), -40, -10);
  const int b = o.Lijn(QStringLiteral("b"), -40, 0);
  o.bewerking.ZetGeselecteerd(b, true);
  o.beeld.VerbergAlles();
  o.beeld.VerbergAlles();
  EXPECT_EQ(o.bewerking.Verborgen, -2);
  EXPECT_TRUE(o.bewerking.Bezig());
  EXPECT_FALSE(o.bewerking.Kader(a).Zichtbaar);
  o.beeld.ToonAlles();
  EXPECT_FALSE(o.bewerking.Kader(a).Zichtbaar);
  EXPECT_TRUE(o.bewerking.Bezig());
  o.beeld.ToonAlles();
  EXPECT_EQ(o.bewerking.Verborgen, 0);
  EXPECT_FALSE(o.bewerking.Bezig());
  EXPECT_TRUE(o.bewerking.Kader(a).Zichtbaar);
  EXPECT_EQ(o.bewerking.Kader(a).Rand, 1);
  EXPECT_EQ(o.bewerking.Kader(b).Rand, 2);
}

TEST(Bovenlaag, FramesAndPrintableAreaAreDrawnOverTheImage) {
  Opstelling o(1);
  o.beeld.TekenVorm();
  const int i = o.Lijn(QStringLiteral("a"), -30, -10, 20);
  o.bewerking.ZetGeselecteerd(i, true);
  o.beeld.ToonAfdrukbaarGebied(true, 0, 0);
  const AfdrukbaarGebied& g = o.beeld.AfdrukGebied();
  EXPECT_FLOAT_EQ(g.Boven, -18 + 1.5f);
  EXPECT_FLOAT_EQ(g.Onder, 18 - 2.5f);
  EXPECT_FLOAT_EQ(g.Links, -44.5f + 1);
  EXPECT_FLOAT_EQ(g.Rechts, 44.5f - 2);
  const QImage zicht = o.beeld.Samengesteld();
  const SchermSchaal& s = o.bewerking.Schaal;
  const int boven = s.naarPixels(QRectF(0, g.Boven, 0, 0)).top();
  const int links = s.naarPixels(QRectF(g.Links, 0, 0, 0)).left();
  // The lines cross the whole picture, also outside the label.
  int rood = 0;
  for (int x = 0; x < zicht.width(); ++x) rood += qRed(zicht.pixel(x, boven)) > 200 && qGreen(zicht.pixel(x, boven)) < 50;
  EXPECT_GT(rood, zicht.width() / 3);
  EXPECT_GT(qRed(zicht.pixel(links, 1)), 200);
  // The selected frame is drawn one pixel outside the element's box.
  const SelectieKader k = o.bewerking.Kader(i);
  const QRect kader = s.naarPixels(QRectF(k.Links, k.Boven, k.Breedte, k.Hoogte));
  EXPECT_NE(Kleur(zicht, QPoint(kader.left(), kader.center().y())), Kleur(o.beeld.Beeld(), QPoint(kader.left(), kader.center().y())));
  // Hidden again: the image alone.
  o.beeld.ToonAfdrukbaarGebied(false, 0, 0);
  o.beeld.VerbergAlles();
  EXPECT_EQ(o.beeld.Samengesteld(), o.beeld.Beeld());
}

TEST(Herteken, ThousandsOfScatteredChangesStillEqualAFullRepaint) {
  Opstelling o(3);
  for (int i = 0; i < 30; ++i) o.Lijn(QStringLiteral("Vast %1").arg(i), -45 + i % 4 * 20, -70 + i * 4.5f, 18);
  o.beeld.TekenAlles();
  const Ontwerp voor = o.ontwerp;
  // Small elements all over the label, as a design of thousands opens.
  for (int i = 0; i < 3000; ++i)
    o.Lijn(QStringLiteral("%1").arg(i), -50 + float((i * 37) % 97), -76 + float((i * 53) % 149), 1.5f);
  bool veranderd = false;
  const QRegion vuil = o.beeld.Verschil(voor, &veranderd);
  EXPECT_TRUE(veranderd);
  for (int i = 31; i <= o.ontwerp.AantalVoorwerpen(); i += 97)
    EXPECT_TRUE(vuil.contains(o.beeld.PixelRechthoek(o.ontwerp.voorwerp(i))));
  o.beeld.Herteken(vuil);
  EXPECT_EQ(o.beeld.Beeld(), o.beeld.Volledig());
}
