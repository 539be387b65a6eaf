#pragma once
#include <QObject>
#include <vector>

#include "ui/Layer.h"

class QAction;
class QScrollArea;
class QWheelEvent;
class QWidget;

namespace ui {

class EtiketPlaatje;

// Zooming the label picture: the picture is the scroll area's widget, made
// `Factor()` times the size that fits the area ("Passend" is 1), so the
// label scrolls around. Its scale follows its size, so the kept image and
// its repaints work as at any size. Ctrl+wheel zooms about the pointer;
// Ctrl++ and Ctrl+- about the middle of what shows.
class Zoom : public QObject {
  Q_OBJECT
 public:
  Zoom(QScrollArea& gebied, EtiketPlaatje& plaatje, QObject* parent = nullptr);

  // The steps, 25 % to 800 %.
  static const std::vector<double>& Stappen();
  double Factor() const { return factor_; }
  // Sets the factor (held within the steps' range), keeping the label point
  // at `anker` (pixels of the area's viewport) where it is.
  void ZetFactor(double factor, QPointF anker);
  void ZetFactor(double factor);
  void Inzoomen();
  void Uitzoomen();
  void Passend();

  QAction* InzoomenActie() const { return inzoomen_; }
  QAction* UitzoomenActie() const { return uitzoomen_; }
  QAction* PassendActie() const { return passend_; }

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void PasMaatAan();
  // The step after the current factor up (richting > 0) or down; the
  // current one at either end.
  double Stap(int richting) const;
  QPointF Midden() const;

  QScrollArea& gebied_;
  EtiketPlaatje& plaatje_;
  QWidget* viewport_ = nullptr;
  double factor_ = 1;
  QAction* inzoomen_ = nullptr;
  QAction* uitzoomen_ = nullptr;
  QAction* passend_ = nullptr;
};

}  // namespace ui
