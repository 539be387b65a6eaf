#include "editor/Etiket.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEventLoop>
#include <QFontDatabase>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "editor/Begroeting.h"
#include "editor/EtiketPlaatje.h"
#include "files/Catalogus.h"
#include "model/Afronden.h"
#include "model/Getal.h"
#include "platform/AppInfo.h"
#include "platform/MessageService.h"
#include "platform/SettingsStore.h"

namespace {

QString Bool(bool b) { return b ? QStringLiteral("True") : QStringLiteral("False"); }

// Small pictures for the alignment buttons: four lines set left, right or centred.
QIcon UitlijnIcoon(int uitlijning) {
  QPixmap pm(16, 16);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setPen(QPen(Qt::black, 1));
  const int lengtes[4] = {14, 9, 12, 7};
  for (int i = 0; i < 4; ++i) {
    const int l = lengtes[i];
    const int x = uitlijning == 0 ? 1 : uitlijning == 1 ? 15 - l : (16 - l) / 2;
    p.drawLine(x, 2 + i * 4, x + l - 1, 2 + i * 4);
  }
  return QIcon(pm);
}

// The economy-mode lamp: off, on, on with a sheet held open.
QPixmap Lamp(int stand) {
  QPixmap pm(16, 16);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor kleur = stand == 0 ? QColor(150, 150, 150) : stand == 1 ? QColor(0, 170, 0) : QColor(240, 150, 0);
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(kleur);
  p.drawEllipse(QRectF(2, 2, 12, 12));
  return pm;
}

template <typename W>
W* Maak(QWidget* ouder, const char* naam, QRect plaats) {
  auto* w = new W(ouder);
  w->setObjectName(QString::fromLatin1(naam));
  w->setGeometry(plaats);
  return w;
}

QPushButton* Knop(QWidget* ouder, const char* naam, const QString& tekst, QRect plaats) {
  auto* k = Maak<QPushButton>(ouder, naam, plaats);
  k->setText(tekst);
  return k;
}

}  // namespace

Etiket::Etiket(EtiketOpties opties, QWidget* parent)
    : QMainWindow(parent), opties_(std::move(opties)), beeld_(ontwerp_, formaten_) {
  setObjectName(QStringLiteral("Etiket"));
  setWindowTitle(QStringLiteral("Vellora"));
  MaakMenus();
  MaakBesturing();
}

Etiket::~Etiket() = default;

QSize Etiket::OntwerpMaat() { return {840, 470}; }

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
  Menuregel(bestand, "mnuNieuwEtiket", QStringLiteral("&Nieuw"), false);
  Menuregel(bestand, "mnuOpenen", QStringLiteral("&Openen ..."), false);
  Menuregel(bestand, "mnuOpslaan", QStringLiteral("O&pslaan "), false);
  Menuregel(bestand, "mnuOpslaanAls", QStringLiteral("Ops&laan als ..."), false);
  bestand->addSeparator();
  Menuregel(bestand, "mnuAfdrukken", QStringLiteral("&Afdrukken"), false);
  bestand->addSeparator();
  QAction* einde = Menuregel(bestand, "mnuEindeProgramma", QStringLiteral("&Einde Programma"), true);
  connect(einde, &QAction::triggered, this, &Etiket::mnuEindeProgramma_Click);

  QMenu* bewerken = menuBar()->addMenu(QStringLiteral("Be&werken"));
  bewerken->setObjectName(QStringLiteral("mnuBewerken"));
  Menuregel(bewerken, "mnuKnippen", QStringLiteral("K&nippen"), false);
  Menuregel(bewerken, "mnuCopieren", QStringLiteral("&Copiëren"), false);
  Menuregel(bewerken, "mnuPlakken", QStringLiteral("&Plakken"), false);
  bewerken->addSeparator();
  Menuregel(bewerken, "mnuVerwijderen", QStringLiteral("&Verwijderen"), false);
  Menuregel(bewerken, "mnuAllesSelekteren", QStringLiteral("&Alles selekteren"), false)
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));

  QMenu* tekst = menuBar()->addMenu(QStringLiteral("&Tekst"));
  tekst->setObjectName(QStringLiteral("mnuTekst"));
  Menuregel(tekst, "mnuTekstLijnen1", QStringLiteral("&1 Lijn"), false);
  for (int i = 2; i <= 5; ++i)
    Menuregel(tekst, QStringLiteral("mnuTekstLijnen%1").arg(i).toLatin1().constData(),
              QStringLiteral("&%1 Lijnen").arg(i), false);
  Menuregel(tekst, "mnuMeerLijnen", QStringLiteral("&Meer lijnen"), false);
  tekst->addSeparator();
  Menuregel(tekst, "mnuVet", QStringLiteral("&Vet"), false)->setCheckable(true);
  Menuregel(tekst, "mnuCursief", QStringLiteral("&Cursief"), false)->setCheckable(true);
  Menuregel(tekst, "mnuOnderlijnd", QStringLiteral("&Onderlijnd"), false)->setCheckable(true);
  tekst->addSeparator();
  Menuregel(tekst, "mnuRondeTekstToevoegen", QStringLiteral("&Ronde tekst toevoegen ..."), false);
  Menuregel(tekst, "mnuRondeTekstWijzigen", QStringLiteral("Ronde tekst &wijzigen ..."), false);
  Menuregel(tekst, "mnuTekstOmzetten", QStringLiteral("Om&zetten naar ronde tekst ..."), false);

  QMenu* figuur = menuBar()->addMenu(QStringLiteral("&Figuur"));
  figuur->setObjectName(QStringLiteral("mnuFiguur"));
  Menuregel(figuur, "mnuBestandInvoegen", QStringLiteral("&Bestand invoegen"), false);
  QMenu* galerijen = figuur->addMenu(QStringLiteral("&Bestand invoegen"));
  galerijen->setObjectName(QStringLiteral("mnuBestandInvoegen2"));
  galerijen->menuAction()->setObjectName(QStringLiteral("mnuBestandInvoegen2"));
  galerijen->menuAction()->setVisible(false);
  Menuregel(galerijen, "mnuGalerij0", QStringLiteral("Gallerij"), false);
  Menuregel(figuur, "mnuGalerijen", QStringLiteral("&Galerijen"), false);
  figuur->addSeparator();
  Menuregel(figuur, "mnuScannerSelecteren", QStringLiteral("&Scanner selecteren ..."), false);
  Menuregel(figuur, "mnuAfbeeldingscannen", QStringLiteral("&Afbeelding Scannen ..."), false);

  QMenu* opties = menuBar()->addMenu(QStringLiteral("&Opties"));
  opties->setObjectName(QStringLiteral("mnuOpties"));
  Menuregel(opties, "mnuPrinterinstelling", QStringLiteral("Printer&instelling..."), false);
  Menuregel(opties, "mnuVerschuivenAfdruk", QStringLiteral("&Verschuiven afdruk ..."), false);
  opties->addSeparator();
  Menuregel(opties, "mnuSpaarstand", QStringLiteral("S&paarstand"), false)->setCheckable(true);
  mnuToonAfdrukbaargebied_ = Menuregel(opties, "mnuToonAfdrukbaargebied", QStringLiteral("&Toon afdrukbaar gebied"), true);
  mnuToonAfdrukbaargebied_->setCheckable(true);
  // Qt toggles the check mark itself before the handler runs.
  connect(mnuToonAfdrukbaargebied_, &QAction::triggered, this, [this] { ToonAfdrukbaarGebied(); });
  opties->addSeparator();
  Menuregel(opties, "mnuStandaardVastleggen", QStringLiteral("&Standaard vastleggen"), false);

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  QAction* info = Menuregel(help, "mnuInfo", QStringLiteral("&Info"), true);
  connect(info, &QAction::triggered, this, &Etiket::mnuInfo_Click);
}

void Etiket::MaakBesturing() {
  centraal_ = new QWidget(this);
  centraal_->setObjectName(QStringLiteral("centraal"));
  setCentralWidget(centraal_);
  const QSize maat = OntwerpMaat();
  centraal_->setMinimumSize(560, 380);
  centraal_->resize(maat);
  VorigeBreedte_ = maat.width();
  VorigeHoogte_ = maat.height();

  pictEtiket_ = new EtiketPlaatje(centraal_);
  pictEtiket_->setGeometry(8, 8, 600, 420);
  pictEtiket_->ZetBeeld(&beeld_);
  connect(pictEtiket_, &EtiketPlaatje::Vergroot, this, &Etiket::pictEtiket_Resize);

  txtTekstlijn_ = Maak<QLineEdit>(centraal_, "txtTekstlijn", QRect(8, 436, 600, 26));
  txtTekstlijn_->setEnabled(false);
  cmdNummering_ = Knop(centraal_, "cmdNummering", QStringLiteral("1,2,3,..."), QRect(616, 436, 216, 26));
  cmdNummering_->setEnabled(false);

  frmFormaat_ = Maak<QGroupBox>(centraal_, "frmFormaat", QRect(616, 2, 216, 78));
  frmFormaat_->setTitle(QStringLiteral("Formaat"));
  Knop(frmFormaat_, "cmdKiezen", QStringLiteral("Kiezen"), QRect(10, 24, 72, 28))->setEnabled(false);
  lblVorm_ = Maak<QLabel>(frmFormaat_, "lblVorm", QRect(94, 22, 114, 20));
  lblAfmeting_ = Maak<QLabel>(frmFormaat_, "lblAfmeting", QRect(94, 46, 114, 20));

  frmTekst_ = Maak<QGroupBox>(centraal_, "frmTekst", QRect(616, 82, 216, 214));
  frmTekst_->setTitle(QStringLiteral("Tekst"));
  Maak<QLabel>(frmTekst_, "lblLijnen", QRect(10, 24, 48, 22))->setText(QStringLiteral("Lijnen:"));
  for (int i = 0; i < 5; ++i)
    Knop(frmTekst_, QStringLiteral("cmdLijnen%1").arg(i).toLatin1().constData(), QString::number(i + 1),
         QRect(58 + i * 30, 22, 28, 26))
        ->setEnabled(false);
  cmbLettertype_ = Maak<QComboBox>(frmTekst_, "cmbLettertype", QRect(10, 54, 196, 26));
  cmbLettertype_->setEnabled(false);
  Maak<QLineEdit>(frmTekst_, "txtLettergrootte", QRect(10, 86, 44, 26))->setEnabled(false);
  auto* spin = Maak<QScrollBar>(frmTekst_, "spinLettergrootte", QRect(54, 86, 16, 26));
  spin->setOrientation(Qt::Vertical);
  spin->setRange(0, 1000);
  spin->setValue(500);
  spin->setEnabled(false);
  struct Stijl {
    const char* naam;
    const char* tekst;
    void (QFont::*zet)(bool);
  };
  const Stijl stijlen[3] = {{"cmdVet", "V", &QFont::setBold},
                            {"cmdCursief", "C", &QFont::setItalic},
                            {"cmdOnderlijnd", "O", &QFont::setUnderline}};
  for (int i = 0; i < 3; ++i) {
    QPushButton* k = Knop(frmTekst_, stijlen[i].naam, QString::fromLatin1(stijlen[i].tekst), QRect(78 + i * 30, 86, 28, 26));
    QFont f = k->font();
    (f.*stijlen[i].zet)(true);
    k->setFont(f);
    k->setCheckable(true);
    k->setEnabled(false);
  }
  const char* uitlijnTips[3] = {"Links", "Rechts", "Centreren"};
  for (int i = 0; i < 3; ++i) {
    QPushButton* k =
        Knop(frmTekst_, QStringLiteral("cmdUitlijning%1").arg(i).toLatin1().constData(), QString(), QRect(10 + i * 30, 118, 28, 26));
    k->setIcon(UitlijnIcoon(i));
    k->setToolTip(QString::fromLatin1(uitlijnTips[i]));
    k->setCheckable(true);
    k->setAutoExclusive(true);
    k->setEnabled(false);
  }
  Knop(frmTekst_, "cmdCentreren", QStringLiteral("Centreren"), QRect(104, 118, 102, 26))->setEnabled(false);
  auto* schikken = Maak<QCheckBox>(frmTekst_, "chkAutomatischVerdelen", QRect(10, 150, 196, 22));
  schikken->setText(QStringLiteral("Automatisch schikken"));
  schikken->setEnabled(false);
  Knop(frmTekst_, "cmdRondeTekstToevoegen", QStringLiteral("Ronde tekst"), QRect(10, 178, 96, 26))->setEnabled(false);
  Knop(frmTekst_, "cmdTekstConverteren", QStringLiteral("Omzetten"), QRect(110, 178, 96, 26))->setEnabled(false);

  frmFiguur_ = Maak<QGroupBox>(centraal_, "frmFiguur", QRect(616, 298, 216, 82));
  frmFiguur_->setTitle(QStringLiteral("Figuur"));
  Knop(frmFiguur_, "cmdBestand", QStringLiteral("Bestand"), QRect(10, 22, 70, 24))->setEnabled(false);
  Knop(frmFiguur_, "cmdPlakken", QStringLiteral("Plakken"), QRect(10, 50, 70, 24))->setEnabled(false);
  Knop(frmFiguur_, "cmdFiguurBoven", QStringLiteral("▲"), QRect(134, 20, 26, 20))->setEnabled(false);
  Knop(frmFiguur_, "cmdFiguurLinks", QStringLiteral("◀"), QRect(106, 40, 26, 20))->setEnabled(false);
  Knop(frmFiguur_, "cmdFiguurRechts", QStringLiteral("▶"), QRect(162, 40, 26, 20))->setEnabled(false);
  Knop(frmFiguur_, "cmdFiguurOnder", QStringLiteral("▼"), QRect(134, 60, 26, 20))->setEnabled(false);

  frmAfdruk_ = Maak<QGroupBox>(centraal_, "frmAfdruk", QRect(616, 382, 216, 48));
  frmAfdruk_->setTitle(QStringLiteral("Afdruk"));
  auto* aantal = Maak<QLineEdit>(frmAfdruk_, "txtAantal", QRect(10, 18, 44, 24));
  aantal->setText(QStringLiteral("1"));
  aantal->setEnabled(false);
  Knop(frmAfdruk_, "cmdStartAfdrukken", QStringLiteral("Start afdrukken"), QRect(60, 18, 116, 24))->setEnabled(false);
  auto* eco = Maak<QLabel>(frmAfdruk_, "imgEco", QRect(186, 22, 16, 16));
  eco->setPixmap(Lamp(0));

  centraal_->installEventFilter(this);
  resize(maat.width(), maat.height() + menuBar()->sizeHint().height());
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

  ontwerp_.AantalLijnen = 0;
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

void Etiket::LeesInstellingen() {
  platform::SettingsStore& s = *opties_.instellingen;
  const QString d = QStringLiteral("Defaults");
  const int formaat = RondAf(LeesGetal(s.read(d, QStringLiteral("Form"), QStringLiteral("1"))));
  // A stored format beyond the catalogue, or below its start, falls back
  // to the nearest one that exists.
  ontwerp_.HuidigFormaat = qint16(std::clamp(formaat, 1, int(formaten_.AantalFormaten())));
  mnuToonAfdrukbaargebied_->setChecked(s.read(d, QStringLiteral("ShowArea"), QStringLiteral("False")) ==
                                       QStringLiteral("True"));
}

void Etiket::BewaarInstellingen() {
  platform::SettingsStore& s = *opties_.instellingen;
  const QString d = QStringLiteral("Defaults");
  s.write(d, QStringLiteral("Form"), u' ' + QString::number(ontwerp_.HuidigFormaat));
  s.write(d, QStringLiteral("ShowArea"), Bool(mnuToonAfdrukbaargebied_->isChecked()));
  s.flush();
}

void Etiket::BerekenSchaal() {
  if (!geladen_) return;
  const QSize px = pictEtiket_->PixelMaat();
  const QSizeF twips = pictEtiket_->TwipsMaat();
  beeld_.BerekenSchaal(px.width(), px.height(), twips.width(), twips.height());
}

void Etiket::pictEtiket_Resize() {
  if (!geladen_) return;
  const QSize px = pictEtiket_->PixelMaat();
  if (px.width() == ontwerp_.Schaal.PixelBreedte && px.height() == ontwerp_.Schaal.PixelHoogte) return;
  BerekenSchaal();
}

bool Etiket::eventFilter(QObject* o, QEvent* e) {
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
  VerbergAlles();
  if (!(windowState() & Qt::WindowMinimized)) {
    const int dW = centraal_->width() - VorigeBreedte_;
    const int dH = centraal_->height() - VorigeHoogte_;
    if (dW != 0 || dH != 0) {
      pictEtiket_->resize(pictEtiket_->width() + dW, pictEtiket_->height() + dH);
      for (QWidget* frame : {static_cast<QWidget*>(frmFormaat_), static_cast<QWidget*>(frmTekst_),
                             static_cast<QWidget*>(frmFiguur_), static_cast<QWidget*>(frmAfdruk_)})
        frame->move(frame->x() + dW, frame->y());
      txtTekstlijn_->setGeometry(txtTekstlijn_->x(), txtTekstlijn_->y() + dH, txtTekstlijn_->width() + dW,
                                 txtTekstlijn_->height());
      cmdNummering_->move(cmdNummering_->x() + dW, cmdNummering_->y() + dH);
    }
    VorigeBreedte_ = centraal_->width();
    VorigeHoogte_ = centraal_->height();
    // A hidden picture gets its resize event only when shown: scale now.
    pictEtiket_Resize();
    TekenVorm();
    Hertekenen();
    ToonAfdrukbaarGebied();
  }
  ToonAlles();
}

void Etiket::TekenVorm() {
  beeld_.TekenVorm();
  lblVorm_->setText(beeld_.Vorm());
  lblAfmeting_->setText(beeld_.Afmeting());
  pictEtiket_->ToonAlles();
}

void Etiket::Hertekenen(std::optional<bool> doeRefresh) {
  const QRegion gebied = beeld_.Hertekenen();
  if (doeRefresh.value_or(true)) pictEtiket_->ToonAlles();
  else pictEtiket_->Toon(gebied);
}

void Etiket::ToonAfdrukbaarGebied() {
  const EtiketFormaat& f = HuidigEtiketFormaat();
  platform::SettingsStore& s = *opties_.instellingen;
  const float hs = float(LeesGetal(s.read(f.Naam, QStringLiteral("HorizontalShift"), QStringLiteral("0"))));
  const float vs = float(LeesGetal(s.read(f.Naam, QStringLiteral("VerticalShift"), QStringLiteral("0"))));
  beeld_.ToonAfdrukbaarGebied(mnuToonAfdrukbaargebied_->isChecked(), hs, vs);
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
  // Whatever was hidden for the failed change comes back.
  while (ontwerp_.Verborgen < 0) ToonAlles();
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
  if (!eindeZonderOpslaan_ && geladen_) BewaarInstellingen();
  e->accept();
}
