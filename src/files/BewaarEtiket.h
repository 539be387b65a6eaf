#pragma once
#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "files/Layer.h"
#include "model/Ontwerp.h"

namespace files {

// How a save went. A failed save has left any earlier file at the path as
// it was; the design itself is never changed by saving.
struct BewaarResultaat {
  // WaardeBuitenGrens: a value the reader would refuse; BestandTeGroot: the
  // file would pass kMaxBestandGrootte. Nothing was written for either.
  enum Fout { Geen, Schrijven, FiguurTeGroot, WaardeBuitenGrens, BestandTeGroot };
  Fout fout = Geen;
  QString pad;
  // With BestandTeGroot: the size the file would have had, in bytes.
  qint64 Grootte = 0;
  // With WaardeBuitenGrens: the element ("Ronde tekst 1 ("Rondom")") and
  // what is wrong with it ("het referentiepunt is ...").
  QString VoorwerpNaam;
  QString Waarde;
  // Characters Windows-1252 cannot hold were written as "?".
  bool TekensVervangen = false;
  // A text longer than a String can hold was cut to 32767 characters.
  bool TekstIngekort = false;

  bool Gelukt() const { return fout == Geen; }
  // Why the save failed, shown under the title "Fout".
  QString Melding() const;
  bool TekstAangepast() const { return TekensVervangen || TekstIngekort; }
  // Told to the user once per save when TekstAangepast(), title "Fout".
  QString Waarschuwing() const;
};

// What the bytes of a save pass through on their way to the file: given the
// file, a device that writes into it. Tests put a disk here that fills up or
// loses its folder half-way; empty: the bytes go straight into the file.
using Schrijfweg = std::function<std::unique_ptr<QIODevice>(QIODevice& bestand)>;

// Writes the design as a design file to the path: version 5.0 when bestType
// is 4 (kBestTypeVersie5), 4.0 when it is 3 (kBestTypeVersie4), version 2
// when it is 2, version 1 for any other value. Versions 1 and 2 leave the
// barcodes out, and write a design without them byte for byte as before;
// version 4.0 always has its barcode section; the older versions leave out
// what only 5.0 keeps. The file appears only when all of it was written and
// flushed; until then the old file stays in place.
BewaarResultaat BewaarEtiket(const QString& fn, qint16 bestType, const Ontwerp& ontwerp, const QString& formaatNaam,
                             const Schrijfweg& weg = {});

// The same into an open device (a buffer, or the temporary file of a save).
// `map` is the folder of the design file, for a list named relative to it.
BewaarResultaat SchrijfEtiket(QIODevice& uit, qint16 bestType, const Ontwerp& ontwerp, const QString& formaatNaam,
                              const QString& map = {});

// The bytes of the design file, for tests and tools; empty when the design
// cannot be written (see the result).
QByteArray EtiketBytes(qint16 bestType, const Ontwerp& ontwerp, const QString& formaatNaam,
                       BewaarResultaat* resultaat = nullptr);

// The size in bytes of the file the design makes in this version, worked
// out from the design without writing it.
qint64 BestandGrootte(qint16 bestType, const Ontwerp& ontwerp, const QString& formaatNaam);

// The pixels of all pictures of the design's figures as they are stored,
// which together must stay within kMaxBeeldPuntenTotaal.
qint64 OpslagPunten(const Ontwerp& ontwerp);

// Whether the design holds what a version 1 file cannot keep: round texts,
// or figures that show only part of their picture.
bool VersieEenVerliest(const Ontwerp& ontwerp);
// Whether the design holds what only version 5.0 keeps: figures turned
// into dots another way than the plain one, text lines that fit their
// box, or a list it names.
bool GebruiktVersie5(const Ontwerp& ontwerp);
// What of it, in words for the question before an older version leaves it
// out ("figuren die ...").
QStringList Versie5Inhoud(const Ontwerp& ontwerp);
// Whether saving as this version loses part of the design: what only 5.0
// keeps in any older version, barcodes in version 1 or 2, and what
// VersieEenVerliest says for version 1. The window asks before such a save.
bool OudeVersieVerliest(const Ontwerp& ontwerp, qint16 bestType);
// The version a plain save writes: the design's own (1 to 4), or for a
// design never saved (0) version 1, unless it holds barcodes (then 4.0) or
// what only 5.0 keeps (then 5.0).
qint16 BewaarVersie(const Ontwerp& ontwerp, qint16 bestType);
// The oldest version of 2, 4.0 and 5.0 that keeps the whole design.
qint16 VolledigeVersie(const Ontwerp& ontwerp);

// The bitmap a figure is stored as: its picture (a vector picture drawn
// first) at BeeldBreedte by BeeldHoogte, one bit, black on white. Null when
// that would pass the limits the reader accepts.
QImage OpslagBitmap(const Voorwerp& figuur);

}  // namespace files
