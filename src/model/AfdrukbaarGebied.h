#pragma once
#include "model/EtiketFormaat.h"
#include "model/Layer.h"

namespace model {

// The printable area of a label in label mm: the format's margins,
// widened where the stored print offset pushes the print off the label.
struct AfdrukbaarGebied {
  float Boven = 0;
  float Onder = 0;
  float Links = 0;
  float Rechts = 0;
};

// hs, vs: the format's stored horizontal and vertical print offsets (mm).
AfdrukbaarGebied BerekenAfdrukbaarGebied(const EtiketFormaat& f, float hs, float vs);

}  // namespace model
