#include "model/Voorwerp.h"

#include <stdexcept>
#include <type_traits>

namespace model {

namespace {

[[noreturn]] void GeenDeel(const char* deel) { throw std::logic_error(deel); }

// The part P of whichever kind the element holds, nullptr when that kind
// is not made of one: it follows from what each kind's struct derives
// from, so a new kind has the parts it is made of without being listed.
template <typename P, typename Deel>
P* Als(Deel& deel) {
  return std::visit(
      [](auto& d) -> P* {
        if constexpr (std::is_base_of_v<std::remove_const_t<P>, std::remove_cvref_t<decltype(d)>>)
          return &d;
        else
          return nullptr;
      },
      deel);
}

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

Voorwerp::Voorwerp(SoortVoorwerp soort) { ZetSoort(soort); }

void Voorwerp::ZetSoort(SoortVoorwerp soort) {
  const Tekstdeel* t = alsTekst();
  const Tekstdeel tekst = t ? *t : Tekstdeel{};
  const Cirkeldeel* c = Als<const Cirkeldeel>(deel_);
  const Cirkeldeel cirkel = c ? *c : Cirkeldeel{};
  const Beelddeel* b = alsBeeld();
  const Beelddeel beeld = b ? *b : Beelddeel{};
  switch (soort) {
    case SoortVoorwerp::Tekstlijn: deel_ = TekstlijnDeel{tekst, cirkel, {}}; break;
    case SoortVoorwerp::Figuur: deel_ = FiguurDeel{beeld, {}}; break;
    case SoortVoorwerp::RondeTekst: deel_ = RondeTekstDeel{tekst, cirkel, beeld}; break;
    case SoortVoorwerp::Streepjescodevoorwerp:
      if (!std::holds_alternative<StreepjescodeDeel>(deel_)) deel_ = StreepjescodeDeel{};
      break;
  }
}

Tekstdeel* Voorwerp::alsTekst() { return Als<Tekstdeel>(deel_); }
const Tekstdeel* Voorwerp::alsTekst() const { return const_cast<Voorwerp*>(this)->alsTekst(); }

const Beelddeel* Voorwerp::alsBeeld() const { return Als<const Beelddeel>(deel_); }

TekstlijnDeel* Voorwerp::alsTekstlijn() { return std::get_if<TekstlijnDeel>(&deel_); }
const TekstlijnDeel* Voorwerp::alsTekstlijn() const { return std::get_if<TekstlijnDeel>(&deel_); }

FiguurDeel* Voorwerp::alsFiguur() { return std::get_if<FiguurDeel>(&deel_); }
const FiguurDeel* Voorwerp::alsFiguur() const { return std::get_if<FiguurDeel>(&deel_); }

const Streepjescode* Voorwerp::alsCode() const { return Als<const Streepjescode>(deel_); }

Streepjescode& Voorwerp::code() {
  if (auto* c = Als<Streepjescode>(deel_)) return *c;
  GeenDeel("only a barcode has a barcode");
}
const Streepjescode& Voorwerp::code() const { return const_cast<Voorwerp*>(this)->code(); }

Tekstdeel& Voorwerp::tekst() {
  if (Tekstdeel* t = alsTekst()) return *t;
  GeenDeel("this kind has no text");
}
const Tekstdeel& Voorwerp::tekst() const { return const_cast<Voorwerp*>(this)->tekst(); }

Cirkeldeel& Voorwerp::cirkel() {
  if (auto* c = Als<Cirkeldeel>(deel_)) return *c;
  GeenDeel("this kind has no circle");
}
const Cirkeldeel& Voorwerp::cirkel() const { return const_cast<Voorwerp*>(this)->cirkel(); }

Beelddeel& Voorwerp::beeld() {
  if (auto* b = Als<Beelddeel>(deel_)) return *b;
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
  return Links == w.Links && Boven == w.Boven && Breedte == w.Breedte && Hoogte == w.Hoogte && deel_ == w.deel_;
}

}  // namespace model
