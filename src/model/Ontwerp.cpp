#include "model/Ontwerp.h"

#include <algorithm>

OverloopFout::OverloopFout(const char* tekst) : std::overflow_error(tekst) {}

int Ontwerp::NieuwVoorwerp(qint16 soort) {
  if (AantalVoorwerpen >= kMaxVoorwerpen) throw OverloopFout(kTeVeelVoorwerpen);
  if (AantalVoorwerpen < 1) {
    tabel_.clear();
    geselecteerd_.clear();
    kaders_.clear();
  }
  tabel_.emplace_back();
  geselecteerd_.push_back(false);
  kaders_.emplace_back();
  switch (soort) {
    case Tekstlijn: ++AantalLijnen; break;
    case Figuur: ++AantalFiguren; break;
    case RondeTekst: ++AantalRondeTeksten; break;
    default: break;
  }
  ++AantalVoorwerpen;
  const int index = AantalVoorwerpen;
  Voorwerp& v = tabel_.back();
  v.Soort = soort;
  v.TeHertekenen = true;
  v.Links = Schaal.ScaleLeft;
  v.Boven = Schaal.ScaleTop;
  v.Breedte = 10;
  v.Hoogte = 5;
  SelectieKader& k = kaders_.back();
  k = {v.Links, v.Boven, v.Breedte, v.Hoogte, true, 1};
  return index;
}

void Ontwerp::PlaatsVoorwerp(int index, float& links, float& boven, float& breedte, float& hoogte) {
  if (!(breedte > 0)) breedte = 1;
  if (!(hoogte > 0)) hoogte = 1;
  TeHertekenenVoorwerp(index);
  Voorwerp& v = voorwerp(index);
  v.Links = links;
  v.Boven = boven;
  v.Breedte = breedte;
  v.Hoogte = hoogte;
  SelectieKader& k = kader(index);
  k.Links = links - Schaal.MmPerPixelX;
  k.Boven = boven - Schaal.MmPerPixelY;
  k.Breedte = breedte + 2 * Schaal.MmPerPixelX;
  k.Hoogte = hoogte + 2 * Schaal.MmPerPixelY;
  v.TeHertekenen = true;
}

void Ontwerp::TeHertekenenVoorwerp(int index) {
  if (index == 0) return;
  HertekenGebieden.push_back(GebiedVan(voorwerp(index)));
}

void Ontwerp::KaderOpVoorwerp(int index) {
  const Voorwerp& v = voorwerp(index);
  SelectieKader& k = kader(index);
  k.Links = v.Links;
  k.Boven = v.Boven;
  k.Breedte = v.Breedte;
  k.Hoogte = v.Hoogte;
}

void Ontwerp::VerwijderVoorwerp(int index) {
  const size_t s = slot(index);
  switch (tabel_[s].Soort) {
    case Tekstlijn: --AantalLijnen; break;
    case Figuur: --AantalFiguren; break;
    case RondeTekst: --AantalRondeTeksten; break;
    default: break;
  }
  if (geselecteerd_[s]) --AantalGeselecteerd;
  if (HuidigeLijn == index) HuidigeLijn = 0;
  else if (HuidigeLijn > index) --HuidigeLijn;
  // Erasing hands every later record, picture included, one place down and
  // releases this one's picture.
  tabel_.erase(tabel_.begin() + std::ptrdiff_t(s));
  geselecteerd_.erase(geselecteerd_.begin() + std::ptrdiff_t(s));
  kaders_.pop_back();
  --AantalVoorwerpen;
  for (int j = index; j <= AantalVoorwerpen; ++j) {
    KaderOpVoorwerp(j);
    kader(j).Rand = Geselecteerd(j) ? 2 : 1;
  }
}

void Ontwerp::VerwijderVoorwerpen() {
  for (int i = 1; i <= AantalVoorwerpen; ++i) TeHertekenenVoorwerp(i);
  tabel_.clear();
  geselecteerd_.clear();
  kaders_.clear();
  AantalVoorwerpen = AantalLijnen = AantalFiguren = AantalRondeTeksten = 0;
  AantalGeselecteerd = 0;
  HuidigeLijn = 0;
}

int Ontwerp::GeselecteerdVoorwerp() const {
  for (int i = 1; i <= AantalVoorwerpen; ++i)
    if (Geselecteerd(i)) return i;
  return 0;
}

bool Ontwerp::PuntInVoorwerp(float x, float y, int index) const {
  const Voorwerp& v = voorwerp(index);
  return v.Links <= x && x <= v.Links + v.Breedte && v.Boven <= y && y <= v.Boven + v.Hoogte;
}

bool Ontwerp::VoorwerpBinnen(int index, float links, float boven, float rechts, float onder) const {
  const Voorwerp& v = voorwerp(index);
  return v.Links >= links && v.Links + v.Breedte <= rechts && v.Boven >= boven && v.Boven + v.Hoogte <= onder;
}

int Ontwerp::ZoekVoorwerp(float x, float y) const {
  float l = -1000, b = -1000, r = 1000, o = 1000;
  int raak = 0;
  for (int i = AantalVoorwerpen; i >= 1; --i) {
    if (PuntInVoorwerp(x, y, i) && VoorwerpBinnen(i, l, b, r, o)) {
      const Voorwerp& v = voorwerp(i);
      l = v.Links;
      b = v.Boven;
      r = v.Links + v.Breedte;
      o = v.Boven + v.Hoogte;
      raak = i;
    }
  }
  return raak;
}

bool Ontwerp::IsConsistent() const {
  if (AantalVoorwerpen < 0 || size_t(AantalVoorwerpen) > tabel_.size()) return false;
  int lijnen = 0, figuren = 0, rond = 0, geselecteerd = 0;
  for (int i = 0; i < AantalVoorwerpen; ++i) {
    switch (tabel_[size_t(i)].Soort) {
      case Tekstlijn: ++lijnen; break;
      case Figuur: ++figuren; break;
      case RondeTekst: ++rond; break;
      default: return false;
    }
    if (geselecteerd_[size_t(i)]) ++geselecteerd;
  }
  return lijnen == AantalLijnen && figuren == AantalFiguren && rond == AantalRondeTeksten &&
         AantalVoorwerpen == AantalLijnen + AantalFiguren + AantalRondeTeksten && geselecteerd == AantalGeselecteerd;
}

bool Overlappen(const Gebied& a, const Gebied& b) {
  return std::max(a.Links, b.Links) < std::min(a.Links + a.Breedte, b.Links + b.Breedte) &&
         std::max(a.Boven, b.Boven) < std::min(a.Boven + a.Hoogte, b.Boven + b.Hoogte);
}

Gebied GebiedVan(const Voorwerp& v) { return {v.Links, v.Boven, v.Breedte, v.Hoogte}; }
