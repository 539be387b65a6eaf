#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "support/EtiketOpstelling.h"
#include "ui/EtiketPlaatje.h"

using namespace ui;

namespace {
class Selectie : public EtiketOpstelling {
 protected:
  void Klik(float x, float y, Qt::KeyboardModifiers toetsen = Qt::NoModifier) {
    venster->pictEtiket()->pictEtiket_MouseDown(Qt::LeftButton, toetsen, x, y);
  }
  // Three text lines placed apart on the label.
  void DrieLijnen() {
    Menu("mnuTekstLijnen3");
    Plaats(1, -40, -15, 30, 5);
    Plaats(2, -40, -5, 30, 5);
    Plaats(3, 5, -5, 30, 5);
    venster->HertekenAlles();
  }
  QAction* Wijzigen() { return Kind<QAction>("mnuRondeTekstWijzigen"); }
  QAction* Omzetten() { return Kind<QAction>("mnuTekstOmzetten"); }
};
}  // namespace

TEST_F(Selectie, AClickInThePictureSelectsTheElementUnderThePointer) {
  Etiket& e = Start();
  DrieLijnen();
  // A real mouse click on the middle of line 3.
  const QRect r = B().Schaal.naarPixels(QRectF(5, -5, 30, 5));
  QTest::mouseClick(e.pictEtiket(), Qt::LeftButton, Qt::NoModifier,
                    r.center() + e.pictEtiket()->contentsRect().topLeft());
  EXPECT_TRUE(B().Geselecteerd(3));
  EXPECT_FALSE(B().Geselecteerd(1));
  EXPECT_EQ(B().AantalGeselecteerd(), 1);
  EXPECT_EQ(B().HuidigeLijn(), 3);
  EXPECT_EQ(B().Kader(3).Rand, 2);
  EXPECT_EQ(B().Kader(1).Rand, 1);
  EXPECT_EQ(Kind<QLineEdit>("txtTekstlijn")->text(), QStringLiteral("Lijn 3"));
  // A click on nothing changes nothing.
  Klik(40, 17);
  EXPECT_TRUE(B().Geselecteerd(3));
}

TEST_F(Selectie, ASmallLineOnALargeFigureWinsWhateverTheOrder) {
  Start();
  Menu("mnuTekstLijnen1");
  Plaats(1, -10, -2, 20, 4);
  NieuweFiguur(-30, -15, 60, 30);
  Klik(0, 0);
  EXPECT_TRUE(B().Geselecteerd(1));
  Klik(-25, 10);
  EXPECT_TRUE(B().Geselecteerd(2));
  EXPECT_FALSE(B().Geselecteerd(1));
  // Exactly on the line's edge still hits it.
  Klik(10, 2);
  EXPECT_TRUE(B().Geselecteerd(1));
}

TEST_F(Selectie, ShiftClickAddsAndRemovesButNeverTheLastOne) {
  Start();
  DrieLijnen();
  Klik(-30, -13);
  Klik(-30, -3, Qt::ShiftModifier);
  EXPECT_EQ(B().AantalGeselecteerd(), 2);
  EXPECT_EQ(B().HuidigeLijn(), 2);  // the line selected last
  Klik(-30, -3, Qt::ShiftModifier);
  EXPECT_EQ(B().AantalGeselecteerd(), 1);
  EXPECT_EQ(B().HuidigeLijn(), 0);
  EXPECT_TRUE(B().Geselecteerd(1));
  EXPECT_EQ(meldingen.beeps, 0);
  Klik(-30, -13, Qt::ShiftModifier);  // the only selected element
  EXPECT_EQ(meldingen.beeps, 1);
  EXPECT_TRUE(B().Geselecteerd(1));
  EXPECT_EQ(B().AantalGeselecteerd(), 1);
}

TEST_F(Selectie, HandlesSitAroundTheSelectionsBoxWithTheirPointers) {
  Etiket& e = Start();
  DrieLijnen();
  Klik(-30, -13);
  Klik(10, -3, Qt::ShiftModifier);
  const Kader& s = e.beeld().Selectie();
  EXPECT_FLOAT_EQ(s.Links, -40);
  EXPECT_FLOAT_EQ(s.Boven, -15);
  EXPECT_FLOAT_EQ(s.Rechts, 35);
  EXPECT_FLOAT_EQ(s.Onder, 0);
  const Qt::CursorShape vormen[8] = {Qt::SizeFDiagCursor, Qt::SizeVerCursor, Qt::SizeBDiagCursor, Qt::SizeHorCursor,
                                     Qt::SizeFDiagCursor, Qt::SizeVerCursor, Qt::SizeBDiagCursor, Qt::SizeHorCursor};
  const QPointF midden[8] = {{-40, -15}, {-2.5, -15}, {35, -15}, {35, -7.5}, {35, 0}, {-2.5, 0}, {-40, 0}, {-40, -7.5}};
  const float maat = 120 * B().Schaal.SchaalMmPerTwip;
  for (int i = 0; i < 8; ++i) {
    const Handvat& h = e.beeld().Handvatten()[size_t(i)];
    EXPECT_TRUE(h.Zichtbaar);
    EXPECT_NEAR(h.Rechthoek.center().x(), midden[i].x(), 1e-3);
    EXPECT_NEAR(h.Rechthoek.center().y(), midden[i].y(), 1e-3);
    EXPECT_NEAR(h.Rechthoek.width(), maat, 1e-4);
    QWidget* w = Kind<QWidget>(QStringLiteral("picHandvat%1").arg(i));
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->cursor().shape(), vormen[i]);
    EXPECT_EQ(w->width(), 8);  // 120 twips at 96 dpi
  }
}

TEST_F(Selectie, SelectAllMakesTheLastLineCurrentAndDisablesTheRoundTextEntries) {
  Start();
  DrieLijnen();
  int rond = 0;
  {
    Wijziging wijziging(venster->bewerker());
    rond = wijziging.bewerking().NieuwVoorwerp(SoortVoorwerp::RondeTekst);
  }
  Plaats(rond, 20, 5, 10, 10);
  Menu("mnuAllesSelekteren");
  EXPECT_EQ(B().AantalGeselecteerd(), 4);
  EXPECT_EQ(B().HuidigeLijn(), 3);
  EXPECT_FALSE(Wijzigen()->isEnabled());
  EXPECT_FALSE(Omzetten()->isEnabled());
  EXPECT_EQ(B().Verborgen, 0);
  EXPECT_EQ(B().Kader(4).Rand, 2);
}

TEST_F(Selectie, TheRoundTextEntriesFollowASingleSelection) {
  Start();
  DrieLijnen();
  int rond = 0;
  {
    Wijziging wijziging(venster->bewerker());
    rond = wijziging.bewerking().NieuwVoorwerp(SoortVoorwerp::RondeTekst);
  }
  Plaats(rond, 20, 5, 10, 10);
  Klik(25, 10);
  EXPECT_TRUE(Wijzigen()->isEnabled());
  EXPECT_TRUE(Omzetten()->isEnabled());
  EXPECT_EQ(Omzetten()->text(), QStringLiteral("Om&zetten naar rechte tekst"));
  Klik(-30, -13);
  EXPECT_FALSE(Wijzigen()->isEnabled());
  EXPECT_TRUE(Omzetten()->isEnabled());
  EXPECT_EQ(Omzetten()->text(), QStringLiteral("Om&zetten naar ronde tekst"));
  // Two selected: both off; back to one text line: the text-line caption.
  Klik(25, 10, Qt::ShiftModifier);
  EXPECT_FALSE(Omzetten()->isEnabled());
  Klik(25, 10, Qt::ShiftModifier);
  EXPECT_TRUE(Omzetten()->isEnabled());
  EXPECT_EQ(Omzetten()->text(), QStringLiteral("Om&zetten naar ronde tekst"));
  // A figure alone: no conversion.
  NieuweFiguur(-40, 8, 6, 6);
  Klik(-37, 11);
  EXPECT_FALSE(Omzetten()->isEnabled());
}

TEST_F(Selectie, DeletingTheOnlySelectedOfThreeSelectsTheNewFirst) {
  Start();
  DrieLijnen();
  Klik(-30, -13);
  Menu("mnuVerwijderen");
  EXPECT_EQ(O().AantalVoorwerpen(), 2);
  EXPECT_EQ(O().voorwerp(1).tekst().Tekst, QStringLiteral("Lijn 2"));
  EXPECT_TRUE(B().Geselecteerd(1));
  EXPECT_EQ(B().AantalGeselecteerd(), 1);
  EXPECT_EQ(B().HuidigeLijn(), 1);
}

TEST_F(Selectie, DeletingEverythingLeavesNoFramesAndHiddenHandles) {
  Start();
  DrieLijnen();
  NieuweFiguur(0, 8, 5, 5);
  Menu("mnuAllesSelekteren");
  Menu("mnuVerwijderen");
  EXPECT_EQ(O().AantalVoorwerpen(), 0);
  EXPECT_EQ(O().AantalLijnen() + O().AantalFiguren() + O().AantalRondeTeksten(), 0);
  EXPECT_EQ(B().AantalGeselecteerd(), 0);
  for (int i = 0; i < 8; ++i) EXPECT_TRUE(Kind<QWidget>(QStringLiteral("picHandvat%1").arg(i))->isHidden());
  // The picture is back to the empty label.
  EXPECT_EQ(venster->beeld().Beeld(), venster->beeld().Achtergrond());
}

TEST_F(Selectie, DeletingAnEarlierElementKeepsALaterSelectionInItsPlace) {
  Start();
  Menu("mnuTekstLijnen4");
  for (int i = 1; i <= 4; ++i) Plaats(i, -40, -16 + i * 6, 30, 4);
  Klik(-30, 10);  // line 4
  venster->bewerker().ZetGeselecteerd(2, true);  // and line 2, as a Shift-click would
  {
    Wijziging wijziging(venster->bewerker());
    wijziging.bewerking().VerwijderVoorwerp(2);
  }
  EXPECT_TRUE(B().Geselecteerd(3));
  EXPECT_EQ(B().Kader(3).Rand, 2);
  EXPECT_FLOAT_EQ(B().Kader(3).Boven, 8 - B().Schaal.MmPerPixelY);
  EXPECT_EQ(B().HuidigeLijn(), 3);
}

TEST_F(Selectie, AfterDeletingTheCurrentLineWithAFigureFirstTypingChangesNothing) {
  Start();
  NieuweFiguur(-40, -15, 10, 10);
  Menu("mnuTekstLijnen1");  // element 2
  Plaats(2, 0, 0, 30, 5);
  Klik(10, 2);
  EXPECT_EQ(B().HuidigeLijn(), 2);
  Menu("mnuVerwijderen");
  EXPECT_TRUE(B().Geselecteerd(1));
  EXPECT_EQ(B().HuidigeLijn(), 0);
  Kind<QLineEdit>("txtTekstlijn")->setText(QStringLiteral("verloren"));
  EXPECT_EQ(O().AantalLijnen(), 0);
  EXPECT_TRUE(O().IsConsistent());
}

TEST_F(Selectie, CentringPutsTheSelectionOnTheLabelsCentre) {
  Start();
  DrieLijnen();
  Klik(-30, -13);
  Klik(-30, -3, Qt::ShiftModifier);  // lines 1 and 2: from (-40,-15) to (-10, 0)
  Kind<QPushButton>("cmdCentreren")->click();
  EXPECT_FLOAT_EQ(O().voorwerp(1).Links, -15);
  EXPECT_FLOAT_EQ(O().voorwerp(1).Boven, -7.5f);
  EXPECT_FLOAT_EQ(O().voorwerp(2).Boven, 2.5f);
  EXPECT_FLOAT_EQ(O().voorwerp(3).Links, 5);  // not selected: stays
  EXPECT_FALSE(venster->beeld().SchaduwZichtbaar);
  EXPECT_EQ(B().Verborgen, 0);
}
