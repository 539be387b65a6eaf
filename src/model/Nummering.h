#pragma once
#include <QList>
#include <QString>
#include <array>
#include "model/Layer.h"

namespace model {

// The values that change from copy to copy: a running number ("[#]") and a
// list of up to five columns ("[A]" to "[E]"), row n - 1 serving copy n.
// They belong to the open design but not to its file, and undo leaves them
// as they are. The list is shared between copies of a design until one
// changes it.
struct Nummering {
  qint16 NummerVan = 0;
  qint16 NummerTot = 0;
  qint16 NummerStap = 0;  // 0: never set; the dialog then starts at 1, 1, 1
  QList<std::array<QString, 5>> NummerLijst;
  int GekozenTab = 0;  // 0 running number, 1 list

  qint32 AantalNummers() const { return qint32(NummerLijst.size()); }
};

}  // namespace model
