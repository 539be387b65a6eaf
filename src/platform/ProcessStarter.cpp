#include "platform/ProcessStarter.h"

#include <QProcess>

namespace platform {

bool QtProcessStarter::startDetached(const QString& program, const QStringList& arguments,
                                     const QString& workingFolder) {
  return QProcess::startDetached(program, arguments, workingFolder);
}

}  // namespace platform
