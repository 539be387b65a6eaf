#pragma once
#include <algorithm>

#include "model/EtiketFormaat.h"
#include "model/Layer.h"

namespace model {

// Whether a box (mm, from the label's centre) lies wholly on the label: a
// rectangular one inside its edges, a round one with its four corners inside
// the circle (an ellipse when width and height differ). `speling` mm of
// slack lets a box drawn to the edge count as on it.
inline bool LigtOpEtiket(const EtiketFormaat& f, float links, float boven, float breedte, float hoogte,
                         float speling) {
  const float a = f.Breedte / 2 + speling, b = f.Hoogte / 2 + speling;
  const float rechts = links + breedte, onder = boven + hoogte;
  if (f.Vorm != 1) return links >= -a && rechts <= a && boven >= -b && onder <= b;
  if (a <= 0 || b <= 0) return false;
  for (float x : {links, rechts})
    for (float y : {boven, onder})
      if ((x / a) * (x / a) + (y / b) * (y / b) > 1) return false;
  return true;
}

}  // namespace model
