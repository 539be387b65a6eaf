#pragma once
#include <QIcon>
#include <QRect>
#include <QString>
#include <QWidget>

class QHBoxLayout;
class QPushButton;

namespace platform {

// A control placed at a fixed spot of a form, named so tests and the
// program's own lookups can find it.
template <typename W>
W* makeWidget(QWidget* parent, const char* name, QRect geometry) {
  auto* w = new W(parent);
  w->setObjectName(QString::fromLatin1(name));
  w->setGeometry(geometry);
  return w;
}

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
