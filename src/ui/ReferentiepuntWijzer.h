#pragma once
#include <QPointF>
#include <QSizeF>
#include <QWidget>
#include "ui/Layer.h"

namespace ui {

// The dial for picking the reference angle: twelve marks at every 30
// degrees, counted counter-clockwise from the top, and a red marker at the
// current angle. A click picks the nearest mark.
class ReferentiepuntWijzer : public QWidget {
  Q_OBJECT
 public:
  explicit ReferentiepuntWijzer(QWidget* parent = nullptr);

  void ZetHoek(double graden);
  double Hoek() const { return hoek_; }

  // The angle a click at `punt` picks on a dial of size `maat`: a multiple
  // of 30 from 0 to 330, except exactly on the horizontal line through the
  // centre, which gives -90 on the right and 90 on the left.
  static int HoekBijKlik(QPointF punt, QSizeF maat);

 signals:
  void Gekozen(int graden);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;

 private:
  double hoek_ = 0;
};

}  // namespace ui
