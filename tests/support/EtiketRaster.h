#pragma once
#include <QByteArray>
#include <QImage>

#include "model/EtiketFormaat.h"
#include "model/Ontwerp.h"
#include "printing/Nummering.h"
#include "printing/Raster.h"

using namespace printing;

// The plain way to print a label, the reference the job's own drawing is
// held to: renders one copy of the label at the printer's resolution and
// encodes it as a label block (position and one binary graphic). The
// design is only read: a copy's numbers go into temporary copies of its
// elements. Every element is drawn for every copy, in table order. A
// barcode that cannot be drawn throws OnafdrukbaarEtiket.
class EtiketRaster {
 public:
  EtiketRaster(const Ontwerp& ontwerp, const EtiketFormaat& formaat, int puntenPerMm, const Nummering& nummering,
               RondeTekstMaker maakRondeTekst);

  // The canvas: floor(W + 0.99) x floor(H + 0.99) mm at the printer's dots,
  // every element drawn for copy number n, shifted by (dX, dY) mm. The
  // image is shared with the next call: copy it to keep it.
  const QImage& Teken(float dX, float dY, int nummer);
  // One whole label block for the label's top-left corner at (links,
  // boven) mm from the printer's origin.
  QByteArray DrukEenExemplaarSATO(float links, float boven, int nummer);

 private:
  const Ontwerp& ontwerp_;
  // Copies: a format or numbering handed over as a temporary must not
  // leave the raster pointing at nothing.
  EtiketFormaat formaat_;
  int ppm_;
  Nummering nummering_;
  RondeTekstMaker maakRondeTekst_;
  QImage canvas_;
};
