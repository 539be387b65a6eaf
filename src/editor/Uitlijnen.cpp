#include "editor/Uitlijnen.h"

#include <algorithm>
#include <limits>

namespace editor {

namespace {

void Zet(Ontwerp& o, int i, float links, float boven) {
  const Voorwerp& v = o.voorwerp(i);
  float l = links, b = boven, br = v.Breedte, h = v.Hoogte;
  o.PlaatsVoorwerp(i, l, b, br, h);
}

// Equal gaps along one axis: `begin` and `maat` give an element's start and
// length on it, `zet` moves it there.
template <typename Begin, typename Maat, typename ZetOp>
void Verdeel(const Ontwerp& o, std::vector<int> indexen, Begin begin, Maat maat, ZetOp zet) {
  if (indexen.size() < 3) return;
  std::stable_sort(indexen.begin(), indexen.end(),
                   [&](int a, int b) { return begin(o.voorwerp(a)) < begin(o.voorwerp(b)); });
  const Voorwerp& eerste = o.voorwerp(indexen.front());
  const Voorwerp& laatste = o.voorwerp(indexen.back());
  double samen = 0;
  for (int i : indexen) samen += maat(o.voorwerp(i));
  const double ruimte = (begin(laatste) + maat(laatste)) - begin(eerste);
  const double gat = (ruimte - samen) / double(indexen.size() - 1);
  double plek = begin(eerste) + maat(eerste) + gat;
  for (size_t k = 1; k + 1 < indexen.size(); ++k) {
    zet(indexen[k], float(plek));
    plek += maat(o.voorwerp(indexen[k])) + gat;
  }
}

}  // namespace

void Uitlijnen(Ontwerp& o, const std::vector<int>& indexen, Uitlijning hoe, const EtiketFormaat& f) {
  if (indexen.empty()) return;
  float links = std::numeric_limits<float>::max(), boven = links;
  float rechts = std::numeric_limits<float>::lowest(), onder = rechts;
  if (indexen.size() == 1) {
    // On the label: its edges, with the origin at its centre.
    links = -f.Breedte / 2, rechts = f.Breedte / 2, boven = -f.Hoogte / 2, onder = f.Hoogte / 2;
  } else {
    for (int i : indexen) {
      const Voorwerp& v = o.voorwerp(i);
      links = std::min<float>(links, v.Links);
      boven = std::min<float>(boven, v.Boven);
      rechts = std::max(rechts, v.Rechts());
      onder = std::max(onder, v.Onder());
    }
  }
  const auto x = [](const Voorwerp& v) { return double(v.Links); };
  const auto y = [](const Voorwerp& v) { return double(v.Boven); };
  const auto breedte = [](const Voorwerp& v) { return double(v.Breedte); };
  const auto hoogte = [](const Voorwerp& v) { return double(v.Hoogte); };
  switch (hoe) {
    case Uitlijning::HorizontaalVerdelen:
      Verdeel(o, indexen, x, breedte, [&](int i, float l) { Zet(o, i, l, o.voorwerp(i).Boven); });
      return;
    case Uitlijning::VerticaalVerdelen:
      Verdeel(o, indexen, y, hoogte, [&](int i, float b) { Zet(o, i, o.voorwerp(i).Links, b); });
      return;
    default: break;
  }
  for (int i : indexen) {
    const Voorwerp& v = o.voorwerp(i);
    float l = v.Links, b = v.Boven;
    switch (hoe) {
      case Uitlijning::Links: l = links; break;
      case Uitlijning::Centreren: l = (links + rechts) / 2 - v.Breedte / 2; break;
      case Uitlijning::Rechts: l = rechts - v.Breedte; break;
      case Uitlijning::Boven: b = boven; break;
      case Uitlijning::Midden: b = (boven + onder) / 2 - v.Hoogte / 2; break;
      case Uitlijning::Onder: b = onder - v.Hoogte; break;
      case Uitlijning::HorizontaalVerdelen:
      case Uitlijning::VerticaalVerdelen: break;
    }
    Zet(o, i, l, b);
  }
}

}  // namespace editor
