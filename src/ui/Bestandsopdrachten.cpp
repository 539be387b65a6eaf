#include "ui/Bestandsopdrachten.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <cmath>

#include "editor/Bewerker.h"
#include "editor/Wijziging.h"
#include "files/Bestandsnaam.h"
#include "files/BewaarEtiket.h"
#include "files/EtiketBestand.h"
#include "files/EtiketToepassen.h"
#include "files/Herstelkopie.h"
#include "files/Instellingen.h"
#include "files/LeesEtiket.h"
#include "platformwidgets/FileDialogs.h"
#include "platformwidgets/MessageService.h"
#include "platformwidgets/WidgetHelpers.h"
#include "roundtext/RondeTekst.h"
#include "ui/AfdrukPaneel.h"
#include "ui/EtiketPlaatje.h"
#include "ui/FormaatDialoog.h"
#include "ui/NummeringDialoog.h"
#include "ui/Opdracht.h"
#include "ui/RecenteBestanden.h"
#include "ui/TekstPaneel.h"

namespace ui {

namespace {

const QString kOpenFilters = QStringLiteral("Vellora (*.VLO *.vlo);;Alle bestanden (*)");
const QString kVersie1 = QStringLiteral("Vellora 2.1 (*.VLO *.vlo)");
const QString kVersie2 = QStringLiteral("Vellora 3.0 (*.VLO *.vlo)");
const QString kVersie4 = QStringLiteral("Vellora 4.0 (*.VLO *.vlo)");
const QString kVersie5 = QStringLiteral("Vellora 5.0 (*.VLO *.vlo)");

const QString kVersieVraag = QStringLiteral(
    "Dit ontwerp bevat ronde tekst of bijgesneden figuren. Die kunnen in een bestand van Vellora 2.1 niet bewaard "
    "worden. Bewaren als Vellora 3.0?");

const QString kCodeVraag = QStringLiteral(
    "Dit ontwerp bevat streepjescodes. Die kunnen in een bestand van Vellora %1 niet bewaard worden. Bewaren als "
    "Vellora 4.0?");

const QString kVijfVraag = QStringLiteral(
    "Dit ontwerp bevat %1. Die kunnen in een bestand van Vellora %2 niet bewaard worden. Bewaren als Vellora 5.0?");

QString VersieNaam(qint16 versie) {
  switch (versie) {
    case 1: return QStringLiteral("2.1");
    case 2: return QStringLiteral("3.0");
    case kBestTypeVersie4: return QStringLiteral("4.0");
    default: return QStringLiteral("5.0");
  }
}

QString OntwerpNoemer(const QString& bestandsnaam) {
  return bestandsnaam.isEmpty() ? QStringLiteral("het nieuwe ontwerp") : ZonderPad(bestandsnaam);
}

}  // namespace

Bestandsopdrachten::Bestandsopdrachten(Delen delen, Omgeving omgeving, QObject* parent)
    : QObject(parent), d_(delen), omgeving_(std::move(omgeving)) {
  const auto actie = [this](const char* naam, const QString& tekst, const QKeySequence& toets, auto doe) {
    auto* a = new QAction(tekst, this);
    a->setObjectName(QString::fromLatin1(naam));
    // The keys every editor has, wherever the focus is in the window.
    a->setShortcut(toets);
    connect(a, &QAction::triggered, this, [this, doe] { Opdracht(omgeving_.meldingen, [this, doe] { (this->*doe)(); }); });
    return a;
  };
  acties_.nieuw = actie("mnuNieuwEtiket", QStringLiteral("&Nieuw"), QKeySequence(Qt::CTRL | Qt::Key_N),
                        &Bestandsopdrachten::mnuNieuwEtiket_Click);
  acties_.openen = actie("mnuOpenen", QStringLiteral("&Openen ..."), QKeySequence(Qt::CTRL | Qt::Key_O),
                         &Bestandsopdrachten::mnuOpenen_Click);
  acties_.opslaan = actie("mnuOpslaan", QStringLiteral("O&pslaan "), QKeySequence(Qt::CTRL | Qt::Key_S),
                          &Bestandsopdrachten::mnuOpslaan_Click);
  acties_.opslaanAls = actie("mnuOpslaanAls", QStringLiteral("Ops&laan als ..."),
                             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &Bestandsopdrachten::mnuOpslaanAls_Click);

  herstel_ = std::make_unique<Herstelkopie>(omgeving_.herstelMap.isEmpty() ? Herstelkopie::StandaardMap()
                                                                           : omgeving_.herstelMap);
  herstelKlok_ = new QTimer(this);
  herstelKlok_->setSingleShot(true);
  herstelKlok_->setInterval(omgeving_.herstelMs);
  connect(herstelKlok_, &QTimer::timeout, this, &Bestandsopdrachten::BewaarHerstelkopie);
  connect(&d_.bewerker, &Bewerker::GeschiedenisVeranderd, this, &Bestandsopdrachten::VolgWijzigingen);
  // Undo or redo across "Kiezen" brings another design's name.
  connect(&d_.bewerker, &Bewerker::StapGezet, this, [this] { ZetBestandsnaam(d_.bewerker.ontwerp().Bestandsnaam); });
}

Bestandsopdrachten::~Bestandsopdrachten() = default;

void Bestandsopdrachten::PlaatsRecent(QMenu& menu, QAction* voor) {
  recent_ = std::make_unique<RecenteBestanden>(menu, voor, omgeving_.store, omgeving_.meldingen, [this](const QString& pad) {
    Opdracht(omgeving_.meldingen, [this, pad] { OpenRecent(pad); });
  });
}

void Bestandsopdrachten::Start() {
  gestart_ = true;
  BiedHerstelAan();
}

void Bestandsopdrachten::ZetBestandsnaam(const QString& fn) {
  d_.bewerker.ZetBestand(fn, d_.bewerker.ontwerp().BestType);
  d_.venster.setWindowTitle(VensterTitel(fn) + QStringLiteral("[*]"));
}

bool Bestandsopdrachten::WijzigingenBewaren() {
  if (!d_.bewerker.Gewijzigd()) return true;
  const QString vraag =
      QStringLiteral("Wijzigingen in ") + OntwerpNoemer(d_.bewerker.ontwerp().Bestandsnaam) + QStringLiteral(" bewaren?");
  switch (omgeving_.meldingen.show(platform::MessageService::Icon::Question, QStringLiteral("Vellora"), vraag,
                                  platform::MessageService::Buttons::YesNoCancel)) {
    case platform::MessageService::Answer::Yes: return mnuOpslaan_Click();
    // The recovery copy stays until the design is really replaced: the
    // command may still be cancelled after this.
    case platform::MessageService::Answer::No: return true;
    default: return false;
  }
}

void Bestandsopdrachten::VolgWijzigingen() {
  const bool gewijzigd = d_.bewerker.Gewijzigd();
  if (gewijzigd != d_.venster.isWindowModified()) d_.venster.setWindowModified(gewijzigd);
  if (!gewijzigd) {
    herstelKlok_->stop();
    herstel_->Wis();
  } else if (!herstelKlok_->isActive()) {
    // Typing only starts the clock; the copy is written when it runs out.
    herstelKlok_->start();
  }
}

void Bestandsopdrachten::BewaarHerstelkopie() {
  if (gestart_ && d_.bewerker.Gewijzigd()) herstel_->Schrijf(d_.bewerker.ontwerp(), d_.bewerker.Formaat().Naam);
}

void Bestandsopdrachten::BiedHerstelAan() {
  for (Herstelkopie::Achtergelaten& kopie : herstel_->Zoek()) {
    // Another editor started at the same time may be offering this one.
    if (!Herstelkopie::Houd(kopie)) continue;
    const QString vraag = QStringLiteral("Vellora is niet normaal afgesloten. Er is een herstelkopie van ") +
                          OntwerpNoemer(kopie.bestandsnaam) + QStringLiteral(" van ") +
                          kopie.tijd.toString(QStringLiteral("dd-MM-yyyy HH:mm")) +
                          QStringLiteral(".\nWilt u die herstellen?");
    if (omgeving_.meldingen.show(platform::MessageService::Icon::Question, QStringLiteral("Vellora"), vraag,
                                platform::MessageService::Buttons::YesNo) != platform::MessageService::Answer::Yes) {
      Herstelkopie::Verwijder(kopie);
      continue;
    }
    if (LeesEtiketIn(kopie.ontwerpPad)) {
      // Back as it was: under its own name and version, and still to be saved.
      d_.bewerker.ZetBestand(kopie.bestandsnaam, kopie.BestType);
      ZetBestandsnaam(kopie.bestandsnaam);
      d_.bewerker.ZetGewijzigd();
      // This run's copy takes over before the old one goes.
      BewaarHerstelkopie();
    }
    Herstelkopie::Verwijder(kopie);
    return;  // one design at a time; any other copy is offered next time
  }
}

void Bestandsopdrachten::NieuwOntwerp() {
  Wijziging wijziging(d_.bewerker);
  d_.bewerker.BeginAnderOntwerp();
  d_.plaatje.DeSelekteerAlles();
  wijziging.bewerking().VerwijderVoorwerpen();
  d_.plaatje.VerbergHandvaten();
  d_.tekst.LeesKenmerken();
  d_.bewerker.ZetBestand(QString(), 0);
  ZetBestandsnaam(QString());
  d_.tekst.ZetAutomatischSchikken(true);
  d_.afdruk.NieuwOntwerp();
}

void Bestandsopdrachten::cmdKiezen_Click() {
  if (!WijzigingenBewaren()) return;
  // The choice comes next: cancelling keeps the design as it is.
  qint16 gekozen = d_.bewerker.ontwerp().HuidigFormaat;
  for (;;) {
    if (formatenVeranderd_) formaatDialoog_.reset();
    formatenVeranderd_ = false;
    if (!formaatDialoog_)
      formaatDialoog_ =
          std::make_unique<Formaat>(d_.formaten, gekozen, &d_.venster, Formaat::Beheer{d_.eigenFormaten, d_.sjablonen,
                                                                     d_.voorraadUitleg ? d_.voorraadUitleg() : QString()});
    const bool gekozenOk = formaatDialoog_->Toon(gekozen);
    if (formaatDialoog_->Vernieuwen() || formatenVeranderd_) {
      // The table changed: the dialog is made anew on it, the current
      // format found again by the owner.
      formaatDialoog_.reset();
      gekozen = d_.bewerker.ontwerp().HuidigFormaat;
      continue;
    }
    if (!gekozenOk) return;
    break;
  }
  // A label of the same shape and size takes the design along, if the
  // user wants: only where the labels lie on the sheet differs.
  const EtiketFormaat& oud = d_.bewerker.Formaat();
  const EtiketFormaat& nieuw = d_.formaten.formaat(gekozen);
  const bool zelfdeEtiket = gekozen != d_.bewerker.ontwerp().HuidigFormaat && oud.Vorm == nieuw.Vorm &&
                            oud.Ovaal == nieuw.Ovaal && std::fabs(oud.Breedte - nieuw.Breedte) < 0.01f &&
                            (oud.Vorm == 1 && !oud.Ovaal ? true : std::fabs(oud.Hoogte - nieuw.Hoogte) < 0.01f);
  if (zelfdeEtiket && d_.bewerker.ontwerp().AantalVoorwerpen() > 0 &&
      omgeving_.meldingen.show(platform::MessageService::Icon::Question, QStringLiteral("Formaat"),
                               QStringLiteral("De etiketten van %1 zijn even groot als die van %2.\n"
                                              "Het ontwerp meenemen naar %1?")
                                   .arg(nieuw.Naam, oud.Naam),
                               platform::MessageService::Buttons::YesNo) == platform::MessageService::Answer::Yes) {
    Wijziging wijziging(d_.bewerker);
    wijziging.ontwerp().HuidigFormaat = gekozen;
    return;
  }
  // Another format starts a new design; undo brings the old one back.
  {
    Wijziging wijziging(d_.bewerker);
    NieuwOntwerp();
    wijziging.ontwerp().HuidigFormaat = gekozen;
  }
  d_.bewerker.ZetBewaard();
}

// The dialog may be the one that asked for the change: it is made anew
// when next shown, not destroyed under its own feet.
void Bestandsopdrachten::FormatenVeranderd() { formatenVeranderd_ = true; }

void Bestandsopdrachten::mnuNieuwEtiket_Click() {
  if (!WijzigingenBewaren()) return;
  NieuwOntwerp();
  d_.bewerker.WisGeschiedenis();
  d_.bewerker.ZetBewaard();
}

bool Bestandsopdrachten::LeesEtiketIn(const QString& fn) {
  // The whole file becomes a design before it takes the open one's place:
  // a file that cannot be read leaves the open design as it was.
  const LeesUitkomst uitkomst = LeesEtiket(fn, d_.formaten);
  if (const auto* fout = std::get_if<LeesFout>(&uitkomst)) {
    omgeving_.meldingen.show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"), fout->Melding());
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
    Wijziging wijziging(d_.bewerker);
    NieuwOntwerp();
    d_.tekst.ZetAutomatischSchikken(false);
    wijziging.bewerking().ZetOntwerp(std::move(nieuw));
    if (d_.bewerker.ontwerp().AantalVoorwerpen() > 0) {
      d_.plaatje.DeSelekteerAlles();
      d_.plaatje.SelecteerVoorwerp(1);
    }
  }
  d_.bewerker.WisGeschiedenis();
  d_.bewerker.ZetBewaard();
  return true;
}

void Bestandsopdrachten::mnuOpenen_Click() {
  if (!WijzigingenBewaren()) return;
  const QString pad = omgeving_.bestanden.openFile(&d_.venster, QStringLiteral("Openen"), d_.instellingen.FileFolder, kOpenFilters);
  if (pad.isEmpty()) return;
  OpenBestand(pad);
}

bool Bestandsopdrachten::OpenBestand(const QString& pad) {
  // A design that could not be read is not named after that file, so a
  // later Save cannot overwrite it; nor does its folder become the one the
  // next dialog starts in.
  if (!LeesEtiketIn(pad)) return false;
  ZetBestandsnaam(pad);
  d_.instellingen.FileFolder = MapVan(pad);
  recent_->Voeg(pad);
  // The list the design names comes with it; one that is gone is said.
  d_.afdruk.LeesOnthoudenLijst();
  return true;
}

void Bestandsopdrachten::OpenRecent(const QString& pad) {
  if (d_.afdruk.BezigMetAfdrukken()) return;
  if (!QFileInfo::exists(pad)) {
    recent_->Verwijder(pad);
    omgeving_.meldingen.show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"),
                            QStringLiteral("Het bestand bestaat niet meer:\n") + pad +
                                QStringLiteral("\n\nHet is uit de lijst van recente bestanden gehaald."));
    return;
  }
  if (!WijzigingenBewaren()) return;
  OpenBestand(pad);
}

void Bestandsopdrachten::OpenBijStart(const QString& pad) {
  // A restored recovery copy is asked about first, as Openen would.
  if (!WijzigingenBewaren()) return;
  OpenBestand(QFileInfo(pad).absoluteFilePath());
}

bool Bestandsopdrachten::BewaarEtiketAls(const QString& fn, qint16 bestType) {
  platform::BusyCursor muis;
  const BewaarResultaat r = BewaarEtiket(fn, bestType, d_.bewerker.ontwerp(), d_.bewerker.Formaat().Naam, omgeving_.bewaarWeg);
  if (!r.Gelukt()) {
    omgeving_.meldingen.show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"), r.Melding());
    return false;
  }
  if (r.TekstAangepast())
    omgeving_.meldingen.show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"), r.Waarschuwing());
  return true;
}

qint16 Bestandsopdrachten::KiesVersie(qint16 versie, const QString& titel) {
  // What only 5.0 keeps is asked about first; a No goes on to the questions
  // of the older version chosen.
  if (versie != kBestTypeVersie5 && GebruiktVersie5(d_.bewerker.ontwerp())) {
    switch (omgeving_.meldingen.show(platform::MessageService::Icon::Question, titel, kVijfVraag.arg(Versie5Inhoud(d_.bewerker.ontwerp()).join(QStringLiteral(" en ")), VersieNaam(versie)),
                                    platform::MessageService::Buttons::YesNoCancel)) {
      case platform::MessageService::Answer::Yes: return kBestTypeVersie5;
      case platform::MessageService::Answer::No: break;
      default: return 0;
    }
  }
  // Barcodes only version 4.0 keeps: asked first, as for round text below.
  if (versie != kBestTypeVersie4 && versie != kBestTypeVersie5 && OudeVersieVerliest(d_.bewerker.ontwerp(), versie) &&
      d_.bewerker.ontwerp().AantalStreepjescodes() > 0) {
    switch (omgeving_.meldingen.show(platform::MessageService::Icon::Question, titel,
                                    kCodeVraag.arg(VersieNaam(versie)),
                                    platform::MessageService::Buttons::YesNoCancel)) {
      case platform::MessageService::Answer::Yes: return kBestTypeVersie4;
      case platform::MessageService::Answer::No: break;
      default: return 0;
    }
  }
  if (versie != 1 || !VersieEenVerliest(d_.bewerker.ontwerp())) return versie;
  switch (omgeving_.meldingen.show(platform::MessageService::Icon::Question, titel, kVersieVraag,
                                  platform::MessageService::Buttons::YesNoCancel)) {
    case platform::MessageService::Answer::Yes: return 2;
    case platform::MessageService::Answer::No: return 1;
    default: return 0;
  }
}

bool Bestandsopdrachten::Bewaar(const QString& naam, qint16 versie, const QString& titel) {
  versie = KiesVersie(versie, titel);
  if (versie == 0 || !BewaarEtiketAls(naam, versie)) return false;
  d_.bewerker.ZetBestand(naam, versie);
  ZetBestandsnaam(naam);
  d_.bewerker.ZetBewaard();
  recent_->Voeg(naam);
  return true;
}

bool Bestandsopdrachten::mnuOpslaan_Click() {
  if (d_.bewerker.ontwerp().Bestandsnaam.isEmpty()) return mnuOpslaanAls_Click();
  return Bewaar(d_.bewerker.ontwerp().Bestandsnaam, BewaarVersie(d_.bewerker.ontwerp(), d_.bewerker.ontwerp().BestType), QStringLiteral("Opslaan"));
}

bool Bestandsopdrachten::mnuOpslaanAls_Click() {
  // A design is offered the version that keeps all of it.
  const Ontwerp& o = d_.bewerker.ontwerp();
  QString filter = GebruiktVersie5(o) ? kVersie5 : o.AantalStreepjescodes() > 0 ? kVersie4 : kVersie2;
  const QString gekozen = omgeving_.bestanden.saveFile(
      &d_.venster, QStringLiteral("Opslaan als"), d_.instellingen.FileFolder,
      QStringList{kVersie1, kVersie2, kVersie4, kVersie5}.join(QStringLiteral(";;")), &filter);
  if (gekozen.isEmpty()) return false;
  const QString naam = OntwerpNaam(gekozen);
  // The dialog saw the typed name; the name saved under may have grown an
  // extension, so the question comes here.
  if (QFileInfo::exists(naam) &&
      omgeving_.meldingen.show(platform::MessageService::Icon::Question, QStringLiteral("Opslaan als"),
                              ZonderPad(naam) + QStringLiteral(" bestaat al.\nWilt u het vervangen?"),
                              platform::MessageService::Buttons::YesNo) != platform::MessageService::Answer::Yes)
    return false;
  const qint16 versie = filter == kVersie1   ? 1
                       : filter == kVersie4 ? kBestTypeVersie4
                       : filter == kVersie5 ? kBestTypeVersie5
                                            : 2;
  if (!Bewaar(naam, versie, QStringLiteral("Opslaan als"))) return false;
  d_.instellingen.FileFolder = MapVan(gekozen);
  return true;
}

}  // namespace ui
