// Selecting, the handles, deleting and moving the selection as a whole.
#include <QAction>
#include <QLineEdit>

#include "editor/Etiket.h"
#include "editor/EtiketPlaatje.h"
#include "platform/MessageService.h"

void Etiket::VerbindSelectie() {
  connect(pictEtiket_, &EtiketPlaatje::MuisNeer, this,
          [this](Qt::MouseButton knop, Qt::KeyboardModifiers toetsen, QPointF mm) {
            Opdracht([&] { pictEtiket_MouseDown(knop, toetsen, float(mm.x()), float(mm.y())); });
          });
}

void Etiket::ZetMenusVoorSelectie(int index) {
  const qint16 soort = ontwerp_.voorwerp(index).Soort;
  const bool een = ontwerp_.AantalGeselecteerd == 1;
  mnuRondeTekstWijzigen_->setEnabled(soort == RondeTekst && een);
  mnuTekstOmzetten_->setEnabled((soort == Tekstlijn || soort == RondeTekst) && een);
  if (een)
    mnuTekstOmzetten_->setText(soort == RondeTekst ? QStringLiteral("Om&zetten naar rechte tekst")
                                                   : QStringLiteral("Om&zetten naar ronde tekst"));
}

void Etiket::SelecteerVoorwerp(int index) {
  const Voorwerp& v = ontwerp_.voorwerp(index);
  if (v.Soort == Tekstlijn) {
    // Set first, so the box's change handler finds the same text.
    ontwerp_.HuidigeLijn = qint16(index);
    txtTekstlijn_->setText(v.Tekst);
    txtTekstlijn_->selectAll();
    txtTekstlijn_->setFocus();
    ToonKenmerken(index);
  }
  if (!ontwerp_.Geselecteerd(index)) ++ontwerp_.AantalGeselecteerd;
  ontwerp_.ZetGeselecteerd(index, true);
  ontwerp_.kader(index).Rand = 2;
  ZetMenusVoorSelectie(index);
  if (!ontwerp_.Bezig) PlaatsHandvaten();
  pictEtiket_->ToonAlles();
}

void Etiket::DeSelecteerVoorwerp(int index) {
  ontwerp_.ZetGeselecteerd(index, false);
  ontwerp_.kader(index).Rand = 1;
  --ontwerp_.AantalGeselecteerd;
  if (ontwerp_.HuidigeLijn == index) ontwerp_.HuidigeLijn = 0;
  if (ontwerp_.AantalGeselecteerd == 1) {
    ZetMenusVoorSelectie(ontwerp_.GeselecteerdVoorwerp());
  } else {
    mnuRondeTekstWijzigen_->setEnabled(false);
    mnuTekstOmzetten_->setEnabled(false);
  }
  if (!ontwerp_.Bezig) PlaatsHandvaten();
  pictEtiket_->ToonAlles();
}

void Etiket::DeSelekteerAlles() {
  const bool bezig = ontwerp_.Bezig;
  ontwerp_.Bezig = true;
  for (int i = 1; i <= ontwerp_.AantalVoorwerpen; ++i)
    if (ontwerp_.Geselecteerd(i)) DeSelecteerVoorwerp(i);
  ontwerp_.AantalGeselecteerd = 0;
  ontwerp_.Bezig = bezig;
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
  VerbergAlles();
  for (int i = 1; i <= ontwerp_.AantalVoorwerpen; ++i)
    if (!ontwerp_.Geselecteerd(i)) SelecteerVoorwerp(i);
  ToonAlles();
}

void Etiket::pictEtiket_MouseDown(Qt::MouseButton knop, Qt::KeyboardModifiers toetsen, float x, float y) {
  if (knop == Qt::RightButton) {
    // The right button moves: the element under the pointer, or the
    // selection as it is when the pointer is on nothing.
    const int raak = ontwerp_.ZoekVoorwerp(x, y);
    if (raak != 0 && !ontwerp_.Geselecteerd(raak)) {
      DeSelekteerAlles();
      SelecteerVoorwerp(raak);
    }
    if (ontwerp_.AantalGeselecteerd == 0) return;
    BeginVerplaatsen(x, y, toetsen & Qt::ControlModifier);
    return;
  }
  if (knop != Qt::LeftButton) return;
  const int raak = ontwerp_.ZoekVoorwerp(x, y);
  if (raak == 0) return;
  if (toetsen & Qt::ShiftModifier) {
    if (!ontwerp_.Geselecteerd(raak)) SelecteerVoorwerp(raak);
    else if (ontwerp_.AantalGeselecteerd == 1) opties_.meldingen->beep();
    else DeSelecteerVoorwerp(raak);
  } else {
    DeSelekteerAlles();
    SelecteerVoorwerp(raak);
  }
}

void Etiket::mnuVerwijderen_Click() {
  VerbergAlles();
  // Downwards, so the indexes still to visit stay valid.
  for (int i = ontwerp_.AantalVoorwerpen; i >= 1; --i) {
    if (!ontwerp_.Geselecteerd(i)) continue;
    ontwerp_.TeHertekenenVoorwerp(i);
    ontwerp_.VerwijderVoorwerp(i);
  }
  if (ontwerp_.AantalVoorwerpen > 0) SelecteerVoorwerp(1);
  Hertekenen();
  PlaatsHandvaten();
  ToonAlles();
}

void Etiket::VerwijderVoorwerpen() {
  ontwerp_.VerwijderVoorwerpen();
  mnuRondeTekstWijzigen_->setEnabled(false);
  mnuTekstOmzetten_->setEnabled(false);
  Hertekenen();
  PlaatsHandvaten();
}

void Etiket::EindVerplaatsen(bool doeVerplaatsing) {
  verplaatsing_.reset();
  beeld_.SchaduwZichtbaar = false;
  pictEtiket_->ToonAlles();
  if (!doeVerplaatsing) return;
  VerbergAlles();
  const Kader sel = beeld_.Selectie();
  const Kader& schaduw = beeld_.Schaduw;
  for (int i = 1; i <= ontwerp_.AantalVoorwerpen; ++i) {
    if (!ontwerp_.Geselecteerd(i)) continue;
    const Voorwerp& v = ontwerp_.voorwerp(i);
    float l = v.Links - sel.Links + schaduw.Links, b = v.Boven - sel.Boven + schaduw.Boven;
    float br = v.Breedte, h = v.Hoogte;
    ontwerp_.PlaatsVoorwerp(i, l, b, br, h);
  }
  Hertekenen();
  PlaatsHandvaten();
  ToonAlles();
}

void Etiket::cmdCentreren_Click() {
  if (ontwerp_.AantalGeselecteerd == 0) return;
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
