#include <gtest/gtest.h>

#include "files/Instellingen.h"
#include "platform/SettingsStore.h"

using namespace files;

TEST(Instellingen, FirstRunGivesTheDefaults) {
  platform::MemorySettingsStore leeg;
  const OpgeslagenStand st = LeesStand(leeg, QStringLiteral("/opt/vellora"), 0);
  EXPECT_EQ(st.Formaat, 1);
  EXPECT_TRUE(st.Spaarstand);
  EXPECT_FALSE(st.ToonAfdrukbaarGebied);
  const Instellingen& i = st.instellingen;
  EXPECT_EQ(i.Printer, 1);
  EXPECT_EQ(i.PrinterPort, 1);
  EXPECT_EQ(i.PrintSpeed, 1);
  EXPECT_EQ(i.Intensity, 5);
  EXPECT_EQ(i.Printer1, QStringLiteral("lpt1:"));
  EXPECT_EQ(i.Printer3, QStringLiteral("lpt3:"));
  EXPECT_TRUE(i.Shell1.isEmpty());
  EXPECT_EQ(i.FileFolder, QStringLiteral("/opt/vellora"));
  EXPECT_EQ(i.ImageFolder, QStringLiteral("/opt/vellora"));
  EXPECT_TRUE(i.Galerijen.isEmpty());
  EXPECT_FALSE(HerstelVenster(st.venster));
}

TEST(Instellingen, TheWindowsPrinterKeyIsFoundWhateverItsCaseAndWrittenOnce) {
  platform::MemorySettingsStore s;
  s.write(QStringLiteral("Defaults"), QStringLiteral("WindowsPrinter"), QStringLiteral("Etiketten 1"));
  OpgeslagenStand st = LeesStand(s, QString(), 0);
  EXPECT_EQ(st.instellingen.WindowsPrinter, QStringLiteral("Etiketten 1"));
  st.instellingen.WindowsPrinter = QStringLiteral("Etiketten 2");
  BewaarStand(s, 1, {}, true, false, st.instellingen);
  int gevonden = 0;
  for (const auto& [sleutel, waarde] : s.readSection(QStringLiteral("Defaults")))
    if (sleutel.compare(QStringLiteral("windowsprinter"), Qt::CaseInsensitive) == 0) {
      ++gevonden;
      EXPECT_EQ(sleutel, QStringLiteral("Windowsprinter"));
      EXPECT_EQ(waarde, QStringLiteral("Etiketten 2"));
    }
  EXPECT_EQ(gevonden, 1);
}

TEST(Instellingen, SavedValuesReadBackAsTheyWere) {
  platform::MemorySettingsStore s;
  Instellingen i;
  i.Printer = 2;
  i.PrinterPort = 4;
  i.PrintSpeed = 3;
  i.Intensity = 2;
  i.FileFolder = QStringLiteral("/home/a/ontwerpen/");
  VensterPlaats v{1500, 750.5, 9000, 12000, 2};
  BewaarStand(s, 7, v, false, true, i);
  EXPECT_EQ(s.read(QStringLiteral("Defaults"), QStringLiteral("Form")), QStringLiteral(" 7"));
  EXPECT_EQ(s.read(QStringLiteral("Defaults"), QStringLiteral("UseStartPosition")), QStringLiteral("False"));
  EXPECT_EQ(s.read(QStringLiteral("Defaults"), QStringLiteral("ShowArea")), QStringLiteral("True"));
  const OpgeslagenStand st = LeesStand(s, QString(), 0);
  EXPECT_EQ(st.Formaat, 7);
  EXPECT_FALSE(st.Spaarstand);
  EXPECT_TRUE(st.ToonAfdrukbaarGebied);
  EXPECT_EQ(st.instellingen.Printer, 2);
  EXPECT_EQ(st.instellingen.PrinterPort, 4);
  EXPECT_EQ(st.instellingen.FileFolder, QStringLiteral("/home/a/ontwerpen/"));
  EXPECT_DOUBLE_EQ(st.venster.Boven, 750.5);
  EXPECT_EQ(st.venster.Stijl, 2);
  // Connections are written only when they changed; after-job commands never.
  EXPECT_EQ(s.read(QStringLiteral("Defaults"), QStringLiteral("Printer1"), QStringLiteral("-")), QStringLiteral("-"));
  EXPECT_EQ(s.read(QStringLiteral("Defaults"), QStringLiteral("Shell1"), QStringLiteral("-")), QStringLiteral("-"));
  i.Printer2 = QStringLiteral("/srv/etiketten.prn");
  BewaarStand(s, 7, v, false, true, i);
  EXPECT_EQ(s.read(QStringLiteral("Defaults"), QStringLiteral("Printer2")), QStringLiteral("/srv/etiketten.prn"));
  EXPECT_EQ(s.read(QStringLiteral("Defaults"), QStringLiteral("Printer1"), QStringLiteral("-")), QStringLiteral("-"));
}

TEST(Instellingen, IntegersAreLeadingNumbersAndAGalleryOpensItsFirstFolder) {
  platform::MemorySettingsStore s;
  s.write(QStringLiteral("Defaults"), QStringLiteral("PrintSpeed"), QStringLiteral("2.5x"));
  s.write(QStringLiteral("Defaults"), QStringLiteral("Intensity"), QStringLiteral(" 3"));
  s.writeList(QStringLiteral("Galleries"), QStringLiteral("Logo's"),
              {QStringLiteral("/data/lo;go"), QStringLiteral("/extra")});
  s.writeList(QStringLiteral("Galleries"), QStringLiteral("Leeg"), {});
  const OpgeslagenStand st = LeesStand(s, QString(), 0);
  EXPECT_EQ(st.instellingen.PrintSpeed, 2);  // 2.5 rounds to even
  EXPECT_EQ(st.instellingen.Intensity, 3);
  ASSERT_EQ(st.instellingen.Galerijen.size(), 2);
  EXPECT_EQ(st.instellingen.Galerijen[0].second, QStringLiteral("/data/lo;go"));
  EXPECT_EQ(st.instellingen.Galerijen[1], (QPair<QString, QString>{QStringLiteral("Leeg"), QString()}));
}

TEST(Instellingen, PrinterSettingsOutsideTheirRangeComeToTheNearestEnd) {
  struct Geval {
    const char* sleutel;
    const char* tekst;
    qint16 Instellingen::*veld;
    qint16 verwacht;
  };
  const Geval gevallen[] = {
      {"Printer", "geen", &Instellingen::Printer, 1},      {"Printer", "6", &Instellingen::Printer, 5},
      {"PrinterPort", "0", &Instellingen::PrinterPort, 1}, {"PrinterPort", "9", &Instellingen::PrinterPort, 4},
      {"PrintSpeed", "-2", &Instellingen::PrintSpeed, 1},  {"PrintSpeed", "10", &Instellingen::PrintSpeed, 5},
      {"Intensity", "0", &Instellingen::Intensity, 1},     {"Intensity", "99999", &Instellingen::Intensity, 5},
      {"PrinterPort", "4", &Instellingen::PrinterPort, 4}, {"PrintSpeed", "1", &Instellingen::PrintSpeed, 1},
  };
  for (const Geval& g : gevallen) {
    platform::MemorySettingsStore s;
    s.write(QStringLiteral("Defaults"), QString::fromLatin1(g.sleutel), QString::fromLatin1(g.tekst));
    EXPECT_EQ(LeesStand(s, QString(), 0).instellingen.*g.veld, g.verwacht) << g.sleutel << "=" << g.tekst;
  }
}

TEST(Instellingen, AnOffsetBeyondReachIsKeptToTheLargestOne) {
  platform::MemorySettingsStore s;
  BewaarVerschuiving(s, QStringLiteral("Rond 40"), {QStringLiteral("1e39"), QStringLiteral("-1e300")});
  EXPECT_EQ(HorizontaleVerschuiving(s, QStringLiteral("Rond 40")), float(kGrootsteVerschuiving));
  EXPECT_EQ(VerticaleVerschuiving(s, QStringLiteral("Rond 40")), -float(kGrootsteVerschuiving));
  // The dialog still shows what was typed.
  EXPECT_EQ(LeesVerschuiving(s, QStringLiteral("Rond 40")).Horizontaal, QStringLiteral("1e39"));
  BewaarVerschuiving(s, QStringLiteral("Rond 40"), {QStringLiteral("-2.5"), QStringLiteral("9999")});
  EXPECT_EQ(HorizontaleVerschuiving(s, QStringLiteral("Rond 40")), -2.5f);
  EXPECT_EQ(VerticaleVerschuiving(s, QStringLiteral("Rond 40")), 9999.0f);
}

TEST(Instellingen, TheWindowIsRestoredOnlyWhenNormalAndEveryNumberAboveZero) {
  EXPECT_TRUE(HerstelVenster({10, 10, 100, 100, 0}));
  EXPECT_FALSE(HerstelVenster({0, 10, 100, 100, 0}));
  EXPECT_FALSE(HerstelVenster({10, 10, 100, 100, 2}));
  EXPECT_FALSE(HerstelVenster({10, 10, 100, 100, 1}));
}

TEST(Instellingen, TheRestoredWindowIsClampedToTheScreen) {
  // Screen 19200 x 14400 twips; the window is now 12000 x 7000.
  const VensterPlaats groot = KlemVenster({30000, 500, 90000, 90000, 0}, 12000, 7000, 19200, 14400);
  EXPECT_DOUBLE_EQ(groot.Breedte, 19200);
  EXPECT_DOUBLE_EQ(groot.Hoogte, 14400);
  EXPECT_DOUBLE_EQ(groot.Links, 0);
  EXPECT_DOUBLE_EQ(groot.Boven, 0);
  const VensterPlaats klein = KlemVenster({30000, 900, 100, 100, 0}, 12000, 7000, 19200, 14400);
  EXPECT_DOUBLE_EQ(klein.Breedte, 12000);  // never smaller than it is
  EXPECT_DOUBLE_EQ(klein.Links, 7200);     // pulled back onto the screen
  EXPECT_DOUBLE_EQ(klein.Boven, 900);
}

TEST(Instellingen, EachConnectionKeepsItsOwnModelAndOldSettingsMeanWhatTheyMeant) {
  const QString d = QStringLiteral("Defaults");
  using Modellen = std::array<qint16, 4>;
  platform::MemorySettingsStore s;
  // Settings of before: one model for every connection.
  s.write(d, QStringLiteral("Printer"), QStringLiteral("2"));
  Instellingen i = LeesStand(s, QString(), 0).instellingen;
  EXPECT_EQ(i.PrinterModel, (Modellen{2, 2, 2, 2}));
  // Connection 3 gets a VL200 and is chosen.
  i.PrinterModel[2] = 1;
  i.PrinterPort = 3;
  i.Printer = 1;
  BewaarStand(s, 1, {}, true, false, i);
  // What older versions read: the model of the chosen connection.
  EXPECT_EQ(s.read(d, QStringLiteral("Printer")), QStringLiteral("1"));
  Instellingen terug = LeesStand(s, QString(), 0).instellingen;
  EXPECT_EQ(terug.PrinterModel, (Modellen{2, 2, 1, 2}));
  EXPECT_EQ(terug.Printer, 1);
  // Back on connection 1, its own model is the next job's.
  terug.PrinterPort = 1;
  terug.Printer = terug.PrinterModel[0];
  BewaarStand(s, 1, {}, true, false, terug);
  EXPECT_EQ(LeesStand(s, QString(), 0).instellingen.PrinterModel, (Modellen{2, 2, 1, 2}));
  EXPECT_EQ(LeesStand(s, QString(), 0).instellingen.Printer, 2);
  // Connection 3 back to the VL300 of the others: its key says so too.
  terug.PrinterModel[2] = 2;
  BewaarStand(s, 1, {}, true, false, terug);
  EXPECT_EQ(LeesStand(s, QString(), 0).instellingen.PrinterModel, (Modellen{2, 2, 2, 2}));
  // An older version that changes the model writes Printer alone: it is
  // the chosen connection's.
  s.write(d, QStringLiteral("Printer"), QStringLiteral("1"));
  EXPECT_EQ(LeesStand(s, QString(), 0).instellingen.PrinterModel, (Modellen{1, 2, 2, 2}));
}
