#include "platform/ProcessStarter.h"

#include <QProcess>
#include <algorithm>
#include <memory>

namespace platform {

namespace {
constexpr int kWaitAtExitMs = 30000;
}

QtProcessStarter::~QtProcessStarter() {
  for (QProcess* p : std::vector<QProcess*>(running_)) {
    if (p->waitForFinished(kWaitAtExitMs)) continue;  // its own handler has let it go
    // Still running: it is left to run on, not ended with this program.
    p->disconnect();
  }
}

bool QtProcessStarter::startDetached(const QString& program, const QStringList& arguments,
                                     const QString& workingFolder) {
  return QProcess::startDetached(program, arguments, workingFolder);
}

void QtProcessStarter::start(const QString& program, const QStringList& arguments, const QString& workingFolder,
                             std::function<void(const ProcessResult&)> done) {
  auto* p = new QProcess;
  p->setProgram(program);
  p->setArguments(arguments);
  p->setWorkingDirectory(workingFolder);
  p->setStandardOutputFile(QProcess::nullDevice());
  running_.push_back(p);
  auto finish = std::make_shared<std::function<void(const ProcessResult&)>>(std::move(done));
  const auto end = [this, p, finish](const ProcessResult& r) {
    running_.erase(std::remove(running_.begin(), running_.end(), p), running_.end());
    p->disconnect();
    p->deleteLater();
    if (*finish) (*finish)(r);
  };
  QObject::connect(p, &QProcess::finished, p, [p, end](int code, QProcess::ExitStatus status) {
    end({true, status == QProcess::CrashExit, code, QString::fromLocal8Bit(p->readAllStandardError()).trimmed()});
  });
  QObject::connect(p, &QProcess::errorOccurred, p, [p, end](QProcess::ProcessError e) {
    if (e == QProcess::FailedToStart) end({false, false, -1, p->errorString()});
  });
  p->start();
}

}  // namespace platform
