#pragma once
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

#include "barcodes/Codering.h"
#include "model/Streepjescode.h"

// A piece of the human-readable line and the rectangle it is drawn in.
struct TekstDeel {
  QString Tekst;
  QRect Vak;
};

// Where a symbol goes in its box, in printer dots from the box's top-left corner.
struct Indeling {
  int Module = 0;  // dots per module
  // The modules themselves; the quiet zones lie around it, inside the box.
  // For a linear code the height of its bars (guards reach further down).
  QRect Symbool;
  // The human-readable line, and its pieces as they are drawn; empty when
  // there is none.
  QRect TekstVak;
  std::vector<TekstDeel> TekstDelen;
};

// The height of the human-readable line for a module of `module` dots.
int TekstHoogte(int module, int puntenPerMm);

// Lays the symbol out in a box of `vak` dots, centred, quiet zones inside the
// box. `module` is a fixed module width in dots, or kModuleAutomatisch for the
// largest that fits. Nothing, with the reason in `waarom`, if it does not fit.
std::optional<Indeling> Schik(const Modules& modules, bool tekstTonen, int module, QSize vak, int puntenPerMm,
                              QString* waarom = nullptr);

// The box as a one-bit picture (colour 0 white, 1 black) with every module a
// whole number of dots. The human-readable line is left to the caller.
QImage TekenModules(const Modules& modules, const Indeling& indeling, QSize vak);

struct StreepjescodeTekening {
  enum class Uitkomst { Getekend, OngeldigeGegevens, PastNiet };
  Uitkomst uitkomst = Uitkomst::Getekend;
  // Why nothing was drawn. For PastNiet the caller names the element.
  QString Fout;
  QImage Beeld;  // the box, see TekenModules
  Indeling indeling;
  // The whole human-readable line, check digit included; empty when there
  // is none or it is switched off. Drawn as indeling.TekstDelen.
  QString Tekst;
};

// Encodes and draws a barcode whose numbering codes are already replaced,
// for a box of `vak` printer dots at `puntenPerMm` dots per millimetre.
StreepjescodeTekening TekenStreepjescode(const Streepjescode& code, QSize vak, int puntenPerMm);

// The box a new element starts with: modules of about a third of a
// millimetre (or the fixed width), quiet zones included; for linear codes
// the height the description gives. An empty size for data that cannot be encoded.
QSize GewensteMaat(const Streepjescode& code, int puntenPerMm);
