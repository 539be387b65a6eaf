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

namespace {
// Every character the file's layout gives a meaning, alone, leading,
// trailing and inside, with plain and non-ASCII text.
QStringList LastigeTeksten() {
  QStringList t;
  t << QStringLiteral(";Logo's") << QStringLiteral("[Oud]") << QStringLiteral("[Oud") << QStringLiteral("]")
    << QStringLiteral("a]") << QStringLiteral("=") << QStringLiteral("Key=With=Equals") << QStringLiteral(";")
    << QStringLiteral("/srv/a;b;") << QStringLiteral("een\ntwee") << QStringLiteral("\r") << QStringLiteral("\r\n")
    << QStringLiteral("C:\\Plaatjes\\") << QStringLiteral("\\;") << QStringLiteral("\\n")
    << QStringLiteral("\\\\server") << QStringLiteral(" 3 ") << QString() << QStringLiteral("Ünïcødé – 日本 ✓")
    << QStringLiteral("[x]=[y]") << QStringLiteral("\\[") << QStringLiteral("\t#");
  return t;
}
}  // namespace

TEST(IniSettingsStore, EveryCharacterSurvivesInSectionsKeysAndValues) {
  TempFolder tmp;
  const QString pad = tmp.path(QStringLiteral("sub/Vellora.ini"));
  const QStringList teksten = LastigeTeksten();
  {
    IniSettingsStore s(pad);
    for (const QString& t : teksten) {
      s.write(QStringLiteral("Defaults"), t, t);
      s.write(t, QStringLiteral("HorizontalShift"), t);
      s.write(QStringLiteral("Galleries"), t, QStringLiteral("/map"));
    }
    s.write(QStringLiteral("Galleries"), QStringLiteral("Na"), QStringLiteral("/na"));
    ASSERT_TRUE(s.flush());
  }
  IniSettingsStore terug(pad);
  const auto defaults = terug.readSection(QStringLiteral("Defaults"));
  ASSERT_EQ(defaults.size(), teksten.size());
  for (qsizetype i = 0; i < teksten.size(); ++i) {
    EXPECT_EQ(defaults[i].first, teksten[i]);
    EXPECT_EQ(defaults[i].second, teksten[i]);
    EXPECT_EQ(terug.read(teksten[i], QStringLiteral("HorizontalShift"), QStringLiteral("-")), teksten[i]);
  }
  // No name swallows the entries after it.
  const auto galerijen = terug.readSection(QStringLiteral("Galleries"));
  ASSERT_EQ(galerijen.size(), teksten.size() + 1);
  EXPECT_EQ(galerijen.back(), (QPair<QString, QString>{QStringLiteral("Na"), QStringLiteral("/na")}));
}

TEST(IniSettingsStore, ListItemsStayApartWhateverTheyHold) {
  TempFolder tmp;
  const QString pad = tmp.path(QStringLiteral("Vellora.ini"));
  const QStringList teksten = LastigeTeksten();
  {
    IniSettingsStore s(pad);
    s.writeList(QStringLiteral("Galleries"), QStringLiteral("Alles"), teksten);
    s.writeList(QStringLiteral("Galleries"), QStringLiteral("Twee"), {QStringLiteral("/a"), QStringLiteral("/b")});
    s.writeList(QStringLiteral("Galleries"), QStringLiteral("Een"), {QStringLiteral("/a;b")});
    s.write(QStringLiteral("Galleries"), QStringLiteral("Tekst"), QStringLiteral("/a;b"));
    s.writeList(QStringLiteral("Galleries"), QStringLiteral("Leeg"), {});
    ASSERT_TRUE(s.flush());
  }
  IniSettingsStore terug(pad);
  const QString g = QStringLiteral("Galleries");
  EXPECT_EQ(terug.readList(g, QStringLiteral("Alles")), teksten);
  EXPECT_EQ(terug.readList(g, QStringLiteral("Twee")), QStringList({QStringLiteral("/a"), QStringLiteral("/b")}));
  EXPECT_EQ(terug.read(g, QStringLiteral("Twee")), QStringLiteral("/a;/b"));
  EXPECT_EQ(terug.readList(g, QStringLiteral("Een")), QStringList({QStringLiteral("/a;b")}));
  EXPECT_EQ(terug.readList(g, QStringLiteral("Tekst")), QStringList({QStringLiteral("/a;b")}));
  EXPECT_EQ(terug.readList(g, QStringLiteral("Leeg")), QStringList());
  EXPECT_EQ(terug.readList(g, QStringLiteral("Ontbreekt")), QStringList());
}

namespace {
QByteArray Inhoud(const QString& pad) {
  QFile f(pad);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}  // namespace

TEST(IniSettingsStore, FilesOfEarlierVersionsReadAsBeforeAndKeepTheirText) {
  TempFolder tmp;
  // As earlier versions wrote them: only backslashes, line breaks and "=" in
  // names escaped.
  const QByteArray oud(
      "[Defaults]\n"
      "Form= 3\n"
      "FileFolder=/home/an/Ontwerpen\n"
      "Key\\=With=a=b\n"
      "Lines=one\\ntwo\\\\three\\r\n"
      "Fontname=Ünïcødé\n"
      "\n"
      "[Galleries]\n"
      "Logo's=/data/logo;/data/extra\n"
      "\n");
  const QString pad = tmp.write(QStringLiteral("Vellora.ini"), oud);
  IniSettingsStore s(pad);
  const QString d = QStringLiteral("Defaults");
  EXPECT_EQ(s.read(d, QStringLiteral("Form")), QStringLiteral(" 3"));
  EXPECT_EQ(s.read(d, QStringLiteral("Key=With")), QStringLiteral("a=b"));
  EXPECT_EQ(s.read(d, QStringLiteral("Lines")), QStringLiteral("one\ntwo\\three\r"));
  EXPECT_EQ(s.read(d, QStringLiteral("Fontname")), QStringLiteral("Ünïcødé"));
  EXPECT_EQ(s.read(QStringLiteral("Galleries"), QStringLiteral("Logo's")), QStringLiteral("/data/logo;/data/extra"));
  EXPECT_EQ(s.readList(QStringLiteral("Galleries"), QStringLiteral("Logo's")),
            QStringList({QStringLiteral("/data/logo"), QStringLiteral("/data/extra")}));
  // Written again, an ordinary file changes only where a value did.
  s.write(d, QStringLiteral("Form"), QStringLiteral(" 4"));
  ASSERT_TRUE(s.flush());
  QByteArray verwacht = oud;
  verwacht.replace("Form= 3", "Form= 4");
  EXPECT_EQ(Inhoud(pad), verwacht);
}

TEST(IniSettingsStore, ABackslashTypedByHandBeforeAnOrdinaryCharacterStays) {
  TempFolder tmp;
  const QString pad =
      tmp.write(QStringLiteral("Vellora.ini"), "[Defaults]\nPrinter1=C:\\Etiket\\a\\;b\\\nPrinter2=\\\n");
  IniSettingsStore s(pad);
  EXPECT_EQ(s.read(QStringLiteral("Defaults"), QStringLiteral("Printer1")), QStringLiteral("C:\\Etiket\\a;b\\"));
  EXPECT_EQ(s.read(QStringLiteral("Defaults"), QStringLiteral("Printer2")), QStringLiteral("\\"));
}

TEST(IniSettingsStore, SavingKeepsWhatOthersChangedUnlessTheProgramChangedItToo) {
  TempFolder tmp;
  const QString pad = tmp.write(QStringLiteral("Vellora.ini"),
                                "[Defaults]\nForm= 1\nPrintSpeed=2\nPrinter1=lpt1:\nStyle=0\nShowArea=False\n");
  IniSettingsStore s(pad);
  const QString d = QStringLiteral("Defaults");
  // Meanwhile the user edits the file by hand.
  tmp.write(QStringLiteral("Vellora.ini"),
            "; mine\n[Defaults]\nForm= 5\nPrintSpeed=3\nPrinter1=/tmp/etiket.prn\nShell1=lp\nShowArea=False\n"
            "[Rond 40]\nHorizontalShift=1\n");
  s.write(d, QStringLiteral("Form"), QStringLiteral(" 2"));        // changed by the program
  s.write(d, QStringLiteral("PrintSpeed"), QStringLiteral("2"));   // written, but as it was read
  s.write(d, QStringLiteral("Fontname"), QStringLiteral("Sans"));  // new
  ASSERT_TRUE(s.flush());
  IniSettingsStore na(pad);
  EXPECT_EQ(na.read(d, QStringLiteral("Form")), QStringLiteral(" 2"));
  EXPECT_EQ(na.read(d, QStringLiteral("PrintSpeed")), QStringLiteral("3"));
  EXPECT_EQ(na.read(d, QStringLiteral("Printer1")), QStringLiteral("/tmp/etiket.prn"));
  EXPECT_EQ(na.read(d, QStringLiteral("Shell1")), QStringLiteral("lp"));
  EXPECT_EQ(na.read(d, QStringLiteral("Fontname")), QStringLiteral("Sans"));
  EXPECT_EQ(na.read(d, QStringLiteral("Style"), QStringLiteral("weg")), QStringLiteral("weg"));  // removed by the user
  EXPECT_EQ(na.read(QStringLiteral("Rond 40"), QStringLiteral("HorizontalShift")), QStringLiteral("1"));
  // The program's view is what it read and wrote.
  EXPECT_EQ(s.read(d, QStringLiteral("Printer1")), QStringLiteral("lpt1:"));

  // Once saved, the program's value is the one it read: a later hand edit
  // of it is kept by the next save too.
  QByteArray tekst = Inhoud(pad);
  tekst.replace("Form= 2", "Form= 7");
  tmp.write(QStringLiteral("Vellora.ini"), tekst);
  s.write(d, QStringLiteral("ShowArea"), QStringLiteral("True"));
  ASSERT_TRUE(s.flush());
  IniSettingsStore later(pad);
  EXPECT_EQ(later.read(d, QStringLiteral("Form")), QStringLiteral(" 7"));
  EXPECT_EQ(later.read(d, QStringLiteral("ShowArea")), QStringLiteral("True"));
  EXPECT_EQ(later.read(d, QStringLiteral("Printer1")), QStringLiteral("/tmp/etiket.prn"));
  EXPECT_EQ(QDir(tmp.root()).entryList(QDir::Files), QStringList(QStringLiteral("Vellora.ini")));
}

TEST(IniSettingsStore, WhatTheProgramRemovedStaysRemovedAndOthersAdditionsKeepTheirPlace) {
  TempFolder tmp;
  const QString pad = tmp.write(QStringLiteral("Vellora.ini"), "[Galleries]\nA=/a\nB=/b\nC=/c\n[Oud]\nX=1\n");
  IniSettingsStore s(pad);
  const QString g = QStringLiteral("Galleries");
  tmp.write(QStringLiteral("Vellora.ini"), "[Galleries]\nA=/a2\nB=/b2\nD=/d\nC=/c\n[Oud]\nX=2\nY=1\n");
  // The program drops B and the section Oud, and adds E.
  s.deleteSection(g);
  for (const QString naam : {"A", "C", "E"}) s.write(g, naam, u'/' + naam.toLower());
  s.deleteSection(QStringLiteral("Oud"));
  ASSERT_TRUE(s.flush());
  IniSettingsStore na(pad);
  const auto galerijen = na.readSection(g);
  QStringList namen, mappen;
  for (const auto& [naam, map] : galerijen) {
    namen << naam;
    mappen << map;
  }
  EXPECT_EQ(namen, QStringList({"A", "D", "C", "E"}));
  // A was written again as it was read: the user's folder stays.
  EXPECT_EQ(mappen, QStringList({"/a2", "/d", "/c", "/e"}));
  const auto oud = na.readSection(QStringLiteral("Oud"));
  ASSERT_EQ(oud.size(), 1);
  EXPECT_EQ(oud[0].first, QStringLiteral("Y"));
}

TEST(IniSettingsStore, WithoutChangesTheFileIsLeftAsItIs) {
  TempFolder tmp;
  const QByteArray tekst("; kept\n[Defaults]\nForm= 1\n");
  const QString pad = tmp.write(QStringLiteral("Vellora.ini"), tekst);
  IniSettingsStore s(pad);
  s.write(QStringLiteral("Defaults"), QStringLiteral("Form"), QStringLiteral(" 1"));
  ASSERT_TRUE(s.flush());
  EXPECT_EQ(Inhoud(pad), tekst);
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
