#include "figures/Figuur.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "model/MinMax.h"
#include "model/ZwartWit.h"

namespace figures {

bool PastAlsFiguur(qint64 breedte, qint64 hoogte) {
  return breedte > 0 && hoogte > 0 && breedte <= kMaxFiguurZijde && hoogte <= kMaxFiguurZijde &&
         breedte * hoogte <= kMaxFiguurPunten;
}

QString TeGrootMelding(qint64 breedte, qint64 hoogte, qint64 grens) {
  return QStringLiteral("De afbeelding is te groot: %1 x %2 beeldpunten, ten hoogste %3 beeldpunten.")
      .arg(breedte)
      .arg(hoogte)
      .arg(grens);
}

QImage MaakFiguurBitmap(const QImage& plaatje, QRgb achtergrond) {
  if (plaatje.isNull() || !PastAlsFiguur(plaatje.width(), plaatje.height())) return {};
  return NaarZwartWit(plaatje, achtergrond);
}

void SchaalFiguur(Ontwerp& ontwerp, int index, float b, float h) {
  Voorwerp& v = ontwerp.voorwerp(index);
  const double pw = v.beeld().BeeldBreedte, ph = v.beeld().BeeldHoogte;
  // A figure without a picture has no proportions to keep.
  if (pw <= 0 || ph <= 0) return;
  const double s = Minimum(b / pw, h / ph);
  v.Breedte = float(s * pw);
  v.Hoogte = float(s * ph);
}

int FiguurToevoegen(Ontwerp& ontwerp, const EtiketFormaat& formaat, const SchermSchaal& s, const QImage& plaatje,
                    QRgb achtergrond, const Omzetting& omzetting) {
  // The bitmap comes first: a picture that cannot become one adds nothing.
  auto beeld = std::make_shared<Beeld>();
  beeld->raster = MaakFiguurBitmap(plaatje, achtergrond);
  if (beeld->raster.isNull()) return 0;
  // Grey values are kept only where there are any: black and white alone
  // dither to what the bitmap already is.
  QImage grijs = NaarGrijs(plaatje, achtergrond);
  if (HeeftGrijstinten(grijs)) beeld->grijs = std::move(grijs);
  const qint32 breedte = beeld->raster.width(), hoogte = beeld->raster.height();

  const int index = ontwerp.NieuwVoorwerp(SoortVoorwerp::Figuur);
  Voorwerp& v = ontwerp.voorwerp(index);
  v.beeld().ZetAfbeelding(std::move(beeld), breedte, hoogte);
  v.alsFiguur()->omzetting = omzetting;

  float links, boven;
  if (ontwerp.AantalLijnen() > 0) {
    const float b = Minimum(float(v.beeld().BeeldBreedte) * s.MmPerPixelX, s.ScaleWidth / 3);
    const float h = Minimum(float(v.beeld().BeeldHoogte) * s.MmPerPixelY, s.ScaleHeight / 3);
    SchaalFiguur(ontwerp, index, b, h);
    links = s.ScaleLeft;
    boven = s.ScaleTop;
  } else {
    SchaalFiguur(ontwerp, index, 0.9f * formaat.Breedte, 0.9f * formaat.Hoogte);
    links = -v.Breedte / 2;
    boven = -v.Hoogte / 2;
  }
  float breedteMm = v.Breedte, hoogteMm = v.Hoogte;
  ontwerp.PlaatsVoorwerp(index, links, boven, breedteMm, hoogteMm);
  return index;
}

}  // namespace figures
