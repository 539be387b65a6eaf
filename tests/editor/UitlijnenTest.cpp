// Lining up and spreading the selection from Bewerken > Uitlijnen, with the
// positions worked out by hand.
#include <QMenu>

#include "support/EtiketOpstelling.h"
#include "ui/EtiketPlaatje.h"

namespace {
class UitlijnenVenster : public EtiketOpstelling {
 protected:
  // Three figures of widths 10, 20 and 6 mm, out of line.
  void DrieFiguren() {
    NieuweFiguur(-30, -10, 10, 5);
    NieuweFiguur(5, 2, 20, 8);
    NieuweFiguur(-12, 6, 6, 4);
  }
  void Kies(const char* naam) {
    emit Kind<QMenu>("mnuUitlijnen")->aboutToShow();
    ASSERT_TRUE(Kind<QAction>(naam)->isEnabled()) << naam;
    Menu(naam);
  }
  float L(int i) const { return O().voorwerp(i).Links; }
  float B(int i) const { return O().voorwerp(i).Boven; }
};
}  // namespace

TEST_F(UitlijnenVenster, SeveralLineUpOnTheirBoxAndSpreadWithEqualGaps) {
  Start();
  DrieFiguren();
  Menu("mnuAllesSelekteren");
  // Box around them: -30 to 25 across, -10 to 10 down.
  Kies("mnuUitlijnenRechts");
  EXPECT_FLOAT_EQ(L(1), 15);
  EXPECT_FLOAT_EQ(L(2), 5);
  EXPECT_FLOAT_EQ(L(3), 19);
  Menu("mnuOngedaan");
  EXPECT_FLOAT_EQ(L(1), -30);
  Kies("mnuUitlijnenMidden");
  EXPECT_FLOAT_EQ(B(1), -2.5f);
  EXPECT_FLOAT_EQ(B(2), -4);
  EXPECT_FLOAT_EQ(B(3), -2);
  Menu("mnuOngedaan");
  // Spread across: -30..-20, then 5..25 stay the ends; 6 mm between them in
  // a room of 25 mm leaves 2 gaps of 9.5: the middle one starts at -10.5.
  Kies("mnuHorizontaalVerdelen");
  EXPECT_FLOAT_EQ(L(1), -30);
  EXPECT_FLOAT_EQ(L(2), 5);
  EXPECT_FLOAT_EQ(L(3), -10.5f);
  EXPECT_FLOAT_EQ(B(3), 6);
  EXPECT_EQ(venster->beeld().Beeld(), venster->beeld().Volledig());
}

TEST_F(UitlijnenVenster, OneLinesUpOnTheLabelAndSpreadingNeedsThree) {
  Start();
  DrieFiguren();
  auto* plaatje = Kind<EtiketPlaatje>("pictEtiket");
  plaatje->DeSelekteerAlles();
  plaatje->SelecteerVoorwerp(2);
  const float breedte = venster->HuidigEtiketFormaat().Breedte;
  Kies("mnuUitlijnenRechts");
  EXPECT_FLOAT_EQ(L(2), breedte / 2 - 20);
  Kies("mnuUitlijnenCentreren");
  EXPECT_FLOAT_EQ(L(2), -10);
  plaatje->SelecteerVoorwerp(1);
  emit Kind<QMenu>("mnuUitlijnen")->aboutToShow();
  EXPECT_FALSE(Kind<QAction>("mnuHorizontaalVerdelen")->isEnabled());
  EXPECT_TRUE(Kind<QAction>("mnuUitlijnenLinks")->isEnabled());
}
