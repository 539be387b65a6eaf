#include "figures/Schikken.h"

#include <cmath>

#include "figures/Figuur.h"
#include "model/MinMax.h"

namespace figures {

namespace {
int EnigeFiguur(const Ontwerp& o) {
  if (o.AantalFiguren() != 1) return 0;
  for (int i = 1; i <= o.AantalVoorwerpen(); ++i)
    if (o.voorwerp(i).Soort() == SoortVoorwerp::Figuur) return i;
  return 0;
}
}  // namespace

void AllesUitlijnen(Ontwerp& o, qint16 uitlijning) {
  for (int i = 1; i <= o.AantalVoorwerpen(); ++i) {
    Voorwerp& v = o.voorwerp(i);
    if (v.Soort() != SoortVoorwerp::Tekstlijn) continue;
    v.tekst().Uitlijning = uitlijning;
  }
}

void AutomatischVerdelen(Ontwerp& o, const EtiketFormaat& f, qint16 positie) {
  const float W = f.Breedte, H = f.Hoogte;
  float lf = -W / 2, rf = W / 2, tf = -H / 2, bf = H / 2;
  if (const int fig = EnigeFiguur(o)) {
    const Voorwerp& v = o.voorwerp(fig);
    switch (positie) {
      case FiguurLinks: lf = v.Links + v.Breedte + 0.05f * W; break;
      case FiguurRechts: rf = v.Links - 0.05f * W; break;
      case FiguurBoven: tf = v.Boven + v.Hoogte + 0.05f * H; break;
      case FiguurOnder: bf = v.Boven - 0.05f * H; break;
      default: break;
    }
  }
  if (o.AantalLijnen() == 0) return;
  float som = 0;
  for (int i = 1; i <= o.AantalVoorwerpen(); ++i)
    if (o.voorwerp(i).Soort() == SoortVoorwerp::Tekstlijn) som += o.voorwerp(i).Hoogte;
  const float g = (bf - tf - som) / float(o.AantalLijnen() + 1);
  float y = tf + g;
  for (int i = 1; i <= o.AantalVoorwerpen(); ++i) {
    const Voorwerp& v = o.voorwerp(i);
    if (v.Soort() != SoortVoorwerp::Tekstlijn) continue;
    float links, rechts;
    if (f.Vorm == 1) {
      const float yc = y + v.Hoogte / 2;
      const float c = std::fabs(W / 2) >= std::fabs(yc) ? std::sqrt((W / 2) * (W / 2) - yc * yc) : 1.0f;
      links = Maximum(-c, lf);
      rechts = Minimum(c, rf);
    } else {
      links = Maximum(-W / 2, lf);
      rechts = Minimum(W / 2, rf);
    }
    float boven = y, breedte = rechts - links, hoogte = v.Hoogte;
    y += v.Hoogte + g;
    o.PlaatsVoorwerp(i, links, boven, breedte, hoogte);
  }
}

void PlaatsNieuweLijn(Ontwerp& o, const EtiketFormaat& f, int index) {
  const float W = f.Breedte, H = f.Hoogte;
  float links = -W / 2, boven = -H / 2, breedte = W, hoogte = o.voorwerp(index).Hoogte;
  for (int j = index - 1; j >= 1; --j) {
    const Voorwerp& vorige = o.voorwerp(j);
    if (vorige.Soort() != SoortVoorwerp::Tekstlijn) continue;
    const float onder = vorige.Boven + vorige.Hoogte;
    // A line moved off the label, or no room left under it: from the top again.
    if (onder >= -H / 2 && onder + hoogte <= H / 2) boven = onder;
    break;
  }
  o.PlaatsVoorwerp(index, links, boven, breedte, hoogte);
}

bool PlaatsFiguur(Ontwerp& o, const EtiketFormaat& f, FiguurPositie positie) {
  if (o.AantalFiguren() > 1) return false;
  const int fig = EnigeFiguur(o);
  if (fig == 0) return true;
  const float W = f.Breedte, H = f.Hoogte;
  const bool boven = positie == FiguurBoven || positie == FiguurOnder;
  if (boven) SchaalFiguur(o, fig, 0.9f * W, H / 3);
  else SchaalFiguur(o, fig, W / 3, 0.9f * H);
  Voorwerp& v = o.voorwerp(fig);
  float links = 0, top = 0, breedte = v.Breedte, hoogte = v.Hoogte;
  qint16 uitlijning = 2;
  switch (positie) {
    case FiguurBoven: links = -breedte / 2, top = -0.45f * H; break;
    case FiguurOnder: links = -breedte / 2, top = 0.45f * H - hoogte; break;
    case FiguurLinks: links = -0.45f * W, top = -hoogte / 2, uitlijning = 0; break;
    case FiguurRechts: links = 0.45f * W - breedte, top = -hoogte / 2, uitlijning = 1; break;
    default: return true;
  }
  o.PlaatsVoorwerp(fig, links, top, breedte, hoogte);
  AllesUitlijnen(o, uitlijning);
  AutomatischVerdelen(o, f, positie);
  return true;
}

QString TeveelFigurenTekst() {
  return QStringLiteral("U kunt automatische combinatie van\rtekst en figuren slechts gebruiken\r"
                        "als er één figuur op het ontwerp staat.");
}

}  // namespace figures
