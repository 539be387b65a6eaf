#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <functional>

#include "support/FakeMessageService.h"
#include "ui/ReferentiepuntWijzer.h"
#include "ui/frmRondeTekst.h"

using namespace ui;

namespace {

class frmRondeTekstTest : public ::testing::Test {
 protected:
  FakeMessageService meldingen;
  frmRondeTekst dlg{meldingen};

  static RondeTekstGegevens Geldig() {
    RondeTekstGegevens g;
    g.Tekst = QStringLiteral("Typ hier uw tekst");
    g.Lettertype = QStringLiteral("DejaVu Sans");
    g.Lettergrootte = 12;
    g.Uitlijning = 2;
    g.Straal = 20;
    return g;
  }
  void Open(const RondeTekstGegevens& g = Geldig()) {
    dlg.Vul(g);
    dlg.show();
    meldingen.shown.clear();
  }
  template <typename T>
  T* Kind(const char* naam) {
    T* w = dlg.findChild<T*>(QString::fromLatin1(naam));
    EXPECT_NE(w, nullptr) << naam;
    return w;
  }
  QLineEdit* Veld(const char* naam) { return Kind<QLineEdit>(naam); }
  void Klik(const char* knop) { QTest::mouseClick(Kind<QPushButton>(knop), Qt::LeftButton); }
  QString Kader() { return Kind<QGroupBox>("frReferentiepunt")->title(); }
};

}  // namespace

TEST_F(frmRondeTekstTest, ControlsCarryTheirNamesAndCaptions) {
  EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Ronde tekst"));
  EXPECT_EQ(Kind<QGroupBox>("frmTekst")->title(), QStringLiteral("Tekst"));
  EXPECT_EQ(Kind<QGroupBox>("Frame1")->title(), QStringLiteral("Rond zetten"));
  EXPECT_EQ(Kader(), QStringLiteral("Referentiepunt:"));
  EXPECT_EQ(Kind<QPushButton>("cmdOK")->text(), QStringLiteral("OK"));
  EXPECT_EQ(Kind<QPushButton>("cmdAnnuleren")->text(), QStringLiteral("Annuleren"));
  for (const char* naam : {"txtTekst", "txtLettergrootte", "txtStraal", "txtSpatiering", "txtReferentiepunt"}) Veld(naam);
  for (const char* naam : {"cmdVet", "cmdCursief", "cmdUitlijning0", "cmdUitlijning2", "cmdTegenwijzerzin"})
    EXPECT_TRUE(Kind<QPushButton>(naam)->isCheckable()) << naam;
  Kind<QScrollBar>("spinLettergrootte");
  Kind<ReferentiepuntWijzer>("picReferentiepunt");
  QStringList opschriften;
  for (QLabel* l : dlg.findChildren<QLabel*>()) opschriften << l->text();
  for (const char* t : {"Lettertype:", "Lettergrootte:", "Straal (mm):", "mm", "Spatiëring:", "%", "Richting:", "°"})
    EXPECT_TRUE(opschriften.contains(QString::fromUtf8(t))) << t;
  EXPECT_GE(Kind<QComboBox>("cmbLettertype")->findText(QStringLiteral("DejaVu Sans")), 0);
}

TEST_F(frmRondeTekstTest, ModeButtonsNameTheReferencePoint) {
  RondeTekstGegevens g = Geldig();
  g.Uitlijning = 1;
  Open(g);
  EXPECT_EQ(Kader(), QStringLiteral("Eindpunt"));
  Klik("cmdUitlijning0");
  EXPECT_EQ(Kader(), QStringLiteral("Startpunt"));
  EXPECT_FALSE(Kind<QPushButton>("cmdUitlijning1")->isChecked());
  Klik("cmdUitlijning2");
  EXPECT_EQ(Kader(), QStringLiteral("Midden"));
}

TEST_F(frmRondeTekstTest, DialClicksSnapToThirtyDegreeMarks) {
  Open();
  auto* wijzer = Kind<ReferentiepuntWijzer>("picReferentiepunt");
  ASSERT_EQ(wijzer->height() % 2, 0);  // so a click can fall exactly on the centre line
  const int mx = wijzer->width() / 2, my = wijzer->height() / 2;
  auto klik = [&](int dx, int dy) {
    QTest::mouseClick(wijzer, Qt::LeftButton, {}, QPoint(mx + dx, my + dy));
    return Veld("txtReferentiepunt")->text();
  };
  EXPECT_EQ(klik(0, -40), QStringLiteral("0"));
  EXPECT_EQ(klik(-40, -1), QStringLiteral("90"));
  EXPECT_EQ(klik(0, 40), QStringLiteral("180"));
  EXPECT_EQ(klik(40, 1), QStringLiteral("270"));
  EXPECT_EQ(klik(40, -1), QStringLiteral("270"));
  EXPECT_EQ(klik(40, 0), QStringLiteral("-90"));  // exactly on the horizontal line
  EXPECT_EQ(klik(-40, 0), QStringLiteral("90"));
  // 40 degrees goes to 30, 50 to 60, 340 to 330, 350 to 0, 220 to 210.
  EXPECT_EQ(klik(-26, -31), QStringLiteral("30"));
  EXPECT_EQ(klik(-31, -26), QStringLiteral("60"));
  EXPECT_EQ(klik(14, -38), QStringLiteral("330"));
  EXPECT_EQ(klik(7, -39), QStringLiteral("0"));
  EXPECT_EQ(klik(26, 31), QStringLiteral("210"));
}

TEST_F(frmRondeTekstTest, DialMarksTheTypedAngleInRed) {
  Open();
  auto* wijzer = Kind<ReferentiepuntWijzer>("picReferentiepunt");
  auto rood = [&] {
    const QImage img = wijzer->grab().toImage();
    QRect r;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x)
        if (img.pixel(x, y) == qRgb(255, 0, 0)) r |= QRect(x, y, 1, 1);
    return r;
  };
  const QPointF midden(wijzer->width() / 2.0, wijzer->height() / 2.0);
  const double rho = wijzer->height() / 2.0 - 5;
  Veld("txtReferentiepunt")->setText(QStringLiteral("90"));
  QRect r = rood();
  EXPECT_NEAR(r.width(), 5, 1);
  EXPECT_NEAR(QRectF(r).center().x(), midden.x() - rho, 1);  // counter-clockwise from the top: left
  EXPECT_NEAR(QRectF(r).center().y(), midden.y(), 1);
  Veld("txtReferentiepunt")->setText(QStringLiteral("210"));
  r = rood();
  EXPECT_NEAR(QRectF(r).center().x(), midden.x() + rho * 0.5, 1);
  EXPECT_NEAR(QRectF(r).center().y(), midden.y() + rho * 0.866, 1);
  EXPECT_EQ(meldingen.beeps, 0);
  Veld("txtReferentiepunt")->setText(QStringLiteral("zuid"));  // a beep; the marker stays
  EXPECT_EQ(meldingen.beeps, 1);
  EXPECT_EQ(rood(), r);
}

TEST_F(frmRondeTekstTest, SpinArrowsStepTheSizeButNotBelowFour) {
  RondeTekstGegevens g = Geldig();
  g.Lettergrootte = 5;
  Open(g);
  auto* spin = Kind<QScrollBar>("spinLettergrootte");
  auto pijl = [&](QAbstractSlider::SliderAction a) {
    spin->triggerAction(a);
    EXPECT_EQ(spin->value(), 500);
    return Veld("txtLettergrootte")->text();
  };
  EXPECT_EQ(pijl(QAbstractSlider::SliderSingleStepSub), QStringLiteral("6"));  // upper arrow
  EXPECT_EQ(pijl(QAbstractSlider::SliderSingleStepAdd), QStringLiteral("5"));
  EXPECT_EQ(pijl(QAbstractSlider::SliderSingleStepAdd), QStringLiteral("4"));
  EXPECT_EQ(pijl(QAbstractSlider::SliderSingleStepAdd), QStringLiteral("4"));
}

TEST_F(frmRondeTekstTest, WrongFieldsAreRefusedAndTheDialogStaysOpen) {
  const QString getal = QStringLiteral(" een getal in.\nGebruik een punt als decimaalteken.");
  const QString straal = QStringLiteral("De straal moet groter zijn dan de hoogte van de letters:\n");
  const QString hoek = QStringLiteral("Het referentiepunt moet tussen -1000000 en 1000000 graden liggen.");
  const struct {
    const char* veld;
    QString tekst, melding;
  } gevallen[] = {
      {"txtTekst", QStringLiteral("   "), QStringLiteral("Er is geen tekst ingevuld.")},
      {"txtLettergrootte", QString(), QStringLiteral("Vul bij Lettergrootte") + getal},
      {"txtLettergrootte", QStringLiteral("twaalf"), QStringLiteral("Vul bij Lettergrootte") + getal},
      {"txtLettergrootte", QStringLiteral("0.4"), QStringLiteral("De lettergrootte moet minstens 1 punt zijn.")},
      {"txtLettergrootte", QStringLiteral("40000"),
       QStringLiteral("De lettergrootte mag niet groter zijn dan 32767 punten.")},
      {"txtLettergrootte", QStringLiteral("100"), straal + QStringLiteral("bij 100 punten meer dan 35.25 mm.")},
      {"txtStraal", QString(), QStringLiteral("Vul bij Straal") + getal},
      {"txtStraal", QStringLiteral("12,5"), QStringLiteral("Vul bij Straal") + getal},
      {"txtStraal", QStringLiteral("13 mm"), QStringLiteral("Vul bij Straal") + getal},
      {"txtStraal", QStringLiteral("4.25"), straal + QStringLiteral("bij 12 punten meer dan 4.25 mm.")},  // 51 dots
      {"txtStraal", QStringLiteral("-20"), straal + QStringLiteral("bij 12 punten meer dan 4.25 mm.")},
      {"txtStraal", QStringLiteral("501"), QStringLiteral("De straal mag niet groter zijn dan 500 mm.")},
      {"txtSpatiering", QStringLiteral("veel"), QStringLiteral("Vul bij Spatiëring") + getal},
      {"txtReferentiepunt", QString(), QStringLiteral("Vul bij Referentiepunt") + getal},
      {"txtReferentiepunt", QStringLiteral("2000000"), hoek},
      {"txtReferentiepunt", QStringLiteral("-1000000.5"), hoek},
      {"txtReferentiepunt", QStringLiteral("1e30"), hoek},
  };
  for (const auto& g : gevallen) {
    SCOPED_TRACE(::testing::Message() << g.veld << " '" << g.tekst.toStdString() << "'");
    Open();
    Veld(g.veld)->setText(g.tekst);
    Klik("cmdOK");
    ASSERT_EQ(meldingen.shown.size(), 1u);
    EXPECT_EQ(meldingen.shown[0].title, QStringLiteral("Fout"));
    EXPECT_EQ(meldingen.shown[0].icon, platform::MessageService::Icon::Exclamation);
    EXPECT_EQ(meldingen.shown[0].text, g.melding);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_FALSE(dlg.Bevestigd());
    EXPECT_FLOAT_EQ(dlg.Gegevens().Straal, 20);  // still the values it was filled with
  }
  Open();
  Kind<QComboBox>("cmbLettertype")->setEditText(QString());
  Klik("cmdOK");
  ASSERT_EQ(meldingen.shown.size(), 1u);
  EXPECT_EQ(meldingen.shown[0].text, QStringLiteral("Er is geen lettertype gekozen."));
  EXPECT_TRUE(dlg.isVisible());
}

TEST_F(frmRondeTekstTest, OkGivesBackTheFieldsAndHidesTheDialog) {
  RondeTekstGegevens g = Geldig();
  g.Straal = 13;
  Open(g);
  EXPECT_EQ(Veld("txtStraal")->text(), QStringLiteral("13"));
  EXPECT_EQ(Veld("txtTekst")->selectedText(), QStringLiteral("Typ hier uw tekst"));
  Veld("txtTekst")->setText(QStringLiteral("Rond om"));
  Veld("txtLettergrootte")->setText(QStringLiteral("10.5"));  // rounds to the even 10
  Veld("txtStraal")->setText(QStringLiteral(" 3.51 "));        // just above 42 dots, 3.5 mm
  Veld("txtSpatiering")->setText(QStringLiteral("120"));
  Veld("txtReferentiepunt")->setText(QStringLiteral("-90"));
  Klik("cmdCursief");
  Klik("cmdTegenwijzerzin");
  Klik("cmdUitlijning0");
  Klik("cmdOK");
  EXPECT_TRUE(meldingen.shown.empty());
  EXPECT_TRUE(dlg.Bevestigd());
  EXPECT_TRUE(dlg.isHidden());
  const RondeTekstGegevens& uit = dlg.Gegevens();
  EXPECT_EQ(uit.Tekst, QStringLiteral("Rond om"));
  EXPECT_EQ(uit.Lettertype, QStringLiteral("DejaVu Sans"));
  EXPECT_EQ(uit.Lettergrootte, 10);
  EXPECT_TRUE(uit.Cursief && !uit.Vet && !uit.Wijzerzin);
  EXPECT_EQ(uit.Uitlijning, 0);
  EXPECT_FLOAT_EQ(uit.Straal, 3.51f);
  EXPECT_FLOAT_EQ(uit.Spatiering, 120);
  EXPECT_FLOAT_EQ(uit.Referentiepunt, -90);
  EXPECT_EQ(Veld("txtTekst")->text(), QStringLiteral("Rond om"));  // hidden, not destroyed
}

TEST_F(frmRondeTekstTest, AnnulerenAndEveryOtherWayOfClosingCountAsCancel) {
  auto sluit = [&](const std::function<void()>& hoe) {
    Open();
    Klik("cmdOK");
    EXPECT_TRUE(dlg.Bevestigd());
    Open();
    Veld("txtStraal")->setText(QStringLiteral("nul"));  // not looked at
    hoe();
    EXPECT_FALSE(dlg.Bevestigd());
    EXPECT_TRUE(dlg.isHidden());
    EXPECT_TRUE(meldingen.shown.empty());
    EXPECT_FLOAT_EQ(dlg.Gegevens().Straal, 20);
  };
  sluit([&] { Klik("cmdAnnuleren"); });
  sluit([&] { dlg.close(); });
  sluit([&] { QTest::keyClick(&dlg, Qt::Key_Escape); });

  // Shown modally, with a refused OK first: it stays up until corrected.
  RondeTekstGegevens g = Geldig();
  g.Straal = 2;
  dlg.Vul(g);
  QTimer::singleShot(0, &dlg, [this] {
    Klik("cmdOK");
    EXPECT_TRUE(dlg.isVisible());
    Veld("txtStraal")->setText(QStringLiteral("13"));
    Klik("cmdOK");
  });
  EXPECT_TRUE(dlg.Toon());
  EXPECT_EQ(meldingen.shown.size(), 1u);
  dlg.Vul(Geldig());
  QTimer::singleShot(0, &dlg, [this] { Klik("cmdAnnuleren"); });
  EXPECT_FALSE(dlg.Toon());
}
