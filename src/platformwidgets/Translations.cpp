#include "platformwidgets/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace platform {

bool installDutchQtTranslations() {
  auto* vertaling = new QTranslator(QCoreApplication::instance());
  if (!vertaling->load(QLocale(QLocale::Dutch, QLocale::Netherlands), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete vertaling;
    return false;
  }
  return QCoreApplication::installTranslator(vertaling);
}

}  // namespace platform
