#include <gtest/gtest.h>

#include <QFile>

#include "printing/CsvLijst.h"
#include "support/Utf16.h"
#include "support/Tijdelijk.h"

using namespace printing;

namespace {

QByteArray Rijen(int aantal, const QByteArray& rij) { return rij.repeated(aantal); }

int Aantal(const std::variant<CsvRijen, LijstFout>& r) {
  return std::holds_alternative<CsvRijen>(r) ? int(std::get<CsvRijen>(r).size()) : -1;
}

// The rows as text, a row per line, its five values between bars; a
// refused list as "fout".
QString Tabel(const std::variant<CsvRijen, LijstFout>& r) {
  if (!std::holds_alternative<CsvRijen>(r)) return QStringLiteral("fout");
  QString uit;
  const CsvRijen& lijst = std::get<CsvRijen>(r);
  for (qint32 rij = 0; rij < lijst.size(); ++rij) {
    QStringList waarden;
    for (int k = 0; k < 5; ++k) waarden << lijst.Waarde(rij, k);
    uit += waarden.join(u'|') + u'\n';
  }
  return uit;
}

}  // namespace

TEST(LijstGrenzen, AMillionRowsAreReadAndOneMoreIsRefused) {
  const QByteArray miljoen = Rijen(kMaxLijstRijen, "Kaas;12,50;8712345678906\r\n");
  const auto r = LeesCsvLijst(miljoen);
  ASSERT_EQ(Aantal(r), kMaxLijstRijen);
  const CsvRijen& rijen = std::get<CsvRijen>(r);
  EXPECT_EQ(rijen.Waarde(rijen.size() - 1, 2), QStringLiteral("8712345678906"));

  EXPECT_EQ(std::get<LijstFout>(LeesCsvLijst(miljoen + "Melk\n")), LijstFout::TeVeelRijen);
  // A header is no row; a blank line between rows is one, at the end none.
  EXPECT_EQ(Aantal(LeesCsvLijst("Naam\n" + miljoen, true)), kMaxLijstRijen);
  EXPECT_EQ(std::get<LijstFout>(LeesCsvLijst("\n" + miljoen)), LijstFout::TeVeelRijen);
  EXPECT_EQ(Aantal(LeesCsvLijst(miljoen + QByteArray(5'000'000, '\n'))), kMaxLijstRijen);
}

TEST(LijstGrenzen, LineEndsAloneMakeNoRowsAndBlankLinesKeepTheirPlace) {
  EXPECT_EQ(Aantal(LeesCsvLijst(QByteArray(20'000'000, '\n'))), 0);
  const auto r = LeesCsvLijst("a;x\r\n\r\n\"b\nc\";\"d\"\"\"\r\n\n");
  ASSERT_EQ(Aantal(r), 3);
  const CsvRijen& rijen = std::get<CsvRijen>(r);
  EXPECT_EQ(rijen.Waarde(1, 0), QString());
  EXPECT_EQ(rijen.Waarde(2, 0), QStringLiteral("b\nc"));
  EXPECT_EQ(rijen.Waarde(2, 1), QStringLiteral("d\""));
}

TEST(LijstGrenzen, AFileAboveTheSizeLimitIsRefusedUnreadAndOthersSayWhy) {
  TempFolder tmp;
  // Sparse: it claims its size without taking the disk.
  QFile groot(tmp.path(QStringLiteral("groot.csv")));
  ASSERT_TRUE(groot.open(QIODevice::WriteOnly) && groot.resize(kMaxLijstBytes + 1));
  groot.close();
  EXPECT_EQ(std::get<LijstFout>(LeesLijstBestand(groot.fileName())), LijstFout::TeGroot);
  EXPECT_EQ(std::get<LijstFout>(LeesLijstBestand(tmp.path(QStringLiteral("weg.csv")))), LijstFout::Openen);
  EXPECT_EQ(Aantal(LeesLijstBestand(tmp.write(QStringLiteral("l.csv"), "\xEF\xBB\xBFJan;1\nPiet;2\n"))), 2);
  EXPECT_EQ(LijstMelding(LijstFout::TeGroot, QStringLiteral("groot.csv")),
            QStringLiteral("Het bestand is te groot voor een lijst (meer dan 64 MB):\ngroot.csv"));
  EXPECT_EQ(LijstMelding(LijstFout::TeVeelRijen, QStringLiteral("l.csv")),
            QStringLiteral("De lijst heeft meer dan 1.000.000 regels:\nl.csv"));
}

TEST(LijstScheiding, TheSeparatorIsTheOneThatSplitsTheFirstLinesAlike) {
  // A Dutch export: semicolons between the values, decimal commas in them.
  EXPECT_EQ(Tabel(LeesCsvLijst("Kaas;4,95;12,50\r\nMelk;1,10;2,20\r\n")),
            QStringLiteral("Kaas|4,95|12,50||\nMelk|1,10|2,20||\n"));
  EXPECT_EQ(Tabel(LeesCsvLijst("\"Kaas\";\"\xE2\x82\xAC 4,95\";\"\xE2\x82\xAC 12,50\"")),
            QStringLiteral("Kaas|\u20AC 4,95|\u20AC 12,50||\n"));
  EXPECT_EQ(Tabel(LeesCsvLijst("\"Naam, voornaam\";Plaats\nJansen, Piet;Ede\n", true)),
            QStringLiteral("Jansen, Piet|Ede|||\n"));
  // A comma between the values, a semicolon quoted in one of them.
  EXPECT_EQ(Tabel(LeesCsvLijst("a,\"b;c\",d\ne,\"f;g\",h\n")), QStringLiteral("a|b;c|d||\ne|f;g|h||\n"));
  EXPECT_EQ(Tabel(LeesCsvLijst("Cheese,4.95\nMilk,1.10\n")), QStringLiteral("Cheese|4.95|||\nMilk|1.10|||\n"));
  // Copied out of a spreadsheet: tabs, whatever the values hold.
  EXPECT_EQ(Tabel(LeesCsvLijst("Kaas\t4,95\ta;b\nMelk\t1,10\tc;d\n")),
            QStringLiteral("Kaas|4,95|a;b||\nMelk|1,10|c;d||\n"));
  // Both split every line alike: the semicolon.
  EXPECT_EQ(Tabel(LeesCsvLijst("a;b,c\nd;e,f\n")), QStringLiteral("a|b,c|||\nd|e,f|||\n"));
  // A line with fewer values does not hide the separator the others share.
  EXPECT_EQ(Tabel(LeesCsvLijst("Naam;Prijs\nKaas;4,95\nMelk\n")),
            QStringLiteral("Naam|Prijs|||\nKaas|4,95|||\nMelk||||\n"));
  // A quoted line end belongs to its value, for finding the separator too.
  EXPECT_EQ(Tabel(LeesCsvLijst("\"Dorp,\nEde\";1,5\n\"Stad,\nBaarn\";2,5\n")),
            QStringLiteral("Dorp,\nEde|1,5|||\nStad,\nBaarn|2,5|||\n"));
  // None splits a line: every line is one value.
  EXPECT_EQ(Tabel(LeesCsvLijst("\"Jansen, Piet\"\n\"Bakker; Jan\"\n")),
            QStringLiteral("Jansen, Piet||||\nBakker; Jan||||\n"));
}

TEST(LijstRegeleinden, CarriageReturnsAloneAndUtf16WithItsMarkAreRead) {
  EXPECT_EQ(Tabel(LeesCsvLijst("a1,b1\ra2,b2\r")), QStringLiteral("a1|b1|||\na2|b2|||\n"));
  // A blank line stays a row; a quoted line end is one LF in any file.
  const QString verwacht = QStringLiteral("a|x\ny|||\n||||\nb|c|||\n");
  EXPECT_EQ(Tabel(LeesCsvLijst("a;\"x\ry\"\r\rb;c\r")), verwacht);
  EXPECT_EQ(Tabel(LeesCsvLijst("a;\"x\r\ny\"\r\n\r\nb;c\r\n")), verwacht);

  // A zero-width space opening a value is part of it, as any character.
  const QString lijst =
      QStringLiteral("Naam;Prijs\r\n\"\u00C6r\u00F8\";\u20AC 4,95\r\n\"\U0001D11E\";\"x\ny\"\r\n\uFEFFz;\r\n");
  const QString rijen = QStringLiteral("\u00C6r\u00F8|\u20AC 4,95|||\n\U0001D11E|x\ny|||\n\uFEFFz||||\n");
  ASSERT_EQ(Tabel(LeesCsvLijst(lijst.toUtf8(), true)), rijen);
  for (bool be : {false, true}) {
    SCOPED_TRACE(be ? "big-endian" : "little-endian");
    EXPECT_EQ(Tabel(LeesCsvLijst(Utf16(lijst, be), true)), rijen);
    // Half a unit, half a pair or a control character is no text.
    EXPECT_EQ(Tabel(LeesCsvLijst(Utf16(lijst, be).chopped(1))), QStringLiteral("fout"));
    EXPECT_EQ(Tabel(LeesCsvLijst(Utf16(lijst + QChar(0xD834), be))), QStringLiteral("fout"));
    EXPECT_EQ(Tabel(LeesCsvLijst(Utf16(QChar(0xDD1E) + lijst, be))), QStringLiteral("fout"));
    EXPECT_EQ(Tabel(LeesCsvLijst(Utf16(QStringLiteral("a;b\u0001"), be))), QStringLiteral("fout"));
  }
}
