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

namespace {
// A spreadsheet's list with its header: seven columns, the first named
// with spaces around it.
Nummering MetNamen() {
  Nummering n;
  n.NummerLijst = {{QStringLiteral("Jan"), QStringLiteral("4,95"), QString(), QString(), QString(),
                    QStringLiteral("Ede"), QStringLiteral("NL")},
                   {QStringLiteral("Els"), QStringLiteral("1,10"), QString(), QString(), QString(),
                    QStringLiteral("Gent"), QStringLiteral("BE")}};
  n.NummerLijst.ZetNamen({QStringLiteral(" Naam "), QStringLiteral("Prijs"), QStringLiteral("c"), QStringLiteral("d"),
                          QStringLiteral("e"), QStringLiteral("Plaats"), QStringLiteral("Land")});
  return n;
}
const QDateTime kMoment(QDate(2026, 2, 27), QTime(9, 5));

Ontwerp MetTekst(const QString& tekst) {
  Ontwerp o;
  o.voorwerp(o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn)).tekst().Tekst = tekst;
  return o;
}
}  // namespace

TEST(Lijstcodes, NamesFindTheirColumnAndLettersReachBeyondE) {
  const NummeringBron bron(MetNamen(), kMoment);
  EXPECT_EQ(VervangNummering(QStringLiteral("[naam] uit [ PLAATS ] ([G]), [Prijs]"), 2, bron),
            QStringLiteral("Els uit Gent (BE), 1,10"));
  // [A] keeps its meaning; a letter past the last column and a name no
  // column has stay as typed.
  EXPECT_EQ(VervangNummering(QStringLiteral("[A][F] [H] [Maat] [a]"), 1, bron), QStringLiteral("JanEde [H] [Maat] [a]"));
  // Without a header a name is no code, and the letters still are.
  Nummering zonder = MetNamen();
  zonder.NummerLijst.ZetNamen({});
  EXPECT_EQ(VervangNummering(QStringLiteral("[Naam] [F]"), 1, NummeringBron(zonder, kMoment)),
            QStringLiteral("[Naam] Ede"));

  // A design whose only code is a name prints the list; the codes that
  // name nothing are listed once each, in order.
  Ontwerp o = MetTekst(QStringLiteral("[Plaats] [Maat] [H]"));
  o.voorwerp(o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn)).tekst().Tekst = QStringLiteral("[Maat] [Datum] [#]");
  EXPECT_EQ(IsNummering(o, bron), 2);
  EXPECT_EQ(IsNummering(o, NummeringBron(zonder, kMoment)), 1);
  EXPECT_EQ(OnbekendeCodes(o, bron), (QStringList{QStringLiteral("[Maat]"), QStringLiteral("[H]")}));
}

TEST(Datumcodes, TodayShiftedByDaysAndTheTimeOfTheJob) {
  const NummeringBron bron({}, kMoment);
  // Worked out on a calendar: 2026 is no leap year.
  EXPECT_EQ(VervangNummering(QStringLiteral("[Datum] [Datum+30] [Datum-7] [Tijd]"), 1, bron),
            QStringLiteral("27-02-2026 29-03-2026 20-02-2026 09:05"));
  EXPECT_EQ(VervangNummering(QStringLiteral("[Datum+1]"), 1, NummeringBron({}, QDateTime(QDate(2026, 12, 31), QTime()))),
            QStringLiteral("01-01-2027"));
  EXPECT_EQ(VervangNummering(QStringLiteral("[datum] [Datum+] [Datum+3d] [Datum*2]"), 1, bron),
            QStringLiteral("[datum] [Datum+] [Datum+3d] [Datum*2]"));
  // A date is the same on every label: it makes no series.
  EXPECT_EQ(IsNummering(MetTekst(QStringLiteral("THT [Datum+30]")), bron), 0);
}

TEST(Rijkeuze, RangesAndSingleRowsInTheOrderGiven) {
  EXPECT_EQ(std::get<std::vector<int>>(LeesRijkeuze(u"5-7,12, 2", 12)), (std::vector<int>{5, 6, 7, 12, 2}));
  EXPECT_EQ(std::get<QString>(LeesRijkeuze(u"11-13", 12)), QStringLiteral("Rij 13 staat niet in de lijst; die heeft 12 rijen."));
  EXPECT_EQ(std::get<QString>(LeesRijkeuze(u"0", 12)), QStringLiteral("Rij 0 staat niet in de lijst; die heeft 12 rijen."));
  for (const char16_t* fout : {u"7-5", u"a", u"5,", u"-3", u"1-2-3"})
    EXPECT_EQ(std::get<QString>(LeesRijkeuze(fout, 12)),
              QStringLiteral("De keuze van rijen \"%1\" is niet te lezen; schrijf bijvoorbeeld 5-10,12.")
                  .arg(QString::fromUtf16(fout)));
}

TEST(Aantalkolom, EachRowMakesItsQuantityAndAMissingOneNamesItsRow) {
  Nummering n;
  n.NummerLijst = {{QStringLiteral("Kaas"), QStringLiteral("3")},
                   {QStringLiteral("Melk"), QStringLiteral("0")},
                   {QStringLiteral("Brood"), QStringLiteral(" 2 ")}};
  n.NummerLijst.ZetNamen({QStringLiteral("Artikel"), QStringLiteral("Aantal")});
  n.AantalKolom = QStringLiteral("aantal");
  const Reeks alle = std::get<Reeks>(MaakReeks(2, n));
  EXPECT_EQ(alle.Nummers(), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(*alle.aantallen, (std::vector<qint32>{3, 0, 2}));
  EXPECT_EQ(alle.Etiketten(2), 10);
  n.Rijkeuze = QStringLiteral("3,1");
  const Reeks gekozen = std::get<Reeks>(MaakReeks(2, n));
  EXPECT_EQ(gekozen.Nummers(), (std::vector<int>{3, 1}));
  EXPECT_EQ(*gekozen.aantallen, (std::vector<qint32>{2, 3}));
  // A letter names the column as well.
  n.AantalKolom = QStringLiteral("B");
  EXPECT_EQ(std::get<Reeks>(MaakReeks(2, n)).Etiketten(1), 5);

  n.Rijkeuze.clear();
  n.AantalKolom = QStringLiteral("Aantal");
  n.NummerLijst.ZetWaarde(1, 1, QString());
  EXPECT_EQ(std::get<QString>(MaakReeks(2, n)), QStringLiteral("Rij 2 heeft geen aantal in kolom Aantal."));
  for (const QString& w : {QStringLiteral("-1"), QStringLiteral("1,5"), QStringLiteral("32768"), QStringLiteral("twee")})
  {
    n.NummerLijst.ZetWaarde(1, 1, w);
    EXPECT_EQ(std::get<QString>(MaakReeks(2, n)),
              QStringLiteral("Rij 2 heeft in kolom Aantal het aantal \"%1\"; dat moet een geheel getal van 0 tot "
                             "32767 zijn.")
                  .arg(w));
  }
  n.AantalKolom = QStringLiteral("Stuks");
  EXPECT_EQ(std::get<QString>(MaakReeks(2, n)),
            QStringLiteral("De kolom \"Stuks\" voor het aantal etiketten staat niet in de lijst."));
  // A running number has no rows: the column does not count.
  EXPECT_FALSE(std::get<Reeks>(MaakReeks(1, n)).aantallen);
}
