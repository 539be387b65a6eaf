#pragma once
#include <QImage>

#include "model/Layer.h"
#include "model/Voorwerp.h"

namespace model {

// The pictures drawn again on demand (Beeld::teken) are kept, the most
// recently used first, within kGetekendeBeeldenBudget; Beeld::Raster draws
// one when it is not kept. Any thread may ask for any picture: a picture
// being drawn by one thread is waited for by another that asks for it, so
// each is drawn once. The threads that draw pictures ahead of a drawing
// loop are not the model's business (printing/BeeldenVooruit.h).

// The picture drawn into the kept ones, as Beeld::Raster does, unless a
// thread is drawing it now: then a null image at once instead of waiting.
// For drawing ahead: whoever asks next finds it kept, or drawn meanwhile.
QImage TekenZonderWachten(const Beeld& b);

// The bytes the pictures drawn again hold now, kept for the next time they
// are asked for (at most kGetekendeBeeldenBudget, or the one last drawn).
qint64 BewaardeGetekendeBytes();

}  // namespace model
