#include "ui/ScannerKiezen.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platformwidgets/MessageService.h"
#include "platformwidgets/WidgetHelpers.h"

namespace ui {

namespace {

// Talking to scanners can take seconds; the pointer shows the program is busy.

void MeldNietGestart(platform::MessageService& meldingen) {
  meldingen.show(platform::MessageService::Icon::Exclamation, QString::fromUtf8(kScannerFoutTitel),
                 QString::fromUtf8(kScannerFoutTekst));
}

}  // namespace

ScannerKiezen::ScannerKiezen(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("ScannerKiezen"));
  setWindowTitle(QStringLiteral("Scanner selecteren"));
  setModal(true);

  lblUitleg_ = new QLabel(QStringLiteral("Kies de scanner:"), this);
  lblUitleg_->setObjectName(QStringLiteral("lblUitleg"));
  lstScanners_ = new QListWidget(this);
  lstScanners_->setObjectName(QStringLiteral("lstScanners"));
  lstScanners_->setSelectionMode(QAbstractItemView::SingleSelection);
  lblGeenScanner_ = new QLabel(QString::fromUtf8(kGeenScannerTekst), this);
  lblGeenScanner_->setObjectName(QStringLiteral("lblGeenScanner"));
  lblGeenScanner_->setWordWrap(true);

  const platform::OkAnnuleren knoppen = platform::makeOkCancel(this);
  cmdOK_ = knoppen.ok;
  connect(knoppen.ok, &QPushButton::clicked, this, &ScannerKiezen::accept);
  connect(knoppen.annuleren, &QPushButton::clicked, this, &ScannerKiezen::reject);
  connect(lstScanners_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* regel) {
    lstScanners_->setCurrentItem(regel);
    accept();
  });
  connect(lstScanners_, &QListWidget::currentRowChanged, this, [this](int rij) { cmdOK_->setEnabled(rij >= 0); });

  auto* kolom = new QVBoxLayout(this);
  kolom->addWidget(lblUitleg_);
  kolom->addWidget(lstScanners_);
  kolom->addWidget(lblGeenScanner_);
  kolom->addLayout(knoppen.rij);
  resize(420, 260);
  ZetBronnen({}, QString());
}

void ScannerKiezen::ZetBronnen(const QList<platform::ScanSource>& bronnen, const QString& huidig) {
  lstScanners_->clear();
  int gekozen = 0;
  for (const platform::ScanSource& bron : bronnen) {
    const QString tekst =
        bron.description.isEmpty() ? bron.device : bron.description + QStringLiteral("  (") + bron.device + u')';
    auto* regel = new QListWidgetItem(tekst, lstScanners_);
    regel->setData(Qt::UserRole, bron.device);
    if (bron.device == huidig) gekozen = lstScanners_->count() - 1;
  }
  const bool leeg = bronnen.isEmpty();
  lblUitleg_->setVisible(!leeg);
  lstScanners_->setVisible(!leeg);
  lblGeenScanner_->setVisible(leeg);
  lstScanners_->setCurrentRow(leeg ? -1 : gekozen);
  cmdOK_->setEnabled(!leeg);
}

QString ScannerKiezen::Gekozen() const {
  const QListWidgetItem* regel = lstScanners_->currentItem();
  return regel ? regel->data(Qt::UserRole).toString() : QString();
}

bool ScannerKiezen::Toon(QString& apparaat) {
  bevestigd_ = false;
  exec();
  if (bevestigd_) apparaat = Gekozen();
  return bevestigd_;
}

void ScannerKiezen::accept() {
  // Without a scanner there is nothing to confirm.
  if (Gekozen().isEmpty()) return;
  bevestigd_ = true;
  QDialog::accept();
}

void ScannerKiezen::reject() {
  bevestigd_ = false;
  QDialog::reject();
}

bool ScannerSelecteren(platform::Scanner& scanner, platform::MessageService& meldingen, ScannerKiezen& dialoog,
                       QString& apparaat) {
  QList<platform::ScanSource> bronnen;
  {
    platform::BusyCursor bezig;
    bronnen = scanner.listSources();
  }
  if (scanner.lastStatus() == platform::Scanner::Status::NotStarted) {
    MeldNietGestart(meldingen);
    return false;
  }
  dialoog.ZetBronnen(bronnen, apparaat);
  return dialoog.Toon(apparaat);
}

std::optional<QImage> AfbeeldingScannen(platform::Scanner& scanner, platform::MessageService& meldingen,
                                        const QString& apparaat) {
  std::optional<QImage> plaatje;
  {
    platform::BusyCursor bezig;
    plaatje = scanner.scan(apparaat);
  }
  if (scanner.lastStatus() == platform::Scanner::Status::NotStarted) {
    MeldNietGestart(meldingen);
    return std::nullopt;
  }
  return plaatje;
}

}  // namespace ui
