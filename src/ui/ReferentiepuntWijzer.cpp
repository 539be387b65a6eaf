#include "ui/ReferentiepuntWijzer.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "roundtext/RondeMeetkunde.h"

namespace ui {

namespace {

// A filled square of `zijde` pixels on the ring, at `graden` from the top.
QRectF Vierkantje(QSizeF maat, double graden, double zijde) {
  const double a = graden / 180 * RondePi;
  const double rho = maat.height() / 2 - 5;
  return QRectF((maat.width() - zijde) / 2 - rho * std::sin(a), (maat.height() - zijde) / 2 - rho * std::cos(a), zijde,
                zijde);
}

}  // namespace

ReferentiepuntWijzer::ReferentiepuntWijzer(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent, false);
  setCursor(Qt::CrossCursor);
}

void ReferentiepuntWijzer::ZetHoek(double graden) {
  hoek_ = graden;
  update();
}

int ReferentiepuntWijzer::HoekBijKlik(QPointF punt, QSizeF maat) {
  const double dx = punt.x() - maat.width() / 2;
  const double dy = maat.height() / 2 - punt.y();  // upwards positive
  if (std::fabs(dy) <= 0.001) return dx > 0 ? -90 : 90;
  const double g = dy > 0 ? -std::atan(dx / dy) : RondePi - std::atan(dx / dy);
  int hoek = int(std::floor(g / RondePi * 180 / 30 + 0.5)) * 30;
  if (hoek < 0) hoek += 360;
  return hoek;
}

void ReferentiepuntWijzer::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(Qt::NoPen);
  const QSizeF maat = size();
  p.setBrush(palette().color(QPalette::WindowText));
  for (int i = 0; i < 12; ++i) p.drawRect(Vierkantje(maat, i * 30, 3));
  p.setBrush(QColor(255, 0, 0));
  p.drawRect(Vierkantje(maat, hoek_, 5));
}

void ReferentiepuntWijzer::mousePressEvent(QMouseEvent* e) {
  emit Gekozen(HoekBijKlik(e->position(), size()));
  e->accept();
}

}  // namespace ui
