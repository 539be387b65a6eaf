#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/SettingsStore.h"
#include "support/Tijdelijk.h"

using platform::IniSettingsStore;
using platform::MemorySettingsStore;

TEST(SettingsStore, NamesCompareWithoutCaseAndAreWrittenAsGiven) {
  MemorySettingsStore s;
  s.write(QStringLiteral("Defaults"), QStringLiteral("WindowsPrinter"), QStringLiteral("eerste"));
  EXPECT_EQ(s.read(QStringLiteral("defaults"), QStringLiteral("windowsprinter")), QStringLiteral("eerste"));
  s.write(QStringLiteral("defaults"), QStringLiteral("Windowsprinter"), QStringLiteral("tweede"));
  const auto sectie = s.readSection(QStringLiteral("DEFAULTS"));
  ASSERT_EQ(sectie.size(), 1);
  EXPECT_EQ(sectie[0].first, QStringLiteral("Windowsprinter"));
  EXPECT_EQ(sectie[0].second, QStringLiteral("tweede"));
}

TEST(SettingsStore, MissingEntriesGiveTheDefault) {
  MemorySettingsStore s;
  EXPECT_EQ(s.read(QStringLiteral("Defaults"), QStringLiteral("Form"), QStringLiteral("1")), QStringLiteral("1"));
  s.write(QStringLiteral("Defaults"), QStringLiteral("Form"), QString());
  // An entry that exists but is empty is not missing.
  EXPECT_EQ(s.read(QStringLiteral("Defaults"), QStringLiteral("Form"), QStringLiteral("1")), QString());
}

TEST(SettingsStore, SectionsListInWritingOrderAndDeleteWhole) {
  MemorySettingsStore s;
  s.write(QStringLiteral("Galleries"), QStringLiteral("b"), QStringLiteral("2"));
  s.write(QStringLiteral("Galleries"), QStringLiteral("a"), QStringLiteral("1"));
  s.write(QStringLiteral("Other"), QStringLiteral("x"), QStringLiteral("y"));
  const auto g = s.readSection(QStringLiteral("galleries"));
  ASSERT_EQ(g.size(), 2);
  EXPECT_EQ(g[0].first, QStringLiteral("b"));
  EXPECT_EQ(g[1].first, QStringLiteral("a"));
  s.deleteSection(QStringLiteral("GALLERIES"));
  EXPECT_TRUE(s.readSection(QStringLiteral("Galleries")).isEmpty());
  EXPECT_EQ(s.read(QStringLiteral("Other"), QStringLiteral("x")), QStringLiteral("y"));
}

TEST(IniSettingsStore, SurvivesAWriteAndReadWithAwkwardValues) {
  TempFolder tmp;
  const QString pad = tmp.path(QStringLiteral("sub/Vellora.ini"));
  {
    IniSettingsStore s(pad);
    s.write(QStringLiteral("Rond 40, klein"), QStringLiteral("HorizontalShift"), QStringLiteral("-1.5"));
    s.write(QStringLiteral("Defaults"), QStringLiteral("Key=With=Equals"), QStringLiteral("a=b"));
    s.write(QStringLiteral("Defaults"), QStringLiteral("Lines"), QStringLiteral("one\ntwo\\three\r"));
    s.write(QStringLiteral("Defaults"), QStringLiteral("Form"), QStringLiteral(" 3"));
    ASSERT_TRUE(s.flush());
  }
  IniSettingsStore terug(pad);
  EXPECT_EQ(terug.read(QStringLiteral("rond 40, KLEIN"), QStringLiteral("horizontalshift")), QStringLiteral("-1.5"));
  EXPECT_EQ(terug.read(QStringLiteral("Defaults"), QStringLiteral("Key=With=Equals")), QStringLiteral("a=b"));
  EXPECT_EQ(terug.read(QStringLiteral("Defaults"), QStringLiteral("Lines")), QStringLiteral("one\ntwo\\three\r"));
  EXPECT_EQ(terug.read(QStringLiteral("Defaults"), QStringLiteral("Form")), QStringLiteral(" 3"));
}

TEST(IniSettingsStore, DamagedFileGivesDefaultsAndIsReplacedWhole) {
  TempFolder tmp;
  QByteArray rommel("\x00\xff[[[=\n=no key\nkey outside=1\n[Defaults\n", 40);
  const QString pad = tmp.write(QStringLiteral("Vellora.ini"), rommel);
  IniSettingsStore s(pad);
  EXPECT_EQ(s.read(QStringLiteral("Defaults"), QStringLiteral("Form"), QStringLiteral("1")), QStringLiteral("1"));
  s.write(QStringLiteral("Defaults"), QStringLiteral("Form"), QStringLiteral(" 2"));
  ASSERT_TRUE(s.flush());
  IniSettingsStore terug(pad);
  EXPECT_EQ(terug.read(QStringLiteral("Defaults"), QStringLiteral("Form")), QStringLiteral(" 2"));
  // No temporary file is left beside it.
  EXPECT_EQ(QDir(tmp.root()).entryList(QDir::Files).size(), 1);
}

TEST(IniSettingsStore, FlushThatCannotWriteReportsFailure) {
  TempFolder tmp;
  // A folder that is really a file cannot hold the store, whoever runs this.
  const QString bestand = tmp.write(QStringLiteral("blocker"), "x");
  IniSettingsStore s(bestand + QStringLiteral("/Vellora.ini"));
  s.write(QStringLiteral("Defaults"), QStringLiteral("Form"), QStringLiteral(" 9"));
  EXPECT_FALSE(s.flush());
  QFile f(bestand);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), QByteArray("x"));
}
