#pragma once
#include <ZXing/BarcodeFormat.h>

#include <string>
#include <utility>
#include <vector>

// What each shipped example's barcodes read as on copies 1 to `tot` (or
// all six labels of the sheet), one list per barcode, in table order.
struct VoorbeeldCodes {
  const char* bestand;
  int tot;
  std::vector<std::pair<ZXing::BarcodeFormat, std::vector<std::string>>> codes;
};

inline const std::vector<VoorbeeldCodes>& AlleVoorbeeldCodes() {
  static const std::vector<VoorbeeldCodes> alle = {
      {"Productetiket.VLO", 1, {{ZXing::BarcodeFormat::EAN13, {"8712345678906"}}}},
      {"Verzendetiket.VLO",
       3,
       {{ZXing::BarcodeFormat::Code128, {"VZ20261NL", "VZ20262NL", "VZ20263NL"}},
        {ZXing::BarcodeFormat::QRCode,
         {"https://vellora.example/zending/1", "https://vellora.example/zending/2",
          "https://vellora.example/zending/3"}}}},
      {"Inventarislabel.VLO", 3, {{ZXing::BarcodeFormat::DataMatrix, {"INV-1", "INV-2", "INV-3"}}}},
      {"Schapkaartjes.VLO",
       6,
       {{ZXing::BarcodeFormat::Code128, {"ART-1", "ART-2", "ART-3", "ART-4", "ART-5", "ART-6"}}}},
      {"Kaaslabel.VLO", 3, {{ZXing::BarcodeFormat::Code128, {"KAAS-1", "KAAS-2", "KAAS-3"}}}},
  };
  return alle;
}
