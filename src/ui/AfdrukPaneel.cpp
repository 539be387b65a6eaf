// Printing from the main window: the copies box and start button, economy
// mode, the numbering dialog, the printer and offset dialogs.
#include "ui/AfdrukPaneel.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTimer>
#include <cmath>

#include "editor/Bewerker.h"
#include "model/Getal.h"
#include "platform/ProcessStarter.h"
#include "platform/SettingsStore.h"
#include "platformwidgets/FileDialogs.h"
#include "platformwidgets/MessageService.h"
#include "platformwidgets/WidgetHelpers.h"
#include "printing/Raster.h"
#include "printing/Uitvoer.h"
#include "roundtext/RondeTekst.h"
#include "ui/AfdrukVoortgang.h"
#include "ui/NummeringDialoog.h"
#include "ui/Opdracht.h"
#include "ui/Pictogrammen.h"
#include "ui/PrinterDialoog.h"
#include "ui/VerschuivingDialoog.h"

namespace {
// Positions go to the printer as four digits.
constexpr int kGrootstePositie = 9999;
}  // namespace

AfdrukPaneel::AfdrukPaneel(Bewerker& bewerker, Instellingen& instellingen, QLineEdit& tekstlijn, Omgeving omgeving,
                           QWidget* parent)
    : QGroupBox(parent),
      bewerker_(bewerker),
      instellingen_(instellingen),
      tekstlijn_(tekstlijn),
      omgeving_(std::move(omgeving)) {
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
  auto* rij = new QHBoxLayout(this);
  rij->addWidget(txtAantal_);
  rij->addWidget(cmdStartAfdrukken_, 1);
  rij->addWidget(imgEco_);
  cmdNummering_ = platform::makeButton(parent, QStringLiteral("cmdNummering"), QStringLiteral("1,2,3,..."));

  connect(cmdStartAfdrukken_, &QPushButton::clicked, this, [this] {
    platform::BusyCursor muis;
    Opdracht(omgeving_.meldingen, [this] { AfdrukkenSATO(); });
  });
  // Enter in the copies box starts printing, as its default button would.
  connect(txtAantal_, &QLineEdit::returnPressed, cmdStartAfdrukken_, &QPushButton::click);
  connect(cmdNummering_, &QPushButton::clicked, this,
          [this] { Opdracht(omgeving_.meldingen, [this] { cmdNummering_Click(); }); });
  txtAantal_->installEventFilter(this);
  imgEco_->installEventFilter(this);
}

AfdrukPaneel::~AfdrukPaneel() = default;

void AfdrukPaneel::ZetMenus(QAction* afdrukken, QAction* spaarstand) {
  mnuAfdrukken_ = afdrukken;
  mnuSpaarstand_ = spaarstand;
  connect(mnuAfdrukken_, &QAction::triggered, this,
          [this] { Opdracht(omgeving_.meldingen, [this] { AfdrukkenSATO(); }); });
  connect(mnuSpaarstand_, &QAction::triggered, this,
          [this] { Opdracht(omgeving_.meldingen, [this] { mnuSpaarstand_Click(); }); });
}

bool AfdrukPaneel::eventFilter(QObject* o, QEvent* e) {
  // Entering the copies box selects all of it.
  if (o == txtAantal_ && e->type() == QEvent::FocusIn) QTimer::singleShot(0, txtAantal_, &QLineEdit::selectAll);
  // The economy lamp works like its menu entry.
  if (o == imgEco_ && e->type() == QEvent::MouseButtonPress && mnuSpaarstand_) {
    mnuSpaarstand_->toggle();
    Opdracht(omgeving_.meldingen, [this] { mnuSpaarstand_Click(); });
    return true;
  }
  return QGroupBox::eventFilter(o, e);
}

Nummering& AfdrukPaneel::nummering() { return bewerker_.ontwerp().nummering; }

void AfdrukPaneel::NieuwOntwerp() {
  txtAantal_->setText(QStringLiteral("1"));
  // A list belongs to the design it was made for: a new one starts on the
  // running number, whose values stay.
  if (nummering().GekozenTab == 1) {
    nummering().NummerLijst.clear();
    nummering().GekozenTab = 0;
    nummeringDialoog_.reset();
  }
}

Afdrukopdracht AfdrukPaneel::MaakOpdracht() const {
  Afdrukopdracht o;
  o.formaat = bewerker_.Formaat();
  o.HorizontalShift = HorizontaleVerschuiving(omgeving_.store, o.formaat.Naam);
  o.VerticalShift = VerticaleVerschuiving(omgeving_.store, o.formaat.Naam);
  o.PrintSpeed = instellingen_.PrintSpeed;
  o.Intensity = instellingen_.Intensity;
  o.Aantal = qint16(std::nearbyint(LeesGetal(txtAantal_->text())));
  o.Spaarstand = mnuSpaarstand_->isChecked();
  o.reeks = ReeksVoor(IsNummering(bewerker_.ontwerp()), bewerker_.ontwerp().nummering);
  return o;
}

bool AfdrukPaneel::SchrijfJob(QIODevice& uit, const Afdrukopdracht& o) {
  const int ppm = instellingen_.Printer == 1 ? 8 : 12;
  LabelRaster raster(bewerker_.ontwerp(), o.formaat, ppm, nummering(), [](Voorwerp& v) { MaakRondeTekst(v); });
  const int aantalNummers = int(o.reeks.Nummers().size());
  if (!frmAfdrukken_) frmAfdrukken_ = std::make_unique<AfdrukVoortgang>(window());
  frmAfdrukken_->Begin(aantalNummers);
  const Jobuitkomst uitkomst = ::AfdrukkenSATO(
      o, velStand_, [&](float x, float y, int n) { return raster.DrukEenExemplaarSATO(x, y, n); }, uit,
      [&](int n, int laatste) {
        frmAfdrukken_->Toon(n, laatste);
        // Let Cancel be clicked; nothing else may start meanwhile.
        QApplication::processEvents();
        return frmAfdrukken_->AfdrukStoppen();
      });
  frmAfdrukken_->hide();
  return uitkomst != Jobuitkomst::Schrijffout;
}

void AfdrukPaneel::AfdrukkenSATO() {
  if (bezigMetAfdrukken_) return;
  bool getal = false;
  const double aantal = std::nearbyint(LeesGetal(txtAantal_->text(), &getal));
  const auto fout = [this](const QString& tekst) {
    omgeving_.meldingen.show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"), tekst);
  };
  // A typed 0 keeps its own meaning; no number, a negative one or one too
  // large for the printer is refused before anything is opened.
  if (!getal || aantal < 0 || aantal > 32767) {
    fout(QStringLiteral("Geef een aantal exemplaren van 1 tot 32767."));
    return;
  }
  // A label or sheet the printer's commands cannot describe is refused
  // before anything is sent.
  const int ppm = instellingen_.Printer == 1 ? 8 : 12;
  const EtiketFormaat& f = bewerker_.Formaat();
  if (const auto grens = LabelRaster::Grenzen(f, ppm)) {
    fout(*grens);
    return;
  }
  const Afdrukopdracht opdracht = MaakOpdracht();
  if (GrootstePositie(opdracht, ppm) > kGrootstePositie) {
    fout(QStringLiteral("Een etiket van dit vel ligt verder dan %1 punten van het begin van de printer.")
             .arg(kGrootstePositie));
    return;
  }

  const Uitvoerkanaal kanaal = KiesKanaal(instellingen_, omgeving_.programmaMap);
  QFile uit;
  // What continues a sheet held open goes into the same file as its start.
  if (const auto melding =
          OpenKanaal(uit, kanaal, velStand_.VelOpen ? Schrijfwijze::Aanvullen : Schrijfwijze::Vervangen)) {
    fout(*melding);
    return;
  }
  const VelStand voor = velStand_;
  bool gelukt = false;
  {
    // Never a second job meanwhile, however this one ends.
    const QScopedValueRollback<bool> bezig(bezigMetAfdrukken_, true);
    gelukt = SchrijfJob(uit, opdracht);
    uit.close();
    gelukt = gelukt && uit.error() == QFileDevice::NoError;
  }
  if (!gelukt) {
    velStand_ = voor;
    fout(QStringLiteral("Het schrijven naar de printer is mislukt:\n") + kanaal.naam + QStringLiteral("\n\n") +
         uit.errorString());
    return;
  }
  ZetLedSpaarstand();
  NaDeJob(kanaal, instellingen_, omgeving_.programmaMap, omgeving_.processen);
}

void AfdrukPaneel::AfsluitenJobSATO() {
  const Uitvoerkanaal kanaal = KiesKanaal(instellingen_, omgeving_.programmaMap);
  QFile uit;
  if (const auto melding = OpenKanaal(uit, kanaal, Schrijfwijze::Aanvullen)) {
    omgeving_.meldingen.show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"), *melding);
    return;
  }
  const QByteArray slot = AfsluitReeks();
  const bool gelukt = uit.write(slot) == slot.size() && uit.flush();
  uit.close();
  if (!gelukt) {
    omgeving_.meldingen.show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"),
                             QStringLiteral("Het schrijven naar de printer is mislukt:\n") + kanaal.naam);
    return;
  }
  NaDeJob(kanaal, instellingen_, omgeving_.programmaMap, omgeving_.processen);
  velStand_ = {};
}

void AfdrukPaneel::mnuSpaarstand_Click() {
  // The entry has already changed its check mark; an open sheet is printed
  // before economy mode goes off.
  if (!mnuSpaarstand_->isChecked() && velStand_.VelOpen) {
    AfsluitenJobSATO();
    if (velStand_.VelOpen) {
      // The printer could not be reached: economy mode stays on.
      mnuSpaarstand_->setChecked(true);
      return;
    }
  }
  ZetLedSpaarstand();
}

void AfdrukPaneel::cmdNummering_Click() {
  const Ontwerp& o = bewerker_.ontwerp();
  if (o.AantalLijnen() == 0 && o.AantalRondeTeksten() == 0) return;
  if (!nummeringDialoog_)
    nummeringDialoog_ =
        std::make_unique<NummeringDialoog>(nummering(), omgeving_.meldingen, omgeving_.bestanden, window());
  const QString code = nummeringDialoog_->Kies();
  const int h = bewerker_.bewerking().HuidigeLijn();
  if (!code.isEmpty() && h != 0 && o.voorwerp(h).Soort() == Tekstlijn && bewerker_.bewerking().Geselecteerd(h)) {
    const qint16 modus = IsNummering(o);
    bool alInGebruik = false;
    for (int i = 1; i <= o.AantalVoorwerpen(); ++i)
      if (ZoekCode(o, i, {code.toLatin1().constData()}) > 0) alInGebruik = true;
    if ((modus == 0 || modus == 2) && !alInGebruik) {
      tekstlijn_.insert(code);
      tekstlijn_.setSelection(tekstlijn_.cursorPosition() - int(code.size()), int(code.size()));
    }
  }
  tekstlijn_.setFocus();
}

void AfdrukPaneel::mnuPrinterinstelling_Click() {
  PrinterDialoog dialoog(instellingen_, PrinterDialoog::SysteemPrinters(), PrinterApparaten(), omgeving_.meldingen,
                         omgeving_.bestanden, window());
  dialoog.exec();
  emit InstellingenVeranderd();
}

void AfdrukPaneel::mnuVerschuivenAfdruk_Click() {
  VerschuivingDialoog dialoog(omgeving_.store, bewerker_.Formaat().Naam, window());
  dialoog.exec();
  emit VerschuivingVeranderd();
}

void AfdrukPaneel::ZetLedSpaarstand() {
  const int stand = !mnuSpaarstand_->isChecked() ? 0 : velStand_.VelOpen ? 2 : 1;
  imgEco_->setPixmap(SpaarstandLamp(stand));
  if (stand == 2 && !spaarstandGemeld_) {
    spaarstandGemeld_ = true;
    omgeving_.meldingen.show(
        platform::MessageService::Icon::Warning, QStringLiteral("Spaarstand"),
        QStringLiteral("De spaarstand staat ingeschakeld.\n\nDe informatie werd doorgestuurd naar de\n"
                       "printer, maar wordt nog niet afgedrukt"));
  }
}
