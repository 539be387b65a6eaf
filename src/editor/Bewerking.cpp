#include "editor/Bewerking.h"

#include <algorithm>

namespace editor {

void Bewerking::ZetOntwerp(Ontwerp nieuw) {
  ontwerp_ = std::move(nieuw);
  HerstelSelectie(BewaarSelectie());
}

void Bewerking::VerwijderVoorwerp(int index) {
  const quint32 id = ontwerp_.voorwerp(index).Id();
  selectie_.remove(id);
  if (huidigeLijn_ == id) huidigeLijn_ = 0;
  ontwerp_.VerwijderVoorwerp(index);
}

void Bewerking::VerwijderVoorwerpen() {
  ontwerp_.VerwijderVoorwerpen();
  selectie_.clear();
  huidigeLijn_ = 0;
}

void Bewerking::ZetGeselecteerd(int index, bool waarde) {
  const quint32 id = ontwerp_.voorwerp(index).Id();
  if (waarde)
    selectie_.insert(id);
  else
    selectie_.remove(id);
}

int Bewerking::GeselecteerdVoorwerp() const {
  const std::vector<int> lijst = GeselecteerdeVoorwerpen();
  return lijst.empty() ? 0 : lijst.front();
}

std::vector<int> Bewerking::GeselecteerdeVoorwerpen() const {
  std::vector<int> lijst;
  lijst.reserve(size_t(selectie_.size()));
  // A few selected: look each one up, which is cheaper than a hash lookup
  // for every element of a large design.
  if (selectie_.size() <= 8) {
    for (quint32 id : selectie_)
      if (const int i = ontwerp_.IndexVan(id)) lijst.push_back(i);
    std::sort(lijst.begin(), lijst.end());
    return lijst;
  }
  for (int i = 1; i <= ontwerp_.AantalVoorwerpen(); ++i)
    if (Geselecteerd(i)) lijst.push_back(i);
  return lijst;
}

SelectieStand Bewerking::BewaarSelectie() const {
  SelectieStand s;
  s.ids.assign(selectie_.begin(), selectie_.end());
  std::sort(s.ids.begin(), s.ids.end());
  s.huidigeLijn = huidigeLijn_;
  return s;
}

void Bewerking::HerstelSelectie(const SelectieStand& s) {
  selectie_.clear();
  QSet<quint32> aanwezig;
  aanwezig.reserve(ontwerp_.AantalVoorwerpen());
  for (int i = 1; i <= ontwerp_.AantalVoorwerpen(); ++i) aanwezig.insert(ontwerp_.voorwerp(i).Id());
  for (quint32 id : s.ids)
    if (aanwezig.contains(id)) selectie_.insert(id);
  huidigeLijn_ = 0;
  const int lijn = ontwerp_.IndexVan(s.huidigeLijn);
  if (lijn != 0 && ontwerp_.voorwerp(lijn).Soort() == SoortVoorwerp::Tekstlijn) huidigeLijn_ = s.huidigeLijn;
}

SelectieKader Bewerking::Kader(int index) const {
  const Voorwerp& v = ontwerp_.voorwerp(index);
  return {v.Links - Schaal.MmPerPixelX,
          v.Boven - Schaal.MmPerPixelY,
          v.Breedte + 2 * Schaal.MmPerPixelX,
          v.Hoogte + 2 * Schaal.MmPerPixelY,
          Verborgen == 0,
          Geselecteerd(index) ? 2 : 1};
}

bool Bewerking::IsConsistent() const {
  int gevonden = 0;
  for (int i = 1; i <= ontwerp_.AantalVoorwerpen(); ++i)
    if (Geselecteerd(i)) ++gevonden;
  const int lijn = HuidigeLijn();
  return ontwerp_.IsConsistent() && gevonden == AantalGeselecteerd() &&
         (huidigeLijn_ == 0 || (lijn != 0 && ontwerp_.voorwerp(lijn).Soort() == SoortVoorwerp::Tekstlijn));
}

}  // namespace editor
