#include "ui/Etiket.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEventLoop>
#include <QFontDatabase>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "ui/Begroeting.h"
#include "ui/EtiketPlaatje.h"
#include "ui/Pictogrammen.h"
#include "ui/TekstlijnenDialoog.h"
#include "platform/Clipboard.h"
#include "platformwidgets/FileDialogs.h"
#include "platform/ProcessStarter.h"
#include "ui/AfdrukVoortgang.h"
#include "platform/Scanner.h"
#include "ui/ScannerKiezen.h"
#include "ui/frmGalerij.h"
#include "ui/NummeringDialoog.h"
#include "ui/frmRondeTekst.h"
#include "ui/FormaatDialoog.h"
#include "files/Catalogus.h"
#include "model/Afronden.h"
#include "model/Getal.h"
#include "platform/AppInfo.h"
#include "platformwidgets/MessageService.h"
#include "platform/SettingsStore.h"
#include "platformwidgets/WidgetHelpers.h"

namespace {

// The width of the column of frames on the right.
constexpr int kRechterKolom = 216;

template <typename W>
W* Nieuw(QWidget* ouder, const char* naam) {
  auto* w = new W(ouder);
  w->setObjectName(QString::fromLatin1(naam));
  return w;
}

// A push button; a small one (breedte > 0) keeps that width.
QPushButton* Knop(QWidget* ouder, const char* naam, const QString& tekst, int breedte = 0) {
  auto* k = Nieuw<QPushButton>(ouder, naam);
  k->setText(tekst);
  if (breedte > 0) k->setFixedWidth(breedte);
  return k;
}

}  // namespace

Etiket::Etiket(EtiketOpties opties, QWidget* parent)
    : QMainWindow(parent), opties_(std::move(opties)), beeld_(bewerking_, formaten_) {
  setObjectName(QStringLiteral("Etiket"));
  setWindowTitle(QStringLiteral("Vellora"));
  MaakMenus();
  MaakBesturing();
}

Etiket::~Etiket() = default;

QSize Etiket::OntwerpMaat() { return {840, 500}; }

QAction* Etiket::Menuregel(QMenu* menu, const char* naam, const QString& tekst, bool beschikbaar) {
  QAction* a = menu->addAction(tekst);
  a->setObjectName(QString::fromLatin1(naam));
  a->setEnabled(beschikbaar);
  return a;
}

void Etiket::MaakMenus() {
  // Entries whose commands are not there yet stay disabled.
  QMenu* bestand = menuBar()->addMenu(QStringLiteral("&Bestand"));
  bestand->setObjectName(QStringLiteral("mnuBestand"));
  mnuNieuwEtiket_ = Menuregel(bestand, "mnuNieuwEtiket", QStringLiteral("&Nieuw"), true);
  mnuOpenen_ = Menuregel(bestand, "mnuOpenen", QStringLiteral("&Openen ..."), true);
  mnuOpslaan_ = Menuregel(bestand, "mnuOpslaan", QStringLiteral("O&pslaan "), true);
  mnuOpslaanAls_ = Menuregel(bestand, "mnuOpslaanAls", QStringLiteral("Ops&laan als ..."), true);
  bestand->addSeparator();
  mnuAfdrukken_ = Menuregel(bestand, "mnuAfdrukken", QStringLiteral("&Afdrukken"), true);
  bestand->addSeparator();
  QAction* einde = Menuregel(bestand, "mnuEindeProgramma", QStringLiteral("&Einde Programma"), true);
  connect(einde, &QAction::triggered, this, &Etiket::mnuEindeProgramma_Click);

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
  connect(Menuregel(bewerken, "mnuVerwijderen", QStringLiteral("&Verwijderen"), true), &QAction::triggered, this,
          [this] { Opdracht([this] { mnuVerwijderen_Click(); }); });
  mnuAllesSelekteren_ = Menuregel(bewerken, "mnuAllesSelekteren", QStringLiteral("&Alles selekteren"), true);
  mnuAllesSelekteren_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
  connect(mnuAllesSelekteren_, &QAction::triggered, this, [this] { Opdracht([this] { mnuAllesSelekteren_Click(); }); });

  QMenu* tekst = menuBar()->addMenu(QStringLiteral("&Tekst"));
  tekst->setObjectName(QStringLiteral("mnuTekst"));
  for (int i = 1; i <= 5; ++i) {
    const QString tekstregel = i == 1 ? QStringLiteral("&1 Lijn") : QStringLiteral("&%1 Lijnen").arg(i);
    QAction* a = Menuregel(tekst, QStringLiteral("mnuTekstLijnen%1").arg(i).toLatin1().constData(), tekstregel, true);
    connect(a, &QAction::triggered, this, [this, i] { Opdracht([this, i] { LijnenToevoegen(qint16(i)); }); });
  }
  connect(Menuregel(tekst, "mnuMeerLijnen", QStringLiteral("&Meer lijnen"), true), &QAction::triggered, this,
          [this] { Opdracht([this] { mnuMeerLijnen_Click(); }); });
  tekst->addSeparator();
  const char* stijlNamen[3] = {"mnuVet", "mnuCursief", "mnuOnderlijnd"};
  const QString stijlTeksten[3] = {QStringLiteral("&Vet"), QStringLiteral("&Cursief"), QStringLiteral("&Onderlijnd")};
  for (int i = 0; i < 3; ++i) {
    stijlMenus_[size_t(i)] = Menuregel(tekst, stijlNamen[i], stijlTeksten[i], true);
    stijlMenus_[size_t(i)]->setCheckable(true);
  }
  tekst->addSeparator();
  mnuRondeTekstToevoegen_ = Menuregel(tekst, "mnuRondeTekstToevoegen", QStringLiteral("&Ronde tekst toevoegen ..."), true);
  // These two follow the selection; they start disabled.
  mnuRondeTekstWijzigen_ = Menuregel(tekst, "mnuRondeTekstWijzigen", QStringLiteral("Ronde tekst &wijzigen ..."), false);
  mnuTekstOmzetten_ = Menuregel(tekst, "mnuTekstOmzetten", QStringLiteral("Om&zetten naar ronde tekst ..."), false);

  QMenu* figuur = menuBar()->addMenu(QStringLiteral("&Figuur"));
  figuur->setObjectName(QStringLiteral("mnuFiguur"));
  mnuBestandInvoegen_ = Menuregel(figuur, "mnuBestandInvoegen", QStringLiteral("&Bestand invoegen"), true);
  mnuBestandInvoegen2_ = figuur->addMenu(QStringLiteral("&Bestand invoegen"));
  mnuBestandInvoegen2_->setObjectName(QStringLiteral("mnuBestandInvoegen2"));
  mnuBestandInvoegen2_->menuAction()->setObjectName(QStringLiteral("mnuBestandInvoegen2"));
  mnuBestandInvoegen2_->menuAction()->setVisible(false);
  mnuGalerij_.push_back(Menuregel(mnuBestandInvoegen2_, "mnuGalerij0", QStringLiteral("Gallerij"), true));
  mnuGalerijen_ = Menuregel(figuur, "mnuGalerijen", QStringLiteral("&Galerijen"), true);
  figuur->addSeparator();
  mnuScannerSelecteren_ = Menuregel(figuur, "mnuScannerSelecteren", QStringLiteral("&Scanner selecteren ..."), false);
  mnuAfbeeldingscannen_ = Menuregel(figuur, "mnuAfbeeldingscannen", QStringLiteral("&Afbeelding Scannen ..."), false);

  QMenu* opties = menuBar()->addMenu(QStringLiteral("&Opties"));
  opties->setObjectName(QStringLiteral("mnuOpties"));
  connect(Menuregel(opties, "mnuPrinterinstelling", QStringLiteral("Printer&instelling..."), true), &QAction::triggered,
          this, [this] { Opdracht([this] { mnuPrinterinstelling_Click(); }); });
  connect(Menuregel(opties, "mnuVerschuivenAfdruk", QStringLiteral("&Verschuiven afdruk ..."), true),
          &QAction::triggered, this, [this] { Opdracht([this] { mnuVerschuivenAfdruk_Click(); }); });
  opties->addSeparator();
  mnuSpaarstand_ = Menuregel(opties, "mnuSpaarstand", QStringLiteral("S&paarstand"), true);
  mnuSpaarstand_->setCheckable(true);
  mnuToonAfdrukbaargebied_ = Menuregel(opties, "mnuToonAfdrukbaargebied", QStringLiteral("&Toon afdrukbaar gebied"), true);
  mnuToonAfdrukbaargebied_->setCheckable(true);
  // Qt toggles the check mark itself before the handler runs.
  connect(mnuToonAfdrukbaargebied_, &QAction::triggered, this, [this] { ToonAfdrukbaarGebied(); });
  opties->addSeparator();
  connect(Menuregel(opties, "mnuStandaardVastleggen", QStringLiteral("&Standaard vastleggen"), true),
          &QAction::triggered, this, &Etiket::BewaarKenmerken);

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  QAction* info = Menuregel(help, "mnuInfo", QStringLiteral("&Info"), true);
  connect(info, &QAction::triggered, this, &Etiket::mnuInfo_Click);
}

void Etiket::MaakBesturing() {
  centraal_ = new QWidget(this);
  centraal_->setObjectName(QStringLiteral("centraal"));
  setCentralWidget(centraal_);

  pictEtiket_ = new EtiketPlaatje(centraal_);
  pictEtiket_->ZetBeeld(&beeld_);
  // Small enough for a small screen, large enough to work on a label.
  pictEtiket_->setMinimumSize(240, 180);
  pictEtiket_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  connect(pictEtiket_, &EtiketPlaatje::Vergroot, this, &Etiket::pictEtiket_Resize);

  txtTekstlijn_ = Nieuw<QLineEdit>(centraal_, "txtTekstlijn");
  cmdNummering_ = Knop(centraal_, "cmdNummering", QStringLiteral("1,2,3,..."));

  frmFormaat_ = Nieuw<QGroupBox>(centraal_, "frmFormaat");
  frmFormaat_->setTitle(QStringLiteral("Formaat"));
  cmdKiezen_ = Knop(frmFormaat_, "cmdKiezen", QStringLiteral("Kiezen"));
  lblVorm_ = Nieuw<QLabel>(frmFormaat_, "lblVorm");
  lblAfmeting_ = Nieuw<QLabel>(frmFormaat_, "lblAfmeting");
  {
    auto* rij = new QHBoxLayout(frmFormaat_);
    rij->addWidget(cmdKiezen_, 0, Qt::AlignTop);
    auto* vorm = new QVBoxLayout;
    vorm->addWidget(lblVorm_);
    vorm->addWidget(lblAfmeting_);
    rij->addLayout(vorm, 1);
  }

  frmTekst_ = Nieuw<QGroupBox>(centraal_, "frmTekst");
  frmTekst_->setTitle(QStringLiteral("Tekst"));
  auto* lijnen = new QHBoxLayout;
  lijnen->setSpacing(2);
  auto* lblLijnen = Nieuw<QLabel>(frmTekst_, "lblLijnen");
  lblLijnen->setText(QStringLiteral("Lijnen:"));
  lijnen->addWidget(lblLijnen);
  for (int i = 0; i < 5; ++i) {
    cmdLijnen_[size_t(i)] =
        Knop(frmTekst_, QStringLiteral("cmdLijnen%1").arg(i).toLatin1().constData(), QString::number(i + 1), 28);
    lijnen->addWidget(cmdLijnen_[size_t(i)]);
  }
  lijnen->addStretch();
  cmbLettertype_ = Nieuw<QComboBox>(frmTekst_, "cmbLettertype");
  cmbLettertype_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  cmbLettertype_->setMinimumContentsLength(12);
  txtLettergrootte_ = Nieuw<QLineEdit>(frmTekst_, "txtLettergrootte");
  txtLettergrootte_->setFixedWidth(44);
  spinLettergrootte_ = Nieuw<QScrollBar>(frmTekst_, "spinLettergrootte");
  spinLettergrootte_->setOrientation(Qt::Vertical);
  spinLettergrootte_->setFixedSize(16, 26);
  // Kept at 500 between clicks: below means the upper arrow, above the lower.
  spinLettergrootte_->setRange(0, 1000);
  spinLettergrootte_->setSingleStep(1);
  spinLettergrootte_->setPageStep(1);
  spinLettergrootte_->setValue(500);
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
    QPushButton* k = Knop(frmTekst_, stijlen[i].naam, QString::fromLatin1(stijlen[i].tekst), 28);
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
    QPushButton* k = Knop(frmTekst_, QStringLiteral("cmdUitlijning%1").arg(i).toLatin1().constData(), QString(), 28);
    k->setIcon(platform::alignmentIcon(i));
    k->setToolTip(QString::fromLatin1(uitlijnTips[i]));
    k->setCheckable(true);
    k->setAutoExclusive(true);
    cmdUitlijning_[size_t(i)] = k;
    uitlijnen->addWidget(k);
  }
  uitlijnen->addSpacing(4);
  cmdCentreren_ = Knop(frmTekst_, "cmdCentreren", QStringLiteral("Centreren"));
  cmdCentreren_->setToolTip(QStringLiteral("De selectie op het midden van het etiket zetten"));
  uitlijnen->addWidget(cmdCentreren_, 1);
  chkAutomatischVerdelen_ = Nieuw<QCheckBox>(frmTekst_, "chkAutomatischVerdelen");
  chkAutomatischVerdelen_->setText(QStringLiteral("Automatisch schikken"));
  // The program starts on a new design, which arranges its lines itself.
  chkAutomatischVerdelen_->setChecked(true);
  cmdRondeTekstToevoegen_ = Knop(frmTekst_, "cmdRondeTekstToevoegen", QStringLiteral("Ronde tekst"));
  cmdRondeTekstToevoegen_->setToolTip(QStringLiteral("Ronde tekst toevoegen"));
  cmdTekstConverteren_ = Knop(frmTekst_, "cmdTekstConverteren", QStringLiteral("Omzetten"));
  cmdTekstConverteren_->setToolTip(QStringLiteral("Tekst omzetten naar ronde of rechte tekst"));
  auto* rond = new QHBoxLayout;
  rond->addWidget(cmdRondeTekstToevoegen_);
  rond->addWidget(cmdTekstConverteren_);
  {
    auto* tekst = new QVBoxLayout(frmTekst_);
    tekst->setSpacing(6);
    tekst->addLayout(lijnen);
    tekst->addWidget(cmbLettertype_);
    tekst->addLayout(grootte);
    tekst->addLayout(uitlijnen);
    tekst->addWidget(chkAutomatischVerdelen_);
    tekst->addLayout(rond);
  }

  frmFiguur_ = Nieuw<QGroupBox>(centraal_, "frmFiguur");
  frmFiguur_->setTitle(QStringLiteral("Figuur"));
  cmdBestand_ = Knop(frmFiguur_, "cmdBestand", QStringLiteral("Bestand"));
  cmdBestand_->setToolTip(QStringLiteral("Bestand invoegen"));
  cmdPlakken_ = Knop(frmFiguur_, "cmdPlakken", QStringLiteral("Plakken"));
  cmdPlakken_->setToolTip(QStringLiteral("Een afbeelding plakken"));
  {
    auto* figuur = new QHBoxLayout(frmFiguur_);
    auto* bronnen = new QVBoxLayout;
    bronnen->addWidget(cmdBestand_);
    bronnen->addWidget(cmdPlakken_);
    figuur->addLayout(bronnen);
    figuur->addStretch();
    // The four places of the picture, as a cross of arrows.
    auto* pijlen = new QGridLayout;
    pijlen->setSpacing(1);
    const struct {
      const char* naam;
      const char* pijl;
      int rij, kolom;
    } plekken[4] = {{"cmdFiguurBoven", "▲", 0, 1},
                    {"cmdFiguurLinks", "◀", 1, 0},
                    {"cmdFiguurRechts", "▶", 1, 2},
                    {"cmdFiguurOnder", "▼", 2, 1}};
    for (const auto& p : plekken) {
      QPushButton* k = Knop(frmFiguur_, p.naam, QString::fromUtf8(p.pijl), 26);
      k->setFixedHeight(20);
      k->setEnabled(false);
      pijlen->addWidget(k, p.rij, p.kolom);
    }
    figuur->addLayout(pijlen);
  }

  frmAfdruk_ = Nieuw<QGroupBox>(centraal_, "frmAfdruk");
  frmAfdruk_->setTitle(QStringLiteral("Afdruk"));
  txtAantal_ = Nieuw<QLineEdit>(frmAfdruk_, "txtAantal");
  txtAantal_->setText(QStringLiteral("1"));
  txtAantal_->setFixedWidth(44);
  cmdStartAfdrukken_ = Knop(frmAfdruk_, "cmdStartAfdrukken", QStringLiteral("Start afdrukken"));
  imgEco_ = Nieuw<QLabel>(frmAfdruk_, "imgEco");
  imgEco_->setFixedSize(16, 16);
  imgEco_->setPixmap(SpaarstandLamp(0));
  imgEco_->setToolTip(QStringLiteral("Spaarstand"));
  {
    auto* afdruk = new QHBoxLayout(frmAfdruk_);
    afdruk->addWidget(txtAantal_);
    afdruk->addWidget(cmdStartAfdrukken_, 1);
    afdruk->addWidget(imgEco_);
  }

  // The picture and the line box on the left grow with the window; the
  // column of frames on the right keeps its width.
  auto* rechts = new QVBoxLayout;
  rechts->setSpacing(2);
  for (QGroupBox* frame : {frmFormaat_, frmTekst_, frmFiguur_, frmAfdruk_}) rechts->addWidget(frame);
  rechts->addStretch();
  auto* rooster = new QGridLayout(centraal_);
  rooster->setContentsMargins(8, 2, 8, 8);
  rooster->setHorizontalSpacing(8);
  rooster->addWidget(pictEtiket_, 0, 0);
  rooster->addLayout(rechts, 0, 1);
  rooster->addWidget(txtTekstlijn_, 1, 0);
  rooster->addWidget(cmdNummering_, 1, 1);
  rooster->setColumnStretch(0, 1);
  rooster->setRowStretch(0, 1);
  const int kolom = std::max(kRechterKolom, rechts->sizeHint().width());
  for (QWidget* w : {static_cast<QWidget*>(frmFormaat_), static_cast<QWidget*>(frmTekst_),
                     static_cast<QWidget*>(frmFiguur_), static_cast<QWidget*>(frmAfdruk_),
                     static_cast<QWidget*>(cmdNummering_)})
    w->setFixedWidth(kolom);

  VerbindTekst();
  VerbindSelectie();
  VerbindAfdrukken();
  VerbindRondeTekst();
  VerbindBestanden();
  VerbindFiguren();
  VerbindSlepen();
  VerbindKlembord();
  VerbindScannen();
  VerbindGalerijen();
  centraal_->installEventFilter(this);
  for (QLineEdit* vak : {txtTekstlijn_, txtLettergrootte_, txtAantal_}) vak->installEventFilter(this);
  resize(OntwerpMaat().expandedTo(minimumSizeHint()));
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
  setWindowTitle(QStringLiteral("Vellora"));

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
  LeesLettertypes();
  LeesInstellingen();
  LeesKenmerken();

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
  return true;
}

void Etiket::LeesLettertypes() {
  cmbLettertype_->clear();
  cmbLettertype_->addItems(QFontDatabase::families());
}

void Etiket::BerekenSchaal() {
  if (!geladen_) return;
  const QSize px = pictEtiket_->PixelMaat();
  const QSizeF twips = pictEtiket_->TwipsMaat();
  beeld_.BerekenSchaal(px.width(), px.height(), twips.width(), twips.height());
  HertekenAlles();
}

void Etiket::pictEtiket_Resize() {
  if (!geladen_) return;
  const QSize px = pictEtiket_->PixelMaat();
  if (px.width() == bewerking_.Schaal.PixelBreedte && px.height() == bewerking_.Schaal.PixelHoogte) return;
  BerekenSchaal();
}

bool Etiket::eventFilter(QObject* o, QEvent* e) {
  // The edit boxes would keep Ctrl+Z, Ctrl+Y and Ctrl+A for their own text;
  // in this window they undo, redo and select the whole design.
  if (e->type() == QEvent::ShortcutOverride &&
      (o == txtTekstlijn_ || o == txtLettergrootte_ || o == txtAantal_)) {
    const QKeySequence toets(static_cast<QKeyEvent*>(e)->keyCombination());
    for (const QAction* a : {mnuOngedaan_, mnuOpnieuw_, mnuAllesSelekteren_})
      if (a->shortcuts().contains(toets)) return true;
  }
  if (o == centraal_ && e->type() == QEvent::Resize) Form_Resize();
  // Entering the size or copies box selects all of it.
  if ((o == txtLettergrootte_ || o == txtAantal_) && e->type() == QEvent::FocusIn)
    QTimer::singleShot(0, static_cast<QLineEdit*>(o), &QLineEdit::selectAll);
  // The economy lamp works like its menu entry.
  if (o == imgEco_ && e->type() == QEvent::MouseButtonPress) {
    mnuSpaarstand_->toggle();
    Opdracht([this] { mnuSpaarstand_Click(); });
    return true;
  }
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
  VerbergAlles();
  // A hidden picture gets its resize event only when shown: scale now.
  pictEtiket_Resize();
  HertekenAlles();
  ToonAfdrukbaarGebied();
  ToonAlles();
}

void Etiket::HertekenAlles() {
  beeld_.TekenAlles();
  lblVorm_->setText(beeld_.Vorm());
  lblAfmeting_->setText(beeld_.Afmeting());
  pictEtiket_->ToonAlles();
}

void Etiket::ToonAfdrukbaarGebied() {
  const QString& naam = HuidigEtiketFormaat().Naam;
  beeld_.ToonAfdrukbaarGebied(mnuToonAfdrukbaargebied_->isChecked(),
                              HorizontaleVerschuiving(*opties_.instellingen, naam),
                              VerticaleVerschuiving(*opties_.instellingen, naam));
  pictEtiket_->ToonAlles();
}

void Etiket::VerbergAlles() {
  beeld_.VerbergAlles();
  pictEtiket_->ToonAlles();
}

void Etiket::ToonAlles() {
  beeld_.ToonAlles();
  pictEtiket_->PlaatsHandvatWidgets();
  pictEtiket_->ToonAlles();
}

void Etiket::ToonFout(const QString& tekst) {
  opties_.meldingen->show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"), tekst);
}

void Etiket::mnuInfo_Click() {
  Begroeting info(Begroeting::Rol::Info, this);
  info.exec();
}

void Etiket::mnuEindeProgramma_Click() {
  // Ends at once: no closing steps, the settings stay as they were.
  eindeZonderOpslaan_ = true;
  if (opties_.beeindig) opties_.beeindig();
  else QCoreApplication::exit(0);
}

void Etiket::closeEvent(QCloseEvent* e) {
  if (!eindeZonderOpslaan_ && geladen_) {
    // A sheet held open in the printer is finished before the program goes.
    if (velStand_.VelOpen) Opdracht([this] { AfsluitenJobSATO(); });
    BewaarInstellingen();
  }
  e->accept();
}
