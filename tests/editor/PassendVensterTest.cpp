// Tekst > Passend in vak and Kleinste grootte on the current line: each
// change one step to undo, the entry showing the smallest size.
#include <QInputDialog>
#include <QLineEdit>

#include "support/EtiketOpstelling.h"

namespace {
class PassendVenster : public EtiketOpstelling {
 protected:
  Passend P() const { return O().voorwerp(1).alsTekstlijn()->passend; }
};
}  // namespace

TEST_F(PassendVenster, TheCurrentLineFitsItsBoxAndShowsItsSmallestSize) {
  Start();
  Menu("mnuTekstLijnen1");
  ZetTekst(1, QStringLiteral("Kaas Gouda extra belegen 48+ (500 g), gerijpt in de kelder van de boerderij"));
  QAction* passend = Kind<QAction>("mnuTekstPassend");
  EXPECT_EQ(passend->text(), QStringLiteral("&Passend in vak (ten minste 6 pt)"));
  EXPECT_FALSE(passend->isChecked());
  const QImage voor = venster->beeld().Beeld();
  passend->trigger();
  EXPECT_EQ(P(), (Passend{true, 6}));
  EXPECT_TRUE(passend->isChecked());
  EXPECT_NE(venster->beeld().Beeld(), voor);
  EXPECT_EQ(venster->beeld().Beeld(), venster->beeld().Volledig());

  BeantwoordDialoog<QInputDialog>([](QInputDialog* d) {
    d->setIntValue(9);
    d->accept();
  });
  Menu("mnuKleinsteGrootte");
  EXPECT_EQ(P(), (Passend{true, 9}));
  EXPECT_EQ(passend->text(), QStringLiteral("&Passend in vak (ten minste 9 pt)"));
  BeantwoordDialoog<QInputDialog>([](QInputDialog* d) { d->reject(); });
  Menu("mnuKleinsteGrootte");
  EXPECT_EQ(P(), (Passend{true, 9}));

  Menu("mnuOngedaan");
  EXPECT_EQ(P(), (Passend{true, 6}));
  Menu("mnuOngedaan");
  EXPECT_FALSE(P().Aan);
  EXPECT_FALSE(passend->isChecked());
  EXPECT_EQ(venster->beeld().Beeld(), voor);
}
