#pragma once
#include <QImage>
#include <QRect>

// Stretches part of a picture to a new size the way a black-on-white
// stretch does: enlarging repeats pixels, shrinking combines every source
// pixel that falls on one target pixel with AND, so thin dark lines survive.
// The result is RGB32; a source rectangle outside the picture is clipped.
QImage RekUit(const QImage& bron, QRect bronRect, int breedte, int hoogte);
