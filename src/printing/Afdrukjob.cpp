#include "printing/Afdrukjob.h"

#include <QIODevice>
#include <algorithm>

#include "model/Afronden.h"
#include "printing/Sbpl.h"

namespace {

struct Schrijver {
  QIODevice& uit;
  bool fout = false;
  void operator()(const QByteArray& b) {
    if (!fout && uit.write(b) != b.size()) fout = true;
  }
};

}  // namespace

QByteArray AfsluitReeks() { return sbpl::Aantal(1) + sbpl::EindeVel(); }

Jobuitkomst AfdrukkenSATO(const Afdrukopdracht& o, VelStand& stand, const LabelBlok& label, QIODevice& uit,
                          const Voortgang& voortgang) {
  const EtiketFormaat& f = o.formaat;
  Schrijver schrijf{uit};
  int rij = stand.VelOpen ? stand.VolgendeRij : 1;
  int kolom = stand.VelOpen ? stand.VolgendeKolom : 1;
  const float x0 = f.LinkerOffset + o.HorizontalShift;
  const float y0 = f.BovenOffset + o.VerticalShift;
  float x = float(kolom - 1) * f.HorizontaleSteek + x0;
  float y = float(rij - 1) * f.VerticaleSteek + y0;
  int q = 1;
  bool gestopt = false;
  const int perVel = std::max(1, int(f.Rijen) * int(f.Kolommen));
  // A sheet held open counts as the first one.
  int vellen = stand.VelOpen ? 1 : 0;
  for (int n : o.reeks.Nummers()) {
    if (voortgang && voortgang(n, o.reeks.tot)) {
      gestopt = true;
      break;
    }
    for (int gedaan = 0; gedaan < o.Aantal && !schrijf.fout;) {
      if (rij == 1 && kolom == 1) {
        if (o.GrootsteVellen > 0 && vellen == o.GrootsteVellen) {
          gestopt = true;
          break;
        }
        ++vellen;
        q = std::max(1, (o.Aantal - gedaan) / perVel);
        schrijf(sbpl::StartVel() + sbpl::Snelheid(o.PrintSpeed) + sbpl::Intensiteit(o.Intensity));
      }
      schrijf(label(x, y, n));
      gedaan += q;
      ++kolom;
      x += f.HorizontaleSteek;
      if (kolom > f.Kolommen) {
        x = x0;
        y += f.VerticaleSteek;
        ++rij;
        kolom = 1;
      }
      if (rij > f.Rijen) {
        schrijf(sbpl::Aantal(q) + sbpl::EindeVel());
        rij = 1;
        kolom = 1;
        x = x0;
        y = y0;
      }
    }
    if (schrijf.fout || gestopt) break;
  }
  if (gestopt) q = 1;
  VelStand nieuw;
  if (!o.Spaarstand) {
    if (rij != 1 || kolom != 1) schrijf(sbpl::Aantal(q) + sbpl::EindeVel());
  } else {
    nieuw.VelOpen = rij != 1 || kolom != 1;
    nieuw.VolgendeRij = qint16(rij);
    nieuw.VolgendeKolom = qint16(kolom);
  }
  if (schrijf.fout) return Jobuitkomst::Schrijffout;
  stand = nieuw;
  return gestopt ? Jobuitkomst::Gestopt : Jobuitkomst::Klaar;
}

int GrootstePositie(const Afdrukopdracht& o, int ppm) {
  const EtiketFormaat& f = o.formaat;
  const float x = f.LinkerOffset + o.HorizontalShift + float(std::max<int>(0, f.Kolommen - 1)) * f.HorizontaleSteek;
  const float y = f.BovenOffset + o.VerticalShift + float(std::max<int>(0, f.Rijen - 1)) * f.VerticaleSteek;
  return std::max(RondAf(std::max(0.0f, x) * float(ppm)), RondAf(std::max(0.0f, y) * float(ppm)));
}
