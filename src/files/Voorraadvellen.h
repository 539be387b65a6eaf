#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <map>
#include <vector>

#include "files/Layer.h"
#include "model/EtiketFormaat.h"

namespace files {

// Stock label sheets as gLabels describes them in its template files: a
// brand, a part number, one label shape on a grid, on a named paper size.
// Each product becomes a format named "brand part", its aliases (equiv)
// included, so a design names a stock product like any other format.
struct Voorraadvellen {
  std::vector<EtiketFormaat> formaten;
  // Products left out because the program cannot print them: CD labels,
  // several grids on one sheet, or sizes that make no sense.
  int overgeslagen = 0;
};

// Paper sizes by id ("A4", "US-Letter"), in mm.
using Papiermaten = std::map<QString, std::pair<double, double>>;
// The sizes of a paper-sizes file; A4 and US-Letter are always known.
Papiermaten LeesPapiermaten(const QByteArray& xml);

// A length as the template files write it: a number with the unit mm, cm,
// in, pt or pc, points when no unit is given; in mm. False when it is none.
bool LeesLengte(const QString& tekst, double* mm);

// Reads one template file's products into `uit`. Aliases are resolved by
// LeesVoorraadvellen once every file has been read, so they are kept apart.
struct SjabloonAlias {
  QString merk, deel, gelijkAan;
};
void LeesSjablonen(const QByteArray& xml, const Papiermaten& papier, Voorraadvellen& uit,
                   std::vector<SjabloonAlias>& aliassen);

// Every template file in the folder (*-templates.xml, with paper-sizes.xml
// beside them), and the files given, in that order; a product named twice
// keeps its first description.
Voorraadvellen LeesVoorraadvellen(const QString& map, const QStringList& bestanden = {});

// Where the installed glabels-data keeps its templates (nothing when it is
// not installed): VELLORA_GLABELS_TEMPLATES, else the system's data folders.
QString SjablonenMap();

}  // namespace files
