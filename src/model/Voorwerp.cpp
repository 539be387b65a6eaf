#include "model/Voorwerp.h"

#include <cstring>

void Voorwerp::ZetAfbeelding(std::shared_ptr<const Beeld> beeld, qint32 breedte, qint32 hoogte) {
  Afbeelding = std::move(beeld);
  BeeldBreedte = breedte;
  BeeldHoogte = hoogte;
  BronX = 0;
  BronY = 0;
  BronBreedte = breedte;
  BronHoogte = hoogte;
}

void Voorwerp::Plaats(float& links, float& boven, float& breedte, float& hoogte) {
  if (!(breedte > 0)) breedte = 1;
  if (!(hoogte > 0)) hoogte = 1;
  Links = links;
  Boven = boven;
  Breedte = breedte;
  Hoogte = hoogte;
}

namespace {
// Bitwise, so that a NaN read from a file compares equal to itself.
bool Gelijk(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }
}  // namespace

bool Voorwerp::ZelfdeAls(const Voorwerp& w) const {
  return soort_ == w.soort_ && Gelijk(Links, w.Links) && Gelijk(Boven, w.Boven) && Gelijk(Breedte, w.Breedte) &&
         Gelijk(Hoogte, w.Hoogte) && Lettergrootte == w.Lettergrootte && Vet.raw() == w.Vet.raw() && Cursief.raw() == w.Cursief.raw() &&
         Onderlijnd.raw() == w.Onderlijnd.raw() && Uitlijning == w.Uitlijning && Gelijk(Straal, w.Straal) &&
         Gelijk(Spatiering, w.Spatiering) && Wijzerzin.raw() == w.Wijzerzin.raw() && Gelijk(Referentiepunt, w.Referentiepunt) &&
         Gelijk(MiddenX, w.MiddenX) && Gelijk(MiddenY, w.MiddenY) && Afbeelding == w.Afbeelding &&
         BeeldBreedte == w.BeeldBreedte && BeeldHoogte == w.BeeldHoogte && BronX == w.BronX && BronY == w.BronY &&
         BronBreedte == w.BronBreedte && BronHoogte == w.BronHoogte && Tekst == w.Tekst &&
         Lettertype == w.Lettertype;
}
