#include "model/SchermSchaal.h"

#include "model/Afronden.h"

namespace model {

void SchermSchaal::Bereken(float W, float H, qint32 pixelBreedte, qint32 pixelHoogte, double twipsBreedte,
                           double twipsHoogte) {
  // A picture squeezed to nothing still gets a usable, if tiny, mapping.
  PixelBreedte = pixelBreedte > 0 ? pixelBreedte : 1;
  PixelHoogte = pixelHoogte > 0 ? pixelHoogte : 1;
  const float bw = twipsBreedte > 0 ? float(twipsBreedte) : 15.0f;
  const float bh = twipsHoogte > 0 ? float(twipsHoogte) : 15.0f;
  const float sx = W * 1.1f / bw;
  const float sy = H * 1.1f / bh;
  SchaalMmPerTwip = sx < sy ? sy : sx;
  ScaleHeight = SchaalMmPerTwip * bh;
  ScaleWidth = SchaalMmPerTwip * bw;
  ScaleTop = -ScaleHeight / 2;
  ScaleLeft = -ScaleWidth / 2;
  MargeX = (ScaleWidth - W) / 2;
  MargeY = (ScaleHeight - H) / 2;
  MmPerPixelX = ScaleWidth / float(PixelBreedte);
  MmPerPixelY = ScaleHeight / float(PixelHoogte);
}

void SchermSchaal::MmNaarPixels(float mmLinks, float mmBoven, float mmBreedte, float mmHoogte, qint32& pLinks,
                                qint32& pBoven, qint32& pBreedte, qint32& pHoogte) const {
  pLinks = RondAf((mmLinks - ScaleLeft) / ScaleWidth * PixelBreedte);
  pBoven = RondAf((mmBoven - ScaleTop) / ScaleHeight * PixelHoogte);
  pBreedte = RondAf(mmBreedte / ScaleWidth * PixelBreedte);
  pHoogte = RondAf(mmHoogte / ScaleHeight * PixelHoogte);
}

QRect SchermSchaal::naarPixels(const QRectF& mm) const {
  qint32 l, t, w, h;
  MmNaarPixels(float(mm.left()), float(mm.top()), float(mm.width()), float(mm.height()), l, t, w, h);
  return QRect(l, t, w, h);
}

QPointF SchermSchaal::naarMm(QPointF pixel) const {
  return {ScaleLeft + pixel.x() * MmPerPixelX, ScaleTop + pixel.y() * MmPerPixelY};
}

}  // namespace model
