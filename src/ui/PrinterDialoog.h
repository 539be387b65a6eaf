#pragma once
#include <QDialog>
#include <QStringList>

#include "files/Instellingen.h"
#include "ui/Layer.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QRadioButton;
namespace platform {
class FileDialogs;
class MessageService;
}  // namespace platform

namespace ui {

// "Printerinstelling": the label printer's model, where it is connected and
// what connections 1 to 3 stand for (a device or a file), its speed and
// darkness, and the operating-system printer of connection 4.
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
  // What an "lpt" name stands for, beside its box.
  void ToonApparaat(int poort);

  Instellingen& instellingen_;
  platform::MessageService& meldingen_;
  platform::FileDialogs& bestanden_;
  // One option a printer model ("opt" + its name), its id the stored value.
  QButtonGroup* optModel_;
  QButtonGroup* optAangeslotenOp_;
  QComboBox* cmbAfdrukSnelheid_;
  QComboBox* cmbIntensiteit_;
  QComboBox* cmbWindowsPrinter_;
  QComboBox* cmbPoort_[3];
  QLabel* lblApparaat_[3];
};

}  // namespace ui
