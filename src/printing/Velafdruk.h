#pragma once
#include <QPointF>
#include <QString>
#include <optional>

#include "model/EtiketFormaat.h"
#include "model/Ontwerp.h"
#include "printing/Afdrukjob.h"
#include "printing/Layer.h"
#include "printing/Nummering.h"
#include "printing/Raster.h"

class QPagedPaintDevice;

namespace printing {

// Printing on sheets through an office printer or into a PDF: every copy
// drawn at its place on the sheet with the screen's drawing, at the
// device's own resolution, text kept as text. The copies and the series of
// numbers are those of the label printer's job.
struct Velopdracht {
  EtiketFormaat formaat;
  qint16 aantal = 1;      // copies of every number
  int eersteEtiket = 1;   // where on the first sheet to begin, 1 = top left, in row order
  Reeks reeks;            // the numbers, as the job runs them
  float HorizontalShift = 0;  // the format's print offset, mm
  float VerticalShift = 0;
};

// The place of label `positie` (0-based, row order) on its sheet: the
// top-left corner in mm from the sheet's top-left corner.
QPointF EtiketPlek(const Velopdracht& v, int positie);

// Labels on one sheet.
int EtikettenPerVel(const EtiketFormaat& f);

// The page size and no margins, so that the sheet's corner is the page's.
void ZetVel(QPagedPaintDevice& apparaat, const EtiketFormaat& f);

// Draws the job onto the pages of the device (set up with ZetVel), one
// page per sheet. The progress is called before every number; true stops
// there. The message when a label cannot be drawn (a barcode whose data
// is invalid or that does not fit), or when the device cannot be drawn on.
std::optional<QString> DrukOpVellen(const Ontwerp& ontwerp, const Velopdracht& v, QPagedPaintDevice& apparaat,
                                    RondeTekstMaker maakRondeTekst, const Voortgang& voortgang = {},
                                    qint64* etiketten = nullptr);

// The whole job as a PDF file at `pad`, the page the sheet's size.
std::optional<QString> BewaarAlsPdf(const Ontwerp& ontwerp, const Velopdracht& v, const QString& pad,
                                    RondeTekstMaker maakRondeTekst);

}  // namespace printing
