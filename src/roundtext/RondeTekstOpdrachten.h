#pragma once
#include <QString>

#include "model/EtiketFormaat.h"
#include "model/Ontwerp.h"
#include "roundtext/Layer.h"

namespace roundtext {

// The spacing a round text has. The dialog shows it and takes a typed
// one, but nothing is laid out by it and a design file keeps none: every
// element keeps this one, which is also what opening a file gives.
inline constexpr float kStandaardSpatiering = 100;

// The description of a round text as the dialog shows it and gives it back.
// Underline is not part of it: a new round text has none, a converted text
// line keeps its own.
struct RondeTekstGegevens {
  QString Tekst;
  QString Lettertype;
  qint16 Lettergrootte = 12;
  bool Vet = false;
  bool Cursief = false;
  qint16 Uitlijning = 0;  // reference mode: 0 start, 1 end, 2 middle
  float Straal = 0;       // mm
  float Spatiering = kStandaardSpatiering;  // percent
  bool Wijzerzin = true;
  float Referentiepunt = 0;  // degrees
};

// The radius a new round text starts with: 2 mm inside the label's shorter side.
float StandaardStraal(const EtiketFormaat& formaat);

// What the dialog shows for a new round text: the given text attributes,
// the standard radius, angle 0, clockwise, spacing 100 and a sample text.
RondeTekstGegevens NieuweRondeTekst(const EtiketFormaat& formaat, const QString& lettertype, qint16 lettergrootte,
                                    bool vet, bool cursief, qint16 uitlijning);
// What the dialog shows for an existing element, the standard spacing
// included.
RondeTekstGegevens GegevensVan(const Voorwerp& v);
// Writes the description into the element; its underline stays as it was,
// and its spacing is always the standard one.
void SchrijfGegevens(const RondeTekstGegevens& g, Voorwerp& v);

// Puts the circle's centre on the label's centre, moved up or left just
// far enough to keep the element inside the right and bottom edges, and
// never past the left and top edges.
void PlaatsRondeTekst(Ontwerp& ontwerp, int index, const EtiketFormaat& formaat);

// Add after OK: a new round text from the description, rendered and placed.
// Returns its index; selecting it and redrawing are the window's business.
int VoegRondeTekstToe(Ontwerp& ontwerp, const EtiketFormaat& formaat, const RondeTekstGegevens& g);
// Edit after OK: the description written into the element, rendered, and the
// element placed again on the label's centre.
void WijzigRondeTekst(Ontwerp& ontwerp, int index, const EtiketFormaat& formaat, const RondeTekstGegevens& g);

// Converting a text line: before the dialog the element becomes a round text
// with the standard radius, angle 0 and clockwise (the counters stay); after
// it the counters follow on OK, or the element is a text line again. Begin
// does nothing and returns false for anything but a text line.
bool BeginOmzettingNaarRond(Ontwerp& ontwerp, int index, const EtiketFormaat& formaat);
void EindOmzettingNaarRond(Ontwerp& ontwerp, int index, bool bevestigd);
// A round text becomes a text line at once; its round-text fields stay.
// False, and nothing changed, for anything but a round text.
bool ZetOmNaarRecht(Ontwerp& ontwerp, int index);

}  // namespace roundtext
