#include "model/Voorwerp.h"

#include <stdexcept>

namespace {

[[noreturn]] void GeenDeel(const char* deel) { throw std::logic_error(deel); }

}  // namespace

void Beelddeel::ZetAfbeelding(std::shared_ptr<const Beeld> beeld, qint32 breedte, qint32 hoogte) {
  Afbeelding = std::move(beeld);
  BeeldBreedte = breedte;
  BeeldHoogte = hoogte;
  BronX = 0;
  BronY = 0;
  BronBreedte = breedte;
  BronHoogte = hoogte;
}

Voorwerp::Voorwerp(qint16 soort) { ZetSoort(soort); }

void Voorwerp::ZetSoort(qint16 soort) {
  const Tekstdeel* t = alsTekst();
  const Tekstdeel tekst = t ? *t : Tekstdeel{};
  const Cirkeldeel* c = std::get_if<TekstlijnDeel>(&deel_);
  if (!c) c = std::get_if<RondeTekstDeel>(&deel_);
  const Cirkeldeel cirkel = c ? *c : Cirkeldeel{};
  const Beelddeel* b = alsBeeld();
  const Beelddeel beeld = b ? *b : Beelddeel{};
  switch (soort) {
    case Figuur: deel_ = FiguurDeel{beeld}; break;
    case RondeTekst: deel_ = RondeTekstDeel{tekst, cirkel, beeld}; break;
    case Streepjescodevoorwerp:
      if (!std::holds_alternative<StreepjescodeDeel>(deel_)) deel_ = StreepjescodeDeel{};
      break;
    default: deel_ = TekstlijnDeel{tekst, cirkel}; break;
  }
  soort_ = soort == Figuur || soort == RondeTekst || soort == Streepjescodevoorwerp ? soort : qint16(Tekstlijn);
}

Tekstdeel* Voorwerp::alsTekst() {
  if (auto* t = std::get_if<TekstlijnDeel>(&deel_)) return t;
  if (auto* r = std::get_if<RondeTekstDeel>(&deel_)) return r;
  return nullptr;
}
const Tekstdeel* Voorwerp::alsTekst() const { return const_cast<Voorwerp*>(this)->alsTekst(); }

const Beelddeel* Voorwerp::alsBeeld() const {
  if (auto* f = std::get_if<FiguurDeel>(&deel_)) return f;
  if (auto* r = std::get_if<RondeTekstDeel>(&deel_)) return r;
  return nullptr;
}

const Streepjescode* Voorwerp::alsCode() const { return std::get_if<StreepjescodeDeel>(&deel_); }

Streepjescode& Voorwerp::code() {
  if (auto* c = std::get_if<StreepjescodeDeel>(&deel_)) return *c;
  GeenDeel("only a barcode has a barcode");
}
const Streepjescode& Voorwerp::code() const { return const_cast<Voorwerp*>(this)->code(); }

Tekstdeel& Voorwerp::tekst() {
  if (Tekstdeel* t = alsTekst()) return *t;
  GeenDeel("this kind has no text");
}
const Tekstdeel& Voorwerp::tekst() const { return const_cast<Voorwerp*>(this)->tekst(); }

Cirkeldeel& Voorwerp::cirkel() {
  if (auto* t = std::get_if<TekstlijnDeel>(&deel_)) return *t;
  if (auto* r = std::get_if<RondeTekstDeel>(&deel_)) return *r;
  GeenDeel("this kind has no circle");
}
const Cirkeldeel& Voorwerp::cirkel() const { return const_cast<Voorwerp*>(this)->cirkel(); }

Beelddeel& Voorwerp::beeld() {
  if (const Beelddeel* b = alsBeeld()) return *const_cast<Beelddeel*>(b);
  GeenDeel("this kind has no picture");
}
const Beelddeel& Voorwerp::beeld() const { return const_cast<Voorwerp*>(this)->beeld(); }

void Voorwerp::Plaats(float& links, float& boven, float& breedte, float& hoogte) {
  if (!(breedte > 0)) breedte = 1;
  if (!(hoogte > 0)) hoogte = 1;
  Links = links;
  Boven = boven;
  Breedte = breedte;
  Hoogte = hoogte;
}

bool Voorwerp::ZelfdeAls(const Voorwerp& w) const {
  return soort_ == w.soort_ && Links == w.Links && Boven == w.Boven && Breedte == w.Breedte && Hoogte == w.Hoogte &&
         deel_ == w.deel_;
}
