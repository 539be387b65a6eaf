#include "roundtext/RondeTekst.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <bit>
#include <bitset>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "model/Afronden.h"
#include "platform/Cp1252.h"
#include "roundtext/Vulling.h"

namespace roundtext {

platform::CellFont RondeLetter(const QString& lettertype, qint16 punten, bool vet, bool cursief, bool onderlijnd) {
  return platform::CellFont({lettertype, vet, cursief, onderlijnd}, RondeCelhoogte(punten));
}

LetterMaten MatenVan(const platform::CellFont& font) {
  LetterMaten m;
  if (!font.isValid()) return m;
  m.H = RondAf(font.cellHeight());
  m.IL = RondAf(font.internalLeading());
  m.EL = RondAf(font.externalLeading());
  return m;
}

QString ZonderSlotspaties(const QString& tekst) {
  qsizetype n = tekst.size();
  while (n > 0 && tekst[n - 1] == u' ') --n;
  return tekst.left(n);
}

namespace {

// How far from its flattened outline a character's filled dot may have its
// centre: the engine takes the turned outline's points to 1/64 of a dot
// (at most 1/128 times the square root of 2 off) and finds where a row
// crosses a line to within a few 65536ths of a dot. Any more only costs
// time: the dots just past the letters are seldom all dark.
constexpr double kRuimte = 1.0 / 32;

// Where in its own coordinates a flattened outline can have dots filled:
// for each band of one dot high, from the outline's top down, the least
// and greatest x any of its lines reaches within the band widened by
// kRuimte up and down, widened by kRuimte left and right. A dot whose
// centre, taken back into the outline's coordinates, lies outside its
// band's reach is not filled: the engine fills a dot of a row between two
// crossings of its lines with the row.
struct Reik {
  double boven = 0;
  std::vector<std::pair<double, double>> banden;  // empty: nothing reached

  bool Raakt(double x, double y) const {
    const double k = std::floor(y - boven);
    if (!(k >= 0 && k < double(banden.size()))) return false;
    const auto& [van, tot] = banden[size_t(k)];
    return x >= van && x <= tot;
  }
};

Reik MaakReik(const VlakkeOmtrek& vlak) {
  Reik r;
  const std::vector<QPointF>& p = vlak.punten;
  if (p.empty()) return r;
  double laag = p[0].y(), hoog = p[0].y();
  for (const QPointF& q : p) {
    laag = std::min(laag, q.y());
    hoog = std::max(hoog, q.y());
  }
  r.boven = laag - kRuimte;
  const int aantal = int(std::floor(hoog + kRuimte - r.boven)) + 1;
  r.banden.assign(size_t(aantal), {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()});
  int eerste = 0;
  for (const int laatste : vlak.eindes) {
    for (int j = eerste; j < laatste; ++j) {
      const QPointF a = p[size_t(j)], b = p[size_t(j) + 1];
      const double y0 = std::min(a.y(), b.y()), y1 = std::max(a.y(), b.y());
      // Band k reaches from boven + k - kRuimte to boven + k + 1 + kRuimte.
      const int k0 = std::max(0, int(std::floor(y0 - kRuimte - r.boven)));
      const int k1 = std::min(aantal - 1, int(std::floor(y1 + kRuimte - r.boven)));
      for (int k = k0; k <= k1; ++k) {
        const double van = std::max(y0, r.boven + k - kRuimte), tot = std::min(y1, r.boven + k + 1 + kRuimte);
        double xa, xb;
        if (y1 == y0) {
          xa = a.x();
          xb = b.x();
        } else {
          // The line's x at both ends of its piece within the band.
          const double s = (b.x() - a.x()) / (b.y() - a.y());
          xa = a.x() + (van - a.y()) * s;
          xb = a.x() + (tot - a.y()) * s;
        }
        auto& [lo, hi] = r.banden[size_t(k)];
        lo = std::min({lo, xa, xb});
        hi = std::max({hi, xa, xb});
      }
    }
    eerste = laatste + 1;
  }
  // The rounding of the sums above is far below kRuimte; a hundredth of it
  // more covers it.
  for (auto& [lo, hi] : r.banden) {
    lo -= kRuimte * 1.01;
    hi += kRuimte * 1.01;
  }
  return r;
}

// One outline of a character, as the drawing needs it. Made once per
// outline on each thread and shared by every text that has it; nothing
// here is changed after, so any thread may read it.
struct Vorm {
  QPainterPath omtrek;  // never drawn itself: drawing leaves data behind in a path
  QRectF grenzen;       // its bounds
  VlakkeOmtrek vlak;    // flattened as the raster engine flattens it unturned
  Reik reik;            // where that flattening can have dots filled
};

// Where a character goes, as much as the drawing needs, and which outline
// it has.
struct Plaatsing {
  qint32 X, Y, Escapement;
  int vorm;
};

// The characters of one text: each different outline once, and the places.
struct Plaatsingen {
  std::vector<std::shared_ptr<const Vorm>> vormen;
  std::vector<Plaatsing> plekken;
};

// The outline's own copy with its bounds and flattening, the same object
// for every equal outline asked for on this thread: a design of thousands
// of round texts in a few fonts flattens each character once.
std::shared_ptr<const Vorm> GedeeldeVorm(const QPainterPath& omtrek) {
  const int n = omtrek.elementCount();
  size_t sleutel = size_t(omtrek.fillRule()) * 0x9E3779B97F4A7C15ULL + size_t(n);
  const auto meng = [&sleutel](quint64 w) { sleutel = (sleutel ^ w) * 0x100000001B3ULL + (sleutel >> 29); };
  for (int i = 0; i < n; ++i) {
    const QPainterPath::Element e = omtrek.elementAt(i);
    meng(quint64(e.type));
    meng(std::bit_cast<quint64>(e.x));
    meng(std::bit_cast<quint64>(e.y));
  }
  const auto zelfde = [&](const QPainterPath& ander) {
    if (ander.elementCount() != n || ander.fillRule() != omtrek.fillRule()) return false;
    for (int i = 0; i < n; ++i) {
      const QPainterPath::Element a = omtrek.elementAt(i), b = ander.elementAt(i);
      if (a.type != b.type || std::bit_cast<quint64>(a.x) != std::bit_cast<quint64>(b.x) ||
          std::bit_cast<quint64>(a.y) != std::bit_cast<quint64>(b.y))
        return false;
    }
    return true;
  };
  thread_local std::unordered_map<size_t, std::vector<std::shared_ptr<const Vorm>>> bewaard;
  thread_local size_t aantal = 0;
  auto& emmer = bewaard[sleutel];
  for (const auto& v : emmer)
    if (zelfde(v->omtrek)) return v;
  if (aantal >= 20000) {
    // Many fonts and sizes: start again rather than grow without end.
    bewaard.clear();
    aantal = 0;
    return GedeeldeVorm(omtrek);
  }
  auto v = std::make_shared<Vorm>();
  // A copy of its own, read for its bounds here (which are kept in the
  // path) and never again changed.
  v->omtrek.setFillRule(omtrek.fillRule());
  v->omtrek.addPath(omtrek);
  v->grenzen = v->omtrek.boundingRect();
  v->vlak = VlakMaken(v->omtrek, 0.25);
  v->reik = MaakReik(v->vlak);
  emmer.push_back(v);
  ++aantal;
  return emmer.back();
}

// Eight grey dots, the leftmost in the lowest byte, as one byte of a
// one-bit row: the leftmost dot in the top bit, set where the dot is dark.
inline uchar Donker(quint64 grijs) {
  const quint64 hoog = ~grijs & 0x8080808080808080ULL;  // top bit of each dark byte
  // Reversed, byte i's top bit lands on bit i of the top byte; no carries.
  return uchar((qbswap(hoog) * 0x0002040810204081ULL) >> 56);
}

// Calls `doe(eerste, open)` for a one-bit row's (`lengte` bytes) dots x to
// x1, 64 at a time: `eerste` the dot of the word's top bit, `open` its white
// dots among them, the leftmost in the top bit. Stops at, and returns, the
// first call that says true.
template <typename Doe>
inline bool ElkWitWoord(const uchar* regel, qsizetype lengte, int x, int x1, Doe doe) {
  while (x <= x1) {
    const int byte = x >> 3;
    quint64 woord;
    if (byte + 8 <= lengte) {
      std::memcpy(&woord, regel + byte, 8);
    } else {
      uchar acht[8] = {};
      std::memcpy(acht, regel + byte, size_t(lengte - byte));
      std::memcpy(&woord, acht, 8);
    }
    woord = qFromBigEndian(woord);
    const int eind = std::min(x1, byte * 8 + 63);
    const quint64 masker = (~0ULL >> (x - byte * 8)) & (~0ULL << (63 - (eind - byte * 8)));
    if (const quint64 open = ~woord & masker; open && doe(byte * 8, open)) return true;
    x = eind + 1;
  }
  return false;
}

// Whether a one-bit row (`lengte` bytes) has a white dot among dots x to x1.
inline bool HeeftWit(const uchar* regel, qsizetype lengte, int x, int x1) {
  return ElkWitWoord(regel, lengte, x, x1, [](int, quint64) { return true; });
}

// A one-bit picture's rows taken four at a time: a dot of such a group is
// set when it is dark in all four rows. Kept up to date as dots are set, it
// tells of four rows at once that they are dark where a character lies.
class DonkereGroepen {
 public:
  DonkereGroepen(const uchar* beeld, int hoogte, qsizetype regelLengte)
      : beeld_(beeld), lengte_(regelLengte), groepen_(hoogte / 4), bits_(size_t(groepen_) * size_t(lengte_), 0) {}

  int Aantal() const { return groepen_; }  // a last group of fewer rows is left out
  const uchar* Groep(int g) const { return &bits_[size_t(g) * size_t(lengte_)]; }

  // After dots were set in rows y0 to y1, columns x0 to x1.
  void Werkbij(int y0, int y1, int x0, int x1) {
    const int k0 = x0 >> 3, k1 = x1 >> 3;
    for (int g = y0 / 4; g <= std::min(groepen_ - 1, y1 / 4); ++g) {
      const uchar* r = beeld_ + qsizetype(g) * 4 * lengte_;
      uchar* uit = &bits_[size_t(g) * size_t(lengte_)];
      for (int k = k0; k <= k1; ++k) uit[k] = uchar(r[k] & r[lengte_ + k] & r[2 * lengte_ + k] & r[3 * lengte_ + k]);
    }
  }

 private:
  const uchar* beeld_;
  qsizetype lengte_;
  int groepen_;
  std::vector<uchar> bits_;
};

// Where the character whose outline has bounds `grenzen` (a rectangle in
// its own coordinates, which `t` turns and moves onto the picture) can add
// dots to the one-bit `beeld` (rows of `regelLengte` bytes): the first and
// the last row within `vak` with a dot that is still white and has its
// centre within the bounds widened by kRuimte and, when a reach is given,
// within the reach. Nothing when there is no such dot: then the character
// need not be filled. Where the characters of a long text pile up round the
// circle, most of them find their place dark already, and most others add
// dots to a few rows.
std::optional<std::pair<int, int>> Bijdrage(const uchar* beeld, qsizetype regelLengte, const DonkereGroepen& groepen,
                                            const QRect& vak, const QTransform& t, const QRectF& grenzen,
                                            const Reik* reik) {
  const double det = t.m11() * t.m22() - t.m12() * t.m21();
  if (!(std::fabs(det) > 1e-12)) return std::pair(vak.top(), vak.bottom());
  // The transform back: p = t(q) gives q = terug(p).
  const double keer = 1 / det;
  const double i11 = t.m22() * keer, i12 = -t.m12() * keer, i21 = -t.m21() * keer, i22 = t.m11() * keer;
  const double idx = -(t.dx() * i11 + t.dy() * i21), idy = -(t.dx() * i12 + t.dy() * i22);
  const QRectF ruim = grenzen.adjusted(-kRuimte, -kRuimte, kRuimte, kRuimte);
  // In the character's own coordinates, w = c * px + e * py + f runs along
  // a row (py fixed) linearly: the dots with w within [lo, hi] form an
  // interval of px whose ends move linearly from row to row, less half a
  // dot from van + vs * py to tot + ts * py; or, where w does not change
  // along a row, a stretch of rows.
  struct As {
    double van = -1e300, tot = 1e300, vs = 0, ts = 0;
  };
  double rijVan = vak.top() + 0.5, rijTot = vak.bottom() + 0.5;  // as row centres
  const auto maakAs = [&](double c, double e, double f, double lo, double hi) {
    As a;
    if (std::fabs(c) < 1e-12) {
      if (std::fabs(e) < 1e-12) {
        if (f < lo || f > hi) rijTot = -1e300;
        return a;
      }
      double v = (lo - f) / e, w = (hi - f) / e;
      if (v > w) std::swap(v, w);
      rijVan = std::max(rijVan, v);
      rijTot = std::min(rijTot, w);
      return a;
    }
    const double keer = 1 / c;
    a.van = (lo - f) * keer - 0.5;
    a.tot = (hi - f) * keer - 0.5;
    a.vs = a.ts = -e * keer;
    if (a.van > a.tot) std::swap(a.van, a.tot);
    return a;
  };
  const As p = maakAs(i11, i21, idx, ruim.left(), ruim.right());
  const As q = maakAs(i12, i22, idy, ruim.top(), ruim.bottom());
  if (!(rijVan <= rijTot)) return std::nullopt;
  const int y0 = std::max(vak.top(), int(std::ceil(std::max(rijVan, -1e9) - 0.5)) - 1);
  const int y1 = std::min(vak.bottom(), int(std::floor(std::min(rijTot, 1e9) - 0.5)) + 1);
  if (y0 > y1) return std::nullopt;
  const int links = vak.left(), rechts = vak.right();
  // The dots of row y to look at: rounded outward, or a dot further, for a
  // dot more to look at is never wrong.
  const auto rij = [&](int y) {
    const double py = y + 0.5;
    const double van = std::max(p.van + p.vs * py, q.van + q.vs * py);
    const double tot = std::min(p.tot + p.ts * py, q.tot + q.ts * py);
    if (!(van <= tot)) return std::pair(1, 0);
    return std::pair(std::max(links, int(std::clamp(van, -1.0, 1e9))),
                     std::min(rechts, int(std::clamp(tot, -1e9, 1e9)) + 1));
  };
  // The same for rows r0 to r1 together: where each end is least, or
  // greatest, along the rows.
  const double pvs = std::min(p.vs, 0.0), qvs = std::min(q.vs, 0.0), pts = std::max(p.ts, 0.0),
               qts = std::max(q.ts, 0.0);
  const auto rijen = [&](int r0, int r1) {
    const double a = r0 + 0.5, d = r1 - r0;
    const double van = std::max(p.van + p.vs * a + pvs * d, q.van + q.vs * a + qvs * d);
    const double tot = std::min(p.tot + p.ts * a + pts * d, q.tot + q.ts * a + qts * d);
    if (!(van <= tot)) return std::pair(1, 0);
    return std::pair(std::max(links, int(std::clamp(van, -1.0, 1e9))),
                     std::min(rechts, int(std::clamp(tot, -1e9, 1e9)) + 1));
  };
  // Whether row y has a white dot the character can reach.
  const auto bij = [&](int y) {
    int x = 0, x1 = 0;
    std::tie(x, x1) = rij(y);
    const uchar* regel = beeld + y * regelLengte;
    if (x > x1) return false;
    if (!reik) return HeeftWit(regel, regelLengte, x, x1);
    const double py = y + 0.5;
    const double qx0 = i21 * py + idx, qy0 = i22 * py + idy;
    return ElkWitWoord(regel, regelLengte, x, x1, [&](int eerste, quint64 open) {
      for (; open; open &= open - 1) {
        const double px = eerste + (63 - std::countr_zero(open)) + 0.5;
        if (reik->Raakt(i11 * px + qx0, i12 * px + qy0)) return true;
      }
      return false;
    });
  };
  // Whether rows r0 to r1, all of group g, are dark over all their dots
  // together.
  const auto groepDonker = [&](int g, int r0, int r1) {
    if (g >= groepen.Aantal()) return false;
    const auto [x, x1] = rijen(r0, r1);
    return x > x1 || !HeeftWit(groepen.Groep(g), regelLengte, x, x1);
  };
  // The first row from the top, then the last from the bottom.
  int eerste = -1;
  for (int g = y0 / 4; g <= y1 / 4 && eerste < 0; ++g) {
    const int r0 = std::max(y0, g * 4), r1 = std::min(y1, g * 4 + 3);
    if (groepDonker(g, r0, r1)) continue;
    for (int r = r0; r <= r1; ++r)
      if (bij(r)) {
        eerste = r;
        break;
      }
  }
  if (eerste < 0) return std::nullopt;
  for (int g = y1 / 4; g >= eerste / 4; --g) {
    const int r0 = std::max(eerste, g * 4), r1 = std::min(y1, g * 4 + 3);
    if (groepDonker(g, r0, r1)) continue;
    for (int r = r1; r >= r0; --r)
      if (bij(r)) return std::pair(eerste, r);
  }
  return std::pair(eerste, eerste);
}

// Sets the dots [x0, x1) of a one-bit row.
inline void ZetDonker(uchar* regel, int x0, int x1) {
  const int b0 = x0 >> 3, b1 = (x1 - 1) >> 3;
  const uchar m0 = uchar(0xFF >> (x0 & 7)), m1 = uchar(0xFF << (7 - ((x1 - 1) & 7)));
  if (b0 == b1) {
    regel[b0] |= uchar(m0 & m1);
    return;
  }
  regel[b0] |= m0;
  if (b1 > b0 + 1) std::memset(regel + b0 + 1, 0xFF, size_t(b1 - b0 - 1));
  regel[b1] |= m1;
}

// Draws the characters. Only reads what it is given: other threads may
// draw the pictures of other elements with the same outlines meanwhile.
QImage TekenOp(QSize maat, const Plaatsingen& tekst) {
  const std::vector<Plaatsing>& plekken = tekst.plekken;
  QImage beeld(maat, QImage::Format_Mono);
  if (beeld.isNull()) return beeld;
  beeld.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
  beeld.fill(0);
  const int dpm = RondAf(RondeResolutie * 1000.0);
  beeld.setDotsPerMeterX(dpm);
  beeld.setDotsPerMeterY(dpm);

  // Each character's dots are the ones the raster engine fills for its
  // outline, turned and moved into place, on a grey patch of the size of
  // the dots it can cover (filled straight onto a one-bit picture, an
  // outline now and then lacks a short run of dots, so the same text would
  // not always give the same picture). Those dots are worked out here as
  // the engine works them out (Vulling.h), without the engine; the few
  // characters it cannot follow there, where the patch cuts the outline
  // off at the picture's left edge, are still filled by the engine on such
  // a patch.
  struct Plek {
    QTransform t;
    QRect vak;  // the dots the character can cover, within the picture
  };
  const std::vector<std::shared_ptr<const Vorm>>& vormen = tekst.vormen;
  std::vector<Plek> vakken;
  vakken.reserve(plekken.size());
  int grootsteB = 0, grootsteH = 0;
  for (const Plaatsing& plek : plekken) {
    QTransform t;
    t.translate(plek.X, plek.Y);
    t.rotate(-plek.Escapement / 10.0);  // counter-clockwise on a y-down surface
    // A dot is filled when its centre is inside, so a dot around the
    // bounds is margin enough.
    const QRect vak =
        t.mapRect(vormen[size_t(plek.vorm)]->grenzen).toAlignedRect().adjusted(-1, -1, 1, 1) & beeld.rect();
    vakken.push_back({t, vak});
    grootsteB = std::max(grootsteB, vak.width());
    grootsteH = std::max(grootsteH, vak.height());
  }
  if (grootsteB == 0 || grootsteH == 0) return beeld;

  // Every patch is the top-left corner of one grey canvas, with room for
  // eight dots past the widest patch, so a row is read eight at a time.
  const int regelBytes = (grootsteB + 8 + 3) & ~3;

  // The engine's canvas, made when a character first needs it.
  struct Doek {
    std::vector<uchar> grijs;
    QImage beeld;
    QPainter p;
    // Each outline copied once for this drawing: drawing leaves data
    // behind in a path, which a shared outline must not get from two
    // threads at once.
    std::vector<QPainterPath> vormen;
  };
  std::unique_ptr<Doek> doek;
  const auto maakDoek = [&] {
    doek = std::make_unique<Doek>();
    doek->grijs.resize(size_t(regelBytes) * size_t(grootsteH));
    doek->beeld = QImage(doek->grijs.data(), regelBytes, grootsteH, regelBytes, QImage::Format_Grayscale8);
    doek->p.begin(&doek->beeld);
    // Filled outlines without antialiasing stay pure black and white.
    doek->p.setRenderHint(QPainter::Antialiasing, false);
    doek->p.setPen(Qt::NoPen);
    doek->p.setBrush(Qt::black);
    for (const auto& gedeeld : vormen) {
      QPainterPath omtrek;
      omtrek.setFillRule(gedeeld->omtrek.fillRule());
      omtrek.addPath(gedeeld->omtrek);
      doek->vormen.push_back(std::move(omtrek));
    }
  };

  Vuller vuller;
  std::vector<Vulstuk> stukken;
  // Flattenings for the few turns whose scale is a hair off 1 in a way
  // that changes one: made here when needed.
  std::vector<std::vector<VlakkeOmtrek>> andereVlakken(vormen.size());
  // The picture is this function's own: its rows need no detaching.
  uchar* const bits = beeld.bits();
  const int bytesBeeld = int(beeld.bytesPerLine());
  DonkereGroepen groepen(bits, beeld.height(), bytesBeeld);
  for (size_t i = 0; i < plekken.size(); ++i) {
    const QRect& vak = vakken[i].vak;
    if (vak.isEmpty()) continue;
    const size_t v = size_t(plekken[i].vorm);
    const Vorm& vorm = *vormen[v];
    // The threshold the engine would flatten with: the transform it fills
    // the patch with is t moved, of the same scale.
    const double drempel = Vlakdrempel(vakken[i].t);
    const bool gedeeld = vorm.vlak.Past(drempel);
    // The reach belongs to the shared flattening; with another only the
    // bounds tell.
    const auto rijen =
        Bijdrage(bits, bytesBeeld, groepen, vak, vakken[i].t, vorm.grenzen, gedeeld ? &vorm.reik : nullptr);
    if (!rijen) continue;
    const int b = vak.width(), h = vak.height();
    const VlakkeOmtrek* vlak = &vorm.vlak;
    if (!gedeeld) {
      std::vector<VlakkeOmtrek>& andere = andereVlakken[v];
      const auto it =
          std::find_if(andere.begin(), andere.end(), [&](const VlakkeOmtrek& a) { return a.Past(drempel); });
      vlak = it != andere.end() ? &*it : &andere.emplace_back(VlakMaken(vorm.omtrek, drempel));
    }
    // The transform the engine would fill the patch with.
    const QTransform opDoek = vakken[i].t * QTransform::fromTranslate(-vak.x(), -vak.y());
    if (vuller.Vul(*vlak, opDoek, regelBytes, grootsteH, stukken, rijen->first - vak.y(), rijen->second - vak.y())) {
      // The dots of the patch: the ones past it stay white.
      for (const Vulstuk& s : stukken) {
        if (s.y >= h) break;
        const int x0 = std::max(s.x0, 0), x1 = std::min(s.x1, b);
        if (x0 < x1) ZetDonker(bits + size_t(vak.y() + s.y) * size_t(bytesBeeld), vak.x() + x0, vak.x() + x1);
      }
      groepen.Werkbij(rijen->first, rijen->second, vak.left(), vak.right());
      continue;
    }

    if (!doek) maakDoek();
    std::vector<uchar>& grijs = doek->grijs;
    for (int r = 0; r < h; ++r) std::memset(&grijs[size_t(r) * size_t(regelBytes)], 255, size_t(b + 8));
    doek->p.setTransform(opDoek);
    doek->p.drawPath(doek->vormen[v]);
    // The painter draws straight into the patch's pixels, which are read here.
    for (int r = 0; r < h; ++r) {
      const uchar* bron = &grijs[size_t(r) * size_t(regelBytes)];
      uchar* regel = bits + size_t(vak.y() + r) * size_t(bytesBeeld);
      for (int x = 0; x < b; x += 8) {
        quint64 acht;
        std::memcpy(&acht, bron + x, 8);
        uchar bits = Donker(qFromLittleEndian(acht));
        if (b - x < 8) bits &= uchar(0xFF << (8 - (b - x)));  // the dots past the patch stay white
        if (!bits) continue;
        const int kolom = vak.x() + x, byte = kolom >> 3, schuif = kolom & 7;
        regel[byte] |= uchar(bits >> schuif);
        if (schuif && byte + 1 < bytesBeeld) regel[byte + 1] |= uchar(bits << (8 - schuif));
      }
    }
    groepen.Werkbij(vak.top(), vak.bottom(), vak.left(), vak.right());
  }
  if (doek) doek->p.end();
  return beeld;
}

// A round text as the drawing needs it: its characters as the printer's
// code page holds them, each different one's advance and outline, and its
// layout but for the characters' places. Those are worked out each time
// the picture is drawn, on the thread that draws it: the same sums as
// straight after the layout, for a fraction of the memory, and the work
// shared out over the threads that draw.
struct RondeBeschrijving {
  QString tekens;
  RondeOpmaak opmaak;
  LetterMaten maten;
  QSize maat;
  std::vector<std::shared_ptr<const Vorm>> vormen;
  // Each different character once, by its code: its advance and its
  // outline (-1: nothing to draw).
  struct Teken {
    char16_t code;
    int vorm;
    double advance;
  };
  std::vector<Teken> soorten;
};

// Finds the characters of a description quickly: the first 256 codes, which
// nearly every text is made of, by a table.
class Tekenzoeker {
 public:
  explicit Tekenzoeker(const RondeBeschrijving& b) : soorten_(b.soorten) {
    latijn_.fill(-1);
    for (size_t i = 0; i < soorten_.size() && soorten_[i].code < 256; ++i) latijn_[soorten_[i].code] = int(i);
  }
  const RondeBeschrijving::Teken& operator()(char16_t c) const {
    if (c < 256) return soorten_[size_t(latijn_[c])];
    return *std::lower_bound(soorten_.begin(), soorten_.end(), c,
                             [](const RondeBeschrijving::Teken& t, char16_t code) { return t.code < code; });
  }

 private:
  const std::vector<RondeBeschrijving::Teken>& soorten_;
  std::array<int, 256> latijn_;
};

// The characters' advances and outlines from the font (made on the thread
// that owns the font), and the advances in order.
RondeBeschrijving Beschrijf(const platform::CellFont& font, const QString& tekens, std::vector<double>& advances) {
  RondeBeschrijving b;
  b.tekens = tekens;
  const QList<double> breedtes = font.advances(tekens);
  advances.clear();
  advances.reserve(size_t(tekens.size()));
  std::bitset<256> gezien;
  std::vector<char16_t> overigGezien;  // the few codes of the code page above 255
  for (qsizetype i = 0; i < tekens.size(); ++i) {
    const char16_t c = tekens[i].unicode();
    const double w = RondAf(breedtes[i]);
    advances.push_back(w);
    if (c < 256 ? gezien[c] : std::find(overigGezien.begin(), overigGezien.end(), c) != overigGezien.end()) continue;
    if (c < 256)
      gezien[c] = true;
    else
      overigGezien.push_back(c);
    RondeBeschrijving::Teken t{c, -1, w};
    const QPainterPath omtrek = font.cellPath(QChar(c));
    if (!omtrek.isEmpty()) {
      t.vorm = int(b.vormen.size());
      b.vormen.push_back(GedeeldeVorm(omtrek));
    }
    b.soorten.push_back(t);
  }
  std::sort(b.soorten.begin(), b.soorten.end(),
            [](const RondeBeschrijving::Teken& x, const RondeBeschrijving::Teken& y) { return x.code < y.code; });
  // Kept with the element: thousands of short texts hold no room to spare.
  b.soorten.shrink_to_fit();
  b.vormen.shrink_to_fit();
  return b;
}

// Lays the characters out again and draws them.
QImage TekenBeschreven(const RondeBeschrijving& b) {
  const Tekenzoeker zoek(b);
  std::vector<double> advances;
  advances.reserve(size_t(b.tekens.size()));
  for (QChar c : b.tekens) advances.push_back(zoek(c.unicode()).advance);
  // The advances of the turned outlines equal the upright ones, so the
  // layout needs no measuring function: it settles in one pass.
  const RondeZetting zetting = ZetRondeTekst(b.opmaak, b.maten, advances);
  Plaatsingen p;
  p.vormen = b.vormen;
  p.plekken.reserve(zetting.Plekken.size());
  for (size_t i = 0; i < zetting.Plekken.size(); ++i) {
    const int vorm = zoek(b.tekens[qsizetype(i)].unicode()).vorm;
    const KarakterPlek& k = zetting.Plekken[i];
    if (vorm >= 0) p.plekken.push_back({k.X, k.Y, k.Escapement, vorm});
  }
  return TekenOp(b.maat, p);
}

}  // namespace

QImage TekenRondeTekst(const RondeZetting& zetting, const platform::CellFont& font, const QString& tekens) {
  std::vector<double> advances;
  const RondeBeschrijving b = Beschrijf(font, tekens, advances);
  const Tekenzoeker zoek(b);
  Plaatsingen p;
  p.vormen = b.vormen;
  for (size_t i = 0; i < std::min(zetting.Plekken.size(), size_t(tekens.size())); ++i) {
    const int vorm = zoek(tekens[qsizetype(i)].unicode()).vorm;
    const KarakterPlek& k = zetting.Plekken[i];
    if (vorm >= 0) p.plekken.push_back({k.X, k.Y, k.Escapement, vorm});
  }
  return TekenOp(QSize(zetting.Kader.Breedte, zetting.Kader.Hoogte), p);
}

bool MaakRondeTekst(Ontwerp& ontwerp, int index) { return MaakRondeTekst(ontwerp.voorwerp(index)); }

bool MaakRondeTekst(Voorwerp& v) {
  if (ZonderSlotspaties(v.tekst().Tekst).isEmpty()) return false;

  const platform::CellFont font = RondeLetter(v.tekst().Lettertype, v.tekst().Lettergrootte, v.tekst().Vet,
                                              v.tekst().Cursief, v.tekst().Onderlijnd);
  if (!font.isValid()) return false;
  const LetterMaten maten = MatenVan(font);
  const double r = Werkstraal(v.cirkel().Straal, maten);
  // Nothing sensible can be drawn for these; keep what the element had.
  if (!std::isfinite(v.cirkel().Straal) || !std::isfinite(v.cirkel().Referentiepunt) || !(r > 0) ||
      v.cirkel().Straal > GrootsteStraal)
    return false;

  v.tekst().Tekst = ZonderSlotspaties(v.tekst().Tekst);
  // Measured and drawn as the printer's code page holds it.
  std::vector<double> advances;
  auto beschrijving =
      std::make_shared<RondeBeschrijving>(Beschrijf(font, platform::throughCp1252(v.tekst().Tekst), advances));
  beschrijving->opmaak = {v.cirkel().Straal, bool(v.cirkel().Wijzerzin), v.tekst().Uitlijning,
                          v.cirkel().Referentiepunt};
  beschrijving->maten = maten;
  // The box now; the characters' places when drawn (TekenBeschreven).
  const RondKader k = ZetRondeBoog(beschrijving->opmaak, maten, advances).Kader;
  beschrijving->maat = QSize(k.Breedte, k.Hoogte);
  v.cirkel().MiddenX = float(k.MiddenX / double(RondeResolutie));
  v.cirkel().MiddenY = float(k.MiddenY / double(RondeResolutie));

  // The picture is drawn from the layout whenever it is needed, not kept.
  auto beeld = std::make_shared<Beeld>();
  beeld->teken = [beschrijving = std::shared_ptr<const RondeBeschrijving>(std::move(beschrijving))] {
    return TekenBeschreven(*beschrijving);
  };

  float links = v.Links, boven = v.Boven;
  float breedte = float(k.Breedte / double(RondeResolutie)), hoogte = float(k.Hoogte / double(RondeResolutie));
  v.Plaats(links, boven, breedte, hoogte);
  v.beeld().ZetAfbeelding(std::move(beeld), k.Breedte, k.Hoogte);
  return true;
}

}  // namespace roundtext
