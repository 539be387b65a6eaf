#include "printing/Uitrekken.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <vector>

namespace printing {

namespace {

// Whether any of the bits [a, b) of a row of packed pixels is 1 (or, with
// `nul`, 0), most significant bit first or, with `lsb`, least.
template <bool nul, bool lsb>
bool ErIsEen(const uchar* rij, int a, int b) {
  for (int x = a; x < b;) {
    const uchar byte = nul ? uchar(~rij[x >> 3]) : rij[x >> 3];
    if ((x & 7) == 0 && x + 8 <= b) {
      if (byte) return true;
      x += 8;
      continue;
    }
    if ((byte >> (lsb ? (x & 7) : 7 - (x & 7))) & 1) return true;
    ++x;
  }
  return false;
}

// A one-bit picture with two colours: a target pixel is the AND of the
// colours that occur under it, found from the rows under it combined byte
// by byte (any pixel 1, any pixel 0) rather than pixel by pixel.
template <bool lsb>
void RekEenBit(const QImage& bron, QRect bronRect, const std::vector<std::pair<int, int>>& kol,
               const std::vector<std::pair<int, int>>& rij, QImage& doel) {
  const QRgb kleur0 = bron.color(0) | 0xFF000000u, kleur1 = bron.color(1) | 0xFF000000u;
  const int eersteBit = bronRect.left() + kol.front().first, laatsteBit = bronRect.left() + kol.back().second;
  const int eersteByte = eersteBit >> 3, bytes = ((laatsteBit + 7) >> 3) - eersteByte;
  // Rows combined: bit set in `ergens` where any row has a 1, clear in
  // `overal` where any row has a 0; indexed from eersteByte.
  std::vector<uchar> ergens(static_cast<size_t>(bytes)), overal(static_cast<size_t>(bytes));
  for (size_t y = 0; y < rij.size(); ++y) {
    const auto [ya, yb] = rij[y];
    const uchar* eerste = bron.constScanLine(bronRect.top() + ya) + eersteByte;
    std::copy(eerste, eerste + bytes, ergens.begin());
    std::copy(eerste, eerste + bytes, overal.begin());
    for (int sy = ya + 1; sy < yb; ++sy) {
      const uchar* in = bron.constScanLine(bronRect.top() + sy) + eersteByte;
      for (int i = 0; i < bytes; ++i) {
        ergens[size_t(i)] |= in[i];
        overal[size_t(i)] &= in[i];
      }
    }
    QRgb* uit = reinterpret_cast<QRgb*>(doel.scanLine(int(y)));
    const int verschuiving = bronRect.left() - eersteByte * 8;
    for (size_t x = 0; x < kol.size(); ++x) {
      const int a = kol[x].first + verschuiving, b = kol[x].second + verschuiving;
      QRgb acc = 0xFFFFFFFFu;
      if (ErIsEen<true, lsb>(overal.data(), a, b)) acc &= kleur0;
      if (ErIsEen<false, lsb>(ergens.data(), a, b)) acc &= kleur1;
      uit[x] = acc | 0xFF000000u;
    }
  }
}

// Every byte with its bits in the opposite order.
constexpr std::array<uchar, 256> kOmgekeerd = [] {
  std::array<uchar, 256> t{};
  for (int b = 0; b < 256; ++b)
    for (int k = 0; k < 8; ++k)
      if (b & (1 << k)) t[size_t(b)] |= uchar(0x80 >> k);
  return t;
}();

}  // namespace

std::vector<std::pair<int, int>> Spannen(int bronMaat, int doelMaat, int van, int tot) {
  std::vector<std::pair<int, int>> s;
  s.reserve(size_t(tot - van + 1));
  for (int i = van; i <= tot; ++i) {
    int a = int(qint64(i) * bronMaat / doelMaat);
    int b = int(qint64(i + 1) * bronMaat / doelMaat);
    if (b <= a) b = a + 1;
    s.emplace_back(a, b);
  }
  return s;
}

QImage RekUit(const QImage& bron, QRect bronRect, int breedte, int hoogte) {
  return RekUitDeel(bron, bronRect, breedte, hoogte, QRect(0, 0, breedte, hoogte));
}

QImage RekUitDeel(const QImage& bron, QRect bronRect, int breedte, int hoogte, QRect deel) {
  if (breedte <= 0 || hoogte <= 0) return {};
  deel &= QRect(0, 0, breedte, hoogte);
  if (deel.isEmpty()) return {};
  QImage doel(deel.size(), QImage::Format_RGB32);
  doel.fill(Qt::white);
  bronRect = bronRect.intersected(bron.rect());
  if (bronRect.isEmpty()) return doel;
  const auto kol = Spannen(bronRect.width(), breedte, deel.left(), deel.right());
  const auto rij = Spannen(bronRect.height(), hoogte, deel.top(), deel.bottom());
  if (bron.colorCount() == 2 && bron.format() == QImage::Format_Mono) {
    RekEenBit<false>(bron, bronRect, kol, rij, doel);
    return doel;
  }
  if (bron.colorCount() == 2 && bron.format() == QImage::Format_MonoLSB) {
    RekEenBit<true>(bron, bronRect, kol, rij, doel);
    return doel;
  }
  // Any other picture as RGB32, of the source pixels under the part only.
  const QRect nodig(bronRect.left() + kol.front().first, bronRect.top() + rij.front().first,
                    kol.back().second - kol.front().first, rij.back().second - rij.front().first);
  const bool direct = bron.format() == QImage::Format_RGB32 || bron.format() == QImage::Format_ARGB32;
  const QImage src = direct ? bron : bron.copy(nodig).convertToFormat(QImage::Format_RGB32);
  const QPoint oorsprong = direct ? bronRect.topLeft() : bronRect.topLeft() - nodig.topLeft();
  for (size_t y = 0; y < rij.size(); ++y) {
    QRgb* uit = reinterpret_cast<QRgb*>(doel.scanLine(int(y)));
    std::fill(uit, uit + kol.size(), 0xFFFFFFFFu);
    for (int sy = rij[y].first; sy < rij[y].second; ++sy) {
      const QRgb* in = reinterpret_cast<const QRgb*>(src.constScanLine(oorsprong.y() + sy)) + oorsprong.x();
      for (size_t x = 0; x < kol.size(); ++x)
        for (int sx = kol[x].first; sx < kol[x].second; ++sx) uit[x] &= in[sx];
    }
    for (size_t x = 0; x < kol.size(); ++x) uit[x] |= 0xFF000000u;
  }
  return doel;
}

bool RekZwartIn(QImage& doel, const QRect& doelRect, const QRegion& gebied, const QImage& bron, QRect bronRect) {
  const bool lsb = bron.format() == QImage::Format_MonoLSB;
  if ((bron.format() != QImage::Format_Mono && !lsb) || bron.colorCount() != 2 ||
      (bron.color(0) | 0xFF000000u) != 0xFFFFFFFFu || doel.format() != QImage::Format_RGB32 || doelRect.isEmpty())
    return false;
  bronRect = bronRect.intersected(bron.rect());
  if (bronRect.isEmpty()) return true;  // all white
  const QRgb zwart = bron.color(1) | 0xFF000000u;
  const int breedte = doelRect.width(), hoogte = doelRect.height();
  // Column for column, as a picture printed at its own resolution is.
  const bool eenOpEen = bronRect.width() == breedte;
  std::vector<uchar> ergens;
  std::vector<int> eersteKol, laatsteKol;
  const QRegion binnen = gebied & doelRect & doel.rect();
  for (const QRect& stuk : binnen) {
    const QRect deel = stuk.translated(-doelRect.topLeft());
    const auto kol = Spannen(bronRect.width(), breedte, deel.left(), deel.right());
    const auto rij = Spannen(bronRect.height(), hoogte, deel.top(), deel.bottom());
    // Source columns [s0, s1) lie under the part; for each, the target
    // columns whose span holds it (several when enlarging).
    const int s0 = kol.front().first, s1 = kol.back().second;
    eersteKol.assign(eenOpEen ? 0 : size_t(s1 - s0), -1);
    laatsteKol.assign(eenOpEen ? 0 : size_t(s1 - s0), -1);
    for (size_t x = 0; !eenOpEen && x < kol.size(); ++x)
      for (int s = kol[x].first; s < kol[x].second; ++s) {
        if (eersteKol[size_t(s - s0)] < 0) eersteKol[size_t(s - s0)] = deel.left() + int(x);
        laatsteKol[size_t(s - s0)] = deel.left() + int(x);
      }
    const int bit0 = bronRect.left() + s0, bit1 = bronRect.left() + s1;
    const int byte0 = bit0 >> 3, bytes = ((bit1 + 7) >> 3) - byte0;
    ergens.resize(size_t(bytes));
    for (size_t y = 0; y < rij.size(); ++y) {
      // The rows under this target row combined: a bit is set where any of them is black.
      const auto [ya, yb] = rij[y];
      const uchar* regel = bron.constScanLine(bronRect.top() + ya) + byte0;
      if (yb - ya > 1) {
        std::copy(regel, regel + bytes, ergens.begin());
        for (int sy = ya + 1; sy < yb; ++sy) {
          const uchar* in = bron.constScanLine(bronRect.top() + sy) + byte0;
          for (int i = 0; i < bytes; ++i) ergens[size_t(i)] |= in[i];
        }
        regel = ergens.data();
      }
      QRgb* uit = reinterpret_cast<QRgb*>(doel.scanLine(doelRect.top() + deel.top() + int(y))) + doelRect.left();
      // Shrunk, several black pixels fall on one target pixel: it is done
      // once (the columns come in order).
      int gedaan = -1;
      for (int i = 0; i < bytes; ++i) {
        // Runs of white pass eight bytes at a time.
        quint64 acht = 0;
        while (i + 8 <= bytes && (std::memcpy(&acht, regel + i, 8), acht == 0)) i += 8;
        if (i >= bytes || !regel[i]) continue;
        // Source column of the byte's first pixel, relative to the source rectangle.
        const int basis = (byte0 + i) * 8 - bronRect.left();
        // Only the black pixels, first pixel in the lowest bit.
        for (unsigned m = lsb ? regel[i] : kOmgekeerd[regel[i]]; m; m &= m - 1) {
          const int s = basis + std::countr_zero(m);
          if (s < s0 || s >= s1) continue;
          if (eenOpEen) {
            uit[s] &= zwart;  // the same column in the target
          } else {
            const int laatste = laatsteKol[size_t(s - s0)];
            for (int x = std::max(eersteKol[size_t(s - s0)], gedaan + 1); x <= laatste; ++x) uit[x] &= zwart;
            gedaan = std::max(gedaan, laatste);
          }
        }
      }
    }
  }
  return true;
}

}  // namespace printing
