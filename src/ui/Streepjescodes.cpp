#include "ui/Streepjescodes.h"

#include <QAction>
#include <QLabel>
#include <QWidget>

#include "editor/Bewerker.h"
#include "editor/Wijziging.h"
#include "files/Instellingen.h"
#include "model/OpEtiket.h"
#include "printing/Printermodel.h"
#include "printing/Raster.h"
#include "printing/StreepjescodeOpdrachten.h"
#include "ui/AfdrukPaneel.h"
#include "ui/EtiketPlaatje.h"
#include "ui/Opdracht.h"
#include "ui/frmStreepjescode.h"

namespace ui {

namespace {
// What a new barcode starts with: a code that reads as it is typed.
Streepjescode NieuweCode() {
  Streepjescode code;
  code.Soort = StreepjescodeSoort::Code128;
  code.Gegevens = QStringLiteral("Vellora [#]");
  return code;
}

}  // namespace

Streepjescodes::Streepjescodes(QWidget& venster, Bewerker& bewerker, EtiketPlaatje& plaatje, AfdrukPaneel& afdruk,
                               const Instellingen& instellingen, platform::MessageService& meldingen, QObject* parent)
    : QObject(parent),
      venster_(venster),
      bewerker_(bewerker),
      plaatje_(plaatje),
      afdruk_(afdruk),
      instellingen_(instellingen),
      meldingen_(meldingen) {
  toevoegen_ = new QAction(QStringLiteral("S&treepjescode toevoegen ..."), this);
  toevoegen_->setObjectName(QStringLiteral("mnuStreepjescodeToevoegen"));
  connect(toevoegen_, &QAction::triggered, this,
          [this] { Opdracht(meldingen_, [this] { mnuStreepjescodeToevoegen_Click(); }); });
  connect(&plaatje_, &EtiketPlaatje::DubbelKlik, this, [this] {
    const Bewerking& b = bewerker_.bewerking();
    const int i = b.GeselecteerdVoorwerp();
    if (b.AantalGeselecteerd() == 1 && b.ontwerp().voorwerp(i).Soort() == SoortVoorwerp::Streepjescodevoorwerp)
      Opdracht(meldingen_, [this, i] { WijzigStreepjescode(i); });
  });
  // The notice follows every change, undo and format.
  connect(&bewerker_, &Bewerker::FormaatVeranderd, this, &Streepjescodes::ControleerStreepjescodes);
  connect(&bewerker_, &Bewerker::GeschiedenisVeranderd, this, &Streepjescodes::ControleerStreepjescodes);
  // Barcodes are laid out in the printer's dots: the screen follows the model.
  connect(&afdruk_, &AfdrukPaneel::InstellingenVeranderd, this, &Streepjescodes::ZetPrinterPunten);
}

Streepjescodes::~Streepjescodes() = default;

int Streepjescodes::PrinterPuntenPerMm() const { return PrintermodelVoor(instellingen_.Printer).puntenPerMm; }

// One dialog for the window, made when first needed.
frmStreepjescode& Streepjescodes::Dialoog() {
  if (!dialoog_)
    dialoog_ = std::make_unique<frmStreepjescode>(
        meldingen_, [this] { return afdruk_.KiesNummeringCode(); },
        [this](const Streepjescode& code) { return FoutInStreepjescode(code, bewerker_.ontwerp().nummering); },
        &venster_);
  return *dialoog_;
}

void Streepjescodes::ControleerStreepjescodes() {
  // The same test the print job makes, so the notice and the refusal agree.
  const Ontwerp& o = bewerker_.ontwerp();
  const EtiketFormaat& f = bewerker_.beeld().Formaat();
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
    lblStreepjescode_ = new QLabel(&plaatje_);
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

void Streepjescodes::ZetPrinterPunten() {
  if (bewerker_.beeld().PrinterPuntenPerMm() == PrinterPuntenPerMm()) return;
  bewerker_.beeld().ZetPrinterPuntenPerMm(PrinterPuntenPerMm());
  // Barcodes and dithered figures are made in the printer's dots.
  const Ontwerp& o = bewerker_.ontwerp();
  bool inPunten = o.AantalStreepjescodes() > 0;
  for (int i = 1; i <= o.AantalVoorwerpen() && !inPunten; ++i)
    if (const FiguurDeel* f = o.voorwerp(i).alsFiguur()) inPunten = !f->omzetting.IsStandaard();
  if (inPunten) bewerker_.HertekenAlles();
}

void Streepjescodes::mnuStreepjescodeToevoegen_Click() {
  Streepjescode code = NieuweCode();
  frmStreepjescode& dialoog = Dialoog();
  dialoog.ZetPuntenPerMm(PrinterPuntenPerMm());
  if (!dialoog.Toon(code)) return;
  Wijziging wijziging(bewerker_);
  const int i = NieuweStreepjescode(wijziging.ontwerp(), code, PrinterPuntenPerMm());
  plaatje_.DeSelekteerAlles();
  plaatje_.SelecteerVoorwerp(i);
}

void Streepjescodes::WijzigStreepjescode(int index) {
  Streepjescode code = StreepjescodeVan(bewerker_.ontwerp(), index);
  frmStreepjescode& dialoog = Dialoog();
  dialoog.ZetPuntenPerMm(PrinterPuntenPerMm());
  if (!dialoog.Toon(code)) return;
  Wijziging wijziging(bewerker_);
  printing::WijzigStreepjescode(wijziging.ontwerp(), index, code);
}

}  // namespace ui
