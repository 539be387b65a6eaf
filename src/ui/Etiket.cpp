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
#include <QMenu>
#include <QInputDialog>
#include <QMenuBar>
#include <QScrollArea>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "editor/Uitlijnen.h"
#include "editor/Wijziging.h"
#include "files/Catalogus.h"
#include "files/EigenFormaten.h"
#include "files/Herstelkopie.h"
#include "platform/AppInfo.h"
#include "platform/Clipboard.h"
#include "platform/FontList.h"
#include "platform/ProcessStarter.h"
#include "platform/Scanner.h"
#include "platform/SettingsStore.h"
#include "platformwidgets/FileDialogs.h"
#include "platformwidgets/MessageService.h"
#include "platformwidgets/PrintDialogs.h"
#include "platformwidgets/WidgetHelpers.h"
#include "ui/AfdrukPaneel.h"
#include "ui/Bestandsopdrachten.h"
#include "ui/EigenFormatenDialoog.h"
#include "ui/Begroeting.h"
#include "ui/EtiketPlaatje.h"
#include "ui/FiguurPaneel.h"
#include "ui/RecenteBestanden.h"
#include "ui/RasterDialoog.h"
#include "ui/Streepjescodes.h"
#include "ui/Zoom.h"
#include "ui/TekstPaneel.h"
#include "ui/Vellenafdruk.h"

namespace ui {

namespace {
// The width of the column of frames on the right.
constexpr int kRechterKolom = 216;
}  // namespace

Etiket::Etiket(EtiketOpties opties, QWidget* parent)
    : QMainWindow(parent), opties_(std::move(opties)), bewerker_(formaten_) {
  setObjectName(QStringLiteral("Etiket"));
  setWindowTitle(QStringLiteral("Vellora[*]"));
  MaakBesturing();
  MaakMenus();
}

Etiket::~Etiket() {
  // The controls lose the focus while the editor core they report to is
  // still there: the window's own members go before its child widgets.
  if (QWidget* focus = QApplication::focusWidget(); focus && isAncestorOf(focus)) focus->clearFocus();
}

QSize Etiket::OntwerpMaat() { return {840, 500}; }

const VelStand& Etiket::velStand() const { return afdruk_->velStand(); }

void Etiket::MaakMenus() {
  const auto regel = [](QMenu* menu, const char* naam, const QString& tekst) {
    QAction* a = menu->addAction(tekst);
    a->setObjectName(QString::fromLatin1(naam));
    return a;
  };
  const Bestandsopdrachten::Acties& bestanden = bestanden_->acties();
  const AfdrukPaneel::Acties& afdruk = afdruk_->acties();
  const TekstPaneel::Acties& tekst = tekst_->acties();
  const FiguurPaneel::Menus& figuren = figuren_->menus();

  QMenu* bestand = menuBar()->addMenu(QStringLiteral("&Bestand"));
  bestand->setObjectName(QStringLiteral("mnuBestand"));
  bestand->addActions({bestanden.nieuw, bestanden.openen, bestanden.opslaan, bestanden.opslaanAls});
  bestand->addSeparator();
  bestand->addActions({afdruk.afdrukvoorbeeld, afdruk.afdrukken});
  bestand->addActions({vellen_->acties().kantoorprinter, vellen_->acties().pdf});
  bestand->addSeparator();
  mnuEindeProgramma_ = regel(bestand, "mnuEindeProgramma", QStringLiteral("&Einde Programma"));
  connect(mnuEindeProgramma_, &QAction::triggered, this, &Etiket::mnuEindeProgramma_Click);
  bestanden_->PlaatsRecent(*bestand, mnuEindeProgramma_);

  QMenu* bewerken = menuBar()->addMenu(QStringLiteral("Be&werken"));
  bewerken->setObjectName(QStringLiteral("mnuBewerken"));
  mnuOngedaan_ = regel(bewerken, "mnuOngedaan", QStringLiteral("&Ongedaan maken"));
  mnuOngedaan_->setEnabled(false);
  mnuOngedaan_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  connect(mnuOngedaan_, &QAction::triggered, this, [this] { Opdracht([this] { mnuOngedaan_Click(); }); });
  mnuOpnieuw_ = regel(bewerken, "mnuOpnieuw", QStringLiteral("Opn&ieuw"));
  mnuOpnieuw_->setEnabled(false);
  mnuOpnieuw_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  connect(mnuOpnieuw_, &QAction::triggered, this, [this] { Opdracht([this] { mnuOpnieuw_Click(); }); });
  bewerken->addSeparator();
  bewerken->addActions({figuren.knippen, figuren.copieren, figuren.plakken});
  connect(bewerken, &QMenu::aboutToShow, figuren_, &FiguurPaneel::mnuBewerken_Click);
  bewerken->addSeparator();
  QAction* verwijderen = regel(bewerken, "mnuVerwijderen", QStringLiteral("&Verwijderen"));
  connect(verwijderen, &QAction::triggered, this, [this] {
    Opdracht([this] {
      Wijziging wijziging(bewerker_);
      Bewerking& b = wijziging.bewerking();
      // Downwards, so the indexes still to visit stay valid.
      for (int i = b.ontwerp().AantalVoorwerpen(); i >= 1; --i)
        if (b.Geselecteerd(i)) b.VerwijderVoorwerp(i);
      if (b.ontwerp().AantalVoorwerpen() > 0) pictEtiket_->SelecteerVoorwerp(1);
    });
  });
  // Delete on the label picture; the entry itself has no shortcut, and is
  // off while a job runs.
  connect(pictEtiket_, &EtiketPlaatje::VerwijderenGevraagd, verwijderen, &QAction::trigger);
  mnuAllesSelekteren_ = regel(bewerken, "mnuAllesSelekteren", QStringLiteral("&Alles selekteren"));
  mnuAllesSelekteren_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
  connect(mnuAllesSelekteren_, &QAction::triggered, this,
          [this] { Opdracht([this] { pictEtiket_->AllesSelecteren(); }); });
  bewerken->addSeparator();
  // Lining up the selection: on each other, or a single element on the label.
  QMenu* uitlijnen = bewerken->addMenu(QStringLiteral("&Uitlijnen"));
  uitlijnen->setObjectName(QStringLiteral("mnuUitlijnen"));
  uitlijnen->menuAction()->setObjectName(QStringLiteral("mnuUitlijnen"));
  const struct {
    const char* naam;
    const char* tekst;
    Uitlijning hoe;
  } manieren[] = {{"mnuUitlijnenLinks", "&Links", Uitlijning::Links},
                  {"mnuUitlijnenCentreren", "&Centreren", Uitlijning::Centreren},
                  {"mnuUitlijnenRechts", "&Rechts", Uitlijning::Rechts},
                  {"mnuUitlijnenBoven", "&Boven", Uitlijning::Boven},
                  {"mnuUitlijnenMidden", "&Midden", Uitlijning::Midden},
                  {"mnuUitlijnenOnder", "&Onder", Uitlijning::Onder},
                  {"mnuHorizontaalVerdelen", "&Horizontaal verdelen", Uitlijning::HorizontaalVerdelen},
                  {"mnuVerticaalVerdelen", "&Verticaal verdelen", Uitlijning::VerticaalVerdelen}};
  for (const auto& m : manieren) {
    if (m.hoe == Uitlijning::Boven || m.hoe == Uitlijning::HorizontaalVerdelen) uitlijnen->addSeparator();
    QAction* a = regel(uitlijnen, m.naam, QString::fromUtf8(m.tekst));
    connect(a, &QAction::triggered, this, [this, hoe = m.hoe] {
      Opdracht([this, hoe] {
        const std::vector<int> gekozen = bewerking().GeselecteerdeVoorwerpen();
        if (gekozen.empty()) return;
        Wijziging wijziging(bewerker_);
        Uitlijnen(wijziging.ontwerp(), gekozen, hoe, bewerker_.Formaat());
      });
    });
  }
  // Spreading takes three; lining up, one on the label or several together.
  connect(uitlijnen, &QMenu::aboutToShow, this, [this, uitlijnen] {
    const size_t n = bewerking().GeselecteerdeVoorwerpen().size();
    for (QAction* a : uitlijnen->actions())
      if (!a->isSeparator())
        a->setEnabled(a->objectName().endsWith(QStringLiteral("Verdelen")) ? n >= 3 : n >= 1);
  });

  QMenu* tekstMenu = menuBar()->addMenu(QStringLiteral("&Tekst"));
  tekstMenu->setObjectName(QStringLiteral("mnuTekst"));
  for (QAction* a : tekst.lijnen) tekstMenu->addAction(a);
  tekstMenu->addAction(tekst.meerLijnen);
  tekstMenu->addSeparator();
  for (QAction* a : tekst.stijl) tekstMenu->addAction(a);
  tekstMenu->addSeparator();
  tekstMenu->addActions({tekst.rondeTekstToevoegen, tekst.rondeTekstWijzigen, tekst.tekstOmzetten});
  tekstMenu->addSeparator();
  tekstMenu->addActions({tekst.passend, tekst.kleinsteGrootte});

  QMenu* figuur = menuBar()->addMenu(QStringLiteral("&Figuur"));
  figuur->setObjectName(QStringLiteral("mnuFiguur"));
  figuur->addAction(figuren.bestandInvoegen);
  figuur->addMenu(figuren.bestandInvoegen2);
  figuur->addAction(figuren.galerijen);
  figuur->addSeparator();
  figuur->addAction(streepjescodes_->Actie());
  figuur->addSeparator();
  figuur->addActions({figuren.scannerSelecteren, figuren.afbeeldingScannen});
  figuur->addSeparator();
  figuur->addAction(figuren.afdrukkenAls);
  connect(figuur, &QMenu::aboutToShow, figuren_, &FiguurPaneel::mnuFiguur_Click);

  QMenu* opties = menuBar()->addMenu(QStringLiteral("&Opties"));
  opties->setObjectName(QStringLiteral("mnuOpties"));
  opties->addActions({afdruk.printerinstelling, afdruk.verschuivenAfdruk});
  opties->addSeparator();
  opties->addAction(afdruk.spaarstand);
  mnuToonAfdrukbaargebied_ = regel(opties, "mnuToonAfdrukbaargebied", QStringLiteral("&Toon afdrukbaar gebied"));
  mnuToonAfdrukbaargebied_->setCheckable(true);
  // Qt toggles the check mark itself before the handler runs.
  connect(mnuToonAfdrukbaargebied_, &QAction::triggered, this, [this] { ToonAfdrukbaarGebied(); });
  opties->addSeparator();
  opties->addAction(tekst.standaardVastleggen);

  QMenu* beeldMenu = menuBar()->addMenu(QStringLiteral("Bee&ld"));
  beeldMenu->setObjectName(QStringLiteral("mnuBeeld"));
  beeldMenu->addActions({zoom_->InzoomenActie(), zoom_->UitzoomenActie(), zoom_->PassendActie()});
  beeldMenu->addSeparator();
  QAction* raster = regel(beeldMenu, "mnuRasterTonen", QStringLiteral("&Raster tonen"));
  raster->setCheckable(true);
  connect(raster, &QAction::toggled, this,
          [this](bool aan) { pictEtiket_->ZetRaster(pictEtiket_->Raster(), aan); });
  QAction* afstand = regel(beeldMenu, "mnuRasterafstand", QStringLiteral("Raster&afstand ..."));
  connect(afstand, &QAction::triggered, this, [this, raster] {
    bool ok = false;
    const double mm = QInputDialog::getDouble(this, QStringLiteral("Rasterafstand"),
                                              QStringLiteral("Afstand tussen de rasterpunten (mm):"),
                                              pictEtiket_->Raster(), 0.5, 50, 1, &ok);
    if (ok) {
      pictEtiket_->ZetRaster(float(mm), true);
      raster->setChecked(true);
    }
  });

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  QAction* info = regel(help, "mnuInfo", QStringLiteral("&Info"));
  info->setShortcut(QKeySequence(Qt::Key_F1));
  connect(info, &QAction::triggered, this, [this] {
    Begroeting venster(Begroeting::Rol::Info, this);
    venster.exec();
  });

  // The history moved: undo and redo follow.
  connect(&bewerker_, &Bewerker::GeschiedenisVeranderd, this, [this] {
    mnuOngedaan_->setEnabled(geschiedenis().KanOngedaan());
    mnuOpnieuw_->setEnabled(geschiedenis().KanOpnieuw());
  });
}

void Etiket::MaakBesturing() {
  centraal_ = new QWidget(this);
  centraal_->setObjectName(QStringLiteral("centraal"));
  setCentralWidget(centraal_);
  platform::MessageService& meldingen = *opties_.meldingen;
  platform::SettingsStore& store = *opties_.instellingen;

  // The picture scrolls in an area of its own when zoomed in.
  scrEtiket_ = new QScrollArea(centraal_);
  scrEtiket_->setObjectName(QStringLiteral("scrEtiket"));
  scrEtiket_->setFrameShape(QFrame::NoFrame);
  scrEtiket_->setAlignment(Qt::AlignCenter);
  scrEtiket_->setWidgetResizable(false);
  // Small enough for a small screen, large enough to work on a label.
  scrEtiket_->setMinimumSize(240, 180);
  scrEtiket_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  pictEtiket_ = new EtiketPlaatje(bewerker_, meldingen, scrEtiket_);
  scrEtiket_->setWidget(pictEtiket_);
  zoom_ = new Zoom(*scrEtiket_, *pictEtiket_, this);
  connect(pictEtiket_, &EtiketPlaatje::Vergroot, this, [this] {
    if (geladen_) pictEtiket_->BerekenSchaal();
  });

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

  tekst_ = new TekstPaneel(bewerker_, *pictEtiket_, meldingen, store, centraal_);
  const Omgeving omgeving = MaakOmgeving();
  figuren_ = new FiguurPaneel(bewerker_, *pictEtiket_, *tekst_, instellingen_, omgeving, centraal_);
  afdruk_ = new AfdrukPaneel(bewerker_, instellingen_, *tekst_->Tekstvak(), omgeving, centraal_);
  connect(afdruk_, &AfdrukPaneel::BezigVeranderd, this, &Etiket::ZetAfdrukBezig);
  connect(afdruk_, &AfdrukPaneel::InstellingenVeranderd, this, &Etiket::BewaarInstellingen);
  connect(afdruk_, &AfdrukPaneel::VerschuivingVeranderd, this, &Etiket::ToonAfdrukbaarGebied);
  bestanden_ = new Bestandsopdrachten(
      {*this, bewerker_, *pictEtiket_, *tekst_, *afdruk_, formaten_, instellingen_, [this] { return BeheerEigenFormaten(); },
       [this] { return KiesSjabloonbestand(); }, [this] { return VoorraadUitleg(); }},
      {meldingen, omgeving.bestanden, store, opties_.herstelMap, opties_.herstelMs, opties_.bewaarWeg}, this);
  connect(cmdKiezen_, &QPushButton::clicked, this, [this] { Opdracht([this] { bestanden_->cmdKiezen_Click(); }); });
  streepjescodes_ = new Streepjescodes(*this, bewerker_, *pictEtiket_, *afdruk_, instellingen_, meldingen, this);
  if (!opties_.afdrukdialogen) eigenAfdrukdialogen_ = std::make_unique<platform::QtPrintDialogs>();
  vellen_ = new Vellenafdruk(*this, bewerker_, *afdruk_, omgeving,
                             opties_.afdrukdialogen ? *opties_.afdrukdialogen : *eigenAfdrukdialogen_, this);

  // The editor core tells when the picture needs a new scale.
  connect(&bewerker_, &Bewerker::FormaatVeranderd, this, [this] {
    BerekenSchaal();
    ToonAfdrukbaarGebied();
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
  rooster->addWidget(scrEtiket_, 0, 0);
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

Omgeving Etiket::MaakOmgeving() {
  if (!opties_.bestanden) eigenBestanden_ = std::make_unique<platform::QtFileDialogs>();
  if (!opties_.processen) eigenProcessen_ = std::make_unique<platform::QtProcessStarter>();
  if (!opties_.klembord) eigenKlembord_ = std::make_unique<platform::QtClipboard>();
  if (!opties_.scanner) eigenScanner_ = std::make_unique<platform::SaneScanner>();
  return {*opties_.meldingen,
          *opties_.instellingen,
          opties_.bestanden ? *opties_.bestanden : *eigenBestanden_,
          opties_.processen ? *opties_.processen : *eigenProcessen_,
          opties_.klembord ? *opties_.klembord : *eigenKlembord_,
          opties_.scanner ? *opties_.scanner : *eigenScanner_,
          opties_.programmaMap.isEmpty() ? platform::appinfo::programFolder() : opties_.programmaMap,
          opties_.kiesOmzetting ? opties_.kiesOmzetting
                                : OmzettingKiezen([](const QImage& grijs, QRect bron, QSize vak, const Omzetting& begin,
                                                     QWidget* ouder) {
                                    RasterDialoog dialoog(grijs, bron, vak, ouder);
                                    return dialoog.Toon(begin);
                                  })};
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
  catalogus_ = std::move(std::get<FormatenTabel>(gelezen));
  // The own formats and the stock sheets come after the catalogue, whose
  // indexes the settings and the designs know.
  if (!opties_.eigenFormaten.isEmpty()) {
    QString fout;
    eigenFormaten_ = LeesEigenFormaten(opties_.eigenFormaten, &fout);
    if (!fout.isEmpty())
      opties_.meldingen->show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"), fout);
  }
  sjabloonBestanden_ = opties_.instellingen->readList(QStringLiteral("Defaults"), QStringLiteral("TemplateFiles"));
  voorraad_ = LeesVoorraadvellen(opties_.sjablonenMap, sjabloonBestanden_);
  formaten_ = VoegFormatenSamen(catalogus_, eigenFormaten_, voorraad_.formaten);
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
  bestanden_->Start();
  return true;
}

void Etiket::StelFormatenSamen() {
  const QString naam = HuidigEtiketFormaat().Naam;
  const qint16 oud = ontwerp().HuidigFormaat;
  const bool bewaard = !bewerker_.Gewijzigd();
  formaten_ = VoegFormatenSamen(catalogus_, eigenFormaten_, voorraad_.formaten);
  // The formats after a changed one moved: the open design finds its own
  // again by name, and the undo steps, which know formats by place, go.
  const int nieuw = formaten_.ZoekFormaat(naam);
  if (nieuw > 0 && nieuw != oud) {
    Wijziging wijziging(bewerker_);
    wijziging.ontwerp().HuidigFormaat = qint16(nieuw);
  }
  bewerker_.WisGeschiedenis();
  if (bewaard) bewerker_.ZetBewaard();
  bestanden_->FormatenVeranderd();
  // A changed size of the format in use is drawn anew.
  BerekenSchaal();
  ToonAfdrukbaarGebied();
}

std::optional<QString> Etiket::ZetEigenFormaten(const std::vector<EtiketFormaat>& formaten) {
  if (!opties_.eigenFormaten.isEmpty())
    if (const auto fout = BewaarEigenFormaten(opties_.eigenFormaten, formaten)) return fout;
  eigenFormaten_ = formaten;
  StelFormatenSamen();
  return std::nullopt;
}

bool Etiket::BeheerEigenFormaten() {
  EigenFormaten::Omgeving omgeving{
      *opties_.meldingen, [this](const std::vector<EtiketFormaat>& f) { return ZetEigenFormaten(f); },
      [this](const QString& naam) {
        const int i = formaten_.ZoekFormaat(naam);
        return i > 0 && (i <= catalogus_.AantalFormaten() ||
                         (formaten_.EersteVoorraad() > 0 && i >= formaten_.EersteVoorraad()));
      },
      HuidigEtiketFormaat().Naam};
  EigenFormaten dialoog(eigenFormaten_, std::move(omgeving), this);
  dialoog.exec();
  return dialoog.Gewijzigd();
}

bool Etiket::LeesSjabloonbestand(const QString& pad) {
  const Voorraadvellen gelezen = LeesVoorraadvellen(QString(), {pad});
  if (gelezen.formaten.empty()) {
    opties_.meldingen->show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"),
                            QStringLiteral("In %1 staan geen etiketvellen die Vellora kan afdrukken.").arg(pad));
    return false;
  }
  if (!sjabloonBestanden_.contains(pad)) sjabloonBestanden_ << pad;
  opties_.instellingen->writeList(QStringLiteral("Defaults"), QStringLiteral("TemplateFiles"), sjabloonBestanden_);
  voorraad_ = LeesVoorraadvellen(opties_.sjablonenMap, sjabloonBestanden_);
  StelFormatenSamen();
  QString tekst = QStringLiteral("%1 etiketvellen gelezen uit %2.").arg(gelezen.formaten.size()).arg(pad);
  if (gelezen.overgeslagen > 0)
    tekst += QStringLiteral("\n%1 overgeslagen: hun vorm (zoals cd-etiketten) of indeling kan Vellora niet afdrukken.")
                 .arg(gelezen.overgeslagen);
  opties_.meldingen->show(platform::MessageService::Icon::Information, QStringLiteral("Etiketvellen"), tekst);
  return true;
}

bool Etiket::KiesSjabloonbestand() {
  platform::FileDialogs& dialogen = opties_.bestanden ? *opties_.bestanden : *eigenBestanden_;
  const QString pad = dialogen.openFile(this, QStringLiteral("Sjabloonbestand"), opties_.sjablonenMap,
                                        QStringLiteral("gLabels-sjablonen (*.xml);;Alle bestanden (*)"));
  return !pad.isEmpty() && LeesSjabloonbestand(pad);
}

QString Etiket::VoorraadUitleg() const {
  const int aantal = formaten_.EersteVoorraad() > 0 ? formaten_.AantalFormaten() - formaten_.EersteVoorraad() + 1 : 0;
  QString tekst = QStringLiteral("%1 etiketvellen uit de winkel").arg(aantal);
  if (voorraad_.overgeslagen > 0)
    tekst += QStringLiteral("; %1 overgeslagen, want hun vorm (zoals cd-etiketten) of indeling kan Vellora niet "
                            "afdrukken")
                 .arg(voorraad_.overgeslagen);
  return tekst;
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

void Etiket::mnuEindeProgramma_Click() {
  if (!bestanden_->WijzigingenBewaren()) return;
  // Ends at once: no closing steps, the settings stay as they were.
  bestanden_->herstelkopie().Wis();
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
  bestanden_->recent().ZetBeschikbaar(!bezig);
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
  if (!eindeZonderOpslaan_ && geladen_ && !bestanden_->WijzigingenBewaren()) {
    e->ignore();
    return;
  }
  bestanden_->herstelkopie().Wis();
  if (!eindeZonderOpslaan_ && geladen_) {
    // A sheet held open in the printer is finished before the program goes.
    if (afdruk_->velStand().VelOpen) Opdracht([this] { afdruk_->AfsluitenJobSATO(); });
    BewaarInstellingen();
  }
  e->accept();
}

}  // namespace ui
