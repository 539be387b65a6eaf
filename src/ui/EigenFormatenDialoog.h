#pragma once
#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

#include "model/EtiketFormaat.h"
#include "ui/Layer.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
namespace platform {
class MessageService;
}

namespace ui {

// The dialog "Eigen formaten": the user's own label formats, made, changed
// and deleted. A format is saved only when its values make sense (the
// message says what is wrong), and every change is kept at once through
// `bewaar`, which answers with a message when it could not be kept.
// Controls: lstFormaten, txtNaam, cmbVorm (Rechthoekig, Rond, Ovaal),
// txtBreedte, txtHoogte, txtHoekstraal, txtKolommen, txtRijen,
// txtHorizontaleSteek, txtVerticaleSteek, txtLinks, txtBoven, txtVelBreedte,
// txtVelHoogte, txtMargeLinks, txtMargeBoven, txtMargeRechts, txtMargeOnder,
// cmdNieuw, cmdOpslaan, cmdVerwijderen, cmdSluiten.
class EigenFormaten : public QDialog {
  Q_OBJECT
 public:
  struct Omgeving {
    platform::MessageService& meldingen;
    // Keeps the new list of own formats; a message when that failed.
    std::function<std::optional<QString>(const std::vector<EtiketFormaat>&)> bewaar;
    // Whether a format outside the own ones (shipped, stock) has the name.
    std::function<bool(const QString&)> naamBezet;
    QString inGebruik;  // the open design's format, which cannot be deleted
  };
  EigenFormaten(std::vector<EtiketFormaat> formaten, Omgeving omgeving, QWidget* parent = nullptr);

  const std::vector<EtiketFormaat>& formaten() const { return formaten_; }
  // Whether anything was kept while the dialog was open.
  bool Gewijzigd() const { return gewijzigd_; }

  void cmdNieuw_Click();
  // True when the format was kept.
  bool cmdOpslaan_Click();
  void cmdVerwijderen_Click();

 private:
  void Toon(int rij);
  void VulLijst();
  bool Bewaar(std::vector<EtiketFormaat> nieuw);
  // The form's values; the message when one is not a number.
  std::optional<EtiketFormaat> LeesVelden(QString* fout) const;

  std::vector<EtiketFormaat> formaten_;
  Omgeving omgeving_;
  bool gewijzigd_ = false;
  int rij_ = -1;  // the format in the form, -1 a new one

  QListWidget* lstFormaten_ = nullptr;
  QLineEdit* txtNaam_ = nullptr;
  QComboBox* cmbVorm_ = nullptr;
  struct Veld {
    QLineEdit* vak;
    const char* naam;  // in messages
  };
  std::vector<Veld> getallen_;
  QLineEdit* Vak(const char* objectNaam) const;
};

}  // namespace ui
