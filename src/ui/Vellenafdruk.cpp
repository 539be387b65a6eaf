#include "ui/Vellenafdruk.h"

#include <QAction>
#include <QFileInfo>
#include <QPrinter>
#include <QProgressDialog>
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

// A long run shows how far it is and can be stopped between two numbers;
// the window waits meanwhile, so the design cannot change under the job.
class Voortgangsvenster {
 public:
  Voortgangsvenster(QWidget& venster, const Velopdracht& v)
      : dialoog_(QStringLiteral("Etiketten worden getekend ..."), QStringLiteral("Annuleren"), 0,
                 int(std::min<qint64>(v.reeks.Aantal(), 1 << 30)), &venster) {
    dialoog_.setWindowTitle(QStringLiteral("Afdrukken"));
    dialoog_.setWindowModality(Qt::WindowModal);
    dialoog_.setMinimumDuration(500);
  }
  Voortgang voortgang() {
    return [this](int, int) {
      dialoog_.setValue(++gedaan_);
      return dialoog_.wasCanceled();
    };
  }

 private:
  QProgressDialog dialoog_;
  int gedaan_ = 0;
};

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
  const Ontwerp ontwerp = bewerker_.ontwerp();
  Voortgangsvenster voortgang(venster_, *v);
  const auto fout = DrukOpVellen(ontwerp, *v, printer, RondeTekstMakerVoorVel(), voortgang.voortgang());
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
