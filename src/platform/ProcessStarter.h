#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QProcess;

namespace platform {

// How a program that was followed to its end ended.
struct ProcessResult {
  bool started = false;  // false: it could not be started at all
  bool crashed = false;
  int exitCode = 0;
  QString errorOutput;  // what it wrote to standard error, or why it did not start
  bool ok() const { return started && !crashed && exitCode == 0; }
};

// Starts other programs. Always with an argument list, never through a
// shell, so no name can inject a command.
class ProcessStarter {
 public:
  virtual ~ProcessStarter() = default;
  // Starts a program and lets go of it.
  virtual bool startDetached(const QString& program, const QStringList& arguments, const QString& workingFolder) = 0;
  // Starts a program without waiting for it; `done` is called on this
  // thread's event loop once it has ended (or failed to start).
  virtual void start(const QString& program, const QStringList& arguments, const QString& workingFolder,
                     std::function<void(const ProcessResult&)> done) = 0;
};

class QtProcessStarter : public ProcessStarter {
 public:
  // Programs still running are given a while to finish: ending them with
  // this program would cut a print job off half-way.
  ~QtProcessStarter() override;
  bool startDetached(const QString& program, const QStringList& arguments, const QString& workingFolder) override;
  void start(const QString& program, const QStringList& arguments, const QString& workingFolder,
             std::function<void(const ProcessResult&)> done) override;

 private:
  std::vector<QProcess*> running_;
};

}  // namespace platform
