#pragma once
#include <QImage>
#include <QRect>
#include <QRegion>
#include <utility>
#include <vector>
#include "printing/Layer.h"

namespace printing {

// The source span [begin, end) of every target column (or row) from `van`
// to `tot` (inclusive) when bronMaat pixels are stretched onto doelMaat:
// one pixel each when enlarging, all that fall on it when shrinking.
std::vector<std::pair<int, int>> Spannen(int bronMaat, int doelMaat, int van, int tot);

// Stretches part of a picture to a new size the way a black-on-white
// stretch does: enlarging repeats pixels, shrinking combines every source
// pixel that falls on one target pixel with AND, so thin dark lines survive.
// The result is RGB32; a source rectangle outside the picture is clipped.
QImage RekUit(const QImage& bron, QRect bronRect, int breedte, int hoogte);

// Only the part `deel` (target pixels) of what RekUit gives, pixel for pixel
// the same, reading only the source pixels that fall on it: drawing the
// part of a box that shows costs that part, not the whole picture. A
// one-bit picture is read as it is, without converting it.
QImage RekUitDeel(const QImage& bron, QRect bronRect, int breedte, int hoogte, QRect deel);

// ANDs the stretch of a one-bit black-on-white picture (colour 0 white)
// straight into an RGB32 image: the box `doelRect` (image pixels) gets what
// RekUit(bron, bronRect, box size) ANDed onto it gives, inside `gebied`
// only. White changes nothing under AND, so only the target pixels with
// black under them are touched, found a byte of source at a time. False,
// and nothing done, for any other kind of picture or image.
bool RekZwartIn(QImage& doel, const QRect& doelRect, const QRegion& gebied, const QImage& bron, QRect bronRect);

}  // namespace printing
