#include "printing/StreepjescodeOpdrachten.h"

#include "barcodes/Codering.h"
#include "barcodes/TekenStreepjescode.h"
#include "model/Ontwerp.h"
#include "printing/Nummering.h"

namespace printing {

namespace {
// The box of a barcode whose data cannot be encoded yet, in mm.
constexpr float kStandaardBreedte = 30, kStandaardHoogte = 15;
}  // namespace

Streepjescode StreepjescodeVan(const Ontwerp& o, int index) {
  const Voorwerp& v = o.voorwerp(index);
  Streepjescode code = v.code();
  if (IsLineair(code.Soort)) code.Hoogte = v.Hoogte;
  return code;
}

std::optional<QString> FoutInStreepjescode(const Streepjescode& code, const Nummering& nummering) {
  QString gegevens = code.Gegevens;
  const NummeringBron bron(nummering, QDateTime::currentDateTime());
  if (HeeftCode(gegevens, bron)) {
    bool lijst = false;
    for (auto c = VolgendeCode(gegevens); c && !lijst; c = VolgendeCode(gegevens, c->begin + 1))
      lijst = bron.Soort(c->naam) == CodeSoort::Kolom;
    if (lijst && nummering.NummerLijst.isEmpty()) return std::nullopt;
    const std::vector<int> nummers = ReeksVoor(lijst ? 2 : 1, nummering).Nummers();
    gegevens = VervangNummering(gegevens, nummers.empty() ? 1 : nummers.front(), bron);
  }
  return FoutInGegevens(code.Soort, gegevens);
}

int NieuweStreepjescode(Ontwerp& o, const Streepjescode& code, int ppm) {
  const int index = o.NieuwVoorwerp(SoortVoorwerp::Streepjescodevoorwerp);
  o.voorwerp(index).code() = code;
  // The symbol of the first copy decides the size.
  Streepjescode eerste = code;
  eerste.Gegevens = VervangNummering(code.Gegevens, 1, o.nummering);
  const QSize maat = GewensteMaat(eerste, ppm);
  float breedte = maat.isEmpty() ? kStandaardBreedte : float(maat.width()) / float(ppm);
  float hoogte = maat.isEmpty() ? kStandaardHoogte : float(maat.height()) / float(ppm);
  if (IsLineair(code.Soort)) hoogte = code.Hoogte;
  float links = -breedte / 2, boven = -hoogte / 2;
  o.PlaatsVoorwerp(index, links, boven, breedte, hoogte);
  return index;
}

void WijzigStreepjescode(Ontwerp& o, int index, const Streepjescode& code) {
  Voorwerp& v = o.voorwerp(index);
  v.code() = code;
  if (!IsLineair(code.Soort)) return;
  float links = v.Links, boven = v.Boven, breedte = v.Breedte, hoogte = code.Hoogte;
  o.PlaatsVoorwerp(index, links, boven, breedte, hoogte);
}

}  // namespace printing
