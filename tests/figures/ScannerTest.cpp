#include <gtest/gtest.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <functional>

#include "figures/Figuur.h"
#include "platform/Scanner.h"
#include "support/FakeMessageService.h"
#include "support/FakeScanner.h"
#include "support/Tijdelijk.h"
#include "ui/ScannerKiezen.h"

using namespace ui;

namespace {

using platform::ScanSource;
using Status = platform::Scanner::Status;

QByteArray PngVan(const QImage& beeld) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  beeld.save(&buffer, "PNG");
  return bytes;
}

QImage Proefbeeld() {
  QImage beeld(5, 3, QImage::Format_RGB32);
  beeld.fill(Qt::white);
  beeld.setPixel(1, 2, qRgb(200, 10, 30));
  return beeld;
}

}  // namespace

// ---- The listing of scanimage -L ----

TEST(ScanimageLijst, EveryDeviceLineGivesItsNameAndDescription) {
  const QString uitvoer = QStringLiteral(
      "device `test:0' is a Noname frontend-tester virtual device\n"
      "device `test:1' is a Noname frontend-tester virtual device\n"
      "device `hpaio:/net/Deskjet_3630?ip=192.168.1.7' is a Hewlett-Packard Deskjet_3630 all-in-one\n"
      "device `v4l:/dev/video0' is a Noname Integrated Camera: Integrated C virtual device\n");
  const QList<ScanSource> verwacht{
      {QStringLiteral("test:0"), QStringLiteral("Noname frontend-tester virtual device")},
      {QStringLiteral("test:1"), QStringLiteral("Noname frontend-tester virtual device")},
      {QStringLiteral("hpaio:/net/Deskjet_3630?ip=192.168.1.7"), QStringLiteral("Hewlett-Packard Deskjet_3630 all-in-one")},
      {QStringLiteral("v4l:/dev/video0"), QStringLiteral("Noname Integrated Camera: Integrated C virtual device")},
  };
  EXPECT_EQ(platform::parseScanimageList(uitvoer), verwacht);
}

TEST(ScanimageLijst, TheNoticeThatNothingWasFoundGivesNoDevices) {
  const QString niets = QStringLiteral(
      "\nNo scanners were identified. If you were expecting something different,\n"
      "check that the scanner is plugged in, turned on and detected by the\n"
      "sane-find-scanner tool (if appropriate). Please read the documentation\n"
      "which came with this software (README, FAQ, manpages).\n");
  EXPECT_TRUE(platform::parseScanimageList(niets).isEmpty());
  EXPECT_TRUE(platform::parseScanimageList(QString()).isEmpty());
}

TEST(ScanimageLijst, OddLinesAreSkippedOrTidied) {
  const QString uitvoer = QStringLiteral(
      "scanimage: warning: something\r\n"
      "  device `epson2:net:10.0.0.2' is a Epson  PID 08BC   flatbed scanner\r\n"
      "device `zonder-beschrijving' is a\n"
      "device `kapot:0 is a Noname\n"
      "device `' is a Noname empty name\n"
      "device `quote:0' is a Vendor's model ' is a scanner\n"
      "Device `hoofdletter:0' is a Noname x\n");
  const QList<ScanSource> verwacht{
      {QStringLiteral("epson2:net:10.0.0.2"), QStringLiteral("Epson PID 08BC flatbed scanner")},
      {QStringLiteral("zonder-beschrijving"), QString()},
      {QStringLiteral("quote:0"), QStringLiteral("Vendor's model ' is a scanner")},
  };
  EXPECT_EQ(platform::parseScanimageList(uitvoer), verwacht);
}

// ---- SaneScanner with a stand-in program ----

namespace {

// A stand-in for the scanning program: a shell script in a private folder
// that notes its arguments one per line and answers with `antwoord`.
class NepScanprogramma : public ::testing::Test {
 protected:
  TempFolder tmp;

  QString Script(const QByteArray& antwoord) {
    const QString pad = tmp.write(QStringLiteral("nepscan"),
                                  "#!/bin/sh\n"
                                  "map=$(dirname \"$0\")\n"
                                  "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$map/argumenten\"\n" +
                                      antwoord + "\n");
    QFile::setPermissions(pad, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return pad;
  }
  platform::SaneScanner Scanner(const QByteArray& antwoord, qint64 maxBytes = 1024 * 1024, qint64 maxDots = 1000) {
    platform::SaneScannerOptions o;
    o.program = Script(antwoord);
    o.maxBytes = maxBytes;
    o.maxDots = maxDots;
    return platform::SaneScanner(o);
  }
  QStringList Argumenten() {
    QFile f(tmp.path(QStringLiteral("argumenten")));
    if (!f.open(QIODevice::ReadOnly)) return {QStringLiteral("<niet gestart>")};
    return QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
  }
};

}  // namespace

TEST_F(NepScanprogramma, TheDeviceGoesAsOneArgumentAndThePngComesBack) {
  tmp.write(QStringLiteral("beeld.png"), PngVan(Proefbeeld()));
  platform::SaneScanner scanner = Scanner("cat \"$map/beeld.png\"");
  // Blanks and shell signs in a name must reach the program untouched.
  const QString apparaat = QStringLiteral("net:host;touch ") + tmp.path(QStringLiteral("gevaar")) +
                           QStringLiteral(" `x' $(id) y");
  const std::optional<QImage> beeld = scanner.scan(apparaat);
  ASSERT_TRUE(beeld.has_value());
  EXPECT_EQ(scanner.lastStatus(), Status::Ok);
  EXPECT_EQ(beeld->convertToFormat(QImage::Format_RGB32), Proefbeeld());
  EXPECT_EQ(Argumenten(), (QStringList{QStringLiteral("-d"), apparaat, QStringLiteral("--format=png")}));
  EXPECT_FALSE(QFile::exists(tmp.path(QStringLiteral("gevaar"))));

  // Without a chosen device the system's default scanner is asked.
  ASSERT_TRUE(scanner.scan(QString()).has_value());
  EXPECT_EQ(Argumenten(), QStringList{QStringLiteral("--format=png")});
}

TEST_F(NepScanprogramma, AScanThatIsNotAWholeGoodPictureDeliversNothing) {
  tmp.write(QStringLiteral("beeld.png"), PngVan(Proefbeeld()));
  const QByteArray gevallen[] = {
      "head -c 40 \"$map/beeld.png\"; exit 2",  // cancelled after the header
      "cat \"$map/beeld.png\"; exit 7",           // a picture, but the program failed
      "echo geen plaatje",                        // success without a picture
      ":",                                        // nothing at all
      "kill -9 $$",                               // the program crashed
  };
  for (const QByteArray& antwoord : gevallen) {
    platform::SaneScanner scanner = Scanner(antwoord);
    EXPECT_FALSE(scanner.scan(QStringLiteral("test")).has_value()) << antwoord.constData();
    EXPECT_EQ(scanner.lastStatus(), Status::NoResult) << antwoord.constData();
  }
}

TEST_F(NepScanprogramma, OutputAndPicturesPastTheBoundsAreRefused) {
  QImage groot(40, 30, QImage::Format_RGB32);
  groot.fill(Qt::white);
  tmp.write(QStringLiteral("beeld.png"), PngVan(groot));
  const qint64 lengte = PngVan(groot).size();

  // Endless output is cut off rather than collected.
  platform::SaneScanner eindeloos = Scanner("cat /dev/zero", 64 * 1024);
  EXPECT_FALSE(eindeloos.scan(QStringLiteral("test")).has_value());
  EXPECT_EQ(eindeloos.lastStatus(), Status::NoResult);

  // One byte short of the file, or one dot short of the picture, is refused;
  // exactly enough of both is taken.
  EXPECT_FALSE(Scanner("cat \"$map/beeld.png\"", lengte - 1, 1200).scan(QStringLiteral("t")).has_value());
  EXPECT_FALSE(Scanner("cat \"$map/beeld.png\"", lengte, 1199).scan(QStringLiteral("t")).has_value());
  const std::optional<QImage> beeld = Scanner("cat \"$map/beeld.png\"", lengte, 1200).scan(QStringLiteral("t"));
  ASSERT_TRUE(beeld.has_value());
  EXPECT_EQ(beeld->size(), QSize(40, 30));
}

TEST_F(NepScanprogramma, TheListingIsAskedWithMinusL) {
  platform::SaneScanner scanner = Scanner("echo \"device \\`a:1' is a Maker Model flatbed scanner\"");
  EXPECT_EQ(scanner.listSources(),
            (QList<ScanSource>{{QStringLiteral("a:1"), QStringLiteral("Maker Model flatbed scanner")}}));
  EXPECT_EQ(scanner.lastStatus(), Status::Ok);
  EXPECT_EQ(Argumenten(), QStringList{QStringLiteral("-L")});

  platform::SaneScanner mislukt = Scanner("exit 1");
  EXPECT_TRUE(mislukt.listSources().isEmpty());
  EXPECT_EQ(mislukt.lastStatus(), Status::NoResult);
}

TEST_F(NepScanprogramma, AMissingProgramIsReportedAsNotStarted) {
  platform::SaneScannerOptions o;
  o.program = tmp.path(QStringLiteral("bestaat-niet/scanimage"));
  platform::SaneScanner scanner(o);
  EXPECT_TRUE(scanner.listSources().isEmpty());
  EXPECT_EQ(scanner.lastStatus(), Status::NotStarted);
  EXPECT_FALSE(scanner.scan(QStringLiteral("test")).has_value());
  EXPECT_EQ(scanner.lastStatus(), Status::NotStarted);

  // A file that is there but may not be run is no better.
  o.program = tmp.write(QStringLiteral("geen-programma"), "#!/bin/sh\nexit 0\n");
  platform::SaneScanner nietUitvoerbaar(o);
  EXPECT_FALSE(nietUitvoerbaar.scan(QStringLiteral("test")).has_value());
  EXPECT_EQ(nietUitvoerbaar.lastStatus(), Status::NotStarted);
}

// ---- SANE's own test backend ----

namespace {

class SaneTestBackend : public ::testing::Test {
 protected:
  TempFolder tmp;
  platform::SaneScannerOptions o;

  void SetUp() override {
    o.program = QStandardPaths::findExecutable(QStringLiteral("scanimage"));
    if (o.program.isEmpty()) GTEST_SKIP() << "scanimage is not installed (package sane-utils)";
    // Only the test backend, from a private configuration folder; the
    // trailing colon keeps the system folder for the backend's own settings.
    tmp.write(QStringLiteral("dll.conf"), "test\n");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SANE_CONFIG_DIR"), tmp.root() + u':');
    o.environment = env;
  }
};

}  // namespace

TEST_F(SaneTestBackend, ListsTheTestDevices) {
  platform::SaneScanner scanner(o);
  const QList<ScanSource> bronnen = scanner.listSources();
  EXPECT_EQ(scanner.lastStatus(), Status::Ok);
  EXPECT_TRUE(bronnen.contains(ScanSource{QStringLiteral("test:0"), QStringLiteral("Noname frontend-tester virtual device")}));
  EXPECT_TRUE(bronnen.contains(ScanSource{QStringLiteral("test:1"), QStringLiteral("Noname frontend-tester virtual device")}));
}

TEST_F(SaneTestBackend, ScansAGreyPicture) {
  platform::SaneScanner scanner(o);
  const std::optional<QImage> beeld = scanner.scan(QStringLiteral("test"));
  ASSERT_TRUE(beeld.has_value());
  EXPECT_EQ(scanner.lastStatus(), Status::Ok);
  EXPECT_EQ(beeld->size(), QSize(157, 196));
  EXPECT_TRUE(beeld->isGrayscale());
  // The backend's default picture is solid black.
  EXPECT_EQ(qGray(beeld->pixel(0, 0)), 0);
  EXPECT_EQ(qGray(beeld->pixel(156, 195)), 0);
  // A grey scan makes a figure like any other picture: black stays black.
  const QImage bitmap = MaakFiguurBitmap(*beeld);
  ASSERT_EQ(bitmap.size(), QSize(157, 196));
  EXPECT_EQ(bitmap.pixelIndex(78, 98), 1);

  // A device that is not there delivers nothing, without an error message.
  EXPECT_FALSE(scanner.scan(QStringLiteral("test:bestaat-niet")).has_value());
  EXPECT_EQ(scanner.lastStatus(), Status::NoResult);
}

// ---- The dialog and the two commands ----

namespace {

class ScannerKiezenTest : public ::testing::Test {
 protected:
  FakeScanner scanner;
  FakeMessageService meldingen;
  ScannerKiezen dlg;
  int getoond = 0;

  template <typename T>
  T* Kind(const char* naam) {
    T* w = dlg.findChild<T*>(QString::fromLatin1(naam));
    EXPECT_NE(w, nullptr) << naam;
    return w;
  }
  QStringList Regels() {
    QStringList r;
    for (int i = 0; i < dlg.Lijst()->count(); ++i) r << dlg.Lijst()->item(i)->text();
    return r;
  }
  // Runs the command "Scanner selecteren" while `doe` works the dialog.
  bool Selecteren(QString& apparaat, std::function<void()> doe) {
    QTimer::singleShot(0, &dlg, [this, doe] {
      ++getoond;
      doe();
      // Whatever `doe` did, the dialog must not stay open.
      if (dlg.isVisible()) dlg.done(QDialog::Rejected);
    });
    return ScannerSelecteren(scanner, meldingen, dlg, apparaat);
  }
  void ExpectFoutmelding() {
    ASSERT_EQ(meldingen.shown.size(), 1u);
    EXPECT_EQ(meldingen.shown[0].icon, platform::MessageService::Icon::Exclamation);
    EXPECT_EQ(meldingen.shown[0].title, QStringLiteral("Fout."));
    EXPECT_EQ(meldingen.shown[0].text, QStringLiteral("Het scanner-programma kan\nniet gestart worden."));
  }
};

}  // namespace

TEST_F(ScannerKiezenTest, ListsTheSourcesAndReturnsTheChoice) {
  scanner.sources = {{QStringLiteral("test:0"), QStringLiteral("Noname frontend-tester virtual device")},
                     {QStringLiteral("test:1"), QStringLiteral("Noname frontend-tester virtual device")},
                     {QStringLiteral("v4l:/dev/video0"), QString()}};
  QString apparaat = QStringLiteral("test:1");
  EXPECT_TRUE(Selecteren(apparaat, [this] {
    EXPECT_EQ(Regels(), (QStringList{QStringLiteral("Noname frontend-tester virtual device  (test:0)"),
                                     QStringLiteral("Noname frontend-tester virtual device  (test:1)"),
                                     QStringLiteral("v4l:/dev/video0")}));
    // The scanner chosen before is selected again.
    EXPECT_EQ(dlg.Lijst()->currentRow(), 1);
    EXPECT_FALSE(Kind<QLabel>("lblGeenScanner")->isVisible());
    dlg.Lijst()->setCurrentRow(2);
    Kind<QPushButton>("cmdOK")->click();
  }));
  EXPECT_EQ(apparaat, QStringLiteral("v4l:/dev/video0"));
  EXPECT_EQ(getoond, 1);
  EXPECT_EQ(scanner.listings, 1);
  EXPECT_TRUE(meldingen.shown.empty());
}

TEST_F(ScannerKiezenTest, CancellingKeepsThePreviousChoice) {
  scanner.sources = {{QStringLiteral("a:0"), QStringLiteral("A")}, {QStringLiteral("b:0"), QStringLiteral("B")}};
  QString apparaat = QStringLiteral("b:0");
  EXPECT_FALSE(Selecteren(apparaat, [this] {
    dlg.Lijst()->setCurrentRow(0);
    Kind<QPushButton>("cmdAnnuleren")->click();
  }));
  EXPECT_EQ(apparaat, QStringLiteral("b:0"));
  EXPECT_FALSE(dlg.Bevestigd());

  // An unknown earlier choice starts on the first line; a double click chooses.
  apparaat = QStringLiteral("weg:0");
  EXPECT_TRUE(Selecteren(apparaat, [this] {
    EXPECT_EQ(dlg.Lijst()->currentRow(), 0);
    emit dlg.Lijst()->itemDoubleClicked(dlg.Lijst()->item(1));
  }));
  EXPECT_EQ(apparaat, QStringLiteral("b:0"));
}

TEST_F(ScannerKiezenTest, WithoutSourcesTheDialogSaysSoAndOkDoesNothing) {
  QString apparaat = QStringLiteral("test:0");
  EXPECT_FALSE(Selecteren(apparaat, [this] {
    QLabel* geen = Kind<QLabel>("lblGeenScanner");
    EXPECT_TRUE(geen->isVisible());
    EXPECT_EQ(geen->text(),
              QStringLiteral("Er is geen scanner gevonden.\nControleer of de scanner aangesloten en ingeschakeld is."));
    EXPECT_FALSE(dlg.Lijst()->isVisible());
    EXPECT_FALSE(Kind<QPushButton>("cmdOK")->isEnabled());
    dlg.accept();
    EXPECT_TRUE(dlg.isVisible());
  }));
  EXPECT_EQ(apparaat, QStringLiteral("test:0"));
  EXPECT_EQ(getoond, 1);
  EXPECT_TRUE(meldingen.shown.empty());
}

TEST_F(ScannerKiezenTest, AProgramThatCannotStartIsReportedByBothCommands) {
  scanner.listStatus = Status::NotStarted;
  QString apparaat = QStringLiteral("test:0");
  EXPECT_FALSE(Selecteren(apparaat, [] {}));
  EXPECT_EQ(getoond, 0);  // the dialog never came up
  EXPECT_EQ(apparaat, QStringLiteral("test:0"));
  ExpectFoutmelding();
  // Let the queued call run, so it cannot reach a later test's dialog.
  QCoreApplication::processEvents();

  meldingen.shown.clear();
  scanner.scanStatus = Status::NotStarted;
  EXPECT_FALSE(AfbeeldingScannen(scanner, meldingen, apparaat).has_value());
  ExpectFoutmelding();
}

TEST_F(ScannerKiezenTest, AScanHandsOverThePictureOrNothingInSilence) {
  scanner.picture = Proefbeeld();
  const std::optional<QImage> beeld = AfbeeldingScannen(scanner, meldingen, QStringLiteral("test:1"));
  ASSERT_TRUE(beeld.has_value());
  EXPECT_EQ(*beeld, Proefbeeld());
  EXPECT_EQ(scanner.scannedDevices, QStringList{QStringLiteral("test:1")});

  scanner.scanStatus = Status::NoResult;
  EXPECT_FALSE(AfbeeldingScannen(scanner, meldingen, QString()).has_value());
  EXPECT_EQ(scanner.scannedDevices, (QStringList{QStringLiteral("test:1"), QString()}));
  EXPECT_TRUE(meldingen.shown.empty());
}
