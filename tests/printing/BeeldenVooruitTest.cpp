#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

#include "model/GetekendBeeld.h"
#include "printing/BeeldenVooruit.h"
#include "support/Getekend.h"

using namespace printing;

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
