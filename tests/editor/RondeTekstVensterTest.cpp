#include <QLineEdit>
#include <QPushButton>

#include "support/EtiketOpstelling.h"
#include "ui/frmRondeTekst.h"

using namespace ui;

namespace {
class RondeTekstVenster : public EtiketOpstelling {
 protected:
  // Answers the round-text dialog: remembers its radius and text, may set a
  // text, then OK or Annuleren. Counts the dialogs shown.
  void Beantwoord(bool ok, const QString& tekst = QString()) {
    BeantwoordDialoog<frmRondeTekst>([this, ok, tekst](frmRondeTekst* d) {
      ++getoond;
      straal = d->findChild<QLineEdit*>(QStringLiteral("txtStraal"))->text();
      gezienTekst = d->findChild<QLineEdit*>(QStringLiteral("txtTekst"))->text();
      if (!tekst.isNull()) d->findChild<QLineEdit*>(QStringLiteral("txtTekst"))->setText(tekst);
      d->findChild<QPushButton*>(ok ? QStringLiteral("cmdOK") : QStringLiteral("cmdAnnuleren"))->click();
    });
  }
  void OpFormaat50x30() { instellingen.write(QStringLiteral("Defaults"), QStringLiteral("Form"), QStringLiteral(" 5")); }
  int getoond = 0;
  QString straal, gezienTekst;
};
}  // namespace

TEST_F(RondeTekstVenster, AddingStartsFromTheDefaultsAndCentresTheCircle) {
  OpFormaat50x30();
  Etiket& e = Start();
  Beantwoord(true, QStringLiteral("Rondom het etiket"));
  Menu("mnuRondeTekstToevoegen");
  EXPECT_EQ(getoond, 1);
  EXPECT_EQ(straal, QStringLiteral("13"));
  EXPECT_EQ(gezienTekst, QStringLiteral("Typ hier uw tekst"));
  ASSERT_EQ(O().AantalRondeTeksten(), 1);
  const Voorwerp& v = O().voorwerp(1);
  EXPECT_EQ(v.Soort(), SoortVoorwerp::RondeTekst);
  EXPECT_EQ(v.tekst().Tekst, QStringLiteral("Rondom het etiket"));
  ASSERT_NE(v.beeld().Afbeelding, nullptr);
  EXPECT_NEAR(v.Links + v.cirkel().MiddenX, 0, 0.01);
  EXPECT_TRUE(B().Geselecteerd(1));
  EXPECT_TRUE(Kind<QAction>("mnuRondeTekstWijzigen")->isEnabled());
  // It is drawn on the label like a figure.
  const QRect r = e.beeld().PixelRechthoek(v);
  const QImage stuk = e.beeld().Beeld().copy(r);
  int zwart = 0;
  for (int y = 0; y < stuk.height(); ++y)
    for (int x = 0; x < stuk.width(); ++x) zwart += qGray(stuk.pixel(x, y)) < 64;
  EXPECT_GT(zwart, 20);
}

TEST_F(RondeTekstVenster, AnnulerenAddsNothing) {
  Start();
  Beantwoord(false);
  Kind<QPushButton>("cmdRondeTekstToevoegen")->click();
  EXPECT_EQ(getoond, 1);
  EXPECT_EQ(O().AantalVoorwerpen(), 0);
}

TEST_F(RondeTekstVenster, ConvertingALineAndCancellingKeepsALineWithTheCircleDefaults) {
  OpFormaat50x30();
  Start();
  Menu("mnuTekstLijnen1");
  ZetTekst(1, QStringLiteral("Bewaar mij"));
  Beantwoord(false);
  Menu("mnuTekstOmzetten");
  EXPECT_EQ(getoond, 1);
  EXPECT_EQ(gezienTekst, QStringLiteral("Bewaar mij"));
  const Voorwerp& v = O().voorwerp(1);
  EXPECT_EQ(v.Soort(), SoortVoorwerp::Tekstlijn);
  EXPECT_EQ(v.tekst().Tekst, QStringLiteral("Bewaar mij"));
  EXPECT_FLOAT_EQ(v.cirkel().Straal, 13);
  EXPECT_FLOAT_EQ(v.cirkel().Referentiepunt, 0);
  EXPECT_TRUE(v.cirkel().Wijzerzin);
  EXPECT_EQ(O().AantalLijnen(), 1);
  EXPECT_EQ(O().AantalRondeTeksten(), 0);
  EXPECT_TRUE(O().IsConsistent());
}

TEST_F(RondeTekstVenster, ConvertingALineWithOkMakesARoundTextAndBackWithoutADialog) {
  Start();
  Menu("mnuTekstLijnen1");
  Beantwoord(true);
  Menu("mnuTekstOmzetten");
  ASSERT_EQ(O().voorwerp(1).Soort(), SoortVoorwerp::RondeTekst);
  EXPECT_EQ(O().AantalRondeTeksten(), 1);
  EXPECT_EQ(O().AantalLijnen(), 0);
  EXPECT_EQ(B().HuidigeLijn(), 0);
  EXPECT_EQ(Kind<QAction>("mnuTekstOmzetten")->text(), QStringLiteral("Om&zetten naar rechte tekst"));
  EXPECT_TRUE(O().IsConsistent());
  // Back to a straight line: no dialog at all.
  Beantwoord(true);
  Kind<QPushButton>("cmdTekstConverteren")->click();
  QApplication::processEvents();
  EXPECT_EQ(getoond, 1);
  const Voorwerp& v = O().voorwerp(1);
  EXPECT_EQ(v.Soort(), SoortVoorwerp::Tekstlijn);
  EXPECT_NEAR(v.Hoogte, v.tekst().Lettergrootte / 72.0 * 25.4, 1e-4);
  EXPECT_EQ(O().AantalLijnen(), 1);
  EXPECT_EQ(O().AantalRondeTeksten(), 0);
  EXPECT_EQ(B().HuidigeLijn(), 1);
}

TEST_F(RondeTekstVenster, TheToolbarConversionWantsExactlyOneTextElement) {
  Start();
  Menu("mnuTekstLijnen2");
  Menu("mnuAllesSelekteren");
  Kind<QPushButton>("cmdTekstConverteren")->click();
  ASSERT_EQ(meldingen.shown.size(), 1u);
  EXPECT_EQ(meldingen.shown[0].title, QStringLiteral("Fout"));
  EXPECT_EQ(meldingen.shown[0].text,
            QStringLiteral("Omzetten van tekst werkt alleen\nals er één tekstelement geselecteerd is."));
  EXPECT_EQ(meldingen.shown[0].buttons, platform::MessageService::Buttons::OkCancel);
  EXPECT_EQ(O().AantalLijnen(), 2);
}

TEST_F(RondeTekstVenster, EditingAnUnselectedDesignBeeps) {
  Start();
  Menu("mnuTekstLijnen1");
  venster->pictEtiket()->DeSelekteerAlles();
  venster->tekst().mnuRondeTekstWijzigen_Click();
  EXPECT_EQ(meldingen.beeps, 1);
  EXPECT_EQ(getoond, 0);
}
