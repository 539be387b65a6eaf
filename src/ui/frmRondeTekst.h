#pragma once
#include <QDialog>

#include "roundtext/RondeTekstOpdrachten.h"
#include "ui/Layer.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QScrollBar;
namespace platform {
class MessageService;
}

namespace ui {

class ReferentiepuntWijzer;

// The round-text dialog. It is filled from a description, shown modally,
// and hidden rather than destroyed when closed, so it keeps its font list and
// its last values. OK only closes it when every field holds a usable value;
// otherwise a "Fout" message names the field and the dialog stays open.
// Controls carry their names as objectName.
class frmRondeTekst : public QDialog {
  Q_OBJECT
 public:
  explicit frmRondeTekst(platform::MessageService& meldingen, QWidget* parent = nullptr);

  // Refills every field.
  void Vul(const RondeTekstGegevens& g);
  // The values the dialog was last filled with or closed with OK with.
  const RondeTekstGegevens& Gegevens() const { return gegevens_; }
  // How the dialog was closed: true by OK, false by Annuleren or any other way.
  bool Bevestigd() const { return bevestigd_; }
  // Shows the dialog modally; true when it was closed with OK.
  bool Toon();

 public slots:
  void reject() override;

 private:
  // Validates the fields; on success `uit` holds their values. Otherwise the
  // message is in `melding` and `veld` is the field to correct, if any.
  bool LeesVelden(RondeTekstGegevens& uit, QString& melding, QLineEdit** veld) const;
  void MaakBesturing();
  void LeesLettertypes();
  void Sluit(bool bevestigd);
  void cmdOK_Click();
  void cmdUitlijning_Click(int index);
  void spinLettergrootte_Change(int waarde);
  void txtReferentiepunt_Change(const QString& tekst);
  void picReferentiepunt_Gekozen(int graden);

  platform::MessageService& meldingen_;
  RondeTekstGegevens gegevens_;
  bool bevestigd_ = false;
  bool bezig_ = false;  // while the spin control puts itself back

  QGroupBox* frmTekst_ = nullptr;
  QLineEdit* txtTekst_ = nullptr;
  QComboBox* cmbLettertype_ = nullptr;
  QLineEdit* txtLettergrootte_ = nullptr;
  QScrollBar* spinLettergrootte_ = nullptr;
  QPushButton* cmdVet_ = nullptr;
  QPushButton* cmdCursief_ = nullptr;
  QButtonGroup* cmdUitlijning_ = nullptr;
  QGroupBox* Frame1_ = nullptr;
  QLineEdit* txtStraal_ = nullptr;
  QLineEdit* txtSpatiering_ = nullptr;
  QPushButton* cmdWijzerzin_ = nullptr;
  QPushButton* cmdTegenwijzerzin_ = nullptr;
  QGroupBox* frReferentiepunt_ = nullptr;
  ReferentiepuntWijzer* picReferentiepunt_ = nullptr;
  QLineEdit* txtReferentiepunt_ = nullptr;
  QPushButton* cmdOK_ = nullptr;
  QPushButton* cmdAnnuleren_ = nullptr;
};

// A number typed in a field: the whole text (blanks around it aside) with a
// period as decimal separator; false for an empty field or anything else.
bool LeesVeld(const QString& tekst, double& waarde);
// A number as the dialog shows it: "13", "12.5".
QString Getaltekst(double waarde);

}  // namespace ui
