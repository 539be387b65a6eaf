#pragma once
#include <QPainterPath>
#include <QPointF>
#include <QTransform>
#include <QtGlobal>
#include <limits>
#include <vector>
#include "roundtext/Layer.h"

namespace roundtext {

// Filling an outline the way Qt's raster engine fills it without
// antialiasing (QPainter::drawPath with a solid brush, no pen, on an image
// of 8 bits or more), dot for dot, but straight into a one-bit picture and
// at a fraction of the cost: a round text of thousands of characters is
// filled character by character, each with its own turn.
//
// The engine (Qt 6's outline mapper and aliased rasterizer) first flattens
// every curve of the outline, in the outline's own coordinates, into lines
// (a curve is halved until its control points lie within a quarter dot,
// divided by the transform's scale, of its chord); then it maps the points
// through the transform and rounds them to 1/64 dot; then it fills, row by
// row, the dots whose centres lie inside by the outline's fill rule,
// working out where each line crosses a row in 16.16 fixed point. These
// steps are repeated here with the same arithmetic. The flattening, which
// is the costly part, depends on the outline and the threshold only, so it
// is done once per outline.
//
// What is not repeated here: a transform with perspective, outlines beyond
// the engine's range of 32767 dots, and lines the engine would cut at the
// left or right edge of its device; Vul says so, and the caller fills with
// the engine itself. The tests compare the dots with the engine's own for
// every character of several fonts and sizes, turned and shifted as round
// text turns and shifts them, and for both fill rules
// (tests/roundtext/VullingTest.cpp): a Qt that fills otherwise fails them.

// The outline flattened for one threshold: its points in the outline's own
// coordinates, and the index of the last point of each closed contour.
struct VlakkeOmtrek {
  std::vector<QPointF> punten;
  std::vector<int> eindes;
  bool winding = true;  // the fill rule: winding, else odd-even
  double drempel = 0;   // the threshold it was flattened for
  // How far, relatively, the threshold may move before one of the
  // flattening's decisions changes: any threshold within drempel * (1 +-
  // marge) gives the very same points.
  double marge = 0;

  bool Past(double anderDrempel) const;
};

// The outline flattened as the engine flattens it for the given threshold.
VlakkeOmtrek VlakMaken(const QPainterPath& omtrek, double drempel);

// The flattening threshold the engine uses under transform t: a quarter
// dot divided by the transform's scale.
double Vlakdrempel(const QTransform& t);

// One run of filled dots: row y, columns [x0, x1).
struct Vulstuk {
  int y, x0, x1;
};

// Fills the flattened outline under transform t on a device of `breedte`
// by `hoogte` dots, as the engine would: the runs of rows `van` to `tot`
// come in `stukken` (cleared first), row by row, within the device. False
// when the engine would handle this outline otherwise (see above): then
// nothing is known. Keeps its working memory between calls; one per
// thread.
class Vuller {
 public:
  bool Vul(const VlakkeOmtrek& omtrek, const QTransform& t, int breedte, int hoogte, std::vector<Vulstuk>& stukken,
           int van = 0, int tot = std::numeric_limits<int>::max());

 private:
  struct Punt {
    qint64 x, y;  // 26.6 fixed point
  };
  struct Lijn {
    qint64 x, delta;  // 16.16 fixed point
    int boven, onder, winding;
  };
  std::vector<Punt> punten_;
  std::vector<Lijn> lijnen_;
  std::vector<Lijn*> volgorde_, actief_;
  std::vector<int> perRij_;
};

}  // namespace roundtext
