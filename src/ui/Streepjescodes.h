#pragma once
#include <QObject>
#include <memory>
#include "ui/Layer.h"

namespace editor {
class Bewerker;
}
class QAction;
class QLabel;
class QWidget;
namespace files {
struct Instellingen;
}
namespace platform {
class MessageService;
}

namespace ui {

class AfdrukPaneel;
class EtiketPlaatje;
class frmStreepjescode;

// The barcode commands of the window: a new barcode through its dialog
// (the entry of the Figuur menu), a selected one changed by a double click,
// the printer's dots the screen lays them out in, and the notice over the
// picture when one does not lie wholly on the label.
class Streepjescodes : public QObject {
  Q_OBJECT
 public:
  Streepjescodes(QWidget& venster, Bewerker& bewerker, EtiketPlaatje& plaatje, AfdrukPaneel& afdruk,
                 const Instellingen& instellingen, platform::MessageService& meldingen, QObject* parent = nullptr);
  ~Streepjescodes() override;

  // "Streepjescode toevoegen ...".
  QAction* Actie() const { return toevoegen_; }
  void mnuStreepjescodeToevoegen_Click();
  void WijzigStreepjescode(int index);
  // The printer's dots per mm, in which the screen lays barcodes out.
  int PrinterPuntenPerMm() const;
  void ZetPrinterPunten();
  // Shows over the picture which barcode does not lie wholly on the label,
  // or hides that notice: such a barcode would be refused when printing.
  void ControleerStreepjescodes();

 private:
  frmStreepjescode& Dialoog();

  QWidget& venster_;
  Bewerker& bewerker_;
  EtiketPlaatje& plaatje_;
  AfdrukPaneel& afdruk_;
  const Instellingen& instellingen_;
  platform::MessageService& meldingen_;
  QAction* toevoegen_ = nullptr;
  QLabel* lblStreepjescode_ = nullptr;
  std::unique_ptr<frmStreepjescode> dialoog_;
};

}  // namespace ui
