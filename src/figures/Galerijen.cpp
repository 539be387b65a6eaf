#include "figures/Galerijen.h"

#include <QStringList>

#include "platform/SettingsStore.h"

namespace figures {

void BewaarGalerijen(platform::SettingsStore& s, const GalerijLijst& galerijen) {
  // A gallery's further folders, which the list does not hold, stay with it.
  QList<QStringList> mappen;
  for (const auto& [naam, map] : galerijen) {
    QStringList lijst = s.readList(kGalerijenSectie, naam);
    if (lijst.isEmpty()) lijst.append(QString());
    lijst.front() = map;
    mappen.append(lijst);
  }
  // Without clearing first, galleries removed from the list would stay stored.
  s.deleteSection(kGalerijenSectie);
  for (qsizetype i = 0; i < galerijen.size(); ++i) s.writeList(kGalerijenSectie, galerijen[i].first, mappen[i]);
}

}  // namespace figures
