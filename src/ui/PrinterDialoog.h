#pragma once
#include <QDialog>
#include <QStringList>

#include "files/Instellingen.h"

class QButtonGroup;
class QComboBox;
class QRadioButton;

// "Printerinstelling": the label printer's model, where it is connected,
// its speed and darkness, and the operating-system printer of connection 4.
class PrinterDialoog : public QDialog {
  Q_OBJECT
 public:
  // printers: the names of the operating system's printers.
  PrinterDialoog(Instellingen& instellingen, const QStringList& printers, QWidget* parent = nullptr);
  // The names CUPS (or the platform) knows, through Qt.
  static QStringList SysteemPrinters();

 private:
  void ZetControlWaarden();
  void cmdOK_Click();

  Instellingen& instellingen_;
  QRadioButton* optVL200_;
  QRadioButton* optVL300_;
  QButtonGroup* optAangeslotenOp_;
  QComboBox* cmbAfdrukSnelheid_;
  QComboBox* cmbIntensiteit_;
  QComboBox* cmbWindowsPrinter_;
};
