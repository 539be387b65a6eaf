// The barcode commands of the main window: adding one through its dialog,
// changing a selected one, and the printer's dots the screen lays them out in.
#include <QLabel>

#include "editor/Wijziging.h"
#include "model/OpEtiket.h"
#include "printing/Raster.h"
#include "printing/StreepjescodeOpdrachten.h"
#include "ui/AfdrukPaneel.h"
#include "ui/Etiket.h"
#include "ui/EtiketPlaatje.h"
#include "ui/frmStreepjescode.h"

namespace {
// What a new barcode starts with: a code that reads as it is typed.
Streepjescode NieuweCode() {
  Streepjescode code;
  code.Soort = StreepjescodeSoort::Code128;
  code.Gegevens = QStringLiteral("Vellora [#]");
  return code;
}

// One dialog for the window, made when first needed.
frmStreepjescode& Dialoog(std::unique_ptr<frmStreepjescode>& dialoog, Etiket& e, AfdrukPaneel& afdruk,
                          platform::MessageService& meldingen) {
  if (!dialoog)
    dialoog = std::make_unique<frmStreepjescode>(
        meldingen, [&afdruk] { return afdruk.KiesNummeringCode(); },
        [&e](const Streepjescode& code) { return FoutInStreepjescode(code, e.ontwerp().nummering); }, &e);
  return *dialoog;
}
}  // namespace

void Etiket::ControleerStreepjescodes() {
  // The same test the print job makes, so the notice and the refusal agree.
  const Ontwerp& o = ontwerp();
  const EtiketFormaat& f = beeld().Formaat();
  const float speling = 0.5f / float(PrinterPuntenPerMm());
  QString melding;
  for (int i = 1, codes = 0; i <= o.AantalVoorwerpen() && melding.isEmpty(); ++i) {
    const Voorwerp& v = o.voorwerp(i);
    if (v.Soort() != SoortVoorwerp::Streepjescodevoorwerp) continue;
    ++codes;
    if (!LigtOpEtiket(f, v.Links, v.Boven, v.Breedte, v.Hoogte, speling)) melding = StreepjescodeBuitenEtiket(codes);
  }
  if (melding.isEmpty()) {
    if (lblStreepjescode_) lblStreepjescode_->hide();
    return;
  }
  if (!lblStreepjescode_) {
    // Over the picture, outside the kept image and every layout: the
    // picture keeps its size and its pixels.
    lblStreepjescode_ = new QLabel(pictEtiket_);
    lblStreepjescode_->setObjectName(QStringLiteral("lblStreepjescode"));
    lblStreepjescode_->setStyleSheet(
        QStringLiteral("background: #fff3c4; color: #b00000; border: 1px solid #b00000; padding: 2px;"));
    lblStreepjescode_->setAttribute(Qt::WA_TransparentForMouseEvents);
  }
  lblStreepjescode_->setText(melding);
  lblStreepjescode_->adjustSize();
  lblStreepjescode_->move(4, 4);
  lblStreepjescode_->show();
  lblStreepjescode_->raise();
}

void Etiket::ZetPrinterPunten() {
  if (beeld().PrinterPuntenPerMm() == PrinterPuntenPerMm()) return;
  beeld().ZetPrinterPuntenPerMm(PrinterPuntenPerMm());
  if (ontwerp().AantalStreepjescodes() > 0) HertekenAlles();
}

void Etiket::mnuStreepjescodeToevoegen_Click() {
  Streepjescode code = NieuweCode();
  frmStreepjescode& dialoog = Dialoog(frmStreepjescode_, *this, *afdruk_, *opties_.meldingen);
  dialoog.ZetPuntenPerMm(PrinterPuntenPerMm());
  if (!dialoog.Toon(code)) return;
  Wijziging wijziging(bewerker_);
  const int i = NieuweStreepjescode(ontwerp(), code, PrinterPuntenPerMm());
  pictEtiket_->DeSelekteerAlles();
  pictEtiket_->SelecteerVoorwerp(i);
}

void Etiket::WijzigStreepjescode(int index) {
  Streepjescode code = StreepjescodeVan(ontwerp(), index);
  frmStreepjescode& dialoog = Dialoog(frmStreepjescode_, *this, *afdruk_, *opties_.meldingen);
  dialoog.ZetPuntenPerMm(PrinterPuntenPerMm());
  if (!dialoog.Toon(code)) return;
  Wijziging wijziging(bewerker_);
  ::WijzigStreepjescode(ontwerp(), index, code);
}
