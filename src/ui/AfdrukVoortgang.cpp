#include "ui/AfdrukVoortgang.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

AfdrukVoortgang::AfdrukVoortgang(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmAfdrukken"));
  setWindowTitle(QStringLiteral("Printing"));
  setModal(false);
  auto* lblTekst1 = new QLabel(QStringLiteral("Data is being sent to the printer."), this);
  lblTekst1->setObjectName(QStringLiteral("lblTekst1"));
  lblTekst2_ = new QLabel(this);
  lblTekst2_->setObjectName(QStringLiteral("lblTekst2"));
  balk_ = new QProgressBar(this);
  balk_->setObjectName(QStringLiteral("prgVoortgang"));
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("Command1"));
  connect(cancel, &QPushButton::clicked, this, [this] { stoppen_ = true; });
  auto* hoofd = new QVBoxLayout(this);
  hoofd->addWidget(lblTekst1);
  hoofd->addWidget(lblTekst2_);
  hoofd->addWidget(balk_);
  hoofd->addWidget(cancel, 0, Qt::AlignRight);
  setMinimumWidth(320);
}

void AfdrukVoortgang::Begin(int aantalNummers) {
  stoppen_ = false;
  balk_->setRange(0, std::max(1, aantalNummers));
  balk_->setValue(0);
  lblTekst2_->clear();
  show();
}

void AfdrukVoortgang::Toon(int nummer, int laatste) {
  lblTekst2_->setText(QStringLiteral("Exemplaar %1 van %2").arg(nummer).arg(laatste));
  balk_->setValue(std::min(balk_->maximum(), balk_->value() + 1));
}
