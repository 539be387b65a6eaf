#include "ui/PrinterDialoog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platformwidgets/FileDialogs.h"
#include "platformwidgets/MessageService.h"
#include "platformwidgets/WidgetHelpers.h"
#include "printing/Printermodel.h"
#include "printing/Uitvoer.h"

namespace ui {

namespace {
QRadioButton* Optie(QWidget* ouder, const QString& naam, const QString& tekst) {
  auto* o = new QRadioButton(tekst, ouder);
  o->setObjectName(naam);
  return o;
}
}  // namespace

PrinterDialoog::PrinterDialoog(Instellingen& instellingen, const QStringList& printers, const QStringList& apparaten,
                               platform::MessageService& meldingen, platform::FileDialogs& bestanden, QWidget* parent)
    : QDialog(parent), instellingen_(instellingen), meldingen_(meldingen), bestanden_(bestanden) {
  setObjectName(QStringLiteral("VLPrinter"));
  setWindowTitle(QStringLiteral("Printerinstelling"));
  setModal(true);

  auto* model = fraModel_ = new QGroupBox(QStringLiteral("Printer:"), this);
  model->setObjectName(QStringLiteral("fraModel"));
  optModel_ = new QButtonGroup(this);
  auto* ml = new QVBoxLayout(model);
  for (const Printermodel& m : Printermodellen()) {
    auto* o = Optie(model, QStringLiteral("opt") + QLatin1String(m.naam), QString::fromUtf8(m.weergave));
    optModel_->addButton(o, m.Printer);
    ml->addWidget(o);
  }

  auto* poort = new QGroupBox(QStringLiteral("Aangesloten op:"), this);
  optAangeslotenOp_ = new QButtonGroup(this);
  const QString namen[4] = {QStringLiteral("&LPT1"), QStringLiteral("L&PT2"), QStringLiteral("LP&T3"),
                            QStringLiteral("&Windows printer:")};
  auto* pl = new QGridLayout(poort);
  for (int i = 1; i <= 4; ++i) {
    auto* o = Optie(poort, QStringLiteral("optAangeslotenOp%1").arg(i), namen[i - 1]);
    optAangeslotenOp_->addButton(o, i);
    pl->addWidget(o, (i - 1) * 2, 0);
  }
  // Connections 1 to 3: a device or a file, typed, picked from the devices
  // found or chosen in a file dialog; an "lpt" name shows what it stands for.
  for (int i = 1; i <= 3; ++i) {
    QComboBox*& box = cmbPoort_[i - 1];
    box = new QComboBox(poort);
    box->setObjectName(QStringLiteral("cmbPoort%1").arg(i));
    box->setEditable(true);
    box->setMinimumWidth(200);
    box->addItems(apparaten);
    box->setCurrentText(Poortnaam(i));
    auto* bladeren = platform::makeButton(poort, QStringLiteral("cmdBladeren%1").arg(i), QStringLiteral("..."));
    bladeren->setToolTip(QStringLiteral("Een bestand kiezen"));
    bladeren->setFixedWidth(32);
    lblApparaat_[i - 1] = new QLabel(poort);
    lblApparaat_[i - 1]->setObjectName(QStringLiteral("lblApparaat%1").arg(i));
    lblApparaat_[i - 1]->setEnabled(false);
    pl->addWidget(box, (i - 1) * 2, 1);
    pl->addWidget(bladeren, (i - 1) * 2, 2);
    pl->addWidget(lblApparaat_[i - 1], (i - 1) * 2 + 1, 1, 1, 2);
    ToonApparaat(i);
    connect(box, &QComboBox::currentTextChanged, this, [this, i] { ToonApparaat(i); });
    connect(bladeren, &QPushButton::clicked, this, [this, i, box] {
      // An "lpt" name or a bare name is no place to start looking from.
      const QString nu = box->currentText().trimmed();
      const QString begin = QDir::isAbsolutePath(nu) && PoortApparaat(nu) == nu ? nu : QDir::homePath();
      const QString pad = bestanden_.saveFile(this, QStringLiteral("Aansluiting %1").arg(i), begin,
                                              QStringLiteral("Alle bestanden (*)"));
      if (pad.isEmpty()) return;
      box->setCurrentText(pad);
      optAangeslotenOp_->button(i)->click();
    });
  }
  cmbWindowsPrinter_ = new QComboBox(poort);
  cmbWindowsPrinter_->setObjectName(QStringLiteral("cmbWindowsPrinter"));
  cmbWindowsPrinter_->setEditable(true);
  cmbWindowsPrinter_->setMinimumWidth(200);
  pl->addWidget(cmbWindowsPrinter_, 6, 1, 1, 2);

  auto* snelheid = new QGroupBox(QStringLiteral("&Afdruksnelheid:"), this);
  cmbAfdrukSnelheid_ = new QComboBox(snelheid);
  cmbAfdrukSnelheid_->setObjectName(QStringLiteral("cmbAfdrukSnelheid"));
  auto* sl = new QHBoxLayout(snelheid);
  sl->addWidget(cmbAfdrukSnelheid_);
  sl->addWidget(new QLabel(QStringLiteral("mm/sec"), snelheid));
  auto* intensiteit = new QGroupBox(QStringLiteral("&Intensiteit"), this);
  cmbIntensiteit_ = new QComboBox(intensiteit);
  cmbIntensiteit_->setObjectName(QStringLiteral("cmbIntensiteit"));
  (new QHBoxLayout(intensiteit))->addWidget(cmbIntensiteit_);

  const auto [ok, annuleren, knoppen] = platform::makeOkCancel(this);
  auto* onder = new QHBoxLayout;
  onder->addWidget(snelheid);
  onder->addWidget(intensiteit);
  auto* hoofd = new QVBoxLayout(this);
  hoofd->addWidget(model);
  hoofd->addWidget(poort);
  hoofd->addLayout(onder);
  hoofd->addLayout(knoppen);

  for (int s = 50; s <= 150; s += 25) cmbAfdrukSnelheid_->addItem(QString::number(s));
  for (int i = 1; i <= 5; ++i) cmbIntensiteit_->addItem(QString::number(i));
  ZetControlWaarden();
  // The stored name stays the box's text; the system's printers are offered.
  const QString opgeslagen = cmbWindowsPrinter_->currentText();
  cmbWindowsPrinter_->addItems(printers);
  cmbWindowsPrinter_->setCurrentText(opgeslagen);

  connect(optAangeslotenOp_, &QButtonGroup::idClicked, this,
          [this](int index) { cmbWindowsPrinter_->setEnabled(index == 4); });
  // Each connection has a printer of its own: choosing a connection shows
  // its model, choosing a model sets it for the chosen connection.
  connect(optAangeslotenOp_, &QButtonGroup::idToggled, this, [this](int poort, bool aan) {
    if (aan) ToonModel(poort);
  });
  connect(optModel_, &QButtonGroup::idToggled, this, [this](int printer, bool aan) {
    const int poort = optAangeslotenOp_->checkedId();
    if (aan && poort >= 1 && poort <= 4) modellen_[poort - 1] = qint16(printer);
  });
  connect(ok, &QPushButton::clicked, this, &PrinterDialoog::cmdOK_Click);
  connect(annuleren, &QPushButton::clicked, this, &QDialog::reject);
}

QStringList PrinterDialoog::SysteemPrinters() { return QPrinterInfo::availablePrinterNames(); }

void PrinterDialoog::ZetControlWaarden() {
  modellen_ = instellingen_.PrinterModel;
  const int poort = instellingen_.PrinterPort;
  if (poort >= 1 && poort <= 4) modellen_[poort - 1] = instellingen_.Printer;
  if (QAbstractButton* b = optAangeslotenOp_->button(poort)) b->setChecked(true);
  ToonModel(poort);
  cmbWindowsPrinter_->setCurrentText(instellingen_.WindowsPrinter);
  // Stored values outside 1 to 5 select no item.
  cmbAfdrukSnelheid_->setCurrentIndex(
      instellingen_.PrintSpeed >= 1 && instellingen_.PrintSpeed <= 5 ? instellingen_.PrintSpeed - 1 : -1);
  cmbIntensiteit_->setCurrentIndex(
      instellingen_.Intensity >= 1 && instellingen_.Intensity <= 5 ? instellingen_.Intensity - 1 : -1);
  cmbWindowsPrinter_->setEnabled(instellingen_.PrinterPort == 4);
}

QString& PrinterDialoog::Poortnaam(int poort) {
  return poort == 2 ? instellingen_.Printer2 : poort == 3 ? instellingen_.Printer3 : instellingen_.Printer1;
}

void PrinterDialoog::ToonApparaat(int poort) {
  lblApparaat_[poort - 1]->setText(PoortBetekenis(cmbPoort_[poort - 1]->currentText()));
}

void PrinterDialoog::ToonModel(int poort) {
  if (poort < 1 || poort > 4) return;
  const QString namen[4] = {QStringLiteral("LPT1"), QStringLiteral("LPT2"), QStringLiteral("LPT3"),
                            QStringLiteral("de Windows printer")};
  fraModel_->setTitle(QStringLiteral("Printer op %1:").arg(namen[poort - 1]));
  const qint16 model = modellen_[poort - 1];
  if (QAbstractButton* b = optModel_->button(model)) {
    b->setChecked(true);
    return;
  }
  // A stored model this version has no option for shows none, and stays.
  optModel_->setExclusive(false);
  for (QAbstractButton* b : optModel_->buttons()) b->setChecked(false);
  optModel_->setExclusive(true);
}

void PrinterDialoog::cmdOK_Click() {
  // A connection given or chosen here is checked now, not first when a job
  // finds it cannot write; one left as it was stays as it was.
  const int gekozen = optAangeslotenOp_->checkedId();
  for (int i = 1; i <= 3; ++i) {
    const QString naam = cmbPoort_[i - 1]->currentText().trimmed();
    const bool nieuw = naam != Poortnaam(i) || (i == gekozen && gekozen != instellingen_.PrinterPort);
    if (!nieuw) continue;
    if (const auto fout = PoortFout(naam)) {
      const QString pad = PoortApparaat(naam);
      meldingen_.show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"),
                      QStringLiteral("Op aansluiting LPT%1 kan niet worden geschreven:\n").arg(i) +
                          (pad != naam ? naam + QStringLiteral(" (") + pad + u')' : naam) + QStringLiteral("\n\n") +
                          *fout);
      cmbPoort_[i - 1]->setFocus();
      return;
    }
  }
  for (int i = 1; i <= 3; ++i) Poortnaam(i) = cmbPoort_[i - 1]->currentText().trimmed();
  if (optAangeslotenOp_->checkedId() > 0) instellingen_.PrinterPort = qint16(optAangeslotenOp_->checkedId());
  // The next job uses the model of the connection it goes to.
  instellingen_.PrinterModel = modellen_;
  instellingen_.Printer = modellen_[instellingen_.PrinterPort - 1];
  instellingen_.PrintSpeed = qint16(cmbAfdrukSnelheid_->currentIndex() + 1);
  instellingen_.Intensity = qint16(cmbIntensiteit_->currentIndex() + 1);
  instellingen_.WindowsPrinter = cmbWindowsPrinter_->currentText();
  accept();
}

}  // namespace ui
