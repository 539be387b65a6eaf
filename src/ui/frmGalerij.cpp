#include "ui/frmGalerij.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platformwidgets/MessageService.h"
#include "platformwidgets/WidgetHelpers.h"

namespace ui {

frmGalerij::frmGalerij(platform::MessageService& meldingen, QWidget* parent) : QDialog(parent), meldingen_(meldingen) {
  setObjectName(QStringLiteral("frmGalerij"));
  setWindowTitle(QStringLiteral("Galerij"));
  setModal(true);
  txtBeschrijving_ = new QLineEdit(this);
  txtBeschrijving_->setObjectName(QStringLiteral("txtBeschrijving"));
  txtPad_ = new QLineEdit(this);
  txtPad_->setObjectName(QStringLiteral("txtPad"));
  txtPad_->setMinimumWidth(280);
  auto* formulier = new QFormLayout;
  formulier->addRow(QStringLiteral("&Beschrijving :"), txtBeschrijving_);
  formulier->addRow(QStringLiteral("&Pad :"), txtPad_);
  const auto [ok, annuleren, knoppen] = platform::makeOkCancel(this);
  cmdOK_ = ok;
  cmdAnnuleren_ = annuleren;
  auto* hoofd = new QVBoxLayout(this);
  hoofd->addLayout(formulier);
  hoofd->addLayout(knoppen);
  connect(cmdOK_, &QPushButton::clicked, this, [this] {
    // A gallery without a name would be a blank menu entry.
    if (txtBeschrijving_->text().trimmed().isEmpty()) {
      meldingen_.show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"),
                      QStringLiteral("Geef de galerij een naam."));
      txtBeschrijving_->setFocus();
      return;
    }
    Sluit(QStringLiteral("OK"));
  });
  connect(cmdAnnuleren_, &QPushButton::clicked, this, &frmGalerij::reject);
}

void frmGalerij::Vul(const QString& beschrijving, const QString& pad) {
  txtBeschrijving_->setText(beschrijving);
  txtPad_->setText(pad);
}

QString frmGalerij::Beschrijving() const { return txtBeschrijving_->text(); }
QString frmGalerij::Pad() const { return txtPad_->text(); }

bool frmGalerij::Toon() {
  exec();
  return tag_ == QStringLiteral("OK");
}

void frmGalerij::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  txtBeschrijving_->setFocus();
}

// Escape and the window's close button count as Annuleren.
void frmGalerij::reject() { Sluit(QString()); }

void frmGalerij::Sluit(const QString& tag) {
  tag_ = tag;
  if (tag_.isEmpty())
    QDialog::reject();
  else
    QDialog::accept();
}

}  // namespace ui
