#include "ui/frmGalerijen.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platformwidgets/MessageService.h"
#include "platformwidgets/WidgetHelpers.h"
#include "ui/frmGalerij.h"

namespace ui {

namespace {


}  // namespace

frmGalerijen::frmGalerijen(GalerijLijst& galerijen, frmGalerij& galerij, platform::MessageService& meldingen,
                           QWidget* parent)
    : QDialog(parent), galerijen_(galerijen), kopie_(galerijen), galerij_(galerij), meldingen_(meldingen) {
  setObjectName(QStringLiteral("frmGalerijen"));
  setWindowTitle(QStringLiteral("Galleries"));
  setModal(true);
  lstGalerijen_ = new QListWidget(this);
  lstGalerijen_->setObjectName(QStringLiteral("lstGalerijen"));
  lstGalerijen_->setSelectionMode(QAbstractItemView::SingleSelection);
  cmdToevoegen_ = platform::makeButton(this, QStringLiteral("cmdToevoegen"), QStringLiteral("Add ..."));
  cmdWijzigen_ = platform::makeButton(this, QStringLiteral("cmdWijzigen"), QStringLiteral("Edit ..."));
  cmdVerwijder_ = platform::makeButton(this, QStringLiteral("cmdVerwijder"), QStringLiteral("Delete ..."));
  cmdSluiten_ = platform::makeButton(this, QStringLiteral("cmdSluiten"), QStringLiteral("Close"));
  cmdAnnuleren_ = platform::makeButton(this, QStringLiteral("cmdAnnuleren"), QStringLiteral("Cancel"));

  auto* knoppen = new QVBoxLayout;
  for (QPushButton* k : {cmdToevoegen_, cmdWijzigen_, cmdVerwijder_}) knoppen->addWidget(k);
  knoppen->addStretch();
  knoppen->addWidget(cmdSluiten_);
  knoppen->addWidget(cmdAnnuleren_);
  auto* hoofd = new QHBoxLayout(this);
  hoofd->addWidget(lstGalerijen_, 1);
  hoofd->addLayout(knoppen);

  connect(cmdToevoegen_, &QPushButton::clicked, this, &frmGalerijen::cmdToevoegen_Click);
  connect(cmdWijzigen_, &QPushButton::clicked, this, &frmGalerijen::cmdWijzigen_Click);
  connect(cmdVerwijder_, &QPushButton::clicked, this, &frmGalerijen::cmdVerwijder_Click);
  connect(cmdSluiten_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cmdAnnuleren_, &QPushButton::clicked, this, &frmGalerijen::reject);

  for (const auto& g : galerijen_) lstGalerijen_->addItem(g.first);
  if (!galerijen_.isEmpty()) Selecteer(0);
}

bool frmGalerijen::Toon() { return exec() == QDialog::Accepted; }

// Cancel, Escape and the window's close button all give back the list as it
// was when the dialog was made.
void frmGalerijen::reject() {
  galerijen_ = kopie_;
  QDialog::reject();
}

int frmGalerijen::Selectie() const {
  const QList<QListWidgetItem*> gekozen = lstGalerijen_->selectedItems();
  return gekozen.isEmpty() ? -1 : lstGalerijen_->row(gekozen.first());
}

void frmGalerijen::Selecteer(int rij) { lstGalerijen_->setCurrentRow(rij, QItemSelectionModel::ClearAndSelect); }

void frmGalerijen::cmdToevoegen_Click() {
  galerij_.Vul(QString(), QString());
  if (!galerij_.Toon()) return;
  const QString naam = galerij_.Beschrijving();
  const QString map = galerij_.Pad();
  // A gallery needs both to be of any use in the menu.
  if (naam.isEmpty() || map.isEmpty()) return;
  galerijen_.append({naam, map});
  lstGalerijen_->addItem(naam);
  Selecteer(lstGalerijen_->count() - 1);
}

void frmGalerijen::cmdWijzigen_Click() {
  const int rij = Selectie();
  if (rij < 0) {
    meldingen_.beep();
    return;
  }
  galerij_.Vul(galerijen_[rij].first, galerijen_[rij].second);
  if (!galerij_.Toon()) return;
  // Unlike an addition, a change is taken as typed, empty fields included.
  galerijen_[rij] = {galerij_.Beschrijving(), galerij_.Pad()};
  QListWidgetItem* regel = lstGalerijen_->item(rij);
  if (regel->text() != galerijen_[rij].first) regel->setText(galerijen_[rij].first);
}

void frmGalerijen::cmdVerwijder_Click() {
  const int rij = Selectie();
  if (rij < 0) {
    meldingen_.beep();
    return;
  }
  const QString vraag = QStringLiteral("Are you sure you want to remove\r\n") + galerijen_[rij].first +
                        QStringLiteral("\r\nfrom the list?");
  if (meldingen_.show(platform::MessageService::Icon::Question, QStringLiteral("Delete gallery"), vraag,
                      platform::MessageService::Buttons::YesNo) != platform::MessageService::Answer::Yes)
    return;
  galerijen_.removeAt(rij);
  delete lstGalerijen_->takeItem(rij);
  if (lstGalerijen_->count() == 0) return;
  Selecteer(std::min(rij, lstGalerijen_->count() - 1));
}

}  // namespace ui
