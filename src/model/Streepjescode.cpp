#include "model/Streepjescode.h"

namespace model {

QString SoortNaam(StreepjescodeSoort soort) {
  switch (soort) {
    case StreepjescodeSoort::Ean13: return QStringLiteral("EAN-13");
    case StreepjescodeSoort::Ean8: return QStringLiteral("EAN-8");
    case StreepjescodeSoort::UpcA: return QStringLiteral("UPC-A");
    case StreepjescodeSoort::Code128: return QStringLiteral("Code 128");
    case StreepjescodeSoort::Gs1_128: return QStringLiteral("GS1-128");
    case StreepjescodeSoort::Code39: return QStringLiteral("Code 39");
    case StreepjescodeSoort::Interleaved2of5: return QStringLiteral("Interleaved 2 of 5");
    case StreepjescodeSoort::Itf14: return QStringLiteral("ITF-14");
    case StreepjescodeSoort::QrCode: return QStringLiteral("QR Code");
    case StreepjescodeSoort::DataMatrix: return QStringLiteral("Data Matrix");
    case StreepjescodeSoort::Pdf417: return QStringLiteral("PDF417");
  }
  return {};
}

bool IsLineair(StreepjescodeSoort soort) {
  return soort != StreepjescodeSoort::QrCode && soort != StreepjescodeSoort::DataMatrix &&
         soort != StreepjescodeSoort::Pdf417;
}

std::optional<StreepjescodeSoort> SoortVanWaarde(qint16 waarde) {
  for (StreepjescodeSoort s : AlleSoorten)
    if (static_cast<qint16>(s) == waarde) return s;
  return std::nullopt;
}

}  // namespace model
