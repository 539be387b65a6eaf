#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "printing/Uitvoer.h"
#include "support/Tijdelijk.h"

using namespace printing;

TEST(Uitvoer, LptNamesStandForTheSystemsPrinterDevices) {
  const auto zonderUsb = [](const QString&) { return false; };
  const auto metUsb = [](const QString& p) { return p == QStringLiteral("/dev/usb/lp1"); };
  EXPECT_EQ(PoortApparaat(QStringLiteral("lpt1:"), zonderUsb), QStringLiteral("/dev/lp0"));
  EXPECT_EQ(PoortApparaat(QStringLiteral("LPT2:"), metUsb), QStringLiteral("/dev/usb/lp1"));
  EXPECT_EQ(PoortApparaat(QStringLiteral("lpt3"), zonderUsb), QStringLiteral("/dev/lp2"));
  EXPECT_EQ(PoortApparaat(QStringLiteral("lpt4:"), zonderUsb), QStringLiteral("lpt4:"));
  EXPECT_EQ(PoortApparaat(QStringLiteral("/tmp/etiket.prn"), zonderUsb), QStringLiteral("/tmp/etiket.prn"));
}

TEST(Uitvoer, AMissingPrinterDeviceIsReportedAndNeverCreated) {
  TempFolder tmp;
  Uitvoerkanaal k;
  k.pad = tmp.path(QStringLiteral("lp0"));
  k.naam = QStringLiteral("lpt1: (") + k.pad + u')';
  k.apparaat = true;
  QFile f;
  const auto melding = OpenKanaal(f, k);
  ASSERT_TRUE(melding.has_value());
  EXPECT_TRUE(melding->contains(QStringLiteral("lpt1:")));
  EXPECT_FALSE(QFile::exists(k.pad));
  // A regular file where a device should be is no printer either, and stays.
  tmp.write(QStringLiteral("lp0"), "iets");
  EXPECT_TRUE(OpenKanaal(f, k).has_value());
  QFile blijft(k.pad);
  ASSERT_TRUE(blijft.open(QIODevice::ReadOnly));
  EXPECT_EQ(blijft.readAll(), QByteArray("iets"));
}

TEST(Uitvoer, AFilePortIsReplacedAndTheSpoolFileGoesWhereItCanBeWritten) {
  TempFolder tmp;
  Instellingen i;
  i.Printer2 = tmp.write(QStringLiteral("uit.prn"), "oude inhoud");
  i.PrinterPort = 2;
  Uitvoerkanaal k = KiesKanaal(i, tmp.root());
  EXPECT_FALSE(k.apparaat);
  QFile f;
  ASSERT_FALSE(OpenKanaal(f, k).has_value());
  f.write("nieuw");
  f.close();
  QFile lees(i.Printer2);
  ASSERT_TRUE(lees.open(QIODevice::ReadOnly));
  EXPECT_EQ(lees.readAll(), QByteArray("nieuw"));
  i.PrinterPort = 4;
  EXPECT_EQ(KiesKanaal(i, tmp.root()).pad, tmp.path(QStringLiteral("data.prn")));
  // A program folder that cannot be written sends it to the user's folder.
  const QString anders = KiesKanaal(i, tmp.path(QStringLiteral("bestaat-niet"))).pad;
  EXPECT_TRUE(anders.endsWith(QStringLiteral("/data.prn")));
  EXPECT_FALSE(anders.startsWith(tmp.path(QStringLiteral("bestaat-niet"))));
}

TEST(Uitvoer, TheSpoolingProgramIsFoundBesideTheProgramOrInTheInstalledTree) {
  TempFolder tmp;
  const QDir root(tmp.root());
  ASSERT_TRUE(root.mkpath(QStringLiteral("bin")) && root.mkpath(QStringLiteral("libexec/vellora")));
  const QString bin = tmp.path(QStringLiteral("bin"));
  // Neither there: the build tree's place, so the failure names it.
  EXPECT_EQ(SpoolProgramma(bin), bin + QStringLiteral("/PrintFile"));
  tmp.write(QStringLiteral("libexec/vellora/PrintFile"), "#!");
  EXPECT_EQ(SpoolProgramma(bin), tmp.path(QStringLiteral("libexec/vellora/PrintFile")));
  tmp.write(QStringLiteral("bin/PrintFile"), "#!");
  EXPECT_EQ(SpoolProgramma(bin), bin + QStringLiteral("/PrintFile"));
}

TEST(Uitvoer, AConnectionIsCheckedForWritingWithoutCreatingAnything) {
  TempFolder tmp;
  ASSERT_TRUE(QDir(tmp.root()).mkpath(QStringLiteral("dev/usb")));
  for (const char* naam : {"dev/usb/lp0", "dev/lp1", "dev/lp0", "dev/lpx", "dev/tty0"})
    tmp.write(QString::fromLatin1(naam), "");
  const QString dev = tmp.path(QStringLiteral("dev"));
  EXPECT_EQ(PrinterApparaten(dev), (QStringList{dev + QStringLiteral("/usb/lp0"), dev + QStringLiteral("/lp0"),
                                                dev + QStringLiteral("/lp1")}));

  EXPECT_EQ(PoortFout(tmp.path(QStringLiteral("nieuw.prn"))), std::nullopt);
  EXPECT_FALSE(QFile::exists(tmp.path(QStringLiteral("nieuw.prn"))));
  EXPECT_EQ(PoortFout(tmp.write(QStringLiteral("oud.prn"), "x")), std::nullopt);
  EXPECT_EQ(PoortFout(tmp.path(QStringLiteral("weg/nieuw.prn"))), QStringLiteral("De map bestaat niet."));
  EXPECT_EQ(PoortFout(tmp.root()), QStringLiteral("Dit is een map, geen apparaat of bestand."));
  EXPECT_EQ(PoortFout(QStringLiteral("  ")), QStringLiteral("Er is geen apparaat of bestand opgegeven."));
  EXPECT_EQ(PoortFout(QStringLiteral("/dev/lp-is-er-niet")), QStringLiteral("Er is geen printer op deze aansluiting."));
}
