// Feeds arbitrary text to the format catalogue reader: it either refuses
// the text with a message, or every format it gives has sizes the printer
// can address.
#include <cmath>

#include "Fuzz.h"
#include "files/Catalogus.h"

using namespace files;

using fuzz::Eis;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto r = LeesFormatenUit(fuzz::Bytes(data, size), QStringLiteral("all.eft"));
  if (const auto* fout = std::get_if<CatalogusFout>(&r)) {
    Eis(fout->Melding().contains(QStringLiteral("all.eft")));
    return 0;
  }
  const FormatenTabel& t = std::get<FormatenTabel>(r);
  Eis(t.AantalFormaten() >= 1);
  for (int i = 1; i <= t.AantalFormaten(); ++i) {
    const EtiketFormaat& f = t.formaat(i);
    Eis(f.Breedte > 0 && f.Hoogte > 0 && f.Kolommen >= 1 && f.Rijen >= 1);
    // Stored as float: the bound may round up by a hair.
    for (const float maat : {f.Breedte, f.Hoogte, f.HorizontaleSteek, f.VerticaleSteek, f.VelBreedte, f.VelHoogte,
                             f.LinkerOffset, f.BovenOffset, f.LinkerMarge, f.BovenMarge, f.RechterMarge, f.OnderMarge})
      Eis(std::isfinite(maat) && std::fabs(maat) <= float(32767.0 / 12));
  }
  return 0;
}
