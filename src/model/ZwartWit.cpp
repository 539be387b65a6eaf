#include "model/ZwartWit.h"

#include <algorithm>
#include <vector>

namespace model {

namespace {

// What the holder shows of a dot: the dot laid over the background.
QRgb OpAchtergrond(QRgb c, QRgb achtergrond) {
  const int a = qAlpha(c);
  if (a == 255) return c | 0xFF000000u;
  if (a == 0) return achtergrond | 0xFF000000u;
  auto meng = [a](int v, int w) { return (v * a + w * (255 - a) + 127) / 255; };
  return qRgb(meng(qRed(c), qRed(achtergrond)), meng(qGreen(c), qGreen(achtergrond)),
              meng(qBlue(c), qBlue(achtergrond)));
}

bool IsZwart(QRgb c, QRgb achtergrond) {
  return (OpAchtergrond(c, achtergrond) & 0xFFFFFFu) != (achtergrond & 0xFFFFFFu);
}

void ZetZwart(uchar* regel, int x) { regel[x >> 3] |= uchar(0x80 >> (x & 7)); }

void RegelsMetKleurtabel(const QImage& in, QRgb achtergrond, QImage& uit) {
  const QList<QRgb> tabel = in.colorTable();
  // An index without a colour in the table shows as black.
  std::vector<bool> zwart(256, true);
  for (qsizetype i = 0; i < tabel.size() && i < 256; ++i) zwart[size_t(i)] = IsZwart(tabel[i], achtergrond);
  const QImage::Format f = in.format();
  for (int y = 0; y < in.height(); ++y) {
    const uchar* bron = in.constScanLine(y);
    uchar* regel = uit.scanLine(y);
    for (int x = 0; x < in.width(); ++x) {
      int index;
      if (f == QImage::Format_Indexed8) index = bron[x];
      else if (f == QImage::Format_Mono) index = (bron[x >> 3] >> (7 - (x & 7))) & 1;
      else index = (bron[x >> 3] >> (x & 7)) & 1;
      if (zwart[size_t(index)]) ZetZwart(regel, x);
    }
  }
}

void RegelsInKleur(const QImage& in, QRgb achtergrond, QImage& uit) {
  const QImage::Format f = in.format();
  const bool direct = f == QImage::Format_ARGB32 || f == QImage::Format_RGB32;
  // Other formats are converted a band at a time, so a large picture never
  // needs a second full-size copy.
  constexpr int kBand = 256;
  for (int y0 = 0; y0 < in.height(); y0 += kBand) {
    const int rijen = std::min(kBand, in.height() - y0);
    const QImage band = direct ? QImage() : in.copy(0, y0, in.width(), rijen).convertToFormat(QImage::Format_ARGB32);
    if (!direct && band.isNull()) return;
    for (int r = 0; r < rijen; ++r) {
      const QRgb* bron = reinterpret_cast<const QRgb*>(direct ? in.constScanLine(y0 + r) : band.constScanLine(r));
      uchar* regel = uit.scanLine(y0 + r);
      for (int x = 0; x < in.width(); ++x) {
        const QRgb c = f == QImage::Format_RGB32 ? (bron[x] | 0xFF000000u) : bron[x];
        if (IsZwart(c, achtergrond)) ZetZwart(regel, x);
      }
    }
  }
}

// Luminance of a dot already laid over the background.
uchar Luminantie(QRgb c) { return uchar((299 * qRed(c) + 587 * qGreen(c) + 114 * qBlue(c)) / 1000); }

}  // namespace

QImage NaarGrijs(const QImage& beeld, QRgb achtergrond) {
  if (beeld.isNull()) return {};
  QImage uit(beeld.size(), QImage::Format_Grayscale8);
  if (uit.isNull()) return uit;
  const QRgb wit = achtergrond & 0xFFFFFFu;
  // A band at a time, as for the bitmap: no second full-size colour copy.
  constexpr int kBand = 256;
  for (int y0 = 0; y0 < beeld.height(); y0 += kBand) {
    const int rijen = std::min(kBand, beeld.height() - y0);
    const QImage band = beeld.copy(0, y0, beeld.width(), rijen).convertToFormat(QImage::Format_ARGB32);
    if (band.isNull()) return {};
    for (int r = 0; r < rijen; ++r) {
      const QRgb* bron = reinterpret_cast<const QRgb*>(band.constScanLine(r));
      uchar* regel = uit.scanLine(y0 + r);
      for (int x = 0; x < beeld.width(); ++x) {
        const QRgb c = OpAchtergrond(bron[x], achtergrond);
        regel[x] = (c & 0xFFFFFFu) == wit ? uchar(255) : std::min<uchar>(Luminantie(c), 254);
      }
    }
  }
  return uit;
}

bool HeeftGrijstinten(const QImage& grijs) {
  if (grijs.format() != QImage::Format_Grayscale8) return false;
  for (int y = 0; y < grijs.height(); ++y) {
    const uchar* regel = grijs.constScanLine(y);
    for (int x = 0; x < grijs.width(); ++x)
      if (regel[x] != 0 && regel[x] != 255) return true;
  }
  return false;
}

QImage WitteBitmap(int breedte, int hoogte) {
  QImage uit(breedte, hoogte, QImage::Format_Mono);
  if (uit.isNull()) return uit;
  uit.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
  uit.fill(0);
  return uit;
}

QImage NaarZwartWit(const QImage& beeld, QRgb achtergrond) {
  if (beeld.isNull()) return {};
  const QImage::Format f = beeld.format();
  const bool metTabel = f == QImage::Format_Mono || f == QImage::Format_MonoLSB || f == QImage::Format_Indexed8;
  // The common case, a figure's own bitmap, needs no work.
  if (f == QImage::Format_Mono && beeld.colorCount() == 2 && !IsZwart(beeld.color(0), achtergrond) &&
      IsZwart(beeld.color(1), achtergrond)) {
    QImage uit = beeld;
    uit.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    return uit;
  }
  QImage uit = WitteBitmap(beeld.width(), beeld.height());
  if (uit.isNull()) return uit;
  if (metTabel) RegelsMetKleurtabel(beeld, achtergrond, uit);
  else RegelsInKleur(beeld, achtergrond, uit);
  return uit;
}

}  // namespace model
