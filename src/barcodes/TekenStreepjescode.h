#pragma once
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

#include "barcodes/Codering.h"
#include "barcodes/Layer.h"
#include "model/Streepjescode.h"

namespace barcodes {

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

// The module widths a symbology is made for, in mm. EAN/UPC: GS1's 80 % to
// 200 % of 0.33 mm; ITF-14 and GS1-128 GS1's smallest up to 1.016 mm; Code
// 128, Code 39 and Interleaved 2 of 5 from 0.19 mm; the two-dimensional codes
// have no bounds of their own. 0: no bound.
struct Modulebereik {
  double KleinsteMm = 0, GrootsteMm = 0;
};
Modulebereik BereikVan(StreepjescodeSoort soort);
// The same in whole printer dots, never below two dots a module: below that
// one dot more or less of ink changes the width of a bar by half. The
// largest is INT_MAX when the symbology has no bound.
int KleinsteModule(StreepjescodeSoort soort, int puntenPerMm);
int GrootsteModule(StreepjescodeSoort soort, int puntenPerMm);

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

// The module a new element starts with at `puntenPerMm`: about a third of a
// millimetre within the symbology's range, or the fixed width.
int BeginModule(const Streepjescode& code, int puntenPerMm);

// The box a new element starts with: modules of BeginModule, quiet zones
// included; for linear codes the height the description gives. An empty
// size for data that cannot be encoded.
QSize GewensteMaat(const Streepjescode& code, int puntenPerMm);

// For EAN/UPC: the element's height (bars and, when shown, the line under
// them) at GS1's nominal bar height for a module of `module` dots, in mm;
// nothing for the other symbologies.
std::optional<float> NominaleHoogte(StreepjescodeSoort soort, bool tekstTonen, int module, int puntenPerMm);

}  // namespace barcodes
