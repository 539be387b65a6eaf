#include "files/Voorraadvellen.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <cmath>
#include <optional>

namespace files {

namespace {

// The largest length the printing can address (a dot position has 16 bits
// at up to 12 dots a millimetre), as for the catalogue.
constexpr double kGrootsteMaat = 32767.0 / 12;

QByteArray LeesBestand(const QString& pad) {
  QFile f(pad);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

std::optional<double> Lengte(const QXmlStreamAttributes& a, const char* naam) {
  double mm = 0;
  if (!a.hasAttribute(QLatin1String(naam)) || !LeesLengte(a.value(QLatin1String(naam)).toString(), &mm))
    return std::nullopt;
  return mm;
}

std::optional<int> Aantal(const QXmlStreamAttributes& a, const char* naam) {
  bool ok = false;
  const int n = a.value(QLatin1String(naam)).toInt(&ok);
  if (!ok) return std::nullopt;
  return n;
}

QString Naam(const QString& merk, const QString& deel) { return merk.trimmed() + u' ' + deel.trimmed(); }

// A format the rest of the program can lay out and print: sizes positive
// and within what a printer position can say.
bool Bruikbaar(const EtiketFormaat& f) {
  for (float maat : {f.Breedte, f.Hoogte, f.HorizontaleSteek, f.VerticaleSteek, f.VelBreedte, f.VelHoogte,
                     f.LinkerOffset, f.BovenOffset})
    if (!(std::fabs(maat) <= kGrootsteMaat)) return false;
  return f.Breedte > 0 && f.Hoogte > 0 && f.Kolommen >= 1 && f.Rijen >= 1 && f.VelBreedte > 0 && f.VelHoogte > 0;
}

// One <Template> with its label, read up to its end tag; nothing when it
// cannot be printed (counted by the caller).
std::optional<EtiketFormaat> LeesSjabloon(QXmlStreamReader& xml, const Papiermaten& papier) {
  const QXmlStreamAttributes t = xml.attributes();
  EtiketFormaat f;
  f.Naam = Naam(t.value(QLatin1String("brand")).toString(), t.value(QLatin1String("part")).toString());
  const QString maat = t.value(QLatin1String("size")).toString();
  if (const auto p = papier.find(maat); p != papier.end()) {
    f.VelBreedte = float(p->second.first);
    f.VelHoogte = float(p->second.second);
  } else {
    const auto w = Lengte(t, "width"), h = Lengte(t, "height");
    if (w && h) {
      f.VelBreedte = float(*w);
      f.VelHoogte = float(*h);
    }
  }
  bool vorm = false, kan = true;
  int rasters = 0;
  while (xml.readNextStartElement()) {
    const QStringView naam = xml.name();
    const QXmlStreamAttributes a = xml.attributes();
    if (naam == QLatin1String("Label-rectangle") || naam == QLatin1String("Label-round") ||
        naam == QLatin1String("Label-ellipse") || naam == QLatin1String("Label-cd")) {
      if (vorm) kan = false;  // a second label shape on one sheet
      vorm = true;
      if (naam == QLatin1String("Label-rectangle")) {
        const auto w = Lengte(a, "width"), h = Lengte(a, "height");
        if (!w || !h) kan = false;
        f.Vorm = 0;
        f.Breedte = float(w.value_or(0));
        f.Hoogte = float(h.value_or(0));
        f.Hoekstraal = float(Lengte(a, "round").value_or(0));
      } else if (naam == QLatin1String("Label-round")) {
        const auto r = Lengte(a, "radius");
        if (!r) kan = false;
        f.Vorm = 1;
        f.Breedte = f.Hoogte = float(2 * r.value_or(0));
      } else if (naam == QLatin1String("Label-ellipse")) {
        const auto w = Lengte(a, "width"), h = Lengte(a, "height");
        if (!w || !h) kan = false;
        f.Vorm = 1;
        f.Ovaal = true;
        f.Breedte = float(w.value_or(0));
        f.Hoogte = float(h.value_or(0));
      } else {
        kan = false;  // a disc with a hole: no shape of ours
      }
      while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("Layout")) {
          ++rasters;
          const QXmlStreamAttributes l = xml.attributes();
          const auto nx = Aantal(l, "nx"), ny = Aantal(l, "ny");
          const auto x0 = Lengte(l, "x0"), y0 = Lengte(l, "y0");
          if (!nx || !ny || !x0 || !y0 || *nx < 1 || *ny < 1 || *nx > 32767 || *ny > 32767) kan = false;
          f.Kolommen = qint16(std::clamp(nx.value_or(1), 1, 32767));
          f.Rijen = qint16(std::clamp(ny.value_or(1), 1, 32767));
          f.LinkerOffset = float(x0.value_or(0));
          f.BovenOffset = float(y0.value_or(0));
          // One label across or down needs no pitch; the label's own size
          // stands in for it.
          f.HorizontaleSteek = float(Lengte(l, "dx").value_or(f.Breedte));
          f.VerticaleSteek = float(Lengte(l, "dy").value_or(f.Hoogte));
        }
        xml.skipCurrentElement();
      }
    } else {
      xml.skipCurrentElement();
    }
  }
  // Labels in two grids on one sheet do not follow one pitch.
  if (!vorm || !kan || rasters != 1 || !Bruikbaar(f)) return std::nullopt;
  return f;
}

}  // namespace

bool LeesLengte(const QString& tekst, double* mm) {
  static const QRegularExpression patroon(QStringLiteral("^\\s*([-+]?[0-9]*\\.?[0-9]+(?:[eE][-+]?[0-9]+)?)\\s*(mm|cm|in|pt|pc)?\\s*$"));
  const QRegularExpressionMatch m = patroon.match(tekst);
  if (!m.hasMatch()) return false;
  const double getal = m.captured(1).toDouble();
  const QString eenheid = m.captured(2);
  double factor = 25.4 / 72;  // points
  if (eenheid == QLatin1String("mm"))
    factor = 1;
  else if (eenheid == QLatin1String("cm"))
    factor = 10;
  else if (eenheid == QLatin1String("in"))
    factor = 25.4;
  else if (eenheid == QLatin1String("pc"))
    factor = 25.4 / 6;
  *mm = getal * factor;
  return std::isfinite(*mm);
}

Papiermaten LeesPapiermaten(const QByteArray& tekst) {
  Papiermaten maten{{QStringLiteral("A4"), {210, 297}}, {QStringLiteral("US-Letter"), {215.9, 279.4}}};
  QXmlStreamReader xml(tekst);
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("Paper-size")) continue;
    const QXmlStreamAttributes a = xml.attributes();
    const auto w = Lengte(a, "width"), h = Lengte(a, "height");
    if (w && h) maten[a.value(QLatin1String("id")).toString()] = {*w, *h};
  }
  return maten;
}

void LeesSjablonen(const QByteArray& tekst, const Papiermaten& papier, Voorraadvellen& uit,
                   std::vector<SjabloonAlias>& aliassen) {
  QXmlStreamReader xml(tekst);
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("Template")) continue;
    const QXmlStreamAttributes t = xml.attributes();
    if (t.hasAttribute(QLatin1String("equiv"))) {
      aliassen.push_back({t.value(QLatin1String("brand")).toString(), t.value(QLatin1String("part")).toString(),
                          t.value(QLatin1String("equiv")).toString()});
      xml.skipCurrentElement();
      continue;
    }
    if (auto f = LeesSjabloon(xml, papier))
      uit.formaten.push_back(std::move(*f));
    else
      ++uit.overgeslagen;
  }
}

Voorraadvellen LeesVoorraadvellen(const QString& map, const QStringList& bestanden) {
  QStringList paden;
  Papiermaten papier = LeesPapiermaten({});
  if (!map.isEmpty()) {
    const QDir d(map);
    papier = LeesPapiermaten(LeesBestand(d.filePath(QStringLiteral("paper-sizes.xml"))));
    for (const QString& naam : d.entryList({QStringLiteral("*-templates.xml")}, QDir::Files, QDir::Name))
      paden << d.filePath(naam);
  }
  paden << bestanden;
  Voorraadvellen alles;
  std::vector<SjabloonAlias> aliassen;
  for (const QString& pad : paden) LeesSjablonen(LeesBestand(pad), papier, alles, aliassen);

  Voorraadvellen uit;
  uit.overgeslagen = alles.overgeslagen;
  QSet<QString> namen;
  std::map<QString, size_t> index;
  for (EtiketFormaat& f : alles.formaten) {
    if (namen.contains(f.Naam)) continue;
    namen.insert(f.Naam);
    index[f.Naam] = uit.formaten.size();
    uit.formaten.push_back(std::move(f));
  }
  // An alias is the product it names under another part number of the
  // same brand; one whose product was left out is left out with it.
  for (const SjabloonAlias& a : aliassen) {
    const QString naam = Naam(a.merk, a.deel);
    if (namen.contains(naam)) continue;
    const auto it = index.find(Naam(a.merk, a.gelijkAan));
    if (it == index.end()) {
      ++uit.overgeslagen;
      continue;
    }
    EtiketFormaat f = uit.formaten[it->second];
    f.Naam = naam;
    namen.insert(naam);
    uit.formaten.push_back(std::move(f));
  }
  return uit;
}

QString SjablonenMap() {
  const QString eigen = qEnvironmentVariable("VELLORA_GLABELS_TEMPLATES");
  if (!eigen.isEmpty()) return eigen;
  for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
    const QString map = data + QStringLiteral("/libglabels-3.0/templates");
    if (QFile::exists(map + QStringLiteral("/paper-sizes.xml"))) return map;
  }
  return {};
}

}  // namespace files
