#include "files/Catalogus.h"

#include <QFile>
#include <cmath>

#include "files/ItemLezer.h"

namespace files {

QString CatalogusFout::Melding() const {
  QString eerste;
  switch (soort) {
    case Openen: eerste = QStringLiteral("Fout bij het openen van bestand"); break;
    case Lezen: eerste = QStringLiteral("Fout bij het lezen van bestand"); break;
    case Leeg: eerste = QStringLiteral("Het bestand bevat geen etiketformaten"); break;
  }
  return eerste + u'\n' + pad + QStringLiteral("\n\nHet programma wordt beëindigd");
}

std::variant<FormatenTabel, CatalogusFout> LeesFormaten(const QString& pad) {
  QFile f(pad);
  if (!f.open(QIODevice::ReadOnly)) return CatalogusFout{CatalogusFout::Openen, pad};
  const QByteArray tekst = f.readAll();
  if (f.error() != QFileDevice::NoError) return CatalogusFout{CatalogusFout::Lezen, pad};
  return LeesFormatenUit(tekst, pad);
}

namespace {
constexpr double kGrootsteMaat = 32767.0 / 12;
}  // namespace

std::variant<FormatenTabel, CatalogusFout> LeesFormatenUit(const QByteArray& tekst, const QString& pad) {
  const CatalogusFout leesfout{CatalogusFout::Lezen, pad};
  ItemLezer lezer(tekst);
  const std::optional<qint16> aantal = lezer.Integer();
  if (!aantal) return leesfout;
  // No format at all leaves nothing to design on.
  if (*aantal <= 0) return CatalogusFout{CatalogusFout::Leeg, pad};

  std::vector<EtiketFormaat> formaten;
  formaten.reserve(size_t(*aantal));
  for (int i = 0; i < *aantal; ++i) {
    EtiketFormaat f;
    auto naam = lezer.Tekst();
    auto vorm = lezer.Integer();
    auto breedte = lezer.Getal(), hoogte = lezer.Getal();
    auto hSteek = lezer.Getal(), vSteek = lezer.Getal();
    auto kolommen = lezer.Integer(), rijen = lezer.Integer();
    auto velB = lezer.Getal(), velH = lezer.Getal();
    auto lOff = lezer.Getal(), bOff = lezer.Getal();
    auto lM = lezer.Getal(), bM = lezer.Getal(), rM = lezer.Getal(), oM = lezer.Getal();
    if (!naam || !vorm || !breedte || !hoogte || !hSteek || !vSteek || !kolommen || !rijen || !velB || !velH ||
        !lOff || !bOff || !lM || !bM || !rM || !oM)
      return leesfout;
    // A label without size or a sheet without labels cannot be drawn or
    // printed; such an entry is as bad as a missing one.
    if (!(*breedte > 0) || !(*hoogte > 0) || *kolommen < 1 || *rijen < 1) return leesfout;
    // Every length must be one the printer can address: a dot position has
    // 16 bits, at up to 12 dots a millimetre.
    for (const auto& maat : {breedte, hoogte, hSteek, vSteek, velB, velH, lOff, bOff, lM, bM, rM, oM})
      if (!(std::fabs(*maat) <= kGrootsteMaat)) return leesfout;
    f.Naam = *naam;
    f.Vorm = *vorm;
    f.Breedte = float(*breedte);
    f.Hoogte = float(*hoogte);
    f.HorizontaleSteek = float(*hSteek);
    f.VerticaleSteek = float(*vSteek);
    f.Kolommen = *kolommen;
    f.Rijen = *rijen;
    f.VelBreedte = float(*velB);
    f.VelHoogte = float(*velH);
    f.LinkerOffset = float(*lOff);
    f.BovenOffset = float(*bOff);
    f.LinkerMarge = float(*lM);
    f.BovenMarge = float(*bM);
    f.RechterMarge = float(*rM);
    f.OnderMarge = float(*oM);
    formaten.push_back(std::move(f));
  }
  return FormatenTabel(std::move(formaten));
}

}  // namespace files
