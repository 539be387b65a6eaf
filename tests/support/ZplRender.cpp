#include "support/ZplRender.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

// Black where the renderer's grey is darker than half: its PNGs are already
// black and white, the threshold only makes the one-bit copy.
QImage OneBit(const QImage& png) {
  const QImage grey = png.convertToFormat(QImage::Format_Grayscale8);
  QImage mono(grey.size(), QImage::Format_Mono);
  mono.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
  mono.fill(0);
  for (int y = 0; y < grey.height(); ++y) {
    const uchar* row = grey.constScanLine(y);
    for (int x = 0; x < grey.width(); ++x)
      if (row[x] < 128) mono.setPixel(x, y, 1);
  }
  return mono;
}

bool Black(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

}  // namespace

ZplRendering RenderZpl(const QByteArray& zpl, int dotsPerMm, QSize labelDots) {
  ZplRendering result;
  const QString node = QStandardPaths::findExecutable(QStringLiteral("node"));
  if (node.isEmpty()) {
    result.error = QStringLiteral("Node.js (node) is not on PATH; scripts/setup --test installs it");
    return result;
  }
  QTemporaryDir dir;
  if (!dir.isValid()) {
    result.error = QStringLiteral("no temporary folder: ") + dir.errorString();
    return result;
  }
  QFile stream(dir.filePath(QStringLiteral("stream.zpl")));
  if (!stream.open(QIODevice::WriteOnly) || stream.write(zpl) != zpl.size()) {
    result.error = QStringLiteral("cannot write ") + stream.fileName();
    return result;
  }
  stream.close();

  QProcess process;
  process.start(node, {QStringLiteral(VELLORA_ZPL_RENDER), stream.fileName(), dir.filePath(QStringLiteral("labels")),
                       QString::number(dotsPerMm), QString::number(labelDots.width()),
                       QString::number(labelDots.height())});
  if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
    process.kill();
    result.error = QStringLiteral("the ZPL renderer failed (exit %1): %2")
                       .arg(process.exitCode())
                       .arg(QString::fromUtf8(process.readAllStandardError().right(2000)).trimmed());
    return result;
  }
  bool ok = false;
  const int count = QString::fromUtf8(process.readAllStandardOutput()).trimmed().toInt(&ok);
  if (!ok) {
    result.error = QStringLiteral("the ZPL renderer did not say how many labels it made");
    return result;
  }
  for (int i = 0; i < count; ++i) {
    const QString file = dir.filePath(QStringLiteral("labels/label-%1.png").arg(i));
    QImage png(file);
    if (png.isNull()) {
      result.error = QStringLiteral("unreadable rendering ") + file;
      result.labels.clear();
      return result;
    }
    result.labels.push_back(OneBit(png));
  }
  return result;
}

long long DifferingDots(const QImage& a, const QImage& b) {
  if (a.size() != b.size())
    return qMax(qint64(a.width()) * a.height(), qint64(b.width()) * b.height());
  long long differing = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (Black(a, x, y) != Black(b, x, y)) ++differing;
  return differing;
}

quint16 ZplCrc16(const QByteArray& text) {
  quint16 crc = 0;
  for (char c : text) {
    crc ^= quint16(quint16(quint8(c)) << 8);
    for (int i = 0; i < 8; ++i) crc = (crc & 0x8000) ? quint16((crc << 1) ^ 0x1021) : quint16(crc << 1);
  }
  return crc;
}
