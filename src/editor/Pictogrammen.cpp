#include "editor/Pictogrammen.h"

#include <QPainter>

QIcon UitlijnIcoon(int uitlijning) {
  QPixmap pm(16, 16);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setPen(QPen(Qt::black, 1));
  const int lengtes[4] = {14, 9, 12, 7};
  for (int i = 0; i < 4; ++i) {
    const int l = lengtes[i];
    const int x = uitlijning == 0 ? 1 : uitlijning == 1 ? 15 - l : (16 - l) / 2;
    p.drawLine(x, 2 + i * 4, x + l - 1, 2 + i * 4);
  }
  return QIcon(pm);
}

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
