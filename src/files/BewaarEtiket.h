#pragma once
#include <QByteArray>
#include <QIODevice>
#include <QString>

#include "model/Ontwerp.h"

// How a save went. A failed save has left any earlier file at the path as
// it was; the design itself is never changed by saving.
struct BewaarResultaat {
  // WaardeBuitenGrens: a value the reader would refuse; nothing was written.
  enum Fout { Geen, Schrijven, FiguurTeGroot, WaardeBuitenGrens };
  Fout fout = Geen;
  QString pad;
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

// Writes the design as a design file to the path: version 2 when bestType
// is 2, version 1 for any other value. The file appears only when all of
// it was written and flushed; until then the old file stays in place.
BewaarResultaat BewaarEtiket(const QString& fn, qint16 bestType, const Ontwerp& ontwerp, const QString& formaatNaam);

// The same into an open device (a buffer, or the temporary file of a save).
BewaarResultaat SchrijfEtiket(QIODevice& uit, qint16 bestType, const Ontwerp& ontwerp, const QString& formaatNaam);

// The bytes of the design file, for tests and tools; empty when the design
// cannot be written (see the result).
QByteArray EtiketBytes(qint16 bestType, const Ontwerp& ontwerp, const QString& formaatNaam,
                       BewaarResultaat* resultaat = nullptr);

// Whether the design holds what a version 1 file cannot keep: round texts,
// or figures that show only part of their picture.
bool VersieEenVerliest(const Ontwerp& ontwerp);

// The bitmap a figure is stored as: its picture (a vector picture drawn
// first) at BeeldBreedte by BeeldHoogte, one bit, black on white. Null when
// that would pass the limits the reader accepts.
QImage OpslagBitmap(const Voorwerp& figuur);
