#include <gtest/gtest.h>

#include <QImage>

#include "figures/Figuur.h"

using namespace figures;

namespace {

bool Zwart(const QImage& bitmap, int x, int y) { return bitmap.pixelIndex(x, y) == 1; }

// The screen of the examples: the label picture spans 60 x 40 mm over
// 600 x 400 pixels, 0.1 mm per pixel, centred on the label.
SchermSchaal Scherm() {
  SchermSchaal s;
  s.PixelBreedte = 600;
  s.PixelHoogte = 400;
  s.ScaleWidth = 60;
  s.ScaleHeight = 40;
  s.ScaleLeft = -30;
  s.ScaleTop = -20;
  s.MmPerPixelX = 0.1f;
  s.MmPerPixelY = 0.1f;
  return s;
}

EtiketFormaat Label(float w, float h) {
  EtiketFormaat f;
  f.Breedte = w;
  f.Hoogte = h;
  return f;
}

QImage Wit(int w, int h) {
  QImage beeld(w, h, QImage::Format_RGB32);
  beeld.fill(Qt::white);
  return beeld;
}

}  // namespace

TEST(FiguurBitmap, OnlyTheExactBackgroundColourTurnsWhite) {
  QImage beeld(7, 1, QImage::Format_ARGB32);
  beeld.setPixel(0, 0, qRgba(255, 255, 255, 255));  // the background
  beeld.setPixel(1, 0, qRgba(254, 255, 255, 255));  // nearly white
  beeld.setPixel(2, 0, qRgba(255, 0, 0, 255));      // a colour
  beeld.setPixel(3, 0, qRgba(0, 0, 0, 0));          // transparent: shows the background
  beeld.setPixel(4, 0, qRgba(255, 255, 255, 128));  // half-transparent white over white
  beeld.setPixel(5, 0, qRgba(0, 0, 0, 128));        // half-transparent black
  beeld.setPixel(6, 0, qRgba(0, 0, 0, 2));          // barely visible, still changes the dot
  const QImage b = MaakFiguurBitmap(beeld);
  ASSERT_EQ(b.format(), QImage::Format_Mono);
  ASSERT_EQ(b.size(), QSize(7, 1));
  EXPECT_EQ(b.color(0), qRgb(255, 255, 255));
  EXPECT_EQ(b.color(1), qRgb(0, 0, 0));
  const bool verwacht[7] = {false, true, true, false, false, true, true};
  for (int x = 0; x < 7; ++x) EXPECT_EQ(Zwart(b, x, 0), verwacht[x]) << "dot " << x;
}

TEST(FiguurBitmap, FollowsTheHolderBackgroundAndEveryPixelFormat) {
  // On a grey holder the grey dots are the background and white is a colour.
  QImage beeld(2, 1, QImage::Format_RGB32);
  beeld.setPixel(0, 0, qRgb(192, 192, 192));
  beeld.setPixel(1, 0, qRgb(255, 255, 255));
  const QImage b = MaakFiguurBitmap(beeld, qRgb(192, 192, 192));
  EXPECT_FALSE(Zwart(b, 0, 0));
  EXPECT_TRUE(Zwart(b, 1, 0));

  // A palette picture is judged by its colours, whatever their index.
  QImage palet(3, 1, QImage::Format_Indexed8);
  palet.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(10, 200, 10)});
  palet.setPixel(0, 0, 1);
  palet.setPixel(1, 0, 0);
  palet.setPixel(2, 0, 2);
  const QImage p = MaakFiguurBitmap(palet);
  EXPECT_FALSE(Zwart(p, 0, 0));
  EXPECT_TRUE(Zwart(p, 1, 0));
  EXPECT_TRUE(Zwart(p, 2, 0));

  // A one-bit picture with white as colour 1 comes out the other way round.
  QImage mono(2, 1, QImage::Format_Mono);
  mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
  mono.setPixel(0, 0, 0);
  mono.setPixel(1, 0, 1);
  const QImage m = MaakFiguurBitmap(mono);
  EXPECT_TRUE(Zwart(m, 0, 0));
  EXPECT_FALSE(Zwart(m, 1, 0));

  // A wide picture in a format that is converted band by band.
  QImage rgb(300, 300, QImage::Format_RGB888);
  rgb.fill(Qt::white);
  rgb.setPixel(299, 299, qRgb(0, 0, 0));
  const QImage r = MaakFiguurBitmap(rgb);
  EXPECT_TRUE(Zwart(r, 299, 299));
  EXPECT_FALSE(Zwart(r, 298, 299));
  EXPECT_FALSE(Zwart(r, 0, 257));
}

TEST(SchaalFiguur, FitsTheBoxKeepingProportions) {
  Ontwerp o;
  const int i = o.NieuwVoorwerp(SoortVoorwerp::Figuur, -30, -20);
  o.voorwerp(i).beeld().ZetAfbeelding(std::make_shared<Beeld>(), 300, 100);
  SchaalFiguur(o, i, 20, 10);  // the width limits: 20 / 300 < 10 / 100
  EXPECT_NEAR(o.voorwerp(i).Breedte, 20.0f, 1e-4);
  EXPECT_NEAR(o.voorwerp(i).Hoogte, 6.6667f, 1e-3);
  SchaalFiguur(o, i, 90, 3);  // the height limits
  EXPECT_NEAR(o.voorwerp(i).Breedte, 9.0f, 1e-4);
  EXPECT_NEAR(o.voorwerp(i).Hoogte, 3.0f, 1e-4);
  // The position is the caller's business.
  EXPECT_FLOAT_EQ(o.voorwerp(i).Links, -30.0f);
}

TEST(FiguurToevoegen, WithTextLinesAtScreenSizeInTheTopLeftCorner) {
  Ontwerp o;
  o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn);
  const int i = FiguurToevoegen(o, Label(50, 30), Scherm(), Wit(300, 100));
  ASSERT_EQ(i, 2);
  const Voorwerp& v = o.voorwerp(i);
  // Natural 30 x 10 mm, box min(30, 20) x min(10, 13.33), s = 1/15 mm per dot.
  EXPECT_NEAR(v.Breedte, 20.0f, 1e-4);
  EXPECT_NEAR(v.Hoogte, 6.6667f, 1e-3);
  EXPECT_FLOAT_EQ(v.Links, -30.0f);
  EXPECT_FLOAT_EQ(v.Boven, -20.0f);
  EXPECT_EQ(v.Soort(), SoortVoorwerp::Figuur);
  EXPECT_EQ(v.beeld().BeeldBreedte, 300);
  EXPECT_EQ(v.beeld().BeeldHoogte, 100);
  EXPECT_EQ(QRect(v.beeld().BronX, v.beeld().BronY, v.beeld().BronBreedte, v.beeld().BronHoogte),
            QRect(0, 0, 300, 100));
  ASSERT_TRUE(v.beeld().Afbeelding);
  EXPECT_EQ(v.beeld().Afbeelding->raster.size(), QSize(300, 100));
  EXPECT_EQ(o.AantalFiguren(), 1);
  EXPECT_TRUE(o.IsConsistent());
}

TEST(FiguurToevoegen, WithoutTextLinesCentredOnNinetyPercentOfTheLabel) {
  Ontwerp o;
  // Box 45 x 27 mm, s = min(0.15, 0.27) = 0.15.
  const int i = FiguurToevoegen(o, Label(50, 30), Scherm(), Wit(300, 100));
  ASSERT_EQ(i, 1);
  EXPECT_NEAR(o.voorwerp(i).Breedte, 45.0f, 1e-4);
  EXPECT_NEAR(o.voorwerp(i).Hoogte, 15.0f, 1e-4);
  EXPECT_NEAR(o.voorwerp(i).Links, -22.5f, 1e-4);
  EXPECT_NEAR(o.voorwerp(i).Boven, -7.5f, 1e-4);

  // A small picture grows until it fills 90 % of the label one way.
  const int k = FiguurToevoegen(o, Label(50, 30), Scherm(), Wit(10, 10));
  EXPECT_NEAR(o.voorwerp(k).Breedte, 27.0f, 1e-4);
  EXPECT_NEAR(o.voorwerp(k).Hoogte, 27.0f, 1e-4);
  EXPECT_NEAR(o.voorwerp(k).Links, -13.5f, 1e-4);
  EXPECT_NEAR(o.voorwerp(k).Boven, -13.5f, 1e-4);
}

TEST(FiguurToevoegen, APictureThatCannotBecomeAFigureChangesNothing) {
  Ontwerp o;
  o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn);
  EXPECT_EQ(FiguurToevoegen(o, Label(50, 30), Scherm(), QImage()), 0);
  EXPECT_EQ(FiguurToevoegen(o, Label(50, 30), Scherm(), Wit(kMaxFiguurZijde + 1, 1)), 0);
  EXPECT_EQ(o.AantalVoorwerpen(), 1);
  EXPECT_EQ(o.AantalFiguren(), 0);
  // The bound on dots lies exactly at 32 Mi.
  EXPECT_TRUE(PastAlsFiguur(8192, 4096));
  EXPECT_FALSE(PastAlsFiguur(8193, 4096));
}
