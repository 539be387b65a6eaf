#pragma once
#include <QString>
#include "files/Layer.h"

namespace files {

// The file name part of a path: what follows its last "/" or "\" (old
// settings may hold Windows paths); a path without either is returned whole.
QString ZonderPad(const QString& voll);

// The folder part of a path with its trailing separator.
QString MapVan(const QString& pad);

// The name a design is saved under: a typed file name without any period
// is upper-cased and gets ".VLO"; the folder part is left as it is, since
// this file system tells letter case apart.
QString OntwerpNaam(const QString& gekozen);

// "Vellora", or "Vellora - " and the file name.
QString VensterTitel(const QString& bestandsnaam);

}  // namespace files
