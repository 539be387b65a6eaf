#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "platform/ProcessStarter.h"

// Records the programs that would have been started. A program followed
// to its end ends at once, successfully, unless `aanHetWerk` holds it running
// until the test ends it with `Eindig`.
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
  void start(const QString& program, const QStringList& arguments, const QString& folder,
             std::function<void(const platform::ProcessResult&)> done) override {
    started.push_back({program, arguments, folder});
    if (bijStart) bijStart(started.back());
    if (aanHetWerk)
      lopend.push_back(std::move(done));
    else
      done({true, false, 0, {}});
  }
  // Ends the program that has run longest.
  void Eindig(const platform::ProcessResult& uitkomst = {true, false, 0, {}}) {
    auto done = std::move(lopend.front());
    lopend.erase(lopend.begin());
    done(uitkomst);
  }

  std::vector<Start> started;
  bool aanHetWerk = false;
  std::vector<std::function<void(const platform::ProcessResult&)>> lopend;
  // Sees each program as it starts, while its files are as it would find them.
  std::function<void(const Start&)> bijStart;
};
