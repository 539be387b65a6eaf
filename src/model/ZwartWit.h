#pragma once
#include <QImage>
#include "model/Layer.h"

namespace model {

// A one-bit picture of the given size, all white (colour 0 white, 1 black):
// the form every figure's bitmap takes.
QImage WitteBitmap(int breedte, int hoogte);

// The picture as a figure holds it: laid over the background colour, every
// dot of exactly that colour becomes white and every other dot black (fully
// transparent dots count as background). Null for a null picture or one too
// large to allocate.
QImage NaarZwartWit(const QImage& beeld, QRgb achtergrond = qRgb(255, 255, 255));

}  // namespace model
