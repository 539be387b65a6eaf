#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>
#include <functional>
#include <optional>

#include "model/EtiketFormaat.h"
#include "printing/Nummering.h"

class Ontwerp;
struct Voorwerp;

// Renders one copy of the label at the printer's resolution and encodes it
// as a label block: position and one binary graphic. The design is only
// read: a copy's numbers go into temporary copies of its elements.
class LabelRaster {
 public:
  // Rebuilds a round text's picture after its text changed.
  using RondeTekstMaker = std::function<void(Voorwerp&)>;

  LabelRaster(const Ontwerp& ontwerp, const EtiketFormaat& formaat, int puntenPerMm, const Nummering& nummering,
              RondeTekstMaker maakRondeTekst);

  // The canvas: floor(W + 0.99) x floor(H + 0.99) mm at the printer's dots,
  // every element drawn for copy number n, shifted by (dX, dY) mm. The
  // image is shared with the next call: copy it to keep it.
  const QImage& Teken(float dX, float dY, int nummer);
  // One whole label block for the label's top-left corner at (links,
  // boven) mm from the printer's origin.
  QByteArray DrukEenExemplaarSATO(float links, float boven, int nummer);

  // The raster of a canvas: exact white -> 0, any other pixel -> 1, rows of
  // Wr / 8 bytes (Wr the width rounded up to 16), Hr rows (a multiple of 8).
  static QByteArray Bits(const QImage& canvas, int* bytesPerRij, int* rijen);
  // Rows to send: blank rows at the bottom dropped, never below 64 rows.
  static int RijenTeVersturen(const QByteArray& bits, int bytesPerRij, int rijen);

  // Why a format cannot go to the printer at this resolution (a label wider
  // than 4095 dots, a graphic taller than the command can say), or nothing.
  static std::optional<QString> Grenzen(const EtiketFormaat& f, int puntenPerMm);

 private:
  const Ontwerp& ontwerp_;
  const EtiketFormaat& formaat_;
  int ppm_;
  const Nummering& nummering_;
  RondeTekstMaker maakRondeTekst_;
  QImage canvas_;
};
