#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>
#include <QThread>
#include <csignal>

#include "files/BewaarEtiket.h"
#include "printing/Sbpl.h"
#include "roundtext/RondeTekstOpdrachten.h"
#include "support/EtiketOpstelling.h"
#include "support/Netwerkluisteraar.h"
#include "support/Pdf.h"

using namespace printing;

namespace {

class VelloraPrint : public EtiketOpstelling {
 protected:
  struct Uitkomst {
    int code = -1;
    QByteArray uit, fout;
  };

  // Starts the command-line printer with its own settings folder, and what
  // else its environment should hold.
  void StartPrint(QProcess& p, const QStringList& argumenten, const QProcessEnvironment& ook = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), tmp.path(QStringLiteral("config")));
    env.insert(ook);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(VELLORA_PRINT), argumenten);
  }
  // How it ended; -1 when a signal ended it, or it hung and was stopped.
  static Uitkomst Einde(QProcess& p) {
    if (!p.waitForFinished(120000)) {
      p.kill();
      p.waitForFinished();
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
  }
  Uitkomst Draai(const QStringList& argumenten) {
    QProcess p;
    StartPrint(p, argumenten);
    return Einde(p);
  }
  // The store the command-line printer reads.
  void CliInstelling(const char* sectie, const char* sleutel, const QString& waarde) {
    platform::IniSettingsStore s(tmp.path(QStringLiteral("config/Vellora/Vellora.ini")));
    s.write(QString::fromLatin1(sectie), QString::fromLatin1(sleutel), waarde);
    ASSERT_TRUE(s.flush());
  }
  // A design with a numbered text line, a plain one and a numbered round
  // text on the 2 x 3 sheet, saved as version 2.
  QString BewaardOntwerp() {
    instellingen.write(QStringLiteral("Defaults"), QStringLiteral("Form"), QStringLiteral(" 5"));
    Start();
    Menu("mnuTekstLijnen2");
    ZetTekst(1, QStringLiteral("Doos [#]"));
    ZetTekst(2, QStringLiteral("Vellora"));
    Plaats(1, -20, -10, 40, 6);
    RondeTekstGegevens g = NieuweRondeTekst(venster->HuidigEtiketFormaat(), QStringLiteral("DejaVu Sans"), 10, false,
                                            false, 2);
    g.Tekst = QStringLiteral("Serie [#]");
    Wijzig([&](Ontwerp& o) { VoegRondeTekstToe(o, venster->HuidigEtiketFormaat(), g); });
    const QString pad = tmp.path(QStringLiteral("doos.VLO"));
    EXPECT_TRUE(BewaarEtiket(pad, 2, O(), venster->HuidigEtiketFormaat().Naam).Gelukt());
    return pad;
  }
};

QByteArray Lees(const QString& pad) {
  QFile f(pad);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

TEST_F(VelloraPrint, TheStreamEqualsTheEditorsForTheSameDesignAndSettings) {
  const QString ontwerp = BewaardOntwerp();
  // The editor: numbers 3 to 5, two copies each, on a file port.
  const QString poort = tmp.path(QStringLiteral("editor.prn"));
  venster->instellingen().Printer1 = poort;
  venster->instellingen().PrintSpeed = 2;
  Kind<QAction>("mnuSpaarstand")->trigger();  // off: the last sheet is finished
  venster->nummering().NummerVan = 3;
  venster->nummering().NummerTot = 5;
  venster->nummering().NummerStap = 1;
  Kind<QLineEdit>("txtAantal")->setText(QStringLiteral("2"));
  Kind<QPushButton>("cmdStartAfdrukken")->click();
  WachtOpAfdruk();
  const QByteArray editor = Lees(poort);
  ASSERT_FALSE(editor.isEmpty());
  EXPECT_EQ(O().voorwerp(1).tekst().Tekst, QStringLiteral("Doos [#]"));

  const QString cli = tmp.path(QStringLiteral("cli.prn"));
  const Uitkomst u = Draai({QStringLiteral("-q"), QStringLiteral("--catalog"), catalogus, QStringLiteral("-n"),
                            QStringLiteral("2"), QStringLiteral("--from"), QStringLiteral("3"), QStringLiteral("--to"),
                            QStringLiteral("5"), QStringLiteral("--speed"), QStringLiteral("2"), QStringLiteral("-o"), cli,
                            ontwerp});
  ASSERT_EQ(u.code, 0) << u.fout.toStdString();
  EXPECT_TRUE(u.fout.isEmpty());
  EXPECT_EQ(Lees(cli), editor);
  // Drawn by three threads, the labels come out the same.
  const QString drie = tmp.path(QStringLiteral("drie.prn"));
  ASSERT_EQ(Draai({QStringLiteral("-q"), QStringLiteral("--jobs"), QStringLiteral("3"), QStringLiteral("--catalog"),
                   catalogus, QStringLiteral("-n"), QStringLiteral("2"), QStringLiteral("--from"), QStringLiteral("3"),
                   QStringLiteral("--to"), QStringLiteral("5"), QStringLiteral("--speed"), QStringLiteral("2"),
                   QStringLiteral("-o"), drie, ontwerp})
                .code,
            0);
  EXPECT_EQ(Lees(drie), editor);
  const sbpl::Lezing l = sbpl::Lees(editor);
  ASSERT_TRUE(l.fout.isEmpty());
  EXPECT_EQ(l.vellen.size(), 1u);  // six labels: numbers 3, 4, 5 twice
  EXPECT_EQ(l.vellen[0].labels.size(), 6u);
}

TEST_F(VelloraPrint, StoredSettingsAndOffsetsApplyWhenNotGiven) {
  const QString ontwerp = BewaardOntwerp();
  CliInstelling("Defaults", "Printer", QStringLiteral("2"));
  CliInstelling("Defaults", "Intensity", QStringLiteral("3"));
  CliInstelling("50 x 30", "HorizontalShift", QStringLiteral("2"));
  const Uitkomst u = Draai({QStringLiteral("--catalog"), catalogus, QStringLiteral("-o"), QStringLiteral("-"), ontwerp});
  ASSERT_EQ(u.code, 0) << u.fout.toStdString();
  EXPECT_TRUE(u.fout.contains("Exemplaar 1 van 1"));
  EXPECT_TRUE(u.uit.startsWith("\x1b" "A\x1b" "CS1\x1b#E3"));
  const sbpl::Lezing l = sbpl::Lees(u.uit);
  ASSERT_TRUE(l.fout.isEmpty());
  // 12 dots per mm; left offset 3 mm plus the stored 2 mm.
  EXPECT_EQ(l.vellen.at(0).labels.at(0).H, 60);
  EXPECT_EQ(l.vellen.at(0).labels.at(0).beeld.width(), 608);
  // The command line wins over the store.
  const Uitkomst v = Draai({QStringLiteral("-q"), QStringLiteral("--catalog"), catalogus, QStringLiteral("--model"),
                            QStringLiteral("VL200"), QStringLiteral("--shift-x"), QStringLiteral("-1"), QStringLiteral("-o"),
                            QStringLiteral("-"), ontwerp});
  ASSERT_EQ(v.code, 0);
  EXPECT_EQ(sbpl::Lees(v.uit).vellen.at(0).labels.at(0).H, 16);
}

TEST_F(VelloraPrint, SettingsEditedBeyondTheirRangeNeverReachThePrinter) {
  const QString ontwerp = BewaardOntwerp();
  const QString ini = tmp.path(QStringLiteral("config/Vellora/Vellora.ini"));
  QDir().mkpath(QFileInfo(ini).absolutePath());
  tmp.write(QStringLiteral("config/Vellora/Vellora.ini"), "[Defaults]\nPrintSpeed=10\nIntensity=0\n");
  const QStringList argumenten = {QStringLiteral("-q"), QStringLiteral("--catalog"), catalogus,
                                  QStringLiteral("-o"), QStringLiteral("-"),         ontwerp};
  const Uitkomst u = Draai(argumenten);
  ASSERT_EQ(u.code, 0) << u.fout.toStdString();
  EXPECT_TRUE(u.uit.startsWith("\033A\033CS5\033#E1")) << u.uit.left(12).toStdString();
  // An offset no number of dots can hold is the largest one, which no sheet
  // fits: refused, not sent somewhere.
  tmp.write(QStringLiteral("config/Vellora/Vellora.ini"), "[50 x 30]\nHorizontalShift=1e39\n");
  const Uitkomst v = Draai(argumenten);
  EXPECT_EQ(v.code, 1);
  EXPECT_TRUE(v.fout.contains("Het etiket op rij 1, kolom 1 van het vel ligt verder dan 9999 punten van het begin van de "
                              "printer."))
      << v.fout.toStdString();
  EXPECT_TRUE(v.uit.isEmpty());
}

TEST_F(VelloraPrint, TheListGivesOneCopyPerRowAndThePreviewDrawsTheSheets) {
  instellingen.write(QStringLiteral("Defaults"), QStringLiteral("Form"), QStringLiteral(" 5"));
  Start();
  Menu("mnuTekstLijnen1");
  ZetTekst(1, QStringLiteral("[A] [B]"));
  Plaats(1, -24, -10, 48, 8);
  const QString ontwerp = tmp.path(QStringLiteral("lijst.VLO"));
  ASSERT_TRUE(BewaarEtiket(ontwerp, 2, O(), QStringLiteral("50 x 30")).Gelukt());
  const QString csv = tmp.write(QStringLiteral("l.csv"), "Jan;1\nPiet;2\nKees;3\nAnna;4\nBram;5\nEva;6\nTom;7\n");
  const QString map = tmp.path(QStringLiteral("voorbeeld"));
  const Uitkomst u = Draai({QStringLiteral("-q"), QStringLiteral("--catalog"), catalogus, QStringLiteral("--list"), csv,
                            QStringLiteral("--preview"), map, QStringLiteral("-o"), tmp.path(QStringLiteral("x.prn")),
                            ontwerp});
  ASSERT_EQ(u.code, 0) << u.fout.toStdString();
  EXPECT_EQ(QDir(map).entryList({QStringLiteral("*.png")}), (QStringList{QStringLiteral("sheet-0001.png"), QStringLiteral("sheet-0002.png")}));
  const QImage vel = QImage(map + QStringLiteral("/sheet-0001.png"));
  ASSERT_FALSE(vel.isNull());
  int zwart = 0;
  for (int y = 0; y < vel.height(); ++y)
    for (int x = 0; x < vel.width(); ++x) zwart += qGray(vel.pixel(x, y)) < 128;
  EXPECT_GT(zwart, 500);
  EXPECT_EQ(sbpl::Lees(Lees(tmp.path(QStringLiteral("x.prn")))).vellen.at(1).labels.size(), 1u);

  // A header goes, a blank line keeps its copy, so later values stay in place.
  const QString metKop = tmp.write(QStringLiteral("kop.csv"), "Naam;Nr\nJan;1\n\nKees;3\n\n");
  const QString y = tmp.path(QStringLiteral("y.prn"));
  ASSERT_EQ(Draai({QStringLiteral("-q"), QStringLiteral("--catalog"), catalogus, QStringLiteral("--list"), metKop,
                   QStringLiteral("--skip-header"), QStringLiteral("-o"), y, ontwerp})
                .code,
            0);
  EXPECT_EQ(sbpl::Lees(Lees(y)).vellen.at(0).labels.size(), 3u);
  // Without a list, or with one that is no text, nothing is written.
  const QString geenTekst = tmp.write(QStringLiteral("b.csv"), QByteArray("PK\x03\x04\0\0Jan", 9));
  for (const QStringList& extra : {QStringList{}, QStringList{QStringLiteral("--list"), geenTekst}}) {
    const QString z = tmp.path(QStringLiteral("z.prn"));
    const Uitkomst w =
        Draai(QStringList{QStringLiteral("-q"), QStringLiteral("--catalog"), catalogus, QStringLiteral("-o"), z} +
              extra + QStringList{ontwerp});
    EXPECT_EQ(w.code, 1);
    EXPECT_EQ(w.fout.count('\n'), 1) << w.fout.toStdString();
    EXPECT_FALSE(QFile::exists(z));
  }
}

TEST_F(VelloraPrint, ExitCodesAndOneClearLine) {
  const QString ontwerp = BewaardOntwerp();
  const QString beschadigd = tmp.write(QStringLiteral("kapot.VLO"), QByteArray("VS\0\0\x05\0ab", 8));
  const QString vreemd = tmp.write(QStringLiteral("vreemd.VLO"), QByteArray("VS\0\0\x03\0XYZ\0\0\0\0\0\0", 15));
  struct Geval {
    QStringList argumenten;
    int code;
  };
  const std::vector<Geval> gevallen = {
      {{}, 2},
      {{QStringLiteral("--bogus"), ontwerp}, 2},
      {{ontwerp, ontwerp}, 2},
      {{QStringLiteral("--catalog"), catalogus, tmp.path(QStringLiteral("weg.VLO"))}, 1},
      {{QStringLiteral("--catalog"), catalogus, beschadigd}, 1},
      {{QStringLiteral("--catalog"), catalogus, vreemd}, 1},
      {{QStringLiteral("--catalog"), catalogus, QStringLiteral("--speed"), QStringLiteral("6"), ontwerp}, 1},
      {{QStringLiteral("--catalog"), catalogus, QStringLiteral("--step"), QStringLiteral("0"), ontwerp}, 1},
      {{QStringLiteral("--catalog"), catalogus, QStringLiteral("--model"), QStringLiteral("VL900"), ontwerp}, 1},
      {{QStringLiteral("--catalog"), catalogus, QStringLiteral("-n"), QStringLiteral("40000"), ontwerp}, 1},
      {{QStringLiteral("--catalog"), catalogus, QStringLiteral("--jobs"), QStringLiteral("0"), ontwerp}, 1},
      {{QStringLiteral("--catalog"), catalogus, QStringLiteral("--jobs"), QStringLiteral("65"), ontwerp}, 1},
      {{QStringLiteral("--catalog"), catalogus, QStringLiteral("--jobs"), QStringLiteral("alle"), ontwerp}, 1},
      {{QStringLiteral("--catalog"), catalogus, QStringLiteral("-o"), tmp.path(QStringLiteral("geen/map/x.prn")),
        ontwerp},
       1},
      {{QStringLiteral("--catalog"), tmp.path(QStringLiteral("geen.eft")), ontwerp}, 1},
  };
  for (const Geval& g : gevallen) {
    const Uitkomst u = Draai(g.argumenten);
    EXPECT_EQ(u.code, g.code) << g.argumenten.join(u' ').toStdString();
    EXPECT_EQ(u.fout.count('\n'), 1) << u.fout.toStdString();
    EXPECT_TRUE(u.fout.startsWith("vellora-print: ")) << u.fout.toStdString();
  }
  EXPECT_EQ(Draai({QStringLiteral("--help")}).code, 0);
  EXPECT_TRUE(Draai({QStringLiteral("--version")}).uit.startsWith("vellora-print 4.0"));
}

TEST_F(VelloraPrint, WhenNoFontLoadsNothingIsPrintedAndOneLineSaysWhy) {
  const QString ontwerp = BewaardOntwerp();
  // Fontconfig is shown one folder holding one damaged font file, and keeps
  // its cache beside it.
  tmp.write(QStringLiteral("fonts/kapot.ttf"), QByteArray("\0\1\0\0kapot", 9).repeated(1000));
  const QString conf =
      tmp.write(QStringLiteral("fonts.conf"),
                "<?xml version=\"1.0\"?>\n<fontconfig>\n<dir>" + QFile::encodeName(tmp.path(QStringLiteral("fonts"))) +
                    "</dir>\n<cachedir>" + QFile::encodeName(tmp.path(QStringLiteral("fontcache"))) +
                    "</cachedir>\n</fontconfig>\n");
  const QString uit = tmp.path(QStringLiteral("uit.prn"));
  QProcessEnvironment fonts;
  fonts.insert(QStringLiteral("FONTCONFIG_FILE"), conf);
  QProcess p;
  StartPrint(p, {QStringLiteral("-q"), QStringLiteral("--catalog"), catalogus, QStringLiteral("-o"), uit, ontwerp},
             fonts);
  const Uitkomst u = Einde(p);
  EXPECT_EQ(u.code, 1);
  EXPECT_EQ(u.fout, QByteArray("vellora-print: no usable fonts are installed, so no text can be drawn\n"));
  EXPECT_FALSE(QFile::exists(uit));
}

TEST_F(VelloraPrint, APortThatFailsMidJobEndsTheProgramWithOneLineAndNotZero) {
  const QString ontwerp = BewaardOntwerp();
  // Numbers 1 to 500: far more than a pipe holds.
  const QStringList argumenten = {QStringLiteral("-q"),   QStringLiteral("--catalog"), catalogus,
                                  QStringLiteral("--to"), QStringLiteral("500"),       ontwerp};
  if (QFileInfo(QStringLiteral("/dev/full")).isWritable()) {
    CliInstelling("Defaults", "Printer1", QStringLiteral("/dev/full"));
    const Uitkomst u = Draai(argumenten);
    EXPECT_EQ(u.code, 1);
    EXPECT_EQ(u.fout.count('\n'), 1) << u.fout.toStdString();
    // The port, and why: no room left.
    EXPECT_TRUE(u.fout.startsWith("vellora-print: writing failed: /dev/full: ")) << u.fout.toStdString();
  }

  // A printer that goes away: a pipe whose reader ends after the first bytes.
  const QString pijp = tmp.path(QStringLiteral("printer"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(pijp).constData(), 0600), 0);
  // Not inherited: a program holding the reading end itself never learns it has gone.
  const int lezer = ::open(QFile::encodeName(pijp).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  ASSERT_GE(lezer, 0);
  CliInstelling("Defaults", "Printer1", pijp);
  // The program starts with the signals this one leaves it: as a shell would,
  // with a broken pipe ending a program that does not see to it.
  const auto vorige = std::signal(SIGPIPE, SIG_DFL);
  QProcess p;
  StartPrint(p, argumenten);
  qint64 gelezen = 0;
  const QDeadlineTimer tijd(30000);
  while (gelezen < 20000 && !tijd.hasExpired()) {
    char blok[65536];
    const ssize_t n = ::read(lezer, blok, sizeof blok);
    if (n > 0)
      gelezen += n;
    else
      QThread::msleep(5);
  }
  ::close(lezer);
  const Uitkomst u = Einde(p);
  std::signal(SIGPIPE, vorige);
  EXPECT_GE(gelezen, 20000);
  EXPECT_EQ(u.code, 1) << "ended by a signal: -1";
  EXPECT_EQ(u.fout.count('\n'), 1) << u.fout.toStdString();
  EXPECT_TRUE(u.fout.startsWith("vellora-print: writing failed: " + QFile::encodeName(pijp) + ": "))
      << u.fout.toStdString();
}

TEST_F(VelloraPrint, TheSystemPrinterGetsEveryJobOfARunOfThemInOrderAndAFailingSpoolerFailsTheRun) {
  const QString ontwerp = BewaardOntwerp();
  const auto stroom = [&](const char* nummer) {
    const QString pad = tmp.path(QStringLiteral("verwacht-%1.prn").arg(QLatin1String(nummer)));
    EXPECT_EQ(Draai({QStringLiteral("-q"), QStringLiteral("--catalog"), catalogus, QStringLiteral("--from"),
                     QLatin1String(nummer), QStringLiteral("--to"), QLatin1String(nummer), QStringLiteral("-o"), pad,
                     ontwerp})
                  .code,
              0);
    return Lees(pad);
  };
  const QByteArray verwacht = stroom("1") + stroom("2") + stroom("3");
  // A stand-in lp that starts late, then adds the file it was given to a log.
  const QString log = tmp.path(QStringLiteral("printer.log"));
  QDir().mkpath(tmp.path(QStringLiteral("lp")));
  const QString lp = tmp.write(QStringLiteral("lp/lp"), "#!/bin/sh\nsleep 0.2\nfor f; do :; done\ncat -- \"$f\" >> \"" +
                                                            QFile::encodeName(log) + "\"\n");
  QFile::setPermissions(lp, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  QProcessEnvironment pad;
  pad.insert(QStringLiteral("PATH"), tmp.path(QStringLiteral("lp")) + u':' + qEnvironmentVariable("PATH"));
  CliInstelling("Defaults", "PrinterPort", QStringLiteral("4"));
  CliInstelling("Defaults", "WindowsPrinter", QStringLiteral("etiket"));
  const auto druk = [&](const char* nummer) {
    QProcess p;
    StartPrint(p,
               {QStringLiteral("-q"), QStringLiteral("--catalog"), catalogus, QStringLiteral("--from"),
                QLatin1String(nummer), QStringLiteral("--to"), QLatin1String(nummer), ontwerp},
               pad);
    return Einde(p);
  };
  for (const char* nummer : {"1", "2", "3"}) {
    const Uitkomst u = druk(nummer);
    EXPECT_EQ(u.code, 0) << u.fout.toStdString();
  }
  EXPECT_EQ(Lees(log), verwacht);
  // The spool files have gone with their jobs.
  EXPECT_EQ(QDir(QFileInfo(QStringLiteral(VELLORA_PRINT)).absolutePath()).entryList({QStringLiteral("data-*.prn")}),
            QStringList());

  // A spooler that fails is the run's failure, with its status and words.
  tmp.write(QStringLiteral("lp/lp"), "#!/bin/sh\necho 'lp: The printer or class does not exist.' >&2\nexit 1\n");
  const Uitkomst u = druk("4");
  EXPECT_EQ(u.code, 1);
  EXPECT_EQ(u.fout.count('\n'), 1) << u.fout.toStdString();
  EXPECT_TRUE(u.fout.startsWith("vellora-print: ")) << u.fout.toStdString();
  EXPECT_TRUE(u.fout.contains("PrintFile failed with exit status 1: lp: The printer or class does not exist."))
      << u.fout.toStdString();
}

TEST_F(VelloraPrint, AnOutputThatIsOneOfTheInputsIsRefusedAndNothingIsWritten) {
  const QString ontwerp = BewaardOntwerp();
  const QByteArray inhoud = Lees(ontwerp);
  const QString lijst = tmp.write(QStringLiteral("l.csv"), "Jan\nPiet\n");
  const QString symlink = tmp.path(QStringLiteral("naar-lijst.prn"));
  ASSERT_TRUE(QFile::link(lijst, symlink));
  const QString hardlink = tmp.path(QStringLiteral("catalogus.prn"));
  ASSERT_EQ(::link(QFile::encodeName(catalogus).constData(), QFile::encodeName(hardlink).constData()), 0);
  const QByteArray catalogusInhoud = Lees(catalogus);
  for (const QString& uit : {ontwerp, symlink, hardlink}) {
    const Uitkomst u = Draai({QStringLiteral("-q"), QStringLiteral("--catalog"), catalogus, QStringLiteral("--list"),
                              lijst, QStringLiteral("-o"), uit, ontwerp});
    EXPECT_EQ(u.code, 1) << uit.toStdString();
    EXPECT_EQ(u.fout.count('\n'), 1) << u.fout.toStdString();
    EXPECT_TRUE(u.fout.contains("nothing was written")) << u.fout.toStdString();
  }
  EXPECT_EQ(Lees(ontwerp), inhoud);
  EXPECT_EQ(Lees(lijst), QByteArray("Jan\nPiet\n"));
  EXPECT_EQ(Lees(catalogus), catalogusInhoud);
  // A port file of the settings that is the design is no different.
  CliInstelling("Defaults", "Printer1", ontwerp);
  const Uitkomst u = Draai({QStringLiteral("-q"), QStringLiteral("--catalog"), catalogus, ontwerp});
  EXPECT_EQ(u.code, 1);
  EXPECT_TRUE(u.fout.contains("is the design")) << u.fout.toStdString();
  EXPECT_EQ(Lees(ontwerp), inhoud);
}

TEST_F(VelloraPrint, APreviewThatCannotBeMadeStopsTheRunBeforeAnythingIsSent) {
  const QString ontwerp = BewaardOntwerp();
  const QString uit = tmp.path(QStringLiteral("uit.prn"));
  const QString geenMap = tmp.write(QStringLiteral("bestand"), "x") + QStringLiteral("/voorbeeld");
  const Uitkomst u = Draai({QStringLiteral("-q"), QStringLiteral("--catalog"), catalogus, QStringLiteral("--preview"),
                            geenMap, QStringLiteral("-o"), uit, ontwerp});
  EXPECT_EQ(u.code, 1);
  EXPECT_EQ(u.fout.count('\n'), 1) << u.fout.toStdString();
  EXPECT_TRUE(u.fout.contains("nothing was sent")) << u.fout.toStdString();
  EXPECT_FALSE(QFile::exists(uit));
}

namespace {
using Gedrag = Netwerkluisteraar::Gedrag;

// A port on this machine that nothing listens on.
int GeslotenPoort() {
  Netwerkluisteraar weg(Gedrag::NietAannemen);
  return weg.poort();
}
}  // namespace

TEST_F(VelloraPrint, APrinterOnTheNetworkGetsTheBytesAFileGetsAndThenTheAfterJobCommandRuns) {
  const QString ontwerp = BewaardOntwerp();
  const QStringList job = {QStringLiteral("-q"), QStringLiteral("--catalog"), catalogus, QStringLiteral("--to"),
                           QStringLiteral("30"), ontwerp};
  const QString bestand = tmp.path(QStringLiteral("bestand.prn"));
  ASSERT_EQ(Draai(QStringList{QStringLiteral("-o"), bestand} + job).code, 0);
  const QByteArray verwacht = Lees(bestand);
  ASSERT_GT(verwacht.size(), 100000);

  // Connection 2 of the settings, written "host:port".
  Netwerkluisteraar printer(Gedrag::AllesLezen);
  const QString gedaan = tmp.path(QStringLiteral("gedaan"));
  CliInstelling("Defaults", "PrinterPort", QStringLiteral("2"));
  CliInstelling("Defaults", "Printer2", QStringLiteral("127.0.0.1:%1").arg(printer.poort()));
  CliInstelling("Defaults", "Shell2", QStringLiteral("touch ") + gedaan);
  const Uitkomst u = Draai(job);
  ASSERT_EQ(u.code, 0) << u.fout.toStdString();
  EXPECT_TRUE(u.fout.isEmpty()) << u.fout.toStdString();
  EXPECT_EQ(printer.Gelezen(), verwacht);
  // The after-job command still runs, with no file to read.
  EXPECT_TRUE(QFile::exists(gedaan));

  // Given on the command line as tcp://: no after-job command.
  QFile::remove(gedaan);
  Netwerkluisteraar tweede(Gedrag::AllesLezen);
  const Uitkomst v =
      Draai(QStringList{QStringLiteral("-o"), QStringLiteral("tcp://127.0.0.1:%1").arg(tweede.poort())} + job);
  ASSERT_EQ(v.code, 0) << v.fout.toStdString();
  EXPECT_EQ(tweede.Gelezen(), verwacht);
  EXPECT_FALSE(QFile::exists(gedaan));
}

TEST_F(VelloraPrint, APrinterThatRefusesOrDoesNotAnswerIsNamedAndNothingIsSent) {
  const QString ontwerp = BewaardOntwerp();
  const int poort = GeslotenPoort();
  const Uitkomst u = Draai({QStringLiteral("-q"), QStringLiteral("--catalog"), catalogus, QStringLiteral("-o"),
                            QStringLiteral("tcp://127.0.0.1:%1").arg(poort), ontwerp});
  EXPECT_EQ(u.code, 1);
  EXPECT_EQ(QString::fromUtf8(u.fout),
            QStringLiteral("vellora-print: De printer kan niet worden bereikt: tcp://127.0.0.1:%1 De printer op "
                           "127.0.0.1, poort %1 weigert de verbinding: daar luistert geen printer. Kijk het adres en de "
                           "poort na.\n")
                .arg(poort));

  // A printer whose queue takes no connection never answers the handshake:
  // the wait from the settings ends it.
  Netwerkluisteraar vol(Gedrag::NietAannemen);
  CliInstelling("Defaults", "Printer1", QStringLiteral("tcp://127.0.0.1:%1").arg(vol.poort()));
  CliInstelling("Defaults", "ConnectTimeout", QStringLiteral("0.5"));
  const Uitkomst v = Draai({QStringLiteral("-q"), QStringLiteral("--catalog"), catalogus, ontwerp});
  EXPECT_EQ(v.code, 1);
  EXPECT_TRUE(v.fout.contains("poort " + QByteArray::number(vol.poort()) +
                              " antwoordt niet: na 0,5 seconde is er nog geen verbinding."))
      << v.fout.toStdString();

  // A port number no port has is refused before anything is tried.
  const Uitkomst w = Draai({QStringLiteral("-q"), QStringLiteral("--catalog"), catalogus, QStringLiteral("-o"),
                            QStringLiteral("printer:70000"), ontwerp});
  EXPECT_EQ(w.code, 1);
  EXPECT_TRUE(w.fout.contains("Het poortnummer 70000 bestaat niet.")) << w.fout.toStdString();
  EXPECT_FALSE(QFile::exists(QStringLiteral("printer:70000")));
}

TEST_F(VelloraPrint, APrinterThatGoesAwayMidJobFailsTheRunAndSaysHowMuchGotThrough) {
  const QString ontwerp = BewaardOntwerp();
  // Numbers 1 to 500: megabytes, far more than the connection holds.
  const QStringList job = {QStringLiteral("-q"), QStringLiteral("--catalog"), catalogus, QStringLiteral("--to"),
                           QStringLiteral("500"), ontwerp};
  const QString bestand = tmp.path(QStringLiteral("bestand.prn"));
  ASSERT_EQ(Draai(QStringList{QStringLiteral("-o"), bestand} + job).code, 0);
  const QByteArray stroom = Lees(bestand);

  constexpr qint64 kDeel = 300000;
  Netwerkluisteraar printer(Gedrag::DeelLezen, kDeel);
  const Uitkomst u =
      Draai(QStringList{QStringLiteral("-o"), QStringLiteral("tcp://127.0.0.1:%1").arg(printer.poort())} + job);
  EXPECT_EQ(u.code, 1);
  EXPECT_EQ(printer.Gelezen(), stroom.left(kDeel));
  const QString fout = QString::fromUtf8(u.fout);
  EXPECT_EQ(fout.count(u'\n'), 1) << fout.toStdString();
  EXPECT_TRUE(fout.contains(QStringLiteral("De verbinding met de printer is midden in het afdrukwerk verbroken")))
      << fout.toStdString();
  EXPECT_TRUE(fout.contains(QStringLiteral("Het afdrukwerk is afgebroken: niet alle etiketten zijn afgedrukt.")));
  // How much the printer got, and the labels whole in it as the stream's
  // own reader finds them there.
  const QRegularExpressionMatch m =
      QRegularExpression(QStringLiteral("De printer heeft ([0-9.]+) bytes ontvangen, daarin ([0-9]+) volledige etiketten"))
          .match(fout);
  ASSERT_TRUE(m.hasMatch()) << fout.toStdString();
  const qint64 bytes = m.captured(1).remove(u'.').toLongLong();
  // The count is what the printer acknowledged: data it read but had not
  // yet acknowledged when it went (a delayed acknowledgement) is not
  // claimed, so the count may fall a little short of what it read, never
  // more than its window; and it is at most what its small queue held besides.
  EXPECT_GE(bytes, kDeel - 65536);
  EXPECT_LT(bytes, kDeel + 300000);
  int heel = 0;
  for (const Stroomvel& vel : sbpl::Lees(stroom.left(bytes)).vellen)
    if (vel.gesloten) heel += int(vel.labels.size()) * std::max(1, vel.aantal);
  EXPECT_GT(heel, 0);
  EXPECT_EQ(m.captured(2).toInt(), heel);
}

TEST_F(VelloraPrint, APrinterThatStopsTakingDataEndsTheRunAfterTheWriteWait) {
  const QString ontwerp = BewaardOntwerp();
  CliInstelling("Defaults", "WriteTimeout", QStringLiteral("1"));
  // Far more than the connection holds, so a write waits; and a job small
  // enough for the system to take it all at once, which is still not printed
  // while the printer does not read it.
  for (const char* laatste : {"500", "2"}) {
    Netwerkluisteraar printer(Gedrag::NietLezen);
    CliInstelling("Defaults", "Printer1", QStringLiteral("127.0.0.1:%1").arg(printer.poort()));
    const Uitkomst u = Draai({QStringLiteral("-q"), QStringLiteral("--catalog"), catalogus, QStringLiteral("--to"),
                              QString::fromLatin1(laatste), ontwerp});
    EXPECT_EQ(u.code, 1) << laatste;
    const QString fout = QString::fromUtf8(u.fout);
    EXPECT_TRUE(fout.startsWith(QStringLiteral("vellora-print: writing failed: 127.0.0.1:%1: De printer heeft 1 seconde "
                                               "lang geen gegevens meer aangenomen. Het afdrukwerk is afgebroken: niet "
                                               "alle etiketten zijn afgedrukt.")
                                    .arg(printer.poort())))
        << laatste << ": " << fout.toStdString();
  }
}

// A design on a stock sheet printed as a PDF from the command line: the
// page is the sheet, the text is text, and a partly used sheet begins at
// the label asked for.
TEST_F(VelloraPrint, APdfOfAStockSheetBeginsAtTheFirstLabelGiven) {
  Ontwerp o;
  const int i = o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn);
  o.voorwerp(i).tekst().Tekst = QStringLiteral("Pot [#]");
  o.voorwerp(i).tekst().Lettertype = QStringLiteral("DejaVu Sans");
  o.voorwerp(i).tekst().Lettergrootte = 12;
  float l = -25, b = -3, w = 50, h = 6;
  o.PlaatsVoorwerp(i, l, b, w, h);
  const QString ontwerp = tmp.path(QStringLiteral("potten.VLO"));
  ASSERT_TRUE(BewaarEtiket(ontwerp, 2, o, QStringLiteral("Avery L7160")).Gelukt());
  const QString pdf = tmp.path(QStringLiteral("potten.pdf"));
  const Uitkomst u = Draai({QStringLiteral("--pdf"), pdf, QStringLiteral("--first-label"), QStringLiteral("4"),
                            QStringLiteral("--from"), QStringLiteral("1"), QStringLiteral("--to"), QStringLiteral("3"),
                            QStringLiteral("-q"), ontwerp});
  ASSERT_EQ(u.code, 0) << u.fout.toStdString();
  EXPECT_TRUE(u.fout.isEmpty()) << u.fout.toStdString();
  EXPECT_NEAR(PdfPageSize(pdf).width(), 595.3, 0.5);
  EXPECT_NEAR(PdfPageSize(pdf).height(), 841.9, 0.5);
  // Where pdftotext finds each number: label 4 is the first of the second
  // row (Avery 7160: first row at 43.9 pt, rows 108 pt apart, columns 187.2
  // pt from 21.2 pt).
  const QString woorden =
      QString::fromUtf8(RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}));
  for (int n = 1; n <= 3; ++n) {
    const QRegularExpression woord(QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>%1</word>").arg(n));
    const QRegularExpressionMatch m = woord.match(woorden);
    ASSERT_TRUE(m.hasMatch()) << n;
    const double x = m.captured(1).toDouble(), y = m.captured(2).toDouble();
    const int kolom = n - 1;  // labels 4, 5, 6: the second row
    EXPECT_GT(x, 21.2 + kolom * 187.2) << n;
    EXPECT_LT(x, 21.2 + kolom * 187.2 + 181.4) << n;
    EXPECT_GT(y, 43.9 + 108) << n;
    EXPECT_LT(y, 43.9 + 2 * 108) << n;
  }

  // A list fills its values in as on a label printer, a row per label.
  Ontwerp lijstOntwerp = o;
  lijstOntwerp.voorwerp(i).tekst().Tekst = QStringLiteral("[A] kost [B]");
  const QString metLijst = tmp.path(QStringLiteral("prijzen.VLO"));
  ASSERT_TRUE(BewaarEtiket(metLijst, 2, lijstOntwerp, QStringLiteral("Avery L7160")).Gelukt());
  const QString lijst = tmp.write(QStringLiteral("prijzen.csv"), "Kaas;4,95\r\nMelk;1,10\r\n");
  const QString prijzen = tmp.path(QStringLiteral("prijzen.pdf"));
  const Uitkomst gedrukt = Draai({QStringLiteral("--pdf"), prijzen, QStringLiteral("--list"), lijst, QStringLiteral("-q"), metLijst});
  ASSERT_EQ(gedrukt.code, 0) << gedrukt.fout.toStdString();
  const QString tekst = PdfText(prijzen);
  EXPECT_TRUE(tekst.contains(QStringLiteral("Kaas kost 4,95"))) << tekst.toStdString();
  EXPECT_TRUE(tekst.contains(QStringLiteral("Melk kost 1,10"))) << tekst.toStdString();

  const Uitkomst teVer = Draai({QStringLiteral("--pdf"), pdf, QStringLiteral("--first-label"), QStringLiteral("22"), ontwerp});
  EXPECT_EQ(teVer.code, 1);
  EXPECT_EQ(teVer.fout, QByteArray("vellora-print: --first-label 22: a sheet of Avery L7160 has 21 labels\n"));
  const Uitkomst zonderPdf = Draai({QStringLiteral("--first-label"), QStringLiteral("2"), ontwerp});
  EXPECT_EQ(zonderPdf.code, 2);
  EXPECT_EQ(zonderPdf.fout, QByteArray("vellora-print: --first-label goes with --pdf\n"));
}

TEST_F(VelloraPrint, ATemplateFileGivenOnTheCommandLineBringsItsSheets) {
  const QString sjablonen = tmp.write(QStringLiteral("winkel.xml"), R"(<Glabels-templates>
  <Template brand="Winkel" part="W1" size="A4"><Label-round id="0" radius="15mm"><Layout nx="5" ny="8" x0="10mm" y0="10mm" dx="40mm" dy="35mm"/></Label-round></Template>
</Glabels-templates>)");
  Ontwerp o;
  const int i = o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn);
  o.voorwerp(i).tekst().Tekst = QStringLiteral("Rond");
  o.voorwerp(i).tekst().Lettertype = QStringLiteral("DejaVu Sans");
  o.voorwerp(i).tekst().Lettergrootte = 10;
  const QString ontwerp = tmp.path(QStringLiteral("rond.VLO"));
  ASSERT_TRUE(BewaarEtiket(ontwerp, 2, o, QStringLiteral("Winkel W1")).Gelukt());
  const QString pdf = tmp.path(QStringLiteral("rond.pdf"));
  const Uitkomst zonder = Draai({QStringLiteral("--pdf"), pdf, ontwerp});
  EXPECT_EQ(zonder.code, 1);
  EXPECT_FALSE(QFile::exists(pdf));
  const Uitkomst met = Draai({QStringLiteral("--pdf"), pdf, QStringLiteral("--templates"), sjablonen, ontwerp});
  ASSERT_EQ(met.code, 0) << met.fout.toStdString();
  EXPECT_EQ(PdfText(pdf).count(QStringLiteral("Rond")), 1);
}
