#include "printing/Printertaal.h"

#include <QBuffer>
#include <algorithm>

namespace printing {

QImage Stroomvel::Afbeelding(QSize minimaal) const {
  int breedte = std::max(1, minimaal.width()), hoogte = std::max(1, minimaal.height());
  for (const Stroomlabel& l : labels) {
    breedte = std::max(breedte, l.H + l.beeld.width());
    hoogte = std::max(hoogte, l.V + l.beeld.height());
  }
  // One bit a dot, as printed: even the largest sheet a stream can place
  // stays a few tens of megabytes.
  QImage uit(breedte, hoogte, QImage::Format_Mono);
  uit.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
  uit.fill(0);
  const qsizetype regel = uit.bytesPerLine();
  for (const Stroomlabel& l : labels) {
    // Dots of overlapping labels add up, as on the printer. A label is a
    // whole number of bytes wide, so every bit of its rows counts.
    const int eerste = l.H / 8, schuif = l.H % 8, bytes = l.beeld.width() / 8;
    for (int r = 0; r < l.beeld.height(); ++r) {
      const uchar* bron = l.beeld.constScanLine(r);
      uchar* doel = uit.scanLine(l.V + r);
      for (int b = 0; b < bytes; ++b) {
        doel[eerste + b] |= uchar(bron[b] >> schuif);
        if (schuif && eerste + b + 1 < regel) doel[eerste + b + 1] |= uchar(bron[b] << (8 - schuif));
      }
    }
  }
  return uit;
}

Stroomlezing Lees(const Printertaal& taal, const QByteArray& stroom) {
  QBuffer buffer;
  buffer.setData(stroom);
  buffer.open(QIODevice::ReadOnly);
  const std::unique_ptr<Stroomlezer> lezer = taal.Lezer(buffer);
  Stroomlezing lezing;
  while (std::optional<Stroomvel> vel = lezer->Volgende()) lezing.vellen.push_back(std::move(*vel));
  lezing.fout = lezer->fout();
  return lezing;
}

}  // namespace printing
