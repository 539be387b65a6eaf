#include "printing/VerschuivingDialoog.h"
#include "platform/WidgetHelpers.h"

#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "model/Getal.h"
#include "platform/SettingsStore.h"

namespace {
const QString kHorizontaal = QStringLiteral("HorizontalShift");
const QString kVerticaal = QStringLiteral("VerticalShift");
}  // namespace

VerschuivingDialoog::VerschuivingDialoog(platform::SettingsStore& instellingen, const QString& formaat, QWidget* parent)
    : QDialog(parent), instellingen_(instellingen), formaat_(formaat) {
  setObjectName(QStringLiteral("Verschuivingafdruk"));
  setWindowTitle(QStringLiteral("Verschuiving afdruk"));
  setModal(true);
  txtHorizontaleVerschuiving_ = new QLineEdit(instellingen.read(formaat, kHorizontaal, QStringLiteral("0")), this);
  txtHorizontaleVerschuiving_->setObjectName(QStringLiteral("txtHorizontaleVerschuiving"));
  txtVertikaleVerschuiving_ = new QLineEdit(instellingen.read(formaat, kVerticaal, QStringLiteral("0")), this);
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
    instellingen_.write(formaat_, kHorizontaal, txtHorizontaleVerschuiving_->text());
    instellingen_.write(formaat_, kVerticaal, txtVertikaleVerschuiving_->text());
    instellingen_.flush();
    accept();
  });
  connect(annuleren, &QPushButton::clicked, this, &QDialog::reject);
}

float VerschuivingDialoog::Horizontaal(const platform::SettingsStore& s, const QString& formaat) {
  return float(LeesGetal(s.read(formaat, kHorizontaal, QStringLiteral("0"))));
}

float VerschuivingDialoog::Verticaal(const platform::SettingsStore& s, const QString& formaat) {
  return float(LeesGetal(s.read(formaat, kVerticaal, QStringLiteral("0"))));
}

bool VerschuivingDialoog::eventFilter(QObject* o, QEvent* e) {
  if (e->type() == QEvent::FocusIn)
    if (auto* vak = qobject_cast<QLineEdit*>(o)) QTimer::singleShot(0, vak, &QLineEdit::selectAll);
  return QDialog::eventFilter(o, e);
}
