#pragma once
#include <QFrame>
#include <array>

class EtiketBeeld;
class QWidget;

// The label picture pictEtiket: shows the kept image of an EtiketBeeld with
// the frames, handles and printable-area lines on top.
class EtiketPlaatje : public QFrame {
  Q_OBJECT
 public:
  explicit EtiketPlaatje(QWidget* parent = nullptr);
  void ZetBeeld(EtiketBeeld* beeld) { beeld_ = beeld; }

  // Inner size in pixels and outer size in twips, as the scale needs them.
  QSize PixelMaat() const { return contentsRect().size(); }
  QSizeF TwipsMaat() const;

  // Puts the eight handle widgets where the data says.
  void PlaatsHandvatWidgets();
  QWidget* HandvatWidget(int index) const { return handvatten_.at(size_t(index)); }

  // Shows a changed part of the image (image pixels), or all of it.
  void Toon(const QRegion& gebied);
  void ToonAlles();
  // A point of the widget in picture mm.
  QPointF NaarMm(QPointF punt) const;

 signals:
  void Vergroot();  // the size changed: the scale must be recomputed
  // A mouse button went down at a point of the label, in picture mm.
  void MuisNeer(Qt::MouseButton knop, Qt::KeyboardModifiers toetsen, QPointF mm);
  void DubbelKlik(QPointF mm);
  void MuisBeweegt(Qt::MouseButtons knoppen, QPointF mm);
  void MuisLos(Qt::MouseButton knop, QPointF mm);
  // A handle was pressed, dragged to a point (picture mm), or let go there;
  // op: 0 on the picture, 1 on the same handle, 2 on another handle,
  // 3 outside both.
  void HandvatNeer(int index, Qt::MouseButton knop, Qt::KeyboardModifiers toetsen);
  void HandvatSleept(QPointF mm);
  void HandvatLos(int op, QPointF mm);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  EtiketBeeld* beeld_ = nullptr;
  std::array<QWidget*, 8> handvatten_{};
};
