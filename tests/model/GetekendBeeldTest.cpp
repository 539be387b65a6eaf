#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <vector>

#include "model/GetekendBeeld.h"
#include "support/Getekend.h"

using namespace model;

TEST(GetekendBeeld, ThePictureIsDrawnWhenAskedForAndKeptWithinTheBudget) {
  std::atomic<int> keer{0};
  auto klein = Getekend(3, keer);
  const qint64 voor = BewaardeGetekendeBytes();
  EXPECT_EQ(klein->Raster().pixelIndex(1, 0), 1);
  EXPECT_EQ(klein->Raster().pixelIndex(0, 0), 1);
  EXPECT_EQ(keer, 1) << "asked again, it was still there";
  EXPECT_GT(BewaardeGetekendeBytes(), voor);
  // Pictures of twice the budget together: the oldest go.
  const QSize groot(4096, 1024);  // half a megabyte each
  const int aantal = int(2 * kGetekendeBeeldenBudget / (groot.width() / 8 * groot.height()));
  std::atomic<int> grootKeer{0};
  std::vector<std::shared_ptr<Beeld>> grote;
  for (int i = 0; i < aantal; ++i) {
    grote.push_back(Getekend(i, grootKeer, groot));
    EXPECT_EQ(grote.back()->Raster().size(), groot);
    EXPECT_LE(BewaardeGetekendeBytes(), kGetekendeBeeldenBudget);
  }
  EXPECT_EQ(klein->Raster().pixelIndex(1, 0), 1);
  EXPECT_EQ(keer, 2) << "drawn again after it was let go";
  // A picture that goes takes its kept raster with it.
  const qint64 met = BewaardeGetekendeBytes();
  grote.clear();
  EXPECT_LT(BewaardeGetekendeBytes(), met);
}
