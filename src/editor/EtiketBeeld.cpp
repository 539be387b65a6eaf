#include "editor/EtiketBeeld.h"

#include <QPainter>
#include <algorithm>

EtiketBeeld::EtiketBeeld(Ontwerp& ontwerp, const FormatenTabel& formaten)
    : ontwerp_(ontwerp), formaten_(formaten) {}

void EtiketBeeld::BerekenSchaal(qint32 pixelBreedte, qint32 pixelHoogte, double twipsBreedte,
                                double twipsHoogte) {
  const EtiketFormaat& f = Formaat();
  SchermSchaal& s = ontwerp_.Schaal;
  s.Bereken(f.Breedte, f.Hoogte, pixelBreedte, pixelHoogte, twipsBreedte, twipsHoogte);
  if (beeld_.width() != s.PixelBreedte || beeld_.height() != s.PixelHoogte) {
    beeld_ = QImage(s.PixelBreedte, s.PixelHoogte, QImage::Format_RGB32);
    beeld_.fill(Qt::white);
  }
  achtergrond_ = QImage(s.PixelBreedte, s.PixelHoogte, QImage::Format_RGB32);
  achtergrond_.fill(Qt::white);
  for (int i = 1; i <= ontwerp_.AantalVoorwerpen; ++i) {
    ontwerp_.voorwerp(i).TeHertekenen = true;
    ontwerp_.KaderOpVoorwerp(i);
  }
}

QString GetalTekst(float waarde) { return QString::number(double(waarde), 'g', 7); }

void EtiketBeeld::TekenVorm() {
  const EtiketFormaat& f = Formaat();
  const SchermSchaal& s = ontwerp_.Schaal;
  beeld_.fill(Qt::white);
  {
    QPainter p(&beeld_);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor grijs(192, 192, 192);
    const QRectF label = QRectF(s.naarPixels(QRectF(-f.Breedte / 2, -f.Hoogte / 2, f.Breedte, f.Hoogte)));
    if (f.Vorm == 0) {
      p.setPen(QPen(Qt::black, 1));
      p.setBrush(grijs);
      p.drawRect(label.adjusted(0.5, 0.5, -0.5, -0.5));
      vorm_ = QStringLiteral("Rechth.");
      afmeting_ = GetalTekst(f.Breedte) + u'x' + GetalTekst(f.Hoogte);
    } else if (f.Vorm == 1) {
      // The diameter is the width, whatever the height says.
      const QRectF cirkel = QRectF(s.naarPixels(QRectF(-f.Breedte / 2, -f.Breedte / 2, f.Breedte, f.Breedte)));
      p.setPen(QPen(grijs, 1));
      p.setBrush(grijs);
      p.drawEllipse(cirkel.adjusted(0.5, 0.5, -0.5, -0.5));
      vorm_ = QStringLiteral("Rond");
      afmeting_ = QStringLiteral("Diam. ") + GetalTekst(f.Breedte);
    }
  }
  achtergrond_ = beeld_.copy();
}

Apparaat EtiketBeeld::SchermApparaat() const {
  const SchermSchaal& s = ontwerp_.Schaal;
  return {1.0f / s.MmPerPixelX, 1.0f / s.MmPerPixelY, s.MargeX, s.MargeY};
}

QRect EtiketBeeld::PixelRechthoek(const Voorwerp& v) const {
  const Apparaat a = SchermApparaat();
  const EtiketFormaat& f = Formaat();
  QRect r = v.Soort == Tekstlijn ? TekstRechthoek(v, f, a) : FiguurRechthoek(v, f, a);
  return r.adjusted(-1, -1, 1, 1);
}

void EtiketBeeld::TekenVoorwerp(int index) {
  QPainter p(&beeld_);
  p.setRenderHint(QPainter::Antialiasing);
  TekenVoorwerpOpDC(ontwerp_.voorwerp(index), Formaat(), p, SchermApparaat());
}

void EtiketBeeld::MarkeerOverlappende() {
  Ontwerp& o = ontwerp_;
  for (int e = 1; e <= o.AantalVoorwerpen; ++e) {
    Voorwerp& v = o.voorwerp(e);
    if (v.TeHertekenen) continue;
    const ::Gebied ge = GebiedVan(v);
    for (const ::Gebied& g : o.HertekenGebieden) {
      if (Overlappen(ge, g)) {
        v.TeHertekenen = true;
        break;
      }
    }
  }
}

QRegion EtiketBeeld::Hertekenen() {
  MarkeerOverlappende();
  Ontwerp& o = ontwerp_;
  const SchermSchaal& s = o.Schaal;
  // What must be painted afresh: the noted areas and the marked elements.
  QRegion vuil;
  for (const Gebied& g : o.HertekenGebieden)
    vuil += s.naarPixels(QRectF(g.Links, g.Boven, g.Breedte, g.Hoogte)).adjusted(-1, -1, 1, 1);
  for (int e = 1; e <= o.AantalVoorwerpen; ++e)
    if (o.voorwerp(e).TeHertekenen) vuil += PixelRechthoek(o.voorwerp(e));
  vuil &= beeld_.rect();

  if (!vuil.isEmpty()) {
    QPainter p(&beeld_);
    p.setClipRegion(vuil);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, achtergrond_);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setRenderHint(QPainter::Antialiasing);
    const Apparaat a = SchermApparaat();
    // Everything lying in the repainted area is drawn again in table order,
    // so the result equals a full repaint there.
    for (int e = 1; e <= o.AantalVoorwerpen; ++e) {
      const Voorwerp& v = o.voorwerp(e);
      if (vuil.intersects(PixelRechthoek(v))) TekenVoorwerpOpDC(v, Formaat(), p, a);
    }
  }
  for (int e = 1; e <= o.AantalVoorwerpen; ++e) o.voorwerp(e).TeHertekenen = false;
  o.HertekenGebieden.clear();
  return vuil;
}

void EtiketBeeld::TekenAlles() {
  TekenVorm();
  QPainter p(&beeld_);
  p.setRenderHint(QPainter::Antialiasing);
  const Apparaat a = SchermApparaat();
  for (int e = 1; e <= ontwerp_.AantalVoorwerpen; ++e) TekenVoorwerpOpDC(ontwerp_.voorwerp(e), Formaat(), p, a);
}

void EtiketBeeld::VerbergAlles() {
  Ontwerp& o = ontwerp_;
  if (o.Verborgen == 0) {
    for (int i = 1; i <= o.AantalVoorwerpen; ++i) o.kader(i).Zichtbaar = false;
    o.Bezig = true;
  }
  --o.Verborgen;
}

void EtiketBeeld::ToonAlles() {
  Ontwerp& o = ontwerp_;
  ++o.Verborgen;
  if (o.Verborgen == 0) {
    if (o.AantalVoorwerpen > 0) PlaatsHandvaten();
    for (int i = 1; i <= o.AantalVoorwerpen; ++i) {
      SelectieKader& k = o.kader(i);
      k.Zichtbaar = true;
      k.Rand = o.Geselecteerd(i) ? 2 : 1;
    }
    o.Bezig = false;
  }
}

void EtiketBeeld::PlaatsHandvaten() {
  const Ontwerp& o = ontwerp_;
  const SchermSchaal& s = o.Schaal;
  VerbergHandvaten();
  // Start inverted on the picture and widen by every selected element.
  selectie_ = {s.ScaleLeft + s.ScaleWidth, s.ScaleTop + s.ScaleHeight, s.ScaleLeft, s.ScaleTop};
  for (int i = 1; i <= o.AantalVoorwerpen; ++i) {
    if (!o.Geselecteerd(i)) continue;
    const Voorwerp& v = o.voorwerp(i);
    selectie_.Links = std::min(selectie_.Links, v.Links);
    selectie_.Rechts = std::max(selectie_.Rechts, v.Links + v.Breedte);
    selectie_.Boven = std::min(selectie_.Boven, v.Boven);
    selectie_.Onder = std::max(selectie_.Onder, v.Boven + v.Hoogte);
  }
  const float maat = 120 * s.SchaalMmPerTwip, h = maat / 2;
  const float l = selectie_.Links, r = selectie_.Rechts, m = (l + r) / 2;
  const float b = selectie_.Boven, o2 = selectie_.Onder, mv = (b + o2) / 2;
  const QPointF midden[8] = {{l, b}, {m, b}, {r, b}, {r, mv}, {r, o2}, {m, o2}, {l, o2}, {l, mv}};
  // With nothing selected the inverted box would put them on the picture's
  // edges: they stay hidden instead.
  const bool tonen = o.Verborgen == 0 && o.AantalVoorwerpen >= 1 && o.AantalGeselecteerd > 0;
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
  const Ontwerp& o = ontwerp_;
  const SchermSchaal& s = o.Schaal;
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setBrush(Qt::NoBrush);
  for (int i = 1; i <= o.AantalVoorwerpen; ++i) {
    const SelectieKader& k = o.kader(i);
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
