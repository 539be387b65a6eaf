#include <gtest/gtest.h>

#include <cmath>

#include "figures/Schikken.h"
#include "model/Kenmerken.h"

using namespace figures;

namespace {

EtiketFormaat Label(float w, float h, qint16 vorm = 0) {
  EtiketFormaat f;
  f.Breedte = w;
  f.Hoogte = h;
  f.Vorm = vorm;
  return f;
}

int Lijn(Ontwerp& o, qint16 punten = 12) {
  const int i = o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn);
  o.voorwerp(i).tekst().Lettergrootte = punten;
  o.voorwerp(i).Hoogte = HoogteVoorPunten(punten);
  return i;
}

int Fig(Ontwerp& o, int w, int h) {
  const int i = o.NieuwVoorwerp(SoortVoorwerp::Figuur);
  auto b = std::make_unique<Beeld>();
  b->raster = QImage(w, h, QImage::Format_Mono);
  o.voorwerp(i).beeld().ZetAfbeelding(std::move(b), w, h);
  return i;
}

}  // namespace

TEST(AutomatischVerdelen, TwoLinesOnAFiftyByThirtyLabel) {
  Ontwerp o;
  Lijn(o);
  Lijn(o);
  AutomatischVerdelen(o, Label(50, 30), NietGezet);
  EXPECT_NEAR(o.voorwerp(1).Boven, -15 + 7.1778, 1e-3);
  EXPECT_NEAR(o.voorwerp(2).Boven, -15 + 7.1778 + 4.2333 + 7.1778, 1e-3);
  EXPECT_FLOAT_EQ(o.voorwerp(2).Links, -25);
  EXPECT_FLOAT_EQ(o.voorwerp(2).Breedte, 50);
  EXPECT_NEAR(o.voorwerp(2).Hoogte, 4.2333, 1e-3);
}

TEST(AutomatischVerdelen, OnARoundLabelLinesSpanTheChordAtTheirMiddle) {
  Ontwerp o;
  const int i = Lijn(o);
  // One line on a 40 mm round label: its middle lies on the centre line.
  AutomatischVerdelen(o, Label(40, 40, 1), NietGezet);
  EXPECT_NEAR(o.voorwerp(i).Breedte, 40, 1e-3);
  // Seven tall lines: the outer ones have their middle near the edge.
  Ontwerp veel;
  for (int k = 0; k < 7; ++k) Lijn(veel, 30);
  AutomatischVerdelen(veel, Label(40, 40, 1), NietGezet);
  for (int k = 1; k <= 7; ++k) {
    const Voorwerp& v = veel.voorwerp(k);
    const float yc = v.Boven + v.Hoogte / 2;
    const float verwacht = std::fabs(yc) <= 20 ? 2 * std::sqrt(400 - yc * yc) : 2;
    EXPECT_NEAR(v.Breedte, verwacht, 1e-3) << k;
    EXPECT_NEAR(v.Links + v.Breedte / 2, 0, 1e-3);
  }
}

TEST(PlaatsFiguur, LeftOfTheTextLinesStartPastItsGap) {
  Ontwerp o;
  Lijn(o);
  Lijn(o);
  const int f = Fig(o, 100, 100);
  ASSERT_TRUE(PlaatsFiguur(o, Label(50, 30), FiguurLinks));
  const Voorwerp& fig = o.voorwerp(f);
  // Fitted into W/3 x 0.9 H, 5 % from the left edge, centred in height.
  EXPECT_NEAR(fig.Breedte, 50.0 / 3, 1e-3);
  EXPECT_FLOAT_EQ(fig.Links, -22.5f);
  EXPECT_NEAR(fig.Boven, -fig.Hoogte / 2, 1e-4);
  for (int i = 1; i <= 2; ++i) {
    EXPECT_NEAR(o.voorwerp(i).Links, fig.Links + fig.Breedte + 2.5f, 1e-4);
    EXPECT_NEAR(o.voorwerp(i).Links + o.voorwerp(i).Breedte, 25, 1e-4);
    EXPECT_EQ(o.voorwerp(i).tekst().Uitlijning, 0);
  }
}

TEST(PlaatsFiguur, AboveCentresTheLinesBelowIt) {
  Ontwerp o;
  Lijn(o);
  const int f = Fig(o, 300, 100);
  ASSERT_TRUE(PlaatsFiguur(o, Label(50, 30), FiguurBoven));
  EXPECT_FLOAT_EQ(o.voorwerp(f).Boven, -13.5f);
  EXPECT_EQ(o.voorwerp(1).tekst().Uitlijning, 2);
  EXPECT_GT(o.voorwerp(1).Boven, o.voorwerp(f).Boven + o.voorwerp(f).Hoogte);
}

TEST(PlaatsFiguur, TwoFiguresOnlyWarnAndTheLinesIgnoreThem) {
  Ontwerp o;
  Lijn(o);
  const int a = Fig(o, 10, 10);
  Fig(o, 10, 10);
  float l = 1, b = 2, br = 3, h = 4;
  o.PlaatsVoorwerp(a, l, b, br, h);
  EXPECT_FALSE(PlaatsFiguur(o, Label(50, 30), FiguurLinks));
  EXPECT_FLOAT_EQ(o.voorwerp(a).Links, 1);
  AutomatischVerdelen(o, Label(50, 30), FiguurLinks);
  EXPECT_FLOAT_EQ(o.voorwerp(1).Links, -25);
  EXPECT_EQ(TeveelFigurenTekst(), QStringLiteral("U kunt automatische combinatie van\rtekst en figuren slechts "
                                                 "gebruiken\rals er één figuur op het ontwerp staat."));
}
