// Pictures as figures: files and galleries, the scanner, the clipboard,
// and the place of the single figure beside the text.
#include "ui/FiguurPaneel.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QVBoxLayout>

#include "editor/Bewerker.h"
#include "editor/Wijziging.h"
#include "figures/Figuur.h"
#include "figures/Galerijen.h"
#include "figures/Schikken.h"
#include "model/Afronden.h"
#include "model/ZwartWit.h"
#include "printing/Omzetten.h"
#include "files/BewaarEtiket.h"
#include "files/EtiketBestand.h"
#include "platform/Clipboard.h"
#include "platform/Scanner.h"
#include "platform/SettingsStore.h"
#include "platformwidgets/MessageService.h"
#include "platformwidgets/WidgetHelpers.h"
#include "ui/BestandInvoegen.h"
#include "ui/EtiketPlaatje.h"
#include "ui/InstellingenSchrijven.h"
#include "ui/Opdracht.h"
#include "ui/ScannerKiezen.h"
#include "ui/TekstPaneel.h"
#include "ui/frmGalerij.h"
#include "ui/frmGalerijen.h"

namespace ui {

namespace {
// Dots per millimetre of label a pasted vector picture is drawn at.
constexpr int kVectorDots = 40;

// A figure's box in the printer's dots.
QSize PrinterVak(const Voorwerp& v, int ppm) { return QSize(RondAf(v.Breedte * ppm), RondAf(v.Hoogte * ppm)); }
}  // namespace

int FiguurPaneel::GeselecteerdeFiguur() const {
  const int i = b_.GeselecteerdVoorwerp();
  if (b_.AantalGeselecteerd() != 1 || i < 1 || i > b_.ontwerp().AantalVoorwerpen()) return 0;
  const FiguurDeel* f = b_.ontwerp().voorwerp(i).alsFiguur();
  return f && f->Afbeelding && !f->Afbeelding->isVector ? i : 0;
}

void FiguurPaneel::mnuFiguur_Click() { menus_.afdrukkenAls->setEnabled(GeselecteerdeFiguur() > 0); }

void FiguurPaneel::FiguurAfdrukkenAls(int index) {
  const Voorwerp& v = b_.ontwerp().voorwerp(index);
  const FiguurDeel& f = *v.alsFiguur();
  const QRect bron(f.BronX, f.BronY, f.BronBreedte, f.BronHoogte);
  const std::optional<Omzetting> keuze =
      omgeving_.kiesOmzetting(printing::GrijsVan(*f.Afbeelding), bron,
                              PrinterVak(v, bewerker_.beeld().PrinterPuntenPerMm()), f.omzetting, window());
  if (!keuze || *keuze == f.omzetting) return;
  Wijziging wijziging(bewerker_);
  wijziging.ontwerp().voorwerp(index).alsFiguur()->omzetting = *keuze;
}

FiguurPaneel::FiguurPaneel(Bewerker& bewerker, EtiketPlaatje& plaatje, TekstPaneel& tekst, Instellingen& instellingen,
                           Omgeving omgeving, QWidget* parent)
    : QGroupBox(parent),
      bewerker_(bewerker),
      b_(bewerker.bewerking()),
      plaatje_(plaatje),
      tekst_(tekst),
      instellingen_(instellingen),
      omgeving_(std::move(omgeving)) {
  MaakMenus();
  setObjectName(QStringLiteral("frmFiguur"));
  setTitle(QStringLiteral("Figuur"));
  cmdBestand_ = platform::makeButton(this, QStringLiteral("cmdBestand"), QStringLiteral("Bestand"));
  cmdBestand_->setToolTip(QStringLiteral("Bestand invoegen"));
  cmdPlakken_ = platform::makeButton(this, QStringLiteral("cmdPlakken"), QStringLiteral("Plakken"));
  cmdPlakken_->setToolTip(QStringLiteral("Een afbeelding plakken"));
  auto* figuur = new QHBoxLayout(this);
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
    FiguurPositie positie;
  } plekken[4] = {{"cmdFiguurBoven", "▲", 0, 1, FiguurBoven},
                  {"cmdFiguurLinks", "◀", 1, 0, FiguurLinks},
                  {"cmdFiguurRechts", "▶", 1, 2, FiguurRechts},
                  {"cmdFiguurOnder", "▼", 2, 1, FiguurOnder}};
  for (const auto& p : plekken) {
    QPushButton* k = platform::makeButton(this, QString::fromLatin1(p.naam), QString::fromUtf8(p.pijl), 26);
    k->setFixedHeight(20);
    pijlen->addWidget(k, p.rij, p.kolom);
    connect(k, &QPushButton::clicked, this, [this, positie = p.positie] {
      Opdracht(omgeving_.meldingen, [this, positie] { cmdFiguur_Click(positie); });
    });
  }
  figuur->addLayout(pijlen);
  connect(&plaatje_, &EtiketPlaatje::BestandenLosgelaten, this, [this](const QStringList& paden, QPointF mm) {
    Opdracht(omgeving_.meldingen, [&] { BestandenLosgelaten(paden, mm); });
  });
  connect(&plaatje_, &EtiketPlaatje::DubbelKlik, this, [this] {
    if (const int i = GeselecteerdeFiguur(); i > 0)
      Opdracht(omgeving_.meldingen, [this, i] { FiguurAfdrukkenAls(i); });
  });
  connect(cmdPlakken_, &QPushButton::clicked, this,
          [this] { Opdracht(omgeving_.meldingen, [this] { cmdPlakken_Click(); }); });
  connect(cmdBestand_, &QPushButton::clicked, this, [this] {
    // With several galleries the button offers them, as the menu does.
    if (meerdereGalerijen_ && menus_.bestandInvoegen2)
      menus_.bestandInvoegen2->popup(cmdBestand_->mapToGlobal(QPoint(0, cmdBestand_->height())));
    else
      Opdracht(omgeving_.meldingen, [this] { BestandInvoegen(instellingen_.ImageFolder); });
  });
}

FiguurPaneel::~FiguurPaneel() = default;

void FiguurPaneel::MaakMenus() {
  const auto regel = [this](QObject* ouder, const char* naam, const QString& tekst) {
    auto* a = new QAction(tekst, ouder);
    a->setObjectName(QString::fromLatin1(naam));
    return a;
  };
  Menus& m = menus_;
  // These three follow the clipboard and the line box when the menu opens.
  m.knippen = regel(this, "mnuKnippen", QStringLiteral("K&nippen"));
  m.copieren = regel(this, "mnuCopieren", QStringLiteral("&Copiëren"));
  m.plakken = regel(this, "mnuPlakken", QStringLiteral("&Plakken"));
  for (QAction* a : {m.knippen, m.copieren, m.plakken}) a->setEnabled(false);
  m.bestandInvoegen = regel(this, "mnuBestandInvoegen", QStringLiteral("&Bestand invoegen"));
  // With several galleries a submenu takes the entry's place.
  m.bestandInvoegen2 = new QMenu(QStringLiteral("&Bestand invoegen"), this);
  m.bestandInvoegen2->setObjectName(QStringLiteral("mnuBestandInvoegen2"));
  m.bestandInvoegen2->menuAction()->setObjectName(QStringLiteral("mnuBestandInvoegen2"));
  m.bestandInvoegen2->menuAction()->setVisible(false);
  m.galerij0 = regel(m.bestandInvoegen2, "mnuGalerij0", QStringLiteral("Gallerij"));
  m.bestandInvoegen2->addAction(m.galerij0);
  m.galerijen = regel(this, "mnuGalerijen", QStringLiteral("&Galerijen"));
  m.scannerSelecteren = regel(this, "mnuScannerSelecteren", QStringLiteral("&Scanner selecteren ..."));
  m.afbeeldingScannen = regel(this, "mnuAfbeeldingscannen", QStringLiteral("&Afbeelding Scannen ..."));
  m.afdrukkenAls = regel(this, "mnuAfdrukkenAls", QStringLiteral("Afdrukken a&ls ..."));
  mnuGalerij_ = {m.galerij0};
  const auto opdracht = [this](QAction* a, void (FiguurPaneel::*f)()) {
    connect(a, &QAction::triggered, this, [this, f] { Opdracht(omgeving_.meldingen, [this, f] { (this->*f)(); }); });
  };
  opdracht(m.knippen, &FiguurPaneel::mnuKnippen_Click);
  opdracht(m.copieren, &FiguurPaneel::mnuCopieren_Click);
  opdracht(m.plakken, &FiguurPaneel::mnuPlakken_Click);
  opdracht(m.galerijen, &FiguurPaneel::mnuGalerijen_Click);
  opdracht(m.scannerSelecteren, &FiguurPaneel::mnuScannerSelecteren_Click);
  opdracht(m.afbeeldingScannen, &FiguurPaneel::mnuAfbeeldingscannen_Click);
  connect(m.afdrukkenAls, &QAction::triggered, this, [this] {
    Opdracht(omgeving_.meldingen, [this] {
      if (const int i = GeselecteerdeFiguur(); i > 0) FiguurAfdrukkenAls(i);
    });
  });
  connect(m.bestandInvoegen, &QAction::triggered, this,
          [this] { Opdracht(omgeving_.meldingen, [this] { BestandInvoegen(instellingen_.ImageFolder); }); });
  connect(m.galerij0, &QAction::triggered, this, [this] {
    Opdracht(omgeving_.meldingen, [this] { BestandInvoegen(instellingen_.Galerijen.value(0).second); });
  });
}

void FiguurPaneel::cmdFiguur_Click(qint16 positie) {
  if (bewerker_.ontwerp().AantalFiguren() > 1) {
    omgeving_.meldingen.show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"), TeveelFigurenTekst());
    return;
  }
  if (bewerker_.ontwerp().AantalFiguren() == 0) return;
  Wijziging wijziging(bewerker_);
  PlaatsFiguur(wijziging.ontwerp(), bewerker_.Formaat(), FiguurPositie(positie));
  wijziging.ontwerp().Figuurplaats = positie;
  const int h = b_.HuidigeLijn();
  if (h >= 1 && h <= bewerker_.ontwerp().AantalLijnen()) tekst_.ToonKenmerken(h);
}

void FiguurPaneel::BestandInvoegen(const QString& map) {
  const GekozenPlaatje plaatje = ui::BestandInvoegen(map, omgeving_.bestanden, omgeving_.meldingen, window());
  if (plaatje.beeld.isNull()) return;
  if (PlaatjeAlsFiguur(plaatje.beeld) > 0) instellingen_.ImageFolder = plaatje.map;
}

void FiguurPaneel::mnuBewerken_Click() {
  const platform::Clipboard& k = omgeving_.klembord;
  menus_.plakken->setEnabled(k.hasText() || k.hasImage() || k.hasVector());
  const bool selectie = !tekst_.TekstvakSelectie().isEmpty();
  menus_.knippen->setEnabled(selectie);
  menus_.copieren->setEnabled(selectie);
}

void FiguurPaneel::mnuKnippen_Click() {
  const QString selectie = tekst_.TekstvakSelectie();
  if (selectie.isEmpty()) return;
  omgeving_.klembord.setText(selectie);
  tekst_.KnipTekstvakSelectie();
}

void FiguurPaneel::mnuCopieren_Click() {
  const QString selectie = tekst_.TekstvakSelectie();
  if (!selectie.isEmpty()) omgeving_.klembord.setText(selectie);
}

void FiguurPaneel::mnuPlakken_Click() {
  const platform::Clipboard& k = omgeving_.klembord;
  if (!k.hasText()) {
    cmdPlakken_Click();
    return;
  }
  const QString tekst = k.text();
  // Lines end in CR LF on some systems and in LF alone here: both split.
  static const QRegularExpression regeleinde(QStringLiteral("\r\n|\n|\r"));
  QStringList stukken = tekst.split(regeleinde, Qt::SkipEmptyParts);
  if (stukken.size() < 2) {
    if (b_.HuidigeLijn() != 0) {
      tekst_.Tekstvak()->insert(tekst);
      return;
    }
    Wijziging wijziging(bewerker_);
    Ontwerp& o = wijziging.ontwerp();
    tekst_.LijnenToevoegen(qint16(o.AantalLijnen() + 1));
    const int laatste = o.AantalVoorwerpen();
    o.voorwerp(laatste).tekst().Tekst = tekst;
    plaatje_.DeSelekteerAlles();
    plaatje_.SelecteerVoorwerp(laatste);
    return;
  }
  if (stukken.size() > 32767) stukken.resize(32767);
  Wijziging wijziging(bewerker_);
  Ontwerp& o = wijziging.ontwerp();
  tekst_.LijnenToevoegen(qint16(stukken.size()));
  int n = 0;
  for (int i = 1; i <= o.AantalVoorwerpen() && n < stukken.size(); ++i) {
    if (o.voorwerp(i).Soort() != SoortVoorwerp::Tekstlijn) continue;
    o.voorwerp(i).tekst().Tekst = stukken[n++];
  }
  plaatje_.DeSelekteerAlles();
  plaatje_.SelecteerVoorwerp(o.AantalVoorwerpen());
}

void FiguurPaneel::cmdPlakken_Click() {
  const platform::Clipboard& k = omgeving_.klembord;
  QImage plaatje;
  if (k.hasVector()) {
    // A vector picture fills a raster of the label's proportions.
    const EtiketFormaat& f = bewerker_.Formaat();
    QSvgRenderer svg(k.vector());
    if (svg.isValid()) {
      plaatje = QImage(qRound(f.Breedte * kVectorDots), qRound(f.Hoogte * kVectorDots), QImage::Format_RGB32);
      if (!plaatje.isNull()) {
        plaatje.fill(Qt::white);
        QPainter p(&plaatje);
        svg.render(&p);
      }
    }
  }
  if (plaatje.isNull() && k.hasImage()) plaatje = k.image();
  if (!plaatje.isNull()) PlaatjeAlsFiguur(plaatje);
}

void FiguurPaneel::BestandenLosgelaten(const QStringList& paden, QPointF mm) {
  // Each next one lands this much further right and down, not on top.
  constexpr float kVerder = 5;
  int geplaatst = 0;
  for (const QString& pad : paden) {
    const GeladenPlaatje plaatje = LeesPlaatje(pad);
    if (!plaatje.gelukt()) {
      omgeving_.meldingen.show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"), plaatje.melding);
      continue;
    }
    const QPointF plek = mm + QPointF(kVerder, kVerder) * geplaatst;
    if (PlaatjeAlsFiguur(plaatje.beeld, plek) > 0) ++geplaatst;
  }
}

int FiguurPaneel::PlaatjeAlsFiguur(const QImage& plaatje, std::optional<QPointF> midden) {
  // A pasted or scanned picture is told the same as a file that is too large.
  if (!PastAlsFiguur(plaatje.width(), plaatje.height())) {
    omgeving_.meldingen.show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"),
                             TeGrootMelding(plaatje.width(), plaatje.height()));
    return 0;
  }
  // The file keeps the pictures of all figures together up to a bound: a
  // figure past it could never be saved, so it is not added.
  const qint64 samen = OpslagPunten(bewerker_.ontwerp()) + qint64(plaatje.width()) * plaatje.height();
  if (samen > kMaxBeeldPuntenTotaal) {
    omgeving_.meldingen.show(
        platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"),
        QStringLiteral("De afbeelding kan niet worden toegevoegd: de figuren van dit ontwerp zouden samen\n"
                       "%1 beeldpunten hebben, ten hoogste %2 beeldpunten.")
            .arg(samen)
            .arg(kMaxBeeldPuntenTotaal));
    return 0;
  }
  // A picture with grey or colour would print as solid black the plain
  // way: dithering is proposed, with the dots it prints at the size the
  // figure gets. Cancelling adds nothing.
  Omzetting omzetting;
  if (const QImage grijs = NaarGrijs(plaatje); HeeftGrijstinten(grijs)) {
    Ontwerp proef = bewerker_.ontwerp();
    if (const int p = FiguurToevoegen(proef, bewerker_.Formaat(), b_.Schaal, plaatje); p > 0) {
      const std::optional<Omzetting> keuze =
          omgeving_.kiesOmzetting(grijs, grijs.rect(), PrinterVak(proef.voorwerp(p), bewerker_.beeld().PrinterPuntenPerMm()),
                                  Omzetting{OmzetSoort::FloydSteinberg}, window());
      if (!keuze) return 0;
      omzetting = *keuze;
    }
  }
  Wijziging wijziging(bewerker_);
  const int i = FiguurToevoegen(wijziging.ontwerp(), bewerker_.Formaat(), b_.Schaal, plaatje, qRgb(255, 255, 255),
                                omzetting);
  if (i > 0 && midden) {
    Voorwerp& v = wijziging.ontwerp().voorwerp(i);
    float l = float(midden->x()) - v.Breedte / 2, b = float(midden->y()) - v.Hoogte / 2, br = v.Breedte, h = v.Hoogte;
    wijziging.ontwerp().PlaatsVoorwerp(i, l, b, br, h);
  }
  if (i > 0) {
    plaatje_.DeSelekteerAlles();
    plaatje_.SelecteerVoorwerp(i);
  }
  return i;
}

void FiguurPaneel::mnuScannerSelecteren_Click() {
  if (!scannerKiezen_) scannerKiezen_ = std::make_unique<ScannerKiezen>(window());
  ScannerSelecteren(omgeving_.scanner, omgeving_.meldingen, *scannerKiezen_, scannerApparaat_);
}

void FiguurPaneel::mnuAfbeeldingscannen_Click() {
  const std::optional<QImage> beeld = AfbeeldingScannen(omgeving_.scanner, omgeving_.meldingen, scannerApparaat_);
  if (beeld) PlaatjeAlsFiguur(*beeld);
}

void FiguurPaneel::MenuAanpassen() {
  const auto& lijst = instellingen_.Galerijen;
  if (lijst.size() < 2) {
    menus_.bestandInvoegen->setVisible(true);
    menus_.bestandInvoegen2->menuAction()->setVisible(false);
    if (lijst.size() == 1) instellingen_.ImageFolder = lijst.front().second;
    meerdereGalerijen_ = false;
    return;
  }
  // The entries made last time go; the template stays as entry 0.
  while (mnuGalerij_.size() > 1) {
    delete mnuGalerij_.back();
    mnuGalerij_.pop_back();
  }
  menus_.bestandInvoegen2->menuAction()->setVisible(true);
  menus_.bestandInvoegen->setVisible(false);
  for (int i = 0; i < int(lijst.size()); ++i) {
    QAction* a = i == 0 ? mnuGalerij_.front() : menus_.bestandInvoegen2->addAction(QString());
    a->setText(lijst[i].first);
    if (i > 0) {
      a->setObjectName(QStringLiteral("mnuGalerij%1").arg(i));
      connect(a, &QAction::triggered, this, [this, i] {
        Opdracht(omgeving_.meldingen, [this, i] { BestandInvoegen(instellingen_.Galerijen.value(i).second); });
      });
      mnuGalerij_.push_back(a);
    }
  }
  meerdereGalerijen_ = true;
}

void FiguurPaneel::mnuGalerijen_Click() {
  if (!frmGalerij_) frmGalerij_ = new frmGalerij(omgeving_.meldingen, window());
  {
    frmGalerijen dialoog(instellingen_.Galerijen, *frmGalerij_, omgeving_.meldingen, window());
    dialoog.Toon();
  }
  MenuAanpassen();
  BewaarGalerijen(omgeving_.store, instellingen_.Galerijen);
  // Saved now: ending the program from its menu skips the closing save.
  SchrijfInstellingen(omgeving_.store, omgeving_.meldingen);
}

}  // namespace ui
