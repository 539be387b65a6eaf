#pragma once
#include <QImage>
#include <QRect>
#include <QSize>

#include "model/Omzetting.h"
#include "model/Voorwerp.h"
#include "printing/Layer.h"

namespace printing {

// Turns part `bron` of a grey picture (Grayscale8, see model::NaarGrijs)
// into the dots of a box of `vak` printer dots, one bit (Format_Mono,
// colour 0 white, 1 black), the way `o` says.
//
// Each dot takes the source pixels the plain stretch lays on it. Where
// those are all pure black or pure white the dot is what the plain rule
// makes of them (black when any is black), whatever the way: barcodes,
// text and line art in a picture print as they always did. A grey dot
// beside pure black or white in the picture is thresholded at the middle,
// so edges stay sharp; the other grey dots are dithered, and the error of
// a dot never crosses into pure black or white.
// ZwartWit: every dot below 255 prints, as the one-bit raster does.
QImage Omzetten(const QImage& grijs, QRect bron, QSize vak, const Omzetting& o);

// The grey picture of a figure: its own, or made from its one-bit raster.
QImage GrijsVan(const Beeld& beeld);

// The dots of a figure for a box of `vak` printer dots, made once and kept
// with its picture until another size or way is asked for.
QImage OmgezetteFiguur(const Voorwerp& figuur, QSize vak);

}  // namespace printing
