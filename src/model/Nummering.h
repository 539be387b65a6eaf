#pragma once
#include <QString>
#include "model/Layer.h"
#include "model/Lijst.h"

namespace model {

// The values that change from copy to copy: a running number ("[#]") and a
// list whose columns are "[A]" to "[Z]" or, with a header row, their names,
// row n - 1 serving copy n. They belong to the open design but not to its
// file, and undo leaves them as they are. The list is shared between copies
// of a design until one changes it.
struct Nummering {
  qint16 NummerVan = 0;
  qint16 NummerTot = 0;
  qint16 NummerStap = 0;  // 0: never set; the dialog then starts at 1, 1, 1
  Lijst NummerLijst;
  int GekozenTab = 0;  // 0 running number, 1 list
  // The column that gives each row's number of labels (a name or a letter
  // as the user gave it); empty: one label per copy.
  QString AantalKolom;
  // The rows to print, as "5-10,12"; empty: all of them.
  QString Rijkeuze;
  // The file the list was read from, and whether its first line named the
  // columns; empty when the list was typed.
  QString LijstBestand;
  bool Kopregel = false;
  // The design file names its list (file, header, quantity column, rows),
  // and offers it again when it is opened.
  bool LijstOnthouden = false;

  qint32 AantalNummers() const { return qint32(NummerLijst.size()); }
};

}  // namespace model
