#include "ui/Etiket.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "editor/Wijziging.h"
#include "files/Catalogus.h"
#include "files/Herstelkopie.h"
#include "platform/AppInfo.h"
#include "platform/Clipboard.h"
#include "platform/FontList.h"
#include "platform/ProcessStarter.h"
#include "platform/Scanner.h"
#include "platform/SettingsStore.h"
#include "platformwidgets/FileDialogs.h"
#include "platformwidgets/MessageService.h"
#include "platformwidgets/WidgetHelpers.h"
#include "ui/AfdrukPaneel.h"
#include "ui/Begroeting.h"
#include "ui/EtiketPlaatje.h"
#include "ui/FiguurPaneel.h"
#include "ui/FormaatDialoog.h"
#include "ui/RecenteBestanden.h"
#include "ui/TekstPaneel.h"
#include "ui/frmStreepjescode.h"

namespace {
// The width of the column of frames on the right.
constexpr int kRechterKolom = 216;
}  // namespace

Etiket::Etiket(EtiketOpties opties, QWidget* parent)
    : QMainWindow(parent), opties_(std::move(opties)), bewerker_(formaten_) {
  setObjectName(QStringLiteral("Etiket"));
  setWindowTitle(QStringLiteral("Vellora[*]"));
  MaakMenus();
  MaakBesturing();
  herstel_ =
      std::make_unique<Herstelkopie>(opties_.herstelMap.isEmpty() ? Herstelkopie::StandaardMap() : opties_.herstelMap);
  herstelKlok_ = new QTimer(this);
  herstelKlok_->setSingleShot(true);
  herstelKlok_->setInterval(opties_.herstelMs);
  connect(herstelKlok_, &QTimer::timeout, this, &Etiket::BewaarHerstelkopie);
}

Etiket::~Etiket() {
  // The controls lose the focus while the editor core they report to is
  // still there: the window's own members go before its child widgets.
  if (QWidget* focus = QApplication::focusWidget(); focus && isAncestorOf(focus)) focus->clearFocus();
}

QSize Etiket::OntwerpMaat() { return {840, 500}; }

Nummering& Etiket::nummering() { return ontwerp().nummering; }
const VelStand& Etiket::velStand() const { return afdruk_->velStand(); }

QAction* Etiket::Menuregel(QMenu* menu, const char* naam, const QString& tekst, bool beschikbaar) {
  QAction* a = menu->addAction(tekst);
  a->setObjectName(QString::fromLatin1(naam));
  a->setEnabled(beschikbaar);
  return a;
}

void Etiket::MaakMenus() {
  QMenu* bestand = menuBar()->addMenu(QStringLiteral("&Bestand"));
  bestand->setObjectName(QStringLiteral("mnuBestand"));
  mnuNieuwEtiket_ = Menuregel(bestand, "mnuNieuwEtiket", QStringLiteral("&Nieuw"), true);
  mnuOpenen_ = Menuregel(bestand, "mnuOpenen", QStringLiteral("&Openen ..."), true);
  mnuOpslaan_ = Menuregel(bestand, "mnuOpslaan", QStringLiteral("O&pslaan "), true);
  mnuOpslaanAls_ = Menuregel(bestand, "mnuOpslaanAls", QStringLiteral("Ops&laan als ..."), true);
  bestand->addSeparator();
  mnuAfdrukvoorbeeld_ = Menuregel(bestand, "mnuAfdrukvoorbeeld", QStringLiteral("Afdruk&voorbeeld ..."), true);
  mnuAfdrukken_ = Menuregel(bestand, "mnuAfdrukken", QStringLiteral("&Afdrukken"), true);
  bestand->addSeparator();
  mnuEindeProgramma_ = Menuregel(bestand, "mnuEindeProgramma", QStringLiteral("&Einde Programma"), true);
  recent_ =
      std::make_unique<RecenteBestanden>(*bestand, mnuEindeProgramma_, *opties_.instellingen, *opties_.meldingen,
                                         [this](const QString& pad) { Opdracht([this, pad] { OpenRecent(pad); }); });
  // The keys every editor has, wherever the focus is in the window.
  mnuNieuwEtiket_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
  mnuOpenen_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  mnuOpslaan_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  mnuOpslaanAls_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  mnuAfdrukken_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  connect(mnuEindeProgramma_, &QAction::triggered, this, &Etiket::mnuEindeProgramma_Click);
  connect(mnuNieuwEtiket_, &QAction::triggered, this, [this] { Opdracht([this] { mnuNieuwEtiket_Click(); }); });
  connect(mnuOpenen_, &QAction::triggered, this, [this] { Opdracht([this] { mnuOpenen_Click(); }); });
  connect(mnuOpslaan_, &QAction::triggered, this, [this] { Opdracht([this] { mnuOpslaan_Click(); }); });
  connect(mnuOpslaanAls_, &QAction::triggered, this, [this] { Opdracht([this] { mnuOpslaanAls_Click(); }); });

  QMenu* bewerken = menuBar()->addMenu(QStringLiteral("Be&werken"));
  bewerken->setObjectName(QStringLiteral("mnuBewerken"));
  mnuBewerken_ = bewerken;
  mnuOngedaan_ = Menuregel(bewerken, "mnuOngedaan", QStringLiteral("&Ongedaan maken"), false);
  mnuOngedaan_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  connect(mnuOngedaan_, &QAction::triggered, this, [this] { Opdracht([this] { mnuOngedaan_Click(); }); });
  mnuOpnieuw_ = Menuregel(bewerken, "mnuOpnieuw", QStringLiteral("&Opnieuw"), false);
  mnuOpnieuw_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  connect(mnuOpnieuw_, &QAction::triggered, this, [this] { Opdracht([this] { mnuOpnieuw_Click(); }); });
  bewerken->addSeparator();
  // These three follow the clipboard and the line box when the menu opens.
  mnuKnippen_ = Menuregel(bewerken, "mnuKnippen", QStringLiteral("K&nippen"), false);
  mnuCopieren_ = Menuregel(bewerken, "mnuCopieren", QStringLiteral("&Copiëren"), false);
  mnuPlakken_ = Menuregel(bewerken, "mnuPlakken", QStringLiteral("&Plakken"), false);
  bewerken->addSeparator();
  QAction* verwijderen = Menuregel(bewerken, "mnuVerwijderen", QStringLiteral("&Verwijderen"), true);
  connect(verwijderen, &QAction::triggered, this, [this] {
    Opdracht([this] {
      Wijziging wijziging(bewerker_);
      Bewerking& b = bewerker_.bewerking();
      // Downwards, so the indexes still to visit stay valid.
      for (int i = b.ontwerp().AantalVoorwerpen(); i >= 1; --i)
        if (b.Geselecteerd(i)) b.VerwijderVoorwerp(i);
      if (b.ontwerp().AantalVoorwerpen() > 0) pictEtiket_->SelecteerVoorwerp(1);
    });
  });
  mnuAllesSelekteren_ = Menuregel(bewerken, "mnuAllesSelekteren", QStringLiteral("&Alles selekteren"), true);
  mnuAllesSelekteren_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));

  QMenu* tekst = menuBar()->addMenu(QStringLiteral("&Tekst"));
  tekst->setObjectName(QStringLiteral("mnuTekst"));
  for (int i = 1; i <= 5; ++i) {
    const QString tekstregel = i == 1 ? QStringLiteral("&1 Lijn") : QStringLiteral("&%1 Lijnen").arg(i);
    mnuTekstLijnen_[size_t(i - 1)] =
        Menuregel(tekst, QStringLiteral("mnuTekstLijnen%1").arg(i).toLatin1().constData(), tekstregel, true);
  }
  mnuMeerLijnen_ = Menuregel(tekst, "mnuMeerLijnen", QStringLiteral("&Meer lijnen"), true);
  tekst->addSeparator();
  const char* stijlNamen[3] = {"mnuVet", "mnuCursief", "mnuOnderlijnd"};
  const QString stijlTeksten[3] = {QStringLiteral("&Vet"), QStringLiteral("&Cursief"), QStringLiteral("&Onderlijnd")};
  for (int i = 0; i < 3; ++i) {
    stijlMenus_[size_t(i)] = Menuregel(tekst, stijlNamen[i], stijlTeksten[i], true);
    stijlMenus_[size_t(i)]->setCheckable(true);
  }
  tekst->addSeparator();
  mnuRondeTekstToevoegen_ =
      Menuregel(tekst, "mnuRondeTekstToevoegen", QStringLiteral("&Ronde tekst toevoegen ..."), true);
  // These two follow the selection; they start disabled.
  mnuRondeTekstWijzigen_ =
      Menuregel(tekst, "mnuRondeTekstWijzigen", QStringLiteral("Ronde tekst &wijzigen ..."), false);
  mnuTekstOmzetten_ = Menuregel(tekst, "mnuTekstOmzetten", QStringLiteral("Om&zetten naar ronde tekst ..."), false);

  QMenu* figuur = menuBar()->addMenu(QStringLiteral("&Figuur"));
  figuur->setObjectName(QStringLiteral("mnuFiguur"));
  mnuBestandInvoegen_ = Menuregel(figuur, "mnuBestandInvoegen", QStringLiteral("&Bestand invoegen"), true);
  mnuBestandInvoegen2_ = figuur->addMenu(QStringLiteral("&Bestand invoegen"));
  mnuBestandInvoegen2_->setObjectName(QStringLiteral("mnuBestandInvoegen2"));
  mnuBestandInvoegen2_->menuAction()->setObjectName(QStringLiteral("mnuBestandInvoegen2"));
  mnuBestandInvoegen2_->menuAction()->setVisible(false);
  mnuGalerij0_ = Menuregel(mnuBestandInvoegen2_, "mnuGalerij0", QStringLiteral("Gallerij"), true);
  mnuGalerijen_ = Menuregel(figuur, "mnuGalerijen", QStringLiteral("&Galerijen"), true);
  figuur->addSeparator();
  QAction* code = Menuregel(figuur, "mnuStreepjescodeToevoegen", QStringLiteral("Streepjescode toevoegen ..."), true);
  connect(code, &QAction::triggered, this, [this] { Opdracht([this] { mnuStreepjescodeToevoegen_Click(); }); });
  figuur->addSeparator();
  mnuScannerSelecteren_ = Menuregel(figuur, "mnuScannerSelecteren", QStringLiteral("&Scanner selecteren ..."), true);
  mnuAfbeeldingscannen_ = Menuregel(figuur, "mnuAfbeeldingscannen", QStringLiteral("&Afbeelding Scannen ..."), true);

  QMenu* opties = menuBar()->addMenu(QStringLiteral("&Opties"));
  opties->setObjectName(QStringLiteral("mnuOpties"));
  Menuregel(opties, "mnuPrinterinstelling", QStringLiteral("Printer&instelling..."), true);
  Menuregel(opties, "mnuVerschuivenAfdruk", QStringLiteral("&Verschuiven afdruk ..."), true);
  opties->addSeparator();
  mnuSpaarstand_ = Menuregel(opties, "mnuSpaarstand", QStringLiteral("S&paarstand"), true);
  mnuSpaarstand_->setCheckable(true);
  mnuToonAfdrukbaargebied_ =
      Menuregel(opties, "mnuToonAfdrukbaargebied", QStringLiteral("&Toon afdrukbaar gebied"), true);
  mnuToonAfdrukbaargebied_->setCheckable(true);
  // Qt toggles the check mark itself before the handler runs.
  connect(mnuToonAfdrukbaargebied_, &QAction::triggered, this, [this] { ToonAfdrukbaarGebied(); });
  opties->addSeparator();
  Menuregel(opties, "mnuStandaardVastleggen", QStringLiteral("&Standaard vastleggen"), true);

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  QAction* info = Menuregel(help, "mnuInfo", QStringLiteral("&Info"), true);
  info->setShortcut(QKeySequence(Qt::Key_F1));
  connect(info, &QAction::triggered, this, &Etiket::mnuInfo_Click);
}

void Etiket::MaakBesturing() {
  centraal_ = new QWidget(this);
  centraal_->setObjectName(QStringLiteral("centraal"));
  setCentralWidget(centraal_);
  platform::MessageService& meldingen = *opties_.meldingen;
  platform::SettingsStore& store = *opties_.instellingen;

  pictEtiket_ = new EtiketPlaatje(bewerker_, meldingen, centraal_);
  // Small enough for a small screen, large enough to work on a label.
  pictEtiket_->setMinimumSize(240, 180);
  pictEtiket_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  connect(pictEtiket_, &EtiketPlaatje::Vergroot, this, [this] {
    if (geladen_) pictEtiket_->BerekenSchaal();
  });
  connect(pictEtiket_, &EtiketPlaatje::SelectieVeranderd, this, &Etiket::ZetMenusVoorSelectie);
  // Delete on the label picture; the entry itself has no shortcut, and is
  // off while a job runs.
  connect(pictEtiket_, &EtiketPlaatje::VerwijderenGevraagd, findChild<QAction*>(QStringLiteral("mnuVerwijderen")),
          &QAction::trigger);

  frmFormaat_ = new QGroupBox(QStringLiteral("Formaat"), centraal_);
  frmFormaat_->setObjectName(QStringLiteral("frmFormaat"));
  cmdKiezen_ = platform::makeButton(frmFormaat_, QStringLiteral("cmdKiezen"), QStringLiteral("Kiezen"));
  lblVorm_ = platform::makeWidget<QLabel>(frmFormaat_, QStringLiteral("lblVorm"));
  lblAfmeting_ = platform::makeWidget<QLabel>(frmFormaat_, QStringLiteral("lblAfmeting"));
  {
    auto* rij = new QHBoxLayout(frmFormaat_);
    rij->addWidget(cmdKiezen_, 0, Qt::AlignTop);
    auto* vorm = new QVBoxLayout;
    vorm->addWidget(lblVorm_);
    vorm->addWidget(lblAfmeting_);
    rij->addLayout(vorm, 1);
  }
  connect(cmdKiezen_, &QPushButton::clicked, this, [this] { Opdracht([this] { cmdKiezen_Click(); }); });

  tekst_ = new TekstPaneel(bewerker_, *pictEtiket_, meldingen, store, centraal_);
  tekst_->ZetStijlMenus(stijlMenus_);
  const Omgeving omgeving{meldingen, store, Bestanden(), Processen(), Klembord(), Scanner(), ProgrammaMap()};
  figuren_ = new FiguurPaneel(bewerker_, *pictEtiket_, *tekst_, instellingen_, omgeving, centraal_);
  figuren_->ZetMenus({mnuBewerken_, mnuKnippen_, mnuCopieren_, mnuPlakken_, mnuBestandInvoegen_, mnuBestandInvoegen2_,
                      mnuGalerij0_, mnuGalerijen_, mnuScannerSelecteren_, mnuAfbeeldingscannen_});
  afdruk_ = new AfdrukPaneel(bewerker_, instellingen_, *tekst_->Tekstvak(), omgeving, centraal_);
  afdruk_->ZetMenus(mnuAfdrukken_, mnuSpaarstand_, mnuAfdrukvoorbeeld_);
  connect(afdruk_, &AfdrukPaneel::BezigVeranderd, this, &Etiket::ZetAfdrukBezig);
  connect(afdruk_, &AfdrukPaneel::InstellingenVeranderd, this, &Etiket::BewaarInstellingen);
  // Barcodes are laid out in the printer's dots: the screen follows the model.
  connect(afdruk_, &AfdrukPaneel::InstellingenVeranderd, this, &Etiket::ZetPrinterPunten);
  connect(pictEtiket_, &EtiketPlaatje::DubbelKlik, this, [this] {
    const int i = bewerking().GeselecteerdVoorwerp();
    if (bewerking().AantalGeselecteerd() == 1 && ontwerp().voorwerp(i).Soort() == SoortVoorwerp::Streepjescodevoorwerp)
      Opdracht([this, i] { WijzigStreepjescode(i); });
  });
  connect(afdruk_, &AfdrukPaneel::VerschuivingVeranderd, this, &Etiket::ToonAfdrukbaarGebied);

  // The menu entries whose commands live in the parts.
  const auto menu = [this](const char* naam, auto doe) {
    connect(findChild<QAction*>(QString::fromLatin1(naam)), &QAction::triggered, this, [this, doe] { Opdracht(doe); });
  };
  for (int i = 1; i <= 5; ++i)
    connect(mnuTekstLijnen_[size_t(i - 1)], &QAction::triggered, this,
            [this, i] { Opdracht([this, i] { tekst_->LijnenToevoegen(qint16(i)); }); });
  menu("mnuMeerLijnen", [this] { tekst_->mnuMeerLijnen_Click(); });
  menu("mnuRondeTekstToevoegen", [this] { tekst_->mnuRondeTekstToevoegen_Click(); });
  menu("mnuRondeTekstWijzigen", [this] { tekst_->mnuRondeTekstWijzigen_Click(); });
  menu("mnuTekstOmzetten", [this] { tekst_->mnuTekstOmzetten_Click(); });
  menu("mnuAllesSelekteren", [this] { pictEtiket_->AllesSelecteren(); });
  menu("mnuPrinterinstelling", [this] { afdruk_->mnuPrinterinstelling_Click(); });
  menu("mnuVerschuivenAfdruk", [this] { afdruk_->mnuVerschuivenAfdruk_Click(); });
  connect(findChild<QAction*>(QStringLiteral("mnuStandaardVastleggen")), &QAction::triggered, tekst_,
          &TekstPaneel::BewaarKenmerken);

  // The editor core tells when the picture needs a new scale and when the
  // history changed.
  connect(&bewerker_, &Bewerker::FormaatVeranderd, this, [this] {
    BerekenSchaal();
    ToonAfdrukbaarGebied();
    ControleerStreepjescodes();
  });
  connect(&bewerker_, &Bewerker::GeschiedenisVeranderd, this, [this] {
    mnuOngedaan_->setEnabled(geschiedenis().KanOngedaan());
    mnuOpnieuw_->setEnabled(geschiedenis().KanOpnieuw());
    VolgWijzigingen();
    ControleerStreepjescodes();
  });
  connect(&bewerker_, &Bewerker::StapGezet, this, [this] {
    ZetMenusVoorSelectie();
    // Undo or redo across "Kiezen" brings another design's name.
    ZetBestandsnaam(ontwerp().Bestandsnaam);
  });

  // The picture and the line box on the left grow with the window; the
  // column of frames on the right keeps its width.
  QPushButton* cmdNummering = afdruk_->NummeringKnop();
  auto* rechts = new QVBoxLayout;
  rechts->setSpacing(2);
  for (QGroupBox* frame : {frmFormaat_, static_cast<QGroupBox*>(tekst_), static_cast<QGroupBox*>(figuren_),
                           static_cast<QGroupBox*>(afdruk_)})
    rechts->addWidget(frame);
  rechts->addStretch();
  auto* rooster = new QGridLayout(centraal_);
  rooster->setContentsMargins(8, 2, 8, 8);
  rooster->setHorizontalSpacing(8);
  rooster->addWidget(pictEtiket_, 0, 0);
  rooster->addLayout(rechts, 0, 1);
  rooster->addWidget(tekst_->Tekstvak(), 1, 0);
  rooster->addWidget(cmdNummering, 1, 1);
  rooster->setColumnStretch(0, 1);
  rooster->setRowStretch(0, 1);
  const int kolom = std::max(kRechterKolom, rechts->sizeHint().width());
  for (QWidget* w : {static_cast<QWidget*>(frmFormaat_), static_cast<QWidget*>(tekst_), static_cast<QWidget*>(figuren_),
                     static_cast<QWidget*>(afdruk_), static_cast<QWidget*>(cmdNummering)})
    w->setFixedWidth(kolom);

  centraal_->installEventFilter(this);
  for (QLineEdit* vak : centraal_->findChildren<QLineEdit*>()) vak->installEventFilter(this);
  resize(OntwerpMaat().expandedTo(minimumSizeHint()));
}

platform::FileDialogs& Etiket::Bestanden() {
  if (opties_.bestanden) return *opties_.bestanden;
  if (!eigenBestanden_) eigenBestanden_ = std::make_unique<platform::QtFileDialogs>();
  return *eigenBestanden_;
}

platform::ProcessStarter& Etiket::Processen() {
  if (opties_.processen) return *opties_.processen;
  if (!eigenProcessen_) eigenProcessen_ = std::make_unique<platform::QtProcessStarter>();
  return *eigenProcessen_;
}

platform::Clipboard& Etiket::Klembord() {
  if (opties_.klembord) return *opties_.klembord;
  if (!eigenKlembord_) eigenKlembord_ = std::make_unique<platform::QtClipboard>();
  return *eigenKlembord_;
}

platform::Scanner& Etiket::Scanner() {
  if (opties_.scanner) return *opties_.scanner;
  if (!eigenScanner_) eigenScanner_ = std::make_unique<platform::SaneScanner>();
  return *eigenScanner_;
}

QString Etiket::ProgrammaMap() const {
  return opties_.programmaMap.isEmpty() ? platform::appinfo::programFolder() : opties_.programmaMap;
}

bool Etiket::Form_Load() {
  QElapsedTimer klok;
  klok.start();
  std::unique_ptr<Begroeting> welkom;
  if (opties_.welkomMs > 0) {
    welkom = std::make_unique<Begroeting>(Begroeting::Rol::Welkom);
    welkom->show();
    QCoreApplication::processEvents();
  }
  const QString pad = opties_.catalogus.isEmpty()
                          ? platform::appinfo::dataFolder() + u'/' + QString::fromLatin1(kCatalogusNaam)
                          : opties_.catalogus;
  auto gelezen = LeesFormaten(pad);
  if (auto* fout = std::get_if<CatalogusFout>(&gelezen)) {
    welkom.reset();
    opties_.meldingen->show(platform::MessageService::Icon::Stop, QString::fromLatin1(kOnherstelbareFout),
                            fout->Melding());
    return false;
  }
  formaten_ = std::move(std::get<FormatenTabel>(gelezen));
  const QStringList lettertypen = opties_.lettertypen ? opties_.lettertypen() : platform::installedFontFamilies();
  if (lettertypen.isEmpty()) {
    // Without a font no text can be drawn, on the screen or on a label.
    welkom.reset();
    opties_.meldingen->show(platform::MessageService::Icon::Stop, QString::fromLatin1(kOnherstelbareFout),
                            QStringLiteral("Er zijn geen lettertypen geïnstalleerd.\nHet programma wordt beëindigd."));
    return false;
  }
  tekst_->LeesLettertypes(lettertypen);
  LeesInstellingen();
  tekst_->LeesKenmerken();

  // The welcome window stays up for its time while the window system goes on.
  const qint64 rest = opties_.welkomMs - klok.elapsed();
  if (welkom && rest > 0) {
    QEventLoop wacht;
    QTimer::singleShot(int(rest), &wacht, &QEventLoop::quit);
    wacht.exec();
  }
  welkom.reset();
  geladen_ = true;
  BerekenSchaal();
  BiedHerstelAan();
  return true;
}

void Etiket::BerekenSchaal() {
  if (!geladen_) return;
  // A new scale repaints the whole label once.
  pictEtiket_->BerekenSchaal(true);
  ToonVorm();
}

void Etiket::HertekenAlles() {
  bewerker_.HertekenAlles();
  ToonVorm();
}

void Etiket::ToonVorm() {
  lblVorm_->setText(beeld().Vorm());
  lblAfmeting_->setText(beeld().Afmeting());
}

bool Etiket::eventFilter(QObject* o, QEvent* e) {
  // Ctrl+Z, Ctrl+Y and Ctrl+A undo, redo and select the whole design from
  // the text-line box, which edits the design itself. Every other box keeps
  // them for its own text, whatever the platform's key bindings.
  auto* vak = qobject_cast<QLineEdit*>(o);
  if (vak && (e->type() == QEvent::ShortcutOverride || e->type() == QEvent::KeyPress)) {
    const QKeySequence toets(static_cast<QKeyEvent*>(e)->keyCombination());
    const QAction* ontwerpToets = nullptr;
    for (const QAction* a : {mnuOngedaan_, mnuOpnieuw_, mnuAllesSelekteren_})
      if (a->shortcuts().contains(toets)) ontwerpToets = a;
    if (ontwerpToets && vak == tekst_->Tekstvak()) {
      if (e->type() == QEvent::ShortcutOverride) return true;
    } else if (ontwerpToets) {
      e->accept();
      if (e->type() == QEvent::KeyPress) {
        if (ontwerpToets == mnuOngedaan_)
          vak->undo();
        else if (ontwerpToets == mnuOpnieuw_)
          vak->redo();
        else
          vak->selectAll();
      }
      return true;
    }
  }
  if (o == centraal_ && e->type() == QEvent::Resize) Form_Resize();
  return QMainWindow::eventFilter(o, e);
}

void Etiket::changeEvent(QEvent* e) {
  QMainWindow::changeEvent(e);
  // Coming back from minimised applies what changed meanwhile at once.
  if (e->type() == QEvent::WindowStateChange &&
      (static_cast<QWindowStateChangeEvent*>(e)->oldState() & Qt::WindowMinimized) &&
      !(windowState() & Qt::WindowMinimized))
    Form_Resize();
}

void Etiket::Form_Resize() {
  if (!geladen_) return;
  // The layout has placed the controls; the picture follows its new size.
  if (windowState() & Qt::WindowMinimized) return;
  bewerker_.VerbergAlles();
  // A hidden picture gets its resize event only when shown: scale now. A
  // new size repaints the label; the same size keeps its image, which
  // minimising leaves as it was.
  pictEtiket_->BerekenSchaal();
  ToonAfdrukbaarGebied();
  bewerker_.ToonAlles();
}

void Etiket::ToonAfdrukbaarGebied() {
  const QString& naam = HuidigEtiketFormaat().Naam;
  beeld().ToonAfdrukbaarGebied(mnuToonAfdrukbaargebied_->isChecked(),
                               HorizontaleVerschuiving(*opties_.instellingen, naam),
                               VerticaleVerschuiving(*opties_.instellingen, naam));
  pictEtiket_->update();
}

void Etiket::ZetMenusVoorSelectie() {
  const Bewerking& b = bewerker_.bewerking();
  const bool een = b.AantalGeselecteerd() == 1;
  const std::optional<SoortVoorwerp> soort =
      een ? std::optional(b.ontwerp().voorwerp(b.GeselecteerdVoorwerp()).Soort()) : std::nullopt;
  mnuRondeTekstWijzigen_->setEnabled(soort == SoortVoorwerp::RondeTekst);
  mnuTekstOmzetten_->setEnabled(soort == SoortVoorwerp::Tekstlijn || soort == SoortVoorwerp::RondeTekst);
  if (een)
    mnuTekstOmzetten_->setText(soort == SoortVoorwerp::RondeTekst ? QStringLiteral("Om&zetten naar rechte tekst")
                                                                  : QStringLiteral("Om&zetten naar ronde tekst"));
}

void Etiket::mnuOngedaan_Click() { bewerker_.Ongedaan(); }
void Etiket::mnuOpnieuw_Click() { bewerker_.Opnieuw(); }
void Etiket::WisGeschiedenis() { bewerker_.WisGeschiedenis(); }

void Etiket::mnuInfo_Click() {
  Begroeting info(Begroeting::Rol::Info, this);
  info.exec();
}

void Etiket::mnuEindeProgramma_Click() {
  if (!WijzigingenBewaren()) return;
  // Ends at once: no closing steps, the settings stay as they were.
  herstel_->Wis();
  eindeZonderOpslaan_ = true;
  if (opties_.beeindig)
    opties_.beeindig();
  else
    QCoreApplication::exit(0);
}

void Etiket::ZetAfdrukBezig(bool bezig) {
  for (const char* naam : {"mnuNieuwEtiket", "mnuOpenen", "mnuVerwijderen", "mnuPrinterinstelling",
                           "mnuVerschuivenAfdruk", "mnuEindeProgramma"})
    findChild<QAction*>(QString::fromLatin1(naam))->setEnabled(!bezig);
  recent_->ZetBeschikbaar(!bezig);
  cmdKiezen_->setEnabled(!bezig);
  // Asked to close meanwhile: now the job has ended, and its sheet state is known.
  if (!bezig && sluitenNaJob_) {
    const bool ditJob = *sluitenNaJob_ == afdruk_->JobNummer();
    sluitenNaJob_.reset();
    if (ditJob) QTimer::singleShot(0, this, &QWidget::close);
  }
}

void Etiket::closeEvent(QCloseEvent* e) {
  if (afdruk_->BezigMetVoorbeeld()) {
    // Nothing of a preview leaves the program: it just stops.
    afdruk_->StopJob();
  } else if (afdruk_->BezigMetAfdrukken()) {
    // The job's output and the sheet it leaves open are only settled when
    // it ends: the window goes after that.
    e->ignore();
    const int job = afdruk_->JobNummer();
    if (sluitenNaJob_ == job) return;
    const auto antwoord =
        opties_.meldingen->show(platform::MessageService::Icon::Question, QStringLiteral("Vellora"),
                                QStringLiteral("Er wordt nog afgedrukt. Wachten tot de afdruk klaar is?\n\n"
                                               "Ja: Vellora sluit af zodra de afdruk klaar is.\n"
                                               "Nee: de afdruk stopt en Vellora sluit af."),
                                platform::MessageService::Buttons::YesNoCancel);
    if (antwoord != platform::MessageService::Answer::Yes && antwoord != platform::MessageService::Answer::No) return;
    if (!afdruk_->BezigMetAfdrukken() || afdruk_->JobNummer() != job) {
      // The job ended while the question was open: what was asked for is
      // the window closing after it, which is now.
      QTimer::singleShot(0, this, &QWidget::close);
      return;
    }
    sluitenNaJob_ = job;
    if (antwoord == platform::MessageService::Answer::No) afdruk_->StopJob();
    return;
  }
  if (!eindeZonderOpslaan_ && geladen_ && !WijzigingenBewaren()) {
    e->ignore();
    return;
  }
  herstel_->Wis();
  if (!eindeZonderOpslaan_ && geladen_) {
    // A sheet held open in the printer is finished before the program goes.
    if (afdruk_->velStand().VelOpen) Opdracht([this] { afdruk_->AfsluitenJobSATO(); });
    BewaarInstellingen();
  }
  e->accept();
}
