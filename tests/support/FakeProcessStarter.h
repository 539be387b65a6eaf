#pragma once
#include <QString>
#include <QStringList>
#include <vector>

#include "platform/ProcessStarter.h"

// Records the programs that would have been started.
class FakeProcessStarter : public platform::ProcessStarter {
 public:
  struct Start {
    QString program;
    QStringList arguments;
    QString folder;
  };
  bool startDetached(const QString& program, const QStringList& arguments, const QString& folder) override {
    started.push_back({program, arguments, folder});
    return true;
  }
  std::vector<Start> started;
};
