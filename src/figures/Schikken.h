#pragma once
#include "figures/Layer.h"
#include "model/EtiketFormaat.h"
#include "model/Ontwerp.h"

namespace figures {

// Where the single figure stands relative to the text.
enum FiguurPositie : qint16 { NietGezet = 0, FiguurLinks = 1, FiguurRechts = 2, FiguurBoven = 3, FiguurOnder = 4 };

// Sets the alignment of every text line.
void AllesUitlijnen(Ontwerp& ontwerp, qint16 uitlijning);

// Spreads the text lines evenly over the label, or over what a single
// figure leaves of it: equal gaps above, between and below the lines, each
// line as wide as the free area (on a round label, as the circle's chord at
// its middle). Font sizes stay; the lines may overlap when they do not fit.
void AutomatischVerdelen(Ontwerp& ontwerp, const EtiketFormaat& formaat, qint16 figuurPositie);

// Places a new text line on the label without moving the others: as wide
// as the label, under the text line before it while it fits, else at the
// label's top. A line taller than the label starts at its top.
void PlaatsNieuweLijn(Ontwerp& ontwerp, const EtiketFormaat& formaat, int index);

// Puts the design's only figure above, left of, below or right of the text
// (fitted into its part of the label, 5 % from the edge), aligns the text
// lines towards it and spreads them. False when the design has more than
// one figure (nothing changes); true with none, when nothing changes either.
bool PlaatsFiguur(Ontwerp& ontwerp, const EtiketFormaat& formaat, FiguurPositie positie);

// The text shown when the design has more than one figure.
QString TeveelFigurenTekst();

}  // namespace figures
