#include "platformwidgets/WidgetHelpers.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace platform {

QIcon alignmentIcon(int alignment) {
  QPixmap pm(16, 16);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setPen(QPen(Qt::black, 1));
  const int lengths[4] = {14, 9, 12, 7};
  for (int i = 0; i < 4; ++i) {
    const int l = lengths[i];
    const int x = alignment == 0 ? 1 : alignment == 1 ? 15 - l : (16 - l) / 2;
    p.drawLine(x, 2 + i * 4, x + l - 1, 2 + i * 4);
  }
  return QIcon(pm);
}

OkAnnuleren makeOkCancel(QWidget* dialog) {
  auto* ok = new QPushButton(QStringLiteral("OK"), dialog);
  ok->setObjectName(QStringLiteral("cmdOK"));
  ok->setDefault(true);
  auto* annuleren = new QPushButton(QStringLiteral("Annuleren"), dialog);
  annuleren->setObjectName(QStringLiteral("cmdAnnuleren"));
  auto* rij = new QHBoxLayout;
  rij->addStretch();
  rij->addWidget(ok);
  rij->addWidget(annuleren);
  return {ok, annuleren, rij};
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& text, int fixedWidth) {
  auto* k = new QPushButton(text, parent);
  k->setObjectName(name);
  if (fixedWidth > 0) k->setFixedWidth(fixedWidth);
  return k;
}

BusyCursor::BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
BusyCursor::~BusyCursor() { QApplication::restoreOverrideCursor(); }

}  // namespace platform
