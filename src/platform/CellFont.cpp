#include "platform/CellFont.h"

#include <QFont>
#include <QHash>
#include <QRawFont>
#include <QtEndian>
#include <array>
#include <bitset>
#include <cmath>
#include <map>
#include <tuple>
#include <unordered_map>

namespace platform {
namespace {

// Metrics of one face in font design units, as the Windows text metrics use them.
struct Face {
  QRawFont raw;
  double unitsPerEm = 2048;
  double winAscent = 0;
  double winDescent = 0;
  double externalLeading = 0;  // design units
};

qint16 be16(const QByteArray& t, int offset) {
  if (t.size() < offset + 2) return 0;
  return qFromBigEndian<qint16>(t.constData() + offset);
}
quint16 beU16(const QByteArray& t, int offset) {
  if (t.size() < offset + 2) return 0;
  return qFromBigEndian<quint16>(t.constData() + offset);
}

Face loadFace(const QString& family, bool bold, bool italic) {
  QFont f(family);
  f.setBold(bold);
  f.setItalic(italic);
  f.setHintingPreference(QFont::PreferNoHinting);
  f.setStyleStrategy(QFont::StyleStrategy(QFont::PreferOutline | QFont::NoFontMerging));
  Face face;
  face.raw = QRawFont::fromFont(f);
  if (!face.raw.isValid()) return face;
  face.unitsPerEm = face.raw.unitsPerEm() > 0 ? face.raw.unitsPerEm() : 2048;
  const QByteArray os2 = face.raw.fontTable("OS/2");
  const QByteArray hhea = face.raw.fontTable("hhea");
  const double hheaAscent = be16(hhea, 4), hheaDescent = -be16(hhea, 6), lineGap = be16(hhea, 8);
  if (os2.size() >= 78) {
    face.winAscent = beU16(os2, 74);
    face.winDescent = beU16(os2, 76);
  }
  if (face.winAscent + face.winDescent <= 0) {
    face.winAscent = hheaAscent;
    face.winDescent = hheaDescent;
  }
  if (face.winAscent + face.winDescent <= 0) {
    // No usable tables: fall back on the engine's own metrics at its size.
    const double scale = face.unitsPerEm / face.raw.pixelSize();
    face.winAscent = face.raw.ascent() * scale;
    face.winDescent = face.raw.descent() * scale;
  }
  face.externalLeading =
      std::max(0.0, lineGap - ((face.winAscent + face.winDescent) - (hheaAscent + hheaDescent)));
  return face;
}

const Face& faceFor(const QString& family, bool bold, bool italic) {
  // Per thread: a font engine serves the thread that made it only.
  thread_local std::map<std::tuple<QString, bool, bool>, Face> cache;
  auto key = std::make_tuple(family, bold, italic);
  auto it = cache.find(key);
  if (it == cache.end()) it = cache.emplace(key, loadFace(family, bold, italic)).first;
  return it->second;
}

}  // namespace

struct CellFont::Sized {
  const Face* face = nullptr;
  QRawFont raw;
  double scale = 0;  // pixels per design unit
  struct Outline {
    QPainterPath path;
    QRectF bounds;  // of the control points: the outline never leaves it
    bool empty = true;
  };
  std::unordered_map<quint32, Outline> outlines;       // stays put: the table below points into it
  QHash<char16_t, std::pair<quint32, double>> glyphs;  // character -> glyph, advance
  // The first 256 characters, which nearly every text is made of, without
  // hashing: long lines ask for every character twice.
  std::array<std::pair<quint32, double>, 256> latin{};
  std::bitset<256> latinKnown;
  std::array<const Outline*, 256> latinOutline{};
  // cellPath() by character and underline, with the ascent it was made for.
  std::unordered_map<quint32, std::pair<double, QPainterPath>> cellPaths;

  std::pair<quint32, double> glyph(QChar c) {
    const char16_t u = c.unicode();
    if (u < 256 && latinKnown[u]) return latin[u];
    auto it = glyphs.constFind(u);
    if (it != glyphs.constEnd()) return *it;
    QList<quint32> idx = raw.glyphIndexesForString(QString(c));
    quint32 g = idx.isEmpty() ? 0 : idx.first();
    QList<QPointF> adv = raw.advancesForGlyphIndexes(QList<quint32>{g}, QRawFont::UseDesignMetrics);
    std::pair<quint32, double> r{g, adv.isEmpty() ? 0.0 : adv.first().x()};
    if (u < 256) {
      latin[u] = r;
      latinKnown[u] = true;
    } else {
      glyphs.insert(u, r);
    }
    return r;
  }
  const Outline& outlineFor(quint32 g) {
    auto it = outlines.find(g);
    if (it == outlines.end()) {
      const QPainterPath p = raw.pathForGlyph(g);
      it = outlines.emplace(g, Outline{p, p.controlPointRect(), p.isEmpty()}).first;
    }
    return it->second;
  }
  // The glyph, its advance and its outline of one character.
  const Outline& outlineOf(QChar c, double* advance) {
    const char16_t u = c.unicode();
    if (u < 256 && latinOutline[u]) {
      *advance = latin[u].second;
      return *latinOutline[u];
    }
    const auto [g, adv] = glyph(c);
    *advance = adv;
    const Outline& o = outlineFor(g);
    if (u < 256) latinOutline[u] = &o;
    return o;
  }
  const QPainterPath& pathFor(quint32 g) { return outlineFor(g).path; }
};

CellFont::CellFont(const Key& key, double cellHeight) : cell_(cellHeight), underline_(key.underline) {
  if (cellHeight <= 0) return;
  const Face& face = faceFor(key.family, key.bold, key.italic);
  if (!face.raw.isValid()) return;
  const double em = cellHeight * face.unitsPerEm / (face.winAscent + face.winDescent);
  thread_local std::map<std::tuple<const Face*, qint64>, std::shared_ptr<Sized>> cache;
  auto ck = std::make_tuple(&face, qint64(std::llround(em * 1e6)));
  auto it = cache.find(ck);
  if (it == cache.end()) {
    auto s = std::make_shared<Sized>();
    s->face = &face;
    s->raw = face.raw;
    s->raw.setPixelSize(em);
    s->scale = em / face.unitsPerEm;
    it = cache.emplace(ck, std::move(s)).first;
  }
  sized_ = it->second;
}

double CellFont::pixelSize() const { return sized_ ? sized_->raw.pixelSize() : 0; }
double CellFont::ascent() const {
  return sized_ ? cell_ * sized_->face->winAscent / (sized_->face->winAscent + sized_->face->winDescent) : 0;
}
double CellFont::descent() const { return sized_ ? cell_ - ascent() : 0; }
double CellFont::internalLeading() const { return sized_ ? cell_ - pixelSize() : 0; }
double CellFont::externalLeading() const { return sized_ ? sized_->face->externalLeading * sized_->scale : 0; }
QString CellFont::family() const { return sized_ ? sized_->raw.familyName() : QString(); }

QList<double> CellFont::advances(const QString& text) const {
  QList<double> out;
  out.reserve(text.size());
  for (QChar c : text) out.append(sized_ ? sized_->glyph(c).second : 0.0);
  return out;
}

double CellFont::width(const QString& text) const {
  // The advances summed in order, as advances() gives them.
  double w = 0;
  for (QChar c : text) w += sized_ ? sized_->glyph(c).second : 0.0;
  return w;
}

QPainterPath CellFont::charPath(QChar c) const {
  if (!sized_) return {};
  return sized_->pathFor(sized_->glyph(c).first);
}

QPainterPath CellFont::cellPath(QChar c) const {
  if (!sized_) return {};
  const double a = ascent();
  auto& [voor, pad] = sized_->cellPaths[quint32(c.unicode()) | (underline_ ? 0x10000u : 0u)];
  if (pad.isEmpty() || voor != a) {
    voor = a;
    pad = path(QString(c), QPointF(0, a));
  }
  return pad;
}

QPainterPath CellFont::path(const QString& text, QPointF origin) const {
  QPainterPath out;
  if (!sized_) return out;
  double x = origin.x();
  for (QChar c : text) {
    auto [g, adv] = sized_->glyph(c);
    const QPainterPath& p = sized_->pathFor(g);
    if (!p.isEmpty()) out.addPath(p.translated(x, origin.y()));
    x += adv;
  }
  if (underline_ && x > origin.x()) {
    const double thick = std::max(1.0, sized_->raw.lineThickness());
    const double pos = sized_->raw.underlinePosition();
    out.addRect(QRectF(origin.x(), origin.y() + pos - thick / 2, x - origin.x(), thick));
  }
  out.setFillRule(Qt::WindingFill);
  return out;
}

QGlyphRun CellFont::glyphRun(const QString& text, QPointF origin) const {
  QGlyphRun run;
  if (!sized_) return run;
  QList<quint32> indexes;
  QList<QPointF> positions;
  double x = origin.x();
  for (QChar c : text) {
    auto [g, adv] = sized_->glyph(c);
    indexes.append(g);
    positions.append(QPointF(x, origin.y()));
    x += adv;
  }
  run.setRawFont(sized_->raw);
  run.setGlyphIndexes(indexes);
  run.setPositions(positions);
  return run;
}

QRectF CellFont::underlineRect(const QString& text, QPointF origin) const {
  if (!sized_ || !underline_) return {};
  const double w = width(text);
  if (!(w > 0)) return {};
  const double thick = std::max(1.0, sized_->raw.lineThickness());
  const double pos = sized_->raw.underlinePosition();
  return QRectF(origin.x(), origin.y() + pos - thick / 2, w, thick);
}

QPainterPath CellFont::pathWithin(const QString& text, QPointF origin, const QRectF& window) const {
  QPainterPath out;
  if (!sized_) return out;
  // An outline two pixels or more away from the window covers none of its
  // pixels, not even partly, and adds nothing to the winding inside it: a
  // closed contour wholly to one side adds as much as it takes away.
  const QRectF reach = window.adjusted(-2, -2, 2, 2);
  // The positions are summed exactly as path() sums them, character by
  // character, so the outlines kept land on the same coordinates.
  double x = origin.x();
  for (QChar c : text) {
    double adv = 0;
    const Sized::Outline& o = sized_->outlineOf(c, &adv);
    const QRectF& b = o.bounds;
    // Compared edge by edge: a flat outline still counts.
    if (!o.empty && x + b.left() <= reach.right() && x + b.right() >= reach.left() &&
        origin.y() + b.top() <= reach.bottom() && origin.y() + b.bottom() >= reach.top())
      out.addPath(o.path.translated(x, origin.y()));
    x += adv;
  }
  if (underline_ && x > origin.x()) {
    // The rectangle path() adds; an end far outside the window moves to
    // just outside it, which changes no pixel inside.
    const double thick = std::max(1.0, sized_->raw.lineThickness());
    const double pos = sized_->raw.underlinePosition();
    const QRectF r(origin.x(), origin.y() + pos - thick / 2, x - origin.x(), thick);
    const double left = r.x(), right = r.x() + r.width(), top = r.y(), bottom = r.y() + r.height();
    const double l = std::max(left, reach.left()), rr = std::min(right, reach.right());
    if (l < rr && bottom > reach.top() && top < reach.bottom()) {
      if (l == left && rr == right) {
        out.addRect(r);
      } else {
        out.moveTo(l, top);
        out.lineTo(rr, top);
        out.lineTo(rr, bottom);
        out.lineTo(l, bottom);
        out.lineTo(l, top);
      }
    }
  }
  out.setFillRule(Qt::WindingFill);
  return out;
}

int CellFont::cellForPoints(double pixelsPerMm, double points) {
  return int(std::nearbyint(pixelsPerMm * 25.4 / 72.0 * points));
}

}  // namespace platform
