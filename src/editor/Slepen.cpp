#include "editor/Slepen.h"

#include <cmath>

#include "model/Afronden.h"
#include "model/Kenmerken.h"

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
  Kader s = r.selectie;
  if (!r.AlleenHorizontaal && r.StartY != r.AnkerY) {
    const float fy = (y - r.AnkerY) / (r.StartY - r.AnkerY);
    s.Boven = r.AnkerY + (r.selectie.Boven - r.AnkerY) * fy;
    s.Onder = r.AnkerY + (r.selectie.Onder - r.AnkerY) * fy;
  }
  if (!r.AlleenVerticaal && r.StartX != r.AnkerX) {
    const float fx = (x - r.AnkerX) / (r.StartX - r.AnkerX);
    s.Links = r.AnkerX + (r.selectie.Links - r.AnkerX) * fx;
    s.Rechts = r.AnkerX + (r.selectie.Rechts - r.AnkerX) * fx;
  }
  return s;
}

NieuwVak RekVoorwerp(const Voorwerp& v, const Rekking& r, const Kader& schaduw) {
  const Kader& sel = r.selectie;
  const float sy = std::fabs(schaduw.Onder - schaduw.Boven) / (sel.Onder - sel.Boven);
  const float sx = std::fabs(schaduw.Rechts - schaduw.Links) / (sel.Rechts - sel.Links);
  NieuwVak n;
  if (v.Soort() == Tekstlijn) {
    n.Lettergrootte = qint16(std::floor(v.tekst().Lettergrootte * sy));
    n.Hoogte = HoogteVoorPunten(n.Lettergrootte);
  } else {
    n.Hoogte = sy * v.Hoogte;
  }
  n.Boven = (v.Boven - sel.Boven) * sy + schaduw.Boven;
  n.Links = (v.Links - sel.Links) * sx + schaduw.Links;
  n.Breedte = sx * v.Breedte;
  if (!r.Bijsnijden || v.Soort() != Figuur || v.Breedte <= 0 || v.Hoogte <= 0) return n;

  // The picture keeps its scale on the label; the box cuts out another part.
  qint32 bx = RondAf((n.Links - v.Links) / v.Breedte * v.beeld().BronBreedte + v.beeld().BronX);
  qint32 by = RondAf((n.Boven - v.Boven) / v.Hoogte * v.beeld().BronHoogte + v.beeld().BronY);
  if (bx < 0) {
    const float links = v.Links - float(v.beeld().BronX) / float(v.beeld().BronBreedte) * v.Breedte;
    n.Breedte += n.Links - links;
    n.Links = links;
    bx = 0;
  }
  if (by < 0) {
    const float boven = v.Boven - float(v.beeld().BronY) / float(v.beeld().BronHoogte) * v.Hoogte;
    n.Hoogte += n.Boven - boven;
    n.Boven = boven;
    by = 0;
  }
  qint32 bw = RondAf(n.Breedte / v.Breedte * v.beeld().BronBreedte);
  qint32 bh = RondAf(n.Hoogte / v.Hoogte * v.beeld().BronHoogte);
  if (bx + bw > v.beeld().BeeldBreedte) {
    bw = v.beeld().BeeldBreedte - bx;
    n.Breedte = float(bw) / float(v.beeld().BronBreedte) * v.Breedte;
  }
  if (by + bh > v.beeld().BeeldHoogte) {
    bh = v.beeld().BeeldHoogte - by;
    n.Hoogte = float(bh) / float(v.beeld().BronHoogte) * v.Hoogte;
  }
  n.BronX = bx;
  n.BronY = by;
  n.BronBreedte = bw;
  n.BronHoogte = bh;
  return n;
}
