// The one change path of the design, and undo and redo on top of it.
#include <QAction>
#include <QLineEdit>

#include "editor/Etiket.h"
#include "editor/EtiketPlaatje.h"
#include "editor/Wijziging.h"

namespace {

// Same format and the same elements in the same order. The file name and
// version are not part of what undo takes back.
bool ZelfdeOntwerp(const Ontwerp& a, const Ontwerp& b) {
  if (a.HuidigFormaat != b.HuidigFormaat || a.AantalVoorwerpen() != b.AantalVoorwerpen()) return false;
  for (int i = 1; i <= a.AantalVoorwerpen(); ++i) {
    const Voorwerp& v = a.voorwerp(i);
    const Voorwerp& w = b.voorwerp(i);
    if (v.Id() != w.Id() || !v.ZelfdeAls(w)) return false;
  }
  return true;
}

}  // namespace

Wijziging::Wijziging(Etiket& venster, const QString& samenvoegen) : venster_(venster) {
  venster_.BeginWijziging(samenvoegen);
}

Wijziging::~Wijziging() { venster_.EindWijziging(); }

void Etiket::BeginWijziging(const QString& samenvoegen) {
  if (wijzigingDiepte_++ > 0) return;
  wijzigingVoor_ = Stap{bewerking_.ontwerp(), bewerking_.BewaarSelectie()};
  wijzigingSleutel_ = samenvoegen;
  VerbergAlles();
}

void Etiket::EindWijziging() noexcept {
  if (--wijzigingDiepte_ > 0) return;
  try {
    Stap voor = std::move(*wijzigingVoor_);
    wijzigingVoor_.reset();
    // A deleted element leaves the selection.
    bewerking_.HerstelSelectie(bewerking_.BewaarSelectie());
    ToonVerschil(voor.ontwerp);
    if (!ZelfdeOntwerp(voor.ontwerp, bewerking_.ontwerp())) geschiedenis_.Leg(std::move(voor), wijzigingSleutel_);
    else if (wijzigingSleutel_.isEmpty()) geschiedenis_.Onderbreek();
    ToonAlles();
    WerkGeschiedenisMenuBij();
  } catch (...) {
    // Leaving a command must not fail; at worst the picture is repainted whole.
    try {
      while (bewerking_.Verborgen < 0) ToonAlles();
      HertekenAlles();
    } catch (...) {
    }
  }
}

void Etiket::ToonVerschil(const Ontwerp& voor) {
  if (voor.HuidigFormaat != bewerking_.ontwerp().HuidigFormaat) {
    BerekenSchaal();
    ToonAfdrukbaarGebied();
    return;
  }
  pictEtiket_->Toon(beeld_.Herteken(beeld_.Verschil(voor)));
}

void Etiket::WerkGeschiedenisMenuBij() {
  mnuOngedaan_->setEnabled(geschiedenis_.KanOngedaan());
  mnuOpnieuw_->setEnabled(geschiedenis_.KanOpnieuw());
}

void Etiket::ZetStap(Stap stap) {
  VerbergAlles();
  Ontwerp voor = bewerking_.ontwerp();
  // The name it is saved under stays what it is now.
  stap.ontwerp.Bestandsnaam = voor.Bestandsnaam;
  stap.ontwerp.BestType = voor.BestType;
  bewerking_.ZetOntwerp(std::move(stap.ontwerp));
  bewerking_.HerstelSelectie(stap.selectie);
  ToonVerschil(voor);
  {
    Bewerking::BezigBlok bezig(bewerking_);
    const int lijn = bewerking_.HuidigeLijn();
    txtTekstlijn_->setText(lijn != 0 ? ontwerp().voorwerp(lijn).Tekst : QString());
    ToonKenmerken(lijn);
  }
  const int eerste = bewerking_.GeselecteerdVoorwerp();
  if (eerste != 0) {
    ZetMenusVoorSelectie(eerste);
  } else {
    mnuRondeTekstWijzigen_->setEnabled(false);
    mnuTekstOmzetten_->setEnabled(false);
  }
  ToonAlles();
  WerkGeschiedenisMenuBij();
}

void Etiket::mnuOngedaan_Click() {
  if (wijzigingDiepte_ > 0) return;
  if (auto stap = geschiedenis_.Ongedaan({bewerking_.ontwerp(), bewerking_.BewaarSelectie()})) ZetStap(std::move(*stap));
}

void Etiket::mnuOpnieuw_Click() {
  if (wijzigingDiepte_ > 0) return;
  if (auto stap = geschiedenis_.Opnieuw({bewerking_.ontwerp(), bewerking_.BewaarSelectie()})) ZetStap(std::move(*stap));
}
