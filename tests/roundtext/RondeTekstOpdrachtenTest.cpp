#include <gtest/gtest.h>

#include "roundtext/RondeTekstOpdrachten.h"

using namespace roundtext;

namespace {

EtiketFormaat Label(float w, float h) {
  EtiketFormaat f;
  f.Breedte = w;
  f.Hoogte = h;
  return f;
}

}  // namespace

TEST(RondeTekstOpdrachten, RoundTextGoesToTheLabelCentreWithinItsEdges) {
  Ontwerp o;
  RondeTekstGegevens g = NieuweRondeTekst(Label(100, 80), QStringLiteral("DejaVu Sans"), 12, false, false, 2);
  EXPECT_FLOAT_EQ(NieuweRondeTekst(Label(50, 30), QString(), 12, false, false, 0).Straal, 13);
  g.Straal = 20;
  const int i = VoegRondeTekstToe(o, Label(100, 80), g);
  const Voorwerp& v = o.voorwerp(i);
  EXPECT_EQ(v.Soort(), SoortVoorwerp::RondeTekst);
  EXPECT_TRUE(o.IsConsistent());
  ASSERT_TRUE(v.beeld().Afbeelding);
  EXPECT_EQ(QPointF(v.Links + v.cirkel().MiddenX, v.Boven + v.cirkel().MiddenY), QPointF(0, 0));

  auto plaats = [&](const EtiketFormaat& f, float breedte, float hoogte, float mx, float my) {
    Voorwerp& w = o.voorwerp(i);
    w.Breedte = breedte;
    w.Hoogte = hoogte;
    w.cirkel().MiddenX = mx;
    w.cirkel().MiddenY = my;
    PlaatsRondeTekst(o, i, f);
    return QPointF(w.Links, w.Boven);
  };
  EXPECT_EQ(plaats(Label(50, 30), 20, 10, 10, 12), QPointF(-10, -12));
  // Left of and above its centre it would stick out right and below: moved back.
  EXPECT_EQ(plaats(Label(50, 30), 20, 10, -15, -8), QPointF(5, 5));
  // Larger than the label: the left and top edges stay on the label's.
  EXPECT_EQ(plaats(Label(50, 30), 60, 40, 30, 20), QPointF(-25, -15));
}

TEST(RondeTekstOpdrachten, ConvertingKeepsTheCountersInStepEitherWay) {
  Ontwerp o;
  const EtiketFormaat f = Label(50, 30);
  const int i = o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn);
  const int fig = o.NieuwVoorwerp(SoortVoorwerp::Figuur);
  o.voorwerp(i).tekst().Tekst = QStringLiteral("Regel");
  o.voorwerp(i).cirkel().Wijzerzin = false;

  // Annuleren: a text line with its text, but the round-text defaults stay behind.
  ASSERT_TRUE(BeginOmzettingNaarRond(o, i, f));
  EXPECT_EQ(o.voorwerp(i).Soort(), SoortVoorwerp::RondeTekst);
  EindOmzettingNaarRond(o, i, false);
  EXPECT_EQ(o.voorwerp(i).Soort(), SoortVoorwerp::Tekstlijn);
  EXPECT_EQ(o.voorwerp(i).tekst().Tekst, QStringLiteral("Regel"));
  EXPECT_FLOAT_EQ(o.voorwerp(i).cirkel().Straal, 13);
  EXPECT_TRUE(o.voorwerp(i).cirkel().Wijzerzin);
  EXPECT_TRUE(o.IsConsistent());

  ASSERT_TRUE(BeginOmzettingNaarRond(o, i, f));
  EindOmzettingNaarRond(o, i, true);
  EXPECT_EQ(o.AantalLijnen(), 0);
  EXPECT_EQ(o.AantalRondeTeksten(), 1);
  EXPECT_TRUE(o.IsConsistent());

  EXPECT_TRUE(ZetOmNaarRecht(o, i));
  EXPECT_EQ(o.AantalLijnen(), 1);
  EXPECT_TRUE(o.IsConsistent());
  // Neither direction touches another kind.
  EXPECT_FALSE(ZetOmNaarRecht(o, i));
  EXPECT_FALSE(ZetOmNaarRecht(o, fig));
  EXPECT_FALSE(BeginOmzettingNaarRond(o, fig, f));
  EXPECT_TRUE(o.IsConsistent());
}
