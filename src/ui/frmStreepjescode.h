#pragma once
#include <QDialog>
#include <functional>
#include <optional>

#include "model/Streepjescode.h"
#include "ui/Layer.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
namespace platform {
class MessageService;
}

namespace ui {

// The barcode dialog: type, data, the human-readable line, the module width
// ("automatisch" or 1 to 10 printer dots) and, for linear codes, the
// height. OK closes it only when the data suits the type; otherwise a
// "Fout" message says what is wrong and the dialog stays open. Data that
// holds numbering codes is checked per copy when printing, since only then
// is it known.
class frmStreepjescode : public QDialog {
  Q_OBJECT
 public:
  // What is wrong with a description, or nothing.
  using Controle = std::function<std::optional<QString>(const Streepjescode&)>;

  // kiesCode runs the numbering dialog and gives the code to insert into
  // the data ("[#]", "[A]", ...), or an empty text. controleer checks the
  // data as the design will number it; without it, data holding codes is
  // left to the job.
  frmStreepjescode(platform::MessageService& meldingen, std::function<QString()> kiesCode, Controle controleer = {},
                   QWidget* parent = nullptr);

  // Shows the dialog modally, filled from `code`; true when it was closed
  // with OK, and `code` then holds the new values.
  bool Toon(Streepjescode& code);

  // The printer's dots per millimetre, for the module in millimetres and
  // the default height of retail codes.
  void ZetPuntenPerMm(int puntenPerMm);

 private:
  void Vul(const Streepjescode& code);
  void cmdOK_Click();
  void SoortGekozen();
  // Shows the module in mm and warns when it is outside the symbology's range.
  void ToonModule();
  // Retail codes get GS1's nominal height for their module, unless the user typed one.
  void NominaleHoogte();

  platform::MessageService& meldingen_;
  std::function<QString()> kiesCode_;
  Controle controleer_;
  Streepjescode code_;
  int puntenPerMm_ = 12;
  bool hoogteGetypt_ = false;  // the user set the height in this dialog
  bool hoogteZelf_ = false;    // the dialog itself is setting it

  QComboBox* cmbSoort_ = nullptr;
  QLineEdit* txtGegevens_ = nullptr;
  QCheckBox* chkTekstTonen_ = nullptr;
  QComboBox* cmbModulebreedte_ = nullptr;
  QLabel* lblModuleMm_ = nullptr;
  QLabel* lblHoogte_ = nullptr;
  QLineEdit* txtHoogte_ = nullptr;
};

}  // namespace ui
