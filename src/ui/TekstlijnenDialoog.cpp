#include "ui/TekstlijnenDialoog.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "platformwidgets/WidgetHelpers.h"

namespace ui {

TekstlijnenDialoog::TekstlijnenDialoog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Tekstlijnen"));
  setWindowTitle(QStringLiteral("Tekstlijnen"));
  setModal(true);
  auto* label = new QLabel(QStringLiteral("Aantal lijnen:"), this);
  txtAantalLijnen_ = new QLineEdit(this);
  txtAantalLijnen_->setObjectName(QStringLiteral("txtAantalLijnen"));
  txtAantalLijnen_->installEventFilter(this);
  label->setBuddy(txtAantalLijnen_);
  const auto [ok, annuleren, knoppen] = platform::makeOkCancel(this);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(annuleren, &QPushButton::clicked, this, &QDialog::reject);

  auto* rij = new QHBoxLayout;
  rij->addWidget(label);
  rij->addWidget(txtAantalLijnen_);
  auto* hoofd = new QVBoxLayout(this);
  hoofd->addLayout(rij);
  hoofd->addLayout(knoppen);
}

QString TekstlijnenDialoog::Vraag(qint16 huidigAantal) {
  const QString huidig = QString::number(huidigAantal);
  txtAantalLijnen_->setText(huidig);
  txtAantalLijnen_->selectAll();
  txtAantalLijnen_->setFocus();
  if (exec() != QDialog::Accepted) txtAantalLijnen_->setText(huidig);
  return txtAantalLijnen_->text();
}

bool TekstlijnenDialoog::eventFilter(QObject* o, QEvent* e) {
  // Entering the box selects all of it, also with the mouse.
  if (o == txtAantalLijnen_ && e->type() == QEvent::FocusIn)
    QTimer::singleShot(0, txtAantalLijnen_, &QLineEdit::selectAll);
  return QDialog::eventFilter(o, e);
}

}  // namespace ui
