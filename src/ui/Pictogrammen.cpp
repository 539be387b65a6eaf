#include "ui/Pictogrammen.h"

#include <QPainter>

namespace ui {

QPixmap SpaarstandLamp(int stand) {
  QPixmap pm(16, 16);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor kleur = stand == 0 ? QColor(150, 150, 150) : stand == 1 ? QColor(0, 170, 0) : QColor(240, 150, 0);
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(kleur);
  p.drawEllipse(QRectF(2, 2, 12, 12));
  return pm;
}

}  // namespace ui
