#include <gtest/gtest.h>

#include <cmath>

#include "editor/Bewerking.h"
#include "model/MinMax.h"
#include "model/Ontwerp.h"

using namespace editor;

namespace {
Ontwerp MaakOntwerp() { return {}; }
}  // namespace

TEST(NieuwVoorwerp, AppendsAtThePicturesCornerAndCountsPerKind) {
  // A design on a 100 x 50 mm picture of 200 x 100 pixels: 0.5 mm per pixel.
  Bewerking b;
  b.Schaal.Bereken(80, 40, 200, 100, 3000, 1500);
  Ontwerp& o = b.ontwerp();
  EXPECT_EQ(b.NieuwVoorwerp(SoortVoorwerp::Tekstlijn), 1);
  EXPECT_EQ(b.NieuwVoorwerp(SoortVoorwerp::Figuur), 2);
  EXPECT_EQ(b.NieuwVoorwerp(SoortVoorwerp::RondeTekst), 3);
  EXPECT_EQ(b.NieuwVoorwerp(SoortVoorwerp::Tekstlijn), 4);
  EXPECT_EQ(o.AantalVoorwerpen(), 4);
  EXPECT_EQ(o.AantalLijnen(), 2);
  EXPECT_EQ(o.AantalFiguren(), 1);
  EXPECT_EQ(o.AantalRondeTeksten(), 1);
  EXPECT_TRUE(o.IsConsistent());

  const Voorwerp& v = o.voorwerp(2);
  EXPECT_EQ(v.Soort(), SoortVoorwerp::Figuur);
  // Outside the label: the picture's own top-left corner.
  EXPECT_FLOAT_EQ(v.Links, b.Schaal.ScaleLeft);
  EXPECT_FLOAT_EQ(v.Boven, b.Schaal.ScaleTop);
  EXPECT_LT(v.Links, -40.0f);
  EXPECT_FLOAT_EQ(v.Breedte, 10);
  EXPECT_FLOAT_EQ(v.Hoogte, 5);
  EXPECT_FALSE(b.Geselecteerd(2));
  EXPECT_TRUE(b.Kader(2).Zichtbaar);
  // Every element has an identity of its own.
  EXPECT_NE(o.voorwerp(1).Id(), o.voorwerp(2).Id());
  EXPECT_EQ(o.IndexVan(o.voorwerp(3).Id()), 3);
  // A figure has a picture part and no text: asking for one is refused.
  EXPECT_EQ(v.beeld().Afbeelding, nullptr);
  EXPECT_EQ(v.alsTekst(), nullptr);
  EXPECT_THROW(v.tekst(), std::logic_error);
  EXPECT_TRUE(o.voorwerp(1).tekst().Tekst.isEmpty());
  EXPECT_EQ(o.voorwerp(1).alsBeeld(), nullptr);
}

TEST(NieuwVoorwerp, IndexesOutsideTheTableAreRefused) {
  Ontwerp o = MaakOntwerp();
  EXPECT_THROW(o.voorwerp(1), std::out_of_range);
  o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn);
  EXPECT_NO_THROW(o.voorwerp(1));
  EXPECT_THROW(o.voorwerp(0), std::out_of_range);
  EXPECT_THROW(o.voorwerp(2), std::out_of_range);
}

TEST(NieuwVoorwerp, StopsAt32767ElementsWithoutChangingTheDesign) {
  Ontwerp o = MaakOntwerp();
  for (int i = 0; i < Ontwerp::kMaxVoorwerpen; ++i)
    o.NieuwVoorwerp(i % 2 ? SoortVoorwerp::Tekstlijn : SoortVoorwerp::Figuur);
  EXPECT_EQ(o.AantalVoorwerpen(), 32767);
  EXPECT_THROW(o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn), OverloopFout);
  EXPECT_EQ(o.AantalVoorwerpen(), 32767);
  EXPECT_EQ(o.AantalLijnen(), 16383);
  EXPECT_EQ(o.AantalFiguren(), 16384);
  EXPECT_TRUE(o.IsConsistent());
}

TEST(PlaatsVoorwerp, ReplacesSizesNotAboveZeroByOneInTheCallersVariables) {
  Ontwerp o = MaakOntwerp();
  const int i = o.NieuwVoorwerp(SoortVoorwerp::Figuur);
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

TEST(PlaatsVoorwerp, FarOutsideTheLabelIsAcceptedAndTheFrameLiesAPixelOutside) {
  Bewerking b;
  b.Schaal.Bereken(80, 40, 200, 100, 3000, 1500);
  const int i = b.NieuwVoorwerp(SoortVoorwerp::Tekstlijn);
  float l = 200, t = -100, br = 20, h = 6;
  b.ontwerp().PlaatsVoorwerp(i, l, t, br, h);
  const Voorwerp& v = b.ontwerp().voorwerp(i);
  EXPECT_FLOAT_EQ(v.Links, 200);
  EXPECT_FLOAT_EQ(v.Boven, -100);
  const float px = b.Schaal.MmPerPixelX, py = b.Schaal.MmPerPixelY;
  EXPECT_FLOAT_EQ(b.Kader(i).Links, 200 - px);
  EXPECT_FLOAT_EQ(b.Kader(i).Boven, -100 - py);
  EXPECT_FLOAT_EQ(b.Kader(i).Breedte, 20 + 2 * px);
  EXPECT_FLOAT_EQ(b.Kader(i).Hoogte, 6 + 2 * py);
}

TEST(Ontwerp, ACopyIsAValueThatSharesItsPictures) {
  Ontwerp o;
  const int i = o.NieuwVoorwerp(SoortVoorwerp::Figuur);
  auto beeld = std::make_shared<Beeld>();
  beeld->raster = QImage(1000, 1000, QImage::Format_Mono);
  o.voorwerp(i).beeld().ZetAfbeelding(beeld, 1000, 1000);
  const int lijn = o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn);
  o.voorwerp(lijn).tekst().Tekst = QStringLiteral("voor");
  const Ontwerp kopie = o;
  EXPECT_EQ(kopie.voorwerp(i).beeld().Afbeelding.get(), o.voorwerp(i).beeld().Afbeelding.get());
  EXPECT_TRUE(kopie.voorwerp(i).ZelfdeAls(o.voorwerp(i)));
  // Changing the design leaves the copy as it was, counts included.
  o.voorwerp(lijn).tekst().Tekst = QStringLiteral("na");
  o.ZetSoort(lijn, SoortVoorwerp::RondeTekst);
  o.VerwijderVoorwerp(i);
  EXPECT_EQ(kopie.voorwerp(lijn).tekst().Tekst, QStringLiteral("voor"));
  EXPECT_EQ(kopie.AantalFiguren(), 1);
  EXPECT_EQ(kopie.AantalLijnen(), 1);
  EXPECT_EQ(o.AantalRondeTeksten(), 1);
  EXPECT_EQ(o.AantalLijnen(), 0);
  EXPECT_TRUE(o.IsConsistent());
  EXPECT_TRUE(kopie.IsConsistent());
  EXPECT_FALSE(o.voorwerp(1).ZelfdeAls(kopie.voorwerp(2)));
  // A new element never takes the identity of a deleted one.
  EXPECT_NE(o.voorwerp(o.NieuwVoorwerp(SoortVoorwerp::Figuur)).Id(), kopie.voorwerp(i).Id());
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
