#include "roundtext/RondeTekstOpdrachten.h"

#include "model/MinMax.h"
#include "roundtext/RondeTekst.h"

namespace roundtext {

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
  g.Spatiering = kStandaardSpatiering;
  g.Wijzerzin = true;
  g.Referentiepunt = 0;
  return g;
}

RondeTekstGegevens GegevensVan(const Voorwerp& v) {
  RondeTekstGegevens g;
  g.Tekst = v.tekst().Tekst;
  g.Lettertype = v.tekst().Lettertype;
  g.Lettergrootte = v.tekst().Lettergrootte;
  g.Vet = v.tekst().Vet;
  g.Cursief = v.tekst().Cursief;
  g.Uitlijning = v.tekst().Uitlijning;
  g.Straal = v.cirkel().Straal;
  g.Spatiering = kStandaardSpatiering;
  g.Wijzerzin = v.cirkel().Wijzerzin;
  g.Referentiepunt = v.cirkel().Referentiepunt;
  return g;
}

void SchrijfGegevens(const RondeTekstGegevens& g, Voorwerp& v) {
  v.tekst().Tekst = g.Tekst;
  v.tekst().Lettertype = g.Lettertype;
  v.tekst().Lettergrootte = g.Lettergrootte;
  v.tekst().Vet = g.Vet;
  v.tekst().Cursief = g.Cursief;
  v.tekst().Uitlijning = g.Uitlijning;
  v.cirkel().Straal = g.Straal;
  v.cirkel().Spatiering = kStandaardSpatiering;
  v.cirkel().Wijzerzin = g.Wijzerzin;
  v.cirkel().Referentiepunt = g.Referentiepunt;
}

void PlaatsRondeTekst(Ontwerp& ontwerp, int index, const EtiketFormaat& formaat) {
  const Voorwerp& v = ontwerp.voorwerp(index);
  const float W = formaat.Breedte, H = formaat.Hoogte;
  float breedte = v.Breedte, hoogte = v.Hoogte;
  float links = Maximum(Minimum(-v.cirkel().MiddenX, W / 2 - breedte), -W / 2);
  float boven = Maximum(Minimum(-v.cirkel().MiddenY, H / 2 - hoogte), -H / 2);
  ontwerp.PlaatsVoorwerp(index, links, boven, breedte, hoogte);
}

void WijzigRondeTekst(Ontwerp& ontwerp, int index, const EtiketFormaat& formaat, const RondeTekstGegevens& g) {
  Voorwerp& v = ontwerp.voorwerp(index);
  SchrijfGegevens(g, v);
  MaakRondeTekst(ontwerp, index);
  PlaatsRondeTekst(ontwerp, index, formaat);
}

int VoegRondeTekstToe(Ontwerp& ontwerp, const EtiketFormaat& formaat, const RondeTekstGegevens& g) {
  const int index = ontwerp.NieuwVoorwerp(SoortVoorwerp::RondeTekst);
  WijzigRondeTekst(ontwerp, index, formaat, g);
  return index;
}

bool BeginOmzettingNaarRond(Ontwerp& ontwerp, int index, const EtiketFormaat& formaat) {
  Voorwerp& v = ontwerp.voorwerp(index);
  if (v.Soort() != SoortVoorwerp::Tekstlijn) return false;
  ontwerp.ZetSoort(index, SoortVoorwerp::RondeTekst);
  v.cirkel().Straal = StandaardStraal(formaat);
  v.cirkel().Referentiepunt = 0;
  v.cirkel().Wijzerzin = true;
  return true;
}

void EindOmzettingNaarRond(Ontwerp& ontwerp, int index, bool bevestigd) {
  if (!bevestigd) ontwerp.ZetSoort(index, SoortVoorwerp::Tekstlijn);
}

bool ZetOmNaarRecht(Ontwerp& ontwerp, int index) {
  if (ontwerp.voorwerp(index).Soort() != SoortVoorwerp::RondeTekst) return false;
  ontwerp.ZetSoort(index, SoortVoorwerp::Tekstlijn);
  return true;
}

}  // namespace roundtext
