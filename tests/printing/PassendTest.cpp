// A text line that fits its box: it shrinks until the text is no wider
// than the box, never below its smallest size, and a line that fits
// already is drawn as it always was.
#include <gtest/gtest.h>

#include <QPainter>

#include "printing/Tekenen.h"

using namespace printing;

namespace {

constexpr float kPpm = 12;

Voorwerp Lijn(const QString& tekst, qint16 punten, float breedte, Passend passend, qint16 uitlijning = 0) {
  Voorwerp v(SoortVoorwerp::Tekstlijn);
  v.tekst().Uitlijning = uitlijning;
  v.tekst().Tekst = tekst;
  v.tekst().Lettertype = QStringLiteral("DejaVu Sans");
  v.tekst().Lettergrootte = punten;
  v.alsTekstlijn()->passend = passend;
  v.Links = -20;
  v.Boven = -6;
  v.Breedte = breedte;
  v.Hoogte = 12;
  return v;
}

QImage Druk(const Voorwerp& v) {
  EtiketFormaat f;
  f.Naam = QStringLiteral("t");
  f.Breedte = 60;
  f.Hoogte = 20;
  QImage beeld(int(f.Breedte * kPpm), int(f.Hoogte * kPpm), QImage::Format_RGB32);
  beeld.fill(Qt::white);
  QPainter p(&beeld);
  TekstOpDC(v, f, p, Apparaat{kPpm, kPpm, 0, 0});
  return beeld;
}

// Leftmost and rightmost columns with ink.
std::pair<int, int> Inkt(const QImage& b) {
  int links = b.width(), rechts = -1;
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x)
      if (b.pixel(x, y) != qRgb(255, 255, 255)) links = std::min(links, x), rechts = std::max(rechts, x);
  return {links, rechts};
}

const QString kLang = QStringLiteral("Kaas Gouda extra belegen 48+ (500 g)");

}  // namespace

TEST(Passend, ALongLineShrinksToTheBoxAndNoFurther) {
  // The box: 10 to 40 mm from the label's left edge, dots 120 to 479;
  // the line centred in it. Cut off, it would reach both edges.
  const auto [links, rechts] = Inkt(Druk(Lijn(kLang, 20, 30, {true, 4}, 2)));
  EXPECT_GT(links, 120);
  EXPECT_LT(rechts, 479);
  // Shrunk just enough: the text spans most of the box.
  EXPECT_GT(rechts - links, 0.85 * 360);
  // Without the option the same line is cut at both edges.
  EXPECT_EQ(Inkt(Druk(Lijn(kLang, 20, 30, {false, 4}, 2))), std::make_pair(120, 479));
}

TEST(Passend, TheSmallestSizeIsTheLineAtThatSize) {
  // Too long even at 19 pt: it is drawn as the same line set at 19 pt.
  EXPECT_EQ(Druk(Lijn(kLang, 20, 30, {true, 19})), Druk(Lijn(kLang, 19, 30, {false, 6})));
  // A line that fits is left as it is.
  EXPECT_EQ(Druk(Lijn(QStringLiteral("Kaas"), 20, 30, {true, 6})), Druk(Lijn(QStringLiteral("Kaas"), 20, 30, {false, 6})));
}
