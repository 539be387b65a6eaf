#pragma once
#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>

#include "model/ExactGetal.h"
#include "model/Layer.h"

namespace model {

// The symbologies a barcode element can hold. The values are kept in design
// files: never renumber them.
enum class StreepjescodeSoort : qint16 {
  Ean13 = 1,
  Ean8 = 2,
  UpcA = 3,
  Code128 = 4,
  Gs1_128 = 5,
  Code39 = 6,
  Interleaved2of5 = 7,
  Itf14 = 8,
  QrCode = 9,
  DataMatrix = 10,
  Pdf417 = 11,
};

// In the order of the dialog's type list.
inline constexpr std::array<StreepjescodeSoort, 11> AlleSoorten{
    StreepjescodeSoort::Ean13,           StreepjescodeSoort::Ean8,    StreepjescodeSoort::UpcA,
    StreepjescodeSoort::Code128,         StreepjescodeSoort::Gs1_128, StreepjescodeSoort::Code39,
    StreepjescodeSoort::Interleaved2of5, StreepjescodeSoort::Itf14,   StreepjescodeSoort::QrCode,
    StreepjescodeSoort::DataMatrix,      StreepjescodeSoort::Pdf417};

// The name the type list shows and the messages use.
QString SoortNaam(StreepjescodeSoort soort);
// Linear codes have bars of a chosen height and a human-readable line; the
// others are two-dimensional and keep their own proportions.
bool IsLineair(StreepjescodeSoort soort);
// The symbology stored under a value, or nothing for a value no symbology has.
std::optional<StreepjescodeSoort> SoortVanWaarde(qint16 waarde);

// "automatisch": the largest module width that fits the element's box.
inline constexpr qint16 kModuleAutomatisch = 0;
inline constexpr qint16 kGrootsteModule = 10;

// A barcode as the element keeps it.
struct Streepjescode {
  StreepjescodeSoort Soort = StreepjescodeSoort::Code128;
  // May hold "[#]" and "[A]".."[E]"; they are replaced per copy before encoding.
  QString Gegevens;
  // The human-readable line under a linear code.
  bool TekstTonen = true;
  // Printer dots per module: kModuleAutomatisch, or 1..kGrootsteModule.
  qint16 Modulebreedte = kModuleAutomatisch;
  // Millimetres, bars and human-readable line together; linear codes only.
  ExactGetal Hoogte = 15;

  bool operator==(const Streepjescode&) const = default;
};

}  // namespace model
