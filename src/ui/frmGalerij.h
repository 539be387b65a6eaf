#pragma once
#include <QDialog>
#include "ui/Layer.h"

class QLineEdit;
class QPushButton;
namespace platform {
class MessageService;
}

namespace ui {

// "Galerij": the name and folder of one gallery. Made once and only hidden
// after OK or Annuleren, so it is reused for every addition and change.
// Controls carry their names as objectName.
class frmGalerij : public QDialog {
  Q_OBJECT
 public:
  // A name left empty is refused with a message through `meldingen`.
  explicit frmGalerij(platform::MessageService& meldingen, QWidget* parent = nullptr);

  void Vul(const QString& beschrijving, const QString& pad);
  QString Beschrijving() const;
  QString Pad() const;
  // "OK" when last closed with OK; empty after Annuleren or any other way.
  QString Tag() const { return tag_; }
  // Shows the dialog modally; true when it was closed with OK.
  bool Toon();

 public slots:
  void reject() override;

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void Sluit(const QString& tag);

  platform::MessageService& meldingen_;
  QString tag_;
  QLineEdit* txtBeschrijving_ = nullptr;
  QLineEdit* txtPad_ = nullptr;
  QPushButton* cmdOK_ = nullptr;
  QPushButton* cmdAnnuleren_ = nullptr;
};

}  // namespace ui
