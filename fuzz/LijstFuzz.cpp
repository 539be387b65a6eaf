// Feeds arbitrary bytes to the list reader, with and without a header
// row: a list it accepts has no more rows than the text has line ends (LF,
// CR, or both) and a value never holds a line end unless it was quoted. The
// same list with CR or CR LF for its LFs, or in UTF-16 with a byte-order
// mark, reads the same.
#include <QStringDecoder>

#include "Fuzz.h"
#include "printing/CsvLijst.h"
#include "support/Utf16.h"

using namespace printing;

using fuzz::Eis;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes = fuzz::Bytes(data, size);
  const auto metKop = LeesCsvLijst(bytes, true);
  const auto zonderKop = LeesCsvLijst(bytes, false);
  const CsvRijen* met = std::get_if<CsvRijen>(&metKop);
  const CsvRijen* zonder = std::get_if<CsvRijen>(&zonderKop);
  Eis(metKop.index() == zonderKop.index());
  const bool utf16 = bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
  // In UTF-8 and Windows-1252 the byte 10 is always LF; the copies stay
  // within the size limit.
  if (!utf16 && !bytes.contains('\r') && bytes.size() * 4 + 2 <= kMaxLijstBytes) {
    Eis(LeesCsvLijst(QByteArray(bytes).replace('\n', '\r')) == zonderKop);
    Eis(LeesCsvLijst(QByteArray(bytes).replace("\n", "\r\n")) == zonderKop);
    const QByteArrayView zonderBom = bytes.startsWith("\xEF\xBB\xBF") ? QByteArrayView(bytes).sliced(3) : bytes;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const QString tekst = utf8.decode(zonderBom);
    if (!utf8.hasError())
      for (bool be : {false, true}) Eis(LeesCsvLijst(Utf16(tekst, be)) == zonderKop);
  }
  if (!zonder) return 0;
  const qsizetype regels = bytes.count('\n') + bytes.count('\r') + 1;
  Eis(zonder->size() <= regels);
  // The header is the first row and nothing else.
  Eis(met->size() == std::max<qsizetype>(0, zonder->size() - 1));
  if (!bytes.contains('"'))
    for (qint32 rij = 0; rij < zonder->size(); ++rij)
      for (int k = 0; k < zonder->Kolommen(); ++k) {
        const QString waarde = zonder->Waarde(rij, k);
        Eis(!waarde.contains(u'\n') && !waarde.contains(u'\r'));
      }
  return 0;
}
