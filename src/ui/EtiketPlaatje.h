#pragma once
#include <QFrame>
#include <array>
#include <optional>

#include "editor/Slepen.h"
#include "ui/Layer.h"

namespace editor {
class Bewerker;
}
class QKeyEvent;
class QWidget;
namespace platform {
class MessageService;
}

namespace ui {

// The label picture pictEtiket: shows the kept image of the editor with the
// frames, handles and printable-area lines on top, and owns everything the
// mouse does there: selecting, moving the selection with the right button,
// stretching it by a handle with the left one and cropping a figure by a
// handle with the right one.
class EtiketPlaatje : public QFrame {
  Q_OBJECT
 public:
  EtiketPlaatje(Bewerker& bewerker, platform::MessageService& meldingen, QWidget* parent = nullptr);

  // Inner size in pixels and outer size in twips, as the scale needs them.
  QSize PixelMaat() const { return contentsRect().size(); }
  QSizeF TwipsMaat() const;
  // A new scale when the picture's size changed (or always when asked).
  void BerekenSchaal(bool altijd = false);

  QWidget* HandvatWidget(int index) const { return handvatten_.at(size_t(index)); }
  // A point of the widget in picture mm.
  QPointF NaarMm(QPointF punt) const;

  // Selecting. Selecting a text line makes it the line being edited.
  void SelecteerVoorwerp(int index);
  void DeSelecteerVoorwerp(int index);
  void DeSelekteerAlles();
  void AllesSelecteren();
  void PlaatsHandvaten();
  void VerbergHandvaten();

  // A button pressed on the picture at (x, y) mm.
  void pictEtiket_MouseDown(Qt::MouseButton knop, Qt::KeyboardModifiers toetsen, float x, float y);
  // Moving and stretching: the shadow follows the pointer; at the end the
  // selected elements move so that the selection lands on the shadow.
  void BeginVerplaatsen(float x, float y, bool eenRichting);
  void EindVerplaatsen(bool doeVerplaatsing);
  void picHandvat_MouseDown(int index, Qt::MouseButton knop, Qt::KeyboardModifiers toetsen);
  void EindRekken(bool uitvoeren);
  // The selection onto the label's centre.
  void Centreren();
  // The keys of the picture: the selection moved by (dx, dy) mm, within
  // the bounds of dragging; and copied, a little below and right of itself,
  // the copies selected.
  void Verschuif(float dx, float dy);
  void Dupliceren();

 signals:
  void Vergroot();  // the size changed
  // A text line became the line being edited.
  void LijnGekozen(int index);
  void SelectieVeranderd();
  // The selection was stretched or cropped.
  void Gerekt();
  // A mouse button went down at a point of the label, in picture mm.
  void MuisNeer(Qt::MouseButton knop, Qt::KeyboardModifiers toetsen, QPointF mm);
  void DubbelKlik(QPointF mm);
  // Files dropped on the picture, and where (mm, as the elements are placed).
  void BestandenLosgelaten(const QStringList& paden, QPointF mm);
  void MuisBeweegt(Qt::MouseButtons knoppen, QPointF mm);
  void MuisLos(Qt::MouseButton knop, QPointF mm);
  // A handle was pressed, dragged to a point (picture mm), or let go there;
  // op: 0 on the picture, 1 on the same handle, 2 on another handle,
  // 3 outside both.
  void HandvatNeer(int index, Qt::MouseButton knop, Qt::KeyboardModifiers toetsen);
  void HandvatSleept(QPointF mm);
  void HandvatLos(int op, QPointF mm);
  // Delete pressed on the picture: the menu's command removes the selection.
  void VerwijderenGevraagd();
  // A printable key pressed on the picture: it belongs to the line box.
  void Getypt(QKeyEvent* toets);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void dragEnterEvent(QDragEnterEvent* e) override;
  void dragMoveEvent(QDragMoveEvent* e) override;
  void dropEvent(QDropEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void PlaatsHandvatWidgets();
  void ToonSchaduw(const Kader& schaduw);

  Bewerker& bewerker_;
  platform::MessageService& meldingen_;
  std::array<QWidget*, 8> handvatten_{};
  std::optional<Verplaatsing> verplaatsing_;
  std::optional<Rekking> rekking_;
};

}  // namespace ui
