#include "figures/Galerijen.h"

#include "platform/SettingsStore.h"

void BewaarGalerijen(platform::SettingsStore& s, const GalerijLijst& galerijen) {
  // Without clearing first, galleries removed from the list would stay stored.
  s.deleteSection(kGalerijenSectie);
  for (const auto& [naam, map] : galerijen) s.write(kGalerijenSectie, naam, map);
}
