// Inserting pictures as figures, and choosing another label format.
#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QPushButton>

#include "ui/Etiket.h"
#include "ui/Wijziging.h"
#include "ui/BestandInvoegen.h"
#include "figures/Figuur.h"
#include "figures/Schikken.h"
#include "ui/FormaatDialoog.h"
#include "platformwidgets/MessageService.h"

void Etiket::VerbindFiguren() {
  connect(mnuBestandInvoegen_, &QAction::triggered, this, [this] { Opdracht([this] { BestandInvoegen(instellingen_.ImageFolder); }); });
  connect(cmdBestand_, &QPushButton::clicked, this, [this] {
    // With several galleries the button offers them, as the menu does.
    if (meerdereGalerijen_) mnuBestandInvoegen2_->popup(cmdBestand_->mapToGlobal(QPoint(0, cmdBestand_->height())));
    else Opdracht([this] { BestandInvoegen(instellingen_.ImageFolder); });
  });
  connect(cmdKiezen_, &QPushButton::clicked, this, [this] { Opdracht([this] { cmdKiezen_Click(); }); });
  const std::pair<const char*, FiguurPositie> knoppen[4] = {{"cmdFiguurBoven", FiguurBoven},
                                                            {"cmdFiguurLinks", FiguurLinks},
                                                            {"cmdFiguurOnder", FiguurOnder},
                                                            {"cmdFiguurRechts", FiguurRechts}};
  for (const auto& [naam, positie] : knoppen) {
    auto* k = findChild<QPushButton*>(QString::fromLatin1(naam));
    k->setEnabled(true);
    connect(k, &QPushButton::clicked, this, [this, p = positie] { Opdracht([this, p] { cmdFiguur_Click(p); }); });
  }
  chkAutomatischVerdelen_->setEnabled(true);
  connect(chkAutomatischVerdelen_, &QCheckBox::clicked, this, [this](bool aan) {
    if (!aan) return;
    Opdracht([this] {
      Wijziging wijziging(*this);
      AutomatischVerdelen();
    });
  });
}

void Etiket::AutomatischVerdelen() {
  Wijziging wijziging(*this);
  ::AutomatischVerdelen(ontwerp(), HuidigEtiketFormaat(), figuurPositie_);
}

void Etiket::cmdFiguur_Click(qint16 positie) {
  if (ontwerp().AantalFiguren() > 1) {
    opties_.meldingen->show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"), TeveelFigurenTekst());
    return;
  }
  if (ontwerp().AantalFiguren() == 0) return;
  Wijziging wijziging(*this);
  PlaatsFiguur(ontwerp(), HuidigEtiketFormaat(), FiguurPositie(positie));
  figuurPositie_ = positie;
  const int h = bewerking_.HuidigeLijn();
  if (h >= 1 && h <= ontwerp().AantalLijnen()) ToonKenmerken(h);
}

void Etiket::BestandInvoegen(const QString& map) {
  const GekozenPlaatje plaatje = ::BestandInvoegen(map, Bestanden(), *opties_.meldingen, this);
  if (plaatje.beeld.isNull()) return;
  if (PlaatjeAlsFiguur(plaatje.beeld) > 0) instellingen_.ImageFolder = plaatje.map;
}

void Etiket::cmdKiezen_Click() {
  // Another format starts a new design; undo brings the old one back.
  Wijziging wijziging(*this);
  NieuwOntwerp();
  Ontwerp& o = ontwerp();
  if (!formaatDialoog_) formaatDialoog_ = std::make_unique<Formaat>(formaten_, o.HuidigFormaat, this);
  formaatDialoog_->Toon(o.HuidigFormaat);
}
