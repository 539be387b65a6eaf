#include <gtest/gtest.h>

#include "model/Ontwerp.h"
#include "printing/Nummering.h"

using namespace printing;

namespace {
Nummering MetLijst() {
  Nummering n;
  n.NummerLijst = {{QStringLiteral("a1"), QStringLiteral("b1"), QString(), QString(), QString()},
                   {QStringLiteral("a2"), QStringLiteral("b2"), QString(), QString(), QString()},
                   {QStringLiteral("a3"), QStringLiteral("b3"), QStringLiteral("c3"), QString(), QString()}};
  return n;
}
}  // namespace

TEST(VervangNummering, EveryRunningNumberIsReplaced) {
  EXPECT_EQ(VervangNummering(QStringLiteral("Lijn [#] van [#]"), 12, {}), QStringLiteral("Lijn 12 van 12"));
  EXPECT_EQ(VervangNummering(QStringLiteral("[#]"), -5, {}), QStringLiteral("-5"));
  EXPECT_EQ(VervangNummering(QStringLiteral("geen code"), 3, {}), QStringLiteral("geen code"));
}

TEST(VervangNummering, LetterCodesTakeTheRowOfTheCopy) {
  const Nummering n = MetLijst();
  EXPECT_EQ(VervangNummering(QStringLiteral("[B]-[A]"), 3, n), QStringLiteral("b3-a3"));
  EXPECT_EQ(VervangNummering(QStringLiteral("[C]|[D]"), 3, n), QStringLiteral("c3|"));
  // Lower-case letters are no code.
  EXPECT_EQ(VervangNummering(QStringLiteral("[a]"), 1, n), QStringLiteral("[a]"));
  // No row for the number: nothing is inserted.
  EXPECT_EQ(VervangNummering(QStringLiteral("<[A]>"), 4, n), QStringLiteral("<>"));
  EXPECT_EQ(VervangNummering(QStringLiteral("<[A]>"), 0, n), QStringLiteral("<>"));
}

TEST(VervangNummering, RunningNumbersGoFirstAndInsertedCodesAreReplacedLater) {
  Nummering n = MetLijst();
  n.NummerLijst.ZetWaarde(0, 0, QStringLiteral("nr [#]"));
  n.NummerLijst.ZetWaarde(0, 1, QStringLiteral("[C]!"));
  n.NummerLijst.ZetWaarde(0, 2, QStringLiteral("c1"));
  EXPECT_EQ(VervangNummering(QStringLiteral("[A] [B]"), 1, n), QStringLiteral("nr 1 c1!"));
}

TEST(VervangNummering, ValuesThatLeadBackToThemselvesStop) {
  Nummering n;
  n.NummerLijst = {{QStringLiteral("[A]"), QStringLiteral("[C][C]"), QStringLiteral("[B]"), QString(), QString()}};
  const QString a = VervangNummering(QStringLiteral("x[A]y"), 1, n);
  EXPECT_EQ(a, QStringLiteral("x[A]y"));
  const QString b = VervangNummering(QStringLiteral("[B]"), 1, n);
  EXPECT_LE(b.size(), 40000);
}

TEST(VervangNummering, TheRestAfterACodeIsCutAt999Characters) {
  const QString lang(2000, u'x');
  EXPECT_EQ(VervangNummering(QStringLiteral("[#]") + lang, 7, {}).size(), 1 + 999);
}

TEST(IsNummering, TheFirstCodedElementDecides) {
  Ontwerp o;
  EXPECT_EQ(IsNummering(o), 0);
  const int fig = o.NieuwVoorwerp(SoortVoorwerp::Figuur);  // figures hold no text
  const int a = o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn);
  o.voorwerp(a).tekst().Tekst = QStringLiteral("geen");
  EXPECT_EQ(IsNummering(o), 0);
  const int b = o.NieuwVoorwerp(SoortVoorwerp::RondeTekst);
  o.voorwerp(b).tekst().Tekst = QStringLiteral("nr [#]");
  const int c = o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn);
  o.voorwerp(c).tekst().Tekst = QStringLiteral("[B]");
  EXPECT_EQ(IsNummering(o), 1);
  o.voorwerp(b).tekst().Tekst = QStringLiteral("[#] en [E]");
  EXPECT_EQ(IsNummering(o), 2);
  EXPECT_EQ(ZoekCode(o, fig, {"[A]"}), 0);
  EXPECT_EQ(ZoekCode(o, b, {"[E]", "[#]"}), 8);
}

TEST(Reeks, RunsLikeACountedLoop) {
  EXPECT_EQ((Reeks{10, 1, -3}.Nummers()), (std::vector<int>{10, 7, 4, 1}));
  EXPECT_EQ((Reeks{1, 3, 1}.Nummers()), (std::vector<int>{1, 2, 3}));
  EXPECT_TRUE((Reeks{5, 1, 1}.Nummers()).empty());
  EXPECT_TRUE((Reeks{1, 5, 0}.Nummers()).empty());
  Nummering n;
  EXPECT_EQ(ReeksVoor(1, n).Nummers(), std::vector<int>{1});  // never set
  n.NummerVan = 3;
  n.NummerTot = 9;
  n.NummerStap = 3;
  EXPECT_EQ(ReeksVoor(1, n).Nummers(), (std::vector<int>{3, 6, 9}));
  EXPECT_EQ(ReeksVoor(0, n).Nummers(), std::vector<int>{1});
  n.NummerLijst.VoegRijToe();
  n.NummerLijst.VoegRijToe();
  EXPECT_EQ(ReeksVoor(2, n).Nummers(), (std::vector<int>{1, 2}));
}
