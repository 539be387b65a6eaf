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

// The picture's grey values, Grayscale8: each dot laid over the background,
// then its luminance (0.299 R + 0.587 G + 0.114 B, rounded down). A dot of
// exactly the background colour is 255 and every other dot at most 254,
// so the dots below 255 are exactly the black ones of NaarZwartWit. Null
// as NaarZwartWit is.
QImage NaarGrijs(const QImage& beeld, QRgb achtergrond = qRgb(255, 255, 255));

// Whether a grey picture has any value between black (0) and white (255):
// a picture with grey or colour, which the plain rule prints as solid.
bool HeeftGrijstinten(const QImage& grijs);

}  // namespace model
