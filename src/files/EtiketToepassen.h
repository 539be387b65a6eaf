#pragma once
#include <functional>

#include "files/EtiketBestand.h"
#include "files/Layer.h"

namespace model {
class Ontwerp;
}

namespace files {

// Turns a design file as read into elements of the open design: text lines
// first, then figures, then round texts, each placed with its stored box,
// and the barcodes put in at their stored places among them.
// The design is expected to be empty; maakRondeTekst renders a round text's
// picture from its description.
void PasEtiketToe(const GelezenEtiket& gelezen, Ontwerp& ontwerp,
                  const std::function<void(Ontwerp&, int)>& maakRondeTekst);

}  // namespace files
