#pragma once
#include <QString>
#include <span>

#include "printing/Layer.h"
#include "printing/Printertaal.h"

namespace printing {

// A label printer the program drives: the value the "Printer" setting
// stores for it, its name, how the printer settings offer it, its
// resolution and its language.
struct Printermodel {
  qint16 Printer;  // above 0
  const char* naam;
  const char* weergave;
  int puntenPerMm;
  const Printertaal& (*taal)();

  // How far this printer's commands reach.
  Taalgrenzen Grenzen() const { return taal().Grenzen(); }
};

// Every model, in the order the user is offered them.
std::span<const Printermodel> Printermodellen();
// The model a stored "Printer" value names; a value no model has is taken
// for the VL300, as the printer settings always were.
const Printermodel& PrintermodelVoor(qint16 Printer);
// The model of that name, in any case, or nothing.
const Printermodel* ZoekPrintermodel(const QString& naam);

}  // namespace printing
