#include <QApplication>

#include "platform/SettingsStore.h"
#include "platformwidgets/MessageService.h"
#include "platformwidgets/Translations.h"
#include "ui/Etiket.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vellora"));
  platform::installDutchQtTranslations();

  platform::IniSettingsStore instellingen(platform::IniSettingsStore::defaultPath());
  platform::QtMessageService meldingen;
  EtiketOpties opties;
  opties.instellingen = &instellingen;
  opties.meldingen = &meldingen;

  Etiket etiket(opties);
  meldingen.setParent(&etiket);
  if (!etiket.Form_Load()) return 1;
  etiket.show();
  return app.exec();
}
