#pragma once
#include <QtGlobal>
#include "model/Layer.h"

namespace model {

// How a figure's picture becomes the printer's dots. ZwartWit is the rule
// every figure always had (anything not exactly white prints); the others
// work from the picture's grey values, at the printer's resolution for the
// figure's printed size. The numbers are those the design file stores.
enum class OmzetSoort : qint16 { ZwartWit = 0, Drempel = 1, FloydSteinberg = 2, Atkinson = 3, Geordend = 4 };
inline constexpr qint16 kHoogsteOmzetSoort = 4;

inline constexpr int kStandaardDrempel = 128;

struct Omzetting {
  OmzetSoort Soort = OmzetSoort::ZwartWit;
  // Drempel only: a dot darker than this (luminance 0-255) prints.
  qint16 Drempel = kStandaardDrempel;

  bool IsStandaard() const { return Soort == OmzetSoort::ZwartWit; }
  bool operator==(const Omzetting&) const = default;
};

}  // namespace model
