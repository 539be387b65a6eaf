#pragma once
#include <QObject>
#include <QString>

#include "ui/Layer.h"
#include "ui/Omgeving.h"

class QAction;
class QWidget;
namespace editor {
class Bewerker;
}
namespace platform {
class PrintDialogs;
}

namespace ui {

class AfdrukPaneel;

// Printing on sheets: through the system's print dialog to an office
// printer, or into a PDF file, every label at its place on the sheet with
// the copies and numbers the print frame describes.
class Vellenafdruk : public QObject {
  Q_OBJECT
 public:
  struct Acties {
    QAction* kantoorprinter;  // mnuAfdrukkenOpVellen
    QAction* pdf;             // mnuPdf
  };
  Vellenafdruk(QWidget& venster, Bewerker& bewerker, AfdrukPaneel& afdruk, Omgeving omgeving,
               platform::PrintDialogs& printdialogen, QObject* parent = nullptr);
  const Acties& acties() const { return acties_; }

  void mnuAfdrukkenOpVellen_Click();
  void mnuPdf_Click();

 private:
  QWidget& venster_;
  Bewerker& bewerker_;
  AfdrukPaneel& afdruk_;
  Omgeving omgeving_;
  platform::PrintDialogs& printdialogen_;
  Acties acties_{};
};

}  // namespace ui
