#include <gtest/gtest.h>

#include "model/Kenmerken.h"
#include "model/Ontwerp.h"

namespace {

Ontwerp MaakOntwerp() {
  Ontwerp o;
  o.Schaal.Bereken(80, 40, 200, 100, 3000, 1500);
  return o;
}

void Plaats(Ontwerp& o, int i, float l, float b, float br, float h) { o.PlaatsVoorwerp(i, l, b, br, h); }

void Selecteer(Ontwerp& o, int i) {
  o.ZetGeselecteerd(i, true);
  ++o.AantalGeselecteerd;
}

}  // namespace

TEST(VerwijderVoorwerp, LaterElementsMoveDownWithTheirMarksAndFrames) {
  Ontwerp o = MaakOntwerp();
  for (int i = 0; i < 4; ++i) {
    const int n = o.NieuwVoorwerp(i == 1 ? Figuur : Tekstlijn);
    o.voorwerp(n).Tekst = QStringLiteral("e%1").arg(n);
    Plaats(o, n, float(n * 5), 0, 4, 3);
  }
  Selecteer(o, 4);
  o.HuidigeLijn = 4;
  o.VerwijderVoorwerp(2);
  EXPECT_EQ(o.AantalVoorwerpen, 3);
  EXPECT_EQ(o.AantalFiguren, 0);
  EXPECT_EQ(o.AantalLijnen, 3);
  EXPECT_EQ(o.voorwerp(3).Tekst, QStringLiteral("e4"));
  EXPECT_TRUE(o.Geselecteerd(3));
  EXPECT_EQ(o.AantalGeselecteerd, 1);
  EXPECT_EQ(o.HuidigeLijn, 3);  // still the same line
  // Its frame came along, thick, on its own box.
  EXPECT_FLOAT_EQ(o.kader(3).Links, 20);
  EXPECT_EQ(o.kader(3).Rand, 2);
  EXPECT_EQ(o.kader(2).Rand, 1);
  EXPECT_THROW(o.kader(4), std::out_of_range);
  EXPECT_TRUE(o.IsConsistent());
}

TEST(VerwijderVoorwerp, DeletingTheCurrentLineClearsIt) {
  Ontwerp o = MaakOntwerp();
  o.NieuwVoorwerp(Tekstlijn);
  o.NieuwVoorwerp(Tekstlijn);
  o.HuidigeLijn = 2;
  Selecteer(o, 2);
  o.VerwijderVoorwerp(2);
  EXPECT_EQ(o.HuidigeLijn, 0);
  EXPECT_EQ(o.AantalGeselecteerd, 0);
  o.HuidigeLijn = 1;
  o.NieuwVoorwerp(Tekstlijn);
  o.VerwijderVoorwerp(2);  // after the current line: it keeps its index
  EXPECT_EQ(o.HuidigeLijn, 1);
}

TEST(VerwijderVoorwerp, PicturesAreReleasedExactlyOnce) {
  Ontwerp o = MaakOntwerp();
  QImage bewaakt(8, 8, QImage::Format_Mono);
  auto maakFiguur = [&] {
    const int i = o.NieuwVoorwerp(Figuur);
    auto b = std::make_unique<Beeld>();
    b->raster = bewaakt;  // shares the pixels: the copy here sees when they are let go
    o.voorwerp(i).ZetAfbeelding(std::move(b), 8, 8);
    return i;
  };
  maakFiguur();
  o.NieuwVoorwerp(Tekstlijn);
  EXPECT_FALSE(bewaakt.isDetached());
  o.VerwijderVoorwerp(1);
  EXPECT_TRUE(bewaakt.isDetached());
  EXPECT_EQ(o.voorwerp(1).Soort, Tekstlijn);

  maakFiguur();
  maakFiguur();
  EXPECT_FALSE(bewaakt.isDetached());
  o.VerwijderVoorwerpen();
  EXPECT_TRUE(bewaakt.isDetached());
}

TEST(VerwijderVoorwerpen, EmptiesTheDesignAndNotesEveryArea) {
  Ontwerp o = MaakOntwerp();
  o.NieuwVoorwerp(Tekstlijn);
  o.NieuwVoorwerp(Figuur);
  o.NieuwVoorwerp(RondeTekst);
  Selecteer(o, 2);
  o.HertekenGebieden.clear();
  o.VerwijderVoorwerpen();
  EXPECT_EQ(o.AantalVoorwerpen, 0);
  EXPECT_EQ(o.AantalLijnen + o.AantalFiguren + o.AantalRondeTeksten, 0);
  EXPECT_EQ(o.AantalGeselecteerd, 0);
  EXPECT_EQ(o.AantalHertekenGebieden(), 3);
  EXPECT_TRUE(o.IsConsistent());
  // The next element starts afresh at index 1 with nothing of the old ones.
  EXPECT_EQ(o.NieuwVoorwerp(Figuur), 1);
  EXPECT_EQ(o.voorwerp(1).Afbeelding, nullptr);
  EXPECT_FALSE(o.Geselecteerd(1));
}

TEST(ZoekVoorwerp, TheNestedElementWinsWhateverTheOrder) {
  Ontwerp o = MaakOntwerp();
  const int klein = o.NieuwVoorwerp(Tekstlijn);
  Plaats(o, klein, 0, 0, 10, 4);
  const int groot = o.NieuwVoorwerp(Figuur);  // drawn over the line
  Plaats(o, groot, -20, -10, 40, 20);
  EXPECT_EQ(o.ZoekVoorwerp(5, 2), klein);
  EXPECT_EQ(o.ZoekVoorwerp(-15, 2), groot);
  EXPECT_EQ(o.ZoekVoorwerp(30, 30), 0);
  // Edges belong to the element.
  EXPECT_EQ(o.ZoekVoorwerp(10, 4), klein);
  EXPECT_EQ(o.ZoekVoorwerp(-20, -10), groot);
  // Of two equal boxes the lowest index wins.
  const int gelijk = o.NieuwVoorwerp(Tekstlijn);
  Plaats(o, gelijk, 0, 0, 10, 4);
  EXPECT_EQ(o.ZoekVoorwerp(5, 2), klein);
}

TEST(ZoekVoorwerp, TouchingElementsGoToTheLaterNestedTest) {
  Ontwerp o = MaakOntwerp();
  const int a = o.NieuwVoorwerp(Tekstlijn);
  Plaats(o, a, 0, 0, 10, 5);
  const int b = o.NieuwVoorwerp(Tekstlijn);
  Plaats(o, b, 10, 0, 10, 5);
  // On the shared edge both hold the point; b is tested first and is not
  // inside a, so a cannot take over: the walk keeps b.
  EXPECT_EQ(o.ZoekVoorwerp(10, 2), b);
  EXPECT_EQ(o.ZoekVoorwerp(9.9f, 2), a);
}

TEST(Kenmerken, SettersTouchTextLinesOnly) {
  Ontwerp o = MaakOntwerp();
  const int lijn = o.NieuwVoorwerp(Tekstlijn);
  const int fig = o.NieuwVoorwerp(Figuur);
  EXPECT_TRUE(ZetVet(o, lijn, true));
  EXPECT_EQ(o.voorwerp(lijn).Vet.raw(), -1);
  EXPECT_FALSE(ZetVet(o, fig, true));
  EXPECT_FALSE(o.voorwerp(fig).Vet);
  EXPECT_FALSE(ZetLettergrootte(o, fig, 20));
  EXPECT_FLOAT_EQ(o.voorwerp(fig).Hoogte, 5);
}

TEST(Kenmerken, SizeRoundsHalvesToEvenWhileTheHeightFollowsTheTypedSize) {
  Ontwerp o = MaakOntwerp();
  const int i = o.NieuwVoorwerp(Tekstlijn);
  ZetLettergrootte(o, i, 10.5);
  EXPECT_EQ(o.voorwerp(i).Lettergrootte, 10);
  EXPECT_NEAR(o.voorwerp(i).Hoogte, 3.704f, 0.001f);
  EXPECT_FLOAT_EQ(o.kader(i).Hoogte, o.voorwerp(i).Hoogte);
  ZetLettergrootte(o, i, 11.5);
  EXPECT_EQ(o.voorwerp(i).Lettergrootte, 12);
  EXPECT_THROW(ZetLettergrootte(o, i, 40000), OverloopFout);
  EXPECT_EQ(o.voorwerp(i).Lettergrootte, 12);
}
