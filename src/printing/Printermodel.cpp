#include "printing/Printermodel.h"

#include <algorithm>

#include "printing/Sbpl.h"
#include "printing/Zpl.h"

namespace printing {

namespace {

constexpr Printermodel kModellen[] = {
    {1, "VL200", "Vellora VL&200", 8, sbpl::Taal},
    {2, "VL300", "Vellora VL&300", 12, sbpl::Taal},
    {3, "ZPL203", "&ZPL II, 203 dpi", 8, zpl::Taal},
    {4, "ZPL300", "ZPL II, 3&00 dpi", 12, zpl::Taal},
    {5, "ZPL600", "ZPL II, &600 dpi", 24, zpl::Taal},
};
// What an unknown stored value means.
constexpr qint16 kTerugval = 2;

}  // namespace

std::span<const Printermodel> Printermodellen() { return kModellen; }

const Printermodel& PrintermodelVoor(qint16 Printer) {
  const auto it = std::find_if(std::begin(kModellen), std::end(kModellen),
                               [&](const Printermodel& m) { return m.Printer == Printer; });
  if (it != std::end(kModellen)) return *it;
  return PrintermodelVoor(kTerugval);
}

const Printermodel* ZoekPrintermodel(const QString& naam) {
  for (const Printermodel& m : kModellen)
    if (naam.compare(QLatin1String(m.naam), Qt::CaseInsensitive) == 0) return &m;
  return nullptr;
}

}  // namespace printing
