// Printing from the main window: the copies box and start button, economy
// mode, the numbering dialog, the printer and offset dialogs, the preview.
#include "ui/AfdrukPaneel.h"

#include <QAction>
#include <QBuffer>
#include <QDateTime>
#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTimer>
#include <cmath>

#include "editor/Bewerker.h"
#include "model/Getal.h"
#include "platform/ProcessStarter.h"
#include "platform/SettingsStore.h"
#include "platformwidgets/FileDialogs.h"
#include "platformwidgets/MessageService.h"
#include "platformwidgets/WidgetHelpers.h"
#include "printing/CsvLijst.h"
#include "printing/Job.h"
#include "printing/Printermodel.h"
#include "ui/AchtergrondJob.h"
#include "ui/AfdrukVoorbeeld.h"
#include "ui/AfdrukVoortgang.h"
#include "ui/NummeringDialoog.h"
#include "ui/Opdracht.h"
#include "ui/Pictogrammen.h"
#include "ui/PrinterDialoog.h"
#include "ui/VerschuivingDialoog.h"

namespace ui {

namespace {
// A preview draws no more than this: enough to see a job's pattern, little
// enough to stay quick on any job.
constexpr int kVoorbeeldVellen = 50;
// The rows whose barcodes the frame checks before printing: a moment's work.
constexpr qint64 kNagekekenRijen = 20000;
}  // namespace

AfdrukPaneel::AfdrukPaneel(Bewerker& bewerker, Instellingen& instellingen, QLineEdit& tekstlijn, Omgeving omgeving,
                           QWidget* parent)
    : QGroupBox(parent),
      bewerker_(bewerker),
      instellingen_(instellingen),
      tekstlijn_(tekstlijn),
      omgeving_(std::move(omgeving)) {
  MaakActies();
  setObjectName(QStringLiteral("frmAfdruk"));
  setTitle(QStringLiteral("Afdruk"));
  txtAantal_ = platform::makeWidget<QLineEdit>(this, QStringLiteral("txtAantal"));
  txtAantal_->setText(QStringLiteral("1"));
  txtAantal_->setFixedWidth(44);
  cmdStartAfdrukken_ = platform::makeButton(this, QStringLiteral("cmdStartAfdrukken"), QStringLiteral("Start afdrukken"));
  imgEco_ = platform::makeWidget<QLabel>(this, QStringLiteral("imgEco"));
  imgEco_->setFixedSize(16, 16);
  imgEco_->setPixmap(SpaarstandLamp(0));
  imgEco_->setToolTip(QStringLiteral("Spaarstand"));
  lblTotaal_ = platform::makeWidget<QLabel>(this, QStringLiteral("lblTotaal"));
  lblTotaal_->setWordWrap(true);
  // Room for two lines at all times, so that the controls never jump when
  // the total appears, goes or wraps.
  lblTotaal_->setFixedHeight(2 * lblTotaal_->fontMetrics().lineSpacing());
  lblTotaal_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  auto* frame = new QVBoxLayout(this);
  auto* rij = new QHBoxLayout;
  rij->addWidget(txtAantal_);
  rij->addWidget(cmdStartAfdrukken_, 1);
  rij->addWidget(imgEco_);
  frame->addLayout(rij);
  // Copies times a series or a list can make far more labels than the box
  // says: the total is in sight before the job starts.
  frame->addWidget(lblTotaal_);
  cmdNummering_ = platform::makeButton(parent, QStringLiteral("cmdNummering"), QStringLiteral("1,2,3,..."));

  connect(cmdStartAfdrukken_, &QPushButton::clicked, this, [this] {
    Opdracht(omgeving_.meldingen, [this] { AfdrukkenSATO(); });
    // The busy pointer that still lets the window be used, while the job runs.
    if (bezig_) window()->setCursor(Qt::BusyCursor);
  });
  // Enter in the copies box starts printing, as its default button would.
  connect(txtAantal_, &QLineEdit::returnPressed, cmdStartAfdrukken_, &QPushButton::click);
  connect(cmdNummering_, &QPushButton::clicked, this,
          [this] { Opdracht(omgeving_.meldingen, [this] { cmdNummering_Click(); }); });
  txtAantal_->installEventFilter(this);
  imgEco_->installEventFilter(this);
  connect(txtAantal_, &QLineEdit::textChanged, this, &AfdrukPaneel::ToonTotaal);
  for (auto signaal : {&Bewerker::GeschiedenisVeranderd, &Bewerker::StapGezet})
    connect(&bewerker_, signaal, this, &AfdrukPaneel::ToonTotaal);
}

AfdrukPaneel::~AfdrukPaneel() {
  // The job stops and lets go of its output before the output goes; a
  // printer on the network that is not reading is not waited for.
  if (auto* net = dynamic_cast<Netwerkverbinding*>(uit_.get())) net->Afbreken();
  delete loper_;
}

void AfdrukPaneel::MaakActies() {
  const auto actie = [this](const char* naam, const QString& tekst, auto doe) {
    auto* a = new QAction(tekst, this);
    a->setObjectName(QString::fromLatin1(naam));
    connect(a, &QAction::triggered, this, [this, doe] { Opdracht(omgeving_.meldingen, doe); });
    return a;
  };
  acties_.afdrukvoorbeeld = actie("mnuAfdrukvoorbeeld", QStringLiteral("Afdruk&voorbeeld ..."),
                                  [this] { mnuAfdrukvoorbeeld_Click(); });
  acties_.afdrukken = actie("mnuAfdrukken", QStringLiteral("&Afdrukken"), [this] { AfdrukkenSATO(); });
  acties_.afdrukken->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  acties_.spaarstand = actie("mnuSpaarstand", QStringLiteral("S&paarstand"), [this] { mnuSpaarstand_Click(); });
  acties_.spaarstand->setCheckable(true);
  acties_.printerinstelling = actie("mnuPrinterinstelling", QStringLiteral("Printer&instelling..."),
                                    [this] { mnuPrinterinstelling_Click(); });
  acties_.verschuivenAfdruk = actie("mnuVerschuivenAfdruk", QStringLiteral("&Verschuiven afdruk ..."),
                                    [this] { mnuVerschuivenAfdruk_Click(); });
}

bool AfdrukPaneel::eventFilter(QObject* o, QEvent* e) {
  // Entering the copies box selects all of it.
  if (o == txtAantal_ && e->type() == QEvent::FocusIn) QTimer::singleShot(0, txtAantal_, &QLineEdit::selectAll);
  // The economy lamp works like its menu entry.
  if (o == imgEco_ && e->type() == QEvent::MouseButtonPress && acties_.spaarstand) {
    // Not while a job runs: the job keeps the mode it started with.
    if (!acties_.spaarstand->isEnabled()) return true;
    acties_.spaarstand->toggle();
    Opdracht(omgeving_.meldingen, [this] { mnuSpaarstand_Click(); });
    return true;
  }
  return QGroupBox::eventFilter(o, e);
}

Nummering& AfdrukPaneel::nummering() { return bewerker_.nummering(); }

void AfdrukPaneel::NieuwOntwerp() {
  txtAantal_->setText(QStringLiteral("1"));
  // A series or a list belongs to the design it was set for: carried over,
  // it would silently turn two labels of the next design into hundreds.
  nummering() = Nummering();
  nummeringDialoog_.reset();
  ToonTotaal();
}

void AfdrukPaneel::LeesOnthoudenLijst() {
  Nummering& n = nummering();
  if (!n.LijstOnthouden || n.LijstBestand.isEmpty()) return;
  if (const auto fout = LeesLijstIn(n)) Fout(*fout);
  ToonTotaal();
}

QString AfdrukPaneel::TotaalTekst() const {
  bool getal = false;
  const double aantal = std::nearbyint(LeesGetal(txtAantal_->text(), &getal));
  if (!getal || aantal < 0 || aantal > 32767) return {};
  const Ontwerp& o = bewerker_.ontwerp();
  const NummeringBron bron(o.nummering, QDateTime::currentDateTime());
  // Codes that name nothing print as typed: said before the job starts.
  const QStringList onbekend = OnbekendeCodes(o, bron);
  const QString geenKolom =
      onbekend.isEmpty() ? QString() : QStringLiteral("Geen kolom voor ") + onbekend.join(QStringLiteral(", ")) + u'.';
  const auto regels = [&](const QString& eerste) {
    return geenKolom.isEmpty() ? eerste : eerste.isEmpty() ? geenKolom : eerste + u'\n' + geenKolom;
  };
  const qint16 modus = IsNummering(o, bron);
  const auto gemaakt = MaakReeks(modus, o.nummering);
  // The first row that cannot be printed, before anything goes out.
  if (const QString* fout = std::get_if<QString>(&gemaakt)) return regels(*fout);
  const Reeks& reeks = std::get<Reeks>(gemaakt);
  if (const QString fout = OnafdrukbareRij(o, modus, reeks, bron); !fout.isEmpty()) return regels(fout);
  const qint64 nummers = reeks.Aantal();
  const qint64 totaal = reeks.Etiketten(qint64(aantal));
  if (totaal == 1 && modus == 0) return regels({});
  const QLocale nl(QLocale::Dutch);
  const QString etiketten =
      totaal == 1 ? QStringLiteral("1 etiket") : nl.toString(totaal) + QStringLiteral(" etiketten");
  if (modus == 0) return regels(etiketten);
  const QString wat = modus == 1 ? (nummers == 1 ? QStringLiteral("nummer") : QStringLiteral("nummers"))
                                 : (nummers == 1 ? QStringLiteral("rij") : QStringLiteral("rijen"));
  // Rows times their quantities times the copies.
  if (reeks.aantallen)
    return regels(QStringLiteral("%1 \u00D7 %2 %3 met samen %4 stuks = %5")
                      .arg(nl.toString(qint64(aantal)), nl.toString(nummers), wat, nl.toString(reeks.Etiketten(1)),
                           etiketten));
  return regels(
      QStringLiteral("%1 \u00D7 %2 %3 = %4").arg(nl.toString(qint64(aantal)), nl.toString(nummers), wat, etiketten));
}

QString AfdrukPaneel::OnafdrukbareRij(const Ontwerp& o, qint16 modus, const Reeks& reeks, const Rijbron& bron) const {
  // Encoding every row's barcodes takes a while on a long list: worked out
  // again only when the barcodes, the list or the series changed.
  QString sleutel = QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
                        .arg(modus)
                        .arg(o.nummering.NummerLijst.Versie())
                        .arg(reeks.van)
                        .arg(reeks.tot)
                        .arg(reeks.stap)
                        .arg(o.nummering.Rijkeuze, o.nummering.AantalKolom);
  for (int i = 1; i <= o.AantalVoorwerpen(); ++i)
    if (o.voorwerp(i).Soort() == SoortVoorwerp::Streepjescodevoorwerp)
      sleutel += QStringLiteral("|%1:").arg(int(o.voorwerp(i).code().Soort)) + o.voorwerp(i).code().Gegevens;
  if (sleutel != codeSleutel_) {
    codeSleutel_ = sleutel;
    codeFout_ = EersteOnafdrukbare(o, reeks, bron, kNagekekenRijen).value_or(QString());
  }
  return codeFout_;
}

void AfdrukPaneel::ToonTotaal() {
  const QString tekst = TotaalTekst();
  if (lblTotaal_->text() != tekst) lblTotaal_->setText(tekst);
}

void AfdrukPaneel::Fout(const QString& tekst) {
  omgeving_.meldingen.show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"), tekst);
}

std::optional<qint16> AfdrukPaneel::LeesAantal() {
  bool getal = false;
  const double aantal = std::nearbyint(LeesGetal(txtAantal_->text(), &getal));
  // A typed 0 keeps its own meaning; no number, a negative one or one too
  // large for the printer is refused before anything is opened.
  if (!getal || aantal < 0 || aantal > 32767) {
    Fout(QStringLiteral("Geef een aantal exemplaren van 1 tot 32767."));
    return std::nullopt;
  }
  return qint16(aantal);
}

std::optional<Job> AfdrukPaneel::MaakJobUitVenster() {
  const std::optional<qint16> aantal = LeesAantal();
  if (!aantal) return std::nullopt;
  const EtiketFormaat& f = bewerker_.Formaat();
  auto gemaakt = MaakJob({.ontwerp = bewerker_.ontwerp(),
                          .formaat = f,
                          .instellingen = instellingen_,
                          .HorizontalShift = HorizontaleVerschuiving(omgeving_.store, f.Naam),
                          .VerticalShift = VerticaleVerschuiving(omgeving_.store, f.Naam),
                          .aantal = *aantal,
                          .spaarstand = acties_.spaarstand->isChecked(),
                          .stand = velStand_});
  if (const auto* melding = std::get_if<QString>(&gemaakt)) {
    Fout(*melding);
    return std::nullopt;
  }
  return std::get<Job>(std::move(gemaakt));
}

void AfdrukPaneel::StartJob(Job job, QIODevice& uit, const QString& wat,
                            std::function<void(Jobuitkomst, const VelStand&, const QString&, qint64)> klaar) {
  if (!frmAfdrukken_) {
    frmAfdrukken_ = std::make_unique<AfdrukVoortgang>(window());
    connect(frmAfdrukken_.get(), &AfdrukVoortgang::Stoppen, this, &AfdrukPaneel::StopJob);
  }
  frmAfdrukken_->Begin(int(job.opdracht.reeks.Nummers().size()), wat);
  gestopt_ = false;
  ++jobNummer_;
  ZetBezig(true);
  loper_ = new AchtergrondJob(std::move(job), velStand_, uit, this);
  connect(loper_, &AchtergrondJob::Voortgang, frmAfdrukken_.get(), &AfdrukVoortgang::Toon);
  connect(loper_, &AchtergrondJob::Klaar, this, [this, klaar](Jobuitkomst uitkomst, VelStand stand, QString waarom,
                                                       qint64 etiketten) {
    frmAfdrukken_->hide();
    // Its thread has ended; the object goes once this signal is over.
    loper_->deleteLater();
    loper_ = nullptr;
    window()->unsetCursor();
    klaar(uitkomst, stand, waarom, etiketten);
    ZetBezig(false);
  });
}

void AfdrukPaneel::StopJob() {
  if (!loper_) return;
  gestopt_ = true;
  loper_->Stop();
}

void AfdrukPaneel::ZetBezig(bool bezig) {
  bezig_ = bezig;
  // The lamp keeps its colours, which a disabled picture would lose: its
  // clicks follow the menu entry instead.
  for (QWidget* w : {static_cast<QWidget*>(cmdStartAfdrukken_), static_cast<QWidget*>(cmdNummering_)})
    w->setEnabled(!bezig);
  for (QAction* a : {acties_.afdrukken, acties_.spaarstand, acties_.afdrukvoorbeeld})
    if (a) a->setEnabled(!bezig);
  emit BezigVeranderd(bezig);
}

void AfdrukPaneel::AfdrukkenSATO() {
  if (bezig_) return;
  std::optional<Job> job = MaakJobUitVenster();
  if (!job) return;
  kanaal_ = KiesKanaal(instellingen_, omgeving_.programmaMap);
  if (doorgeven_.Wacht(kanaal_.pad)) {
    Fout(WachtMelding(kanaal_));
    return;
  }
  // A printer on the network is connected to by the job's own thread: one
  // that does not answer must not hold up the window.
  if (const auto melding = OpenKanaal(uit_, kanaal_, true)) {
    uit_.reset();
    Fout(*melding);
    return;
  }
  jobTaal_ = job->taal;
  StartJob(std::move(*job), *uit_, QString(),
           [this](Jobuitkomst uitkomst, const VelStand& stand, const QString& waarom, qint64 etiketten) {
             AfdrukKlaar(uitkomst, stand, waarom, etiketten);
           });
}

void AfdrukPaneel::AfdrukKlaar(Jobuitkomst uitkomst, const VelStand& stand, const QString& waarom, qint64 etiketten) {
  const std::unique_ptr<QIODevice> uit = std::move(uit_);
  bool mislukt = uitkomst == Jobuitkomst::Schrijffout;
  QString reden;
  // A file's last bytes may fail as it closes; a network printer's reason
  // was set when the job broke off.
  if (auto* bestand = qobject_cast<QFileDevice*>(uit.get())) {
    bestand->close();
    mislukt = mislukt || bestand->error() != QFileDevice::NoError;
    reden = bestand->errorString();
  } else {
    reden = uit->errorString();
    uit->close();
  }
  if (mislukt) {
    if (kanaal_.poort == 4) QFile::remove(kanaal_.pad);
    // The sheet state stays as it was before the job. A network printer is
    // connected to by the job: one that never answered sent nothing.
    const auto* net = dynamic_cast<const Netwerkverbinding*>(uit.get());
    const QString wat = net && !net->Bereikt() ? QStringLiteral("De printer kan niet worden bereikt:\n")
                                               : QStringLiteral("Het schrijven naar de printer is mislukt:\n");
    Fout(wat + kanaal_.naam + QStringLiteral("\n\n") + reden);
    return;
  }
  velStand_ = stand;
  if (stand.VelOpen) velTaal_ = jobTaal_;
  ZetLedSpaarstand();
  Doorgeef(kanaal_);
  // The labels before it went out, their sheet closed; the rest did not.
  if (uitkomst == Jobuitkomst::Onafdrukbaar) Fout(waarom + QStringLiteral("\n\n") + AfgedruktZin(etiketten));
}

void AfdrukPaneel::Doorgeef(const Uitvoerkanaal& kanaal) {
  // The window goes on meanwhile; a failure is told when it is known.
  doorgeven_.NaDeJob(kanaal, instellingen_, [this](const std::optional<Doorgeeffout>& fout) {
    if (fout) Fout(fout->Melding());
  });
}

void AfdrukPaneel::mnuAfdrukvoorbeeld_Click() {
  if (bezig_) return;
  std::optional<Job> job = MaakJobUitVenster();
  if (!job) return;
  const int totaal = TelVellen(*job, velStand_);
  const QString etiketten = TotaalTekst();
  // The stream holds a label's rows down to its last printed one: the
  // sheet is shown on the whole of its paper.
  const EtiketFormaat& f = job->opdracht.formaat;
  const QSize papier(qRound(f.VelBreedte * float(job->puntenPerMm)), qRound(f.VelHoogte * float(job->puntenPerMm)));
  job->opdracht.GrootsteVellen = kVoorbeeldVellen;
  const Printertaal* taal = job->taal;
  voorbeeld_ = std::make_unique<QBuffer>();
  voorbeeld_->open(QIODevice::WriteOnly);
  // The job gets a copy of the sheet state and its new state is dropped:
  // a preview leaves economy mode where it was.
  StartJob(std::move(*job), *voorbeeld_, QStringLiteral("Het afdrukvoorbeeld wordt gemaakt."),
           [this, taal, totaal, papier, etiketten](Jobuitkomst uitkomst, const VelStand&, const QString& waarom,
                                                   qint64) {
             const std::unique_ptr<QBuffer> stroom = std::move(voorbeeld_);
             if (gestopt_) return;
             if (uitkomst == Jobuitkomst::Onafdrukbaar) {
               Fout(waarom);
               return;
             }
             const Stroomlezing lezing = Lees(*taal, stroom->data());
             std::vector<QImage> vellen;
             std::vector<int> aantallen;
             for (const Stroomvel& v : lezing.vellen) {
               vellen.push_back(v.Afbeelding(papier));
               aantallen.push_back(std::max(1, v.aantal));
             }
             // Shown once the job is over, so "Afdrukken" can start the real one.
             QTimer::singleShot(0, this, [this, vellen = std::move(vellen), aantallen, totaal, etiketten]() mutable {
               AfdrukVoorbeeld dialoog(std::move(vellen), aantallen, totaal, etiketten, window());
               if (dialoog.exec() == QDialog::Accepted) Opdracht(omgeving_.meldingen, [this] { AfdrukkenSATO(); });
             });
           });
}

void AfdrukPaneel::AfsluitenJobSATO() {
  // A running job owns the channel; its end is where the sheet is decided.
  if (bezig_ && !voorbeeld_) return;
  Uitvoerkanaal kanaal = KiesKanaal(instellingen_, omgeving_.programmaMap);
  if (doorgeven_.Wacht(kanaal.pad)) {
    Fout(WachtMelding(kanaal));
    return;
  }
  // Only the closing bytes: the sheet's start and labels went on with their jobs.
  const Printertaal& taal = velTaal_ ? *velTaal_ : PrintermodelVoor(instellingen_.Printer).taal();
  const QByteArray slot = taal.SluitOpenVel(velStand_);
  if (slot.isEmpty()) {
    // A language that prints each row as it ends has nothing left to send.
    velStand_ = {};
    return;
  }
  std::unique_ptr<QIODevice> uit;
  if (const auto melding = OpenKanaal(uit, kanaal)) {
    omgeving_.meldingen.show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"), *melding);
    return;
  }
  const bool gelukt = uit->write(slot) == slot.size() && LeverAf(*uit);
  // A network printer says why; a file's reason is the system's own.
  const QString reden = kanaal.netwerk ? QStringLiteral("\n\n") + uit->errorString() : QString();
  uit->close();
  if (!gelukt) {
    if (kanaal.poort == 4) QFile::remove(kanaal.pad);
    omgeving_.meldingen.show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"),
                             QStringLiteral("Het schrijven naar de printer is mislukt:\n") + kanaal.naam + reden);
    return;
  }
  Doorgeef(kanaal);
  velStand_ = {};
}

void AfdrukPaneel::mnuSpaarstand_Click() {
  if (bezig_) return;
  // The entry has already changed its check mark; an open sheet is printed
  // before economy mode goes off.
  if (!acties_.spaarstand->isChecked() && velStand_.VelOpen) {
    AfsluitenJobSATO();
    if (velStand_.VelOpen) {
      // The printer could not be reached: economy mode stays on.
      acties_.spaarstand->setChecked(true);
      return;
    }
  }
  ZetLedSpaarstand();
}

QString AfdrukPaneel::KiesNummeringCode() {
  if (!nummeringDialoog_)
    nummeringDialoog_ =
        std::make_unique<NummeringDialoog>(nummering(), omgeving_.meldingen, omgeving_.bestanden, window());
  QString code = nummeringDialoog_->Kies();
  ToonTotaal();
  return code;
}

void AfdrukPaneel::cmdNummering_Click() {
  if (bezig_) return;
  const Ontwerp& o = bewerker_.ontwerp();
  // Any element that can carry a code can be numbered, a barcode too.
  bool nummerbaar = false;
  for (int i = 1; i <= o.AantalVoorwerpen() && !nummerbaar; ++i) nummerbaar = CodeTekst(o.voorwerp(i)) != nullptr;
  if (!nummerbaar) return;
  if (!nummeringDialoog_)
    nummeringDialoog_ =
        std::make_unique<NummeringDialoog>(nummering(), omgeving_.meldingen, omgeving_.bestanden, window());
  const QString code = nummeringDialoog_->Kies();
  ToonTotaal();
  const int h = bewerker_.bewerking().HuidigeLijn();
  if (!code.isEmpty() && h != 0 && o.voorwerp(h).Soort() == SoortVoorwerp::Tekstlijn &&
      bewerker_.bewerking().Geselecteerd(h)) {
    const qint16 modus = IsNummering(o, NummeringBron(o.nummering, {}));
    bool alInGebruik = false;
    for (int i = 1; i <= o.AantalVoorwerpen(); ++i)
      if (const QString* tekst = CodeTekst(o.voorwerp(i)); tekst && tekst->contains(code)) alInGebruik = true;
    if ((modus == 0 || modus == 2) && !alInGebruik) {
      tekstlijn_.insert(code);
      tekstlijn_.setSelection(tekstlijn_.cursorPosition() - int(code.size()), int(code.size()));
    }
  }
  tekstlijn_.setFocus();
}

void AfdrukPaneel::mnuPrinterinstelling_Click() {
  if (bezig_) return;
  PrinterDialoog dialoog(instellingen_, PrinterDialoog::SysteemPrinters(), PrinterApparaten(), omgeving_.meldingen,
                         omgeving_.bestanden, window());
  dialoog.exec();
  emit InstellingenVeranderd();
}

void AfdrukPaneel::mnuVerschuivenAfdruk_Click() {
  if (bezig_) return;
  VerschuivingDialoog dialoog(omgeving_.store, omgeving_.meldingen, bewerker_.Formaat().Naam, window());
  dialoog.exec();
  emit VerschuivingVeranderd();
}

void AfdrukPaneel::ZetLedSpaarstand() {
  const int stand = !acties_.spaarstand->isChecked() ? 0 : velStand_.VelOpen ? 2 : 1;
  imgEco_->setPixmap(SpaarstandLamp(stand));
  if (stand == 2 && !spaarstandGemeld_) {
    spaarstandGemeld_ = true;
    omgeving_.meldingen.show(
        platform::MessageService::Icon::Warning, QStringLiteral("Spaarstand"),
        QStringLiteral("De spaarstand staat ingeschakeld.\n\nDe informatie werd doorgestuurd naar de\n"
                       "printer, maar wordt nog niet afgedrukt"));
  }
}

}  // namespace ui
