#include "printing/Printertaal.h"

#include <QBuffer>
#include <QIODevice>
#include <algorithm>
#include <utility>

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

bool Bufferlezer::Zorg(qsizetype n) {
  while (buf_.size() - i_ < n) {
    if (i_ > 0) {
      buf_.remove(0, i_);
      eerder_ += i_;
      i_ = 0;
    }
    const QByteArray stuk = bron_.read(std::max<qint64>(n - buf_.size(), qint64(1) << 20));
    if (stuk.isEmpty()) return false;
    buf_.append(stuk);
  }
  return true;
}

Stroomvel& Bufferlezer::Huidig() {
  if (!vel_) vel_.emplace();
  return *vel_;
}

std::optional<Stroomvel> Bufferlezer::Af() { return std::exchange(vel_, std::nullopt); }

std::optional<Stroomvel> Bufferlezer::Fout(const QString& tekst) {
  fout_ = tekst + QStringLiteral(" (byte %1)").arg(eerder_ + i_);
  klaar_ = true;
  return Af();
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
