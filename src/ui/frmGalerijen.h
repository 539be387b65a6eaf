#pragma once
#include <QDialog>

#include "figures/Galerijen.h"
#include "ui/Layer.h"

class QListWidget;
class QPushButton;
namespace platform {
class MessageService;
}

namespace ui {

class frmGalerij;

// "Galleries": the user edits the gallery list in place. The dialog is made
// anew for every edit; at construction it fills its list box, selects the
// first gallery and keeps a copy of the list, which Cancel (or closing the
// window any other way) puts back. Close keeps the changes. One gallery is
// added or changed through `galerij`, which the caller keeps between uses.
// Controls carry their names as objectName.
class frmGalerijen : public QDialog {
  Q_OBJECT
 public:
  frmGalerijen(GalerijLijst& galerijen, frmGalerij& galerij, platform::MessageService& meldingen,
               QWidget* parent = nullptr);

  // Shows the dialog modally; true when closed with Close, false when the
  // list was restored.
  bool Toon();

 public slots:
  void reject() override;

 private:
  // The row of the list box's selection, or -1.
  int Selectie() const;
  void Selecteer(int rij);
  void cmdToevoegen_Click();
  void cmdWijzigen_Click();
  void cmdVerwijder_Click();

  GalerijLijst& galerijen_;
  const GalerijLijst kopie_;
  frmGalerij& galerij_;
  platform::MessageService& meldingen_;

  QListWidget* lstGalerijen_ = nullptr;
  QPushButton* cmdToevoegen_ = nullptr;
  QPushButton* cmdWijzigen_ = nullptr;
  QPushButton* cmdVerwijder_ = nullptr;
  QPushButton* cmdSluiten_ = nullptr;
  QPushButton* cmdAnnuleren_ = nullptr;
};

}  // namespace ui
