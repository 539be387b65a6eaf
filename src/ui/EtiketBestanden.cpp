// The file commands (new, open, save, save as) and reading a design into
// the window.
#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "editor/Wijziging.h"
#include "files/Bestandsnaam.h"
#include "files/BewaarEtiket.h"
#include "files/EtiketBestand.h"
#include "files/EtiketToepassen.h"
#include "files/Herstelkopie.h"
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
#include "ui/RecenteBestanden.h"
#include "ui/TekstPaneel.h"

namespace {

const QString kOpenFilters = QStringLiteral("Vellora (*.VLO *.vlo);;Alle bestanden (*)");
const QString kVersie1 = QStringLiteral("Vellora 2.1 (*.VLO *.vlo)");
const QString kVersie2 = QStringLiteral("Vellora 3.0 (*.VLO *.vlo)");
const QString kVersie4 = QStringLiteral("Vellora 4.0 (*.VLO *.vlo)");

const QString kVersieVraag = QStringLiteral(
    "Dit ontwerp bevat ronde tekst of bijgesneden figuren. Die kunnen in een bestand van Vellora 2.1 niet bewaard "
    "worden. Bewaren als Vellora 3.0?");

const QString kCodeVraag = QStringLiteral(
    "Dit ontwerp bevat streepjescodes. Die kunnen in een bestand van Vellora %1 niet bewaard worden. Bewaren als "
    "Vellora 4.0?");

QString OntwerpNoemer(const QString& bestandsnaam) {
  return bestandsnaam.isEmpty() ? QStringLiteral("het nieuwe ontwerp") : ZonderPad(bestandsnaam);
}

}  // namespace

void Etiket::ZetBestandsnaam(const QString& fn) {
  bewerker_.ZetBestand(fn, ontwerp().BestType);
  setWindowTitle(VensterTitel(fn) + QStringLiteral("[*]"));
}

bool Etiket::WijzigingenBewaren() {
  if (!bewerker_.Gewijzigd()) return true;
  const QString vraag =
      QStringLiteral("Wijzigingen in ") + OntwerpNoemer(ontwerp().Bestandsnaam) + QStringLiteral(" bewaren?");
  switch (opties_.meldingen->show(platform::MessageService::Icon::Question, QStringLiteral("Vellora"), vraag,
                                  platform::MessageService::Buttons::YesNoCancel)) {
    case platform::MessageService::Answer::Yes: return mnuOpslaan_Click();
    // The recovery copy stays until the design is really replaced: the
    // command may still be cancelled after this.
    case platform::MessageService::Answer::No: return true;
    default: return false;
  }
}

void Etiket::VolgWijzigingen() {
  const bool gewijzigd = bewerker_.Gewijzigd();
  if (gewijzigd != isWindowModified()) setWindowModified(gewijzigd);
  if (!gewijzigd) {
    herstelKlok_->stop();
    herstel_->Wis();
  } else if (!herstelKlok_->isActive()) {
    // Typing only starts the clock; the copy is written when it runs out.
    herstelKlok_->start();
  }
}

void Etiket::BewaarHerstelkopie() {
  if (geladen_ && bewerker_.Gewijzigd()) herstel_->Schrijf(ontwerp(), HuidigEtiketFormaat().Naam);
}

void Etiket::BiedHerstelAan() {
  for (Herstelkopie::Achtergelaten& kopie : herstel_->Zoek()) {
    // Another editor started at the same time may be offering this one.
    if (!Herstelkopie::Houd(kopie)) continue;
    const QString vraag = QStringLiteral("Vellora is niet normaal afgesloten. Er is een herstelkopie van ") +
                          OntwerpNoemer(kopie.bestandsnaam) + QStringLiteral(" van ") +
                          kopie.tijd.toString(QStringLiteral("dd-MM-yyyy HH:mm")) +
                          QStringLiteral(".\nWilt u die herstellen?");
    if (opties_.meldingen->show(platform::MessageService::Icon::Question, QStringLiteral("Vellora"), vraag,
                                platform::MessageService::Buttons::YesNo) != platform::MessageService::Answer::Yes) {
      Herstelkopie::Verwijder(kopie);
      continue;
    }
    if (LeesEtiketIn(kopie.ontwerpPad)) {
      // Back as it was: under its own name and version, and still to be saved.
      bewerker_.ZetBestand(kopie.bestandsnaam, kopie.BestType);
      ZetBestandsnaam(kopie.bestandsnaam);
      bewerker_.ZetGewijzigd();
      // This run's copy takes over before the old one goes.
      BewaarHerstelkopie();
    }
    Herstelkopie::Verwijder(kopie);
    return;  // one design at a time; any other copy is offered next time
  }
}

void Etiket::NieuwOntwerp() {
  Wijziging wijziging(bewerker_);
  bewerker_.BeginAnderOntwerp();
  pictEtiket_->DeSelekteerAlles();
  wijziging.bewerking().VerwijderVoorwerpen();
  pictEtiket_->VerbergHandvaten();
  tekst_->LeesKenmerken();
  bewerker_.ZetBestand(QString(), 0);
  ZetBestandsnaam(QString());
  tekst_->ZetAutomatischSchikken(true);
  afdruk_->NieuwOntwerp();
}

void Etiket::cmdKiezen_Click() {
  if (!WijzigingenBewaren()) return;
  // The choice comes next: cancelling keeps the design as it is.
  qint16 gekozen = ontwerp().HuidigFormaat;
  if (!formaatDialoog_) formaatDialoog_ = std::make_unique<Formaat>(formaten_, gekozen, this);
  if (!formaatDialoog_->Toon(gekozen)) return;
  // Another format starts a new design; undo brings the old one back.
  {
    Wijziging wijziging(bewerker_);
    NieuwOntwerp();
    wijziging.ontwerp().HuidigFormaat = gekozen;
  }
  bewerker_.ZetBewaard();
}

void Etiket::mnuNieuwEtiket_Click() {
  if (!WijzigingenBewaren()) return;
  NieuwOntwerp();
  WisGeschiedenis();
  bewerker_.ZetBewaard();
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
    wijziging.bewerking().ZetOntwerp(std::move(nieuw));
    if (ontwerp().AantalVoorwerpen() > 0) {
      pictEtiket_->DeSelekteerAlles();
      pictEtiket_->SelecteerVoorwerp(1);
    }
  }
  WisGeschiedenis();
  bewerker_.ZetBewaard();
  return true;
}

void Etiket::mnuOpenen_Click() {
  if (!WijzigingenBewaren()) return;
  const QString pad = Bestanden().openFile(this, QStringLiteral("Openen"), instellingen_.FileFolder, kOpenFilters);
  if (pad.isEmpty()) return;
  OpenBestand(pad);
}

bool Etiket::OpenBestand(const QString& pad) {
  // A design that could not be read is not named after that file, so a
  // later Save cannot overwrite it; nor does its folder become the one the
  // next dialog starts in.
  if (!LeesEtiketIn(pad)) return false;
  ZetBestandsnaam(pad);
  instellingen_.FileFolder = MapVan(pad);
  recent_->Voeg(pad);
  return true;
}

void Etiket::OpenRecent(const QString& pad) {
  if (afdruk_->BezigMetAfdrukken()) return;
  if (!QFileInfo::exists(pad)) {
    recent_->Verwijder(pad);
    opties_.meldingen->show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"),
                            QStringLiteral("Het bestand bestaat niet meer:\n") + pad +
                                QStringLiteral("\n\nHet is uit de lijst van recente bestanden gehaald."));
    return;
  }
  if (!WijzigingenBewaren()) return;
  OpenBestand(pad);
}

void Etiket::OpenBijStart(const QString& pad) {
  // A restored recovery copy is asked about first, as Openen would.
  if (!WijzigingenBewaren()) return;
  OpenBestand(QFileInfo(pad).absoluteFilePath());
}

bool Etiket::BewaarEtiketAls(const QString& fn, qint16 bestType) {
  platform::BusyCursor muis;
  const BewaarResultaat r = BewaarEtiket(fn, bestType, ontwerp(), HuidigEtiketFormaat().Naam, opties_.bewaarWeg);
  if (!r.Gelukt()) {
    opties_.meldingen->show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"), r.Melding());
    return false;
  }
  if (r.TekstAangepast())
    opties_.meldingen->show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"), r.Waarschuwing());
  return true;
}

qint16 Etiket::KiesVersie(qint16 versie, const QString& titel) {
  // Barcodes only version 4.0 keeps: asked first, as for round text below.
  if (versie != kBestTypeVersie4 && OudeVersieVerliest(ontwerp(), versie) && ontwerp().AantalStreepjescodes() > 0) {
    switch (opties_.meldingen->show(platform::MessageService::Icon::Question, titel,
                                    kCodeVraag.arg(versie == 2 ? QStringLiteral("3.0") : QStringLiteral("2.1")),
                                    platform::MessageService::Buttons::YesNoCancel)) {
      case platform::MessageService::Answer::Yes: return kBestTypeVersie4;
      case platform::MessageService::Answer::No: break;
      default: return 0;
    }
  }
  if (versie != 1 || !VersieEenVerliest(ontwerp())) return versie;
  switch (opties_.meldingen->show(platform::MessageService::Icon::Question, titel, kVersieVraag,
                                  platform::MessageService::Buttons::YesNoCancel)) {
    case platform::MessageService::Answer::Yes: return 2;
    case platform::MessageService::Answer::No: return 1;
    default: return 0;
  }
}

bool Etiket::Bewaar(const QString& naam, qint16 versie, const QString& titel) {
  versie = KiesVersie(versie, titel);
  if (versie == 0 || !BewaarEtiketAls(naam, versie)) return false;
  bewerker_.ZetBestand(naam, versie);
  ZetBestandsnaam(naam);
  bewerker_.ZetBewaard();
  recent_->Voeg(naam);
  return true;
}

bool Etiket::mnuOpslaan_Click() {
  if (ontwerp().Bestandsnaam.isEmpty()) return mnuOpslaanAls_Click();
  return Bewaar(ontwerp().Bestandsnaam, BewaarVersie(ontwerp(), ontwerp().BestType), QStringLiteral("Opslaan"));
}

bool Etiket::mnuOpslaanAls_Click() {
  // A design with barcodes is offered the version that keeps them.
  QString filter = ontwerp().AantalStreepjescodes() > 0 ? kVersie4 : kVersie2;
  const QString gekozen =
      Bestanden().saveFile(this, QStringLiteral("Opslaan als"), instellingen_.FileFolder,
                           kVersie1 + QStringLiteral(";;") + kVersie2 + QStringLiteral(";;") + kVersie4, &filter);
  if (gekozen.isEmpty()) return false;
  const QString naam = OntwerpNaam(gekozen);
  // The dialog saw the typed name; the name saved under may have grown an
  // extension, so the question comes here.
  if (QFileInfo::exists(naam) &&
      opties_.meldingen->show(platform::MessageService::Icon::Question, QStringLiteral("Opslaan als"),
                              ZonderPad(naam) + QStringLiteral(" bestaat al.\nWilt u het vervangen?"),
                              platform::MessageService::Buttons::YesNo) != platform::MessageService::Answer::Yes)
    return false;
  const qint16 versie = filter == kVersie1 ? 1 : filter == kVersie4 ? kBestTypeVersie4 : 2;
  if (!Bewaar(naam, versie, QStringLiteral("Opslaan als"))) return false;
  instellingen_.FileFolder = MapVan(gekozen);
  return true;
}
