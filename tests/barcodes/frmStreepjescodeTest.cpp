#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "support/FakeMessageService.h"
#include "ui/frmStreepjescode.h"

using namespace ui;

namespace {

class frmStreepjescodeTest : public ::testing::Test {
 protected:
  FakeMessageService meldingen;
  QString gekozenCode = QStringLiteral("[#]");
  frmStreepjescode dlg{meldingen, [this] { return gekozenCode; }};

  template <typename T>
  T* Kind(const char* naam) {
    T* w = dlg.findChild<T*>(QString::fromLatin1(naam));
    EXPECT_NE(w, nullptr) << naam;
    return w;
  }
  void Kies(const char* soort) {
    auto* c = Kind<QComboBox>("cmbSoort");
    c->setCurrentIndex(c->findText(QString::fromUtf8(soort)));
  }
  // Shows the dialog modally, with the user's steps run once it is up.
  bool Toon(Streepjescode& code, std::function<void()> stappen) {
    QTimer::singleShot(0, [this, stappen] {
      stappen();
      // Whatever the steps left open is cancelled, so the test never hangs.
      if (dlg.isVisible()) dlg.reject();
    });
    return dlg.Toon(code);
  }
  void OK() { Kind<QPushButton>("cmdOK")->click(); }
};

}  // namespace

TEST_F(frmStreepjescodeTest, DataThatDoesNotSuitTheTypeIsRefusedAndTheDialogStaysOpen) {
  Streepjescode code;
  const Streepjescode voor = code;
  bool bleefOpen = false;
  ASSERT_TRUE(Toon(code, [&] {
    Kies("EAN-13");
    Kind<QLineEdit>("txtGegevens")->setText(QStringLiteral("12345"));
    OK();
    bleefOpen = dlg.isVisible();
    Kind<QLineEdit>("txtGegevens")->setText(QStringLiteral("590123412345"));
    Kind<QComboBox>("cmbModulebreedte")->setCurrentIndex(3);
    Kind<QLineEdit>("txtHoogte")->setText(QStringLiteral("22.5"));
    Kind<QCheckBox>("chkTekstTonen")->setChecked(false);
    OK();
  }));
  EXPECT_TRUE(bleefOpen);
  ASSERT_EQ(meldingen.shown.size(), 1u);
  EXPECT_EQ(meldingen.shown[0].title, QStringLiteral("Fout"));
  EXPECT_EQ(meldingen.shown[0].text, QStringLiteral("Een EAN-13 bestaat uit 12 of 13 cijfers."));
  EXPECT_EQ(code.Soort, StreepjescodeSoort::Ean13);
  EXPECT_EQ(code.Gegevens, QStringLiteral("590123412345"));
  EXPECT_EQ(code.Modulebreedte, 3);
  EXPECT_FLOAT_EQ(code.Hoogte, 22.5f);
  EXPECT_FALSE(code.TekstTonen);
  EXPECT_NE(code, voor);
}

TEST_F(frmStreepjescodeTest, AHeightThatIsNoUsableNumberIsRefusedForLinearCodesOnly) {
  for (const char* hoogte : {"abc", "0.5", "1e9", ""}) {
    Streepjescode code;
    code.Gegevens = QStringLiteral("ABC-1");
    meldingen.shown.clear();
    EXPECT_FALSE(Toon(code, [&] {
      Kind<QLineEdit>("txtHoogte")->setText(QString::fromLatin1(hoogte));
      OK();
    })) << hoogte;
    ASSERT_EQ(meldingen.shown.size(), 1u) << hoogte;
    EXPECT_EQ(meldingen.shown[0].text, QStringLiteral("Geef de hoogte in mm, van 1 tot 1000."));
  }
  // A two-dimensional code has no height and no human-readable line.
  Streepjescode qr;
  meldingen.shown.clear();
  bool hoogteUit = false, tekstUit = false;
  EXPECT_TRUE(Toon(qr, [&] {
    Kies("QR Code");
    hoogteUit = !Kind<QLineEdit>("txtHoogte")->isEnabled();
    tekstUit = !Kind<QCheckBox>("chkTekstTonen")->isEnabled();
    Kind<QLineEdit>("txtHoogte")->setText(QStringLiteral("abc"));
    Kind<QLineEdit>("txtGegevens")->setText(QStringLiteral("https://vellora.example/42"));
    OK();
  }));
  EXPECT_TRUE(hoogteUit);
  EXPECT_TRUE(tekstUit);
  EXPECT_TRUE(meldingen.shown.empty());
  EXPECT_EQ(qr.Soort, StreepjescodeSoort::QrCode);
}

TEST_F(frmStreepjescodeTest, NumberingCodesAreInsertedAtTheCursorAndCheckedOnlyPerCopy) {
  Streepjescode code;
  code.Soort = StreepjescodeSoort::Ean13;
  code.Gegevens = QStringLiteral("590123");
  ASSERT_TRUE(Toon(code, [&] {
    auto* gegevens = Kind<QLineEdit>("txtGegevens");
    gegevens->deselect();
    gegevens->setCursorPosition(6);
    Kind<QPushButton>("cmdNummering")->click();
    OK();
  }));
  EXPECT_TRUE(meldingen.shown.empty());
  EXPECT_EQ(code.Gegevens, QStringLiteral("590123[#]"));

  // Cancelled, the description stays as it was.
  const Streepjescode voor = code;
  EXPECT_FALSE(Toon(code, [&] {
    Kies("Code 39");
    Kind<QLineEdit>("txtGegevens")->setText(QStringLiteral("ANDERS"));
    Kind<QPushButton>("cmdAnnuleren")->click();
  }));
  EXPECT_EQ(code, voor);
}

TEST_F(frmStreepjescodeTest, TheModuleIsShownInMillimetresAndOutsideItsRangeWarnedAbout) {
  dlg.ZetPuntenPerMm(12);
  Streepjescode code;
  Toon(code, [&] {
    auto* module = Kind<QComboBox>("cmbModulebreedte");
    auto* uitleg = Kind<QLabel>("lblModuleMm");
    Kies("EAN-13");
    module->setCurrentIndex(module->findData(3));
    EXPECT_EQ(uitleg->text(),
              QStringLiteral("3 punten = 0,25 mm. Let op: kleiner dan de 0,264 mm die een EAN-13 vraagt; de scanner "
                             "leest ze misschien niet."));
    module->setCurrentIndex(module->findData(4));
    EXPECT_EQ(uitleg->text(), QStringLiteral("4 punten = 0,333 mm."));
    module->setCurrentIndex(module->findData(8));
    EXPECT_EQ(uitleg->text(),
              QStringLiteral("8 punten = 0,667 mm. Let op: groter dan de 0,66 mm die een EAN-13 ten hoogste heeft."));
    Kies("QR Code");
    module->setCurrentIndex(module->findData(1));
    EXPECT_EQ(uitleg->text(), QStringLiteral("1 punt = 0,0833 mm. Let op: kleiner dan 2 punten; de scanner leest ze "
                                             "misschien niet."));
    module->setCurrentIndex(module->findData(0));
    EXPECT_EQ(uitleg->text(), QStringLiteral("Automatisch: ten minste 2 punten = 0,167 mm."));
  });
  dlg.ZetPuntenPerMm(8);
  Toon(code, [&] {
    Kies("EAN-13");
    Kind<QComboBox>("cmbModulebreedte")->setCurrentIndex(0);
    EXPECT_EQ(Kind<QLabel>("lblModuleMm")->text(),
              QStringLiteral("Automatisch: ten minste 3 punten = 0,375 mm, ten hoogste 5 punten = 0,625 mm."));
  });
}

TEST_F(frmStreepjescodeTest, RetailCodesStartAtGs1sNominalHeightForTheirModule) {
  // GS1: 22.85 mm of bars at 0.33 mm, in proportion to the module; the line
  // under them (8 modules, at least 2 mm) comes on top.
  Streepjescode code;
  dlg.ZetPuntenPerMm(12);
  Toon(code, [&] {
    auto* hoogte = Kind<QLineEdit>("txtHoogte");
    Kies("EAN-13");  // automatic: 4 dots = 1/3 mm, line 32 dots
    EXPECT_EQ(hoogte->text(), QStringLiteral("25.75"));  // 22.85 / 0.99 + 2.667
    Kind<QCheckBox>("chkTekstTonen")->setChecked(false);
    EXPECT_EQ(hoogte->text(), QStringLiteral("23.08"));
    auto* module = Kind<QComboBox>("cmbModulebreedte");
    module->setCurrentIndex(module->findData(5));  // 5/12 mm
    EXPECT_EQ(hoogte->text(), QStringLiteral("28.85"));
    Kies("EAN-8");  // 18.23 mm at 0.33 mm
    EXPECT_EQ(hoogte->text(), QStringLiteral("23.02"));
    // A height the user typed stays.
    hoogte->setText(QStringLiteral("20"));
    Kies("UPC-A");
    EXPECT_EQ(hoogte->text(), QStringLiteral("20"));
  });
  dlg.ZetPuntenPerMm(8);
  Toon(code, [&] {
    Kind<QCheckBox>("chkTekstTonen")->setChecked(true);
    Kies("UPC-A");  // automatic: 3 dots = 0.375 mm, line 24 dots = 3 mm
    EXPECT_EQ(Kind<QLineEdit>("txtHoogte")->text(), QStringLiteral("28.97"));
    // Other codes keep the height they have.
    Kies("Code 128");
    EXPECT_EQ(Kind<QLineEdit>("txtHoogte")->text(), QStringLiteral("28.97"));
  });
}
