#include "files/EigenFormaten.h"

#include <QFileInfo>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QSet>
#include <cmath>

namespace files {

namespace {

constexpr double kGrootsteMaat = 32767.0 / 12;
// Rounding in the last decimal of a typed value is no overlap.
constexpr double kSpeling = 0.005;

QString Mm(double waarde) { return QString::number(waarde, 'g', 7) + QStringLiteral(" mm"); }

QJsonObject NaarJson(const EtiketFormaat& f) {
  return QJsonObject{{QStringLiteral("naam"), f.Naam},
                     {QStringLiteral("vorm"), f.Vorm == 0 ? QStringLiteral("rechthoek")
                                              : f.Ovaal   ? QStringLiteral("ovaal")
                                                          : QStringLiteral("rond")},
                     {QStringLiteral("breedte"), double(f.Breedte)},
                     {QStringLiteral("hoogte"), double(f.Hoogte)},
                     {QStringLiteral("hoekstraal"), double(f.Hoekstraal)},
                     {QStringLiteral("kolommen"), f.Kolommen},
                     {QStringLiteral("rijen"), f.Rijen},
                     {QStringLiteral("horizontaleSteek"), double(f.HorizontaleSteek)},
                     {QStringLiteral("verticaleSteek"), double(f.VerticaleSteek)},
                     {QStringLiteral("linkerOffset"), double(f.LinkerOffset)},
                     {QStringLiteral("bovenOffset"), double(f.BovenOffset)},
                     {QStringLiteral("velBreedte"), double(f.VelBreedte)},
                     {QStringLiteral("velHoogte"), double(f.VelHoogte)},
                     {QStringLiteral("linkerMarge"), double(f.LinkerMarge)},
                     {QStringLiteral("bovenMarge"), double(f.BovenMarge)},
                     {QStringLiteral("rechterMarge"), double(f.RechterMarge)},
                     {QStringLiteral("onderMarge"), double(f.OnderMarge)}};
}

EtiketFormaat UitJson(const QJsonObject& o) {
  EtiketFormaat f;
  const auto getal = [&](const char* sleutel) { return float(o.value(QLatin1String(sleutel)).toDouble(-1)); };
  f.Naam = o.value(QStringLiteral("naam")).toString();
  const QString vorm = o.value(QStringLiteral("vorm")).toString();
  f.Vorm = vorm == QLatin1String("rechthoek") ? 0 : 1;
  f.Ovaal = vorm == QLatin1String("ovaal");
  f.Breedte = getal("breedte");
  f.Hoogte = getal("hoogte");
  f.Hoekstraal = float(o.value(QStringLiteral("hoekstraal")).toDouble(0));
  f.Kolommen = qint16(std::clamp(o.value(QStringLiteral("kolommen")).toInt(0), -1, 32767));
  f.Rijen = qint16(std::clamp(o.value(QStringLiteral("rijen")).toInt(0), -1, 32767));
  f.HorizontaleSteek = getal("horizontaleSteek");
  f.VerticaleSteek = getal("verticaleSteek");
  f.LinkerOffset = getal("linkerOffset");
  f.BovenOffset = getal("bovenOffset");
  f.VelBreedte = getal("velBreedte");
  f.VelHoogte = getal("velHoogte");
  f.LinkerMarge = getal("linkerMarge");
  f.BovenMarge = getal("bovenMarge");
  f.RechterMarge = getal("rechterMarge");
  f.OnderMarge = getal("onderMarge");
  return f;
}

}  // namespace

QString EigenFormatenPad(const QString& instellingenPad) {
  return QFileInfo(instellingenPad).dir().filePath(QString::fromLatin1(kEigenFormatenNaam));
}

std::vector<EtiketFormaat> LeesEigenFormaten(const QString& pad, QString* fout) {
  QFile bestand(pad);
  if (!bestand.exists()) return {};
  const auto mislukt = [&](const QString& waarom) {
    if (fout) *fout = QStringLiteral("De eigen etiketformaten in %1 zijn niet te lezen: %2").arg(pad, waarom);
    return std::vector<EtiketFormaat>{};
  };
  if (!bestand.open(QIODevice::ReadOnly)) return mislukt(bestand.errorString());
  QJsonParseError fj;
  const QJsonDocument doc = QJsonDocument::fromJson(bestand.readAll(), &fj);
  if (fj.error != QJsonParseError::NoError) return mislukt(fj.errorString());
  if (!doc.isObject() || !doc.object().value(QStringLiteral("formaten")).isArray())
    return mislukt(QStringLiteral("geen lijst van formaten"));
  std::vector<EtiketFormaat> uit;
  for (const QJsonValue& w : doc.object().value(QStringLiteral("formaten")).toArray()) {
    const EtiketFormaat f = UitJson(w.toObject());
    // A file changed by hand may hold what the dialog would refuse.
    if (!FormaatBezwaar(f)) uit.push_back(f);
  }
  return uit;
}

std::optional<QString> BewaarEigenFormaten(const QString& pad, const std::vector<EtiketFormaat>& formaten) {
  QJsonArray lijst;
  for (const EtiketFormaat& f : formaten) lijst.append(NaarJson(f));
  QDir().mkpath(QFileInfo(pad).absolutePath());
  QSaveFile bestand(pad);
  if (!bestand.open(QIODevice::WriteOnly))
    return QStringLiteral("De eigen etiketformaten kunnen niet bewaard worden in %1: %2").arg(pad, bestand.errorString());
  bestand.write(QJsonDocument(QJsonObject{{QStringLiteral("formaten"), lijst}}).toJson());
  if (!bestand.commit())
    return QStringLiteral("De eigen etiketformaten kunnen niet bewaard worden in %1: %2").arg(pad, bestand.errorString());
  return std::nullopt;
}

std::optional<QString> FormaatBezwaar(const EtiketFormaat& f) {
  if (f.Naam.trimmed().isEmpty()) return QStringLiteral("Geef het formaat een naam.");
  const bool rond = f.Vorm != 0 && !f.Ovaal;
  const double b = f.Breedte, h = rond ? f.Breedte : f.Hoogte;
  struct Maat {
    const char* naam;
    double waarde;
    bool nulMag;
  };
  const Maat maten[] = {{rond ? "De diameter" : "De breedte", b, false},
                        {"De hoogte", h, false},
                        {"De breedte van het vel", f.VelBreedte, false},
                        {"De hoogte van het vel", f.VelHoogte, false},
                        {"De horizontale steek", f.HorizontaleSteek, f.Kolommen <= 1},
                        {"De verticale steek", f.VerticaleSteek, f.Rijen <= 1},
                        {"De linkermarge van het vel", f.LinkerOffset, true},
                        {"De bovenmarge van het vel", f.BovenOffset, true},
                        {"De hoekstraal", f.Hoekstraal, true},
                        {"De onbedrukbare rand links", f.LinkerMarge, true},
                        {"De onbedrukbare rand boven", f.BovenMarge, true},
                        {"De onbedrukbare rand rechts", f.RechterMarge, true},
                        {"De onbedrukbare rand onder", f.OnderMarge, true}};
  for (const Maat& m : maten) {
    if (!std::isfinite(m.waarde) || m.waarde < 0)
      return QStringLiteral("%1 mag niet negatief zijn.").arg(QString::fromLatin1(m.naam));
    if (!m.nulMag && m.waarde == 0) return QStringLiteral("%1 moet groter zijn dan 0.").arg(QString::fromLatin1(m.naam));
    if (m.waarde > kGrootsteMaat)
      return QStringLiteral("%1 is groter dan %2.").arg(QString::fromLatin1(m.naam), Mm(std::floor(kGrootsteMaat)));
  }
  if (f.Kolommen < 1 || f.Rijen < 1) return QStringLiteral("Er moet minstens één kolom en één rij etiketten zijn.");
  if (f.Vorm == 0 && 2 * f.Hoekstraal > std::min(b, h) + kSpeling)
    return QStringLiteral("De hoekstraal is groter dan de helft van de kleinste zijde van het etiket.");
  if (f.LinkerMarge + f.RechterMarge >= b || f.BovenMarge + f.OnderMarge >= h)
    return QStringLiteral("De onbedrukbare randen laten niets van het etiket over.");
  if (f.Kolommen > 1 && f.HorizontaleSteek + kSpeling < b)
    return QStringLiteral("De etiketten naast elkaar overlappen: de horizontale steek (%1) is kleiner dan de breedte (%2).")
        .arg(Mm(f.HorizontaleSteek), Mm(b));
  if (f.Rijen > 1 && f.VerticaleSteek + kSpeling < h)
    return QStringLiteral("De etiketten onder elkaar overlappen: de verticale steek (%1) is kleiner dan de hoogte (%2).")
        .arg(Mm(f.VerticaleSteek), Mm(h));
  const double rechts = f.LinkerOffset + (f.Kolommen - 1) * double(f.HorizontaleSteek) + b;
  const double onder = f.BovenOffset + (f.Rijen - 1) * double(f.VerticaleSteek) + h;
  if (rechts > f.VelBreedte + kSpeling)
    return QStringLiteral("De etiketten vallen rechts van het vel af: ze lopen tot %1, het vel is %2 breed.")
        .arg(Mm(rechts), Mm(f.VelBreedte));
  if (onder > f.VelHoogte + kSpeling)
    return QStringLiteral("De etiketten vallen onder van het vel af: ze lopen tot %1, het vel is %2 hoog.")
        .arg(Mm(onder), Mm(f.VelHoogte));
  return std::nullopt;
}

FormatenTabel VoegFormatenSamen(const FormatenTabel& catalogus, const std::vector<EtiketFormaat>& eigen,
                                const std::vector<EtiketFormaat>& voorraad) {
  std::vector<EtiketFormaat> alle = catalogus.alle();
  QSet<QString> namen;
  for (const EtiketFormaat& f : alle) namen.insert(f.Naam);
  int eersteVoorraad = 0;
  for (const auto* deel : {&eigen, &voorraad}) {
    if (deel == &voorraad && !voorraad.empty()) eersteVoorraad = int(alle.size()) + 1;
    for (const EtiketFormaat& f : *deel)
      if (!namen.contains(f.Naam)) {
        namen.insert(f.Naam);
        alle.push_back(f);
      }
  }
  FormatenTabel tabel(std::move(alle));
  tabel.ZetEersteVoorraad(eersteVoorraad > tabel.AantalFormaten() ? 0 : eersteVoorraad);
  return tabel;
}

}  // namespace files
