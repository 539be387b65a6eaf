#pragma once
#include <QString>
#include <optional>

#include "model/Nummering.h"
#include "model/Streepjescode.h"
#include "printing/Layer.h"

namespace model {
class Ontwerp;
}

namespace printing {

// What the barcode dialog and the commands behind it do to the design.

// The description of barcode element `index` as the dialog shows it: for a
// linear code the height is that of the element's box, which stretching
// may have changed since.
Streepjescode StreepjescodeVan(const Ontwerp& ontwerp, int index);

// Why the dialog refuses the data (shown in a "Fout" box), or nothing. Data
// with numbering codes is checked as the first copy the design's numbering
// gives it; letter codes while there is no list yet are not checked, and the
// job checks every copy when it prints.
std::optional<QString> FoutInStreepjescode(const Streepjescode& code, const Nummering& nummering);

// Adds a barcode, centred on the label, in the box its symbol wants at the
// printer's `puntenPerMm` (modules of about a third of a millimetre, or the
// chosen width; a linear code as high as the description says). Returns the
// new element's index. Throws OverloopFout as NieuwVoorwerp does.
int NieuweStreepjescode(Ontwerp& ontwerp, const Streepjescode& code, int puntenPerMm);

// Gives barcode `index` a new description. Its box keeps its place and width;
// a linear code gets the height the description gives.
void WijzigStreepjescode(Ontwerp& ontwerp, int index, const Streepjescode& code);

}  // namespace printing
