#include "model/AfdrukbaarGebied.h"

#include "model/MinMax.h"

namespace model {

AfdrukbaarGebied BerekenAfdrukbaarGebied(const EtiketFormaat& f, float hs, float vs) {
  const float W = f.Breedte, H = f.Hoogte, P = f.VerticaleSteek;
  AfdrukbaarGebied g;
  g.Boven = -H / 2 + Maximum(f.BovenMarge, -vs);
  g.Onder = H / 2 - Maximum(f.OnderMarge, vs - P + H);
  g.Links = -W / 2 + Maximum(f.LinkerMarge, -hs);
  g.Rechts = W / 2 - f.RechterMarge;
  return g;
}

}  // namespace model
