#pragma once
#include <QImage>
#include <QPicture>
#include <optional>

#include "files/Layer.h"
#include "model/ZwartWit.h"

namespace files {

// A vector picture drawn onto a white bitmap of the given size, its
// bounding rectangle stretched over the whole bitmap, then the figure rule.
// Null when the size is not positive or the bitmap would be too large.
QImage VectorNaarZwartWit(const QPicture& vector, int breedte, int hoogte);

// The bytes of a Windows BMP file of the picture after the figure rule:
// one bit per dot, colour 0 white, colour 1 black. Empty on failure.
QByteArray BmpBytes(const QImage& beeld);

}  // namespace files
