#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>

namespace platform {

// The system clipboard, behind an interface so tests can fill it.
class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual bool hasText() const = 0;
  virtual QString text() const = 0;
  virtual void setText(const QString& text) = 0;
  virtual bool hasImage() const = 0;
  virtual QImage image() const = 0;
  // A vector picture (SVG), the counterpart of a metafile here.
  virtual bool hasVector() const = 0;
  virtual QByteArray vector() const = 0;
};

class QtClipboard : public Clipboard {
 public:
  bool hasText() const override;
  QString text() const override;
  void setText(const QString& text) override;
  bool hasImage() const override;
  QImage image() const override;
  bool hasVector() const override;
  QByteArray vector() const override;
};

}  // namespace platform
