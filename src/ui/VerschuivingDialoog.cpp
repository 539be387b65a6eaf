#include "ui/VerschuivingDialoog.h"

#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "files/Instellingen.h"
#include "platformwidgets/WidgetHelpers.h"
#include "ui/InstellingenSchrijven.h"

namespace ui {

VerschuivingDialoog::VerschuivingDialoog(platform::SettingsStore& instellingen, platform::MessageService& meldingen,
                                         const QString& formaat, QWidget* parent)
    : QDialog(parent), instellingen_(instellingen), meldingen_(meldingen), formaat_(formaat) {
  setObjectName(QStringLiteral("Verschuivingafdruk"));
  setWindowTitle(QStringLiteral("Verschuiving afdruk"));
  setModal(true);
  const Verschuiving opgeslagen = LeesVerschuiving(instellingen, formaat);
  txtHorizontaleVerschuiving_ = new QLineEdit(opgeslagen.Horizontaal, this);
  txtHorizontaleVerschuiving_->setObjectName(QStringLiteral("txtHorizontaleVerschuiving"));
  txtVertikaleVerschuiving_ = new QLineEdit(opgeslagen.Verticaal, this);
  txtVertikaleVerschuiving_->setObjectName(QStringLiteral("txtVertikaleVerschuiving"));
  for (QLineEdit* v : {txtHorizontaleVerschuiving_, txtVertikaleVerschuiving_}) v->installEventFilter(this);
  auto* formulier = new QFormLayout;
  formulier->addRow(QStringLiteral("&Horizontale verschuiving:"), txtHorizontaleVerschuiving_);
  formulier->addRow(QStringLiteral("&Vertikale verschuiving:"), txtVertikaleVerschuiving_);
  const auto [ok, annuleren, knoppen] = platform::makeOkCancel(this);
  auto* hoofd = new QVBoxLayout(this);
  hoofd->addLayout(formulier);
  hoofd->addLayout(knoppen);
  connect(ok, &QPushButton::clicked, this, [this] {
    BewaarVerschuiving(instellingen_, formaat_,
                       {txtHorizontaleVerschuiving_->text(), txtVertikaleVerschuiving_->text()});
    SchrijfInstellingen(instellingen_, meldingen_);
    accept();
  });
  connect(annuleren, &QPushButton::clicked, this, &QDialog::reject);
}

bool VerschuivingDialoog::eventFilter(QObject* o, QEvent* e) {
  if (e->type() == QEvent::FocusIn)
    if (auto* vak = qobject_cast<QLineEdit*>(o)) QTimer::singleShot(0, vak, &QLineEdit::selectAll);
  return QDialog::eventFilter(o, e);
}

}  // namespace ui
