#pragma once
#include <QString>
#include <variant>

#include "files/Layer.h"
#include "model/EtiketFormaat.h"

namespace files {

// Why the catalogue could not be read; each ends the program.
struct CatalogusFout {
  enum Soort { Openen, Lezen, Leeg };
  Soort soort = Lezen;
  QString pad;
  // The message shown, under the title "Onherstelbare fout".
  QString Melding() const;
};

constexpr const char* kCatalogusNaam = "all.eft";
constexpr const char* kOnherstelbareFout = "Onherstelbare fout";

// Reads the whole catalogue at the given path; there is no partial result.
std::variant<FormatenTabel, CatalogusFout> LeesFormaten(const QString& pad);
// The same from text already in memory (pad only names it in messages).
std::variant<FormatenTabel, CatalogusFout> LeesFormatenUit(const QByteArray& tekst, const QString& pad);

}  // namespace files
