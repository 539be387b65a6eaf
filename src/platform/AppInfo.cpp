#include "platform/AppInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace platform::appinfo {

QString programFolder() {
  QString dir = QCoreApplication::applicationDirPath();
  return dir.isEmpty() ? QDir::currentPath() : dir;
}

QString dataFolder() {
  const QString own = programFolder();
  if (QFileInfo::exists(own + QStringLiteral("/all.eft"))) return own;
  const QString shared = QDir::cleanPath(own + QStringLiteral("/../share/vellora"));
  if (QFileInfo::exists(shared + QStringLiteral("/all.eft"))) return shared;
  return own;
}

QDateTime executableDate() {
  return QFileInfo(QCoreApplication::applicationFilePath()).lastModified();
}

QString versionText() { return QStringLiteral("v %1.%2").arg(kMajor).arg(kMinor); }

QString buildStamp(const QDate& fileDate) {
  return fileDate.toString(QStringLiteral("yyMMdd")) + QStringLiteral("%1").arg(kRevision, 3, 10, QLatin1Char('0'));
}

}  // namespace platform::appinfo
