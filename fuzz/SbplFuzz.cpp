// Feeds arbitrary bytes to the reader of printer streams behind the print
// preview: a stream it understands, written again from what it read, reads
// the same, and every sheet it read can be drawn.
#include "Fuzz.h"
#include "printing/Sbpl.h"

using namespace printing;

using fuzz::Eis;

namespace {

QByteArray Opnieuw(const sbpl::Lezing& l) {
  QByteArray uit;
  for (const sbpl::Vel& v : l.vellen) {
    if (v.metKop) uit += sbpl::StartVel();
    if (v.snelheid >= 0) uit += sbpl::Snelheid(v.snelheid);
    if (v.intensiteit >= 0) uit += sbpl::Intensiteit(v.intensiteit);
    for (const sbpl::Label& b : v.labels) {
      // The stream's rows are packed; the image's are padded.
      const int bytes = b.beeld.width() / 8;
      QByteArray rijen;
      for (int r = 0; r < b.beeld.height(); ++r)
        rijen.append(reinterpret_cast<const char*>(b.beeld.constScanLine(r)), bytes);
      uit += sbpl::Grafiek(b.V, b.H, bytes, b.beeld.height(), rijen.constData());
    }
    uit += sbpl::Aantal(v.aantal);
    if (v.gesloten) uit += sbpl::EindeVel();
  }
  return uit;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const sbpl::Lezing l = sbpl::Lees(fuzz::Bytes(data, size));
  for (const sbpl::Vel& v : l.vellen) {
    const QImage vel = v.Afbeelding();
    for (const sbpl::Label& b : v.labels)
      Eis(vel.width() >= b.H + b.beeld.width() && vel.height() >= b.V + b.beeld.height());
  }
  if (!l.fout.isEmpty()) return 0;
  const sbpl::Lezing terug = sbpl::Lees(Opnieuw(l));
  Eis(terug.fout.isEmpty() && terug.vellen.size() == l.vellen.size());
  for (size_t i = 0; i < l.vellen.size(); ++i) {
    const sbpl::Vel &a = l.vellen[i], &b = terug.vellen[i];
    Eis(a.metKop == b.metKop && a.snelheid == b.snelheid && a.intensiteit == b.intensiteit && a.aantal == b.aantal &&
        a.gesloten == b.gesloten && a.labels.size() == b.labels.size());
    for (size_t k = 0; k < a.labels.size(); ++k)
      Eis(a.labels[k].V == b.labels[k].V && a.labels[k].H == b.labels[k].H && a.labels[k].beeld == b.labels[k].beeld);
  }
  return 0;
}
