// The file commands (new, open, save, save as) and reading a design into
// the window.
#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

#include "editor/Wijziging.h"
#include "files/Bestandsnaam.h"
#include "files/BewaarEtiket.h"
#include "files/EtiketToepassen.h"
#include "files/LeesEtiket.h"
#include "platformwidgets/FileDialogs.h"
#include "platformwidgets/MessageService.h"
#include "platformwidgets/WidgetHelpers.h"
#include "roundtext/RondeTekst.h"
#include "ui/AfdrukPaneel.h"
#include "ui/Etiket.h"
#include "ui/EtiketPlaatje.h"
#include "ui/FormaatDialoog.h"
#include "ui/NummeringDialoog.h"
#include "ui/TekstPaneel.h"

namespace {

const QString kOpenFilters = QStringLiteral("Vellora (*.VLO *.vlo);;Alle bestanden (*)");
const QString kVersie1 = QStringLiteral("Vellora 2.1 (*.VLO *.vlo)");
const QString kVersie2 = QStringLiteral("Vellora 3.0 (*.VLO *.vlo)");

}  // namespace

void Etiket::ZetBestandsnaam(const QString& fn) {
  ontwerp().Bestandsnaam = fn;
  setWindowTitle(VensterTitel(fn));
}

void Etiket::NieuwOntwerp() {
  Wijziging wijziging(bewerker_);
  pictEtiket_->DeSelekteerAlles();
  bewerker_.bewerking().VerwijderVoorwerpen();
  pictEtiket_->VerbergHandvaten();
  tekst_->LeesKenmerken();
  ZetBestandsnaam(QString());
  ontwerp().BestType = 0;
  tekst_->ZetAutomatischSchikken(true);
  afdruk_->NieuwOntwerp();
}

void Etiket::cmdKiezen_Click() {
  // The choice comes first: cancelling keeps the design as it is.
  qint16 gekozen = ontwerp().HuidigFormaat;
  if (!formaatDialoog_) formaatDialoog_ = std::make_unique<Formaat>(formaten_, gekozen, this);
  if (!formaatDialoog_->Toon(gekozen)) return;
  // Another format starts a new design; undo brings the old one back.
  Wijziging wijziging(bewerker_);
  NieuwOntwerp();
  ontwerp().HuidigFormaat = gekozen;
}

void Etiket::mnuNieuwEtiket_Click() {
  NieuwOntwerp();
  WisGeschiedenis();
}

bool Etiket::LeesEtiketIn(const QString& fn) {
  // The whole file becomes a design before it takes the open one's place:
  // a file that cannot be read leaves the open design as it was.
  const LeesUitkomst uitkomst = LeesEtiket(fn, formaten_);
  if (const auto* fout = std::get_if<LeesFout>(&uitkomst)) {
    opties_.meldingen->show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"), fout->Melding());
    return false;
  }
  Ontwerp nieuw;
  {
    platform::BusyCursor muis;
    PasEtiketToe(std::get<GelezenEtiket>(uitkomst), nieuw, [](Ontwerp& o, int i) {
      o.voorwerp(i).cirkel().Spatiering = 100;  // the file does not keep it; the dialog's own default
      MaakRondeTekst(o, i);
    });
  }
  {
    Wijziging wijziging(bewerker_);
    NieuwOntwerp();
    tekst_->ZetAutomatischSchikken(false);
    // The running number and a list kept for new designs stay.
    nieuw.nummering = ontwerp().nummering;
    bewerker_.bewerking().ZetOntwerp(std::move(nieuw));
    if (ontwerp().AantalVoorwerpen() > 0) {
      pictEtiket_->DeSelekteerAlles();
      pictEtiket_->SelecteerVoorwerp(1);
    }
  }
  WisGeschiedenis();
  return true;
}

void Etiket::mnuOpenen_Click() {
  const QString pad = Bestanden().openFile(this, QStringLiteral("Openen"), instellingen_.FileFolder, kOpenFilters);
  if (pad.isEmpty()) return;
  instellingen_.FileFolder = MapVan(pad);
  // A design that could not be read is not named after that file, so a
  // later Save cannot overwrite it.
  if (LeesEtiketIn(pad)) ZetBestandsnaam(pad);
}

bool Etiket::BewaarEtiketAls(const QString& fn, qint16 bestType) {
  platform::BusyCursor muis;
  const BewaarResultaat r = BewaarEtiket(fn, bestType, ontwerp(), HuidigEtiketFormaat().Naam);
  if (!r.Gelukt()) {
    opties_.meldingen->show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"), r.Melding());
    return false;
  }
  if (r.TekstAangepast())
    opties_.meldingen->show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"), r.Waarschuwing());
  return true;
}

void Etiket::mnuOpslaan_Click() {
  if (ontwerp().Bestandsnaam.isEmpty()) {
    mnuOpslaanAls_Click();
    return;
  }
  BewaarEtiketAls(ontwerp().Bestandsnaam, ontwerp().BestType);
}

void Etiket::mnuOpslaanAls_Click() {
  QString filter = kVersie2;
  const QString gekozen = Bestanden().saveFile(this, QStringLiteral("Opslaan als"), instellingen_.FileFolder,
                                               kVersie1 + QStringLiteral(";;") + kVersie2, &filter);
  if (gekozen.isEmpty()) return;
  instellingen_.FileFolder = MapVan(gekozen);
  const qint16 versie = filter == kVersie1 ? 1 : 2;
  const QString naam = OntwerpNaam(gekozen);
  // The dialog saw the typed name; the name saved under may have grown an
  // extension, so the question comes here.
  if (QFileInfo::exists(naam) &&
      opties_.meldingen->show(platform::MessageService::Icon::Question, QStringLiteral("Opslaan als"),
                              ZonderPad(naam) + QStringLiteral(" bestaat al.\nWilt u het vervangen?"),
                              platform::MessageService::Buttons::YesNo) != platform::MessageService::Answer::Yes)
    return;
  if (!BewaarEtiketAls(naam, versie)) return;
  ontwerp().BestType = versie;
  ZetBestandsnaam(naam);
}
