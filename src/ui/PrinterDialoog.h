#pragma once
#include <QDialog>
#include <QStringList>
#include <array>

#include "files/Instellingen.h"
#include "ui/Layer.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;
namespace platform {
class FileDialogs;
class MessageService;
}  // namespace platform

namespace ui {

// "Printerinstelling": where the label printer is connected, what
// connections 1 to 3 stand for (a device, a file or a printer on the
// network), the printer model on each connection, its speed and darkness,
// and the operating-system printer of connection 4.
class PrinterDialoog : public QDialog {
  Q_OBJECT
 public:
  // printers: the names of the operating system's printers; apparaten: its
  // printer devices, offered for connections 1 to 3.
  PrinterDialoog(Instellingen& instellingen, const QStringList& printers, const QStringList& apparaten,
                 platform::MessageService& meldingen, platform::FileDialogs& bestanden, QWidget* parent = nullptr);
  // The names CUPS (or the platform) knows, through Qt.
  static QStringList SysteemPrinters();

 private:
  void ZetControlWaarden();
  void cmdOK_Click();
  QString& Poortnaam(int poort);
  // What an "lpt" or network name stands for, beside its box.
  void ToonApparaat(int poort);
  // The model options show the model of connection `poort`.
  void ToonModel(int poort);

  Instellingen& instellingen_;
  platform::MessageService& meldingen_;
  platform::FileDialogs& bestanden_;
  // One option a printer model ("opt" + its name), its id the stored value.
  QButtonGroup* optModel_;
  QGroupBox* fraModel_;
  // Each connection's model as chosen so far (connection 1 first).
  std::array<qint16, 4> modellen_{};
  QButtonGroup* optAangeslotenOp_;
  QComboBox* cmbAfdrukSnelheid_;
  QComboBox* cmbIntensiteit_;
  QComboBox* cmbWindowsPrinter_;
  QComboBox* cmbPoort_[3];
  QLabel* lblApparaat_[3];
};

}  // namespace ui
