// Printing from the main window: the copies box and start button, economy
// mode, the numbering dialog, the printer and offset dialogs.
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <cmath>

#include "ui/Etiket.h"
#include "platform/AppInfo.h"
#include "platformwidgets/FileDialogs.h"
#include "platformwidgets/MessageService.h"
#include "platform/ProcessStarter.h"
#include "platform/SettingsStore.h"
#include "model/Getal.h"
#include "ui/AfdrukVoortgang.h"
#include "ui/NummeringDialoog.h"
#include "ui/PrinterDialoog.h"
#include "printing/Raster.h"
#include "printing/Uitvoer.h"
#include "ui/VerschuivingDialoog.h"
#include "roundtext/RondeTekst.h"

namespace {
// Positions go to the printer as four digits.
constexpr int kGrootstePositie = 9999;
}  // namespace

void Etiket::VerbindAfdrukken() {
  connect(cmdStartAfdrukken_, &QPushButton::clicked, this, [this] {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Opdracht([this] { AfdrukkenSATO(); });
    QApplication::restoreOverrideCursor();
  });
  connect(mnuAfdrukken_, &QAction::triggered, this, [this] { Opdracht([this] { AfdrukkenSATO(); }); });
  // Enter in the copies box starts printing, as its default button would.
  connect(txtAantal_, &QLineEdit::returnPressed, cmdStartAfdrukken_, &QPushButton::click);
  connect(mnuSpaarstand_, &QAction::triggered, this, [this] { Opdracht([this] { mnuSpaarstand_Click(); }); });
  imgEco_->installEventFilter(this);
  connect(cmdNummering_, &QPushButton::clicked, this, [this] { Opdracht([this] { cmdNummering_Click(); }); });
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

QString Etiket::ProgrammaMap() const {
  return opties_.programmaMap.isEmpty() ? platform::appinfo::programFolder() : opties_.programmaMap;
}

Afdrukopdracht Etiket::MaakOpdracht() const {
  Afdrukopdracht o;
  o.formaat = HuidigEtiketFormaat();
  o.HorizontalShift = HorizontaleVerschuiving(*opties_.instellingen, o.formaat.Naam);
  o.VerticalShift = VerticaleVerschuiving(*opties_.instellingen, o.formaat.Naam);
  o.PrintSpeed = instellingen_.PrintSpeed;
  o.Intensity = instellingen_.Intensity;
  o.Aantal = qint16(std::nearbyint(LeesGetal(txtAantal_->text())));
  o.Spaarstand = mnuSpaarstand_->isChecked();
  o.reeks = ReeksVoor(IsNummering(bewerking_.ontwerp()), nummering_);
  return o;
}

bool Etiket::SchrijfJob(QIODevice& uit, const Afdrukopdracht& o) {
  const int ppm = instellingen_.Printer == 1 ? 8 : 12;
  LabelRaster raster(bewerking_.ontwerp(), o.formaat, ppm, nummering_, [](Voorwerp& v) { MaakRondeTekst(v); });
  const int aantalNummers = int(o.reeks.Nummers().size());
  if (!frmAfdrukken_) frmAfdrukken_ = std::make_unique<AfdrukVoortgang>(this);
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

void Etiket::AfdrukkenSATO() {
  if (bezigMetAfdrukken_) return;
  const double aantal = std::nearbyint(LeesGetal(txtAantal_->text()));
  const auto fout = [this](const QString& tekst) {
    opties_.meldingen->show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"), tekst);
  };
  if (aantal < -32768 || aantal > 32767) {
    fout(QStringLiteral("Het aantal exemplaren moet tussen -32768 en 32767 liggen."));
    return;
  }
  // A label or sheet the printer's commands cannot describe is refused
  // before anything is sent.
  const int ppm = instellingen_.Printer == 1 ? 8 : 12;
  const EtiketFormaat& f = HuidigEtiketFormaat();
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

  const Uitvoerkanaal kanaal = KiesKanaal(instellingen_, ProgrammaMap());
  QFile uit;
  if (const auto melding = OpenKanaal(uit, kanaal)) {
    fout(*melding);
    return;
  }
  bezigMetAfdrukken_ = true;
  const VelStand voor = velStand_;
  bool gelukt = SchrijfJob(uit, opdracht);
  uit.close();
  gelukt = gelukt && uit.error() == QFileDevice::NoError;
  bezigMetAfdrukken_ = false;
  if (!gelukt) {
    velStand_ = voor;
    fout(QStringLiteral("Het schrijven naar de printer is mislukt:\n") + kanaal.naam + QStringLiteral("\n\n") +
         uit.errorString());
    return;
  }
  ZetLedSpaarstand();
  NaDeJob(kanaal, instellingen_, ProgrammaMap(), Processen());
}

void Etiket::AfsluitenJobSATO() {
  const Uitvoerkanaal kanaal = KiesKanaal(instellingen_, ProgrammaMap());
  QFile uit;
  if (const auto melding = OpenKanaal(uit, kanaal)) {
    opties_.meldingen->show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"), *melding);
    return;
  }
  const QByteArray slot = AfsluitReeks();
  const bool gelukt = uit.write(slot) == slot.size() && uit.flush();
  uit.close();
  if (!gelukt) {
    opties_.meldingen->show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"),
                            QStringLiteral("Het schrijven naar de printer is mislukt:\n") + kanaal.naam);
    return;
  }
  NaDeJob(kanaal, instellingen_, ProgrammaMap(), Processen());
  velStand_ = {};
}

void Etiket::mnuSpaarstand_Click() {
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

void Etiket::cmdNummering_Click() {
  const Ontwerp& o = ontwerp();
  if (o.AantalLijnen() == 0 && o.AantalRondeTeksten() == 0) return;
  if (!nummeringDialoog_)
    nummeringDialoog_ = std::make_unique<NummeringDialoog>(nummering_, *opties_.meldingen, Bestanden(), this);
  const QString code = nummeringDialoog_->Kies();
  const int h = bewerking_.HuidigeLijn();
  if (!code.isEmpty() && h != 0 && o.voorwerp(h).Soort() == Tekstlijn && bewerking_.Geselecteerd(h)) {
    const qint16 modus = IsNummering(o);
    bool alInGebruik = false;
    for (int i = 1; i <= o.AantalVoorwerpen(); ++i)
      if (ZoekCode(o, i, {code.toLatin1().constData()}) > 0) alInGebruik = true;
    if ((modus == 0 || modus == 2) && !alInGebruik) {
      txtTekstlijn_->insert(code);
      txtTekstlijn_->setSelection(txtTekstlijn_->cursorPosition() - int(code.size()), int(code.size()));
    }
  }
  txtTekstlijn_->setFocus();
}

void Etiket::mnuPrinterinstelling_Click() {
  PrinterDialoog dialoog(instellingen_, PrinterDialoog::SysteemPrinters(), this);
  dialoog.exec();
  BewaarInstellingen();
}

void Etiket::mnuVerschuivenAfdruk_Click() {
  VerschuivingDialoog dialoog(*opties_.instellingen, HuidigEtiketFormaat().Naam, this);
  dialoog.exec();
  ToonAfdrukbaarGebied();
}
