#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "support/FakeMessageService.h"
#include "ui/frmStreepjescode.h"

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
