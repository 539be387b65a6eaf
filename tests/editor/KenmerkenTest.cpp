#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "support/EtiketOpstelling.h"

namespace {
class Kenmerken : public EtiketOpstelling {
 protected:
  QLineEdit* Grootte() { return Kind<QLineEdit>("txtLettergrootte"); }
  QTimer* Timer() { return Kind<QTimer>("tmrLettergrootte"); }
  QScrollBar* Spin() { return Kind<QScrollBar>("spinLettergrootte"); }
  QPushButton* Knop(const char* naam) { return Kind<QPushButton>(naam); }
  // Two lines, both selected, the second current.
  void TweeGeselecteerd() {
    Menu("mnuTekstLijnen2");
    Plaats(1, -40, -10, 30, 5);
    Plaats(2, -40, 0, 30, 5);
    venster->pictEtiket()->pictEtiket_MouseDown(Qt::LeftButton, Qt::ShiftModifier, -30, 2);
    ASSERT_EQ(B().AantalGeselecteerd(), 2);
  }
  void VuurTimer() {
    ASSERT_TRUE(Timer()->isActive());
    QSignalSpy spy(Timer(), &QTimer::timeout);
    ASSERT_TRUE(spy.wait(2000));
  }
};
}  // namespace

TEST_F(Kenmerken, TypedSizeIsAppliedOnceHalfASecondAfterTheLastKey) {
  Start();
  TweeGeselecteerd();
  QSignalSpy vuren(Timer(), &QTimer::timeout);
  Grootte()->clear();
  QTest::keyClicks(Grootte(), QStringLiteral("1"));
  EXPECT_TRUE(Timer()->isActive());
  EXPECT_EQ(Timer()->interval(), 500);
  QTest::keyClicks(Grootte(), QStringLiteral("2"));
  EXPECT_EQ(O().voorwerp(1).tekst().Lettergrootte, 12);  // nothing applied yet (12 was the default)
  Wijzig([](Ontwerp& o) { o.voorwerp(1).tekst().Lettergrootte = 30; });  // so that applying 12 shows
  ASSERT_TRUE(vuren.wait(2000));
  EXPECT_EQ(vuren.count(), 1);
  EXPECT_FALSE(Timer()->isActive());
  EXPECT_EQ(O().voorwerp(1).tekst().Lettergrootte, 12);
  EXPECT_EQ(O().voorwerp(2).tekst().Lettergrootte, 12);
  QTest::qWait(700);
  EXPECT_EQ(vuren.count(), 1);
}

TEST_F(Kenmerken, HalfSizesRoundToEvenButTheHeightFollowsTheTypedValue) {
  Start();
  TweeGeselecteerd();
  Grootte()->setText(QStringLiteral("10.5"));
  VuurTimer();
  EXPECT_EQ(O().voorwerp(1).tekst().Lettergrootte, 10);
  EXPECT_NEAR(O().voorwerp(1).Hoogte, 3.704, 1e-3);
  Grootte()->setText(QStringLiteral("11.5"));
  VuurTimer();
  EXPECT_EQ(O().voorwerp(2).tekst().Lettergrootte, 12);
}

TEST_F(Kenmerken, AnEmptySizeBoxChangesNothing) {
  Start();
  TweeGeselecteerd();
  Grootte()->setText(QString());
  venster->tekst().tmrLettergrootte_Timer();
  EXPECT_EQ(O().voorwerp(1).tekst().Lettergrootte, 12);
  EXPECT_FALSE(Timer()->isActive());  // tried once; the next edit tries again
  Grootte()->setText(QStringLiteral("-8"));
  venster->tekst().tmrLettergrootte_Timer();
  EXPECT_EQ(O().voorwerp(1).tekst().Lettergrootte, 12);
}

TEST_F(Kenmerken, SpinArrowsStepByOneAndStopAtFour) {
  Start();
  TweeGeselecteerd();
  Grootte()->setText(QStringLiteral("5"));
  Spin()->triggerAction(QAbstractSlider::SliderSingleStepAdd);  // the lower arrow
  EXPECT_EQ(Grootte()->text(), QStringLiteral("4"));
  EXPECT_EQ(O().voorwerp(1).tekst().Lettergrootte, 4);
  EXPECT_EQ(Spin()->value(), 500);
  Spin()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(Grootte()->text(), QStringLiteral("4"));
  Spin()->triggerAction(QAbstractSlider::SliderSingleStepSub);  // the upper arrow
  EXPECT_EQ(Grootte()->text(), QStringLiteral("5"));
  EXPECT_EQ(O().voorwerp(2).tekst().Lettergrootte, 5);
  EXPECT_FALSE(B().Bezig());
}

TEST_F(Kenmerken, ToolbarChangesApplyToEverySelectedLine) {
  Start();
  TweeGeselecteerd();
  Knop("cmdVet")->click();
  EXPECT_TRUE(O().voorwerp(1).tekst().Vet);
  EXPECT_TRUE(O().voorwerp(2).tekst().Vet);
  EXPECT_TRUE(Kind<QAction>("mnuVet")->isChecked());
  Knop("cmdUitlijning0")->click();
  EXPECT_EQ(O().voorwerp(1).tekst().Uitlijning, 0);
  EXPECT_EQ(O().voorwerp(2).tekst().Uitlijning, 0);
  QComboBox* fonts = Kind<QComboBox>("cmbLettertype");
  const int liberation = fonts->findText(QStringLiteral("Liberation Sans"));
  ASSERT_GE(liberation, 0);
  fonts->setCurrentIndex(liberation);
  emit fonts->activated(liberation);
  EXPECT_EQ(O().voorwerp(1).tekst().Lettertype, QStringLiteral("Liberation Sans"));
  EXPECT_EQ(O().voorwerp(2).tekst().Lettertype, QStringLiteral("Liberation Sans"));
  EXPECT_EQ(B().Verborgen, 0);
  // Picking the font the box already shows gives it to every selected line.
  {
    Wijziging wijziging(venster->bewerker());
    wijziging.ontwerp().voorwerp(2).tekst().Lettertype = QStringLiteral("DejaVu Sans");
  }
  ASSERT_EQ(fonts->currentIndex(), liberation);
  emit fonts->activated(liberation);
  EXPECT_EQ(O().voorwerp(2).tekst().Lettertype, QStringLiteral("Liberation Sans"));
  // Showing a line's font in the box is no choice.
  fonts->setCurrentIndex(fonts->findText(QStringLiteral("DejaVu Sans")));
  EXPECT_EQ(O().voorwerp(1).tekst().Lettertype, QStringLiteral("Liberation Sans"));
}

TEST_F(Kenmerken, WithNoTextLineSelectedTheToolbarLeavesTheDesignAlone) {
  Start();
  Menu("mnuTekstLijnen1");
  NieuweFiguur(0, 0, 10, 10);
  venster->pictEtiket()->pictEtiket_MouseDown(Qt::LeftButton, Qt::NoModifier, 5, 5);
  ASSERT_TRUE(B().Geselecteerd(2));
  ASSERT_FALSE(B().Geselecteerd(1));
  Knop("cmdOnderlijnd")->click();
  Knop("cmdUitlijning1")->click();
  Grootte()->setText(QStringLiteral("30"));
  venster->tekst().tmrLettergrootte_Timer();
  const Voorwerp& v = O().voorwerp(1);
  EXPECT_FALSE(v.tekst().Onderlijnd);
  EXPECT_EQ(v.tekst().Uitlijning, 2);
  EXPECT_EQ(v.tekst().Lettergrootte, 12);
  EXPECT_FLOAT_EQ(O().voorwerp(2).Hoogte, 10);
}

TEST_F(Kenmerken, ShowingALinesAttributesNeverWritesThemBack) {
  Start();
  Menu("mnuTekstLijnen2");
  Plaats(1, -40, -10, 30, 5);
  Plaats(2, -40, 0, 30, 5);
  Wijzig([](Ontwerp& o) {
    Tekstdeel& a = o.voorwerp(1).tekst();
    a.Vet = true;
    a.Lettergrootte = 20;
    a.Uitlijning = 1;
    a.Lettertype = QStringLiteral("Liberation Sans");
  });
  // Selecting line 2 shows its plain attributes; line 1 keeps its own.
  venster->pictEtiket()->pictEtiket_MouseDown(Qt::LeftButton, Qt::NoModifier, -30, -8);
  EXPECT_TRUE(Knop("cmdVet")->isChecked());
  EXPECT_EQ(Grootte()->text(), QStringLiteral("20"));
  venster->pictEtiket()->pictEtiket_MouseDown(Qt::LeftButton, Qt::ShiftModifier, -30, 2);
  EXPECT_FALSE(Knop("cmdVet")->isChecked());
  EXPECT_FALSE(Kind<QAction>("mnuVet")->isChecked());
  EXPECT_TRUE(Knop("cmdUitlijning2")->isChecked());
  EXPECT_EQ(Grootte()->text(), QStringLiteral("12"));
  EXPECT_FALSE(Timer()->isActive());
  const Voorwerp& na = O().voorwerp(1);
  EXPECT_TRUE(na.tekst().Vet);
  EXPECT_EQ(na.tekst().Lettergrootte, 20);
  EXPECT_EQ(na.tekst().Uitlijning, 1);
  EXPECT_EQ(na.tekst().Lettertype, QStringLiteral("Liberation Sans"));
}

TEST_F(Kenmerken, TheBoldMenuMakesMixedLinesFollowItsNewCheckMark) {
  Start();
  TweeGeselecteerd();
  Wijzig([](Ontwerp& o) { o.voorwerp(1).tekst().Vet = true; });  // line 2, the current one, is not bold
  QAction* vet = Kind<QAction>("mnuVet");
  ASSERT_FALSE(vet->isChecked());
  vet->trigger();
  EXPECT_TRUE(vet->isChecked());
  EXPECT_TRUE(O().voorwerp(1).tekst().Vet);
  EXPECT_TRUE(O().voorwerp(2).tekst().Vet);
  EXPECT_TRUE(Knop("cmdVet")->isChecked());
  vet->trigger();
  EXPECT_FALSE(O().voorwerp(1).tekst().Vet);
  EXPECT_FALSE(O().voorwerp(2).tekst().Vet);
}
