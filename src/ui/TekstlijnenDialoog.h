#pragma once
#include <QDialog>
#include "ui/Layer.h"

class QLineEdit;

namespace ui {

// "Meer lijnen": asks how many text lines the design should have. Kept
// after closing, so it keeps its contents.
class TekstlijnenDialoog : public QDialog {
  Q_OBJECT
 public:
  explicit TekstlijnenDialoog(QWidget* parent = nullptr);
  // Shows the dialog modally with the current count; returns the text of
  // the box as the user left it (the current count after Annuleren).
  QString Vraag(qint16 huidigAantal);

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  QLineEdit* txtAantalLijnen_;
};

}  // namespace ui
