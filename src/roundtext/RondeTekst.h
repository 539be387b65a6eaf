#pragma once
#include <QImage>
#include <QString>

#include "model/Ontwerp.h"
#include "platform/CellFont.h"
#include "roundtext/Layer.h"
#include "roundtext/RondeMeetkunde.h"

namespace roundtext {

// The font of a round text, asked for by its cell height at 12 dots per mm.
platform::CellFont RondeLetter(const QString& lettertype, qint16 punten, bool vet, bool cursief,
                               bool onderlijnd = false);
// The font's cell height, internal and external leading in whole dots.
LetterMaten MatenVan(const platform::CellFont& font);

// The text without its trailing blanks.
QString ZonderSlotspaties(const QString& tekst);

// Draws the laid-out characters, one turned outline each, onto a one-bit
// picture of the box's size: black on white (colour 0 white, 1 black).
QImage TekenRondeTekst(const RondeZetting& zetting, const platform::CellFont& font, const QString& tekens);

// Lays out the round text of element `index`, gives it the picture of that
// layout and sets its width and height from it, keeping its left and top
// edge; the trailing blanks of its text are removed in the element. The
// picture is drawn whenever it is needed (Beeld::Raster), not kept. An empty or blank text
// changes nothing. Neither does a description that cannot be drawn: a
// radius not above the letters' height (the working circle would be empty),
// beyond GrootsteStraal, or not a number. True when a new picture was made.
bool MaakRondeTekst(Ontwerp& ontwerp, int index);
// The same for an element on its own, such as one copy's numbered text.
bool MaakRondeTekst(Voorwerp& v);

}  // namespace roundtext
