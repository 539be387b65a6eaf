#include <gtest/gtest.h>

#include "editor/Bewerking.h"
#include "model/Kenmerken.h"
#include "model/Ontwerp.h"

using namespace editor;

namespace {

Ontwerp MaakOntwerp() { return {}; }

void Plaats(Ontwerp& o, int i, float l, float b, float br, float h) { o.PlaatsVoorwerp(i, l, b, br, h); }

}  // namespace

TEST(VerwijderVoorwerp, LaterElementsMoveDownWithTheirSelectionAndFrames) {
  Bewerking b;
  b.Schaal.Bereken(80, 40, 200, 100, 3000, 1500);
  Ontwerp& o = b.ontwerp();
  for (int i = 0; i < 4; ++i) {
    const int n = o.NieuwVoorwerp(i == 1 ? SoortVoorwerp::Figuur : SoortVoorwerp::Tekstlijn);
    if (Tekstdeel* t = o.voorwerp(n).alsTekst()) t->Tekst = QStringLiteral("e%1").arg(n);
    Plaats(o, n, float(n * 5), 0, 4, 3);
  }
  b.ZetGeselecteerd(4, true);
  b.ZetHuidigeLijn(4);
  b.VerwijderVoorwerp(2);
  EXPECT_EQ(o.AantalVoorwerpen(), 3);
  EXPECT_EQ(o.AantalFiguren(), 0);
  EXPECT_EQ(o.AantalLijnen(), 3);
  EXPECT_EQ(o.voorwerp(3).tekst().Tekst, QStringLiteral("e4"));
  EXPECT_TRUE(b.Geselecteerd(3));
  EXPECT_EQ(b.AantalGeselecteerd(), 1);
  EXPECT_EQ(b.HuidigeLijn(), 3);  // still the same line
  // Its frame came along, thick, on its own box.
  EXPECT_FLOAT_EQ(b.Kader(3).Links, 20 - b.Schaal.MmPerPixelX);
  EXPECT_EQ(b.Kader(3).Rand, 2);
  EXPECT_EQ(b.Kader(2).Rand, 1);
  EXPECT_THROW(b.Kader(4), std::out_of_range);
  EXPECT_TRUE(b.IsConsistent());
}

TEST(VerwijderVoorwerp, DeletingTheCurrentLineClearsIt) {
  Bewerking b;
  Ontwerp& o = b.ontwerp();
  o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn);
  o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn);
  b.ZetHuidigeLijn(2);
  b.ZetGeselecteerd(2, true);
  b.VerwijderVoorwerp(2);
  EXPECT_EQ(b.HuidigeLijn(), 0);
  EXPECT_EQ(b.AantalGeselecteerd(), 0);
  b.ZetHuidigeLijn(1);
  o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn);
  b.VerwijderVoorwerp(2);  // after the current line: it keeps its index
  EXPECT_EQ(b.HuidigeLijn(), 1);
}

TEST(HerstelSelectie, KeepsOnlyElementsThatAreStillThere) {
  Bewerking b;
  Ontwerp& o = b.ontwerp();
  for (int i = 0; i < 3; ++i) o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn);
  b.ZetGeselecteerd(1, true);
  b.ZetGeselecteerd(3, true);
  b.ZetHuidigeLijn(3);
  const SelectieStand stand = b.BewaarSelectie();
  o.VerwijderVoorwerp(3);
  b.HerstelSelectie(stand);
  EXPECT_EQ(b.AantalGeselecteerd(), 1);
  EXPECT_EQ(b.HuidigeLijn(), 0);
  // A line that became a round text is no longer the one being edited.
  b.ZetHuidigeLijn(2);
  o.ZetSoort(2, SoortVoorwerp::RondeTekst);
  b.HerstelSelectie(b.BewaarSelectie());
  EXPECT_EQ(b.HuidigeLijn(), 0);
  EXPECT_TRUE(b.IsConsistent());
}

TEST(VerwijderVoorwerp, PicturesAreReleasedExactlyOnce) {
  Ontwerp o = MaakOntwerp();
  QImage bewaakt(8, 8, QImage::Format_Mono);
  auto maakFiguur = [&] {
    const int i = o.NieuwVoorwerp(SoortVoorwerp::Figuur);
    auto b = std::make_shared<Beeld>();
    b->raster = bewaakt;  // shares the pixels: the copy here sees when they are let go
    o.voorwerp(i).beeld().ZetAfbeelding(std::move(b), 8, 8);
    return i;
  };
  maakFiguur();
  o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn);
  EXPECT_FALSE(bewaakt.isDetached());
  o.VerwijderVoorwerp(1);
  EXPECT_TRUE(bewaakt.isDetached());
  EXPECT_EQ(o.voorwerp(1).Soort(), SoortVoorwerp::Tekstlijn);

  maakFiguur();
  maakFiguur();
  EXPECT_FALSE(bewaakt.isDetached());
  o.VerwijderVoorwerpen();
  EXPECT_TRUE(bewaakt.isDetached());
}

TEST(VerwijderVoorwerpen, EmptiesTheDesignAndTheSelection) {
  Bewerking b;
  Ontwerp& o = b.ontwerp();
  o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn);
  o.NieuwVoorwerp(SoortVoorwerp::Figuur);
  o.NieuwVoorwerp(SoortVoorwerp::RondeTekst);
  b.ZetGeselecteerd(2, true);
  b.VerwijderVoorwerpen();
  EXPECT_EQ(o.AantalVoorwerpen(), 0);
  EXPECT_EQ(o.AantalLijnen() + o.AantalFiguren() + o.AantalRondeTeksten(), 0);
  EXPECT_EQ(b.AantalGeselecteerd(), 0);
  EXPECT_TRUE(b.IsConsistent());
  // The next element starts afresh at index 1 with nothing of the old ones.
  EXPECT_EQ(o.NieuwVoorwerp(SoortVoorwerp::Figuur), 1);
  EXPECT_EQ(o.voorwerp(1).beeld().Afbeelding, nullptr);
  EXPECT_FALSE(b.Geselecteerd(1));
}

TEST(ZoekVoorwerp, TheNestedElementWinsWhateverTheOrder) {
  Ontwerp o = MaakOntwerp();
  const int klein = o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn);
  Plaats(o, klein, 0, 0, 10, 4);
  const int groot = o.NieuwVoorwerp(SoortVoorwerp::Figuur);  // drawn over the line
  Plaats(o, groot, -20, -10, 40, 20);
  EXPECT_EQ(o.ZoekVoorwerp(5, 2), klein);
  EXPECT_EQ(o.ZoekVoorwerp(-15, 2), groot);
  EXPECT_EQ(o.ZoekVoorwerp(30, 30), 0);
  // Edges belong to the element.
  EXPECT_EQ(o.ZoekVoorwerp(10, 4), klein);
  EXPECT_EQ(o.ZoekVoorwerp(-20, -10), groot);
  // Of two equal boxes the lowest index wins.
  const int gelijk = o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn);
  Plaats(o, gelijk, 0, 0, 10, 4);
  EXPECT_EQ(o.ZoekVoorwerp(5, 2), klein);
}

TEST(ZoekVoorwerp, TouchingElementsGoToTheLaterNestedTest) {
  Ontwerp o = MaakOntwerp();
  const int a = o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn);
  Plaats(o, a, 0, 0, 10, 5);
  const int b = o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn);
  Plaats(o, b, 10, 0, 10, 5);
  // On the shared edge both hold the point; b is tested first and is not
  // inside a, so a cannot take over: the walk keeps b.
  EXPECT_EQ(o.ZoekVoorwerp(10, 2), b);
  EXPECT_EQ(o.ZoekVoorwerp(9.9f, 2), a);
}

TEST(Kenmerken, SettersTouchTextLinesOnly) {
  Ontwerp o = MaakOntwerp();
  const int lijn = o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn);
  const int fig = o.NieuwVoorwerp(SoortVoorwerp::Figuur);
  EXPECT_TRUE(ZetVet(o, lijn, true));
  EXPECT_EQ(o.voorwerp(lijn).tekst().Vet.raw(), -1);
  EXPECT_FALSE(ZetVet(o, fig, true));
  EXPECT_EQ(o.voorwerp(fig).alsTekst(), nullptr);
  EXPECT_FALSE(ZetLettergrootte(o, fig, 20));
  EXPECT_FLOAT_EQ(o.voorwerp(fig).Hoogte, 5);
}

TEST(Kenmerken, SizeRoundsHalvesToEvenWhileTheHeightFollowsTheTypedSize) {
  Ontwerp o = MaakOntwerp();
  const int i = o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn);
  ZetLettergrootte(o, i, 10.5);
  EXPECT_EQ(o.voorwerp(i).tekst().Lettergrootte, 10);
  EXPECT_NEAR(o.voorwerp(i).Hoogte, 3.704f, 0.001f);
  ZetLettergrootte(o, i, 11.5);
  EXPECT_EQ(o.voorwerp(i).tekst().Lettergrootte, 12);
  EXPECT_THROW(ZetLettergrootte(o, i, 40000), OverloopFout);
  EXPECT_EQ(o.voorwerp(i).tekst().Lettergrootte, 12);
}
