#pragma once
#include <QImage>
#include <QList>
#include <QProcessEnvironment>
#include <QString>
#include <optional>

namespace platform {

// One scanner as the scanning system names it: the device name to scan
// from, and a description a person can read.
struct ScanSource {
  QString device;
  QString description;
  bool operator==(const ScanSource&) const = default;
};

// Scanners, behind an interface so that tests can script them.
class Scanner {
 public:
  // How the last call ended. NotStarted: the scanning program itself could
  // not be run (missing, not executable), which the caller reports.
  // NoResult: the program ran but delivered nothing usable (cancelled, no
  // such device, failed, too large, too slow), which the caller passes over
  // in silence.
  enum class Status { Ok, NotStarted, NoResult };

  virtual ~Scanner() = default;
  // The scanners that can be reached now; empty when there are none.
  virtual QList<ScanSource> listSources() = 0;
  // Scans one picture from `device` (empty: the system's default scanner).
  virtual std::optional<QImage> scan(const QString& device) = 0;
  virtual Status lastStatus() const = 0;
};

// The scanners in the listing `scanimage -L` prints, one line each:
//   device `test:0' is a Noname frontend-tester virtual device
// Lines of any other form (the notice that nothing was found, blank lines)
// are skipped.
QList<ScanSource> parseScanimageList(const QString& output);

// Limits and the program of SaneScanner; tests change them.
struct SaneScannerOptions {
  QString program = QStringLiteral("scanimage");
  // Unset: the program inherits this process's environment.
  std::optional<QProcessEnvironment> environment;
  int listTimeoutMs = 60 * 1000;  // network scanners take a while to answer
  int scanTimeoutMs = 5 * 60 * 1000;
  qint64 maxBytes = qint64(256) * 1024 * 1024;  // the PNG as read
  qint64 maxDots = qint64(128) * 1024 * 1024;   // the picture decoded from it
};

// Scanners reached through SANE's command-line program, run with an
// argument list (never a shell). The program runs on the calling thread:
// a local event loop keeps windows painted while it works but holds back
// user input, so no second command can start in the meantime.
class SaneScanner : public Scanner {
 public:
  explicit SaneScanner(SaneScannerOptions options = {}) : options_(std::move(options)) {}
  QList<ScanSource> listSources() override;
  std::optional<QImage> scan(const QString& device) override;
  Status lastStatus() const override { return status_; }

 private:
  SaneScannerOptions options_;
  Status status_ = Status::Ok;
};

}  // namespace platform
