#include "platform/Scanner.h"

#include <QBuffer>
#include <QEventLoop>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>

namespace platform {

namespace {

struct Run {
  bool started = false;
  bool succeeded = false;  // ended by itself with exit code 0, within the limits
  QByteArray output;
};

// Runs the program to its end and collects its standard output, giving up
// past maxBytes or timeoutMs. Diagnostics are thrown away: there is no log,
// and an unread channel would grow without bound.
Run runProgram(const SaneScannerOptions& o, const QStringList& arguments, int timeoutMs) {
  Run run;
  QProcess p;
  if (o.environment) p.setProcessEnvironment(*o.environment);
  p.setStandardInputFile(QProcess::nullDevice());
  p.setStandardErrorFile(QProcess::nullDevice());

  bool overLimit = false;
  bool timedOut = false;
  QEventLoop loop;
  QTimer timer;
  timer.setSingleShot(true);
  QObject::connect(&p, &QProcess::readyReadStandardOutput, &loop, [&] {
    if (overLimit) return;
    run.output += p.readAllStandardOutput();
    if (run.output.size() > o.maxBytes) {
      overLimit = true;
      run.output.clear();
      p.kill();
    }
  });
  QObject::connect(&p, &QProcess::finished, &loop, &QEventLoop::quit);
  QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
    timedOut = true;
    p.kill();
  });

  p.start(o.program, arguments, QIODevice::ReadOnly);
  if (!p.waitForStarted()) return run;
  run.started = true;
  if (p.state() != QProcess::NotRunning) {
    timer.start(timeoutMs);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
  }
  timer.stop();
  if (!overLimit) {
    run.output += p.readAllStandardOutput();
    overLimit = run.output.size() > o.maxBytes;
  }
  run.succeeded = !overLimit && !timedOut && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
  if (!run.succeeded) run.output.clear();
  return run;
}

}  // namespace

QList<ScanSource> parseScanimageList(const QString& output) {
  // The device name ends at the first "' is a": names hold colons, slashes
  // and spaces, descriptions sometimes a quote.
  static const QRegularExpression line(QStringLiteral("^device `(.+?)' is an?(?: (.*))?$"));
  QList<ScanSource> sources;
  for (const QString& raw : output.split(u'\n')) {
    const QRegularExpressionMatch m = line.match(raw.trimmed());
    if (!m.hasMatch()) continue;
    sources.append({m.captured(1), m.captured(2).simplified()});
  }
  return sources;
}

QList<ScanSource> SaneScanner::listSources() {
  const Run run = runProgram(options_, {QStringLiteral("-L")}, options_.listTimeoutMs);
  if (!run.started) {
    status_ = Status::NotStarted;
    return {};
  }
  status_ = run.succeeded ? Status::Ok : Status::NoResult;
  return parseScanimageList(QString::fromLocal8Bit(run.output));
}

std::optional<QImage> SaneScanner::scan(const QString& device) {
  QStringList arguments;
  if (!device.isEmpty()) arguments << QStringLiteral("-d") << device;
  arguments << QStringLiteral("--format=png");
  Run run = runProgram(options_, arguments, options_.scanTimeoutMs);
  if (!run.started) {
    status_ = Status::NotStarted;
    return std::nullopt;
  }
  status_ = Status::NoResult;
  if (!run.succeeded) return std::nullopt;

  QBuffer buffer(&run.output);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "png");
  // The size from the header decides before any memory goes to the dots.
  const QSize size = reader.size();
  if (!size.isValid() || size.isEmpty() || qint64(size.width()) * size.height() > options_.maxDots)
    return std::nullopt;
  QImage picture = reader.read();
  if (picture.isNull()) return std::nullopt;
  status_ = Status::Ok;
  return picture;
}

}  // namespace platform
