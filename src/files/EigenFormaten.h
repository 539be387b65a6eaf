#pragma once
#include <QString>
#include <optional>
#include <vector>

#include "files/Layer.h"
#include "model/EtiketFormaat.h"

namespace files {

// The user's own label formats, kept in a file of their own beside the
// settings ("formaten.json"); the shipped catalogue is never written.
constexpr const char* kEigenFormatenNaam = "formaten.json";

// The user catalogue's path beside the settings file at `instellingenPad`.
QString EigenFormatenPad(const QString& instellingenPad);

// Reads the user catalogue; a missing file is an empty one. A damaged file
// gives its message in `fout` and no formats; entries with bad values are
// left out.
std::vector<EtiketFormaat> LeesEigenFormaten(const QString& pad, QString* fout = nullptr);
// Writes it whole, through a temporary file beside it; the message when
// that failed.
std::optional<QString> BewaarEigenFormaten(const QString& pad, const std::vector<EtiketFormaat>& formaten);

// What is wrong with a format the user made, in words for the user:
// nothing when it can be used. Checks the name, sizes that are not
// positive, labels that overlap their neighbours and labels off the sheet.
std::optional<QString> FormaatBezwaar(const EtiketFormaat& f);

// The formats the program offers: the shipped catalogue first (its indexes
// stay what the settings and designs know), then the user's own, then the
// stock sheets; a name taken by an earlier entry is not offered twice.
FormatenTabel VoegFormatenSamen(const FormatenTabel& catalogus, const std::vector<EtiketFormaat>& eigen,
                                const std::vector<EtiketFormaat>& voorraad);

}  // namespace files
