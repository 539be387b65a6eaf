#include "editor/EtiketBeeld.h"

#include <QHash>
#include <QPainter>
#include <algorithm>
#include <numeric>
#include <vector>

namespace editor {

EtiketBeeld::EtiketBeeld(Bewerking& bewerking, const FormatenTabel& formaten) : b_(bewerking), formaten_(formaten) {}

void EtiketBeeld::BerekenSchaal(qint32 pixelBreedte, qint32 pixelHoogte, double twipsBreedte,
                                double twipsHoogte) {
  const EtiketFormaat& f = Formaat();
  SchermSchaal& s = b_.Schaal;
  s.Bereken(f.Breedte, f.Hoogte, pixelBreedte, pixelHoogte, twipsBreedte, twipsHoogte);
  if (beeld_.width() != s.PixelBreedte || beeld_.height() != s.PixelHoogte) {
    beeld_ = QImage(s.PixelBreedte, s.PixelHoogte, QImage::Format_RGB32);
    beeld_.fill(Qt::white);
  }
  achtergrond_ = QImage(s.PixelBreedte, s.PixelHoogte, QImage::Format_RGB32);
  achtergrond_.fill(Qt::white);
}

QString GetalTekst(float waarde) { return QString::number(double(waarde), 'g', 7); }

void EtiketBeeld::TekenVorm() {
  const EtiketFormaat& f = Formaat();
  if (f.Vorm == 0) {
    vorm_ = QStringLiteral("Rechth.");
    afmeting_ = GetalTekst(f.Breedte) + u'x' + GetalTekst(f.Hoogte);
  } else if (f.Vorm == 1 && f.Ovaal) {
    vorm_ = QStringLiteral("Ovaal");
    afmeting_ = GetalTekst(f.Breedte) + u'x' + GetalTekst(f.Hoogte);
  } else if (f.Vorm == 1) {
    vorm_ = QStringLiteral("Rond");
    afmeting_ = QStringLiteral("Diam. ") + GetalTekst(f.Breedte);
  }
  TekenVormOp(beeld_);
  achtergrond_ = beeld_.copy();
}

void EtiketBeeld::TekenVormOp(QImage& beeld) const {
  const EtiketFormaat& f = Formaat();
  const SchermSchaal& s = b_.Schaal;
  beeld.fill(Qt::white);
  QPainter p(&beeld);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor grijs(192, 192, 192);
  if (f.Vorm == 0) {
    const QRectF label = QRectF(s.naarPixels(QRectF(-f.Breedte / 2, -f.Hoogte / 2, f.Breedte, f.Hoogte)));
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(grijs);
    if (f.Hoekstraal > 0) {
      const double r = s.naarPixels(QRectF(0, 0, f.Hoekstraal, f.Hoekstraal)).width();
      p.drawRoundedRect(label.adjusted(0.5, 0.5, -0.5, -0.5), r, r);
    } else {
      p.drawRect(label.adjusted(0.5, 0.5, -0.5, -0.5));
    }
  } else if (f.Vorm == 1 && f.Ovaal) {
    const QRectF ovaal = QRectF(s.naarPixels(QRectF(-f.Breedte / 2, -f.Hoogte / 2, f.Breedte, f.Hoogte)));
    p.setPen(QPen(grijs, 1));
    p.setBrush(grijs);
    p.drawEllipse(ovaal.adjusted(0.5, 0.5, -0.5, -0.5));
  } else if (f.Vorm == 1) {
    // The diameter is the width, whatever the height says.
    const QRectF cirkel = QRectF(s.naarPixels(QRectF(-f.Breedte / 2, -f.Breedte / 2, f.Breedte, f.Breedte)));
    p.setPen(QPen(grijs, 1));
    p.setBrush(grijs);
    p.drawEllipse(cirkel.adjusted(0.5, 0.5, -0.5, -0.5));
  }
}

void EtiketBeeld::TekenVoorwerpenOp(QImage& beeld) const {
  QPainter p(&beeld);
  p.setRenderHint(QPainter::Antialiasing);
  const Ontwerp& o = b_.ontwerp();
  std::vector<int> alle(size_t(o.AantalVoorwerpen()));
  std::iota(alle.begin(), alle.end(), 1);
  TekenVoorwerpenOpDC(o, alle, Formaat(), p, SchermApparaat());
}

QImage EtiketBeeld::Volledig() const {
  QImage beeld(beeld_.size(), QImage::Format_RGB32);
  if (beeld.isNull()) return beeld;
  TekenVormOp(beeld);
  TekenVoorwerpenOp(beeld);
  return beeld;
}

Apparaat EtiketBeeld::SchermApparaat() const {
  const SchermSchaal& s = b_.Schaal;
  return {1.0f / s.MmPerPixelX, 1.0f / s.MmPerPixelY, s.MargeX, s.MargeY, printerPuntenPerMm_};
}

QRect EtiketBeeld::PixelRechthoek(const Voorwerp& v) const {
  const Apparaat a = SchermApparaat();
  const EtiketFormaat& f = Formaat();
  const QRect r = VoorwerpRechthoek(v, f, a);
  // Text is clipped to its rectangle and a raster fills its own exactly; a
  // scaled vector picture may smear its edges one pixel further.
  const Beelddeel* b = v.alsBeeld();
  const bool vector = b && b->Afbeelding && b->Afbeelding->isVector;
  return vector ? r.adjusted(-1, -1, 1, 1) : r;
}

namespace {

// The places to paint again, added up. A region's union and every test
// against it grow with its rectangles, so thousands of scattered places
// (a design of thousands of elements opened or moved) would cost time
// squared in their number: beyond a few dozen the box around them all is
// painted again instead, which gives the same image.
class Vuil {
 public:
  Vuil& operator+=(const QRect& r) {
    if (r.isEmpty()) return *this;
    if (plekken_.size() < kMaxPlekken) plekken_.push_back(r);
    ++aantal_;
    omvang_ |= r;
    return *this;
  }
  QRegion Gebied() const {
    if (aantal_ > kMaxPlekken) return QRegion(omvang_);
    QRegion g;
    for (const QRect& r : plekken_) g += r;
    return g;
  }

 private:
  static constexpr size_t kMaxPlekken = 64;
  std::vector<QRect> plekken_;
  size_t aantal_ = 0;
  QRect omvang_;
};

}  // namespace

QRegion EtiketBeeld::Verschil(const Ontwerp& voor, bool* veranderd) const {
  const Ontwerp& nu = b_.ontwerp();
  Vuil vuil;
  bool anders = false;
  // Mostly the same elements stand in the same places: compare them pairwise.
  const int samen = std::min(nu.AantalVoorwerpen(), voor.AantalVoorwerpen());
  int eerste = 1;
  for (; eerste <= samen; ++eerste) {
    if (nu.Gedeeld(eerste, voor, eerste)) continue;
    const Voorwerp& v = nu.voorwerp(eerste);
    const Voorwerp& w = voor.voorwerp(eerste);
    if (v.Id() != w.Id()) break;
    if (!v.ZelfdeAls(w)) {
      anders = true;
      vuil += PixelRechthoek(v);
      vuil += PixelRechthoek(w);
    }
  }
  // From the first element that came, went or moved in the table on, by identity.
  QHash<quint32, int> oud;
  oud.reserve(voor.AantalVoorwerpen() - eerste + 1);
  for (int i = eerste; i <= voor.AantalVoorwerpen(); ++i) oud.insert(voor.voorwerp(i).Id(), i);
  // Elements kept in place must keep their order too: drawing order shows
  // where antialiased edges overlap.
  int vorige = 0;
  for (int i = eerste; i <= nu.AantalVoorwerpen(); ++i) {
    const Voorwerp& v = nu.voorwerp(i);
    const auto gevonden = oud.constFind(v.Id());
    if (gevonden == oud.constEnd()) {
      anders = true;
      vuil += PixelRechthoek(v);
      continue;
    }
    const int j = gevonden.value();
    const Voorwerp& w = voor.voorwerp(j);
    if (j < vorige || (!nu.Gedeeld(i, voor, j) && !v.ZelfdeAls(w))) {
      anders = true;
      vuil += PixelRechthoek(v);
      vuil += PixelRechthoek(w);
    }
    vorige = std::max(vorige, j);
    oud.erase(gevonden);
  }
  for (auto it = oud.constBegin(); it != oud.constEnd(); ++it) {
    anders = true;
    vuil += PixelRechthoek(voor.voorwerp(it.value()));
  }
  if (veranderd) *veranderd = anders;
  return vuil.Gebied();
}

QRegion EtiketBeeld::Herteken(QRegion vuil) {
  vuil &= beeld_.rect();
  if (vuil.isEmpty()) return vuil;
  const Ontwerp& o = b_.ontwerp();
  QPainter p(&beeld_);
  p.setClipRegion(vuil);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(0, 0, achtergrond_);
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  p.setRenderHint(QPainter::Antialiasing);
  const Apparaat a = SchermApparaat();
  // A cheap first test in millimetres, two pixels wide of the region,
  // before the exact one in pixels.
  const SchermSchaal& s = b_.Schaal;
  const QRect grens = vuil.boundingRect().adjusted(-2, -2, 2, 2);
  const QPointF lb = s.naarMm(grens.topLeft()), ro = s.naarMm(grens.bottomRight() + QPoint(1, 1));
  std::vector<int> hier;
  for (int e = 1; e <= o.AantalVoorwerpen(); ++e) {
    const Voorwerp& v = o.voorwerp(e);
    if (v.Links > ro.x() || v.Boven > ro.y() || v.Links + v.Breedte < lb.x() || v.Boven + v.Hoogte < lb.y()) continue;
    if (vuil.intersects(PixelRechthoek(v))) hier.push_back(e);
  }
  TekenVoorwerpenOpDC(o, hier, Formaat(), p, a);
  return vuil;
}

void EtiketBeeld::TekenAlles() {
  TekenVorm();
  TekenVoorwerpenOp(beeld_);
}

void EtiketBeeld::VerbergAlles() { --b_.Verborgen; }

void EtiketBeeld::ToonAlles() {
  ++b_.Verborgen;
  if (b_.Verborgen == 0) PlaatsHandvaten();
}

void EtiketBeeld::PlaatsHandvaten() {
  const Ontwerp& o = b_.ontwerp();
  const SchermSchaal& s = b_.Schaal;
  VerbergHandvaten();
  // Start inverted on the picture and widen by every selected element.
  selectie_ = {s.ScaleLeft + s.ScaleWidth, s.ScaleTop + s.ScaleHeight, s.ScaleLeft, s.ScaleTop};
  for (int i : b_.GeselecteerdeVoorwerpen()) {
    const Voorwerp& v = o.voorwerp(i);
    selectie_.Links = std::min<float>(selectie_.Links, v.Links);
    selectie_.Rechts = std::max(selectie_.Rechts, v.Links + v.Breedte);
    selectie_.Boven = std::min<float>(selectie_.Boven, v.Boven);
    selectie_.Onder = std::max(selectie_.Onder, v.Boven + v.Hoogte);
  }
  const float maat = 120 * s.SchaalMmPerTwip, h = maat / 2;
  const float l = selectie_.Links, r = selectie_.Rechts, m = (l + r) / 2;
  const float b = selectie_.Boven, o2 = selectie_.Onder, mv = (b + o2) / 2;
  const QPointF midden[8] = {{l, b}, {m, b}, {r, b}, {r, mv}, {r, o2}, {m, o2}, {l, o2}, {l, mv}};
  // With nothing selected the inverted box would put them on the picture's
  // edges: they stay hidden instead.
  const bool tonen = b_.Verborgen == 0 && o.AantalVoorwerpen() >= 1 && b_.AantalGeselecteerd() > 0;
  for (int i = 0; i < 8; ++i) {
    handvatten_[size_t(i)].Rechthoek = QRectF(midden[i].x() - h, midden[i].y() - h, maat, maat);
    handvatten_[size_t(i)].Zichtbaar = tonen;
  }
}

void EtiketBeeld::VerbergHandvaten() {
  for (Handvat& h : handvatten_) h.Zichtbaar = false;
}

void EtiketBeeld::ToonAfdrukbaarGebied(bool tonen, float hs, float vs) {
  gebiedZichtbaar_ = tonen;
  if (tonen) gebied_ = BerekenAfdrukbaarGebied(Formaat(), hs, vs);
}

void EtiketBeeld::TekenBovenlaag(QPainter& p) const {
  const SchermSchaal& s = b_.Schaal;
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setBrush(Qt::NoBrush);
  for (int i = 1; i <= b_.ontwerp().AantalVoorwerpen(); ++i) {
    const SelectieKader k = b_.Kader(i);
    if (!k.Zichtbaar) continue;
    const QRect r = s.naarPixels(QRectF(k.Links, k.Boven, k.Breedte, k.Hoogte));
    if (r.width() <= 0 || r.height() <= 0) continue;
    if (k.Rand >= 2) {
      p.setPen(QPen(QColor(0, 0, 160), 1));
      p.drawRect(r.adjusted(0, 0, -1, -1));
      p.drawRect(r.adjusted(1, 1, -2, -2));
    } else {
      p.setPen(QPen(QColor(96, 96, 96), 1, Qt::DotLine));
      p.drawRect(r.adjusted(0, 0, -1, -1));
    }
  }
  if (gebiedZichtbaar_) {
    p.setPen(QPen(QColor(220, 0, 0), 1, Qt::DashLine));
    const int boven = s.naarPixels(QRectF(0, gebied_.Boven, 0, 0)).top();
    const int onder = s.naarPixels(QRectF(0, gebied_.Onder, 0, 0)).top();
    const int links = s.naarPixels(QRectF(gebied_.Links, 0, 0, 0)).left();
    const int rechts = s.naarPixels(QRectF(gebied_.Rechts, 0, 0, 0)).left();
    p.drawLine(0, boven, s.PixelBreedte - 1, boven);
    p.drawLine(0, onder, s.PixelBreedte - 1, onder);
    p.drawLine(links, 0, links, s.PixelHoogte - 1);
    p.drawLine(rechts, 0, rechts, s.PixelHoogte - 1);
  }
  if (SchaduwZichtbaar) {
    // The outline inverts what lies under it, so it shows on any background.
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.setPen(QPen(Qt::white, 1));
    p.drawRect(s.naarPixels(QRectF(Schaduw.Links, Schaduw.Boven, Schaduw.Rechts - Schaduw.Links,
                                   Schaduw.Onder - Schaduw.Boven))
                   .adjusted(0, 0, -1, -1));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  for (const Handvat& h : handvatten_)
    if (h.Zichtbaar) p.drawRect(s.naarPixels(h.Rechthoek));
  p.restore();
}

QImage EtiketBeeld::Samengesteld() const {
  QImage uit = beeld_.copy();
  QPainter p(&uit);
  TekenBovenlaag(p);
  return uit;
}

}  // namespace editor
