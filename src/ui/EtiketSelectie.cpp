// Selecting, the handles, deleting and moving the selection as a whole.
#include <QAction>
#include <QLineEdit>

#include "ui/Etiket.h"
#include "ui/EtiketPlaatje.h"
#include "ui/Wijziging.h"
#include "platformwidgets/MessageService.h"

void Etiket::VerbindSelectie() {
  connect(pictEtiket_, &EtiketPlaatje::MuisNeer, this,
          [this](Qt::MouseButton knop, Qt::KeyboardModifiers toetsen, QPointF mm) {
            Opdracht([&] { pictEtiket_MouseDown(knop, toetsen, float(mm.x()), float(mm.y())); });
          });
}

void Etiket::ZetMenusVoorSelectie(int index) {
  const qint16 soort = ontwerp().voorwerp(index).Soort();
  const bool een = bewerking_.AantalGeselecteerd() == 1;
  mnuRondeTekstWijzigen_->setEnabled(soort == RondeTekst && een);
  mnuTekstOmzetten_->setEnabled((soort == Tekstlijn || soort == RondeTekst) && een);
  if (een)
    mnuTekstOmzetten_->setText(soort == RondeTekst ? QStringLiteral("Om&zetten naar rechte tekst")
                                                   : QStringLiteral("Om&zetten naar ronde tekst"));
}

void Etiket::SelecteerVoorwerp(int index) {
  const Voorwerp& v = ontwerp().voorwerp(index);
  if (v.Soort() == Tekstlijn) {
    // Set first, so the box's change handler finds the same text.
    bewerking_.ZetHuidigeLijn(index);
    txtTekstlijn_->setText(v.Tekst);
    txtTekstlijn_->selectAll();
    txtTekstlijn_->setFocus();
    ToonKenmerken(index);
  }
  bewerking_.ZetGeselecteerd(index, true);
  ZetMenusVoorSelectie(index);
  if (!bewerking_.Bezig()) PlaatsHandvaten();
  pictEtiket_->ToonAlles();
}

void Etiket::DeSelecteerVoorwerp(int index) {
  bewerking_.ZetGeselecteerd(index, false);
  if (bewerking_.HuidigeLijn() == index) bewerking_.ZetHuidigeLijn(0);
  if (bewerking_.AantalGeselecteerd() == 1) {
    ZetMenusVoorSelectie(bewerking_.GeselecteerdVoorwerp());
  } else {
    mnuRondeTekstWijzigen_->setEnabled(false);
    mnuTekstOmzetten_->setEnabled(false);
  }
  if (!bewerking_.Bezig()) PlaatsHandvaten();
  pictEtiket_->ToonAlles();
}

void Etiket::DeSelekteerAlles() {
  bewerking_.WisSelectie();
  bewerking_.ZetHuidigeLijn(0);
  mnuRondeTekstWijzigen_->setEnabled(false);
  mnuTekstOmzetten_->setEnabled(false);
}

void Etiket::PlaatsHandvaten() {
  beeld_.PlaatsHandvaten();
  pictEtiket_->PlaatsHandvatWidgets();
  pictEtiket_->ToonAlles();
}

void Etiket::VerbergHandvaten() {
  beeld_.VerbergHandvaten();
  pictEtiket_->PlaatsHandvatWidgets();
}

void Etiket::mnuAllesSelekteren_Click() {
  Wijziging wijziging(*this);
  for (int i = 1; i <= ontwerp().AantalVoorwerpen(); ++i)
    if (!bewerking_.Geselecteerd(i)) SelecteerVoorwerp(i);
}

void Etiket::pictEtiket_MouseDown(Qt::MouseButton knop, Qt::KeyboardModifiers toetsen, float x, float y) {
  const Ontwerp& o = ontwerp();
  if (knop == Qt::RightButton) {
    // The right button moves: the element under the pointer, or the
    // selection as it is when the pointer is on nothing.
    const int raak = o.ZoekVoorwerp(x, y);
    if (raak != 0 && !bewerking_.Geselecteerd(raak)) {
      Wijziging wijziging(*this);
      DeSelekteerAlles();
      SelecteerVoorwerp(raak);
    }
    if (bewerking_.AantalGeselecteerd() == 0) return;
    BeginVerplaatsen(x, y, toetsen & Qt::ControlModifier);
    return;
  }
  if (knop != Qt::LeftButton) return;
  const int raak = o.ZoekVoorwerp(x, y);
  if (raak == 0) return;
  Wijziging wijziging(*this);
  if (toetsen & Qt::ShiftModifier) {
    if (!bewerking_.Geselecteerd(raak)) SelecteerVoorwerp(raak);
    else if (bewerking_.AantalGeselecteerd() == 1) opties_.meldingen->beep();
    else DeSelecteerVoorwerp(raak);
  } else {
    DeSelekteerAlles();
    SelecteerVoorwerp(raak);
  }
}

void Etiket::mnuVerwijderen_Click() {
  Wijziging wijziging(*this);
  // Downwards, so the indexes still to visit stay valid.
  for (int i = ontwerp().AantalVoorwerpen(); i >= 1; --i)
    if (bewerking_.Geselecteerd(i)) bewerking_.VerwijderVoorwerp(i);
  if (ontwerp().AantalVoorwerpen() > 0) SelecteerVoorwerp(1);
}

void Etiket::VerwijderVoorwerpen() {
  Wijziging wijziging(*this);
  bewerking_.VerwijderVoorwerpen();
  mnuRondeTekstWijzigen_->setEnabled(false);
  mnuTekstOmzetten_->setEnabled(false);
}

void Etiket::EindVerplaatsen(bool doeVerplaatsing) {
  verplaatsing_.reset();
  beeld_.SchaduwZichtbaar = false;
  pictEtiket_->ToonAlles();
  if (!doeVerplaatsing) return;
  Wijziging wijziging(*this);
  const Kader sel = beeld_.Selectie();
  const Kader& schaduw = beeld_.Schaduw;
  Ontwerp& o = ontwerp();
  for (int i = 1; i <= o.AantalVoorwerpen(); ++i) {
    if (!bewerking_.Geselecteerd(i)) continue;
    const Voorwerp& v = o.voorwerp(i);
    float l = v.Links - sel.Links + schaduw.Links, b = v.Boven - sel.Boven + schaduw.Boven;
    float br = v.Breedte, h = v.Hoogte;
    o.PlaatsVoorwerp(i, l, b, br, h);
  }
}

void Etiket::cmdCentreren_Click() {
  if (bewerking_.AantalGeselecteerd() == 0) return;
  beeld_.PlaatsHandvaten();
  const Kader s = beeld_.Selectie();
  Kader& schaduw = beeld_.Schaduw;
  schaduw.Links = (s.Links - s.Rechts) / 2;
  schaduw.Rechts = schaduw.Links + (s.Rechts - s.Links);
  schaduw.Boven = (s.Boven - s.Onder) / 2;
  schaduw.Onder = schaduw.Boven + (s.Onder - s.Boven);
  beeld_.SchaduwZichtbaar = true;
  EindVerplaatsen(true);
}
