// The print preview: the job's own stream read back, shown dot for dot.
#include <QBuffer>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "printing/Job.h"
#include "printing/Sbpl.h"
#include "support/EtiketOpstelling.h"
#include "ui/AfdrukVoorbeeld.h"

using namespace ui;

namespace {

class Afdrukvoorbeeld : public EtiketOpstelling {
 protected:
  QString poort;

  void SetUp() override {
    poort = tmp.path(QStringLiteral("printer.out"));
    Zet("Printer1", poort);
  }
  void Zet(const char* sleutel, const QString& waarde) {
    instellingen.write(QStringLiteral("Defaults"), QString::fromLatin1(sleutel), waarde);
  }
  void Nummers(int tot) {
    Menu("mnuTekstLijnen1");
    ZetTekst(1, QStringLiteral("Nr [#]"));
    Nummering& n = venster->nummering();
    n.NummerVan = 1;
    n.NummerTot = qint16(tot);
    n.NummerStap = 1;
  }
  // Opens the preview and hands it to `doe` once its job has run.
  void Voorbeeld(std::function<void(AfdrukVoorbeeld*)> doe) {
    bool gezien = false;
    BijDialoog<AfdrukVoorbeeld>([&](AfdrukVoorbeeld* d) {
      gezien = true;
      doe(d);
      if (d->isVisible()) d->reject();
    });
    Menu("mnuAfdrukvoorbeeld");
    EXPECT_TRUE(QTest::qWaitFor([&] { return gezien; }, 60000));
    WachtOpAfdruk();
  }
  // Sheet n (from 1) of the window's job, run straight into memory.
  QImage Vel(int n, qint16 aantal) { return sbpl::Lees(JobStroom(aantal)).vellen.at(size_t(n - 1)).Afbeelding(); }
  // The shown sheet is the stream's dots on the whole sheet of paper: those
  // dots at the top left, white paper beyond them.
  bool OpPapier(const QImage& getoond, const QImage& vel) {
    const EtiketFormaat& f = venster->HuidigEtiketFormaat();
    const int ppm = venster->instellingen().Printer == 1 ? 8 : 12;
    const QSize papier = vel.size().expandedTo(QSize(qRound(f.VelBreedte * ppm), qRound(f.VelHoogte * ppm)));
    if (getoond.size() != papier) return false;
    for (int y = 0; y < papier.height(); ++y)
      for (int x = 0; x < papier.width(); ++x)
        if (getoond.pixel(x, y) != (vel.rect().contains(x, y) ? vel.pixel(x, y) : qRgb(255, 255, 255))) return false;
    return true;
  }
  static void Zoom(AfdrukVoorbeeld* d, const QString& stap) {
    auto* zoom = d->findChild<QComboBox*>(QStringLiteral("cmbZoom"));
    zoom->setCurrentIndex(zoom->findText(stap));
  }
  static QImage Getoond(AfdrukVoorbeeld* d) {
    return d->findChild<QLabel*>(QStringLiteral("imgVel"))->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
  }
  static QString Tekst(AfdrukVoorbeeld* d, const char* naam) {
    return d->findChild<QLabel*>(QString::fromLatin1(naam))->text();
  }
  static QPushButton* Knop(AfdrukVoorbeeld* d, const char* naam) {
    return d->findChild<QPushButton*>(QString::fromLatin1(naam));
  }
};

TEST_F(Afdrukvoorbeeld, ShowsAtOneToOneTheSheetsThePrinterGetsAndItsButtonPrintsThem) {
  Zet("Form", QStringLiteral(" 5"));  // 50 x 30, two across, three down
  Start();
  ASSERT_TRUE(Kind<QAction>("mnuSpaarstand")->isChecked());
  Nummers(8);
  Kind<QLineEdit>("txtAantal")->setText(QStringLiteral("1"));
  std::vector<QImage> getoond;
  Voorbeeld([&](AfdrukVoorbeeld* d) {
    // The preview printed nothing, and the sheet it ends inside is not held open.
    EXPECT_FALSE(QFile::exists(poort));
    EXPECT_FALSE(venster->velStand().VelOpen);
    EXPECT_TRUE(meldingen.shown.empty());
    EXPECT_EQ(Tekst(d, "lblVel"), QStringLiteral("Vel 1 van 2"));
    EXPECT_FALSE(d->findChild<QLabel*>(QStringLiteral("lblMeer"))->isVisibleTo(d));
    Zoom(d, QStringLiteral("1:1 (printerpunten)"));
    getoond.push_back(Getoond(d));
    Knop(d, "cmdVolgende")->click();
    EXPECT_EQ(Tekst(d, "lblVel"), QStringLiteral("Vel 2 van 2"));
    EXPECT_EQ(Tekst(d, "lblAantal"), QString());
    getoond.push_back(Getoond(d));
    Knop(d, "cmdAfdrukken")->click();
  });
  WachtOpAfdruk();
  QFile f(poort);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const sbpl::Lezing l = sbpl::Lees(f.readAll());
  ASSERT_TRUE(l.fout.isEmpty()) << l.fout.toStdString();
  ASSERT_EQ(l.vellen.size(), 2u);
  ASSERT_EQ(getoond.size(), 2u);
  for (size_t i = 0; i < 2; ++i) {
    const QImage vel = l.vellen[i].Afbeelding().convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(OpPapier(getoond[i], vel)) << i;
  }
  // The real job holds the last sheet open, as economy mode asks.
  EXPECT_TRUE(venster->velStand().VelOpen);
  EXPECT_EQ(l.vellen[1].labels.size(), 2u);
}

TEST_F(Afdrukvoorbeeld, ALongJobShowsItsFirstFiftySheetsSaysSoAndZoomsDotForDot) {
  Zet("Form", QStringLiteral(" 1"));  // one label to a sheet
  Zet("UseStartPosition", QStringLiteral("False"));
  Start();
  Nummers(60);
  Kind<QLineEdit>("txtAantal")->setText(QStringLiteral("2"));
  Voorbeeld([&](AfdrukVoorbeeld* d) {
    EXPECT_EQ(Tekst(d, "lblVel"), QStringLiteral("Vel 1 van 60"));
    EXPECT_EQ(Tekst(d, "lblTotaal"), QStringLiteral("Totaal: 2 \u00D7 60 nummers = 120 etiketten"));
    // Each number's two copies are one sheet printed twice.
    EXPECT_EQ(Tekst(d, "lblAantal"), QStringLiteral("2 keer afgedrukt"));
    EXPECT_TRUE(d->findChild<QLabel*>(QStringLiteral("lblMeer"))->isVisibleTo(d));
    EXPECT_EQ(Tekst(d, "lblMeer"),
              QStringLiteral("De afdruk telt 60 vellen; het voorbeeld toont alleen de eerste 50."));
    EXPECT_FALSE(Knop(d, "cmdVorige")->isEnabled());
    for (int i = 0; i < 60 && Knop(d, "cmdVolgende")->isEnabled(); ++i) Knop(d, "cmdVolgende")->click();
    EXPECT_EQ(Tekst(d, "lblVel"), QStringLiteral("Vel 50 van 60"));
    EXPECT_TRUE(Knop(d, "cmdVorige")->isEnabled());
    Knop(d, "cmdVorige")->click();
    EXPECT_EQ(Tekst(d, "lblVel"), QStringLiteral("Vel 49 van 60"));

    // One screen pixel per printer dot: sheet 49 of the job's own stream.
    Zoom(d, QStringLiteral("1:1 (printerpunten)"));
    const QImage punten = Getoond(d);
    EXPECT_TRUE(OpPapier(punten, Vel(49, 2).convertToFormat(QImage::Format_RGB32)));
    Zoom(d, QStringLiteral("200%"));
    const QImage dubbel = Getoond(d);
    ASSERT_EQ(dubbel.size(), punten.size() * 2);
    int zwart = 0;
    for (int y = 0; y < punten.height(); ++y)
      for (int x = 0; x < punten.width(); ++x) {
        const QRgb p = punten.pixel(x, y);
        if (qGray(p) < 128) ++zwart;
        ASSERT_EQ(dubbel.pixel(2 * x + 1, 2 * y + 1), p) << x << "," << y;
      }
    EXPECT_GT(zwart, 0);
    Knop(d, "cmdSluiten")->click();
  });
  EXPECT_FALSE(QFile::exists(poort));
}

}  // namespace
