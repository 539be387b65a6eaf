#include "roundtext/Vulling.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace roundtext {

namespace {

// A cubic curve as the engine holds it while flattening.
struct Bezier {
  double x1, y1, x2, y2, x3, y3, x4, y4;
};

// Halves b: the first half into `eerste`, the second into `tweede`, which
// may be b itself. The same sums in the same order as the engine's.
inline void Halveer(const Bezier& b, Bezier* eerste, Bezier* tweede) {
  const Bezier o = b;
  double c = (o.x2 + o.x3) * .5;
  eerste->x2 = (o.x1 + o.x2) * .5;
  tweede->x3 = (o.x3 + o.x4) * .5;
  eerste->x1 = o.x1;
  tweede->x4 = o.x4;
  eerste->x3 = (eerste->x2 + c) * .5;
  tweede->x2 = (tweede->x3 + c) * .5;
  eerste->x4 = tweede->x1 = (eerste->x3 + tweede->x2) * .5;

  c = (o.y2 + o.y3) / 2;
  eerste->y2 = (o.y1 + o.y2) * .5;
  tweede->y3 = (o.y3 + o.y4) * .5;
  eerste->y1 = o.y1;
  tweede->y4 = o.y4;
  eerste->y3 = (eerste->y2 + c) * .5;
  tweede->y2 = (tweede->y3 + c) * .5;
  eerste->y4 = tweede->y1 = (eerste->y3 + tweede->y2) * .5;
}

// Appends the curve's end points of its flattened pieces, first to last:
// a piece is split until its control points lie close enough to its chord
// (or nine halvings deep). `marge` becomes the smallest relative distance
// of any decision from the threshold.
void VoegKrommeToe(const Bezier& kromme, double drempel, std::vector<QPointF>& punten, double& marge) {
  Bezier stapel[10];
  int niveaus[10];
  stapel[0] = kromme;
  niveaus[0] = 9;
  Bezier* b = stapel;
  int* niveau = niveaus;
  while (b >= stapel) {
    const double y4y1 = b->y4 - b->y1;
    const double x4x1 = b->x4 - b->x1;
    double l = std::fabs(x4x1) + std::fabs(y4y1);
    double d;
    if (l > 1.) {
      d = std::fabs((x4x1) * (b->y1 - b->y2) - (y4y1) * (b->x1 - b->x2)) +
          std::fabs((x4x1) * (b->y1 - b->y3) - (y4y1) * (b->x1 - b->x3));
    } else {
      d = std::fabs(b->x1 - b->x2) + std::fabs(b->y1 - b->y2) + std::fabs(b->x1 - b->x3) + std::fabs(b->y1 - b->y3);
      l = 1.;
    }
    if (*niveau != 0) {
      const double grens = drempel * l;
      marge = std::min(marge, grens > 0 ? std::fabs(d - grens) / grens : 0.0);
    }
    if (d < drempel * l || *niveau == 0) {
      punten.push_back(QPointF(b->x4, b->y4));
      --b;
      --niveau;
    } else {
      Halveer(*b, b + 1, b);
      niveau[1] = --niveau[0];
      ++b;
      ++niveau;
    }
  }
}

}  // namespace

bool VlakkeOmtrek::Past(double anderDrempel) const {
  if (anderDrempel == drempel) return true;
  // A decision d < drempel * l keeps its outcome while the product moves by
  // less than its distance; a margin of a millionth of that covers the
  // rounding of the products.
  return std::fabs(anderDrempel - drempel) < drempel * marge * 1e-6;
}

VlakkeOmtrek VlakMaken(const QPainterPath& omtrek, double drempel) {
  VlakkeOmtrek v;
  v.winding = omtrek.fillRule() == Qt::WindingFill;
  v.drempel = drempel;
  v.marge = std::numeric_limits<double>::infinity();
  std::vector<QPointF>& e = v.punten;
  std::vector<bool> begin;  // whether the point starts a contour
  size_t start = 0;
  // A contour that does not end where it began is closed by a line back.
  // The comparison is QPointF's own, with its tolerance, as the engine's.
  const auto sluit = [&] {
    if (!e.empty() && e.back() != e[start]) {
      const QPointF p = e[start];
      e.push_back(p);
      begin.push_back(false);
    }
  };
  const int n = omtrek.elementCount();
  e.reserve(size_t(n) * 2);
  for (int i = 0; i < n; ++i) {
    const QPainterPath::Element el = omtrek.elementAt(i);
    switch (el.type) {
      case QPainterPath::MoveToElement:
        if (i == n - 1) continue;
        sluit();
        start = e.size();
        e.push_back(QPointF(el.x, el.y));
        begin.push_back(true);
        break;
      case QPainterPath::LineToElement:
        e.push_back(QPointF(el.x, el.y));
        begin.push_back(false);
        break;
      case QPainterPath::CurveToElement: {
        if (i + 2 >= n) return {};  // a curve without its control points: never made by a path
        const QPointF van = e.empty() ? QPointF() : e.back();
        const QPainterPath::Element c2 = omtrek.elementAt(i + 1), c3 = omtrek.elementAt(i + 2);
        VoegKrommeToe({van.x(), van.y(), el.x, el.y, c2.x, c2.y, c3.x, c3.y}, drempel, e, v.marge);
        begin.resize(e.size(), false);
        i += 2;
        break;
      }
      default:
        break;
    }
  }
  sluit();
  for (size_t i = 1; i < e.size(); ++i)
    if (begin[i]) v.eindes.push_back(int(i) - 1);
  if (!e.empty()) v.eindes.push_back(int(e.size()) - 1);
  return v;
}

double Vlakdrempel(const QTransform& t) {
  // The engine's scale of a transform: 1 for shifts; the larger of the two
  // scales, or the larger squared length of the matrix's rows or columns,
  // whichever two differ more, under its square root.
  double schaal = 1;
  if (std::fabs(t.m12()) > 1e-12 && t.m21() == -t.m12() && t.m22() == t.m11() && t.m13() == 0 && t.m23() == 0 &&
      t.m33() == 1) {
    // A turn (the transform is one of its kind, not of a scale, whatever
    // it moves), as most are: rows and columns have the same length.
    schaal = std::sqrt(t.m11() * t.m11() + t.m21() * t.m21());
    return schaal == 0 ? 0.25 : 0.25 / schaal;
  }
  const QTransform::TransformationType soort = t.type();
  if (soort <= QTransform::TxTranslate) {
    schaal = 1;
  } else if (soort == QTransform::TxScale) {
    schaal = std::max(std::fabs(t.m11()), std::fabs(t.m22()));
  } else {
    const double x1 = t.m11() * t.m11() + t.m21() * t.m21();
    const double y1 = t.m12() * t.m12() + t.m22() * t.m22();
    const double x2 = t.m11() * t.m11() + t.m12() * t.m12();
    const double y2 = t.m21() * t.m21() + t.m22() * t.m22();
    schaal = std::fabs(x1 - y1) > std::fabs(x2 - y2) ? std::sqrt(std::max(x1, y1)) : std::sqrt(std::max(x2, y2));
  }
  return schaal == 0 ? 0.25 : 0.25 / schaal;
}

bool Vuller::Vul(const VlakkeOmtrek& omtrek, const QTransform& t, int breedte, int hoogte,
                 std::vector<Vulstuk>& stukken, int van, int tot) {
  stukken.clear();
  const QTransform::TransformationType soort = t.type();
  if (soort >= QTransform::TxProject) return false;
  const std::vector<QPointF>& e = omtrek.punten;
  const size_t n = e.size();
  if (n < 3 || omtrek.eindes.empty() || breedte <= 0 || hoogte <= 0) return true;

  // The points on the device, rounded to 1/64 dot; the engine leaves out
  // what a transform of its kind does not have.
  const double m11 = t.m11(), m12 = t.m12(), m21 = t.m21(), m22 = t.m22(), dx = t.dx(), dy = t.dy();
  punten_.resize(n);
  qint64 minY = std::numeric_limits<qint64>::max(), maxY = std::numeric_limits<qint64>::min();
  // The engine cuts an outline that reaches past 32767 dots out of its
  // range first; not followed here.
  bool binnen = true;
  const auto zet = [&](size_t i, double x, double y) {
    binnen = binnen && std::fabs(x) < 30000 && std::fabs(y) < 30000;
    if (!binnen) return;
    punten_[i] = {qint64(qRound(x * 64)), qint64(qRound(y * 64))};
    minY = std::min(minY, punten_[i].y);
    maxY = std::max(maxY, punten_[i].y);
  };
  if (soort == QTransform::TxNone) {
    for (size_t i = 0; i < n; ++i) zet(i, e[i].x(), e[i].y());
  } else if (soort == QTransform::TxTranslate) {
    for (size_t i = 0; i < n; ++i) zet(i, e[i].x() + dx, e[i].y() + dy);
  } else if (soort == QTransform::TxScale) {
    for (size_t i = 0; i < n; ++i) zet(i, m11 * e[i].x() + dx, m22 * e[i].y() + dy);
  } else {
    for (size_t i = 0; i < n; ++i) zet(i, m11 * e[i].x() + m21 * e[i].y() + dx, m22 * e[i].y() + m12 * e[i].x() + dy);
  }
  if (!binnen) return false;
  // The rows whose centres the outline can reach, within the device.
  const int boven = std::max(0, int((minY + 32) >> 6));
  const int onder = std::min(hoogte - 1, int((maxY - 32) >> 6));
  if (boven > onder) return true;
  // The rows asked for.
  van = std::max(van, boven);
  tot = std::min(tot, onder);
  if (van > tot) return true;

  // Each line with the rows it crosses at their centres, and where: x in
  // 16.16 at its first row plus half a dot, and its step per row.
  const qint64 links = 0, rechts = qint64(breedte) << 16;
  lijnen_.clear();
  int eerste = 0;
  for (const int laatste : omtrek.eindes) {
    for (int j = eerste; j < laatste; ++j) {
      Punt a = punten_[size_t(j)], b = punten_[size_t(j) + 1];
      int winding = 1;
      if (a.y > b.y) {
        std::swap(a, b);
        winding = -1;
      }
      const int iBoven = std::max(boven, int((a.y + 32) >> 6));
      const int iOnder = std::min(onder, int((b.y - 32) >> 6));
      // Lines outside the rows asked for change nothing there, cut off at
      // an edge or not.
      if (iBoven > iOnder || iOnder < van || iBoven > tot) continue;
      const qint64 aFP = 65536 / 2 + a.x * (1 << 10);
      if (b.x == a.x) {
        lijnen_.push_back({std::clamp(aFP, links, rechts), 0, std::max(iBoven, van), std::min(iOnder, tot), winding});
        continue;
      }
      const double helling = double(b.x - a.x) / double(b.y - a.y);
      const qint64 hellingFP = qint64(helling * 65536.);
      const qint64 xFP = aFP + ((hellingFP * (qint64(iBoven) * 65536 + 65536 / 2 - a.y * (1 << 10))) >> 16);
      // Where the engine would cut the line at the device's left or right
      // edge, it is not followed here.
      const qint64 laatsteFP = xFP + hellingFP * (iOnder - iBoven);
      if (xFP <= links || laatsteFP <= links || xFP >= rechts || laatsteFP >= rechts) return false;
      // From its first row on, as the engine steps it.
      const int vanaf = std::max(iBoven, van);
      lijnen_.push_back({xFP + hellingFP * (vanaf - iBoven), hellingFP, vanaf, std::min(iOnder, tot), winding});
    }
    eerste = laatste + 1;
  }
  if (lijnen_.empty()) return true;

  // Row by row, the lines that cross it sorted by where, and the runs
  // between them where the winding number counts by the fill rule.
  // The lines by their first row (counted, then placed).
  const int rijen = tot - van + 1;
  perRij_.assign(size_t(rijen) + 1, 0);
  for (const Lijn& l : lijnen_) ++perRij_[size_t(l.boven - van) + 1];
  for (int r = 0; r < rijen; ++r) perRij_[size_t(r) + 1] += perRij_[size_t(r)];
  volgorde_.resize(lijnen_.size());
  for (Lijn& l : lijnen_) volgorde_[size_t(perRij_[size_t(l.boven - van)]++)] = &l;
  // perRij_[r] is now where the lines of row r + 1 begin.
  actief_.clear();
  const int masker = omtrek.winding ? ~0 : 1;
  size_t volgende = 0;
  for (int y = van; y <= tot; ++y) {
    for (const size_t eind = size_t(perRij_[size_t(y - van)]); volgende < eind; ++volgende)
      actief_.push_back(volgorde_[volgende]);
    if (actief_.empty()) {
      if (volgende == lijnen_.size()) break;
      continue;
    }
    // Mostly in order from the row before: sorted by insertion.
    for (size_t k = 1; k < actief_.size(); ++k) {
      Lijn* const l = actief_[k];
      size_t j = k;
      for (; j > 0 && l->x < actief_[j - 1]->x; --j) actief_[j] = actief_[j - 1];
      actief_[j] = l;
    }
    int x = 0, winding = 0;
    size_t blijft = 0;
    for (Lijn* const l : actief_) {
      const int hier = int(l->x >> 16);
      if ((winding & masker) && hier > x) stukken.push_back({y, x, hier});
      x = hier;
      winding += l->winding;
      if (l->onder != y) {
        l->x += l->delta;
        actief_[blijft++] = l;
      }
    }
    actief_.resize(blijft);
  }
  return true;
}

}  // namespace roundtext
