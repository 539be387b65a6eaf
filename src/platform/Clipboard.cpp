#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace platform {
namespace {
const QString kSvg = QStringLiteral("image/svg+xml");
const QMimeData* Inhoud() { return QGuiApplication::clipboard()->mimeData(); }
}  // namespace

bool QtClipboard::hasText() const {
  const QMimeData* m = Inhoud();
  return m && m->hasText() && !m->text().isEmpty();
}
QString QtClipboard::text() const { return QGuiApplication::clipboard()->text(); }
void QtClipboard::setText(const QString& text) { QGuiApplication::clipboard()->setText(text); }
bool QtClipboard::hasImage() const {
  const QMimeData* m = Inhoud();
  return m && m->hasImage();
}
QImage QtClipboard::image() const { return QGuiApplication::clipboard()->image(); }
bool QtClipboard::hasVector() const {
  const QMimeData* m = Inhoud();
  return m && m->hasFormat(kSvg);
}
QByteArray QtClipboard::vector() const {
  const QMimeData* m = Inhoud();
  return m ? m->data(kSvg) : QByteArray();
}

}  // namespace platform
