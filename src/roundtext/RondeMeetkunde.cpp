#include "roundtext/RondeMeetkunde.h"

#include <cmath>

#include "model/Afronden.h"
#include "model/MinMax.h"

namespace roundtext {

qint32 RondeCelhoogte(qint16 punten) { return RondAf(punten * PuntNaarDot); }

double Werkstraal(float straal, const LetterMaten& m) {
  return double(straal) * RondeResolutie + m.IL - m.H;
}

double BoogHoek(double totaal, double werkstraal, bool wijzerzin) {
  return (wijzerzin ? -1.0 : 1.0) * totaal / werkstraal;
}

double StartHoek(float referentiepunt, qint16 uitlijning, double boog) {
  const double a = double(referentiepunt) / 180 * RondePi;
  switch (uitlijning) {
    case 1: return a - boog;
    case 2: return a - boog / 2;
    default: return a;  // 0, and modes this program never makes
  }
}

bool PasseertHoek(double van, double tot, double hoek) {
  // The first turn of hoek at or after the arc's start.
  const double eerste = hoek + std::ceil((van - hoek) / VolleCirkel) * VolleCirkel;
  return eerste <= tot;
}

RondKader BerekenKader(float straal, double start, double boog, const LetterMaten& m) {
  RondKader k;
  const double R = straal;
  if (std::fabs(static_cast<float>(boog)) >= static_cast<float>(VolleCirkel)) {
    // The text goes round at least once: the box is the whole circle.
    k.VolleCirkel = true;
    k.Breedte = k.Hoogte = RondAf(24.0 * R);
    k.MiddenX = RondAf(k.Breedte / 2.0);
    k.MiddenY = RondAf(k.Hoogte / 2.0);
    k.MinX = k.MinY = -R;
    k.MaxX = k.MaxY = R;
    return k;
  }
  const double binnen = R - double(m.H - m.EL) / RondeResolutie;
  const double f1 = Minimum(start, start + boog), f2 = Maximum(start, start + boog);
  const double x1 = -R * std::sin(f1), y1 = -R * std::cos(f1);
  const double x2 = -R * std::sin(f2), y2 = -R * std::cos(f2);
  const double x3 = -binnen * std::sin(f1), y3 = -binnen * std::cos(f1);
  const double x4 = -binnen * std::sin(f2), y4 = -binnen * std::cos(f2);
  k.MinX = Minimum(x1, x2, x3, x4);
  k.MaxX = Maximum(x1, x2, x3, x4);
  k.MinY = Minimum(y1, y2, y3, y4);
  k.MaxY = Maximum(y1, y2, y3, y4);
  // Where the arc runs over the top, left, bottom or right of the circle the
  // outer edge of the lettering reaches further than its end points.
  if (PasseertHoek(f1, f2, 0)) k.MinY = -R;
  if (PasseertHoek(f1, f2, RondePi / 2)) k.MinX = -R;
  if (PasseertHoek(f1, f2, RondePi)) k.MaxY = R;
  if (PasseertHoek(f1, f2, 3 * RondePi / 2)) k.MaxX = R;
  k.Breedte = RondAf(std::fabs(k.MaxX - k.MinX) * RondeResolutie);
  k.Hoogte = RondAf(std::fabs(k.MaxY - k.MinY) * RondeResolutie);
  k.MiddenX = RondAf(-k.MinX * RondeResolutie);
  k.MiddenY = RondAf(-k.MinY * RondeResolutie);
  return k;
}

namespace {

qint32 TiendenGraad(double e) {
  // Far beyond any whole turn only the rotation itself matters, and the
  // value must still fit a whole number.
  if (std::fabs(e) >= 1e9) e = std::fmod(e, 3600.0);
  return RondAf(e);
}

}  // namespace

KarakterPlek PlekVanKarakter(double hoek, double advance, double werkstraal, const LetterMaten& m, qint32 cx,
                             qint32 cy, bool wijzerzin) {
  KarakterPlek p;
  p.Hoek = hoek;
  p.Advance = advance;
  const double s = std::sin(hoek), c = std::cos(hoek), half = advance / 2;
  if (wijzerzin) {
    // The cell stands outside the working circle with its top outward.
    const double rho = werkstraal + m.H;
    p.X = RondAf(cx - rho * s - half * c);
    p.Y = RondAf(cy - rho * c + half * s);
    p.Escapement = TiendenGraad(hoek * 1800 / RondePi);
  } else {
    // The cell lies inside, its top toward the centre: turned half a turn.
    const double rho = werkstraal - m.IL;
    p.X = RondAf(cx - rho * s + half * c);
    p.Y = RondAf(cy - rho * c - half * s);
    p.Escapement = TiendenGraad(hoek * 1800 / RondePi + 1800);
  }
  return p;
}

RondeZetting ZetRondeTekst(const RondeOpmaak& opmaak, const LetterMaten& m, const std::vector<double>& advances,
                           const MeetAdvance& meet) {
  RondeZetting z;
  const double r = Werkstraal(opmaak.Straal, m);
  const double s = opmaak.Wijzerzin ? -1.0 : 1.0;
  double totaal = 0;
  for (double w : advances) totaal += w;
  for (int pas = 1; pas <= 2; ++pas) {
    z.Passen = pas;
    z.Boog = BoogHoek(totaal, r, opmaak.Wijzerzin);
    z.Start = StartHoek(opmaak.Referentiepunt, opmaak.Uitlijning, z.Boog);
    z.Kader = BerekenKader(opmaak.Straal, z.Start, z.Boog, m);
    z.Plekken.clear();
    z.Plekken.reserve(advances.size());
    double a = z.Start, gemeten = 0;
    qint32 escapement = 0;  // the first character is measured upright
    for (size_t i = 0; i < advances.size(); ++i) {
      const double w = meet ? meet(int(i), escapement) : advances[i];
      gemeten += w;
      const double delta = s * w / r;
      a += delta / 2;
      z.Plekken.push_back(PlekVanKarakter(a, w, r, m, z.Kader.MiddenX, z.Kader.MiddenY, opmaak.Wijzerzin));
      escapement = z.Plekken.back().Escapement;
      a += delta / 2;
    }
    if (gemeten == totaal) break;
    totaal = gemeten;
  }
  return z;
}

RondeZetting ZetRondeBoog(const RondeOpmaak& opmaak, const LetterMaten& m, const std::vector<double>& advances) {
  // The first pass of ZetRondeTekst, which is its only one when the
  // advances are not measured again: the same sums in the same order.
  RondeZetting z;
  const double r = Werkstraal(opmaak.Straal, m);
  double totaal = 0;
  for (double w : advances) totaal += w;
  z.Passen = 1;
  z.Boog = BoogHoek(totaal, r, opmaak.Wijzerzin);
  z.Start = StartHoek(opmaak.Referentiepunt, opmaak.Uitlijning, z.Boog);
  z.Kader = BerekenKader(opmaak.Straal, z.Start, z.Boog, m);
  return z;
}

}  // namespace roundtext
