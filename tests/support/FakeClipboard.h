#pragma once
#include "platform/Clipboard.h"

// A clipboard the test fills itself.
class FakeClipboard : public platform::Clipboard {
 public:
  bool hasText() const override { return !tekst.isEmpty(); }
  QString text() const override { return tekst; }
  void setText(const QString& t) override { tekst = t; }
  bool hasImage() const override { return !beeld.isNull(); }
  QImage image() const override { return beeld; }
  bool hasVector() const override { return !svg.isEmpty(); }
  QByteArray vector() const override { return svg; }

  QString tekst;
  QImage beeld;
  QByteArray svg;
};
