#include "files/EtiketToepassen.h"

#include "files/LeesEtiket.h"
#include "model/Ontwerp.h"

namespace files {

namespace {
void Plaats(Ontwerp& o, int i, float l, float b, float br, float h) { o.PlaatsVoorwerp(i, l, b, br, h); }
}  // namespace

void PasEtiketToe(const GelezenEtiket& g, Ontwerp& o, const std::function<void(Ontwerp&, int)>& maakRondeTekst) {
  o.HuidigFormaat = qint16(g.HuidigFormaat);
  o.BestType = g.BestType;
  if (g.Lijstbestand) {
    // The list itself is read by whoever prints: the editor or vellora-print.
    o.nummering.LijstBestand = g.Lijstbestand->Pad;
    o.nummering.Kopregel = g.Lijstbestand->Kopregel;
    o.nummering.AantalKolom = g.Lijstbestand->AantalKolom;
    o.nummering.Rijkeuze = g.Lijstbestand->Rijkeuze;
    o.nummering.LijstOnthouden = true;
  }
  for (const TekstlijnRecord& r : g.Lijnen) {
    const int i = o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn);
    ZetTekstlijn(o.voorwerp(i), r);
    Plaats(o, i, r.Links, r.Boven, r.Breedte, r.Hoogte);
  }
  for (const FiguurRecord& r : g.Figuren) {
    const int i = o.NieuwVoorwerp(SoortVoorwerp::Figuur);
    Voorwerp& v = o.voorwerp(i);
    v.beeld().ZetAfbeelding(FiguurBeeld(r), r.Afbeelding.width(), r.Afbeelding.height());
    v.alsFiguur()->omzetting = r.omzetting;
    if (r.MetBron) {
      v.beeld().BronX = r.BronX;
      v.beeld().BronY = r.BronY;
      v.beeld().BronBreedte = r.BronBreedte;
      v.beeld().BronHoogte = r.BronHoogte;
    }
    Plaats(o, i, r.Links, r.Boven, r.Breedte, r.Hoogte);
  }
  for (const RondeTekstRecord& r : g.RondeTeksten) {
    const int i = o.NieuwVoorwerp(SoortVoorwerp::RondeTekst);
    ZetRondeTekst(o.voorwerp(i), r);
    if (maakRondeTekst) maakRondeTekst(o, i);
    Plaats(o, i, r.Links, r.Boven, r.Breedte, r.Hoogte);
  }
  for (const StreepjescodeRecord& r : g.Streepjescodes) {
    const int i = o.NieuwVoorwerpOp(r.Index, SoortVoorwerp::Streepjescodevoorwerp);
    o.voorwerp(i).code() = r.Code;
    Plaats(o, i, r.Links, r.Boven, r.Breedte, r.Hoogte);
  }
}

}  // namespace files
