#pragma once
#include <QRect>
#include <QRectF>
#include "model/Layer.h"

namespace model {

// How label millimetres map onto the label picture on screen. The picture's
// own coordinates are millimetres with (0, 0) at its centre, which is also
// the label's centre; the label, enlarged by 10 %, fits in both directions.
struct SchermSchaal {
  float SchaalMmPerTwip = 0;
  qint32 PixelBreedte = 0;
  qint32 PixelHoogte = 0;
  float MmPerPixelX = 0;
  float MmPerPixelY = 0;
  float MargeX = 0;  // picture's left edge to the label's left edge, mm
  float MargeY = 0;
  // The picture's scale in mm.
  float ScaleLeft = 0;
  float ScaleTop = 0;
  float ScaleWidth = 0;
  float ScaleHeight = 0;

  // W, H: the label in mm; pixel size of the picture's inside; outer size
  // of the picture in twips.
  void Bereken(float W, float H, qint32 pixelBreedte, qint32 pixelHoogte, double twipsBreedte,
               double twipsHoogte);

  // A rectangle in picture mm to picture pixels, each value rounded on its
  // own (halves to even), so a right edge may differ by one pixel from the
  // rounded right edge.
  void MmNaarPixels(float mmLinks, float mmBoven, float mmBreedte, float mmHoogte, qint32& pLinks,
                    qint32& pBoven, qint32& pBreedte, qint32& pHoogte) const;
  QRect naarPixels(const QRectF& mm) const;
  // A point in picture pixels to picture mm.
  QPointF naarMm(QPointF pixel) const;
  bool isGeldig() const { return PixelBreedte > 0 && PixelHoogte > 0 && ScaleWidth > 0 && ScaleHeight > 0; }
};

}  // namespace model
