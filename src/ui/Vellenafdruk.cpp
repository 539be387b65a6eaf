#include "ui/Vellenafdruk.h"

#include <QAction>
#include <QFileInfo>
#include <QPrinter>
#include <QWidget>

#include "editor/Bewerker.h"
#include "files/Instellingen.h"
#include "platformwidgets/FileDialogs.h"
#include "platformwidgets/MessageService.h"
#include "platformwidgets/PrintDialogs.h"
#include "printing/Velafdruk.h"
#include "roundtext/RondeTekst.h"
#include "ui/AfdrukPaneel.h"
#include "ui/Opdracht.h"

namespace ui {

namespace {

// The job the print frame describes, on the sheet of the current format.
std::optional<Velopdracht> VelopdrachtUitVenster(const Bewerker& bewerker, AfdrukPaneel& afdruk, const Omgeving& omgeving) {
  const std::optional<qint16> aantal = afdruk.LeesAantal();
  if (!aantal) return std::nullopt;
  const Ontwerp& o = bewerker.ontwerp();
  const qint16 modus = IsNummering(o);
  if (modus == 2 && o.nummering.NummerLijst.isEmpty()) {
    omgeving.meldingen.show(
        platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"),
        QStringLiteral("Het ontwerp gebruikt lijstwaarden [A] tot [E], maar er is geen lijst met waarden."));
    return std::nullopt;
  }
  Velopdracht v;
  v.formaat = bewerker.Formaat();
  v.aantal = *aantal;
  v.reeks = ReeksVoor(modus, o.nummering);
  v.HorizontalShift = HorizontaleVerschuiving(omgeving.store, v.formaat.Naam);
  v.VerticalShift = VerticaleVerschuiving(omgeving.store, v.formaat.Naam);
  return v;
}

RondeTekstMaker RondeTekstMakerVoorVel() {
  return [](Voorwerp& v) { return MaakRondeTekst(v); };
}

}  // namespace

Vellenafdruk::Vellenafdruk(QWidget& venster, Bewerker& bewerker, AfdrukPaneel& afdruk, Omgeving omgeving,
                           platform::PrintDialogs& printdialogen, QObject* parent)
    : QObject(parent),
      venster_(venster),
      bewerker_(bewerker),
      afdruk_(afdruk),
      omgeving_(std::move(omgeving)),
      printdialogen_(printdialogen) {
  const auto actie = [this](const char* naam, const QString& tekst, auto doe) {
    auto* a = new QAction(tekst, this);
    a->setObjectName(QString::fromLatin1(naam));
    connect(a, &QAction::triggered, this, [this, doe] { ui::Opdracht(omgeving_.meldingen, doe); });
    return a;
  };
  acties_.kantoorprinter = actie("mnuAfdrukkenOpVellen", QStringLiteral("Afdrukken op &kantoorprinter ..."),
                                 [this] { mnuAfdrukkenOpVellen_Click(); });
  acties_.pdf = actie("mnuPdf", QStringLiteral("Als P&DF bewaren ..."), [this] { mnuPdf_Click(); });
}

void Vellenafdruk::mnuAfdrukkenOpVellen_Click() {
  std::optional<Velopdracht> v = VelopdrachtUitVenster(bewerker_, afdruk_, omgeving_);
  if (!v) return;
  QPrinter printer(QPrinter::HighResolution);
  // The sheet's corner is the page's: the labels lie where the sheet has them.
  printer.setFullPage(true);
  printer.setDocName(QFileInfo(bewerker_.ontwerp().Bestandsnaam).fileName());
  ZetVel(printer, v->formaat);
  int eerste = 1;
  if (!printdialogen_.choosePrinter(printer, &venster_, eerste, EtikettenPerVel(v->formaat))) return;
  // Whatever paper the dialog offered, the page is the sheet.
  ZetVel(printer, v->formaat);
  v->eersteEtiket = eerste;
  venster_.setCursor(Qt::WaitCursor);
  const auto fout = DrukOpVellen(bewerker_.ontwerp(), *v, printer, RondeTekstMakerVoorVel());
  venster_.unsetCursor();
  if (fout) omgeving_.meldingen.show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"), *fout);
}

void Vellenafdruk::mnuPdf_Click() {
  std::optional<Velopdracht> v = VelopdrachtUitVenster(bewerker_, afdruk_, omgeving_);
  if (!v) return;
  const QString ontwerp = bewerker_.ontwerp().Bestandsnaam;
  const QString voorstel = ontwerp.isEmpty() ? QStringLiteral("etiketten.pdf")
                                             : QFileInfo(ontwerp).path() + u'/' + QFileInfo(ontwerp).completeBaseName() +
                                                   QStringLiteral(".pdf");
  QString pad = omgeving_.bestanden.saveFile(&venster_, QStringLiteral("Als PDF bewaren"), voorstel,
                                             QStringLiteral("PDF-bestanden (*.pdf)"));
  if (pad.isEmpty()) return;
  if (QFileInfo(pad).suffix().isEmpty()) pad += QStringLiteral(".pdf");
  venster_.setCursor(Qt::WaitCursor);
  const auto fout = BewaarAlsPdf(bewerker_.ontwerp(), *v, pad, RondeTekstMakerVoorVel());
  venster_.unsetCursor();
  if (fout) omgeving_.meldingen.show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"), *fout);
}

}  // namespace ui
