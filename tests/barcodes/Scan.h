#pragma once
#define ZX_USE_UTF8
#include <ZXing/ReadBarcode.h>

#include <QImage>
#include <cstdint>
#include <string>
#include <vector>

// What a real decoder reads from a one-bit picture: dot 1 is ink, and the
// picture lies on white paper, as a printed label does.
struct Gescand {
  bool gevonden = false;
  std::string tekst;
};

inline Gescand Scan(const QImage& eenBit, ZXing::BarcodeFormat formaat) {
  constexpr int kPapier = 16;
  const int w = eenBit.width() + 2 * kPapier, h = eenBit.height() + 2 * kPapier;
  std::vector<std::uint8_t> grijs(size_t(w) * size_t(h), 255);
  for (int y = 0; y < eenBit.height(); ++y)
    for (int x = 0; x < eenBit.width(); ++x)
      if (eenBit.pixelIndex(x, y) == 1) grijs[size_t(y + kPapier) * w + size_t(x + kPapier)] = 0;
  ZXing::DecodeHints hints;
  hints.setFormats(formaat);
  hints.setTryHarder(true);
  const ZXing::Result r = ZXing::ReadBarcode({grijs.data(), w, h, ZXing::ImageFormat::Lum}, hints);
  return {r.isValid(), r.text()};
}
