#include "roundtext/RondeTekst.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <unordered_map>
#include <vector>

#include "model/Afronden.h"
#include "platform/Cp1252.h"

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

// Where a character goes, as much as the drawing needs, and which outline
// it has.
struct Plaatsing {
  qint32 X, Y, Escapement;
  int vorm;
};

// The characters of one text: each different outline once, and the places.
struct Plaatsingen {
  std::vector<QPainterPath> vormen;
  std::vector<Plaatsing> plekken;
};

// Eight grey dots, the leftmost in the lowest byte, as one byte of a
// one-bit row: the leftmost dot in the top bit, set where the dot is dark.
inline uchar Donker(quint64 grijs) {
  const quint64 hoog = ~grijs & 0x8080808080808080ULL;  // top bit of each dark byte
  // Reversed, byte i's top bit lands on bit i of the top byte; no carries.
  return uchar((qbswap(hoog) * 0x0002040810204081ULL) >> 56);
}

// How far outside its bounds a character's filled dot may have its centre:
// the filling takes the turned outline's points to 1/64 of a dot, so at
// most 1/64 times the square root of 2 off. Any more only costs time: the
// dots just past the top of the tallest letters are seldom all dark.
constexpr double kRuimte = 1.0 / 32;

// Whether every dot of the one-bit `beeld` (rows of `regelLengte` bytes)
// within `vak` whose centre lies in `grenzen`
// (a rectangle in the character's own coordinates, which `t` turns and
// moves onto the picture) widened by kRuimte is dark already. Then the
// character can add no dot, and need not be filled. Where the characters
// of a long text pile up round the circle, most of them find their place
// dark already.
bool AlDonker(const uchar* beeld, qsizetype regelLengte, const QRect& vak, const QTransform& t, const QRectF& grenzen) {
  bool omkeerbaar = false;
  const QTransform terug = t.inverted(&omkeerbaar);
  if (!omkeerbaar) return false;
  const QRectF ruim = grenzen.adjusted(-kRuimte, -kRuimte, kRuimte, kRuimte);
  // In the character's own coordinates, w = c * px + e * py + f runs along
  // a row (py fixed) linearly: the dots within [lo, hi] form an interval
  // of px whose ends move linearly from row to row.
  struct As {
    bool vast;  // w does not change along a row
    double e, f, lo, hi;  // when vast
    double van0, tot0, stap;  // otherwise: px from van0 + stap * py to tot0 + stap * py
  };
  const auto maakAs = [](double c, double e, double f, double lo, double hi) {
    As a{std::fabs(c) < 1e-12, e, f, lo, hi, 0, 0, 0};
    if (a.vast) return a;
    const double keer = 1 / c;
    a.van0 = (lo - f) * keer;
    a.tot0 = (hi - f) * keer;
    a.stap = -e * keer;
    if (a.van0 > a.tot0) std::swap(a.van0, a.tot0);
    return a;
  };
  const As assen[2] = {maakAs(terug.m11(), terug.m21(), terug.dx(), ruim.left(), ruim.right()),
                       maakAs(terug.m12(), terug.m22(), terug.dy(), ruim.top(), ruim.bottom())};
  const double links = vak.left() + 0.5, rechts = vak.right() + 0.5;  // as dot centres
  for (int y = vak.top(); y <= vak.bottom(); ++y) {
    const double py = y + 0.5;
    double van = links, tot = rechts;
    bool leeg = false;
    for (const As& a : assen) {
      if (a.vast) {
        const double w = a.e * py + a.f;
        leeg = leeg || w < a.lo || w > a.hi;
      } else {
        van = std::max(van, a.van0 + a.stap * py);
        tot = std::min(tot, a.tot0 + a.stap * py);
      }
    }
    if (leeg || van > tot) continue;
    // Rounded outward, or a dot further: a dot more to look at is never
    // wrong. (Below 0 the first dot of the row is taken in any case.)
    const int x0 = std::max(vak.left(), int(van - 0.5));
    const int x1 = std::min(vak.right(), int(tot - 0.5) + 1);
    if (x0 > x1) continue;
    const uchar* regel = beeld + y * regelLengte;
    const int b0 = x0 >> 3, b1 = x1 >> 3;
    const uchar m0 = uchar(0xFF >> (x0 & 7)), m1 = uchar(0xFF << (7 - (x1 & 7)));
    if (b0 == b1) {
      if ((regel[b0] & m0 & m1) != (m0 & m1)) return false;
      continue;
    }
    if ((regel[b0] & m0) != m0 || (regel[b1] & m1) != m1) return false;
    for (int b = b0 + 1; b < b1; ++b)
      if (regel[b] != 0xFF) return false;
  }
  return true;
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

  // Filled straight onto a one-bit picture, an outline now and then lacks
  // a short run of dots, so the same text would not always give the same
  // picture (and one read back from a file would differ from the one
  // saved). Filled on grey, the dots are the same every time. Each
  // character is filled on a grey patch of its own size and copied in, so
  // the work follows the characters, not the circle they stand on.
  struct Plek {
    QTransform t;
    QRect vak;  // the dots the character can cover, within the picture
  };
  // Each outline copied once for this drawing: drawing leaves data behind
  // in a path, which a shared outline must not get from two threads at
  // once, and a copy of its own per character costs more than its filling.
  std::vector<QPainterPath> vormen;
  std::vector<QRectF> grenzen;
  vormen.reserve(tekst.vormen.size());
  grenzen.reserve(tekst.vormen.size());
  for (const QPainterPath& gedeeld : tekst.vormen) {
    QPainterPath omtrek;
    omtrek.setFillRule(gedeeld.fillRule());
    omtrek.addPath(gedeeld);
    grenzen.push_back(omtrek.boundingRect());
    vormen.push_back(std::move(omtrek));
  }
  std::vector<Plek> vakken;
  vakken.reserve(plekken.size());
  int grootsteB = 0, grootsteH = 0;
  for (const Plaatsing& plek : plekken) {
    QTransform t;
    t.translate(plek.X, plek.Y);
    t.rotate(-plek.Escapement / 10.0);  // counter-clockwise on a y-down surface
    // A dot is filled when its centre is inside, so a dot around the
    // bounds is margin enough.
    const QRect vak = t.mapRect(grenzen[size_t(plek.vorm)]).toAlignedRect().adjusted(-1, -1, 1, 1) & beeld.rect();
    vakken.push_back({t, vak});
    grootsteB = std::max(grootsteB, vak.width());
    grootsteH = std::max(grootsteH, vak.height());
  }
  if (grootsteB == 0 || grootsteH == 0) return beeld;

  // Room for eight dots past the widest patch, so a row is read eight at a time.
  const int regelBytes = (grootsteB + 8 + 3) & ~3;
  std::vector<uchar> grijs(size_t(regelBytes) * size_t(grootsteH));
  QImage doek(grijs.data(), regelBytes, grootsteH, regelBytes, QImage::Format_Grayscale8);
  QPainter p(&doek);
  // Filled outlines without antialiasing stay pure black and white.
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  // The picture is this function's own: its rows need no detaching.
  uchar* const bits = beeld.bits();
  const int bytesBeeld = int(beeld.bytesPerLine());
  for (size_t i = 0; i < plekken.size(); ++i) {
    const QRect& vak = vakken[i].vak;
    if (vak.isEmpty()) continue;
    if (AlDonker(bits, bytesBeeld, vak, vakken[i].t, grenzen[size_t(plekken[i].vorm)])) continue;
    const int b = vak.width(), h = vak.height();
    for (int r = 0; r < h; ++r) std::memset(&grijs[size_t(r) * size_t(regelBytes)], 255, size_t(b + 8));
    p.setTransform(vakken[i].t * QTransform::fromTranslate(-vak.x(), -vak.y()));
    p.drawPath(vormen[size_t(plekken[i].vorm)]);
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
  }
  p.end();
  return beeld;
}

// The characters that show, with their outlines from the font (made on the
// thread that owns the font).
Plaatsingen MaakPlaatsingen(const RondeZetting& zetting, const platform::CellFont& font, const QString& tekens) {
  Plaatsingen p;
  const size_t n = std::min(zetting.Plekken.size(), size_t(tekens.size()));
  p.plekken.reserve(n);
  std::unordered_map<char16_t, int> vormVan;  // -1: nothing to draw
  for (size_t i = 0; i < n; ++i) {
    const char16_t teken = tekens[qsizetype(i)].unicode();
    auto [it, nieuw] = vormVan.try_emplace(teken, -1);
    if (nieuw) {
      QPainterPath omtrek = font.cellPath(QChar(teken));
      if (!omtrek.isEmpty()) {
        it->second = int(p.vormen.size());
        p.vormen.push_back(std::move(omtrek));
      }
    }
    const KarakterPlek& k = zetting.Plekken[i];
    if (it->second >= 0) p.plekken.push_back({k.X, k.Y, k.Escapement, it->second});
  }
  return p;
}

}  // namespace

QImage TekenRondeTekst(const RondeZetting& zetting, const platform::CellFont& font, const QString& tekens) {
  return TekenOp(QSize(zetting.Kader.Breedte, zetting.Kader.Hoogte), MaakPlaatsingen(zetting, font, tekens));
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
  const QString tekens = platform::throughCp1252(v.tekst().Tekst);
  std::vector<double> advances;
  advances.reserve(size_t(tekens.size()));
  for (double w : font.advances(tekens)) advances.push_back(RondAf(w));

  // The advances of the turned outlines equal the upright ones, so the
  // layout needs no measuring function: it settles in one pass.
  const RondeZetting zetting =
      ZetRondeTekst({v.cirkel().Straal, bool(v.cirkel().Wijzerzin), v.tekst().Uitlijning, v.cirkel().Referentiepunt},
                    maten, advances);
  const RondKader& k = zetting.Kader;
  v.cirkel().MiddenX = float(k.MiddenX / double(RondeResolutie));
  v.cirkel().MiddenY = float(k.MiddenY / double(RondeResolutie));

  // The picture is drawn from the layout whenever it is needed, not kept.
  auto beeld = std::make_shared<Beeld>();
  beeld->teken = [maat = QSize(k.Breedte, k.Hoogte), tekst = MaakPlaatsingen(zetting, font, tekens)] {
    return TekenOp(maat, tekst);
  };

  float links = v.Links, boven = v.Boven;
  float breedte = float(k.Breedte / double(RondeResolutie)), hoogte = float(k.Hoogte / double(RondeResolutie));
  v.Plaats(links, boven, breedte, hoogte);
  v.beeld().ZetAfbeelding(std::move(beeld), k.Breedte, k.Hoogte);
  return true;
}
