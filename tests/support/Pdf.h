#pragma once
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QStringList>
#include <algorithm>
#include <vector>

// A PDF looked at from outside, with poppler's own tools: a page rendered
// to grey pixels, the text it holds, and the dark blobs on a page.

inline QByteArray RunTool(const QString& program, const QStringList& args, int* code = nullptr) {
  QProcess p;
  p.start(program, args);
  if (!p.waitForFinished(120000)) {
    p.kill();
    p.waitForFinished();
  }
  if (code) *code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  return p.readAllStandardOutput();
}

// Page `page` (from 1) at `dpi`, in grey.
inline QImage RenderPdfPage(const QString& pdf, int dpi, int page = 1) {
  const QString prefix = pdf + QStringLiteral(".page%1").arg(page);
  int code = -1;
  RunTool(QStringLiteral("pdftoppm"),
          {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
           QString::number(page), QStringLiteral("-gray"), QStringLiteral("-singlefile"), pdf, prefix},
          &code);
  QImage img(prefix + QStringLiteral(".pgm"));
  QFile::remove(prefix + QStringLiteral(".pgm"));
  return code == 0 ? img.convertToFormat(QImage::Format_Grayscale8) : QImage();
}

inline QString PdfText(const QString& pdf) {
  return QString::fromUtf8(RunTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}));
}

inline int PdfPages(const QString& pdf) {
  const QString info = QString::fromUtf8(RunTool(QStringLiteral("pdfinfo"), {pdf}));
  for (const QString& line : info.split(u'\n'))
    if (line.startsWith(QStringLiteral("Pages:"))) return line.mid(6).trimmed().toInt();
  return 0;
}

// The page size in points, as pdfinfo reports it.
inline QSizeF PdfPageSize(const QString& pdf) {
  const QString info = QString::fromUtf8(RunTool(QStringLiteral("pdfinfo"), {pdf}));
  for (const QString& line : info.split(u'\n'))
    if (line.startsWith(QStringLiteral("Page size:"))) {
      const QStringList parts = line.mid(10).simplified().split(u' ');
      if (parts.size() >= 3) return {parts[0].toDouble(), parts[2].toDouble()};
    }
  return {};
}

// The bounding boxes of the connected dark areas (grey below 128), top to
// bottom and left to right by their top-left corners.
inline std::vector<QRect> DarkBlobs(const QImage& grey) {
  const int w = grey.width(), h = grey.height();
  std::vector<int> label(size_t(w) * size_t(h), 0);
  std::vector<QRect> blobs;
  std::vector<QPoint> stack;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (grey.constScanLine(y)[x] >= 128 || label[size_t(y) * w + x]) continue;
      QRect box(x, y, 1, 1);
      stack.push_back({x, y});
      label[size_t(y) * w + x] = 1;
      while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        box |= QRect(p, QSize(1, 1));
        for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
          const QPoint q = p + d;
          if (q.x() < 0 || q.y() < 0 || q.x() >= w || q.y() >= h) continue;
          int& l = label[size_t(q.y()) * w + q.x()];
          if (l || grey.constScanLine(q.y())[q.x()] >= 128) continue;
          l = 1;
          stack.push_back(q);
        }
      }
      blobs.push_back(box);
    }
  std::sort(blobs.begin(), blobs.end(), [](const QRect& a, const QRect& b) {
    if (std::abs(a.top() - b.top()) > 2) return a.top() < b.top();
    return a.left() < b.left();
  });
  return blobs;
}
