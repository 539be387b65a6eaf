#include "ui/frmStreepjescode.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "barcodes/Codering.h"
#include "barcodes/TekenStreepjescode.h"
#include "model/Getal.h"
#include "platformwidgets/MessageService.h"
#include "platformwidgets/WidgetHelpers.h"
#include "printing/Nummering.h"

namespace ui {

namespace {
// Bars lower than a millimetre do not scan; taller than any label is none.
constexpr double kKleinsteHoogte = 1, kGrootsteHoogte = 1000;
}  // namespace

frmStreepjescode::frmStreepjescode(platform::MessageService& meldingen, std::function<QString()> kiesCode,
                                   Controle controleer, QWidget* parent)
    : QDialog(parent), meldingen_(meldingen), kiesCode_(std::move(kiesCode)), controleer_(std::move(controleer)) {
  setObjectName(QStringLiteral("frmStreepjescode"));
  setWindowTitle(QStringLiteral("Streepjescode"));
  setModal(true);

  cmbSoort_ = platform::makeWidget<QComboBox>(this, QStringLiteral("cmbSoort"));
  for (StreepjescodeSoort s : AlleSoorten) cmbSoort_->addItem(SoortNaam(s), int(s));
  txtGegevens_ = platform::makeWidget<QLineEdit>(this, QStringLiteral("txtGegevens"));
  txtGegevens_->setMinimumWidth(260);
  auto* cmdNummering = platform::makeButton(this, QStringLiteral("cmdNummering"), QStringLiteral("1,2,3,..."));
  auto* gegevens = new QHBoxLayout;
  gegevens->addWidget(txtGegevens_, 1);
  gegevens->addWidget(cmdNummering);
  chkTekstTonen_ = platform::makeWidget<QCheckBox>(this, QStringLiteral("chkTekstTonen"));
  chkTekstTonen_->setText(QStringLiteral("Tekst &tonen"));
  cmbModulebreedte_ = platform::makeWidget<QComboBox>(this, QStringLiteral("cmbModulebreedte"));
  cmbModulebreedte_->addItem(QStringLiteral("automatisch"), int(kModuleAutomatisch));
  for (int k = 1; k <= kGrootsteModule; ++k) cmbModulebreedte_->addItem(QString::number(k), k);
  lblModuleMm_ = platform::makeWidget<QLabel>(this, QStringLiteral("lblModuleMm"));
  lblModuleMm_->setWordWrap(true);
  txtHoogte_ = platform::makeWidget<QLineEdit>(this, QStringLiteral("txtHoogte"));
  txtHoogte_->setMaximumWidth(80);
  lblHoogte_ = new QLabel(QStringLiteral("&Hoogte (mm):"), this);
  lblHoogte_->setBuddy(txtHoogte_);

  auto* velden = new QFormLayout;
  auto* lblSoort = new QLabel(QStringLiteral("&Soort:"), this);
  lblSoort->setBuddy(cmbSoort_);
  auto* lblGegevens = new QLabel(QStringLiteral("&Gegevens:"), this);
  lblGegevens->setBuddy(txtGegevens_);
  auto* lblModule = new QLabel(QStringLiteral("&Modulebreedte (punten):"), this);
  lblModule->setBuddy(cmbModulebreedte_);
  velden->addRow(lblSoort, cmbSoort_);
  velden->addRow(lblGegevens, gegevens);
  velden->addRow(QString(), chkTekstTonen_);
  velden->addRow(lblModule, cmbModulebreedte_);
  velden->addRow(QString(), lblModuleMm_);
  velden->addRow(lblHoogte_, txtHoogte_);
  const auto [ok, annuleren, knoppen] = platform::makeOkCancel(this);
  auto* hoofd = new QVBoxLayout(this);
  hoofd->addLayout(velden);
  hoofd->addLayout(knoppen);

  connect(cmbSoort_, &QComboBox::currentIndexChanged, this, [this] {
    SoortGekozen();
    ToonModule();
    NominaleHoogte();
  });
  connect(cmbModulebreedte_, &QComboBox::currentIndexChanged, this, [this] {
    ToonModule();
    NominaleHoogte();
  });
  connect(chkTekstTonen_, &QCheckBox::toggled, this, &frmStreepjescode::NominaleHoogte);
  connect(txtHoogte_, &QLineEdit::textChanged, this, [this] {
    if (!hoogteZelf_) hoogteGetypt_ = true;
  });
  connect(cmdNummering, &QPushButton::clicked, this, [this] {
    const QString code = kiesCode_ ? kiesCode_() : QString();
    if (!code.isEmpty()) txtGegevens_->insert(code);
    txtGegevens_->setFocus();
  });
  connect(ok, &QPushButton::clicked, this, &frmStreepjescode::cmdOK_Click);
  connect(annuleren, &QPushButton::clicked, this, &QDialog::reject);
}

bool frmStreepjescode::Toon(Streepjescode& code) {
  Vul(code);
  txtGegevens_->setFocus();
  txtGegevens_->selectAll();
  if (exec() != QDialog::Accepted) return false;
  code = code_;
  return true;
}

void frmStreepjescode::ZetPuntenPerMm(int puntenPerMm) {
  puntenPerMm_ = std::max(1, puntenPerMm);
  ToonModule();
}

void frmStreepjescode::Vul(const Streepjescode& code) {
  code_ = code;
  // Filling the fields is no choice of the user's: the height stays as the element has it.
  hoogteGetypt_ = true;
  cmbSoort_->setCurrentIndex(std::max(0, cmbSoort_->findData(int(code.Soort))));
  txtGegevens_->setText(code.Gegevens);
  chkTekstTonen_->setChecked(code.TekstTonen);
  cmbModulebreedte_->setCurrentIndex(std::max(0, cmbModulebreedte_->findData(int(code.Modulebreedte))));
  txtHoogte_->setText(QString::number(double(code.Hoogte), 'g', 7));
  SoortGekozen();
  ToonModule();
  hoogteGetypt_ = false;
}

void frmStreepjescode::ToonModule() {
  const auto soort = StreepjescodeSoort(cmbSoort_->currentData().toInt());
  const int ppm = puntenPerMm_;
  const QLocale nl(QLocale::Dutch);
  const auto mm = [&](double waarde) { return nl.toString(waarde, 'g', 3) + QStringLiteral(" mm"); };
  const auto punten = [&](int k) {
    return (k == 1 ? QStringLiteral("1 punt") : QStringLiteral("%1 punten").arg(k)) + QStringLiteral(" = ") +
           mm(double(k) / ppm);
  };
  const Modulebereik bereik = BereikVan(soort);
  const int kleinste = KleinsteModule(soort, ppm), grootste = GrootsteModule(soort, ppm);
  const int k = cmbModulebreedte_->currentData().toInt();
  QString tekst;
  bool waarschuwing = false;
  if (k == kModuleAutomatisch) {
    tekst = QStringLiteral("Automatisch: ten minste %1").arg(punten(kleinste));
    if (bereik.GrootsteMm > 0) tekst += QStringLiteral(", ten hoogste %1").arg(punten(grootste));
    tekst += u'.';
  } else {
    tekst = punten(k) + u'.';
    const QString wat = SoortNaam(soort);
    if (k < kleinste) {
      waarschuwing = true;
      tekst += bereik.KleinsteMm * ppm > 2 + 1e-3
                   ? QStringLiteral(" Let op: kleiner dan de %1 die een %2 vraagt; de scanner leest ze misschien niet.")
                         .arg(mm(bereik.KleinsteMm), wat)
                   : QStringLiteral(" Let op: kleiner dan 2 punten; de scanner leest ze misschien niet.");
    } else if (k > grootste) {
      waarschuwing = true;
      tekst +=
          QStringLiteral(" Let op: groter dan de %1 die een %2 ten hoogste heeft.").arg(mm(bereik.GrootsteMm), wat);
    }
  }
  lblModuleMm_->setText(tekst);
  lblModuleMm_->setStyleSheet(waarschuwing ? QStringLiteral("color: #b00000; font-weight: bold;") : QString());
}

void frmStreepjescode::NominaleHoogte() {
  if (hoogteGetypt_) return;
  const auto soort = StreepjescodeSoort(cmbSoort_->currentData().toInt());
  Streepjescode code;
  code.Soort = soort;
  code.Modulebreedte = qint16(cmbModulebreedte_->currentData().toInt());
  const int k = BeginModule(code, puntenPerMm_);
  const auto hoogte = barcodes::NominaleHoogte(soort, chkTekstTonen_->isChecked(), k, puntenPerMm_);
  if (!hoogte) return;
  hoogteZelf_ = true;
  txtHoogte_->setText(QString::number(double(*hoogte), 'g', 7));
  hoogteZelf_ = false;
}

void frmStreepjescode::SoortGekozen() {
  // Only linear codes have a height and a human-readable line.
  const bool lineair = IsLineair(StreepjescodeSoort(cmbSoort_->currentData().toInt()));
  chkTekstTonen_->setEnabled(lineair);
  lblHoogte_->setEnabled(lineair);
  txtHoogte_->setEnabled(lineair);
}

void frmStreepjescode::cmdOK_Click() {
  Streepjescode code = code_;
  code.Soort = StreepjescodeSoort(cmbSoort_->currentData().toInt());
  code.Gegevens = txtGegevens_->text();
  code.TekstTonen = chkTekstTonen_->isChecked();
  code.Modulebreedte = qint16(cmbModulebreedte_->currentData().toInt());
  const auto fout = [this](const QString& tekst, QLineEdit* veld) {
    meldingen_.show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"), tekst);
    veld->setFocus();
    veld->selectAll();
  };
  if (IsLineair(code.Soort)) {
    bool getal = false;
    const double hoogte = LeesGetal(txtHoogte_->text(), &getal);
    if (!getal || !std::isfinite(hoogte) || hoogte < kKleinsteHoogte || hoogte > kGrootsteHoogte) {
      fout(QStringLiteral("Geef de hoogte in mm, van %1 tot %2.").arg(kKleinsteHoogte).arg(kGrootsteHoogte),
           txtHoogte_);
      return;
    }
    code.Hoogte = float(hoogte);
  }
  // With numbering codes the data is only known per copy.
  const std::optional<QString> melding = controleer_                ? controleer_(code)
                                         : HeeftCode(code.Gegevens) ? std::nullopt
                                                                    : FoutInGegevens(code.Soort, code.Gegevens);
  if (melding) {
    fout(*melding, txtGegevens_);
    return;
  }
  code_ = code;
  accept();
}

}  // namespace ui
