#pragma once
#include "editor/EtiketBeeld.h"
#include "editor/Layer.h"

namespace editor {

// Moving the selection with the right mouse button and stretching or
// cropping it by a handle: the arithmetic, without any window. The window
// feeds it pointer positions in picture mm and draws the shadow.

struct Verplaatsing {
  Kader selectie;   // the selection's box when the move began
  float GrijpX = 0;  // the pointer's offset from the box's top-left corner
  float GrijpY = 0;
  bool EenRichting = false;  // Ctrl: only across or only down
};

Verplaatsing BeginVerplaatsen(const Kader& selectie, float x, float y, bool eenRichting);
// The shadow for the pointer at (x, y).
Kader Verplaatsen(const Verplaatsing& v, float x, float y);

// Where a moved box is drawn to: the label's edges and centre line, and a
// grid of `Raster` mm from the label's top-left corner (0: none), each
// within `Afstand` mm of one of the box's edges or its centre.
struct Kleefpunten {
  float EtiketBreedte = 0, EtiketHoogte = 0;
  float Raster = 0;
  float Afstand = 0;
};
// The shadow moved onto the nearest such line across and down, each on its
// own; unchanged where none is near enough.
Kader Kleef(const Kader& schaduw, const Kleefpunten& k);

struct Rekking {
  Kader selectie;
  int Handvat = 0;
  float AnkerX = 0, AnkerY = 0;  // stays where it is
  float StartX = 0, StartY = 0;  // the dragged point at the start
  bool AlleenVerticaal = false;
  bool AlleenHorizontaal = false;
  bool Evenredig = false;  // Ctrl on a corner: keep the proportions
  float Verhouding = 0;
  bool Bijsnijden = false;  // the right button on one figure: crop it
  // Cropping: the smallest shadow, one dot of the picture each way in mm.
  float KleinsteBreedte = 0;
  float KleinsteHoogte = 0;
};

// shift: the anchor becomes the box's centre; ctrl: proportional (corners).
Rekking BeginRekken(const Kader& selectie, int handvat, bool shift, bool ctrl, bool bijsnijden);
// Cropping `figuur` by a handle: the dragged edge stops one dot of the
// picture short of the opposite edge (or the centre, with shift), so that
// some of the picture always shows.
Rekking BeginBijsnijden(const Kader& selectie, int handvat, bool shift, bool ctrl, const Voorwerp& figuur);
// The shadow for the pointer at (x, y). While stretching, a pointer past
// the anchor gives a box of the absolute size; a crop never turns over.
Kader Rekken(const Rekking& r, float x, float y);

// An element's new box after a stretch from the selection onto the shadow.
// Text lines get a new font size (floor of size x the vertical factor) and
// the height that size gives; figures being cropped keep their scale and
// show another part of their picture: whole dots, at least one each way,
// within the picture, whatever the shadow.
struct NieuwVak {
  float Links = 0, Boven = 0, Breedte = 0, Hoogte = 0;
  double Lettergrootte = 0;                                      // text lines only, whole points
  qint32 BronX = 0, BronY = 0, BronBreedte = 0, BronHoogte = 0;  // cropping only
};
NieuwVak RekVoorwerp(const Voorwerp& v, const Rekking& r, const Kader& schaduw);

// True when a design file can hold the new box and, for a text line, the
// size fits its 16 bits. A stretch or move that would take one element
// past that is not made, so that the design can always be saved.
bool KanBewaren(const NieuwVak& n, SoortVoorwerp soort);
bool KanBewaren(float links, float boven);

}  // namespace editor
