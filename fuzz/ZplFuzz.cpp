// Feeds arbitrary bytes to the reader of ZPL streams behind the print
// preview: every sheet it read can be drawn, and a stream it understands,
// written again from what it read, reads the same.
#include "Fuzz.h"
#include "printing/Zpl.h"

using namespace printing;

using fuzz::Eis;

namespace {

QByteArray Getal(int n) { return QByteArray::number(n); }

// Whether the sheet has a format: a header alone has none, and a sheet
// without a header comes from one.
bool MetFormaat(const Stroomvel& v) {
  return !v.metKop || !v.labels.empty() || v.aantal > 0 || v.gesloten || v.snelheid >= 0;
}

// Each sheet as one format: its labels at their places on the sheet.
QByteArray Opnieuw(const Stroomlezing& l) {
  QByteArray uit;
  for (const Stroomvel& v : l.vellen) {
    if (v.metKop) uit += "~SD" + Getal(std::clamp(v.intensiteit, 0, 6) * 5).rightJustified(2, '0');
    if (!MetFormaat(v)) continue;
    uit += "^XA^LH0,0^LL0";
    if (v.snelheid >= 0) uit += "^PR" + Getal(v.snelheid + 1);
    for (const Stroomlabel& b : v.labels) {
      const int bytes = b.beeld.width() / 8;
      QByteArray rijen;
      for (int r = 0; r < b.beeld.height(); ++r)
        rijen.append(reinterpret_cast<const char*>(b.beeld.constScanLine(r)), bytes);
      uit += "^FO" + Getal(b.H) + "," + Getal(b.V) + "^GFA," + Getal(int(rijen.size())) + "," +
             Getal(int(rijen.size())) + "," + Getal(bytes) + "," + zpl::Z64(rijen.constData(), rijen.size(), bytes) +
             "^FS";
    }
    if (v.aantal > 0) uit += "^PQ" + Getal(v.aantal);
    if (v.gesloten) uit += "^XZ";
  }
  return uit;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const Stroomlezing l = Lees(zpl::Taal(), fuzz::Bytes(data, size));
  for (const Stroomvel& v : l.vellen) {
    const QImage vel = v.Afbeelding();
    for (const Stroomlabel& b : v.labels)
      Eis(vel.width() >= b.H + b.beeld.width() && vel.height() >= b.V + b.beeld.height());
  }
  if (!l.fout.isEmpty()) return 0;
  // A sheet left open can only be the last.
  for (size_t i = 0; i + 1 < l.vellen.size(); ++i)
    if (!l.vellen[i].gesloten && MetFormaat(l.vellen[i])) return 0;
  const Stroomlezing terug = Lees(zpl::Taal(), Opnieuw(l));
  Eis(terug.fout.isEmpty() && terug.vellen.size() == l.vellen.size());
  for (size_t i = 0; i < l.vellen.size(); ++i) {
    const Stroomvel &a = l.vellen[i], &b = terug.vellen[i];
    Eis(a.metKop == b.metKop && a.snelheid == b.snelheid && a.intensiteit == b.intensiteit && a.aantal == b.aantal &&
        a.gesloten == b.gesloten && a.labels.size() == b.labels.size());
    for (size_t k = 0; k < a.labels.size(); ++k)
      Eis(a.labels[k].V == b.labels[k].V && a.labels[k].H == b.labels[k].H && a.labels[k].beeld == b.labels[k].beeld);
  }
  return 0;
}
