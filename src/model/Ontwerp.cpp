#include "model/Ontwerp.h"

namespace model {

OverloopFout::OverloopFout(const char* tekst) : std::overflow_error(tekst) {}

void Ontwerp::Tel(SoortVoorwerp soort, int richting) {
  switch (soort) {
    case SoortVoorwerp::Tekstlijn: lijnen_ = qint16(lijnen_ + richting); break;
    case SoortVoorwerp::Figuur: figuren_ = qint16(figuren_ + richting); break;
    case SoortVoorwerp::RondeTekst: rond_ = qint16(rond_ + richting); break;
    case SoortVoorwerp::Streepjescodevoorwerp: codes_ = qint16(codes_ + richting); break;
  }
}

int Ontwerp::IndexVan(quint32 id) const {
  if (id == 0) return 0;
  for (size_t i = 0; i < tabel_.size(); ++i)
    if (tabel_[i]->id_ == id) return int(i + 1);
  return 0;
}

int Ontwerp::NieuwVoorwerp(SoortVoorwerp soort, float links, float boven) {
  return NieuwVoorwerpOp(AantalVoorwerpen() + 1, soort, links, boven);
}

int Ontwerp::NieuwVoorwerpOp(int index, SoortVoorwerp soort, float links, float boven) {
  if (AantalVoorwerpen() >= kMaxVoorwerpen) throw OverloopFout(kTeVeelVoorwerpen);
  if (index < 1 || index > AantalVoorwerpen() + 1) throw std::out_of_range("element index");
  Voorwerp& v = **tabel_.insert(tabel_.begin() + (index - 1), std::make_shared<Voorwerp>(soort));
  v.id_ = volgendeId_++;
  Tel(v.Soort(), +1);
  v.Links = links;
  v.Boven = boven;
  v.Breedte = 10;
  v.Hoogte = 5;
  return index;
}

int Ontwerp::VoegKopieToe(int index) {
  if (AantalVoorwerpen() >= kMaxVoorwerpen) throw OverloopFout(kTeVeelVoorwerpen);
  auto kopie = std::make_shared<Voorwerp>(voorwerp(index));
  kopie->id_ = volgendeId_++;
  Tel(kopie->Soort(), +1);
  tabel_.push_back(std::move(kopie));
  return AantalVoorwerpen();
}

void Ontwerp::ZetSoort(int index, SoortVoorwerp soort) {
  Voorwerp& v = voorwerp(index);
  Tel(v.Soort(), -1);
  v.ZetSoort(soort);
  Tel(v.Soort(), +1);
}

void Ontwerp::PlaatsVoorwerp(int index, float& links, float& boven, float& breedte, float& hoogte) {
  voorwerp(index).Plaats(links, boven, breedte, hoogte);
}

void Ontwerp::VerwijderVoorwerp(int index) {
  const size_t s = slot(index);
  Tel(tabel_[s]->Soort(), -1);
  tabel_.erase(tabel_.begin() + std::ptrdiff_t(s));
}

void Ontwerp::VerwijderVoorwerpen() {
  tabel_.clear();
  lijnen_ = figuren_ = rond_ = codes_ = 0;
  // No figure is left to keep a place for.
  Figuurplaats = 0;
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
  for (int i = AantalVoorwerpen(); i >= 1; --i) {
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
  int lijnen = 0, figuren = 0, rond = 0, codes = 0;
  for (const auto& v : tabel_) {
    switch (v->Soort()) {
      case SoortVoorwerp::Tekstlijn: ++lijnen; break;
      case SoortVoorwerp::Figuur: ++figuren; break;
      case SoortVoorwerp::RondeTekst: ++rond; break;
      case SoortVoorwerp::Streepjescodevoorwerp: ++codes; break;
    }
  }
  return lijnen == lijnen_ && figuren == figuren_ && rond == rond_ && codes == codes_;
}

bool ZelfdeInhoud(const Ontwerp& a, const Ontwerp& b) {
  if (a.HuidigFormaat != b.HuidigFormaat || a.Figuurplaats != b.Figuurplaats ||
      a.AantalVoorwerpen() != b.AantalVoorwerpen())
    return false;
  for (int i = 1; i <= a.AantalVoorwerpen(); ++i) {
    if (a.Gedeeld(i, b, i)) continue;
    const Voorwerp& v = a.voorwerp(i);
    const Voorwerp& w = b.voorwerp(i);
    if (v.Id() != w.Id() || !v.ZelfdeAls(w)) return false;
  }
  return true;
}

}  // namespace model
