#include "roundtext/RondeTekstOpdrachten.h"

#include "model/MinMax.h"
#include "roundtext/RondeTekst.h"

float StandaardStraal(const EtiketFormaat& formaat) { return Minimum(formaat.Breedte, formaat.Hoogte) / 2 - 2; }

RondeTekstGegevens NieuweRondeTekst(const EtiketFormaat& formaat, const QString& lettertype, qint16 lettergrootte,
                                    bool vet, bool cursief, qint16 uitlijning) {
  RondeTekstGegevens g;
  g.Tekst = QStringLiteral("Typ hier uw tekst");
  g.Lettertype = lettertype;
  g.Lettergrootte = lettergrootte;
  g.Vet = vet;
  g.Cursief = cursief;
  g.Uitlijning = uitlijning;
  g.Straal = StandaardStraal(formaat);
  g.Spatiering = 100;
  g.Wijzerzin = true;
  g.Referentiepunt = 0;
  return g;
}

RondeTekstGegevens GegevensVan(const Voorwerp& v) {
  RondeTekstGegevens g;
  g.Tekst = v.Tekst;
  g.Lettertype = v.Lettertype;
  g.Lettergrootte = v.Lettergrootte;
  g.Vet = v.Vet;
  g.Cursief = v.Cursief;
  g.Uitlijning = v.Uitlijning;
  g.Straal = v.Straal;
  g.Spatiering = 100;
  g.Wijzerzin = v.Wijzerzin;
  g.Referentiepunt = v.Referentiepunt;
  return g;
}

void SchrijfGegevens(const RondeTekstGegevens& g, Voorwerp& v) {
  v.Tekst = g.Tekst;
  v.Lettertype = g.Lettertype;
  v.Lettergrootte = g.Lettergrootte;
  v.Vet = g.Vet;
  v.Cursief = g.Cursief;
  v.Uitlijning = g.Uitlijning;
  v.Straal = g.Straal;
  v.Spatiering = g.Spatiering;
  v.Wijzerzin = g.Wijzerzin;
  v.Referentiepunt = g.Referentiepunt;
}

void PlaatsRondeTekst(Ontwerp& ontwerp, int index, const EtiketFormaat& formaat) {
  const Voorwerp& v = ontwerp.voorwerp(index);
  const float W = formaat.Breedte, H = formaat.Hoogte;
  float breedte = v.Breedte, hoogte = v.Hoogte;
  float links = Maximum(Minimum(-v.MiddenX, W / 2 - breedte), -W / 2);
  float boven = Maximum(Minimum(-v.MiddenY, H / 2 - hoogte), -H / 2);
  ontwerp.PlaatsVoorwerp(index, links, boven, breedte, hoogte);
}

void WijzigRondeTekst(Ontwerp& ontwerp, int index, const EtiketFormaat& formaat, const RondeTekstGegevens& g) {
  Voorwerp& v = ontwerp.voorwerp(index);
  SchrijfGegevens(g, v);
  MaakRondeTekst(ontwerp, index);
  PlaatsRondeTekst(ontwerp, index, formaat);
}

int VoegRondeTekstToe(Ontwerp& ontwerp, const EtiketFormaat& formaat, const RondeTekstGegevens& g) {
  const int index = ontwerp.NieuwVoorwerp(RondeTekst);
  WijzigRondeTekst(ontwerp, index, formaat, g);
  return index;
}

bool BeginOmzettingNaarRond(Ontwerp& ontwerp, int index, const EtiketFormaat& formaat) {
  Voorwerp& v = ontwerp.voorwerp(index);
  if (v.Soort() != Tekstlijn) return false;
  ontwerp.ZetSoort(index, RondeTekst);
  v.Straal = StandaardStraal(formaat);
  v.Referentiepunt = 0;
  v.Wijzerzin = true;
  return true;
}

void EindOmzettingNaarRond(Ontwerp& ontwerp, int index, bool bevestigd) {
  if (!bevestigd) ontwerp.ZetSoort(index, Tekstlijn);
}

bool ZetOmNaarRecht(Ontwerp& ontwerp, int index) {
  if (ontwerp.voorwerp(index).Soort() != RondeTekst) return false;
  ontwerp.ZetSoort(index, Tekstlijn);
  return true;
}
