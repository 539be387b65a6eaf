#include "printing/Uitrekken.h"

#include <vector>

QImage RekUit(const QImage& bron, QRect bronRect, int breedte, int hoogte) {
  if (breedte <= 0 || hoogte <= 0) return {};
  QImage doel(breedte, hoogte, QImage::Format_RGB32);
  doel.fill(Qt::white);
  bronRect = bronRect.intersected(bron.rect());
  if (bronRect.isEmpty()) return doel;
  const QImage src = bron.format() == QImage::Format_RGB32 || bron.format() == QImage::Format_ARGB32
                         ? bron
                         : bron.convertToFormat(QImage::Format_RGB32);
  const int sw = bronRect.width(), sh = bronRect.height();
  // Source span [start, end) of every target column and row.
  auto spans = [](int bronMaat, int doelMaat) {
    std::vector<std::pair<int, int>> s(static_cast<size_t>(doelMaat));
    for (int i = 0; i < doelMaat; ++i) {
      int a = int(qint64(i) * bronMaat / doelMaat);
      int b = int(qint64(i + 1) * bronMaat / doelMaat);
      if (b <= a) b = a + 1;
      s[size_t(i)] = {a, b};
    }
    return s;
  };
  const auto kol = spans(sw, breedte), rij = spans(sh, hoogte);
  for (int y = 0; y < hoogte; ++y) {
    QRgb* uit = reinterpret_cast<QRgb*>(doel.scanLine(y));
    const auto [ya, yb] = rij[size_t(y)];
    for (int x = 0; x < breedte; ++x) {
      const auto [xa, xb] = kol[size_t(x)];
      QRgb acc = 0xFFFFFFFFu;
      for (int sy = ya; sy < yb; ++sy) {
        const QRgb* in = reinterpret_cast<const QRgb*>(src.constScanLine(bronRect.top() + sy)) + bronRect.left();
        for (int sx = xa; sx < xb; ++sx) acc &= in[sx];
      }
      uit[x] = acc | 0xFF000000u;
    }
  }
  return doel;
}
