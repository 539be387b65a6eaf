#pragma once
#include <QImage>
#include <atomic>
#include <memory>

#include "model/GetekendBeeld.h"

// A picture drawn on demand that counts how often it is drawn and shows
// which one it is in its first pixels.
inline std::shared_ptr<model::Beeld> Getekend(int nummer, std::atomic<int>& keer, QSize maat = QSize(64, 64)) {
  auto b = std::make_shared<model::Beeld>();
  b->teken = [nummer, &keer, maat] {
    ++keer;
    QImage beeld(maat, QImage::Format_Mono);
    beeld.fill(0);
    beeld.setPixel(0, 0, uint(nummer % 2));
    beeld.setPixel(1, 0, uint((nummer / 2) % 2));
    return beeld;
  };
  return b;
}
