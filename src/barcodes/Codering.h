#pragma once
#include <QString>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "barcodes/Layer.h"
#include "model/Streepjescode.h"

namespace barcodes {

// A piece of the human-readable line and the modules it stands under,
// counted from the symbol's first module; negative in the left quiet zone.
struct TekstPlaats {
  QString Tekst;
  int Van = 0, Tot = 0;
};

// A symbol as modules, before it gets a size in printer dots.
struct Modules {
  StreepjescodeSoort Soort = StreepjescodeSoort::Code128;
  int Breedte = 0;  // modules across
  bool Lineair = false;
  // Per row, in modules. A linear code has one row, stretched to the height
  // of its bars when drawn.
  std::vector<int> RijHoogte;
  // Breedte entries per row, row after row: 1 = dark.
  std::vector<std::uint8_t> Zwart;
  // The quiet zones the symbology asks for around the symbol, in modules.
  int RustLinks = 0, RustRechts = 0, RustBoven = 0, RustOnder = 0;
  // The human-readable line with any computed check digit; empty for
  // two-dimensional codes.
  QString Tekst;
  // Where that line goes: under the whole symbol, or for retail codes the
  // digits in their groups between the guards.
  std::vector<TekstPlaats> TekstDelen;
  // Module ranges [van, tot) whose bars reach down into the line: the guards
  // of retail codes.
  std::vector<std::pair<int, int>> LangeStrepen;
  // The bars above and below an ITF-14 that keep a skewed scan line from
  // reading half a symbol, in modules.
  int Draagbalk = 0;

  int Rijen() const { return static_cast<int>(RijHoogte.size()); }
  int HoogteInModules() const;
  bool IsZwart(int x, int rij) const { return Zwart[static_cast<size_t>(rij) * Breedte + x] != 0; }
};

struct Codering {
  Modules modules;
  // Why the data cannot be encoded, in words for the user; empty when it can.
  QString Fout;

  bool Gelukt() const { return Fout.isEmpty(); }
};

// Encodes data whose numbering codes are already replaced. Check digits that
// are left out are computed; a wrong one is refused.
Codering CodeerStreepjescode(StreepjescodeSoort soort, const QString& gegevens);

// What is wrong with the data for this symbology, or nothing.
std::optional<QString> FoutInGegevens(StreepjescodeSoort soort, const QString& gegevens);

}  // namespace barcodes
