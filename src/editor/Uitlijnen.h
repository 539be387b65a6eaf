#pragma once
#include <vector>

#include "editor/Layer.h"
#include "model/EtiketFormaat.h"
#include "model/Ontwerp.h"

namespace editor {

// How elements are lined up: their left edges, horizontal centres or right
// edges on one line; their tops, vertical middles or bottoms; or spread so
// that the gaps between them are equal, across or down.
enum class Uitlijning { Links, Centreren, Rechts, Boven, Midden, Onder, HorizontaalVerdelen, VerticaalVerdelen };

// Lines up the elements of the indexes. Several are lined up on the box
// around them all; a single one on the label (its left edge, centre, ...).
// Spreading needs three or more: the outermost two stay, the others move so
// that the gaps between neighbours are equal. Only the positions change.
void Uitlijnen(Ontwerp& ontwerp, const std::vector<int>& indexen, Uitlijning hoe, const EtiketFormaat& formaat);

}  // namespace editor
