#include "model/Kenmerken.h"

#include "model/Afronden.h"
#include "model/Ontwerp.h"

namespace model {

namespace {
Voorwerp* Lijn(Ontwerp& o, int index) {
  Voorwerp& v = o.voorwerp(index);
  return v.Soort() == SoortVoorwerp::Tekstlijn ? &v : nullptr;
}
// One field of a text line; other kinds are left alone.
template <typename T>
bool Zet(Ontwerp& o, int index, T Tekstdeel::*veld, T waarde) {
  Voorwerp* v = Lijn(o, index);
  if (v) v->tekst().*veld = waarde;
  return v;
}
}  // namespace

bool ZetLettertype(Ontwerp& o, int index, const QString& naam) { return Zet(o, index, &Tekstdeel::Lettertype, naam); }

bool ZetLettergrootte(Ontwerp& o, int index, double punten) {
  Voorwerp* v = Lijn(o, index);
  if (!v) return false;
  const double afgerond = std::nearbyint(punten);
  if (!(afgerond >= -32768 && afgerond <= 32767)) throw OverloopFout();
  v->tekst().Lettergrootte = qint16(afgerond);
  v->Hoogte = HoogteVoorPunten(punten);
  return true;
}

bool ZetVet(Ontwerp& o, int index, bool waarde) { return Zet(o, index, &Tekstdeel::Vet, Bool16(waarde)); }

bool ZetCursief(Ontwerp& o, int index, bool waarde) { return Zet(o, index, &Tekstdeel::Cursief, Bool16(waarde)); }

bool ZetOnderlijnd(Ontwerp& o, int index, bool waarde) { return Zet(o, index, &Tekstdeel::Onderlijnd, Bool16(waarde)); }

bool ZetUitlijning(Ontwerp& o, int index, qint16 uitlijning) {
  return Zet(o, index, &Tekstdeel::Uitlijning, uitlijning);
}

}  // namespace model
