// Feeds arbitrary bytes to the list reader, with and without a header
// row: a list it accepts has no more rows than the text has lines, and a
// value never holds a line end unless it was quoted.
#include "Fuzz.h"
#include "printing/CsvLijst.h"

using fuzz::Eis;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes = fuzz::Bytes(data, size);
  const auto metKop = LeesCsvLijst(bytes, true);
  const auto zonderKop = LeesCsvLijst(bytes, false);
  const CsvRijen* met = std::get_if<CsvRijen>(&metKop);
  const CsvRijen* zonder = std::get_if<CsvRijen>(&zonderKop);
  Eis(metKop.index() == zonderKop.index());
  if (!zonder) return 0;
  const qsizetype regels = bytes.count('\n') + bytes.count('\r') + 1;
  Eis(zonder->size() <= regels);
  // The header is the first row and nothing else.
  Eis(met->size() == std::max<qsizetype>(0, zonder->size() - 1));
  if (!bytes.contains('"'))
    for (const auto& rij : *zonder)
      for (const QString& waarde : rij) Eis(!waarde.contains(u'\n') && !waarde.contains(u'\r'));
  return 0;
}
