#include "platform/FontList.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>

namespace platform {

QStringList installedFontFamilies() {
  // The default font resolves to a real face whenever any font loads.
  if (QFontInfo(QFont()).family().isEmpty()) return {};
  return QFontDatabase::families();
}

}  // namespace platform
