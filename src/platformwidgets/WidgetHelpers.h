#pragma once
#include <QIcon>
#include <QRect>
#include <QString>
#include <QWidget>

class QHBoxLayout;
class QPushButton;

namespace platform {

// A control of a form, named so tests and the program's own lookups can
// find it; the form's layout places it.
template <typename W>
W* makeWidget(QWidget* parent, const QString& name) {
  auto* w = new W(parent);
  w->setObjectName(name);
  return w;
}
// The same at a fixed spot of a form that has no layout.
template <typename W>
W* makeWidget(QWidget* parent, const char* name, QRect geometry) {
  W* w = makeWidget<W>(parent, QString::fromLatin1(name));
  w->setGeometry(geometry);
  return w;
}
// A named push button; a small one (fixedWidth > 0) keeps that width.
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& text, int fixedWidth = 0);

// Four lines set left (0), right (1) or centred (2): the picture of the
// alignment and reference-mode buttons.
QIcon alignmentIcon(int alignment);

// The closing buttons of a dialog, right-aligned: "OK" (the default,
// objectName cmdOK) and "Annuleren" (cmdAnnuleren).
struct OkAnnuleren {
  QPushButton* ok;
  QPushButton* annuleren;
  QHBoxLayout* rij;
};
OkAnnuleren makeOkCancel(QWidget* dialog);

// The busy pointer for as long as it lives, however the block is left.
class BusyCursor {
 public:
  BusyCursor();
  ~BusyCursor();
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace platform
