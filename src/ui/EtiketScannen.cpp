// Scanning: choosing a scanner and scanning a picture into a figure.
#include <QAction>

#include "ui/Etiket.h"
#include "ui/ScannerKiezen.h"
#include "platform/Scanner.h"

void Etiket::VerbindScannen() {
  mnuScannerSelecteren_->setEnabled(true);
  mnuAfbeeldingscannen_->setEnabled(true);
  connect(mnuScannerSelecteren_, &QAction::triggered, this, [this] { Opdracht([this] { mnuScannerSelecteren_Click(); }); });
  connect(mnuAfbeeldingscannen_, &QAction::triggered, this, [this] { Opdracht([this] { mnuAfbeeldingscannen_Click(); }); });
}

platform::Scanner& Etiket::Scanner() {
  if (opties_.scanner) return *opties_.scanner;
  if (!eigenScanner_) eigenScanner_ = std::make_unique<platform::SaneScanner>();
  return *eigenScanner_;
}

void Etiket::mnuScannerSelecteren_Click() {
  if (!scannerKiezen_) scannerKiezen_ = std::make_unique<ScannerKiezen>(this);
  ScannerSelecteren(Scanner(), *opties_.meldingen, *scannerKiezen_, scannerApparaat_);
}

void Etiket::mnuAfbeeldingscannen_Click() {
  const std::optional<QImage> beeld = AfbeeldingScannen(Scanner(), *opties_.meldingen, scannerApparaat_);
  if (beeld) PlaatjeAlsFiguur(*beeld);
}
