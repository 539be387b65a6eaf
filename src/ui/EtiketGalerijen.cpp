// Picture galleries: the list of named picture folders and the picture-insert
// menu that offers them.
#include <QAction>
#include <QMenu>

#include "ui/Etiket.h"
#include "figures/Galerijen.h"
#include "ui/frmGalerij.h"
#include "ui/frmGalerijen.h"
#include "platformwidgets/MessageService.h"
#include "platform/SettingsStore.h"

void Etiket::VerbindGalerijen() {
  connect(mnuGalerijen_, &QAction::triggered, this, [this] { Opdracht([this] { mnuGalerijen_Click(); }); });
  connect(mnuGalerij_.front(), &QAction::triggered, this, [this] {
    Opdracht([this] { BestandInvoegen(instellingen_.Galerijen.value(0).second); });
  });
}

void Etiket::MenuAanpassen() {
  const auto& lijst = instellingen_.Galerijen;
  if (lijst.size() < 2) {
    mnuBestandInvoegen_->setVisible(true);
    mnuBestandInvoegen2_->menuAction()->setVisible(false);
    if (lijst.size() == 1) instellingen_.ImageFolder = lijst.front().second;
    meerdereGalerijen_ = false;
    return;
  }
  // The entries made last time go; the template stays as entry 0.
  while (mnuGalerij_.size() > 1) {
    delete mnuGalerij_.back();
    mnuGalerij_.pop_back();
  }
  mnuBestandInvoegen2_->menuAction()->setVisible(true);
  mnuBestandInvoegen_->setVisible(false);
  for (int i = 0; i < int(lijst.size()); ++i) {
    QAction* a = i == 0 ? mnuGalerij_.front() : mnuBestandInvoegen2_->addAction(QString());
    a->setText(lijst[i].first);
    if (i > 0) {
      a->setObjectName(QStringLiteral("mnuGalerij%1").arg(i));
      connect(a, &QAction::triggered, this, [this, i] {
        Opdracht([this, i] { BestandInvoegen(instellingen_.Galerijen.value(i).second); });
      });
      mnuGalerij_.push_back(a);
    }
  }
  meerdereGalerijen_ = true;
}

void Etiket::mnuGalerijen_Click() {
  if (!frmGalerij_) frmGalerij_ = new frmGalerij(this);
  {
    frmGalerijen dialoog(instellingen_.Galerijen, *frmGalerij_, *opties_.meldingen, this);
    dialoog.Toon();
  }
  MenuAanpassen();
  BewaarGalerijen(*opties_.instellingen, instellingen_.Galerijen);
  // Saved now: ending the program from its menu skips the closing save.
  if (!opties_.instellingen->flush())
    opties_.meldingen->show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"),
                            QStringLiteral("De instellingen konden niet worden bewaard."));
}
