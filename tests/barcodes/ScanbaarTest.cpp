// Every symbology drawn at the printer's dots is read back by a real decoder.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "barcodes/Scan.h"
#include "barcodes/TekenStreepjescode.h"

using namespace barcodes;

namespace {

using S = StreepjescodeSoort;
using F = ZXing::BarcodeFormat;

struct Geval {
  S soort;
  const char* gegevens;
  float breedteMm, hoogteMm;  // the element's box
  F formaat;
  const char* gelezen;  // what the scanner reads: check digits added where the symbology adds them
};

// A box of a realistic size for each symbology, at both printer resolutions
// (retail codes wide enough for GS1's smallest module at 8 dots per mm).
const Geval kGevallen[] = {
    {S::Ean13, "590123412345", 45, 25, F::EAN13, "5901234123457"},
    {S::Ean13, "4006381333931", 45, 25, F::EAN13, "4006381333931"},
    {S::Ean8, "9638507", 31, 20, F::EAN8, "96385074"},
    {S::UpcA, "03600029145", 45, 25, F::UPCA, "036000291452"},
    {S::Code128, "Vellora-00042", 60, 15, F::Code128, "Vellora-00042"},
    {S::Code128, "Café 7½", 60, 15, F::Code128, "Café 7½"},
    {S::Gs1_128, "[01]09501101530003[10]ABC123", 80, 20, F::Code128, "010950110153000310ABC123"},
    // A variable-length AI that is not the last one ends with a group separator.
    {S::Gs1_128, "[10]LOT7[17]261231", 60, 20, F::Code128,
     "10LOT7\x1d"
     "17261231"},
    {S::Code39, "VELLORA-42", 70, 15, F::Code39, "VELLORA-42"},
    {S::Interleaved2of5, "12345678", 40, 15, F::ITF, "12345678"},
    {S::Itf14, "9501101530003", 80, 25, F::ITF, "95011015300038"},
    {S::QrCode, "https://vellora.example/zending/00042", 25, 25, F::QRCode, "https://vellora.example/zending/00042"},
    {S::QrCode, "Grüße aus Köln — 5 €", 25, 25, F::QRCode, "Grüße aus Köln — 5 €"},
    {S::DataMatrix, "ASSET-000123", 15, 15, F::DataMatrix, "ASSET-000123"},
    {S::DataMatrix, "Øre 12", 15, 15, F::DataMatrix, "Øre 12"},
    {S::Pdf417, "Vellora PDF417: verzending 42", 60, 20, F::PDF417, "Vellora PDF417: verzending 42"},
};

void PrintTo(const Geval& g, std::ostream* os) {
  *os << SoortNaam(g.soort).toStdString() << " \"" << g.gegevens << '"';
}

struct ScanbaarTest : ::testing::TestWithParam<std::tuple<Geval, int>> {};

TEST_P(ScanbaarTest, DrawnSymbolDecodesToItsData) {
  const auto& [g, ppm] = GetParam();
  Streepjescode code;
  code.Soort = g.soort;
  code.Gegevens = QString::fromUtf8(g.gegevens);
  const QSize vak(qRound(g.breedteMm * ppm), qRound(g.hoogteMm * ppm));

  const StreepjescodeTekening t = TekenStreepjescode(code, vak, ppm);
  ASSERT_EQ(t.uitkomst, StreepjescodeTekening::Uitkomst::Getekend) << t.Fout.toStdString();
  ASSERT_EQ(t.Beeld.size(), vak);
  ASSERT_EQ(t.Beeld.format(), QImage::Format_Mono);

  const Gescand s = Scan(t.Beeld, g.formaat);
  ASSERT_TRUE(s.gevonden) << "module " << t.indeling.Module;
  EXPECT_EQ(s.tekst, g.gelezen);
}

// Test names like "EAN13_0_8ppm".
std::string Naam(const ::testing::TestParamInfo<std::tuple<Geval, int>>& info) {
  const Geval& g = std::get<0>(info.param);
  QString naam = SoortNaam(g.soort) + QStringLiteral("_%1_%2ppm").arg(info.index).arg(std::get<1>(info.param));
  naam.remove(QRegularExpression(QStringLiteral("[^A-Za-z0-9_]")));
  return naam.toStdString();
}

INSTANTIATE_TEST_SUITE_P(AlleSoorten, ScanbaarTest,
                         ::testing::Combine(::testing::ValuesIn(kGevallen), ::testing::Values(8, 12)), Naam);

}  // namespace
