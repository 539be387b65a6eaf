#include "ui/AfdrukVoortgang.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

AfdrukVoortgang::AfdrukVoortgang(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmAfdrukken"));
  setWindowTitle(QStringLiteral("Printing"));
  setModal(false);
  lblTekst1_ = new QLabel(this);
  lblTekst1_->setObjectName(QStringLiteral("lblTekst1"));
  lblTekst2_ = new QLabel(this);
  lblTekst2_->setObjectName(QStringLiteral("lblTekst2"));
  balk_ = new QProgressBar(this);
  balk_->setObjectName(QStringLiteral("prgVoortgang"));
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("Command1"));
  connect(cancel, &QPushButton::clicked, this, &AfdrukVoortgang::VraagStoppen);
  auto* hoofd = new QVBoxLayout(this);
  hoofd->addWidget(lblTekst1_);
  hoofd->addWidget(lblTekst2_);
  hoofd->addWidget(balk_);
  hoofd->addWidget(cancel, 0, Qt::AlignRight);
  setMinimumWidth(320);
}

void AfdrukVoortgang::Begin(int aantalNummers, const QString& wat) {
  stoppen_ = false;
  lblTekst1_->setText(wat.isEmpty() ? QStringLiteral("Data is being sent to the printer.") : wat);
  balk_->setRange(0, std::max(1, aantalNummers));
  balk_->setValue(0);
  lblTekst2_->clear();
  show();
}

void AfdrukVoortgang::Toon(int nummer, int laatste, int begonnen) {
  lblTekst2_->setText(QStringLiteral("Exemplaar %1 van %2").arg(nummer).arg(laatste));
  balk_->setValue(std::min(balk_->maximum(), begonnen));
}

void AfdrukVoortgang::VraagStoppen() {
  // The job finishes the number it is on; the window says it heard.
  if (!stoppen_) lblTekst1_->setText(QStringLiteral("De afdruk wordt gestopt."));
  stoppen_ = true;
  emit Stoppen();
}

void AfdrukVoortgang::reject() { VraagStoppen(); }

void AfdrukVoortgang::closeEvent(QCloseEvent* e) {
  // The job hides the window when it has really ended.
  e->ignore();
  VraagStoppen();
}

}  // namespace ui
