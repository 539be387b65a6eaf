// Does not compile, on purpose: the test SoortVergeten builds it and
// expects the compiler to refuse both operations below, each for leaving a
// kind of element out. So a new kind that an operation does not handle
// stops the build, whether the operation visits the element's part or
// switches over its kind.
#include "model/Voorwerp.h"

using namespace model;

int BezoekZonderStreepjescode(const Voorwerp& v) {
  return v.Bezoek([](const TekstlijnDeel&) { return 1; }, [](const FiguurDeel&) { return 2; },
                  [](const RondeTekstDeel&) { return 3; });
}

int SwitchZonderStreepjescode(SoortVoorwerp soort) {
  switch (soort) {
    case SoortVoorwerp::Tekstlijn: return 1;
    case SoortVoorwerp::Figuur: return 2;
    case SoortVoorwerp::RondeTekst: return 3;
  }
  return 0;
}
