#pragma once
#include <QRect>
#include <QString>
#include <optional>
#include <vector>

#include "model/EtiketFormaat.h"
#include "model/Ontwerp.h"
#include "printing/Layer.h"

class QPainter;

namespace printing {

// Drawing the design onto any surface at a given number of pixels per mm,
// shifted by (dX, dY) mm; the label's top-left corner is pixel (0, 0). The
// screen and the printer both draw through these, so what the user sees is
// what the printer gets. A painter with antialiasing off draws pure black
// and white, as the printer's one-bit canvas needs.
struct Apparaat {
  float PixelsPerMMx = 1;
  float PixelsPerMMy = 1;
  float dX = 0;
  float dY = 0;
  // The printer's dots per mm a barcode is laid out in, every module a whole
  // number of them; the symbol is then scaled onto this device, as the
  // screen shows it. 0: this device is that printer, at PixelsPerMMx dots
  // per mm.
  int PrinterPuntenPerMm = 0;
  // A page of an office printer or a PDF: text goes as text (it can be
  // searched and copied), barcodes as exact rectangles and pictures as
  // their own pixels, with white left out so overlaps still add up.
  bool Vectoren = false;
};

// The text rectangle of element v on the device.
QRect TekstRechthoek(const Voorwerp& v, const EtiketFormaat& f, const Apparaat& a);
// The picture rectangle of element v on the device.
QRect FiguurRechthoek(const Voorwerp& v, const EtiketFormaat& f, const Apparaat& a);
// Where element v draws on the device, as TekenVoorwerpOpDC draws it: a
// text line's text rectangle (its text is clipped to it), the picture
// rectangle of the others.
QRect VoorwerpRechthoek(const Voorwerp& v, const EtiketFormaat& f, const Apparaat& a);

// One text line: one line of text in its font, vertically centred in its
// box, aligned left (0), right (1) or centred (2), clipped to the box.
void TekstOpDC(const Voorwerp& v, const EtiketFormaat& f, QPainter& hdc, const Apparaat& a);
// One figure or round-text picture: its source rectangle stretched onto the
// box and combined with AND, so overlapping figures add up.
void FiguurOpDC(const Voorwerp& v, const EtiketFormaat& f, QPainter& hdc, const Apparaat& a);
// One barcode, its data as the element holds it (for the printer, with the
// copy's numbering codes already replaced; another device shows "[#]" as 1
// and list codes as empty): the symbol with its quiet zones inside the box,
// and below a linear code its human-readable line. Nothing is drawn when the data
// cannot be encoded or the symbol does not fit even with modules of one
// dot; the reason comes back, for the caller to name the element.
std::optional<QString> StreepjescodeOpDC(const Voorwerp& v, const EtiketFormaat& f, QPainter& hdc, const Apparaat& a);
// What StreepjescodeOpDC would refuse to draw at the printer's resolution,
// for a box of `vak` dots: the reason, or nothing.
std::optional<QString> StreepjescodeFout(const Streepjescode& code, QSize vak, int puntenPerMm);
// Every text line of the design, in table order.
void TekenOpDC(const Ontwerp& o, const EtiketFormaat& f, QPainter& hdc, const Apparaat& a);
// One element of any kind; a barcode that cannot be drawn is left out.
void TekenVoorwerpOpDC(const Voorwerp& v, const EtiketFormaat& f, QPainter& hdc, const Apparaat& a);
// The elements of the given indexes, in that order, as TekenVoorwerpOpDC
// draws them; the pictures drawn on demand among them are drawn ahead on
// the processor's other cores.
void TekenVoorwerpenOpDC(const Ontwerp& o, const std::vector<int>& indexen, const EtiketFormaat& f, QPainter& hdc,
                         const Apparaat& a);

}  // namespace printing
