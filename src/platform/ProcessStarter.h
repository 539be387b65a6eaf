#pragma once
#include <QString>
#include <QStringList>

namespace platform {

// Starts other programs without waiting for them. Always with an argument
// list, never through a shell, so no name can inject a command.
class ProcessStarter {
 public:
  virtual ~ProcessStarter() = default;
  virtual bool startDetached(const QString& program, const QStringList& arguments, const QString& workingFolder) = 0;
};

class QtProcessStarter : public ProcessStarter {
 public:
  bool startDetached(const QString& program, const QStringList& arguments, const QString& workingFolder) override;
};

}  // namespace platform
