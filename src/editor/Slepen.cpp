#include "editor/Slepen.h"

#include <algorithm>
#include <cmath>

#include "files/EtiketBestand.h"
#include "model/Afronden.h"
#include "model/Kenmerken.h"

namespace editor {

Verplaatsing BeginVerplaatsen(const Kader& selectie, float x, float y, bool eenRichting) {
  return {selectie, x, y, eenRichting};
}

Kader Verplaatsen(const Verplaatsing& v, float x, float y) {
  if (v.EenRichting) {
    const float dx = std::fabs(x - (v.selectie.Links + v.GrijpX));
    const float dy = std::fabs(y - (v.selectie.Boven + v.GrijpY));
    if (dy >= dx) x = v.selectie.Links + v.GrijpX;
    else y = v.selectie.Boven + v.GrijpY;
  }
  const float breedte = v.selectie.Rechts - v.selectie.Links, hoogte = v.selectie.Onder - v.selectie.Boven;
  Kader s;
  s.Links = x - v.GrijpX;
  s.Boven = y - v.GrijpY;
  s.Rechts = s.Links + breedte;
  s.Onder = s.Boven + hoogte;
  return s;
}

namespace {
// The shift that brings the nearest of the box's lines (start, middle, end)
// onto a target, within `afstand`; 0 when none is that near.
float Kleefstap(float begin, float eind, float maat, float raster, float afstand) {
  const float lijnen[3] = {begin, (begin + eind) / 2, eind};
  float beste = 0, kleinste = afstand;
  bool gevonden = false;
  const auto probeer = [&](float lijn, float doel) {
    const float d = doel - lijn;
    if (std::fabs(d) <= kleinste) {
      kleinste = std::fabs(d);
      beste = d;
      gevonden = true;
    }
  };
  for (float lijn : lijnen) {
    for (float doel : {-maat / 2, 0.0f, maat / 2}) probeer(lijn, doel);
    // Grid lines count from the label's edge, as a ruler on it would.
    if (raster > 0) probeer(lijn, std::round((lijn + maat / 2) / raster) * raster - maat / 2);
  }
  return gevonden ? beste : 0;
}
}  // namespace

Kader Kleef(const Kader& s, const Kleefpunten& k) {
  const float dx = Kleefstap(s.Links, s.Rechts, k.EtiketBreedte, k.Raster, k.Afstand);
  const float dy = Kleefstap(s.Boven, s.Onder, k.EtiketHoogte, k.Raster, k.Afstand);
  return {s.Links + dx, s.Boven + dy, s.Rechts + dx, s.Onder + dy};
}

Rekking BeginRekken(const Kader& s, int handvat, bool shift, bool ctrl, bool bijsnijden) {
  Rekking r;
  r.selectie = s;
  r.Handvat = handvat;
  r.Bijsnijden = bijsnijden;
  const float mx = (s.Links + s.Rechts) / 2, my = (s.Boven + s.Onder) / 2;
  struct Punt {
    float x, y;
  };
  // Anchor and dragged point of each handle, clockwise from the top left.
  const Punt anker[8] = {{s.Rechts, s.Onder}, {mx, s.Onder}, {s.Links, s.Onder}, {s.Links, my},
                         {s.Links, s.Boven},  {mx, s.Boven}, {s.Rechts, s.Boven}, {s.Rechts, my}};
  const Punt start[8] = {{s.Links, s.Boven}, {mx, s.Boven}, {s.Rechts, s.Boven}, {s.Rechts, my},
                         {s.Rechts, s.Onder}, {mx, s.Onder}, {s.Links, s.Onder}, {s.Links, my}};
  r.AnkerX = anker[handvat].x;
  r.AnkerY = anker[handvat].y;
  r.StartX = start[handvat].x;
  r.StartY = start[handvat].y;
  r.AlleenVerticaal = handvat == 1 || handvat == 5;
  r.AlleenHorizontaal = handvat == 3 || handvat == 7;
  if (shift) {
    r.AnkerX = mx;
    r.AnkerY = my;
  }
  r.Evenredig = ctrl && handvat % 2 == 0;
  if (r.Evenredig && r.StartY != r.AnkerY) r.Verhouding = (r.StartX - r.AnkerX) / (r.StartY - r.AnkerY);
  else r.Evenredig = false;
  return r;
}

Rekking BeginBijsnijden(const Kader& selectie, int handvat, bool shift, bool ctrl, const Voorwerp& figuur) {
  Rekking r = BeginRekken(selectie, handvat, shift, ctrl, true);
  const Beelddeel& b = figuur.beeld();
  if (b.BronBreedte > 0) r.KleinsteBreedte = figuur.Breedte / float(b.BronBreedte);
  if (b.BronHoogte > 0) r.KleinsteHoogte = figuur.Hoogte / float(b.BronHoogte);
  return r;
}

Kader Rekken(const Rekking& r, float muisX, float muisY) {
  float x = muisX, y = muisY;
  if (r.Evenredig) {
    // On the box's diagonal, at the pointer's distance from the anchor.
    const float d2 = (muisX - r.AnkerX) * (muisX - r.AnkerX) + (muisY - r.AnkerY) * (muisY - r.AnkerY);
    const float t = std::sqrt(d2 / (r.Verhouding * r.Verhouding + 1));
    const float teken = muisY >= r.AnkerY ? 1.0f : -1.0f;
    y = teken * t + r.AnkerY;
    x = (y - r.AnkerY) * r.Verhouding + r.AnkerX;
  }
  // The shadow's size is the selection's times the factor, so a crop's
  // factor keeps above the smallest size (and never turns negative).
  auto factor = [&](float f, float lengte, float kleinste) {
    return r.Bijsnijden && lengte > 0 ? std::max(f, kleinste / lengte) : f;
  };
  Kader s = r.selectie;
  if (!r.AlleenHorizontaal && r.StartY != r.AnkerY) {
    const float fy =
        factor((y - r.AnkerY) / (r.StartY - r.AnkerY), r.selectie.Onder - r.selectie.Boven, r.KleinsteHoogte);
    s.Boven = r.AnkerY + (r.selectie.Boven - r.AnkerY) * fy;
    s.Onder = r.AnkerY + (r.selectie.Onder - r.AnkerY) * fy;
  }
  if (!r.AlleenVerticaal && r.StartX != r.AnkerX) {
    const float fx =
        factor((x - r.AnkerX) / (r.StartX - r.AnkerX), r.selectie.Rechts - r.selectie.Links, r.KleinsteBreedte);
    s.Links = r.AnkerX + (r.selectie.Links - r.AnkerX) * fx;
    s.Rechts = r.AnkerX + (r.selectie.Rechts - r.AnkerX) * fx;
  }
  return s;
}

namespace {

// One direction of a crop: the box's new start and length (mm) become the
// part of the picture they cover at the figure's scale (oud: the box, bron:
// the part shown now, beeld: the whole picture, in dots). The part is kept
// within the picture and at least one dot long, and where that stops it the
// box follows.
void SnijAs(float oudBegin, float oudLengte, qint32 bron, qint32 bronLengte, qint32 beeldLengte, float& begin,
            float& lengte, qint32& nieuwBron, qint32& nieuwLengte) {
  qint32 x = RondAf((begin - oudBegin) / oudLengte * bronLengte + bron);
  if (x < 0) {
    const float rand = oudBegin - float(bron) / float(bronLengte) * oudLengte;
    lengte += begin - rand;
    begin = rand;
    x = 0;
  } else if (x > beeldLengte - 1) {
    x = beeldLengte - 1;
    begin = oudBegin + float(x - bron) / float(bronLengte) * oudLengte;
  }
  qint32 w = RondAf(lengte / oudLengte * bronLengte);
  if (w < 1) {
    w = 1;
    lengte = oudLengte / float(bronLengte);
  }
  if (x + w > beeldLengte) {
    w = beeldLengte - x;
    lengte = float(w) / float(bronLengte) * oudLengte;
  }
  nieuwBron = x;
  nieuwLengte = w;
}

}  // namespace

NieuwVak RekVoorwerp(const Voorwerp& v, const Rekking& r, const Kader& schaduw) {
  const Kader& sel = r.selectie;
  const float sy = std::fabs(schaduw.Onder - schaduw.Boven) / (sel.Onder - sel.Boven);
  const float sx = std::fabs(schaduw.Rechts - schaduw.Links) / (sel.Rechts - sel.Links);
  NieuwVak n;
  if (v.Soort() == SoortVoorwerp::Tekstlijn) {
    n.Lettergrootte = std::floor(v.tekst().Lettergrootte * double(sy));
    n.Hoogte = HoogteVoorPunten(n.Lettergrootte);
  } else {
    n.Hoogte = sy * v.Hoogte;
  }
  n.Boven = (v.Boven - sel.Boven) * sy + schaduw.Boven;
  n.Links = (v.Links - sel.Links) * sx + schaduw.Links;
  n.Breedte = sx * v.Breedte;
  if (!r.Bijsnijden || v.Soort() != SoortVoorwerp::Figuur) return n;

  const Beelddeel& b = v.beeld();
  if (!(v.Breedte > 0) || !(v.Hoogte > 0) || b.BronBreedte <= 0 || b.BronHoogte <= 0 || b.BeeldBreedte <= 0 ||
      b.BeeldHoogte <= 0) {
    // No part of a picture shows: there is nothing to crop.
    n = {v.Links, v.Boven, v.Breedte, v.Hoogte, 0, b.BronX, b.BronY, b.BronBreedte, b.BronHoogte};
    return n;
  }
  // The picture keeps its scale on the label; the box cuts out another part.
  SnijAs(v.Links, v.Breedte, b.BronX, b.BronBreedte, b.BeeldBreedte, n.Links, n.Breedte, n.BronX, n.BronBreedte);
  SnijAs(v.Boven, v.Hoogte, b.BronY, b.BronHoogte, b.BeeldHoogte, n.Boven, n.Hoogte, n.BronY, n.BronHoogte);
  return n;
}

bool KanBewaren(const NieuwVak& n, SoortVoorwerp soort) {
  if (soort == SoortVoorwerp::Tekstlijn && !(n.Lettergrootte >= -32768 && n.Lettergrootte <= 32767)) return false;
  return KanBewaren(n.Links, n.Boven) && MaatPast(n.Breedte) && MaatPast(n.Hoogte);
}

bool KanBewaren(float links, float boven) { return MaatPast(links) && MaatPast(boven); }

}  // namespace editor
