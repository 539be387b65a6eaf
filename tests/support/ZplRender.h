#pragma once
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <vector>

// A ZPL stream rendered by zpl-renderer-js, a renderer written outside this
// project (run with Node.js; scripts/setup --test installs both).
struct ZplRendering {
  // One image per ^XA..^XZ format, in stream order: Format_Mono, index 1
  // is a printed (black) dot.
  std::vector<QImage> labels;
  // Empty on success; otherwise why nothing was rendered (node or the
  // package missing, the renderer failing), for the test to fail with.
  QString error;
};

// Renders at dotsPerMm (8, 12 or 24) onto a canvas of labelDots.
ZplRendering RenderZpl(const QByteArray& zpl, int dotsPerMm, QSize labelDots);

// How many dots of a and b differ (black against white); every dot of the
// larger when the sizes differ.
long long DifferingDots(const QImage& a, const QImage& b);

// The CRC-16 a printer checks a ":Z64:" field's base64 text with
// (polynomial 0x1021, from 0), worked out a bit at a time.
quint16 ZplCrc16(const QByteArray& text);
