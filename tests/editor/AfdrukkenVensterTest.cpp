#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <tuple>

#include "printing/CsvLijst.h"
#include "printing/Sbpl.h"
#include "printing/StreepjescodeOpdrachten.h"
#include "printing/Uitvoer.h"
#include "printing/Zpl.h"
#include "support/EtiketOpstelling.h"
#include "support/Netwerkluisteraar.h"
#include "ui/NummeringDialoog.h"
#include "ui/PrinterDialoog.h"
#include "ui/VerschuivingDialoog.h"

using namespace ui;

namespace {
class Afdrukken : public EtiketOpstelling {
 protected:
  QString poort;  // the file port 1 writes to

  void SetUp() override {
    poort = tmp.path(QStringLiteral("printer.out"));
    Zet("Printer1", poort);
    Zet("Form", QStringLiteral(" 5"));  // 50 x 30, two across, three down
  }
  void Zet(const char* sleutel, const QString& waarde) {
    instellingen.write(QStringLiteral("Defaults"), QString::fromLatin1(sleutel), waarde);
  }
  QByteArray Uitvoer() {
    QFile f(poort);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  void Druk(const QString& aantal) {
    Kind<QLineEdit>("txtAantal")->setText(aantal);
    Kind<QPushButton>("cmdStartAfdrukken")->click();
    WachtOpAfdruk();
  }
  sbpl::Lezing Lees() { return sbpl::Lees(Uitvoer()); }
  // The window on a design of one line "Nr [#]", numbered 1 to `tot`.
  void Genummerd(qint16 tot) {
    Zet("UseStartPosition", QStringLiteral("False"));
    Start();
    Menu("mnuTekstLijnen1");
    ZetTekst(1, QStringLiteral("Nr [#]"));
    venster->nummering().NummerVan = 1;
    venster->nummering().NummerTot = tot;
    venster->nummering().NummerStap = 1;
  }
};
}  // namespace

TEST_F(Afdrukken, AJobGoesToThePortFileAsSheets) {
  Zet("UseStartPosition", QStringLiteral("False"));
  Start();
  Menu("mnuTekstLijnen1");
  ZetTekst(1, QStringLiteral("Nr [#]"));
  Druk(QStringLiteral("7"));
  const sbpl::Lezing l = Lees();
  ASSERT_TRUE(l.fout.isEmpty()) << l.fout.toStdString();
  ASSERT_EQ(l.vellen.size(), 2u);
  EXPECT_EQ(l.vellen[0].labels.size(), 6u);
  EXPECT_EQ(l.vellen[0].aantal, 1);
  EXPECT_EQ(l.vellen[0].snelheid, 1);
  EXPECT_EQ(l.vellen[0].intensiteit, 5);
  EXPECT_EQ(l.vellen[1].labels.size(), 1u);
  EXPECT_TRUE(l.vellen[1].gesloten);
  // 50 mm at 8 dots per mm: model 1 is the VL200.
  EXPECT_EQ(l.vellen[0].labels[0].beeld.width(), 400);
  EXPECT_EQ(l.vellen[0].labels[1].H, 53 * 8 + 3 * 8);
  EXPECT_FALSE(venster->velStand().VelOpen);
  EXPECT_EQ(O().voorwerp(1).tekst().Tekst, QStringLiteral("Nr [#]"));
  EXPECT_TRUE(meldingen.shown.empty());
  EXPECT_TRUE(processen.started.empty());
}

TEST_F(Afdrukken, EconomyModeHandsEachJobsOwnBytesToTheAfterJobCommandTellsOnceAndClosesWhenSwitchedOff) {
  Zet("Shell1", QStringLiteral("stuur-door"));
  // What the command finds in the port file, each time it starts.
  QByteArray doorgegeven;
  std::vector<QByteArray> stukken;
  processen.bijStart = [&](const FakeProcessStarter::Start&) {
    stukken.push_back(Uitvoer());
    doorgegeven += stukken.back();
  };
  Start();
  ASSERT_TRUE(Kind<QAction>("mnuSpaarstand")->isChecked());
  Menu("mnuTekstLijnen1");
  Druk(QStringLiteral("2"));
  EXPECT_TRUE(venster->velStand().VelOpen);
  EXPECT_EQ(venster->velStand().VolgendeRij, 2);
  ASSERT_EQ(meldingen.shown.size(), 1u);
  EXPECT_EQ(meldingen.shown[0].title, QStringLiteral("Spaarstand"));
  EXPECT_EQ(meldingen.shown[0].text, QStringLiteral("De spaarstand staat ingeschakeld.\n\nDe informatie werd "
                                                    "doorgestuurd naar de\nprinter, maar wordt nog niet afgedrukt"));
  Druk(QStringLiteral("2"));
  Druk(QStringLiteral("1"));
  EXPECT_EQ(meldingen.shown.size(), 1u);  // once per run
  EXPECT_EQ(venster->velStand().VolgendeRij, 3);
  Menu("mnuSpaarstand");
  EXPECT_FALSE(venster->velStand().VelOpen);
  EXPECT_FALSE(Kind<QAction>("mnuSpaarstand")->isChecked());
  // Five labels reach the printer once each, on one sheet with one header,
  // and the closing hands over only what closes it.
  ASSERT_EQ(stukken.size(), 4u);
  EXPECT_EQ(stukken[3], QByteArray("\x1bQ000001\x1bZ"));
  EXPECT_EQ(Uitvoer(), stukken[3]);
  const sbpl::Lezing l = sbpl::Lees(doorgegeven);
  ASSERT_TRUE(l.fout.isEmpty()) << l.fout.toStdString();
  ASSERT_EQ(l.vellen.size(), 1u);
  EXPECT_EQ(l.vellen[0].labels.size(), 5u);
  EXPECT_TRUE(l.vellen[0].metKop);
  EXPECT_EQ(l.vellen[0].aantal, 1);
  EXPECT_TRUE(l.vellen[0].gesloten);
  EXPECT_EQ(doorgegeven.count("\x1b" "A"), 1);
}

TEST_F(Afdrukken, OnAZplPrinterEconomyModeHoldsOnlyARowLeftOpenAndSendsNothingWhenNoneIs) {
  Zet("Shell1", QStringLiteral("stuur-door"));
  Zet("Printer", QStringLiteral("3"));  // ZPL, 8 dots per mm
  std::vector<QByteArray> stukken;
  processen.bijStart = [&](const FakeProcessStarter::Start&) { stukken.push_back(Uitvoer()); };
  Start();
  ASSERT_TRUE(Kind<QAction>("mnuSpaarstand")->isChecked());
  Menu("mnuTekstLijnen1");
  // Two labels fill the first row, which is printed; the sheet goes on at row 2.
  Druk(QStringLiteral("2"));
  EXPECT_TRUE(venster->velStand().VelOpen);
  EXPECT_EQ(venster->velStand().VolgendeRij, 2);
  EXPECT_EQ(stukken.size(), 1u);
  EXPECT_TRUE(stukken.back().endsWith("^PQ1^XZ\r\n"));
  // Nothing waits in the printer: switching economy mode off sends nothing.
  Menu("mnuSpaarstand");
  EXPECT_FALSE(venster->velStand().VelOpen);
  EXPECT_EQ(stukken.size(), 1u);
  // One label leaves its row open; closing it sends only the row's end.
  Menu("mnuSpaarstand");
  Druk(QStringLiteral("1"));
  ASSERT_EQ(stukken.size(), 2u);
  EXPECT_FALSE(stukken.back().endsWith("^XZ\r\n"));
  Menu("mnuSpaarstand");
  ASSERT_EQ(stukken.size(), 3u);
  EXPECT_EQ(stukken.back(), QByteArray("^PQ1^XZ\r\n"));
  const Stroomlezing l = printing::Lees(zpl::Taal(), stukken[1] + stukken[2]);
  ASSERT_TRUE(l.fout.isEmpty()) << l.fout.toStdString();
  ASSERT_EQ(l.vellen.size(), 1u);
  EXPECT_TRUE(l.vellen[0].gesloten);
  EXPECT_EQ(l.vellen[0].aantal, 1);
}

TEST_F(Afdrukken, ClosingTheWindowFinishesAHeldSheet) {
  Etiket& e = Start();
  Menu("mnuTekstLijnen1");
  Druk(QStringLiteral("1"));
  ASSERT_TRUE(e.velStand().VelOpen);
  ZonderBewaren();
  e.close();
  EXPECT_EQ(Uitvoer(), QByteArray("\x1bQ000001\x1bZ"));
}

TEST_F(Afdrukken, APortThatCannotBeWrittenIsNamedAndNothingChanges) {
  Zet("Printer1", tmp.path(QStringLiteral("geen/map/printer")));
  Start();
  Menu("mnuTekstLijnen1");
  Druk(QStringLiteral("1"));
  ASSERT_EQ(meldingen.shown.size(), 1u);
  EXPECT_EQ(meldingen.shown[0].title, QStringLiteral("Fout"));
  EXPECT_TRUE(meldingen.shown[0].text.contains(tmp.path(QStringLiteral("geen/map/printer"))));
  EXPECT_FALSE(venster->velStand().VelOpen);
  EXPECT_TRUE(processen.started.empty());
  QWidget* voortgang = venster->findChild<QWidget*>(QStringLiteral("frmAfdrukken"));
  EXPECT_TRUE(voortgang == nullptr || !voortgang->isVisible());
}

TEST_F(Afdrukken, AFullDiskEndsTheJobWithAMessageAndTheHeldSheetAsItWas) {
  if (!QFileInfo(QStringLiteral("/dev/full")).isWritable()) GTEST_SKIP() << "no /dev/full to fill";
  Start();
  Menu("mnuTekstLijnen1");
  Druk(QStringLiteral("1"));
  const VelStand voor = venster->velStand();
  ASSERT_TRUE(voor.VelOpen);
  meldingen.shown.clear();
  venster->instellingen().Printer1 = QStringLiteral("/dev/full");
  Druk(QStringLiteral("20"));
  ASSERT_EQ(meldingen.shown.size(), 1u);
  EXPECT_EQ(meldingen.shown[0].title, QStringLiteral("Fout"));
  EXPECT_TRUE(
      meldingen.shown[0].text.startsWith(QStringLiteral("Het schrijven naar de printer is mislukt:\n/dev/full\n\n")))
      << meldingen.shown[0].text.toStdString();
  EXPECT_EQ(venster->velStand().VelOpen, voor.VelOpen);
  EXPECT_EQ(venster->velStand().VolgendeRij, voor.VolgendeRij);
  EXPECT_EQ(venster->velStand().VolgendeKolom, voor.VolgendeKolom);
  EXPECT_TRUE(Kind<QPushButton>("cmdStartAfdrukken")->isEnabled());
  EXPECT_TRUE(Kind<QAction>("mnuSpaarstand")->isEnabled());
  EXPECT_FALSE(Kind<QWidget>("frmAfdrukken")->isVisible());
  // Nor can the held sheet be closed there: economy mode stays on.
  Menu("mnuSpaarstand");
  ASSERT_EQ(meldingen.shown.size(), 2u);
  EXPECT_EQ(meldingen.shown[1].text, QStringLiteral("Het schrijven naar de printer is mislukt:\n/dev/full"));
  EXPECT_TRUE(Kind<QAction>("mnuSpaarstand")->isChecked());
  EXPECT_TRUE(venster->velStand().VelOpen);
  // Back on its own port, the sheet is closed where it began.
  venster->instellingen().Printer1 = poort;
  Menu("mnuSpaarstand");
  EXPECT_FALSE(venster->velStand().VelOpen);
  EXPECT_TRUE(Uitvoer().endsWith("\x1bQ000001\x1bZ"));
}

TEST_F(Afdrukken, ACopiesBoxWithoutACountFromOneTo32767IsRefusedBeforeAnythingIsWritten) {
  Start();
  for (const char* tekst : {"40000", "abc", "-3", "", "x5"}) {
    meldingen.shown.clear();
    Druk(QString::fromLatin1(tekst));
    ASSERT_EQ(meldingen.shown.size(), 1u) << tekst;
    EXPECT_EQ(meldingen.shown[0].title, QStringLiteral("Fout"));
    EXPECT_EQ(meldingen.shown[0].text, QStringLiteral("Geef een aantal exemplaren van 1 tot 32767."));
    EXPECT_FALSE(QFile::exists(poort)) << tekst;
  }
  // A count that leads the text still counts.
  Druk(QStringLiteral("2 stuks"));
  EXPECT_TRUE(QFile::exists(poort));
}

TEST_F(Afdrukken, EnterInTheCopiesBoxStartsPrinting) {
  Zet("UseStartPosition", QStringLiteral("False"));
  Start();
  QLineEdit* aantal = Kind<QLineEdit>("txtAantal");
  aantal->setText(QStringLiteral("1"));
  QTest::keyClick(aantal, Qt::Key_Return);
  WachtOpAfdruk();
  EXPECT_TRUE(Uitvoer().startsWith("\x1b" "A"));
  QFile::remove(poort);
  QTest::keyClick(Kind<QLineEdit>("txtTekstlijn"), Qt::Key_Return);
  EXPECT_FALSE(QFile::exists(poort));
}

TEST_F(Afdrukken, SystemPrinterJobsEachGetTheirOwnSpoolFileHandedOnInOrderWithoutHoldingTheWindow) {
  Zet("PrinterPort", QStringLiteral("4"));
  Zet("WindowsPrinter", QStringLiteral("Etiket \"A\" ; rm -rf"));
  Zet("UseStartPosition", QStringLiteral("False"));
  processen.aanHetWerk = true;
  Start();
  Menu("mnuTekstLijnen1");
  ZetTekst(1, QStringLiteral("Eerste"));
  Druk(QStringLiteral("1"));
  // The spooler still runs: the window goes on, and the next job waits for it.
  EXPECT_TRUE(Kind<QPushButton>("cmdStartAfdrukken")->isEnabled());
  ZetTekst(1, QStringLiteral("Tweede"));
  Druk(QStringLiteral("2"));
  ASSERT_EQ(processen.started.size(), 1u);
  const FakeProcessStarter::Start s = processen.started[0];
  EXPECT_EQ(s.program, tmp.path(QStringLiteral("PrintFile")));
  ASSERT_EQ(s.arguments.size(), 2);
  EXPECT_TRUE(s.arguments[0].startsWith(QStringLiteral("data-")) && s.arguments[0].endsWith(QStringLiteral(".prn")))
      << s.arguments[0].toStdString();
  EXPECT_EQ(s.arguments[1], QStringLiteral("Etiket \"A\" ; rm -rf"));
  EXPECT_EQ(s.folder, tmp.root());
  const auto spool = [&](const FakeProcessStarter::Start& st) {
    QFile f(QDir(st.folder).filePath(st.arguments[0]));
    return f.open(QIODevice::ReadOnly) ? sbpl::Lees(f.readAll()) : sbpl::Lezing{{}, QStringLiteral("weg")};
  };
  const sbpl::Lezing eerste = spool(s);
  ASSERT_TRUE(eerste.fout.isEmpty()) << eerste.fout.toStdString();
  ASSERT_EQ(eerste.vellen.size(), 1u);
  EXPECT_EQ(eerste.vellen[0].labels.size(), 1u);

  processen.Eindig();
  EXPECT_FALSE(QFile::exists(tmp.path(s.arguments[0])));
  ASSERT_EQ(processen.started.size(), 2u);
  const FakeProcessStarter::Start t = processen.started[1];
  EXPECT_NE(t.arguments[0], s.arguments[0]);
  const sbpl::Lezing tweede = spool(t);
  ASSERT_TRUE(tweede.fout.isEmpty()) << tweede.fout.toStdString();
  ASSERT_EQ(tweede.vellen.size(), 1u);
  EXPECT_EQ(tweede.vellen[0].labels.size(), 2u);
  EXPECT_TRUE(meldingen.shown.empty());

  // The spooler fails: the user is told, with its words.
  processen.Eindig({true, false, 1, QStringLiteral("lp: The printer or class does not exist.")});
  EXPECT_FALSE(QFile::exists(tmp.path(t.arguments[0])));
  ASSERT_EQ(meldingen.shown.size(), 1u);
  EXPECT_EQ(meldingen.shown[0].title, QStringLiteral("Fout"));
  EXPECT_EQ(meldingen.shown[0].text, QStringLiteral("Het afdrukwerk kon niet worden doorgegeven:\n") +
                                         tmp.path(QStringLiteral("PrintFile")) +
                                         QStringLiteral("\n\nlp: The printer or class does not exist.\n(afsluitstatus 1)"));
}

TEST_F(Afdrukken, AnAfterJobCommandRunsWithItsArgumentsSplitNotThroughAShell) {
  Zet("Shell1", QStringLiteral("notify-send \"Etiketten klaar\" nu"));
  Zet("UseStartPosition", QStringLiteral("False"));
  processen.aanHetWerk = true;
  Start();
  Druk(QStringLiteral("1"));
  ASSERT_EQ(processen.started.size(), 1u);
  EXPECT_EQ(processen.started[0].program, QStringLiteral("notify-send"));
  EXPECT_EQ(processen.started[0].arguments, (QStringList{QStringLiteral("Etiketten klaar"), QStringLiteral("nu")}));
  // While it runs, the file it reads is not written over.
  const QByteArray eerste = Uitvoer();
  Menu("mnuTekstLijnen1");
  Druk(QStringLiteral("1"));
  ASSERT_EQ(meldingen.shown.size(), 1u);
  EXPECT_EQ(meldingen.shown[0].text, QStringLiteral("Het vorige afdrukwerk naar\n") + poort +
                                         QStringLiteral("\nwordt nog doorgegeven. Probeer het zo opnieuw."));
  EXPECT_EQ(Uitvoer(), eerste);
  processen.Eindig();
  Druk(QStringLiteral("1"));
  EXPECT_EQ(processen.started.size(), 2u);
  EXPECT_NE(Uitvoer(), eerste);
}

TEST_F(Afdrukken, ThePrinterDialogStoresTheSpeedTheNextJobUses) {
  Zet("UseStartPosition", QStringLiteral("False"));
  Start();
  BeantwoordDialoog<PrinterDialoog>([](PrinterDialoog* d) {
    d->findChild<QComboBox*>(QStringLiteral("cmbAfdrukSnelheid"))->setCurrentText(QStringLiteral("125"));
    d->findChild<QRadioButton*>(QStringLiteral("optVL300"))->setChecked(true);
    d->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
  });
  Menu("mnuPrinterinstelling");
  EXPECT_EQ(venster->instellingen().PrintSpeed, 4);
  EXPECT_EQ(instellingen.read(QStringLiteral("Defaults"), QStringLiteral("PrintSpeed")), QStringLiteral("4"));
  Druk(QStringLiteral("1"));
  EXPECT_TRUE(Uitvoer().startsWith("\x1b" "A\x1b" "CS4\x1b#E5"));
  // 12 dots per mm now.
  EXPECT_EQ(Lees().vellen.at(0).labels.at(0).beeld.width(), 608);
}

TEST_F(Afdrukken, ThePrintOffsetMovesTheLabelsAndThePrintableArea) {
  Zet("UseStartPosition", QStringLiteral("False"));
  Start();
  BeantwoordDialoog<VerschuivingDialoog>([](VerschuivingDialoog* d) {
    d->findChild<QLineEdit*>(QStringLiteral("txtHorizontaleVerschuiving"))->setText(QStringLiteral("1.5"));
    d->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
  });
  Menu("mnuVerschuivenAfdruk");
  EXPECT_EQ(instellingen.read(QStringLiteral("50 x 30"), QStringLiteral("HorizontalShift")), QStringLiteral("1.5"));
  EXPECT_EQ(instellingen.read(QStringLiteral("89 x 36"), QStringLiteral("HorizontalShift"), QStringLiteral("-")),
            QStringLiteral("-"));
  Druk(QStringLiteral("1"));
  // Left offset 3 mm plus 1.5 mm at 8 dots per mm.
  EXPECT_EQ(Lees().vellen.at(0).labels.at(0).H, 36);
}

TEST_F(Afdrukken, TheNumberingDialogInsertsTheChosenCode) {
  Start();
  Menu("mnuTekstLijnen1");
  QLineEdit* lijn = Kind<QLineEdit>("txtTekstlijn");
  lijn->setText(QStringLiteral("Doos "));
  lijn->setCursorPosition(5);
  BeantwoordDialoog<NummeringDialoog>([](NummeringDialoog* d) {
    d->findChild<QLineEdit*>(QStringLiteral("txtVan"))->setText(QStringLiteral("10"));
    d->findChild<QLineEdit*>(QStringLiteral("txtTot"))->setText(QStringLiteral("12"));
    d->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
  });
  Kind<QPushButton>("cmdNummering")->click();
  EXPECT_EQ(O().voorwerp(1).tekst().Tekst, QStringLiteral("Doos [#]"));
  EXPECT_EQ(lijn->selectedText(), QStringLiteral("[#]"));
  EXPECT_EQ(venster->nummering().NummerVan, 10);
  EXPECT_EQ(venster->nummering().NummerTot, 12);
  // Already there: not inserted again.
  BeantwoordDialoog<NummeringDialoog>([](NummeringDialoog* d) { d->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click(); });
  Kind<QPushButton>("cmdNummering")->click();
  EXPECT_EQ(O().voorwerp(1).tekst().Tekst, QStringLiteral("Doos [#]"));
}

TEST_F(Afdrukken, TheNumberingDialogRefusesFieldsThatDoNotReadAsTheirValue) {
  Start();
  Menu("mnuTekstLijnen1");
  Nummering n;
  NummeringDialoog d(n, meldingen, bestanden);
  int geweigerd = 0;
  for (const char* tekst : {"05", " 5", "5x", "", "40000"}) {
    BeantwoordDialoog<NummeringDialoog>([&, tekst](NummeringDialoog* dlg) {
      dlg->findChild<QLineEdit*>(QStringLiteral("txtVan"))->setText(QString::fromLatin1(tekst));
      dlg->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
      if (dlg->isVisible()) ++geweigerd;
      dlg->findChild<QPushButton*>(QStringLiteral("cmdAnnuleren"))->click();
    });
    EXPECT_EQ(d.Kies(), QString()) << tekst;
  }
  EXPECT_EQ(geweigerd, 5);
  ASSERT_EQ(meldingen.shown.size(), 5u);
  EXPECT_EQ(meldingen.shown[0].text, QStringLiteral("Eén of meer velden bevatten\rongeldige waarden"));
  EXPECT_EQ(meldingen.shown[0].icon, platform::MessageService::Icon::Warning);
  // A step of 0 too; -5 is fine.
  BeantwoordDialoog<NummeringDialoog>([](NummeringDialoog* dlg) {
    dlg->findChild<QLineEdit*>(QStringLiteral("txtVan"))->setText(QStringLiteral("-5"));
    dlg->findChild<QLineEdit*>(QStringLiteral("txtInStappenVan"))->setText(QStringLiteral("0"));
    dlg->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    dlg->findChild<QLineEdit*>(QStringLiteral("txtInStappenVan"))->setText(QStringLiteral("2"));
    dlg->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
  });
  EXPECT_EQ(d.Kies(), QStringLiteral("[#]"));
  EXPECT_EQ(meldingen.shown.size(), 6u);
  EXPECT_EQ(n.NummerVan, -5);
  EXPECT_EQ(n.NummerStap, 2);
}

TEST_F(Afdrukken, AListImportSkipsANamedFirstLineKeepsBlankRowsAndRefusesWhatIsNoText) {
  Start();
  Nummering& n = venster->nummering();
  NummeringDialoog d(n, meldingen, bestanden);
  const auto importeer = [&](const QString& pad, bool kopregel) {
    bestanden.answers.push_back({pad, {}});
    BeantwoordDialoog<NummeringDialoog>([kopregel](NummeringDialoog* dlg) {
      dlg->findChild<QTabWidget*>(QStringLiteral("tabNummering"))->setCurrentIndex(1);
      QCheckBox* kop = dlg->findChild<QCheckBox*>(QStringLiteral("chkKopregel"));
      EXPECT_EQ(kop->text(), QStringLiteral("Eerste regel bevat namen"));
      kop->setChecked(kopregel);
      dlg->findChild<QPushButton*>(QStringLiteral("cmdImporteren"))->click();
      dlg->findChild<QTableView*>(QStringLiteral("Grid1"))->horizontalHeader()->sectionClicked(0);
    });
    d.Kies();
  };
  importeer(tmp.write(QStringLiteral("a.txt"), "Naam\nAppel\n\nPeer\n\n\n"), true);
  ASSERT_EQ(n.AantalNummers(), 3);
  EXPECT_EQ(n.NummerLijst.Waarde(0, 0), QStringLiteral("Appel"));
  EXPECT_EQ(n.NummerLijst.Waarde(1, 0), QString());
  EXPECT_EQ(n.NummerLijst.Waarde(2, 0), QStringLiteral("Peer"));
  importeer(tmp.write(QStringLiteral("b.csv"), QByteArray("Appel\0\x01\x02Peer", 12)), false);
  ASSERT_EQ(meldingen.shown.size(), 1u);
  EXPECT_TRUE(meldingen.shown[0].text.startsWith(QStringLiteral("Het bestand is geen lijst")));
  EXPECT_EQ(n.AantalNummers(), 3);
}

TEST_F(Afdrukken, AListOfAMillionRowsIsImportedAndEditedAndOneRowMoreIsRefused) {
  Start();
  QByteArray regels;
  for (int i = 1; i <= kMaxLijstRijen; ++i)
    regels += "Artikel " + QByteArray::number(i) + ";" + QByteArray::number(i % 97) + "\n";
  const QString miljoen = tmp.write(QStringLiteral("miljoen.csv"), regels);
  const QString teVeel = tmp.write(QStringLiteral("teveel.csv"), regels + "Nog een;1\n");
  Nummering& n = venster->nummering();
  NummeringDialoog d(n, meldingen, bestanden);
  bestanden.answers.push_back({miljoen, {}});
  bestanden.answers.push_back({teVeel, {}});
  int rijenInGrid = 0;
  BeantwoordDialoog<NummeringDialoog>([&](NummeringDialoog* dlg) {
    dlg->findChild<QTabWidget*>(QStringLiteral("tabNummering"))->setCurrentIndex(1);
    dlg->findChild<QPushButton*>(QStringLiteral("cmdImporteren"))->click();
    auto* grid = dlg->findChild<QTableView*>(QStringLiteral("Grid1"));
    rijenInGrid = grid->model()->rowCount();
    // The last row is there to edit like any other.
    const QModelIndex laatste = grid->model()->index(kMaxLijstRijen - 1, 1);
    grid->scrollTo(laatste);
    grid->model()->setData(laatste, QStringLiteral("99"));
    dlg->findChild<QPushButton*>(QStringLiteral("cmdImporteren"))->click();
    grid->horizontalHeader()->sectionClicked(0);
  });
  EXPECT_EQ(d.Kies(), QStringLiteral("[A]"));
  EXPECT_EQ(rijenInGrid, kMaxLijstRijen);
  ASSERT_EQ(n.AantalNummers(), kMaxLijstRijen);
  EXPECT_EQ(n.NummerLijst.Waarde(n.NummerLijst.size() - 1, 0), QStringLiteral("Artikel 1000000"));
  EXPECT_EQ(n.NummerLijst.Waarde(n.NummerLijst.size() - 1, 1), QStringLiteral("99"));
  ASSERT_EQ(meldingen.shown.size(), 1u);
  EXPECT_EQ(meldingen.shown[0].text, QStringLiteral("De lijst heeft meer dan 1.000.000 regels:\n") + teVeel);
}

TEST_F(Afdrukken, TheListTabTakesACsvAndAHeaderClickChoosesItsColumn) {
  Start();
  const QString csv = tmp.write(QStringLiteral("lijst.csv"), "Naam;Plaats\n\"Jansen; J.\";Ede\nPieters;\xc3\x89pinal\n");
  bestanden.answers.push_back({csv, {}});
  Nummering& n = venster->nummering();
  NummeringDialoog d(n, meldingen, bestanden);
  BeantwoordDialoog<NummeringDialoog>([](NummeringDialoog* dlg) {
    dlg->findChild<QTabWidget*>(QStringLiteral("tabNummering"))->setCurrentIndex(1);
    dlg->findChild<QPushButton*>(QStringLiteral("cmdImporteren"))->click();
    dlg->findChild<QTableView*>(QStringLiteral("Grid1"))->horizontalHeader()->sectionClicked(1);
  });
  EXPECT_EQ(d.Kies(), QStringLiteral("[B]"));
  ASSERT_EQ(n.AantalNummers(), 3);
  EXPECT_EQ(n.NummerLijst.Waarde(1, 0), QStringLiteral("Jansen; J."));
  EXPECT_EQ(n.NummerLijst.Waarde(2, 1), QStringLiteral("Épinal"));
  EXPECT_EQ(n.GekozenTab, 1);
  // A list run prints one copy per row with that row's values.
  Menu("mnuTekstLijnen1");
  ZetTekst(1, QStringLiteral("[A]"));
  Zet("UseStartPosition", QStringLiteral("False"));
  Druk(QStringLiteral("1"));
  EXPECT_EQ(Lees().vellen.at(0).labels.size(), 3u);
}

TEST_F(Afdrukken, ThePrinterDialogStoresAChosenFileAndRefusesOneThatCannotBeWritten) {
  Start();
  const QString gekozen = tmp.path(QStringLiteral("etiketten.prn"));
  bestanden.answers.push_back({gekozen, {}});
  BeantwoordDialoog<PrinterDialoog>([](PrinterDialoog* d) {
    // An "lpt" name says what it stands for.
    auto* poort3 = d->findChild<QComboBox*>(QStringLiteral("cmbPoort3"));
    EXPECT_EQ(poort3->currentText(), QStringLiteral("lpt3:"));
    EXPECT_TRUE(d->findChild<QLabel*>(QStringLiteral("lblApparaat3"))->text().startsWith(QStringLiteral("= /dev/")));
    d->findChild<QPushButton*>(QStringLiteral("cmdBladeren2"))->click();
    d->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
  });
  Menu("mnuPrinterinstelling");
  EXPECT_TRUE(meldingen.shown.empty());
  // "lpt2:" is no folder: the file dialog starts at home.
  EXPECT_EQ(bestanden.lastCaption, QStringLiteral("Aansluiting 2"));
  EXPECT_EQ(bestanden.lastFolder, QDir::homePath());
  EXPECT_EQ(venster->instellingen().PrinterPort, 2);
  EXPECT_EQ(instellingen.read(QStringLiteral("Defaults"), QStringLiteral("Printer2")), gekozen);
  EXPECT_EQ(instellingen.read(QStringLiteral("Defaults"), QStringLiteral("PrinterPort")), QStringLiteral("2"));
  EXPECT_EQ(KiesKanaal(venster->instellingen(), tmp.root()).pad, gekozen);

  // A file in a folder that is not there is refused on OK: the dialog stays
  // open and nothing changes.
  const QString nergens = tmp.path(QStringLiteral("weg/etiketten.prn"));
  bool bleefOpen = false;
  BeantwoordDialoog<PrinterDialoog>([&](PrinterDialoog* d) {
    d->findChild<QComboBox*>(QStringLiteral("cmbPoort3"))->setCurrentText(nergens);
    d->findChild<QRadioButton*>(QStringLiteral("optAangeslotenOp3"))->click();
    d->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    bleefOpen = d->isVisible();
    d->findChild<QPushButton*>(QStringLiteral("cmdAnnuleren"))->click();
  });
  Menu("mnuPrinterinstelling");
  EXPECT_TRUE(bleefOpen);
  ASSERT_EQ(meldingen.shown.size(), 1u);
  EXPECT_EQ(meldingen.shown[0].title, QStringLiteral("Fout"));
  EXPECT_EQ(meldingen.shown[0].text, QStringLiteral("Op aansluiting LPT3 kan niet worden geschreven:\n") + nergens +
                                         QStringLiteral("\n\nDe map bestaat niet."));
  EXPECT_EQ(venster->instellingen().PrinterPort, 2);
  EXPECT_EQ(venster->instellingen().Printer3, QStringLiteral("lpt3:"));
}

TEST_F(Afdrukken, ASeriesStaysWithItsDesignAndTheTotalIsInSightBeforePrinting) {
  Zet("UseStartPosition", QStringLiteral("False"));
  Start();
  Menu("mnuTekstLijnen1");
  QLineEdit* lijn = Kind<QLineEdit>("txtTekstlijn");
  QLabel* totaal = Kind<QLabel>("lblTotaal");
  lijn->setText(QStringLiteral("Nr "));
  lijn->setCursorPosition(3);
  EXPECT_EQ(totaal->text(), QString());
  BeantwoordDialoog<NummeringDialoog>([](NummeringDialoog* d) {
    d->findChild<QLineEdit*>(QStringLiteral("txtTot"))->setText(QStringLiteral("500"));
    d->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
  });
  Kind<QPushButton>("cmdNummering")->click();
  ASSERT_EQ(O().voorwerp(1).tekst().Tekst, QStringLiteral("Nr [#]"));
  EXPECT_EQ(totaal->text(), QStringLiteral("1 \u00D7 500 nummers = 500 etiketten"));
  Kind<QLineEdit>("txtAantal")->setText(QStringLiteral("2"));
  EXPECT_EQ(totaal->text(), QStringLiteral("2 \u00D7 500 nummers = 1.000 etiketten"));
  // The design saved, then a new one: the series stays behind.
  const QString pad = tmp.path(QStringLiteral("reeks.VLO"));
  bestanden.answers.push_back({pad, QStringLiteral("Vellora 3.0 (*.VLO *.vlo)")});
  Menu("mnuOpslaanAls");
  ASSERT_TRUE(QFile::exists(pad));
  Menu("mnuNieuwEtiket");
  EXPECT_EQ(totaal->text(), QString());
  Menu("mnuTekstLijnen1");
  lijn->setText(QStringLiteral("[#]"));
  EXPECT_EQ(totaal->text(), QStringLiteral("1 \u00D7 1 nummer = 1 etiket"));
  // Opened again, the design numbers from 1 to 1 until a series is set for
  // it, whatever the design before had.
  venster->nummering().NummerVan = 1;
  venster->nummering().NummerTot = 500;
  venster->nummering().NummerStap = 1;
  ASSERT_TRUE(venster->bestanden().OpenBestand(pad));
  EXPECT_EQ(O().voorwerp(1).tekst().Tekst, QStringLiteral("Nr [#]"));
  Kind<QLineEdit>("txtAantal")->setText(QStringLiteral("2"));
  EXPECT_EQ(totaal->text(), QStringLiteral("2 \u00D7 1 nummer = 2 etiketten"));
  Druk(QStringLiteral("2"));
  // Two labels, exactly those of the same design with the number typed in.
  ZetTekst(1, QStringLiteral("Nr 1"));
  EXPECT_EQ(Uitvoer(), JobStroom(2));
  EXPECT_TRUE(meldingen.shown.empty());
}

TEST_F(Afdrukken, ADesignNumberedOnlyInABarcodeGetsItsSeriesFromTheNumberingButton) {
  Zet("UseStartPosition", QStringLiteral("False"));
  Start();
  Streepjescode code;
  code.Soort = StreepjescodeSoort::Code128;
  code.Gegevens = QStringLiteral("DOOS[#]");
  {
    Wijziging wijziging(venster->bewerker());
    NieuweStreepjescode(wijziging.ontwerp(), code, 12);
  }
  BeantwoordDialoog<NummeringDialoog>([](NummeringDialoog* d) {
    d->findChild<QLineEdit*>(QStringLiteral("txtVan"))->setText(QStringLiteral("7"));
    d->findChild<QLineEdit*>(QStringLiteral("txtTot"))->setText(QStringLiteral("9"));
    d->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
  });
  Kind<QPushButton>("cmdNummering")->click();
  EXPECT_EQ(venster->nummering().NummerVan, 7);
  EXPECT_EQ(venster->nummering().NummerTot, 9);
  EXPECT_EQ(Kind<QLabel>("lblTotaal")->text(), QStringLiteral("1 \u00D7 3 nummers = 3 etiketten"));
  Druk(QStringLiteral("1"));
  const sbpl::Lezing l = Lees();
  ASSERT_TRUE(l.fout.isEmpty()) << l.fout.toStdString();
  ASSERT_EQ(l.vellen.size(), 1u);
  EXPECT_EQ(l.vellen[0].labels.size(), 3u);
}

TEST_F(Afdrukken, ThePrinterDialogKeepsAModelPerConnectionAndEachJobUsesItsConnectionsModel) {
  Zet("UseStartPosition", QStringLiteral("False"));
  const QString poort2 = tmp.path(QStringLiteral("printer2.out"));
  Zet("Printer2", poort2);
  Start();
  bool bleefVL200 = false, bleefVL300 = false;
  BeantwoordDialoog<PrinterDialoog>([&](PrinterDialoog* d) {
    const auto optie = [d](const char* naam) { return d->findChild<QRadioButton*>(QString::fromLatin1(naam)); };
    optie("optAangeslotenOp2")->click();
    optie("optVL300")->click();
    optie("optAangeslotenOp1")->click();
    bleefVL200 = optie("optVL200")->isChecked() && !optie("optVL300")->isChecked();
    optie("optAangeslotenOp2")->click();
    bleefVL300 = optie("optVL300")->isChecked();
    d->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
  });
  Menu("mnuPrinterinstelling");
  EXPECT_TRUE(bleefVL200);
  EXPECT_TRUE(bleefVL300);
  const QString d = QStringLiteral("Defaults");
  EXPECT_EQ(instellingen.read(d, QStringLiteral("PrinterPort")), QStringLiteral("2"));
  EXPECT_EQ(instellingen.read(d, QStringLiteral("Printer")), QStringLiteral("2"));
  // Connection 2 prints at 12 dots per mm: 50 mm is 608 dots, in whole bytes.
  Druk(QStringLiteral("1"));
  QFile tweede(poort2);
  ASSERT_TRUE(tweede.open(QIODevice::ReadOnly));
  EXPECT_EQ(sbpl::Lees(tweede.readAll()).vellen.at(0).labels.at(0).beeld.width(), 608);

  // Back on connection 1 its own model is used again: 8 dots per mm.
  BeantwoordDialoog<PrinterDialoog>([](PrinterDialoog* d) {
    d->findChild<QRadioButton*>(QStringLiteral("optAangeslotenOp1"))->click();
    d->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
  });
  Menu("mnuPrinterinstelling");
  EXPECT_EQ(instellingen.read(d, QStringLiteral("Printer")), QStringLiteral("1"));
  EXPECT_EQ(LeesStand(instellingen, QString(), 0).instellingen.PrinterModel, (std::array<qint16, 4>{1, 2, 1, 1}));
  Druk(QStringLiteral("1"));
  EXPECT_EQ(Lees().vellen.at(0).labels.at(0).beeld.width(), 400);
}

TEST_F(Afdrukken, APrinterOnTheNetworkGetsTheJobAndOneThatGoesAwayOrRefusesIsToldWhich) {
  Zet("Shell1", QStringLiteral("stuur-door"));
  Genummerd(20);
  Netwerkluisteraar printer(Netwerkluisteraar::Gedrag::AllesLezen);
  venster->instellingen().Printer1 = QStringLiteral("tcp://127.0.0.1:%1").arg(printer.poort());
  Druk(QStringLiteral("1"));
  EXPECT_TRUE(meldingen.shown.empty());
  EXPECT_EQ(printer.Gelezen(), JobStroom(1));
  // The after-job command runs once the printer has the job.
  EXPECT_EQ(processen.started.size(), 1u);

  // Hundreds of labels, and a printer that takes a part of them and goes.
  venster->nummering().NummerTot = 2000;
  Netwerkluisteraar weg(Netwerkluisteraar::Gedrag::DeelLezen, 100000);
  const QString naam = QStringLiteral("127.0.0.1:%1").arg(weg.poort());
  venster->instellingen().Printer1 = naam;
  Druk(QStringLiteral("1"));
  ASSERT_EQ(meldingen.shown.size(), 1u);
  const QString tekst = meldingen.shown[0].text;
  EXPECT_TRUE(tekst.startsWith(QStringLiteral("Het schrijven naar de printer is mislukt:\n") + naam +
                               QStringLiteral("\n\nDe verbinding met de printer is midden in het afdrukwerk verbroken")))
      << tekst.toStdString();
  EXPECT_TRUE(tekst.contains(QStringLiteral("\n\nHet afdrukwerk is afgebroken: niet alle etiketten zijn afgedrukt.\n"
                                            "De printer heeft ")))
      << tekst.toStdString();
  EXPECT_EQ(processen.started.size(), 1u);  // nothing to hand on
  EXPECT_TRUE(Kind<QPushButton>("cmdStartAfdrukken")->isEnabled());

  // A printer that refuses the connection was never reached.
  int dicht = 0;
  {
    Netwerkluisteraar weg(Netwerkluisteraar::Gedrag::NietAannemen);
    dicht = weg.poort();
  }
  venster->instellingen().Printer1 = QStringLiteral("tcp://127.0.0.1:%1").arg(dicht);
  Druk(QStringLiteral("1"));
  ASSERT_EQ(meldingen.shown.size(), 2u);
  EXPECT_EQ(meldingen.shown[1].text,
            QStringLiteral("De printer kan niet worden bereikt:\ntcp://127.0.0.1:%1\n\nDe printer op 127.0.0.1, poort %1 "
                           "weigert de verbinding: daar luistert geen printer. Kijk het adres en de poort na.")
                .arg(dicht));
  EXPECT_EQ(processen.started.size(), 1u);
}

TEST_F(Afdrukken, TheWindowClosesWithoutWaitingForANetworkPrinterThatStoppedReading) {
  Genummerd(5000);
  Netwerkluisteraar printer(Netwerkluisteraar::Gedrag::NietLezen);
  venster->instellingen().Printer1 = QStringLiteral("tcp://127.0.0.1:%1").arg(printer.poort());
  ASSERT_EQ(venster->instellingen().WriteTimeout, 60);
  Kind<QLineEdit>("txtAantal")->setText(QStringLiteral("1"));
  Kind<QPushButton>("cmdStartAfdrukken")->click();
  // Long enough for the printer's queue to fill and the job to wait on it.
  QTest::qWait(1000);
  ASSERT_TRUE(venster->afdruk().BezigMetAfdrukken());
  QElapsedTimer klok;
  klok.start();
  venster.reset();
  EXPECT_LT(klok.elapsed(), 20000);  // the printer's wait is a minute
}

TEST_F(Afdrukken, ANamedListWithAQuantityColumnAndChosenRowsPrintsAsTheRowsTypedIn) {
  Zet("UseStartPosition", QStringLiteral("False"));
  Start();
  Menu("mnuTekstLijnen1");
  QLineEdit* lijn = Kind<QLineEdit>("txtTekstlijn");
  QLabel* totaal = Kind<QLabel>("lblTotaal");
  lijn->setText(QStringLiteral("[Maat] "));
  lijn->setCursorPosition(int(lijn->text().size()));
  bestanden.answers.push_back({tmp.write(QStringLiteral("export.csv"),
                                         "Artikel;Prijs;Aantal\r\nKaas;4,95;2\r\nMelk;1,10;\r\nBrood;2,25;1\r\n"),
                               {}});
  QStringList kopjes, aantalKeuzes;
  BeantwoordDialoog<NummeringDialoog>([&](NummeringDialoog* d) {
    d->findChild<QTabWidget*>(QStringLiteral("tabNummering"))->setCurrentIndex(1);
    d->findChild<QCheckBox*>(QStringLiteral("chkKopregel"))->setChecked(true);
    d->findChild<QPushButton*>(QStringLiteral("cmdImporteren"))->click();
    auto* grid = d->findChild<QTableView*>(QStringLiteral("Grid1"));
    for (int k = 0; k < grid->model()->columnCount(); ++k)
      kopjes << grid->model()->headerData(k, Qt::Horizontal).toString();
    auto* aantal = d->findChild<QComboBox*>(QStringLiteral("cmbAantalKolom"));
    for (int i = 0; i < aantal->count(); ++i) aantalKeuzes << aantal->itemText(i);
    aantal->setCurrentIndex(3);
    auto* rijen = d->findChild<QLineEdit*>(QStringLiteral("txtRijen"));
    rijen->setText(QStringLiteral("4"));
    d->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();  // refused: there is no row 4
    rijen->setText(QStringLiteral("1,3"));
    grid->horizontalHeader()->sectionClicked(0);
  });
  Kind<QPushButton>("cmdNummering")->click();
  EXPECT_EQ(kopjes, (QStringList{QStringLiteral("[Artikel]"), QStringLiteral("[Prijs]"), QStringLiteral("[Aantal]"),
                                 QStringLiteral("[D]"), QStringLiteral("[E]")}));
  EXPECT_EQ(aantalKeuzes, (QStringList{QStringLiteral("(geen: 1 per rij)"), QStringLiteral("[Artikel]"),
                                       QStringLiteral("[Prijs]"), QStringLiteral("[Aantal]")}));
  ASSERT_EQ(meldingen.shown.size(), 1u);
  EXPECT_EQ(meldingen.shown[0].text, QStringLiteral("Rij 4 staat niet in de lijst; die heeft 3 rijen."));
  ASSERT_EQ(O().voorwerp(1).tekst().Tekst, QStringLiteral("[Maat] [Artikel]"));
  // Rows times quantities times copies, and the code no column has.
  Kind<QLineEdit>("txtAantal")->setText(QStringLiteral("2"));
  EXPECT_EQ(totaal->text(), QStringLiteral("2 \u00D7 2 rijen met samen 3 stuks = 6 etiketten\nGeen kolom voor [Maat]."));
  // All rows: the one without a quantity is named before anything is sent.
  venster->nummering().Rijkeuze.clear();
  Kind<QLineEdit>("txtAantal")->setText(QStringLiteral("1"));
  EXPECT_EQ(totaal->text(), QStringLiteral("Rij 2 heeft geen aantal in kolom Aantal.\nGeen kolom voor [Maat]."));
  Druk(QStringLiteral("1"));
  ASSERT_EQ(meldingen.shown.size(), 2u);
  EXPECT_EQ(meldingen.shown[1].text, QStringLiteral("Rij 2 heeft geen aantal in kolom Aantal."));
  EXPECT_TRUE(Uitvoer().isEmpty());

  // Rows 1 and 3, two copies: four of Kaas, then two of Brood, each as the
  // design with its value typed in prints it.
  venster->nummering().Rijkeuze = QStringLiteral("1,3");
  Druk(QStringLiteral("2"));
  const sbpl::Lezing l = Lees();
  ASSERT_TRUE(l.fout.isEmpty()) << l.fout.toStdString();
  std::vector<QImage> labels;
  for (const sbpl::Vel& v : l.vellen)
    for (int q = 0; q < v.aantal; ++q)
      for (const sbpl::Label& e : v.labels) labels.push_back(e.beeld);
  ASSERT_EQ(labels.size(), 6u);
  for (const auto& [waarde, van, tot] : {std::tuple<const char*, int, int>{"Kaas", 0, 4}, {"Brood", 4, 6}}) {
    ZetTekst(1, QStringLiteral("[Maat] ") + QString::fromLatin1(waarde));
    const QImage getypt = sbpl::Lees(JobStroom(1)).vellen.at(0).labels.at(0).beeld;
    for (int i = van; i < tot; ++i) EXPECT_TRUE(labels[size_t(i)] == getypt) << waarde << ' ' << i;
  }
}

TEST_F(Afdrukken, TheTotalNamesTheFirstRowWhoseBarcodeWillNotEncode) {
  Start();
  Streepjescode code;
  code.Soort = StreepjescodeSoort::Ean13;
  code.Gegevens = QStringLiteral("[A]");
  {
    Wijziging wijziging(venster->bewerker());
    NieuweStreepjescode(wijziging.ontwerp(), code, 8);
  }
  Nummering& n = venster->nummering();
  for (const char* waarde : {"590123412345", "400638133393", "1234", "87123456789X"})
    n.NummerLijst.VoegRijToe({QString::fromLatin1(waarde)});
  Kind<QLineEdit>("txtAantal")->setText(QStringLiteral("3"));
  QLabel* totaal = Kind<QLabel>("lblTotaal");
  EXPECT_EQ(totaal->text(), QStringLiteral("Streepjescode 1, exemplaar 3: Een EAN-13 bestaat uit 12 of 13 cijfers."));
  // Left out of the rows printed, it no longer stops the job; the next one does.
  n.Rijkeuze = QStringLiteral("1-2,4");
  Kind<QLineEdit>("txtAantal")->setText(QStringLiteral("2"));
  EXPECT_EQ(totaal->text(), QStringLiteral("Streepjescode 1, exemplaar 4: Een EAN-13 bestaat alleen uit cijfers."));
  n.NummerLijst.ZetWaarde(3, 0, QStringLiteral("871234567890"));
  Kind<QLineEdit>("txtAantal")->setText(QStringLiteral("3"));
  EXPECT_EQ(totaal->text(), QStringLiteral("3 \u00D7 3 rijen = 9 etiketten"));
}

TEST_F(Afdrukken, ADesignThatRemembersItsListReadsItWhenOpenedAndSaysWhenItIsGone) {
  Zet("UseStartPosition", QStringLiteral("False"));
  Start();
  Menu("mnuTekstLijnen1");
  ZetTekst(1, QStringLiteral("[Artikel]"));
  const QString lijst = tmp.write(QStringLiteral("export.csv"), "Artikel;Aantal\nKaas;2\nMelk;3\n");
  Nummering& n = venster->nummering();
  n.LijstBestand = lijst;
  n.Kopregel = true;
  n.AantalKolom = QStringLiteral("Aantal");
  n.LijstOnthouden = true;
  const QString pad = tmp.path(QStringLiteral("lijst.VLO"));
  bestanden.answers.push_back({pad, QStringLiteral("Vellora 5.0 (*.VLO *.vlo)")});
  Menu("mnuOpslaanAls");
  ASSERT_TRUE(QFile::exists(pad));
  Menu("mnuNieuwEtiket");
  EXPECT_TRUE(venster->nummering().LijstBestand.isEmpty());

  ASSERT_TRUE(venster->bestanden().OpenBestand(pad));
  EXPECT_TRUE(meldingen.shown.empty());
  EXPECT_EQ(venster->nummering().NummerLijst.size(), 2);
  EXPECT_EQ(Kind<QLabel>("lblTotaal")->text(), QStringLiteral("1 \u00D7 2 rijen met samen 5 stuks = 5 etiketten"));

  // The list gone: said when the design opens, and the dialog names it.
  ASSERT_TRUE(QFile::remove(lijst));
  ASSERT_TRUE(venster->bestanden().OpenBestand(pad));
  ASSERT_EQ(meldingen.shown.size(), 1u);
  EXPECT_EQ(meldingen.shown[0].text, QStringLiteral("De lijst van dit ontwerp is niet gevonden:\n") + lijst);
  EXPECT_TRUE(venster->nummering().NummerLijst.isEmpty());
  QString getoond;
  BeantwoordDialoog<NummeringDialoog>([&](NummeringDialoog* d) {
    getoond = d->findChild<QLabel*>(QStringLiteral("lblLijstBestand"))->text();
    d->findChild<QPushButton*>(QStringLiteral("cmdAnnuleren"))->click();
  });
  Kind<QPushButton>("cmdNummering")->click();
  EXPECT_EQ(getoond, QStringLiteral("Lijst: ") + lijst + QStringLiteral(" (niet gevonden)"));
  // Printing says there is no list, rather than printing none.
  Druk(QStringLiteral("1"));
  ASSERT_EQ(meldingen.shown.size(), 2u);
  EXPECT_EQ(meldingen.shown[1].text, QStringLiteral("De lijst van dit ontwerp is niet gevonden:\n") + lijst);
  EXPECT_TRUE(Uitvoer().isEmpty());
}
