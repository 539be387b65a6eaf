#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "support/EtiketOpstelling.h"
#include "ui/TekstlijnenDialoog.h"

using namespace ui;

namespace {
class Tekstlijnen : public EtiketOpstelling {
 protected:
  QLineEdit* Box() { return Kind<QLineEdit>("txtTekstlijn"); }
  void MeerLijnen(const QString& tekst, bool ok = true) {
    BeantwoordDialoog<TekstlijnenDialoog>([tekst, ok](TekstlijnenDialoog* d) {
      d->findChild<QLineEdit*>(QStringLiteral("txtAantalLijnen"))->setText(tekst);
      d->findChild<QPushButton*>(ok ? QStringLiteral("cmdOK") : QStringLiteral("cmdAnnuleren"))->click();
    });
    Menu("mnuMeerLijnen");
  }
};
}  // namespace

TEST_F(Tekstlijnen, ThreeLinesOnAnEmptyDesignTakeTheToolbarsAttributes) {
  Start();
  Kind<QCheckBox>("chkAutomatischVerdelen")->setChecked(false);
  Kind<QLineEdit>("txtLettergrootte")->setText(QStringLiteral("14"));
  Kind<QPushButton>("cmdCursief")->setChecked(true);
  Kind<QPushButton>("cmdUitlijning1")->setChecked(true);
  Menu("mnuTekstLijnen3");
  ASSERT_EQ(O().AantalVoorwerpen(), 3);
  EXPECT_EQ(O().AantalLijnen(), 3);
  for (int i = 1; i <= 3; ++i) {
    const Voorwerp& v = O().voorwerp(i);
    EXPECT_EQ(v.tekst().Tekst, QStringLiteral("Lijn %1").arg(i));
    EXPECT_EQ(v.tekst().Lettertype, Kind<QComboBox>("cmbLettertype")->currentText());
    EXPECT_EQ(v.tekst().Lettergrootte, 14);
    EXPECT_NEAR(v.Hoogte, 14 / 72.0 * 25.4, 1e-4);
    EXPECT_TRUE(v.tekst().Cursief);
    EXPECT_FALSE(v.tekst().Vet);
    EXPECT_EQ(v.tekst().Uitlijning, 1);
  }
  EXPECT_TRUE(B().Geselecteerd(1));
  EXPECT_EQ(B().AantalGeselecteerd(), 1);
  EXPECT_EQ(B().HuidigeLijn(), 1);
  EXPECT_EQ(Box()->text(), QStringLiteral("Lijn 1"));
  EXPECT_EQ(B().Verborgen, 0);
}

TEST_F(Tekstlijnen, FewerLinesRemoveTheLastLinesAndKeepAFigureAfterThem) {
  Start();
  Kind<QPushButton>("cmdLijnen2")->click();  // the button "3"
  const int fig = NieuweFiguur(0, 0, 10, 10);
  ASSERT_EQ(fig, 4);
  Menu("mnuTekstLijnen2");
  ASSERT_EQ(O().AantalVoorwerpen(), 3);
  EXPECT_EQ(O().voorwerp(1).tekst().Tekst, QStringLiteral("Lijn 1"));
  EXPECT_EQ(O().voorwerp(2).tekst().Tekst, QStringLiteral("Lijn 2"));
  EXPECT_EQ(O().voorwerp(3).Soort(), SoortVoorwerp::Figuur);
  EXPECT_FLOAT_EQ(O().voorwerp(3).Breedte, 10);
  EXPECT_TRUE(B().Geselecteerd(1));
  EXPECT_EQ(B().AantalGeselecteerd(), 1);
}

TEST_F(Tekstlijnen, NewLinesCountTextLinesWhateverTheEarlierOnesSay) {
  Start();
  Menu("mnuTekstLijnen2");
  ZetTekst(1, QStringLiteral("Adres"));
  ZetTekst(2, QStringLiteral("Lijn 9"));
  Menu("mnuTekstLijnen4");
  EXPECT_EQ(O().voorwerp(3).tekst().Tekst, QStringLiteral("Lijn 3"));
  EXPECT_EQ(O().voorwerp(4).tekst().Tekst, QStringLiteral("Lijn 4"));
  EXPECT_TRUE(B().Geselecteerd(3));  // the first new line
}

TEST_F(Tekstlijnen, TheSameCountChangesNothing) {
  Start();
  Menu("mnuTekstLijnen2");
  const size_t stappen = venster->geschiedenis().AantalStappen();
  Kind<QPushButton>("cmdLijnen1")->click();
  EXPECT_EQ(venster->geschiedenis().AantalStappen(), stappen);
  EXPECT_EQ(O().AantalVoorwerpen(), 2);
  EXPECT_TRUE(B().Geselecteerd(1));
}

TEST_F(Tekstlijnen, TypingChangesTheCurrentLineOnly) {
  Etiket& e = Start();
  Menu("mnuTekstLijnen2");
  Box()->setText(QStringLiteral("Kaas 500 g"));
  EXPECT_EQ(O().voorwerp(1).tekst().Tekst, QStringLiteral("Kaas 500 g"));
  EXPECT_EQ(O().voorwerp(2).tekst().Tekst, QStringLiteral("Lijn 2"));
  Q_UNUSED(e);
  venster->bewerker().ZetHuidigeLijn(0);
  Box()->setText(QStringLiteral("nergens"));
  EXPECT_EQ(O().voorwerp(1).tekst().Tekst, QStringLiteral("Kaas 500 g"));
}

TEST_F(Tekstlijnen, EnterMovesToTheNextTextLineSkippingFigures) {
  Start();
  Menu("mnuTekstLijnen1");
  NieuweFiguur(0, 0, 5, 5);
  Menu("mnuTekstLijnen2");  // the new line is element 3
  ZetTekst(3, QStringLiteral("derde"));
  // Back to the first line, then Enter.
  venster->bewerker().ZetHuidigeLijn(0);
  venster->pictEtiket()->DeSelekteerAlles();
  venster->pictEtiket()->SelecteerVoorwerp(1);
  QTest::keyClick(Box(), Qt::Key_Return);
  EXPECT_EQ(B().HuidigeLijn(), 3);
  EXPECT_TRUE(B().Geselecteerd(3));
  EXPECT_FALSE(B().Geselecteerd(1));
  EXPECT_EQ(Box()->text(), QStringLiteral("derde"));
  EXPECT_EQ(Box()->selectedText(), QStringLiteral("derde"));
  // No text line follows: nothing happens.
  QTest::keyClick(Box(), Qt::Key_Return);
  EXPECT_EQ(B().HuidigeLijn(), 3);
  EXPECT_TRUE(B().Geselecteerd(3));
}

TEST_F(Tekstlijnen, MoreLinesDialogReadsTheBoxLeniently) {
  Start();
  MeerLijnen(QStringLiteral("7"));
  EXPECT_EQ(O().AantalLijnen(), 7);
  MeerLijnen(QStringLiteral("3 stuks"));
  EXPECT_EQ(O().AantalLijnen(), 3);
  MeerLijnen(QStringLiteral("12"), /*ok=*/false);  // Annuleren keeps the count
  EXPECT_EQ(O().AantalLijnen(), 3);
  MeerLijnen(QStringLiteral("-4"));
  EXPECT_EQ(O().AantalLijnen(), 0);
  EXPECT_EQ(B().HuidigeLijn(), 0);
  EXPECT_TRUE(meldingen.shown.empty());
  // Words without a number are refused and delete nothing.
  MeerLijnen(QStringLiteral("2"));
  MeerLijnen(QStringLiteral("abc"));
  EXPECT_EQ(O().AantalLijnen(), 2);
  ASSERT_EQ(meldingen.shown.size(), 1u);
  EXPECT_EQ(meldingen.shown[0].title, QStringLiteral("Fout"));
  EXPECT_EQ(meldingen.shown[0].text, QStringLiteral("Geef het aantal lijnen als een getal."));
}

TEST_F(Tekstlijnen, ACountBeyondSixteenBitsIsAnOverflowAndChangesNothing) {
  Start();
  Menu("mnuTekstLijnen2");
  MeerLijnen(QStringLiteral("40000"));
  EXPECT_EQ(O().AantalLijnen(), 2);
  ASSERT_EQ(meldingen.shown.size(), 1u);
  EXPECT_EQ(meldingen.shown[0].title, QStringLiteral("Fout"));
  EXPECT_TRUE(meldingen.shown[0].text.startsWith(QStringLiteral("Overloop")));
  EXPECT_EQ(B().Verborgen, 0);
}

TEST_F(Tekstlijnen, AnEmptyBoxRemovesEveryLineAndHidesTheHandles) {
  Start();
  Menu("mnuTekstLijnen3");
  EXPECT_FALSE(Kind<QWidget>("picHandvat0")->isHidden());
  MeerLijnen(QString());
  EXPECT_EQ(O().AantalVoorwerpen(), 0);
  EXPECT_TRUE(Kind<QWidget>("picHandvat0")->isHidden());
  EXPECT_TRUE(O().IsConsistent());
}

TEST_F(Tekstlijnen, WithAutomaticArrangementNewLinesAreSpreadOverTheLabel) {
  instellingen.write(QStringLiteral("Defaults"), QStringLiteral("Form"), QStringLiteral(" 5"));  // 50 x 30
  Start();
  ASSERT_TRUE(Kind<QCheckBox>("chkAutomatischVerdelen")->isChecked());
  Menu("mnuTekstLijnen2");
  EXPECT_NEAR(O().voorwerp(1).Boven, -7.8222, 1e-3);
  EXPECT_NEAR(O().voorwerp(2).Boven, 3.5889, 1e-3);
  EXPECT_FLOAT_EQ(O().voorwerp(1).Links, -25);
  EXPECT_FLOAT_EQ(O().voorwerp(1).Breedte, 50);
  // A manual stretch switches it off, a new design on again.
  Kind<QCheckBox>("chkAutomatischVerdelen")->setChecked(false);
  ZonderBewaren();
  Menu("mnuNieuwEtiket");
  EXPECT_TRUE(Kind<QCheckBox>("chkAutomatischVerdelen")->isChecked());
}
