#pragma once
#include <QGlyphRun>
#include <QList>
#include <QPainterPath>
#include <QString>
#include <memory>

namespace platform {

// A font asked for by its cell height (ascent + descent) in device pixels,
// the way the label printer's drawing has always sized fonts: a 10 pt line at
// 8 dots per mm asks for a 28-pixel cell. The em size is derived from the
// font's own Windows metrics, so the cell comes out exact even where no whole
// pixel size would give it. Text is produced as outline paths: filled without
// antialiasing they stay pure black and white at every size and angle.
// Fonts are kept per thread: a font is used on the thread that made it, and
// any thread may make its own (the printer job draws on several).
class CellFont {
 public:
  struct Key {
    QString family;
    bool bold = false;
    bool italic = false;
    bool underline = false;
  };

  CellFont() = default;
  CellFont(const Key& key, double cellHeight);

  bool isValid() const { return sized_ != nullptr; }
  double cellHeight() const { return cell_; }
  double pixelSize() const;        // em height in pixels
  double ascent() const;           // baseline below the cell's top
  double descent() const;          // ascent + descent == cellHeight
  double internalLeading() const;  // cell - em
  double externalLeading() const;  // extra line gap the font asks for
  bool underline() const { return underline_; }
  // The family actually used (a missing family falls back to a default).
  QString family() const;

  // Advance of each character of the text, in pixels.
  QList<double> advances(const QString& text) const;
  double width(const QString& text) const;
  // Outline of the text with its baseline starting at origin; the underline
  // is part of the path when the font asks for it.
  QPainterPath path(const QString& text, QPointF origin) const;
  // The part of path() that can reach `window` (pixels): the characters
  // whose outlines come near it, and the underline cut a little outside it.
  // Filled and clipped to the window it gives the very pixels path() gives,
  // antialiased or not, but it costs what the window shows, not what the
  // text holds: a line of thousands of characters draws a handful.
  QPainterPath pathWithin(const QString& text, QPointF origin, const QRectF& window) const;
  // The same text as glyphs of the font at the positions path() puts them,
  // for a device that keeps text as text (a PDF page); the underline is
  // underlineRect(), drawn apart.
  QGlyphRun glyphRun(const QString& text, QPointF origin) const;
  // The underline path() adds for the text, or an empty rectangle.
  QRectF underlineRect(const QString& text, QPointF origin) const;
  // Outline of one character with its baseline origin at (0, 0).
  QPainterPath charPath(QChar c) const;
  // path(QString(c), QPointF(0, ascent())): one character on the baseline
  // of its cell, as round text turns it, made once per size and character.
  QPainterPath cellPath(QChar c) const;

  // Cell height for a size in points at a device resolution, as the
  // drawing routines ask for it: round(pixels per mm * 25.4 / 72 * points),
  // halves to even.
  static int cellForPoints(double pixelsPerMm, double points);

  struct Sized;

 private:
  std::shared_ptr<Sized> sized_;
  double cell_ = 0;
  bool underline_ = false;
};

}  // namespace platform
