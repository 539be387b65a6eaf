#pragma once
#include <QString>
#include "model/Layer.h"

namespace model {

class Ontwerp;

// The attribute setters of one text line. Each leaves other kinds of
// element alone (and then returns false); none of them redraws.
bool ZetLettertype(Ontwerp& o, int index, const QString& naam);
// The size is stored rounded (halves to even); the height follows the
// unrounded size, and the selection frame follows the box. A size that does
// not fit 16 bits throws OverloopFout.
bool ZetLettergrootte(Ontwerp& o, int index, double punten);
bool ZetVet(Ontwerp& o, int index, bool waarde);
bool ZetCursief(Ontwerp& o, int index, bool waarde);
bool ZetOnderlijnd(Ontwerp& o, int index, bool waarde);
bool ZetUitlijning(Ontwerp& o, int index, qint16 uitlijning);

// Millimetres of a text line's box for a size in points.
inline float HoogteVoorPunten(double punten) { return float(punten / 72.0 * 25.4); }

}  // namespace model
