#include <gtest/gtest.h>

#include "platform/CellFont.h"

using platform::CellFont;

namespace {
CellFont dejavu(double cel, bool onderlijnd = false) {
  return CellFont({QStringLiteral("DejaVu Sans"), false, false, onderlijnd}, cel);
}
}  // namespace

TEST(CellFont, CellHeightForPointsRoundsHalvesToEven) {
  EXPECT_EQ(CellFont::cellForPoints(8, 10), 28);   // 28.22
  EXPECT_EQ(CellFont::cellForPoints(12, 10), 42);  // 42.33
  EXPECT_EQ(CellFont::cellForPoints(12, 12), 51);  // 50.8
  // 8 * 25.4 / 72 * 4.5 = 12.7; 1.25 * 25.4 / 72 * 5.669... lands near halves;
  // use an exact half: 72 / 25.4 pixels per mm makes one pixel per point.
  EXPECT_EQ(CellFont::cellForPoints(72 / 25.4, 2.5), 2);
  EXPECT_EQ(CellFont::cellForPoints(72 / 25.4, 3.5), 4);
}

TEST(CellFont, CellIsExactWhereNoWholePixelSizeGivesIt) {
  // DejaVu Sans: 36 px gives a 41 cell and 37 px a 43 cell; 42 needs a fraction.
  const CellFont f = dejavu(42);
  ASSERT_TRUE(f.isValid());
  EXPECT_EQ(f.family(), QStringLiteral("DejaVu Sans"));
  EXPECT_NEAR(f.pixelSize(), 36.08, 0.01);
  EXPECT_DOUBLE_EQ(f.ascent() + f.descent(), 42.0);
  EXPECT_NEAR(f.internalLeading(), 42 - 36.08, 0.01);
  const CellFont klein = dejavu(28);
  EXPECT_NEAR(klein.pixelSize(), 24.05, 0.05);
}

TEST(CellFont, LiberationSansUsesItsOwnMetrics) {
  const CellFont f({QStringLiteral("Liberation Sans"), false, false, false}, 51);
  ASSERT_TRUE(f.isValid());
  EXPECT_EQ(f.family(), QStringLiteral("Liberation Sans"));
  EXPECT_DOUBLE_EQ(f.ascent() + f.descent(), 51.0);
  // Its Windows ascent and descent are 1854 and 434 of 2048 units.
  EXPECT_NEAR(f.pixelSize(), 51 * 2048.0 / (1854 + 434), 0.01);
}

TEST(CellFont, GlyphsStayInsideTheCell) {
  const CellFont f = dejavu(42);
  const QRectF ink = f.path(QStringLiteral("ÉgjÅ|"), QPointF(0, f.ascent())).boundingRect();
  EXPECT_GE(ink.top(), -0.01);
  EXPECT_LE(ink.bottom(), 42.01);
}

TEST(CellFont, WidthIsTheSumOfTheAdvances) {
  const CellFont f = dejavu(28);
  EXPECT_GT(f.width(QStringLiteral("i")), 0);
  EXPECT_DOUBLE_EQ(f.width(QStringLiteral("iii")), 3 * f.width(QStringLiteral("i")));
  EXPECT_EQ(f.advances(QStringLiteral("ab")).size(), 2);
  EXPECT_DOUBLE_EQ(f.width(QString()), 0);
}

TEST(CellFont, UnderlineAddsALineBelowTheBaseline) {
  const CellFont gewoon = dejavu(42), onder = dejavu(42, true);
  const QRectF a = gewoon.path(QStringLiteral("ab"), QPointF(0, 33)).boundingRect();
  const QRectF b = onder.path(QStringLiteral("ab"), QPointF(0, 33)).boundingRect();
  EXPECT_GT(b.bottom(), 33);
  EXPECT_GT(b.bottom(), a.bottom());
  EXPECT_NEAR(b.width(), gewoon.width(QStringLiteral("ab")), 0.5);
}

TEST(CellFont, BoldIsWiderThanRegular) {
  const CellFont vet({QStringLiteral("DejaVu Sans"), true, false, false}, 42);
  EXPECT_GT(vet.width(QStringLiteral("mmmm")), dejavu(42).width(QStringLiteral("mmmm")));
}

TEST(CellFont, ZeroCellOrUnknownFamilyIsHandled) {
  EXPECT_FALSE(dejavu(0).isValid());
  // An unknown family falls back on a font the system has.
  const CellFont f({QStringLiteral("No Such Family 123"), false, false, false}, 30);
  ASSERT_TRUE(f.isValid());
  EXPECT_DOUBLE_EQ(f.ascent() + f.descent(), 30.0);
}

TEST(CellFont, PathWithinHoldsOnlyWhatCanReachTheWindow) {
  const CellFont f = dejavu(42, true);
  const QString tekst(32767, u'a');
  const QPointF begin(-600000, 33);
  const QRectF venster(100, 0, 200, 42);
  const QPainterPath deel = f.pathWithin(tekst, begin, venster);
  const QPainterPath een = f.path(QStringLiteral("a"), QPointF(0, 33));
  // The few characters over the window, each whole, and the underline cut
  // just outside it.
  EXPECT_LE(deel.elementCount(), 20 * een.elementCount());
  EXPECT_GT(deel.elementCount(), een.elementCount());
  const QRectF omvang = deel.controlPointRect();
  EXPECT_GE(omvang.left(), venster.left() - f.width(QStringLiteral("a")) - 2);
  EXPECT_LE(omvang.right(), venster.right() + f.width(QStringLiteral("a")) + 2);
  // Nothing near the window: nothing at all.
  EXPECT_TRUE(f.pathWithin(tekst, begin, QRectF(100, 200, 200, 42)).isEmpty());
}
