#pragma once
#include <QImage>
#include <QString>
#include <QtGlobal>

#include "figures/Layer.h"
#include "model/EtiketFormaat.h"
#include "model/Ontwerp.h"
#include "model/SchermSchaal.h"

namespace figures {

// The largest picture a figure is made from, in dots. The design file
// reader refuses larger pictures, so every figure added can be saved and
// read back; it also keeps a decoded colour picture within the picture
// loader's memory limit.
constexpr qint64 kMaxFiguurPunten = qint64(32) * 1024 * 1024;
constexpr int kMaxFiguurZijde = 32767;

// True when a picture of this size may become a figure.
bool PastAlsFiguur(qint64 breedte, qint64 hoogte);
// Why a picture of this size cannot become a figure.
QString TeGrootMelding(qint64 breedte, qint64 hoogte, qint64 grens = kMaxFiguurPunten);

// The figure's own bitmap from a picture as the picture holder shows it:
// the picture is laid over the holder's background colour, then every dot
// of exactly that colour becomes white and every other dot black. One bit
// per dot, colour 0 white, colour 1 black. Null for a null picture or one
// that PastAlsFiguur refuses.
QImage MaakFiguurBitmap(const QImage& plaatje, QRgb achtergrond = qRgb(255, 255, 255));

// Fits figure `index` into b x h mm keeping the picture's proportions: the
// smaller of b / width and h / height (in dots) scales both sides. Only
// the element's width and height change; placing it is the caller's.
void SchaalFiguur(Ontwerp& ontwerp, int index, float b, float h);

// Adds a picture as a new figure and returns its index. With text lines on
// the label the figure gets at most its screen size (one dot per screen
// pixel of the screen scale s) and a third of the visible picture each
// way, at the picture's top-left corner; on a label without text lines it
// fills 90 % of the label in one direction, centred. Selecting it is the
// window's. A picture MaakFiguurBitmap refuses adds nothing and gives 0.
// The figure keeps the picture's grey values when it has any, and is
// turned into dots the way `omzetting` says.
int FiguurToevoegen(Ontwerp& ontwerp, const EtiketFormaat& formaat, const SchermSchaal& s, const QImage& plaatje,
                    QRgb achtergrond = qRgb(255, 255, 255), const Omzetting& omzetting = {});

}  // namespace figures
