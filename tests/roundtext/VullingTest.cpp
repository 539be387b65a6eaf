#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <cmath>
#include <random>
#include <vector>

#include "platform/CellFont.h"
#include "platform/Cp1252.h"
#include "roundtext/Vulling.h"

using namespace roundtext;

namespace {

// The raster engine's own filling, as the round text has always drawn a
// character: on a white grey canvas, without antialiasing, no pen, black.
QImage Engine(const QPainterPath& omtrek, const QTransform& t, QSize maat) {
  QImage doek(maat, QImage::Format_Grayscale8);
  doek.fill(255);
  QPainter p(&doek);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  p.setTransform(t);
  // A copy of its own, as the drawing makes one.
  QPainterPath eigen;
  eigen.setFillRule(omtrek.fillRule());
  eigen.addPath(omtrek);
  p.drawPath(eigen);
  return doek;
}

// The runs as a canvas like the engine's.
QImage Naar(const std::vector<Vulstuk>& stukken, QSize maat) {
  QImage doek(maat, QImage::Format_Grayscale8);
  doek.fill(255);
  for (const Vulstuk& s : stukken) {
    EXPECT_GE(s.y, 0);
    EXPECT_LT(s.y, maat.height());
    EXPECT_GE(s.x0, 0);
    EXPECT_LE(s.x1, maat.width());
    EXPECT_LT(s.x0, s.x1);
    for (int x = std::max(0, s.x0); x < std::min(maat.width(), s.x1); ++x) doek.scanLine(s.y)[x] = 0;
  }
  return doek;
}

struct Uitkomst {
  int gelijk = 0, afgeslagen = 0;
};

// Fills the outline under t both ways; a difference fails the test with
// what it was.
void Vergelijk(const QPainterPath& omtrek, const QTransform& t, QSize maat, Vuller& vuller, Uitkomst& u,
               const char* wat) {
  const VlakkeOmtrek vlak = VlakMaken(omtrek, Vlakdrempel(t));
  std::vector<Vulstuk> stukken;
  if (!vuller.Vul(vlak, t, maat.width(), maat.height(), stukken)) {
    ++u.afgeslagen;
    return;
  }
  const QImage verwacht = Engine(omtrek, t, maat);
  ASSERT_EQ(Naar(stukken, maat), verwacht) << wat << " under " << t.m11() << " " << t.m12() << " " << t.m21() << " "
                                           << t.m22() << " " << t.dx() << " " << t.dy();
  ++u.gelijk;
  // Any stretch of rows gives the same runs as the whole.
  const int van = maat.height() / 3, tot = maat.height() / 2;
  std::vector<Vulstuk> deel;
  ASSERT_TRUE(vuller.Vul(vlak, t, maat.width(), maat.height(), deel, van, tot));
  std::vector<Vulstuk> verwachtDeel;
  for (const Vulstuk& s : stukken)
    if (s.y >= van && s.y <= tot) verwachtDeel.push_back(s);
  ASSERT_EQ(deel.size(), verwachtDeel.size()) << wat;
  for (size_t i = 0; i < deel.size(); ++i) {
    EXPECT_EQ(deel[i].y, verwachtDeel[i].y);
    EXPECT_EQ(deel[i].x0, verwachtDeel[i].x0);
    EXPECT_EQ(deel[i].x1, verwachtDeel[i].x1);
  }
}

// Turned as the round text turns a character: translate, then rotate by
// tenths of a degree; and moved into a patch, as the drawing does.
QTransform Gedraaid(double x, double y, int tiendenGraad, QPointF naarPatch = {}) {
  QTransform t;
  t.translate(x, y);
  t.rotate(-tiendenGraad / 10.0);
  return t * QTransform::fromTranslate(naarPatch.x(), naarPatch.y());
}

}  // namespace

TEST(Vulling, FillsTheDotsTheRasterEngineFillsForEveryCharacterFontSizeAndTurn) {
  QString tekens;
  for (int c = 32; c < 256; ++c) tekens += QChar(c);
  tekens = platform::throughCp1252(tekens + QStringLiteral("\u20ac\u2018\u2022\u2026\u2122"));
  struct Letter {
    const char* familie;
    bool vet, cursief, onderlijnd;
    double cel;
  };
  const Letter letters[] = {{"DejaVu Sans", false, false, false, 42},
                            {"DejaVu Serif", true, true, false, 28},
                            {"Liberation Mono", false, false, true, 51},
                            {"Liberation Sans", true, false, true, 13},
                            {"DejaVu Sans", true, false, false, 150}};
  std::mt19937 toeval(2024);
  Vuller vuller;
  Uitkomst u;
  for (const Letter& l : letters) {
    const platform::CellFont font({QString::fromLatin1(l.familie), l.vet, l.cursief, l.onderlijnd}, l.cel);
    ASSERT_TRUE(font.isValid());
    for (QChar c : tekens) {
      const QPainterPath omtrek = font.cellPath(c);
      if (omtrek.isEmpty()) continue;
      const QRectF grenzen = omtrek.boundingRect();
      // Quarter turns, a whole turn and more, turns of a tenth of a degree
      // either side of them, and any turn.
      std::vector<int> hoeken = {0, 900, 1800, 2700, -900, -1800, 3600, -3600, 1, 899, 1801, -2965919, 1234567};
      for (int k = 0; k < 6; ++k) hoeken.push_back(int(toeval() % 7200) - 3600);
      for (const int hoek : hoeken) {
        // Into a patch around its bounds with a dot to spare, as drawn.
        const QTransform t0 = Gedraaid(1000, 2000, hoek);
        const QRect vak = t0.mapRect(grenzen).toAlignedRect().adjusted(-1, -1, 1, 1);
        const QTransform t = t0 * QTransform::fromTranslate(-vak.x(), -vak.y());
        const QSize maat(vak.width() + 12, vak.height() + 3);
        Vergelijk(omtrek, t, maat, vuller, u, qPrintable(QString(c)));
        // Moved by fractions of a dot, and off the canvas at the top or
        // bottom.
        const double dx = double(toeval() % 1000) / 997, dy = double(toeval() % 1000) / 991;
        Vergelijk(omtrek, t * QTransform::fromTranslate(dx, dy), maat, vuller, u, qPrintable(QString(c)));
        Vergelijk(omtrek, t * QTransform::fromTranslate(dx, -vak.height() / 2.0), maat, vuller, u,
                  qPrintable(QString(c)));
        Vergelijk(omtrek, t * QTransform::fromTranslate(dx, vak.height() / 2.0), maat, vuller, u,
                  qPrintable(QString(c)));
        if (HasFailure()) return;
      }
    }
  }
  // Only outlines the engine would cut at a side are left to it.
  EXPECT_GT(u.gelijk, 50000);
  EXPECT_EQ(u.afgeslagen, 0);
}

TEST(Vulling, FollowsBothFillRulesCrossingContoursAndOutlinesOfLinesOnly) {
  QPainterPath ster;  // crossing itself: a hole by odd-even, none by winding
  ster.moveTo(20, 2);
  for (int i = 1; i <= 5; ++i) {
    const double a = i * 4 * M_PI / 5;
    ster.lineTo(20 + 18 * std::sin(a), 20 - 18 * std::cos(a));
  }
  QPainterPath ringen;  // two rings the same way round and one the other
  ringen.addEllipse(QPointF(20, 20), 15, 12);
  ringen.addEllipse(QPointF(20, 20), 8, 9);
  QPainterPath tegen;
  tegen.addEllipse(QPointF(25, 18), 6, 6);
  ringen.addPath(tegen.toReversed());
  QPainterPath balk;  // an underline alone
  balk.addRect(QRectF(0.3, 30.7, 37.2, 2.4));
  Vuller vuller;
  Uitkomst u;
  for (Qt::FillRule regel : {Qt::OddEvenFill, Qt::WindingFill})
    for (QPainterPath omtrek : {ster, ringen, balk}) {
      omtrek.translate(-20, -20);  // about its middle, which is turned
      omtrek.setFillRule(regel);
      for (int hoek = -3600; hoek <= 3600; hoek += 37)
        for (const QPointF schuif : {QPointF(0, 0), QPointF(0.25, 0.5), QPointF(0.499, 0.501)}) {
          const QTransform t = Gedraaid(32, 32, hoek, schuif);
          Vergelijk(omtrek, t, QSize(64, 64), vuller, u, "vorm");
          if (HasFailure()) return;
        }
    }
  EXPECT_EQ(u.afgeslagen, 0);
}

TEST(Vulling, LeavesOutlinesCutAtTheCanvasSideToTheEngine) {
  const platform::CellFont font({QStringLiteral("DejaVu Sans")}, 51);
  const QPainterPath w = font.cellPath(u'W');
  Vuller vuller;
  std::vector<Vulstuk> stukken;
  const VlakkeOmtrek vlak = VlakMaken(w, 0.25);
  // Hanging over the left or right side: the engine cuts its lines there.
  EXPECT_FALSE(vuller.Vul(vlak, QTransform::fromTranslate(-20, 5), 60, 60, stukken));
  EXPECT_FALSE(vuller.Vul(vlak, QTransform::fromTranslate(40, 5), 60, 60, stukken));
  // Wholly inside, or over the top and bottom only: followed.
  EXPECT_TRUE(vuller.Vul(vlak, QTransform::fromTranslate(5, 5), 60, 60, stukken));
  EXPECT_FALSE(stukken.empty());
  EXPECT_TRUE(vuller.Vul(vlak, QTransform::fromTranslate(5, -30), 60, 60, stukken));
  // Nor one far out of the engine's range, which it cuts first.
  EXPECT_FALSE(vuller.Vul(vlak, QTransform::fromTranslate(5, 40000), 60, 60, stukken));
  // A transform with perspective is not followed at all.
  EXPECT_FALSE(vuller.Vul(vlak, QTransform(1, 0, 0.001, 0, 1, 0, 5, 5, 1), 60, 60, stukken));
}

TEST(Vulling, AFlatteningFitsTheThresholdsThatGiveTheSamePoints) {
  const platform::CellFont font({QStringLiteral("DejaVu Serif")}, 51);
  const QPainterPath s = font.cellPath(u'S');
  const VlakkeOmtrek vlak = VlakMaken(s, 0.25);
  EXPECT_TRUE(vlak.Past(0.25));
  EXPECT_GT(vlak.marge, 0);
  // A threshold a hair off: the same points where it fits.
  for (const double ander : {std::nextafter(0.25, 1.0), std::nextafter(0.25, 0.0), 0.2500000001, 0.26}) {
    const VlakkeOmtrek ook = VlakMaken(s, ander);
    if (vlak.Past(ander)) {
      EXPECT_EQ(ook.punten, vlak.punten) << ander;
    }
  }
  EXPECT_FALSE(vlak.Past(0.5));
  EXPECT_NE(VlakMaken(s, 0.5).punten.size(), vlak.punten.size());
  // The scale of a turn is about 1, of a shift exactly 1.
  EXPECT_EQ(Vlakdrempel(QTransform::fromTranslate(3.5, 2)), 0.25);
  EXPECT_NEAR(Vlakdrempel(QTransform().rotate(33.3)), 0.25, 1e-15);
  EXPECT_DOUBLE_EQ(Vlakdrempel(QTransform::fromScale(2, 2)), 0.125);
}
