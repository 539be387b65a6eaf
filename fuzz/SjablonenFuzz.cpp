// Feeds arbitrary text to the reader of gLabels' template files: whatever
// it reads is a format the program can lay out and print, and everything
// else is counted as left out.
#include <cmath>

#include "Fuzz.h"
#include "files/Voorraadvellen.h"

using namespace files;

using fuzz::Eis;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray tekst = fuzz::Bytes(data, size);
  Voorraadvellen uit;
  std::vector<SjabloonAlias> aliassen;
  LeesSjablonen(tekst, LeesPapiermaten(tekst), uit, aliassen);
  Eis(uit.overgeslagen >= 0);
  for (const EtiketFormaat& f : uit.formaten) {
    Eis(f.Breedte > 0 && f.Hoogte > 0 && f.Kolommen >= 1 && f.Rijen >= 1 && f.VelBreedte > 0 && f.VelHoogte > 0);
    for (const float maat : {f.Breedte, f.Hoogte, f.HorizontaleSteek, f.VerticaleSteek, f.VelBreedte, f.VelHoogte,
                             f.LinkerOffset, f.BovenOffset})
      Eis(std::isfinite(maat) && std::fabs(maat) <= float(32767.0 / 12));
  }
  return 0;
}
