// Inserting pictures as figures, and choosing another label format.
#include <QAction>
#include <QPushButton>

#include "editor/Etiket.h"
#include "figures/BestandInvoegen.h"
#include "figures/Figuur.h"
#include "files/FormaatDialoog.h"
#include "platform/MessageService.h"

void Etiket::VerbindFiguren() {
  connect(mnuBestandInvoegen_, &QAction::triggered, this, [this] { Opdracht([this] { BestandInvoegen(); }); });
  connect(cmdBestand_, &QPushButton::clicked, this, [this] { Opdracht([this] { BestandInvoegen(); }); });
  connect(cmdKiezen_, &QPushButton::clicked, this, [this] { Opdracht([this] { cmdKiezen_Click(); }); });
}

void Etiket::BestandInvoegen() {
  const GekozenPlaatje plaatje = ::BestandInvoegen(instellingen_.ImageFolder, Bestanden(), *opties_.meldingen, this);
  if (plaatje.beeld.isNull()) return;
  VerbergAlles();
  const int i = FiguurToevoegen(ontwerp_, HuidigEtiketFormaat(), plaatje.beeld);
  if (i > 0) {
    Hertekenen();
    DeSelekteerAlles();
    SelecteerVoorwerp(i);
    instellingen_.ImageFolder = plaatje.map;
  }
  ToonAlles();
}

void Etiket::cmdKiezen_Click() {
  mnuNieuwEtiket_Click();
  if (!formaatDialoog_) formaatDialoog_ = std::make_unique<Formaat>(formaten_, ontwerp_.HuidigFormaat, this);
  formaatDialoog_->Toon(ontwerp_.HuidigFormaat);
  BerekenSchaal();
  TekenVorm();
  Hertekenen();
  ToonAfdrukbaarGebied();
}
