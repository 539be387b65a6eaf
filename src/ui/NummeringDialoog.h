#pragma once
#include <QDialog>
#include <optional>

#include "printing/Nummering.h"
#include "ui/Layer.h"

class QLineEdit;
class QCheckBox;
class QComboBox;
class QLabel;
class QTabWidget;
class QTableView;
namespace platform {
class FileDialogs;
class MessageService;
}  // namespace platform

namespace ui {

class LijstModel;

// Reads the list file the numbering names into it (with its header as the
// numbering says); the message for the user when it cannot, and then the
// list is left empty: a job never runs on a list silently gone.
std::optional<QString> LeesLijstIn(Nummering& nummering);

// "Nummering": the running number's series and the list of values. Kept
// after closing, so its tab, grid and values stay.
class NummeringDialoog : public QDialog {
  Q_OBJECT
 public:
  NummeringDialoog(Nummering& nummering, platform::MessageService& meldingen, platform::FileDialogs& bestanden,
                   QWidget* parent = nullptr);

  // Shows the dialog modally; the chosen code ("[#]", "[A]", "[Naam]" ...),
  // or an empty text after Annuleren.
  QString Kies();
  const QString& Tag() const { return tag_; }

  // A box's value when its text reads exactly as that value does: the
  // leading number, rounded to 16 bits, written back plainly.
  static std::optional<qint16> GeldigVeld(const QString& tekst);

  // Reads a spreadsheet list into the grid (replacing it).
  void ImporteerCsv(const QString& pad);

  // The code that stands for column `kolom` of the list: "[Naam]" for a
  // column named "Naam", else its letter; empty past "[Z]" without a name.
  static QString KolomCode(const Lijst& lijst, int kolom);

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void cmdOK_Click();
  void cmdAnnuleren_Click();
  void VulGrid();
  void RijToevoegen();
  void RijVerwijderen();
  void Importeren();
  void OpnieuwLezen();

  Nummering& nummering_;
  platform::MessageService& meldingen_;
  platform::FileDialogs& bestanden_;
  QTabWidget* tabNummering_;
  QLineEdit* txtVan_;
  QLineEdit* txtTot_;
  QLineEdit* txtInStappenVan_;
  QTableView* Grid1_;
  LijstModel* lijstModel_;
  QCheckBox* chkKopregel_ = nullptr;
  QComboBox* cmbAantalKolom_ = nullptr;
  QLineEdit* txtRijen_ = nullptr;
  QCheckBox* chkLijstOnthouden_ = nullptr;
  QLabel* lblLijstBestand_ = nullptr;
  int gekozenKolom_ = 0;
  QString tag_;
};

}  // namespace ui
