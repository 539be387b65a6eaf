// The barcode commands of the main window: adding one through its dialog,
// changing a selected one, and the printer's dots the screen lays them out in.
#include "editor/Wijziging.h"
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

void Etiket::ZetPrinterPunten() {
  if (beeld().PrinterPuntenPerMm() == PrinterPuntenPerMm()) return;
  beeld().ZetPrinterPuntenPerMm(PrinterPuntenPerMm());
  if (ontwerp().AantalStreepjescodes() > 0) HertekenAlles();
}

void Etiket::mnuStreepjescodeToevoegen_Click() {
  Streepjescode code = NieuweCode();
  if (!Dialoog(frmStreepjescode_, *this, *afdruk_, *opties_.meldingen).Toon(code)) return;
  Wijziging wijziging(bewerker_);
  const int i = NieuweStreepjescode(ontwerp(), code, PrinterPuntenPerMm());
  pictEtiket_->DeSelekteerAlles();
  pictEtiket_->SelecteerVoorwerp(i);
}

void Etiket::WijzigStreepjescode(int index) {
  Streepjescode code = StreepjescodeVan(ontwerp(), index);
  if (!Dialoog(frmStreepjescode_, *this, *afdruk_, *opties_.meldingen).Toon(code)) return;
  Wijziging wijziging(bewerker_);
  ::WijzigStreepjescode(ontwerp(), index, code);
}
