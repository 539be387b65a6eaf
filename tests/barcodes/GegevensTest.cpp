// What the dialog and the printer job tell the user about a barcode's data,
// and the check digits that are added to it.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "barcodes/Codering.h"

using namespace barcodes;

namespace {

using S = StreepjescodeSoort;

const std::string kTeLangVoorQr(8000, 'x'), kTeLangVoorDataMatrix(4000, 'x'), kTeLangVoorPdf417(3000, 'x');

struct Geweigerd {
  S soort;
  const char* gegevens;
  const char* melding;
};

const Geweigerd kGeweigerd[] = {
    {S::Ean13, "", "Vul de gegevens van de streepjescode in."},
    {S::QrCode, "", "Vul de gegevens van de streepjescode in."},
    {S::Ean13, "59012341234", "Een EAN-13 bestaat uit 12 of 13 cijfers."},
    {S::Ean13, "59012341234570", "Een EAN-13 bestaat uit 12 of 13 cijfers."},
    {S::Ean13, "59012341234A", "Een EAN-13 bestaat alleen uit cijfers."},
    {S::Ean13, "5901234123458", "Het controlecijfer klopt niet: het moet 7 zijn."},
    {S::Ean8, "963850", "Een EAN-8 bestaat uit 7 of 8 cijfers."},
    {S::Ean8, "9638 507", "Een EAN-8 bestaat alleen uit cijfers."},
    {S::Ean8, "96385075", "Het controlecijfer klopt niet: het moet 4 zijn."},
    {S::UpcA, "0360002914", "Een UPC-A bestaat uit 11 of 12 cijfers."},
    {S::UpcA, "036000291453", "Het controlecijfer klopt niet: het moet 2 zijn."},
    {S::Itf14, "950110153000", "Een ITF-14 bestaat uit 13 of 14 cijfers."},
    {S::Itf14, "9501101530003-", "Een ITF-14 bestaat alleen uit cijfers."},
    {S::Itf14, "95011015300039", "Het controlecijfer klopt niet: het moet 8 zijn."},
    {S::Interleaved2of5, "12-34", "Een Interleaved 2 of 5 bestaat alleen uit cijfers."},
    // zint would put a 0 in front: the scanner would read other data than was typed.
    {S::Interleaved2of5, "123",
     "Een Interleaved 2 of 5 bestaat uit een even aantal cijfers; zet er zelf een 0 voor als dat bedoeld is."},
    {S::Interleaved2of5, "12345678901234567890123456789012345678901234567890123456789012345678901234567890123456789012",
     "Te veel gegevens voor een Interleaved 2 of 5."},
    {S::Code39, "Vellora",
     "Een Code 39 kan het teken 'e' niet bevatten; alleen hoofdletters, cijfers, spaties en "
     "- . $ / + %."},
    {S::Code39, "A_B",
     "Een Code 39 kan het teken '_' niet bevatten; alleen hoofdletters, cijfers, spaties en - . $ / + %."},
    {S::Code39, "ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUVWXYZ12345678",
     "Te veel gegevens voor een Code 39."},
    {S::Code128, "Prijs 5 €", "Een Code 128 kan het teken '€' niet bevatten."},
    {S::Gs1_128, "0109501101530003",
     "Schrijf GS1-gegevens als AI's tussen haken, elk gevolgd door zijn waarde, "
     "bijvoorbeeld [01]09501101530003[10]ABC."},
    {S::Gs1_128, "[01]09501101530003[10",
     "Schrijf GS1-gegevens als AI's tussen haken, elk gevolgd door zijn waarde, "
     "bijvoorbeeld [01]09501101530003[10]ABC."},
    {S::Gs1_128, "[01][10]ABC",
     "Schrijf GS1-gegevens als AI's tussen haken, elk gevolgd door zijn waarde, "
     "bijvoorbeeld [01]09501101530003[10]ABC."},
    {S::Gs1_128, "[1A]123",
     "Schrijf GS1-gegevens als AI's tussen haken, elk gevolgd door zijn waarde, "
     "bijvoorbeeld [01]09501101530003[10]ABC."},
    {S::Gs1_128, "[10]Lot é", "GS1-gegevens kunnen het teken 'é' niet bevatten."},
    {S::Gs1_128, "[23]123", "AI (23) bestaat niet."},
    {S::Gs1_128, "[01]0950110153000", "De waarde bij AI (01) heeft niet de juiste lengte."},
    {S::Gs1_128, "[01]09501101530004", "Het controlecijfer bij AI (01) klopt niet."},
    {S::Gs1_128, "[01]09501101530003[17]261332", "De waarde bij AI (17) klopt niet."},
    {S::QrCode, kTeLangVoorQr.c_str(), "Te veel gegevens voor een QR Code."},
    {S::DataMatrix, kTeLangVoorDataMatrix.c_str(), "Te veel gegevens voor een Data Matrix."},
    {S::Pdf417, kTeLangVoorPdf417.c_str(), "Te veel gegevens voor een PDF417."},
};

void PrintTo(const Geweigerd& g, std::ostream* os) {
  *os << SoortNaam(g.soort).toStdString() << " \"" << g.gegevens << '"';
}

struct GeweigerdTest : ::testing::TestWithParam<Geweigerd> {};

TEST_P(GeweigerdTest, InvalidDataIsRefusedWithItsDutchMessage) {
  const Geweigerd& g = GetParam();
  const std::optional<QString> fout = FoutInGegevens(g.soort, QString::fromUtf8(g.gegevens));
  ASSERT_TRUE(fout.has_value());
  EXPECT_EQ(fout->toStdString(), g.melding);
}

INSTANTIATE_TEST_SUITE_P(AlleSoorten, GeweigerdTest, ::testing::ValuesIn(kGeweigerd));

// Data as typed, and the human-readable line that goes under the bars.
struct Aanvaard {
  S soort;
  const char* gegevens;
  const char* tekst;
};

const Aanvaard kAanvaard[] = {
    {S::Ean13, "590123412345", "5901234123457"},   // check digit computed
    {S::Ean13, "5901234123457", "5901234123457"},  // and a right one kept
    {S::Ean8, "9638507", "96385074"},
    {S::Ean8, "96385074", "96385074"},
    {S::UpcA, "03600029145", "036000291452"},
    {S::UpcA, "036000291452", "036000291452"},
    {S::Itf14, "9501101530003", "95011015300038"},
    {S::Itf14, "95011015300038", "95011015300038"},
    {S::Interleaved2of5, "0123", "0123"},
    {S::Gs1_128, "[01]09501101530003[10]ABC", "(01)09501101530003(10)ABC"},
    {S::Code39, "AB-12 $/+%.", "*AB-12 $/+%.*"},
    {S::Code128, "Café 7½", "Café 7½"},
};

void PrintTo(const Aanvaard& a, std::ostream* os) {
  *os << SoortNaam(a.soort).toStdString() << " \"" << a.gegevens << '"';
}

struct AanvaardTest : ::testing::TestWithParam<Aanvaard> {};

TEST_P(AanvaardTest, ValidDataEncodesWithItsHumanReadableLine) {
  const Aanvaard& a = GetParam();
  const Codering c = CodeerStreepjescode(a.soort, QString::fromUtf8(a.gegevens));
  ASSERT_TRUE(c.Gelukt()) << c.Fout.toStdString();
  EXPECT_EQ(c.modules.Tekst.toStdString(), a.tekst);
  EXPECT_GT(c.modules.Breedte, 0);
}

INSTANTIATE_TEST_SUITE_P(AlleSoorten, AanvaardTest, ::testing::ValuesIn(kAanvaard));

// The printer job encodes its copies on several threads at once.
TEST(CoderingTest, SeveralThreadsAtOnceMakeTheSameSymbols) {
  const std::vector<std::pair<S, QString>> codes = {{S::QrCode, QStringLiteral("https://vellora.example/42")},
                                                    {S::Code128, QStringLiteral("VL-0042")},
                                                    {S::Gs1_128, QStringLiteral("[01]09501101530003[10]L7")},
                                                    {S::DataMatrix, QStringLiteral("ASSET-42")},
                                                    {S::Pdf417, QStringLiteral("Vellora 42")},
                                                    {S::Ean13, QStringLiteral("590123412345")}};
  std::vector<std::vector<std::uint8_t>> alleen;
  for (const auto& [soort, gegevens] : codes) alleen.push_back(CodeerStreepjescode(soort, gegevens).modules.Zwart);

  std::atomic<int> verschillen{0};
  std::vector<std::thread> draden;
  for (int d = 0; d < 4; ++d)
    draden.emplace_back([&] {
      for (int keer = 0; keer < 50; ++keer)
        for (size_t i = 0; i < codes.size(); ++i)
          if (CodeerStreepjescode(codes[i].first, codes[i].second).modules.Zwart != alleen[i]) ++verschillen;
    });
  for (std::thread& d : draden) d.join();
  EXPECT_EQ(verschillen.load(), 0);
}

}  // namespace
