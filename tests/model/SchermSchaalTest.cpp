#include <gtest/gtest.h>

#include <cmath>

#include "model/AfdrukbaarGebied.h"
#include "model/Getal.h"
#include "model/SchermSchaal.h"

using namespace model;

TEST(SchermSchaal, TallLabelInAWidePictureTakesItsScaleFromTheHeight) {
  SchermSchaal s;
  // 600 x 300 pixels, 15 twips a pixel; a 30 x 100 mm label.
  s.Bereken(30, 100, 600, 300, 9000, 4500);
  EXPECT_FLOAT_EQ(s.SchaalMmPerTwip, 100 * 1.1f / 4500);
  EXPECT_FLOAT_EQ(s.ScaleHeight, 110);
  EXPECT_FLOAT_EQ(s.ScaleWidth, 220);
  EXPECT_FLOAT_EQ(s.ScaleTop, -55);
  EXPECT_FLOAT_EQ(s.ScaleLeft, -110);
  EXPECT_FLOAT_EQ(s.MargeX, 95);
  EXPECT_FLOAT_EQ(s.MargeY, 5);
  EXPECT_FLOAT_EQ(s.MmPerPixelX, 220.0f / 600);
  // The label fills 1/1.1 of the height and sits in the middle across.
  const QRect label = s.naarPixels(QRectF(-15, -50, 30, 100));
  EXPECT_EQ(label.top(), 14);      // 5/110 * 300 = 13.6
  EXPECT_EQ(label.height(), 273);  // 100/110 * 300 = 272.7
  EXPECT_EQ(label.left() + label.left() + label.width(), 600);
}

TEST(SchermSchaal, WideLabelTakesItsScaleFromTheWidth) {
  SchermSchaal s;
  s.Bereken(100, 30, 600, 300, 9000, 4500);
  EXPECT_FLOAT_EQ(s.SchaalMmPerTwip, 100 * 1.1f / 9000);
  EXPECT_FLOAT_EQ(s.ScaleWidth, 110);
  EXPECT_FLOAT_EQ(s.MargeX, 5);
}

TEST(SchermSchaal, PictureOfNoSizeStillGivesFiniteNumbers) {
  SchermSchaal s;
  s.Bereken(50, 30, 0, 0, 0, 0);
  EXPECT_GT(s.MmPerPixelX, 0);
  EXPECT_TRUE(std::isfinite(s.MmPerPixelY));
}

TEST(MmNaarPixels, RoundsEachValueOnItsOwnHalvesToEven) {
  SchermSchaal s;
  s.ScaleLeft = -50;
  s.ScaleTop = -50;
  s.ScaleWidth = 100;
  s.ScaleHeight = 100;
  s.PixelBreedte = 100;
  s.PixelHoogte = 100;
  qint32 l, t, w, h;
  s.MmNaarPixels(-47.5f, -46.5f, 2.5f, 3.5f, l, t, w, h);
  EXPECT_EQ(l, 2);
  EXPECT_EQ(t, 4);
  EXPECT_EQ(w, 2);
  EXPECT_EQ(h, 4);
  // Corner and size round apart: 2.5 + 2.5 = 5 but 2 + 2 = 4.
  s.MmNaarPixels(-47.5f, -47.5f, 2.5f, 2.5f, l, t, w, h);
  EXPECT_EQ(l + w, 4);
}

TEST(AfdrukbaarGebied, MarginsAloneWithoutPrintOffsets) {
  EtiketFormaat f;
  f.Breedte = 50;
  f.Hoogte = 30;
  f.VerticaleSteek = 33;
  f.LinkerMarge = 1;
  f.BovenMarge = 1.5f;
  f.RechterMarge = 2;
  f.OnderMarge = 2.5f;
  const AfdrukbaarGebied g = BerekenAfdrukbaarGebied(f, 0, 0);
  EXPECT_FLOAT_EQ(g.Boven, -13.5f);
  EXPECT_FLOAT_EQ(g.Onder, 12.5f);
  EXPECT_FLOAT_EQ(g.Links, -24);
  EXPECT_FLOAT_EQ(g.Rechts, 23);
}

TEST(AfdrukbaarGebied, OffsetsBeyondTheMarginsMoveTheLines) {
  EtiketFormaat f;
  f.Breedte = 50;
  f.Hoogte = 30;
  f.VerticaleSteek = 33;
  f.BovenMarge = 1.5f;
  f.OnderMarge = 2.5f;
  f.LinkerMarge = 1;
  // P - H + mB = 5.5: a shift of 6 pushes the print 3 mm into the next label.
  EXPECT_FLOAT_EQ(BerekenAfdrukbaarGebied(f, 0, 6).Onder, 12);
  EXPECT_FLOAT_EQ(BerekenAfdrukbaarGebied(f, 0, 5).Onder, 12.5f);
  EXPECT_FLOAT_EQ(BerekenAfdrukbaarGebied(f, 0, -4).Boven, -11);
  EXPECT_FLOAT_EQ(BerekenAfdrukbaarGebied(f, -3, 0).Links, -22);
  // The right line never moves.
  EXPECT_FLOAT_EQ(BerekenAfdrukbaarGebied(f, 7, 0).Rechts, 25);
}

TEST(LeesGetal, TakesTheLeadingNumber) {
  bool gevonden = false;
  EXPECT_DOUBLE_EQ(LeesGetal(QStringLiteral("12abc"), &gevonden), 12);
  EXPECT_TRUE(gevonden);
  EXPECT_DOUBLE_EQ(LeesGetal(QStringLiteral("abc"), &gevonden), 0);
  EXPECT_FALSE(gevonden);
  EXPECT_DOUBLE_EQ(LeesGetal(QStringLiteral(" 1.5")), 1.5);
  EXPECT_DOUBLE_EQ(LeesGetal(QStringLiteral(" 3")), 3);
  EXPECT_DOUBLE_EQ(LeesGetal(QStringLiteral("-2.25mm")), -2.25);
  EXPECT_DOUBLE_EQ(LeesGetal(QStringLiteral(".5")), 0.5);
  EXPECT_DOUBLE_EQ(LeesGetal(QStringLiteral("1e3")), 1000);
  EXPECT_DOUBLE_EQ(LeesGetal(QStringLiteral("2e")), 2);
  EXPECT_DOUBLE_EQ(LeesGetal(QStringLiteral("1,5")), 1);  // a comma is no decimal separator
  EXPECT_DOUBLE_EQ(LeesGetal(QString()), 0);
}
