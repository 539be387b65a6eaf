#include "ui/BestandInvoegen.h"

#include <QFileInfo>

#include "platform/ZipArchive.h"
#include "platformwidgets/FileDialogs.h"
#include "platformwidgets/MessageService.h"

namespace ui {

GekozenPlaatje BestandInvoegen(const QString& map, platform::FileDialogs& dialogen, platform::MessageService& meldingen,
                               QWidget* ouder, platform::ZipReader& zip, const PlaatjeGrenzen& grenzen) {
  QString filter = QString::fromLatin1(kPlaatjeFilter);
  const QString pad =
      dialogen.openFile(ouder, QString::fromLatin1(kBestandInvoegenTitel), map.trimmed(), PlaatjeFilters(), &filter);
  if (pad.isEmpty()) return {};
  GeladenPlaatje plaatje = LeesPlaatje(pad, zip, grenzen);
  if (!plaatje.gelukt()) {
    meldingen.show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"), plaatje.melding);
    return {};
  }
  // The full name without the bare file name keeps the trailing separator.
  const QString nieuweMap = pad.left(pad.size() - QFileInfo(pad).fileName().size());
  return {std::move(plaatje.beeld), nieuweMap};
}

GekozenPlaatje BestandInvoegen(const QString& map, platform::FileDialogs& dialogen, platform::MessageService& meldingen,
                               QWidget* ouder) {
  platform::LibzipReader zip;
  return BestandInvoegen(map, dialogen, meldingen, ouder, zip, PlaatjeGrenzen{});
}

}  // namespace ui
