#pragma once
#include <cmath>
#include <cstdint>
#include "model/Layer.h"

namespace model {

// Millimetres become pixels or printer dots by rounding to the nearest
// integer, halves to the even one (2.5 -> 2, 3.5 -> 4).
inline std::int32_t RondAf(double waarde) { return static_cast<std::int32_t>(std::nearbyint(waarde)); }

}  // namespace model
