#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "support/EtiketOpstelling.h"
#include "ui/frmStreepjescode.h"

using namespace ui;

namespace {
class StreepjescodeVenster : public EtiketOpstelling {
 protected:
  // Answers the barcode dialog with a type and data, then OK.
  void Beantwoord(const char* soort, const QString& gegevens) {
    BeantwoordDialoog<frmStreepjescode>([soort, gegevens](frmStreepjescode* d) {
      auto* c = d->findChild<QComboBox*>(QStringLiteral("cmbSoort"));
      c->setCurrentIndex(c->findText(QString::fromUtf8(soort)));
      d->findChild<QLineEdit*>(QStringLiteral("txtGegevens"))->setText(gegevens);
      d->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
      // Refused data leaves it open: cancelled, so a failing test ends.
      if (d->isVisible()) d->reject();
    });
  }
  QByteArray Begin(const QString& pad, int n = 4) {
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) ? f.read(n) : QByteArray();
  }
  const QString versie2 = QStringLiteral("Vellora 3.0 (*.VLO *.vlo)");
  const QString versie4 = QStringLiteral("Vellora 4.0 (*.VLO *.vlo)");
};
}  // namespace

TEST_F(StreepjescodeVenster, AddedThroughItsDialogChangedByDoubleClickAndUndone) {
  Etiket& e = Start();
  Beantwoord("EAN-13", QStringLiteral("590123412345"));
  Menu("mnuStreepjescodeToevoegen");
  ASSERT_EQ(O().AantalStreepjescodes(), 1);
  const Voorwerp& v = O().voorwerp(1);
  EXPECT_EQ(v.code().Soort, StreepjescodeSoort::Ean13);
  EXPECT_EQ(v.code().Gegevens, QStringLiteral("590123412345"));
  EXPECT_TRUE(B().Geselecteerd(1));
  EXPECT_EQ(e.beeld().Beeld(), e.beeld().Volledig());

  // A double click on the selected barcode opens it for changing.
  Beantwoord("Code 128", QStringLiteral("Zending [#]"));
  emit e.pictEtiket()->DubbelKlik(QPointF(v.Links + v.Breedte / 2, v.Boven + v.Hoogte / 2));
  EXPECT_EQ(O().voorwerp(1).code().Soort, StreepjescodeSoort::Code128);
  EXPECT_EQ(O().voorwerp(1).code().Gegevens, QStringLiteral("Zending [#]"));
  EXPECT_EQ(e.beeld().Beeld(), e.beeld().Volledig());

  Menu("mnuOngedaan");
  EXPECT_EQ(O().voorwerp(1).code().Soort, StreepjescodeSoort::Ean13);
  Menu("mnuOngedaan");
  EXPECT_EQ(O().AantalStreepjescodes(), 0);
  EXPECT_EQ(e.beeld().Beeld(), e.beeld().Volledig());
}

TEST_F(StreepjescodeVenster, ADesignWithBarcodesIsSavedAsVersionFourOrAskedAboutFirst) {
  Start();
  Menu("mnuTekstLijnen1");
  Beantwoord("QR Code", QStringLiteral("https://vellora.example/1"));
  Menu("mnuStreepjescodeToevoegen");

  // Save as offers the version that keeps barcodes.
  const QString pad = tmp.path(QStringLiteral("codes.VLO"));
  bestanden.answers.push_back({pad, versie4});
  Menu("mnuOpslaanAls");
  EXPECT_EQ(bestanden.lastPreselected, versie4);
  EXPECT_EQ(Begin(pad), QByteArray("WS\0\0", 4));
  EXPECT_EQ(O().BestType, 3);
  // A plain save keeps that version, asking nothing.
  meldingen.shown.clear();
  Menu("mnuTekstLijnen2");
  Menu("mnuOpslaan");
  EXPECT_TRUE(meldingen.shown.empty());
  EXPECT_EQ(Begin(pad), QByteArray("WS\0\0", 4));

  // An older version asks first: Annuleren writes nothing, Ja keeps the
  // barcodes in 4.0, Nee drops them into 3.0.
  const QString ouder = tmp.path(QStringLiteral("ouder.VLO"));
  bestanden.answers.push_back({ouder, versie2});
  meldingen.answers.push_back(platform::MessageService::Answer::Cancel);
  Menu("mnuOpslaanAls");
  ASSERT_EQ(meldingen.shown.size(), 1u);
  EXPECT_EQ(meldingen.shown[0].text,
            QStringLiteral("Dit ontwerp bevat streepjescodes. Die kunnen in een bestand van Vellora 3.0 niet bewaard "
                           "worden. Bewaren als Vellora 4.0?"));
  EXPECT_FALSE(QFile::exists(ouder));
  bestanden.answers.push_back({ouder, versie2});
  meldingen.answers.push_back(platform::MessageService::Answer::Yes);
  Menu("mnuOpslaanAls");
  EXPECT_EQ(Begin(ouder), QByteArray("WS\0\0", 4));
  bestanden.answers.push_back({ouder, versie2});
  meldingen.answers.push_back(platform::MessageService::Answer::Yes);  // replace it
  meldingen.answers.push_back(platform::MessageService::Answer::No);
  Menu("mnuOpslaanAls");
  EXPECT_EQ(Begin(ouder), QByteArray("VS\0\0", 4));
  EXPECT_EQ(O().AantalStreepjescodes(), 1);  // the design itself keeps it
}

TEST_F(StreepjescodeVenster, ACopyWhoseCodeCannotBeEncodedStopsTheJobWithAMessage) {
  const QString poort = tmp.path(QStringLiteral("printer.out"));
  instellingen.write(QStringLiteral("Defaults"), QStringLiteral("Printer1"), poort);
  instellingen.write(QStringLiteral("Defaults"), QStringLiteral("UseStartPosition"), QStringLiteral("False"));
  Start();
  // Numbers 45 to 105: the first and last copies are whole EAN-13s, copy
  // 100 gets a wrong check digit.
  venster->nummering().NummerVan = 45;
  venster->nummering().NummerTot = 105;
  venster->nummering().NummerStap = 1;
  Beantwoord("EAN-13", QStringLiteral("5901234123[#]"));
  Menu("mnuStreepjescodeToevoegen");
  ASSERT_EQ(O().AantalStreepjescodes(), 1) << (meldingen.shown.empty() ? "" : meldingen.shown[0].text.toStdString());
  // Copy 1 has no symbol to size the box by: wide enough for GS1's smallest module.
  Plaats(1, -22.5f, -10, 45, 20);
  meldingen.shown.clear();
  Kind<QPushButton>("cmdStartAfdrukken")->click();
  WachtOpAfdruk();
  ASSERT_EQ(meldingen.shown.size(), 1u);
  EXPECT_EQ(meldingen.shown[0].title, QStringLiteral("Fout"));
  EXPECT_EQ(meldingen.shown[0].text,
            QStringLiteral("Streepjescode 1, exemplaar 100: Het controlecijfer klopt niet: het moet 5 zijn.\n\n"
                           "55 etiketten zijn afgedrukt."));
  QFile f(poort);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray uit = f.readAll();
  // The labels before it went out, their sheet closed.
  EXPECT_EQ(uit.count("\x1bGB"), 100 - 45);
  EXPECT_TRUE(uit.endsWith("\x1bZ"));
}

TEST_F(StreepjescodeVenster, ABarcodeNotWhollyOnTheLabelIsPointedOutAboveThePicture) {
  Etiket& e = Start();
  // Far wider than the label: it cannot lie on it.
  Beantwoord("Code 128", QString(60, u'X'));
  Menu("mnuStreepjescodeToevoegen");
  ASSERT_EQ(O().AantalStreepjescodes(), 1);
  auto* melding = e.findChild<QLabel*>(QStringLiteral("lblStreepjescode"));
  ASSERT_NE(melding, nullptr);
  EXPECT_TRUE(melding->isVisible());
  EXPECT_EQ(melding->text(),
            QStringLiteral("Streepjescode 1 ligt niet helemaal op het etiket; afgesneden is ze niet te lezen."));
  // The notice is no part of the label's picture.
  EXPECT_EQ(e.beeld().Beeld(), e.beeld().Volledig());

  Menu("mnuOngedaan");
  EXPECT_EQ(O().AantalStreepjescodes(), 0);
  EXPECT_FALSE(melding->isVisible());
  // A barcode that fits shows nothing.
  Beantwoord("Code 128", QStringLiteral("VL-1"));
  Menu("mnuStreepjescodeToevoegen");
  EXPECT_FALSE(melding->isVisible());
  EXPECT_EQ(e.beeld().Beeld(), e.beeld().Volledig());
}
