#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

#include "model/GetekendBeeld.h"
#include "printing/BeeldenVooruit.h"

using namespace model;
using namespace files;
using namespace roundtext;
using namespace barcodes;
using namespace printing;

namespace {

// A picture drawn on demand that counts how often it is drawn and shows
// which one it is in its first pixel.
std::shared_ptr<Beeld> Getekend(int nummer, std::atomic<int>& keer, QSize maat = QSize(64, 64)) {
  auto b = std::make_shared<Beeld>();
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

}  // namespace

TEST(BeeldenVooruit, EveryPictureIsDrawnOnceWhateverThreadComesFirst) {
  for (const int aantal : {3, 20, 500}) {
    std::atomic<int> keer{0};
    std::vector<std::shared_ptr<const Beeld>> beelden;
    std::vector<std::shared_ptr<Beeld>> eigen;
    for (int i = 0; i < aantal; ++i) {
      eigen.push_back(Getekend(i, keer));
      beelden.push_back(eigen.back());
      // Kept pictures among them are left alone.
      if (i % 7 == 3) {
        auto bewaard = std::make_shared<Beeld>();
        bewaard->raster = QImage(2, 2, QImage::Format_Mono);
        beelden.push_back(bewaard);
      }
    }
    {
      BeeldenVooruit vooruit(beelden);
      for (size_t i = 0; i < beelden.size(); ++i) {
        vooruit.Bij(i);
        // The loop's own work between pictures, which lets the threads get ahead.
        if (i % 50 == 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        const QImage r = beelden[i]->Raster();
        ASSERT_FALSE(r.isNull());
        if (!beelden[i]->teken) continue;
        const auto n = size_t(std::find(eigen.begin(), eigen.end(), beelden[i]) - eigen.begin());
        EXPECT_EQ(r.pixelIndex(0, 0), int(n % 2)) << n;
        EXPECT_EQ(r.pixelIndex(1, 0), int((n / 2) % 2)) << n;
      }
    }
    EXPECT_EQ(keer, aantal);
  }
}
