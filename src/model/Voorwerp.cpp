#include "model/Voorwerp.h"

void Voorwerp::ZetAfbeelding(std::unique_ptr<Beeld> beeld, qint32 breedte, qint32 hoogte) {
  Afbeelding = std::move(beeld);
  BeeldBreedte = breedte;
  BeeldHoogte = hoogte;
  BronX = 0;
  BronY = 0;
  BronBreedte = breedte;
  BronHoogte = hoogte;
}
