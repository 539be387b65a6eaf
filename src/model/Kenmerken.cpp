#include "model/Kenmerken.h"

#include "model/Afronden.h"
#include "model/Ontwerp.h"

namespace {
Voorwerp* Lijn(Ontwerp& o, int index) {
  Voorwerp& v = o.voorwerp(index);
  return v.Soort == Tekstlijn ? &v : nullptr;
}
}  // namespace

bool ZetLettertype(Ontwerp& o, int index, const QString& naam) {
  Voorwerp* v = Lijn(o, index);
  if (v) v->Lettertype = naam;
  return v;
}

bool ZetLettergrootte(Ontwerp& o, int index, double punten) {
  Voorwerp* v = Lijn(o, index);
  if (!v) return false;
  const double afgerond = std::nearbyint(punten);
  if (!(afgerond >= -32768 && afgerond <= 32767)) throw OverloopFout();
  v->Lettergrootte = qint16(afgerond);
  v->Hoogte = HoogteVoorPunten(punten);
  o.KaderOpVoorwerp(index);
  return true;
}

bool ZetVet(Ontwerp& o, int index, bool waarde) {
  Voorwerp* v = Lijn(o, index);
  if (v) v->Vet = waarde;
  return v;
}

bool ZetCursief(Ontwerp& o, int index, bool waarde) {
  Voorwerp* v = Lijn(o, index);
  if (v) v->Cursief = waarde;
  return v;
}

bool ZetOnderlijnd(Ontwerp& o, int index, bool waarde) {
  Voorwerp* v = Lijn(o, index);
  if (v) v->Onderlijnd = waarde;
  return v;
}

bool ZetUitlijning(Ontwerp& o, int index, qint16 uitlijning) {
  Voorwerp* v = Lijn(o, index);
  if (v) v->Uitlijning = uitlijning;
  return v;
}
