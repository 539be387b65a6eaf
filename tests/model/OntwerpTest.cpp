#include <gtest/gtest.h>

#include <cmath>

#include "model/MinMax.h"
#include "model/Ontwerp.h"

namespace {
// A design on a 100 x 50 mm picture of 200 x 100 pixels: 0.5 mm per pixel.
Ontwerp MaakOntwerp() {
  Ontwerp o;
  o.Schaal.Bereken(80, 40, 200, 100, 3000, 1500);
  return o;
}
}  // namespace

TEST(NieuwVoorwerp, AppendsAtThePicturesCornerAndCountsPerKind) {
  Ontwerp o = MaakOntwerp();
  EXPECT_EQ(o.NieuwVoorwerp(Tekstlijn), 1);
  EXPECT_EQ(o.NieuwVoorwerp(Figuur), 2);
  EXPECT_EQ(o.NieuwVoorwerp(RondeTekst), 3);
  EXPECT_EQ(o.NieuwVoorwerp(Tekstlijn), 4);
  EXPECT_EQ(o.AantalVoorwerpen, 4);
  EXPECT_EQ(o.AantalLijnen, 2);
  EXPECT_EQ(o.AantalFiguren, 1);
  EXPECT_EQ(o.AantalRondeTeksten, 1);
  EXPECT_TRUE(o.IsConsistent());

  const Voorwerp& v = o.voorwerp(2);
  EXPECT_EQ(v.Soort, Figuur);
  EXPECT_TRUE(v.TeHertekenen);
  // Outside the label: the picture's own top-left corner.
  EXPECT_FLOAT_EQ(v.Links, o.Schaal.ScaleLeft);
  EXPECT_FLOAT_EQ(v.Boven, o.Schaal.ScaleTop);
  EXPECT_LT(v.Links, -40.0f);
  EXPECT_FLOAT_EQ(v.Breedte, 10);
  EXPECT_FLOAT_EQ(v.Hoogte, 5);
  EXPECT_FALSE(o.Geselecteerd(2));
  EXPECT_TRUE(o.kader(2).Zichtbaar);
  EXPECT_FLOAT_EQ(o.kader(2).Breedte, 10);
  EXPECT_TRUE(v.Tekst.isEmpty());
  EXPECT_EQ(v.Afbeelding, nullptr);
}

TEST(NieuwVoorwerp, IndexesOutsideTheTableAreRefused) {
  Ontwerp o = MaakOntwerp();
  EXPECT_THROW(o.voorwerp(1), std::out_of_range);
  o.NieuwVoorwerp(Tekstlijn);
  EXPECT_NO_THROW(o.voorwerp(1));
  EXPECT_THROW(o.voorwerp(0), std::out_of_range);
  EXPECT_THROW(o.voorwerp(2), std::out_of_range);
}

TEST(NieuwVoorwerp, StopsAt32767ElementsWithoutChangingTheDesign) {
  Ontwerp o = MaakOntwerp();
  for (int i = 0; i < Ontwerp::kMaxVoorwerpen; ++i) o.NieuwVoorwerp(i % 2 ? Tekstlijn : Figuur);
  EXPECT_EQ(o.AantalVoorwerpen, 32767);
  EXPECT_THROW(o.NieuwVoorwerp(Tekstlijn), OverloopFout);
  EXPECT_EQ(o.AantalVoorwerpen, 32767);
  EXPECT_EQ(o.AantalLijnen, 16383);
  EXPECT_EQ(o.AantalFiguren, 16384);
  EXPECT_TRUE(o.IsConsistent());
}

TEST(PlaatsVoorwerp, ReplacesSizesNotAboveZeroByOneInTheCallersVariables) {
  Ontwerp o = MaakOntwerp();
  const int i = o.NieuwVoorwerp(Figuur);
  float l = -3, b = 2, br = 0, h = -4;
  o.PlaatsVoorwerp(i, l, b, br, h);
  EXPECT_FLOAT_EQ(br, 1);
  EXPECT_FLOAT_EQ(h, 1);
  EXPECT_FLOAT_EQ(o.voorwerp(i).Breedte, 1);
  EXPECT_FLOAT_EQ(o.voorwerp(i).Hoogte, 1);
  float nan = std::nanf("");
  o.PlaatsVoorwerp(i, l, b, nan, h);
  EXPECT_FLOAT_EQ(nan, 1);
}

TEST(PlaatsVoorwerp, NotesTheOldAreaMovesTheFrameAndMarks) {
  Ontwerp o = MaakOntwerp();
  const int i = o.NieuwVoorwerp(Tekstlijn);
  o.voorwerp(i).TeHertekenen = false;
  const Gebied oud = GebiedVan(o.voorwerp(i));
  // Far outside the label is accepted unchanged.
  float l = 200, b = -100, br = 20, h = 6;
  o.PlaatsVoorwerp(i, l, b, br, h);
  ASSERT_EQ(o.AantalHertekenGebieden(), 1);
  EXPECT_FLOAT_EQ(o.HertekenGebieden[0].Links, oud.Links);
  EXPECT_FLOAT_EQ(o.HertekenGebieden[0].Breedte, oud.Breedte);
  const Voorwerp& v = o.voorwerp(i);
  EXPECT_FLOAT_EQ(v.Links, 200);
  EXPECT_FLOAT_EQ(v.Boven, -100);
  EXPECT_TRUE(v.TeHertekenen);
  // The frame lies one screen pixel outside the element.
  const float px = o.Schaal.MmPerPixelX, py = o.Schaal.MmPerPixelY;
  EXPECT_FLOAT_EQ(o.kader(i).Links, 200 - px);
  EXPECT_FLOAT_EQ(o.kader(i).Boven, -100 - py);
  EXPECT_FLOAT_EQ(o.kader(i).Breedte, 20 + 2 * px);
  EXPECT_FLOAT_EQ(o.kader(i).Hoogte, 6 + 2 * py);
}

TEST(TeHertekenenVoorwerp, IndexZeroNotesNothing) {
  Ontwerp o = MaakOntwerp();
  o.TeHertekenenVoorwerp(0);
  EXPECT_EQ(o.AantalHertekenGebieden(), 0);
}

TEST(Overlappen, IsStrictOnBothAxes) {
  const Gebied a{0, 0, 10, 10};
  EXPECT_FALSE(Overlappen(a, Gebied{10, 0, 5, 5}));  // shares the right edge
  EXPECT_FALSE(Overlappen(a, Gebied{0, 10, 5, 5}));  // shares the bottom edge
  EXPECT_FALSE(Overlappen(a, Gebied{10, 10, 5, 5}));  // shares a corner
  EXPECT_TRUE(Overlappen(a, Gebied{9.99f, 9.99f, 5, 5}));
  EXPECT_TRUE(Overlappen(a, Gebied{2, 2, 1, 1}));  // inside
}

TEST(MinMax, TakeTheFirstOfEqualValues) {
  EXPECT_EQ(Minimum(7), 7);
  EXPECT_EQ(Maximum(-3, 5, 5), 5);
  EXPECT_EQ(Minimum(4, -2, 9), -2);
  // Mixed kinds compare as their common kind.
  EXPECT_DOUBLE_EQ(Minimum(1, 2.5), 1.0);
  EXPECT_DOUBLE_EQ(Maximum(1, 2.5f), 2.5);
  // 0.0 and -0.0 are equal: the first one stays.
  EXPECT_FALSE(std::signbit(Minimum(0.0, -0.0)));
  EXPECT_TRUE(std::signbit(Maximum(-0.0, 0.0)));
}
