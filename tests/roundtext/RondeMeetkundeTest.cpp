#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

#include "roundtext/RondeMeetkunde.h"

using namespace roundtext;

namespace {

// A 12-point font's cell: 51 dots, 7 internal leading; at 20 mm the working
// circle is r = 240 + 7 - 51 = 196 dots and the inner radius 20 - 51 / 12 mm.
const LetterMaten kMaten{51, 7, 0};

RondeZetting Zet(bool wijzerzin, qint16 modus, float hoek, const std::vector<double>& adv,
                 const LetterMaten& m = kMaten, float straal = 20, const MeetAdvance& meet = {}) {
  return ZetRondeTekst({straal, wijzerzin, modus, hoek}, m, adv, meet);
}

double Rad(double graden) { return graden / 180 * 3.1415926; }

}  // namespace

TEST(RondeMeetkunde, ShortClockwiseTextCentredAtTheTopHasASymmetricBoxUpToTheRadius) {
  const RondKader k = Zet(true, 2, 0, {30, 30, 30, 30}).Kader;  // 120 dots: 0.612 rad
  EXPECT_DOUBLE_EQ(k.MinY, -20.0);  // the arc runs over the top
  EXPECT_NEAR(k.MinX, -k.MaxX, 1e-9);
  EXPECT_NEAR(k.MaxX, 20 * std::sin(60.0 / 196), 1e-9);
  EXPECT_NEAR(k.MaxY, -15.75 * std::cos(60.0 / 196), 1e-9);  // inner radius at the ends
  EXPECT_EQ(k.MiddenY, 240);
  EXPECT_EQ(k.Hoogte, std::lround((20 - 15.75 * std::cos(60.0 / 196)) * 12));
  EXPECT_LE(std::abs(k.Breedte - 2 * k.MiddenX), 1);
}

TEST(RondeMeetkunde, ArcInTheRightHalfIsBoundedByItsOwnEndPoints) {
  // Counter-clockwise from 300 degrees for about 30: toward the top, reaching
  // neither the top, the right nor the bottom. With a line gap of 2 dots:
  // r = 240 + 5 - 51 = 194, inner radius 20 - (51 - 2) / 12 mm.
  const RondKader k = Zet(false, 0, 300, {25, 25, 25, 25}, LetterMaten{51, 5, 2}).Kader;
  const double binnen = 20 - 49.0 / 12, eind = Rad(300) + 100.0 / 194;
  EXPECT_NEAR(k.MaxY, -binnen * std::cos(Rad(300)), 1e-6);  // above the centre
  EXPECT_NEAR(k.MinY, -20 * std::cos(eind), 1e-6);
  EXPECT_NEAR(k.MaxX, -20 * std::sin(Rad(300)), 1e-6);
  EXPECT_NEAR(k.MinX, -binnen * std::sin(eind), 1e-6);
  EXPECT_LT(k.MiddenX, 0);  // the centre lies left of the picture
  EXPECT_EQ(k.Hoogte, std::lround((k.MaxY - k.MinY) * 12));
}

TEST(RondeMeetkunde, ArcOverTopLeftAndBottomReachesTheCircleThere) {
  // From 300 degrees counter-clockwise, both ends in the right half: over the
  // top (360), the left (450) and the bottom (540).
  for (double span : {330.0, 320.0}) {
    SCOPED_TRACE(span);
    const RondKader k = Zet(false, 0, 300, {Rad(span) * 196}).Kader;
    EXPECT_FALSE(k.VolleCirkel);
    EXPECT_DOUBLE_EQ(k.MinY, -20.0);
    EXPECT_DOUBLE_EQ(k.MinX, -20.0);
    EXPECT_DOUBLE_EQ(k.MaxY, 20.0);
    EXPECT_EQ(k.Hoogte, 480);
    EXPECT_EQ(k.MiddenX, 240);
  }
  // 320 degrees stops 10 short of the right.
  EXPECT_NEAR(Zet(false, 0, 300, {Rad(320) * 196}).Kader.MaxX, 20 * std::cos(Rad(10)), 1e-6);
}

TEST(RondeMeetkunde, TextOnceRoundOrMoreGivesTheWholeCircleWithTheCentreInTheMiddle) {
  const LetterMaten klein{10, 2, 0};
  // Halves go to the even neighbour, for the side and for the centre.
  const struct {
    float straal;
    qint32 zijde, midden;
  } gevallen[] = {{1.875f, 45, 22}, {1.125f, 27, 14}, {1.0625f, 26, 13}, {1.1875f, 28, 14}};
  for (const auto& g : gevallen) {
    SCOPED_TRACE(g.straal);
    const RondKader k = Zet(true, 2, 45, {Werkstraal(g.straal, klein) * 7}, klein, g.straal).Kader;
    EXPECT_TRUE(k.VolleCirkel);
    EXPECT_EQ(k.Breedte, g.zijde);
    EXPECT_EQ(k.Hoogte, g.zijde);
    EXPECT_EQ(k.MiddenX, g.midden);
    EXPECT_EQ(k.MiddenY, g.midden);
  }
  EXPECT_TRUE(Zet(false, 0, 0, {VolleCirkel * 196}).Kader.VolleCirkel);  // exactly one turn
  EXPECT_FALSE(Zet(false, 0, 0, {6.2 * 196}).Kader.VolleCirkel);
}

TEST(RondeMeetkunde, CellsStandOutsideClockwiseAndHangInsideCounterClockwise) {
  // Clockwise at the top: upright, the cell's top R * 12 + IL above the centre.
  const RondeZetting boven = Zet(true, 2, 0, {30});
  EXPECT_EQ(boven.Plekken[0].Escapement, 0);
  EXPECT_EQ(boven.Plekken[0].X, boven.Kader.MiddenX - 15);
  EXPECT_EQ(boven.Plekken[0].Y, boven.Kader.MiddenY - 247);
  // Clockwise at the left: a quarter turn, reading upward.
  const RondeZetting links = Zet(true, 2, 90, {30});
  EXPECT_EQ(links.Plekken[0].Escapement, 900);
  EXPECT_EQ(links.Plekken[0].X, links.Kader.MiddenX - 247);
  EXPECT_EQ(links.Plekken[0].Y, links.Kader.MiddenY + 15);
  // Counter-clockwise at the bottom: upright again, the cell from 12 R - H to 12 R.
  const RondeZetting onder = Zet(false, 2, 180, {30});
  EXPECT_EQ(onder.Plekken[0].Escapement % 3600, 0);
  EXPECT_EQ(onder.Plekken[0].Y, onder.Kader.MiddenY + 240 - 51);
  const RondeZetting twee = Zet(false, 2, 180, {30, 30});
  EXPECT_LT(twee.Plekken[0].X, twee.Plekken[1].X);  // reading left to right
  // Clockwise the angles fall; in mode 1 the text ends at the reference angle.
  const RondeZetting eind = Zet(true, 1, 90, {20, 40});
  EXPECT_GT(eind.Plekken[0].Hoek, eind.Plekken[1].Hoek);
  EXPECT_NEAR(eind.Start + eind.Boog, Rad(90), 1e-12);
}

TEST(RondeMeetkunde, SecondPassOnlyWhenTurnedFontsMeasureDifferently) {
  std::vector<qint32> eersteGemeten;  // the font the first character is measured with
  auto meet = [&](double gedraaid) {
    return MeetAdvance([&eersteGemeten, gedraaid](int i, qint32 e) {
      if (i == 0) eersteGemeten.push_back(e);
      return e == 0 ? 30.0 : gedraaid;
    });
  };
  EXPECT_EQ(Zet(true, 2, 45, {30, 30, 30}, kMaten, 20, meet(30)).Passen, 1);
  EXPECT_EQ(eersteGemeten, std::vector<qint32>{0});

  eersteGemeten.clear();
  const RondeZetting twee = Zet(true, 2, 45, {30, 30, 30}, kMaten, 20, meet(31));
  EXPECT_EQ(twee.Passen, 2);
  EXPECT_NEAR(twee.Boog, -92.0 / 196, 1e-12);  // laid out with the measured total
  EXPECT_EQ(eersteGemeten, (std::vector<qint32>{0, 0}));

  int teller = 0;  // never settling still stops after two passes
  const MeetAdvance onrustig = [&](int, qint32) { return 30.0 + (++teller); };
  EXPECT_EQ(Zet(true, 2, 45, {30, 30, 30}, kMaten, 20, onrustig).Passen, 2);
}

TEST(RondeMeetkunde, TheArcAloneIsTheLayoutsArcAndBoxToTheLastBit) {
  std::vector<double> adv;
  for (int i = 0; i < 5000; ++i) adv.push_back(17 + (i * 7) % 23);
  for (bool wijzerzin : {true, false})
    for (qint16 modus : {0, 1, 2})
      for (float hoek : {0.0f, 37.5f, 90.0f, 359.9f})
        for (size_t n : {size_t(1), size_t(12), adv.size()}) {
          const std::vector<double> deel(adv.begin(), adv.begin() + long(n));
          const RondeOpmaak opmaak{float(8 + n % 30), wijzerzin, modus, hoek};
          const RondeZetting heel = ZetRondeTekst(opmaak, kMaten, deel);
          const RondeZetting boog = ZetRondeBoog(opmaak, kMaten, deel);
          EXPECT_TRUE(boog.Plekken.empty());
          EXPECT_EQ(boog.Passen, heel.Passen);
          EXPECT_EQ(boog.Boog, heel.Boog);
          EXPECT_EQ(boog.Start, heel.Start);
          EXPECT_EQ(boog.Kader.MinX, heel.Kader.MinX);
          EXPECT_EQ(boog.Kader.MaxY, heel.Kader.MaxY);
          EXPECT_EQ(std::tuple(boog.Kader.Breedte, boog.Kader.Hoogte, boog.Kader.MiddenX, boog.Kader.MiddenY,
                               boog.Kader.VolleCirkel),
                    std::tuple(heel.Kader.Breedte, heel.Kader.Hoogte, heel.Kader.MiddenX, heel.Kader.MiddenY,
                               heel.Kader.VolleCirkel));
        }
}
