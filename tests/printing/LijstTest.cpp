#include <gtest/gtest.h>

#include <QFile>

#include "printing/CsvLijst.h"
#include "support/Tijdelijk.h"

namespace {

QByteArray Rijen(int aantal, const QByteArray& rij) { return rij.repeated(aantal); }

int Aantal(const std::variant<CsvRijen, LijstFout>& r) {
  return std::holds_alternative<CsvRijen>(r) ? int(std::get<CsvRijen>(r).size()) : -1;
}

}  // namespace

TEST(LijstGrenzen, AMillionRowsAreReadAndOneMoreIsRefused) {
  const QByteArray miljoen = Rijen(kMaxLijstRijen, "Kaas;12,50;8712345678906\r\n");
  const auto r = LeesCsvLijst(miljoen);
  ASSERT_EQ(Aantal(r), kMaxLijstRijen);
  const CsvRijen& rijen = std::get<CsvRijen>(r);
  EXPECT_EQ(rijen.back()[2], QStringLiteral("8712345678906"));

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
  EXPECT_EQ(rijen[1][0], QString());
  EXPECT_EQ(rijen[2][0], QStringLiteral("b\nc"));
  EXPECT_EQ(rijen[2][1], QStringLiteral("d\""));
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
