#include "editor/Bewerker.h"

#include <exception>

#include "editor/Wijziging.h"

namespace editor {

Wijziging::Wijziging(Bewerker& bewerker, const QString& samenvoegen)
    : bewerker_(bewerker), uitzonderingen_(std::uncaught_exceptions()) {
  bewerker_.BeginWijziging(samenvoegen);
}

Wijziging::~Wijziging() { bewerker_.EindWijziging(std::uncaught_exceptions() > uitzonderingen_); }

Ontwerp& Wijziging::ontwerp() { return bewerker_.bewerking_.ontwerp(); }
Bewerking& Wijziging::bewerking() { return bewerker_.bewerking_; }

Bewerker::Bewerker(const FormatenTabel& formaten, QObject* parent)
    : QObject(parent), formaten_(formaten), beeld_(bewerking_, formaten) {}

void Bewerker::VerbergAlles() {
  beeld_.VerbergAlles();
  emit AllesGetoond();
}

void Bewerker::ToonAlles() {
  beeld_.ToonAlles();
  emit HandvattenGeplaatst();
  emit AllesGetoond();
}

void Bewerker::BerekenSchaal(QSize pixels, QSizeF twips) {
  beeld_.BerekenSchaal(pixels.width(), pixels.height(), twips.width(), twips.height());
  HertekenAlles();
}

void Bewerker::HertekenAlles() {
  beeld_.TekenAlles();
  // A new scale (a zoom, a resize) moves the handles with everything else.
  emit HandvattenGeplaatst();
  emit AllesGetoond();
}

void Bewerker::BeginWijziging(const QString& samenvoegen) {
  // Every level keeps its own starting point: a failure caught inside an
  // outer command takes back only what the inner one did.
  voor_.push_back(HuidigeStap());
  if (diepte_++ > 0) return;
  sleutel_ = samenvoegen;
  VerbergAlles();
}

void Bewerker::EindWijziging(bool mislukt) noexcept {
  Stap voor = std::move(voor_.back());
  voor_.pop_back();
  const bool binnen = --diepte_ > 0;
  try {
    std::optional<Ontwerp> mislukte;
    if (mislukt) {
      mislukte = bewerking_.ontwerp();
      bewerking_.ZetOntwerp(voor.ontwerp);
      bewerking_.HerstelSelectie(voor.selectie);
    }
    if (binnen) return;
    if (mislukte) {
      // Nothing of it stays: repaint what it had changed, and no step.
      ToonVerschil(*mislukte);
      geschiedenis_.Onderbreek();
      emit StapGezet();
    } else if (ToonVerschil(voor.ontwerp)) {
      stand_ = ++laatsteStand_;
      geschiedenis_.Leg(std::move(voor), sleutel_);
    } else if (sleutel_.isEmpty())
      geschiedenis_.Onderbreek();
    ToonAlles();
    emit GeschiedenisVeranderd();
  } catch (...) {
    // Leaving a command must not fail; at worst the picture is repainted whole.
    try {
      while (bewerking_.Verborgen < 0) ToonAlles();
      HertekenAlles();
    } catch (...) {
    }
  }
}

bool Bewerker::ToonVerschil(const Ontwerp& voor) {
  if (voor.HuidigFormaat != bewerking_.ontwerp().HuidigFormaat) {
    emit FormaatVeranderd();
    return true;
  }
  bool veranderd = false;
  emit Getoond(beeld_.Herteken(beeld_.Verschil(voor, &veranderd)));
  // The figure's place shows in no pixel, but undo must take it back.
  return veranderd || voor.Figuurplaats != bewerking_.ontwerp().Figuurplaats;
}

Stap Bewerker::HuidigeStap() const {
  return {bewerking_.ontwerp(), bewerking_.BewaarSelectie(), stand_, ontwerpNr_, bewaardeStand_};
}

void Bewerker::ZetStap(Stap stap) {
  VerbergAlles();
  Ontwerp voor = bewerking_.ontwerp();
  if (stap.ontwerpNr == ontwerpNr_) {
    // An earlier or later state of the same design: it is still the file
    // it is now, which a Save as since then may have renamed.
    stap.ontwerp.Bestandsnaam = voor.Bestandsnaam;
    stap.ontwerp.BestType = voor.BestType;
  } else {
    // Back to the design before "Kiezen" or forward to the one after: its
    // own name, version and saved state, as they were when it was left.
    ontwerpNr_ = stap.ontwerpNr;
    bewaardeStand_ = stap.bewaardeStand;
  }
  // The numbering stays what it is now.
  stap.ontwerp.nummering = voor.nummering;
  bewerking_.ZetOntwerp(std::move(stap.ontwerp));
  bewerking_.HerstelSelectie(stap.selectie);
  stand_ = stap.stand;
  ToonVerschil(voor);
  emit StapGezet();
  ToonAlles();
  emit GeschiedenisVeranderd();
}

bool Bewerker::Ongedaan() { return Wissel(&Geschiedenis::Ongedaan); }
bool Bewerker::Opnieuw() { return Wissel(&Geschiedenis::Opnieuw); }

bool Bewerker::Wissel(std::optional<Stap> (Geschiedenis::*richting)(Stap)) {
  // Not in the middle of a change: its scope would record the swap as one.
  if (diepte_ > 0) return false;
  auto stap = (geschiedenis_.*richting)(HuidigeStap());
  if (!stap) return false;
  ZetStap(std::move(*stap));
  return true;
}

void Bewerker::WisGeschiedenis() {
  geschiedenis_.Wis();
  emit GeschiedenisVeranderd();
}

void Bewerker::ZetBewaard() {
  bewaardeStand_ = stand_;
  // The saved state stays one undo can reach: typing on starts a new step.
  geschiedenis_.Onderbreek();
  emit GeschiedenisVeranderd();
}

void Bewerker::ZetBestand(const QString& naam, qint16 bestType) {
  bewerking_.ontwerp().Bestandsnaam = naam;
  bewerking_.ontwerp().BestType = bestType;
}

bool Bewerker::Begin(Ontwerp ontwerp) {
  if (diepte_ > 0) return false;
  bewerking_.WisSelectie();
  bewerking_.ZetHuidigeLijn(0);
  bewerking_.ZetOntwerp(std::move(ontwerp));
  geschiedenis_.Wis();
  ontwerpNr_ = ++laatsteOntwerpNr_;
  stand_ = bewaardeStand_ = ++laatsteStand_;
  emit FormaatVeranderd();
  emit GeschiedenisVeranderd();
  return true;
}

void Bewerker::BeginAnderOntwerp() { ontwerpNr_ = ++laatsteOntwerpNr_; }

void Bewerker::ZetGewijzigd() {
  bewaardeStand_ = 0;
  emit GeschiedenisVeranderd();
}

}  // namespace editor
