#pragma once
#include <QByteArray>
#include <QString>
#include <vector>

#include "model/EtiketFormaat.h"
#include "model/Ontwerp.h"

using namespace model;

// The example designs shipped in data/examples, made here so that they can
// be made again: maak_voorbeelden writes them, and a test checks that the
// shipped files are what this makes.
struct Voorbeeld {
  QString Bestand;  // file name in data/examples
  QString Formaat;  // its label format in the catalogue
  Ontwerp ontwerp;

  // The file's bytes: version 4.0 when the design holds barcodes.
  QByteArray Bytes() const;
};

// The examples with barcodes, their formats found in `formaten` (the
// shipped catalogue).
std::vector<Voorbeeld> Voorbeelden(const FormatenTabel& formaten);
