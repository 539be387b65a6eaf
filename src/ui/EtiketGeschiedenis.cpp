// The one change path of the design, and undo and redo on top of it.
#include <QAction>
#include <QLineEdit>

#include "ui/Etiket.h"
#include "ui/EtiketPlaatje.h"
#include "ui/Wijziging.h"

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
    if (ToonVerschil(voor.ontwerp)) geschiedenis_.Leg(std::move(voor), wijzigingSleutel_);
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

bool Etiket::ToonVerschil(const Ontwerp& voor) {
  if (voor.HuidigFormaat != bewerking_.ontwerp().HuidigFormaat) {
    BerekenSchaal();
    ToonAfdrukbaarGebied();
    return true;
  }
  bool veranderd = false;
  pictEtiket_->Toon(beeld_.Herteken(beeld_.Verschil(voor, &veranderd)));
  return veranderd;
}

void Etiket::WisGeschiedenis() {
  geschiedenis_.Wis();
  WerkGeschiedenisMenuBij();
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
