// The text frame and the text-line box: lines, their text and attributes,
// automatic arrangement and round texts.
#include "ui/TekstPaneel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "editor/Bewerker.h"
#include "editor/Wijziging.h"
#include "files/EtiketBestand.h"
#include "figures/Schikken.h"
#include "model/Getal.h"
#include "model/Kenmerken.h"
#include "platform/SettingsStore.h"
#include "platformwidgets/MessageService.h"
#include "platformwidgets/WidgetHelpers.h"
#include "ui/EtiketPlaatje.h"
#include "ui/InstellingenSchrijven.h"
#include "ui/Opdracht.h"
#include "ui/TekstlijnenDialoog.h"
#include "ui/frmRondeTekst.h"

namespace ui {

namespace {

// The size of a new line when the size box holds no usable number.
constexpr double kStandaardGrootte = 12;
const QString kDefaults = QStringLiteral("Defaults");

}  // namespace

TekstPaneel::TekstPaneel(Bewerker& bewerker, EtiketPlaatje& plaatje, platform::MessageService& meldingen,
                         platform::SettingsStore& instellingen, QWidget* parent)
    : QGroupBox(parent),
      bewerker_(bewerker),
      b_(bewerker.bewerking()),
      plaatje_(plaatje),
      meldingen_(meldingen),
      instellingen_(instellingen) {
  MaakActies();
  setObjectName(QStringLiteral("frmTekst"));
  setTitle(QStringLiteral("Tekst"));
  txtTekstlijn_ = platform::makeWidget<QLineEdit>(parent, QStringLiteral("txtTekstlijn"));

  auto* lijnen = new QHBoxLayout;
  lijnen->setSpacing(2);
  auto* lblLijnen = platform::makeWidget<QLabel>(this, QStringLiteral("lblLijnen"));
  lblLijnen->setText(QStringLiteral("Lijnen:"));
  lijnen->addWidget(lblLijnen);
  for (int i = 0; i < 5; ++i) {
    cmdLijnen_[size_t(i)] = platform::makeButton(this, QStringLiteral("cmdLijnen%1").arg(i), QString::number(i + 1), 28);
    lijnen->addWidget(cmdLijnen_[size_t(i)]);
  }
  lijnen->addStretch();
  cmbLettertype_ = platform::makeWidget<QComboBox>(this, QStringLiteral("cmbLettertype"));
  cmbLettertype_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  cmbLettertype_->setMinimumContentsLength(12);
  txtLettergrootte_ = platform::makeWidget<QLineEdit>(this, QStringLiteral("txtLettergrootte"));
  txtLettergrootte_->setFixedWidth(44);
  spinLettergrootte_ = platform::makeWidget<QScrollBar>(this, QStringLiteral("spinLettergrootte"));
  spinLettergrootte_->setOrientation(Qt::Vertical);
  spinLettergrootte_->setFixedSize(16, 26);
  // Kept at 500 between clicks: below means the upper arrow, above the lower.
  spinLettergrootte_->setRange(0, 1000);
  spinLettergrootte_->setSingleStep(1);
  spinLettergrootte_->setPageStep(1);
  spinLettergrootte_->setValue(500);
  // The arrow keys work it as its arrows do.
  spinLettergrootte_->setFocusPolicy(Qt::TabFocus);
  tmrLettergrootte_ = new QTimer(this);
  tmrLettergrootte_->setObjectName(QStringLiteral("tmrLettergrootte"));
  tmrLettergrootte_->setInterval(500);
  struct Stijl {
    const char* naam;
    const char* tekst;
    const char* tip;
    void (QFont::*zet)(bool);
  };
  const Stijl stijlen[3] = {{"cmdVet", "V", "Vet", &QFont::setBold},
                            {"cmdCursief", "C", "Cursief", &QFont::setItalic},
                            {"cmdOnderlijnd", "O", "Onderlijnd", &QFont::setUnderline}};
  auto* grootte = new QHBoxLayout;
  grootte->setSpacing(2);
  grootte->addWidget(txtLettergrootte_);
  grootte->addWidget(spinLettergrootte_);
  grootte->addSpacing(6);
  for (int i = 0; i < 3; ++i) {
    QPushButton* k = platform::makeButton(this, QString::fromLatin1(stijlen[i].naam), QString::fromLatin1(stijlen[i].tekst), 28);
    QFont f = k->font();
    (f.*stijlen[i].zet)(true);
    k->setFont(f);
    k->setToolTip(QString::fromLatin1(stijlen[i].tip));
    k->setCheckable(true);
    stijlKnoppen_[size_t(i)] = k;
    grootte->addWidget(k);
  }
  grootte->addStretch();
  const char* uitlijnTips[3] = {"Links", "Rechts", "Gecentreerd"};
  auto* uitlijnen = new QHBoxLayout;
  uitlijnen->setSpacing(2);
  for (int i = 0; i < 3; ++i) {
    QPushButton* k = platform::makeButton(this, QStringLiteral("cmdUitlijning%1").arg(i), QString(), 28);
    k->setIcon(platform::alignmentIcon(i));
    k->setToolTip(QString::fromLatin1(uitlijnTips[i]));
    k->setCheckable(true);
    cmdUitlijning_[size_t(i)] = k;
    uitlijnen->addWidget(k);
  }
  // One of the three is on, as with auto-exclusive buttons; but those leave
  // the two that are off out of the Tab order, and each must be reachable.
  for (QPushButton* k : cmdUitlijning_)
    connect(k, &QPushButton::toggled, this, [this, k](bool aan) {
      if (aan) {
        for (QPushButton* ander : cmdUitlijning_)
          if (ander != k) ander->setChecked(false);
      } else if (std::none_of(cmdUitlijning_.begin(), cmdUitlijning_.end(),
                              [](const QPushButton* b) { return b->isChecked(); })) {
        k->setChecked(true);
      }
    });
  uitlijnen->addSpacing(4);
  cmdCentreren_ = platform::makeButton(this, QStringLiteral("cmdCentreren"), QStringLiteral("Centreren"));
  cmdCentreren_->setToolTip(QStringLiteral("De selectie op het midden van het etiket zetten"));
  uitlijnen->addWidget(cmdCentreren_, 1);
  chkAutomatischVerdelen_ = platform::makeWidget<QCheckBox>(this, QStringLiteral("chkAutomatischVerdelen"));
  chkAutomatischVerdelen_->setText(QStringLiteral("Automatisch schikken"));
  // The program starts on a new design, which arranges its lines itself.
  chkAutomatischVerdelen_->setChecked(true);
  cmdRondeTekstToevoegen_ = platform::makeButton(this, QStringLiteral("cmdRondeTekstToevoegen"), QStringLiteral("Ronde tekst"));
  cmdRondeTekstToevoegen_->setToolTip(QStringLiteral("Ronde tekst toevoegen"));
  cmdTekstConverteren_ = platform::makeButton(this, QStringLiteral("cmdTekstConverteren"), QStringLiteral("Omzetten"));
  cmdTekstConverteren_->setToolTip(QStringLiteral("Tekst omzetten naar ronde of rechte tekst"));
  auto* rond = new QHBoxLayout;
  rond->addWidget(cmdRondeTekstToevoegen_);
  rond->addWidget(cmdTekstConverteren_);
  auto* tekst = new QVBoxLayout(this);
  tekst->setSpacing(6);
  tekst->addLayout(lijnen);
  tekst->addWidget(cmbLettertype_);
  tekst->addLayout(grootte);
  tekst->addLayout(uitlijnen);
  tekst->addWidget(chkAutomatischVerdelen_);
  tekst->addLayout(rond);

  for (int i = 0; i < 5; ++i)
    connect(cmdLijnen_[size_t(i)], &QPushButton::clicked, this,
            [this, i] { Opdracht(meldingen_, [this, i] { LijnenToevoegen(qint16(i + 1)); }); });
  connect(txtTekstlijn_, &QLineEdit::textChanged, this,
          [this] { Opdracht(meldingen_, [this] { txtTekstlijn_Change(); }); });
  connect(txtTekstlijn_, &QLineEdit::returnPressed, this,
          [this] { Opdracht(meldingen_, [this] { txtTekstlijn_Enter(); }); });
  // The user's choice, also of the font already shown: it then goes to every
  // selected line.
  connect(cmbLettertype_, &QComboBox::activated, this,
          [this] { Opdracht(meldingen_, [this] { cmbLettertype_Click(); }); });
  connect(txtLettergrootte_, &QLineEdit::textChanged, this, &TekstPaneel::txtLettergrootte_Change);
  connect(txtLettergrootte_, &QLineEdit::returnPressed, this, &TekstPaneel::PasGetypteGrootteToe);
  connect(tmrLettergrootte_, &QTimer::timeout, this,
          [this] { Opdracht(meldingen_, [this] { tmrLettergrootte_Timer(); }); });
  connect(spinLettergrootte_, &QScrollBar::valueChanged, this,
          [this] { Opdracht(meldingen_, [this] { spinLettergrootte_Change(); }); });
  for (int i = 0; i < 3; ++i) {
    connect(stijlKnoppen_[size_t(i)], &QPushButton::toggled, this,
            [this, i] { Opdracht(meldingen_, [this, i] { StijlKnop_Click(i); }); });
    connect(cmdUitlijning_[size_t(i)], &QPushButton::clicked, this,
            [this, i] { Opdracht(meldingen_, [this, i] { cmdUitlijning_Click(i); }); });
  }
  connect(cmdCentreren_, &QPushButton::clicked, this,
          [this] { Opdracht(meldingen_, [this] { plaatje_.Centreren(); }); });
  connect(chkAutomatischVerdelen_, &QCheckBox::clicked, this, [this](bool aan) {
    if (aan) Opdracht(meldingen_, [this] { AutomatischVerdelen(); });
  });
  connect(cmdRondeTekstToevoegen_, &QPushButton::clicked, this,
          [this] { Opdracht(meldingen_, [this] { mnuRondeTekstToevoegen_Click(); }); });
  connect(cmdTekstConverteren_, &QPushButton::clicked, this,
          [this] { Opdracht(meldingen_, [this] { cmdTekstConverteren_Click(); }); });

  // The picture tells which line is edited and when the selection was stretched.
  connect(&plaatje_, &EtiketPlaatje::LijnGekozen, this, [this](int index) {
    txtTekstlijn_->setEnabled(true);
    txtTekstlijn_->setText(bewerker_.ontwerp().voorwerp(index).tekst().Tekst);
    txtTekstlijn_->selectAll();
    // The picture keeps the keyboard for its own keys; what is typed there
    // comes here (see Getypt).
    if (!plaatje_.hasFocus()) txtTekstlijn_->setFocus();
    ToonKenmerken(index);
  });
  connect(&plaatje_, &EtiketPlaatje::Getypt, this, [this](QKeyEvent* toets) {
    if (!txtTekstlijn_->isEnabled()) return;
    txtTekstlijn_->setFocus(Qt::OtherFocusReason);
    QKeyEvent kopie(toets->type(), toets->key(), toets->modifiers(), toets->text(), toets->isAutoRepeat());
    QCoreApplication::sendEvent(txtTekstlijn_, &kopie);
  });
  connect(&plaatje_, &EtiketPlaatje::Gerekt, this, [this] {
    chkAutomatischVerdelen_->setChecked(false);
    ToonKenmerken(b_.HuidigeLijn());
  });
  connect(&plaatje_, &EtiketPlaatje::DubbelKlik, this, [this] {
    // A double click on a lone round text edits it.
    const int i = b_.GeselecteerdVoorwerp();
    if (b_.AantalGeselecteerd() == 1 && bewerker_.ontwerp().voorwerp(i).Soort() == SoortVoorwerp::RondeTekst)
      Opdracht(meldingen_, [this] { mnuRondeTekstWijzigen_Click(); });
  });
  // After undo or redo the box and the controls show the line then current.
  connect(&bewerker_, &Bewerker::StapGezet, this, [this] {
    Bewerker::BezigBlok bezig(bewerker_);
    ToonHuidigeLijn();
    ToonKenmerken(b_.HuidigeLijn());
  });
  // So does the box after any change or other selection.
  connect(&bewerker_, &Bewerker::GeschiedenisVeranderd, this, &TekstPaneel::ToonHuidigeLijn);
  connect(&plaatje_, &EtiketPlaatje::SelectieVeranderd, this, &TekstPaneel::ToonHuidigeLijn);
  ToonHuidigeLijn();
  // Entering the size box selects all of it.
  txtLettergrootte_->installEventFilter(this);
  txtTekstlijn_->installEventFilter(this);
}

TekstPaneel::~TekstPaneel() = default;

bool TekstPaneel::eventFilter(QObject* o, QEvent* e) {
  if (o == txtLettergrootte_ && e->type() == QEvent::FocusIn)
    QTimer::singleShot(0, txtLettergrootte_, &QLineEdit::selectAll);
  // Leaving the box applies what was typed, before a click elsewhere
  // chooses other lines. Another window taking the keyboard is no leaving:
  // the focus comes back here.
  if (o == txtLettergrootte_ && e->type() == QEvent::FocusOut &&
      static_cast<QFocusEvent*>(e)->reason() != Qt::ActiveWindowFocusReason)
    PasGetypteGrootteToe();
  // Opening a menu from the keyboard gives the menu bar the focus, and the
  // box drops its selection then: it is kept here for cut and copy, and
  // shown again when the focus comes back.
  if (o == txtTekstlijn_ && (e->type() == QEvent::FocusOut || e->type() == QEvent::FocusIn)) {
    const Qt::FocusReason reden = static_cast<QFocusEvent*>(e)->reason();
    if (e->type() == QEvent::FocusOut && reden == Qt::MenuBarFocusReason && txtTekstlijn_->hasSelectedText())
      menuSelectie_ =
          Selectie{int(txtTekstlijn_->selectionStart()), int(txtTekstlijn_->selectionLength()), txtTekstlijn_->text()};
    else if (e->type() == QEvent::FocusIn)
      HerstelMenuSelectie();  // the menu closes, and the focus comes back, before its command runs
  }
  return QGroupBox::eventFilter(o, e);
}

const TekstPaneel::Selectie* TekstPaneel::MenuSelectie() const {
  return menuSelectie_ && menuSelectie_->tekst == txtTekstlijn_->text() ? &*menuSelectie_ : nullptr;
}

void TekstPaneel::HerstelMenuSelectie() {
  if (const Selectie* s = MenuSelectie()) txtTekstlijn_->setSelection(s->begin, s->lengte);
  menuSelectie_.reset();
}

QString TekstPaneel::TekstvakSelectie() {
  if (txtTekstlijn_->hasSelectedText()) return txtTekstlijn_->selectedText();
  if (const Selectie* s = MenuSelectie()) return s->tekst.mid(s->begin, s->lengte);
  return {};
}

void TekstPaneel::KnipTekstvakSelectie() {
  if (!txtTekstlijn_->hasSelectedText()) HerstelMenuSelectie();
  menuSelectie_.reset();
  if (txtTekstlijn_->hasSelectedText()) txtTekstlijn_->insert(QString());
}

void TekstPaneel::MaakActies() {
  const auto actie = [this](const QString& naam, const QString& tekst, auto doe) {
    auto* a = new QAction(tekst, this);
    a->setObjectName(naam);
    connect(a, &QAction::triggered, this, [this, doe] { Opdracht(meldingen_, doe); });
    return a;
  };
  for (int i = 1; i <= 5; ++i)
    acties_.lijnen[size_t(i - 1)] =
        actie(QStringLiteral("mnuTekstLijnen%1").arg(i),
              i == 1 ? QStringLiteral("&1 Lijn") : QStringLiteral("&%1 Lijnen").arg(i),
              [this, i] { LijnenToevoegen(qint16(i)); });
  acties_.meerLijnen = actie(QStringLiteral("mnuMeerLijnen"), QStringLiteral("&Meer lijnen"),
                             [this] { mnuMeerLijnen_Click(); });
  const char* stijlNamen[3] = {"mnuVet", "mnuCursief", "mnuOnderlijnd"};
  const QString stijlTeksten[3] = {QStringLiteral("&Vet"), QStringLiteral("&Cursief"), QStringLiteral("&Onderlijnd")};
  for (int i = 0; i < 3; ++i) {
    acties_.stijl[size_t(i)] =
        actie(QString::fromLatin1(stijlNamen[i]), stijlTeksten[i], [this, i] { StijlMenu_Click(i); });
    acties_.stijl[size_t(i)]->setCheckable(true);
  }
  acties_.rondeTekstToevoegen = actie(QStringLiteral("mnuRondeTekstToevoegen"),
                                      QStringLiteral("&Ronde tekst toevoegen ..."),
                                      [this] { mnuRondeTekstToevoegen_Click(); });
  // These two follow the selection; they start disabled.
  acties_.rondeTekstWijzigen = actie(QStringLiteral("mnuRondeTekstWijzigen"),
                                     QStringLiteral("Ronde tekst &wijzigen ..."),
                                     [this] { mnuRondeTekstWijzigen_Click(); });
  acties_.rondeTekstWijzigen->setEnabled(false);
  acties_.tekstOmzetten = actie(QStringLiteral("mnuTekstOmzetten"), QStringLiteral("Om&zetten naar ronde tekst ..."),
                                [this] { mnuTekstOmzetten_Click(); });
  acties_.tekstOmzetten->setEnabled(false);
  acties_.standaardVastleggen = new QAction(QStringLiteral("&Standaard vastleggen"), this);
  acties_.standaardVastleggen->setObjectName(QStringLiteral("mnuStandaardVastleggen"));
  connect(acties_.standaardVastleggen, &QAction::triggered, this, &TekstPaneel::BewaarKenmerken);
  connect(&plaatje_, &EtiketPlaatje::SelectieVeranderd, this, &TekstPaneel::ZetMenusVoorSelectie);
  connect(&bewerker_, &Bewerker::StapGezet, this, &TekstPaneel::ZetMenusVoorSelectie);
  acties_.passend = actie(QStringLiteral("mnuTekstPassend"), QString(), [this] { mnuPassend_Click(); });
  acties_.passend->setCheckable(true);
  acties_.kleinsteGrootte = actie(QStringLiteral("mnuKleinsteGrootte"), QStringLiteral("&Kleinste grootte ..."),
                                  [this] { mnuKleinsteGrootte_Click(); });
  connect(&bewerker_, &Bewerker::StapGezet, this, &TekstPaneel::ToonPassend);
  ToonPassend();
}

void TekstPaneel::ToonPassend() {
  const int lijn = b_.HuidigeLijn();
  const TekstlijnDeel* deel =
      lijn >= 1 && lijn <= b_.ontwerp().AantalVoorwerpen() ? b_.ontwerp().voorwerp(lijn).alsTekstlijn() : nullptr;
  const Passend p = deel ? deel->passend : Passend{};
  // The smallest size shows in the entry itself.
  acties_.passend->setText(QStringLiteral("&Passend in vak (ten minste %1 pt)").arg(p.Minimum));
  acties_.passend->setChecked(p.Aan);
  acties_.passend->setEnabled(deel != nullptr);
  acties_.kleinsteGrootte->setEnabled(deel != nullptr);
}

void TekstPaneel::mnuPassend_Click() {
  const int lijn = b_.HuidigeLijn();
  if (lijn < 1 || !b_.ontwerp().voorwerp(lijn).alsTekstlijn()) return;
  {
    Wijziging wijziging(bewerker_);
    Passend& p = wijziging.ontwerp().voorwerp(lijn).alsTekstlijn()->passend;
    p.Aan = !p.Aan;
  }
  ToonPassend();
}

void TekstPaneel::mnuKleinsteGrootte_Click() {
  const int lijn = b_.HuidigeLijn();
  if (lijn < 1 || !b_.ontwerp().voorwerp(lijn).alsTekstlijn()) return;
  const Passend nu = b_.ontwerp().voorwerp(lijn).alsTekstlijn()->passend;
  bool ok = false;
  const int minimum = QInputDialog::getInt(window(), QStringLiteral("Kleinste grootte"),
                                           QStringLiteral("De tekst wordt niet kleiner dan (punten):"), nu.Minimum,
                                           kKleinstePassend, kGrootstePassendMinimum, 1, &ok);
  if (ok && minimum != nu.Minimum) {
    Wijziging wijziging(bewerker_);
    wijziging.ontwerp().voorwerp(lijn).alsTekstlijn()->passend.Minimum = qint16(minimum);
  }
  ToonPassend();
}

void TekstPaneel::ZetMenusVoorSelectie() {
  const bool een = b_.AantalGeselecteerd() == 1;
  const std::optional<SoortVoorwerp> soort =
      een ? std::optional(b_.ontwerp().voorwerp(b_.GeselecteerdVoorwerp()).Soort()) : std::nullopt;
  acties_.rondeTekstWijzigen->setEnabled(soort == SoortVoorwerp::RondeTekst);
  acties_.tekstOmzetten->setEnabled(soort == SoortVoorwerp::Tekstlijn || soort == SoortVoorwerp::RondeTekst);
  if (een)
    acties_.tekstOmzetten->setText(soort == SoortVoorwerp::RondeTekst ? QStringLiteral("Om&zetten naar rechte tekst")
                                                                      : QStringLiteral("Om&zetten naar ronde tekst"));
}

bool TekstPaneel::AutomatischSchikken() const { return chkAutomatischVerdelen_->isChecked(); }
void TekstPaneel::ZetAutomatischSchikken(bool aan) { chkAutomatischVerdelen_->setChecked(aan); }

void TekstPaneel::AutomatischVerdelen() {
  Wijziging wijziging(bewerker_);
  Ontwerp& o = wijziging.ontwerp();
  figures::AutomatischVerdelen(o, bewerker_.Formaat(), o.Figuurplaats);
}

void TekstPaneel::LeesLettertypes(const QStringList& families) {
  cmbLettertype_->clear();
  cmbLettertype_->addItems(families);
}

void TekstPaneel::LijnenToevoegen(qint16 nieuwAantal) {
  if (nieuwAantal < 0) nieuwAantal = 0;
  if (nieuwAantal == bewerker_.ontwerp().AantalLijnen()) return;
  Wijziging wijziging(bewerker_);
  Ontwerp& o = wijziging.ontwerp();
  if (o.AantalLijnen() < nieuwAantal) {
    const int eerste = o.AantalVoorwerpen() + 1;
    const double grootte = LeesGetal(txtLettergrootte_->text());
    int uitlijning = 0;
    for (int k = 0; k < 3; ++k)
      if (cmdUitlijning_[size_t(k)]->isChecked()) uitlijning = k;
    for (int n = o.AantalLijnen() + 1; n <= nieuwAantal; ++n) {
      const int i = wijziging.bewerking().NieuwVoorwerp(SoortVoorwerp::Tekstlijn);
      o.voorwerp(i).tekst().Tekst = QStringLiteral("Lijn %1").arg(n);
      ZetLettertype(o, i, cmbLettertype_->currentText());
      ZetLettergrootte(o, i, grootte > 0 ? grootte : kStandaardGrootte);
      for (int s = 0; s < 3; ++s) ZetStijl(o, s, i, stijlKnoppen_[size_t(s)]->isChecked());
      ZetUitlijning(o, i, qint16(uitlijning));
      // On the label, not where the picture's corner happens to be.
      PlaatsNieuweLijn(o, bewerker_.Formaat(), i);
    }
    if (AutomatischSchikken()) AutomatischVerdelen();
    plaatje_.DeSelekteerAlles();
    plaatje_.SelecteerVoorwerp(eerste);
  } else {
    // The lines at the end of the table go first.
    for (int i = o.AantalVoorwerpen(); i >= 1 && o.AantalLijnen() > nieuwAantal; --i)
      if (o.voorwerp(i).Soort() == SoortVoorwerp::Tekstlijn) wijziging.bewerking().VerwijderVoorwerp(i);
    if (AutomatischSchikken()) AutomatischVerdelen();
    plaatje_.DeSelekteerAlles();
    if (o.AantalLijnen() > 0 || o.AantalFiguren() > 0)
      plaatje_.SelecteerVoorwerp(1);
    else
      plaatje_.VerbergHandvaten();
  }
}

void TekstPaneel::mnuMeerLijnen_Click() {
  if (!tekstlijnen_) tekstlijnen_ = std::make_unique<TekstlijnenDialoog>(window());
  const QString tekst = tekstlijnen_->Vraag(bewerker_.ontwerp().AantalLijnen());
  bool getal = false;
  const double waarde = std::nearbyint(LeesGetal(tekst, &getal));
  // An emptied box means no lines; words without a number mean nothing.
  if (!getal && !tekst.trimmed().isEmpty()) {
    meldingen_.show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"),
                    QStringLiteral("Geef het aantal lijnen als een getal."));
    return;
  }
  if (waarde > 32767 || waarde < -32768) throw OverloopFout("Overloop: zoveel lijnen kan een ontwerp niet bevatten.");
  LijnenToevoegen(qint16(waarde));
}

void TekstPaneel::ToonHuidigeLijn() {
  const Ontwerp& o = bewerker_.ontwerp();
  const int lijn = b_.HuidigeLijn();
  const bool er = lijn >= 1 && lijn <= o.AantalVoorwerpen() && o.voorwerp(lijn).Soort() == SoortVoorwerp::Tekstlijn;
  const QString tekst = er ? o.voorwerp(lijn).tekst().Tekst : QString();
  // While typing the box already holds the line's text: nothing to do.
  if (txtTekstlijn_->text() != tekst) txtTekstlijn_->setText(tekst);
  txtTekstlijn_->setEnabled(er);
}

void TekstPaneel::txtTekstlijn_Change() {
  const int h = b_.HuidigeLijn();
  if (h == 0) return;
  const Voorwerp& lijn = b_.ontwerp().voorwerp(h);
  if (txtTekstlijn_->text() == lijn.tekst().Tekst) return;
  // Typing in one line is one step for undo.
  Wijziging wijziging(bewerker_, QString::number(lijn.Id()));
  wijziging.ontwerp().voorwerp(h).tekst().Tekst = txtTekstlijn_->text();
}

void TekstPaneel::txtTekstlijn_Enter() {
  const Ontwerp& o = bewerker_.ontwerp();
  const int h = b_.HuidigeLijn();
  if (h >= o.AantalVoorwerpen()) return;
  for (int i = h + 1; i <= o.AantalVoorwerpen(); ++i) {
    if (o.voorwerp(i).Soort() == SoortVoorwerp::Tekstlijn) {
      Wijziging wijziging(bewerker_);
      plaatje_.DeSelekteerAlles();
      plaatje_.SelecteerVoorwerp(i);
      return;
    }
  }
}

template <typename F>
void TekstPaneel::VoorGeselecteerdeLijnen(F&& f) {
  const Ontwerp& o = bewerker_.ontwerp();
  for (int i = 1; i <= o.AantalVoorwerpen(); ++i)
    if (o.voorwerp(i).Soort() == SoortVoorwerp::Tekstlijn && b_.Geselecteerd(i)) f(i);
}

void TekstPaneel::cmbLettertype_Click() {
  if (b_.Bezig()) return;
  Wijziging wijziging(bewerker_);
  VoorGeselecteerdeLijnen([&](int i) { ZetLettertype(wijziging.ontwerp(), i, cmbLettertype_->currentText()); });
  if (AutomatischSchikken()) AutomatischVerdelen();
}

void TekstPaneel::txtLettergrootte_Change() {
  if (b_.Bezig()) return;
  // The size is applied half a second after the last keystroke.
  tmrLettergrootte_->stop();
  tmrLettergrootte_->setInterval(500);
  tmrLettergrootte_->start();
}

void TekstPaneel::PasGetypteGrootteToe() {
  if (tmrLettergrootte_->isActive()) Opdracht(meldingen_, [this] { tmrLettergrootte_Timer(); });
}

void TekstPaneel::tmrLettergrootte_Timer() {
  // One try per edit: a size that cannot be applied is reported once, not
  // every half second.
  tmrLettergrootte_->stop();
  const double grootte = LeesGetal(txtLettergrootte_->text());
  // No size (or a negative one, which would turn the box inside out):
  // nothing happens until the next edit.
  if (grootte <= 0) return;
  Wijziging wijziging(bewerker_);
  VoorGeselecteerdeLijnen([&](int i) { ZetLettergrootte(wijziging.ontwerp(), i, grootte); });
  if (AutomatischSchikken()) AutomatischVerdelen();
}

void TekstPaneel::spinLettergrootte_Change() {
  if (b_.Bezig()) return;
  const int stand = spinLettergrootte_->value();
  {
    Bewerker::BezigBlok bezig(bewerker_);
    bool getal = false;
    const double grootte = LeesGetal(txtLettergrootte_->text(), &getal);
    // Without a number in the box the arrows have nothing to count from.
    if (getal && stand < 500)
      txtLettergrootte_->setText(QString::number(grootte + 1));
    else if (getal && stand > 500 && grootte > 4)
      txtLettergrootte_->setText(QString::number(grootte - 1));
    spinLettergrootte_->setValue(500);
  }
  tmrLettergrootte_Timer();
}

void TekstPaneel::ZetStijl(Ontwerp& o, int welke, int index, bool waarde) {
  using Zetter = bool (*)(Ontwerp&, int, bool);
  static constexpr Zetter zetters[3] = {&model::ZetVet, &model::ZetCursief, &model::ZetOnderlijnd};
  if (!zetters[welke](o, index, waarde)) return;
  Bewerker::BezigBlok bezig(bewerker_);
  acties_.stijl[size_t(welke)]->setChecked(waarde);
  stijlKnoppen_[size_t(welke)]->setChecked(waarde);
}

void TekstPaneel::StijlKnop_Click(int welke) {
  if (b_.Bezig()) return;
  Wijziging wijziging(bewerker_);
  const bool waarde = stijlKnoppen_[size_t(welke)]->isChecked();
  VoorGeselecteerdeLijnen([&](int i) { ZetStijl(wijziging.ontwerp(), welke, i, waarde); });
}

void TekstPaneel::StijlMenu_Click(int welke) {
  if (b_.Bezig()) return;
  // The entry has already changed its check mark; every selected line and
  // the button follow it.
  Wijziging wijziging(bewerker_);
  const bool waarde = acties_.stijl[size_t(welke)]->isChecked();
  {
    Bewerker::BezigBlok bezig(bewerker_);
    stijlKnoppen_[size_t(welke)]->setChecked(waarde);
  }
  VoorGeselecteerdeLijnen([&](int i) { ZetStijl(wijziging.ontwerp(), welke, i, waarde); });
}

void TekstPaneel::cmdUitlijning_Click(int index) {
  if (b_.Bezig()) return;
  Wijziging wijziging(bewerker_);
  VoorGeselecteerdeLijnen([&](int i) { ZetUitlijning(wijziging.ontwerp(), i, qint16(index)); });
}

void TekstPaneel::LeesKenmerken() {
  const platform::SettingsStore& s = instellingen_;
  Bewerker::BezigBlok bezig(bewerker_);
  // A value a control cannot take is skipped; the control keeps its state.
  // Without a stored font: a plain sans font where the system has one. The
  // alphabetically first family is often a symbol or math font, whose tall
  // metrics make text of a given size look tiny.
  QString eersteLettertype = cmbLettertype_->count() > 0 ? cmbLettertype_->itemText(0) : QString();
  for (const char* voorkeur : {"DejaVu Sans", "Liberation Sans"}) {
    if (cmbLettertype_->findText(QString::fromLatin1(voorkeur)) >= 0) {
      eersteLettertype = QString::fromLatin1(voorkeur);
      break;
    }
  }
  const int lettertype = cmbLettertype_->findText(s.read(kDefaults, QStringLiteral("Fontname"), eersteLettertype));
  if (lettertype >= 0) cmbLettertype_->setCurrentIndex(lettertype);
  txtLettergrootte_->setText(s.read(kDefaults, QStringLiteral("Fontsize"), QStringLiteral("12")));
  const char* sleutels[3] = {"FontBold", "FontItalic", "FontUnderline"};
  for (int i = 0; i < 3; ++i) {
    bool getal = false;
    const double w = LeesGetal(s.read(kDefaults, QString::fromLatin1(sleutels[i]), QStringLiteral("0")), &getal);
    if (!getal || (w != 0 && w != 1)) continue;
    stijlKnoppen_[size_t(i)]->setChecked(w == 1);
    acties_.stijl[size_t(i)]->setChecked(w == 1);
  }
  bool getal = false;
  const double u =
      LeesGetal(s.read(QStringLiteral("defaults"), QStringLiteral("Alignment"), QStringLiteral("2")), &getal);
  if (getal && (u == 0 || u == 1 || u == 2)) cmdUitlijning_[size_t(u)]->setChecked(true);
}

void TekstPaneel::BewaarKenmerken() {
  platform::SettingsStore& s = instellingen_;
  s.write(kDefaults, QStringLiteral("Fontname"), cmbLettertype_->currentText());
  s.write(kDefaults, QStringLiteral("Fontsize"), txtLettergrootte_->text());
  const char* sleutels[3] = {"FontBold", "FontItalic", "FontUnderline"};
  for (int i = 0; i < 3; ++i)
    s.write(kDefaults, QString::fromLatin1(sleutels[i]),
            stijlKnoppen_[size_t(i)]->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
  for (int i = 0; i < 3; ++i)
    if (cmdUitlijning_[size_t(i)]->isChecked())
      s.write(QStringLiteral("defaults"), QStringLiteral("Alignment"), QString::number(i));
  SchrijfInstellingen(s, meldingen_);
}

void TekstPaneel::ToonKenmerken(int lijn) {
  if (lijn == 0 || bewerker_.ontwerp().AantalLijnen() == 0) return;
  const Voorwerp& v = bewerker_.ontwerp().voorwerp(lijn);
  Bewerker::BezigBlok bezig(bewerker_);
  // The box now shows this line's size: a size typed before is no longer
  // there to apply, and must not reach the lines selected now.
  tmrLettergrootte_->stop();
  int lettertype = cmbLettertype_->findText(v.tekst().Lettertype);
  // A font this system lacks is still shown as the line's own.
  if (lettertype < 0 && !v.tekst().Lettertype.isEmpty()) {
    cmbLettertype_->addItem(v.tekst().Lettertype);
    lettertype = cmbLettertype_->count() - 1;
  }
  if (lettertype >= 0) cmbLettertype_->setCurrentIndex(lettertype);
  txtLettergrootte_->setText(QString::number(v.tekst().Lettergrootte));
  const bool stijl[3] = {bool(v.tekst().Vet), bool(v.tekst().Cursief), bool(v.tekst().Onderlijnd)};
  for (int i = 0; i < 3; ++i) {
    stijlKnoppen_[size_t(i)]->setChecked(stijl[i]);
    acties_.stijl[size_t(i)]->setChecked(stijl[i]);
  }
  if (v.tekst().Uitlijning >= 0 && v.tekst().Uitlijning <= 2)
    cmdUitlijning_[size_t(v.tekst().Uitlijning)]->setChecked(true);
  if (acties_.passend) ToonPassend();
}

frmRondeTekst& TekstPaneel::RondeTekstDialoog() {
  if (!rondeTekst_) rondeTekst_ = std::make_unique<frmRondeTekst>(meldingen_, window());
  return *rondeTekst_;
}

void TekstPaneel::mnuRondeTekstToevoegen_Click() {
  platform::BusyCursor muis;
  int uitlijning = 0;
  for (int k = 0; k < 3; ++k)
    if (cmdUitlijning_[size_t(k)]->isChecked()) uitlijning = k;
  const double grootte = std::nearbyint(LeesGetal(txtLettergrootte_->text()));
  frmRondeTekst& dialoog = RondeTekstDialoog();
  dialoog.Vul(NieuweRondeTekst(bewerker_.Formaat(), cmbLettertype_->currentText(),
                               qint16(grootte > 0 && grootte < 32768 ? grootte : 12), stijlKnoppen_[0]->isChecked(),
                               stijlKnoppen_[1]->isChecked(), qint16(uitlijning)));
  if (!dialoog.Toon()) return;
  Wijziging wijziging(bewerker_);
  const int i = VoegRondeTekstToe(wijziging.ontwerp(), bewerker_.Formaat(), dialoog.Gegevens());
  plaatje_.DeSelekteerAlles();
  plaatje_.SelecteerVoorwerp(i);
}

bool TekstPaneel::WijzigRondeTekst(int index) {
  frmRondeTekst& dialoog = RondeTekstDialoog();
  dialoog.Vul(GegevensVan(bewerker_.ontwerp().voorwerp(index)));
  bool ok = false;
  {
    platform::BusyCursor muis;
    ok = dialoog.Toon();
  }
  if (!ok) return false;
  Wijziging wijziging(bewerker_);
  platform::BusyCursor muis;
  roundtext::WijzigRondeTekst(wijziging.ontwerp(), index, bewerker_.Formaat(), dialoog.Gegevens());
  return true;
}

void TekstPaneel::mnuRondeTekstWijzigen_Click() {
  const int i = b_.GeselecteerdVoorwerp();
  if (i == 0) {
    meldingen_.beep();
    return;
  }
  WijzigRondeTekst(i);
}

void TekstPaneel::mnuTekstOmzetten_Click() {
  const int i = b_.GeselecteerdVoorwerp();
  if (i == 0) {
    meldingen_.beep();
    return;
  }
  const SoortVoorwerp soort = bewerker_.ontwerp().voorwerp(i).Soort();
  Wijziging wijziging(bewerker_);
  if (soort == SoortVoorwerp::Tekstlijn) {
    BeginOmzettingNaarRond(wijziging.ontwerp(), i, bewerker_.Formaat());
    const bool ok = WijzigRondeTekst(i);
    EindOmzettingNaarRond(wijziging.ontwerp(), i, ok);
    // A round text is not edited in the line box.
    if (ok && b_.HuidigeLijn() == i) bewerker_.ZetHuidigeLijn(0);
    plaatje_.SelecteerVoorwerp(i);
  } else if (soort == SoortVoorwerp::RondeTekst) {
    Ontwerp& o = wijziging.ontwerp();
    ZetOmNaarRecht(o, i);
    ZetLettergrootte(o, i, o.voorwerp(i).tekst().Lettergrootte);
    plaatje_.SelecteerVoorwerp(i);
  }
}

void TekstPaneel::cmdTekstConverteren_Click() {
  const int i = b_.GeselecteerdVoorwerp();
  if (b_.AantalGeselecteerd() == 1 && bewerker_.ontwerp().voorwerp(i).Soort() != SoortVoorwerp::Figuur) {
    mnuTekstOmzetten_Click();
    return;
  }
  meldingen_.show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"),
                  QStringLiteral("Omzetten van tekst werkt alleen\nals er één tekstelement geselecteerd is."),
                  platform::MessageService::Buttons::OkCancel);
}

}  // namespace ui
