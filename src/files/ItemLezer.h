#pragma once
#include <QByteArray>
#include <QString>
#include <optional>
#include "files/Layer.h"

namespace files {

// Reads a Windows-1252 text as a sequence of items separated by commas or
// line ends. Blanks before an item are skipped; an item between double
// quotes may hold commas and leading blanks (the quotes are not part of
// it, and anything after the closing quote up to the separator is dropped).
// Blank lines hold no items.
class ItemLezer {
 public:
  explicit ItemLezer(QByteArray tekst) : tekst_(std::move(tekst)) {}

  // The next item as text; nothing at the end of the input.
  std::optional<QString> Tekst();
  // The next item as a number with a period as decimal separator; nothing
  // at the end of the input or when the item is not a number.
  std::optional<double> Getal();
  // The next item as a 16-bit integer: a number rounded halves to even,
  // nothing when it is not a number or does not fit.
  std::optional<qint16> Integer();

 private:
  std::optional<QString> volgende(bool* geciteerd);
  QByteArray tekst_;
  qsizetype pos_ = 0;
};

}  // namespace files
