#include "files/BewaarEtiket.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QSaveFile>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <map>
#include <variant>
#include <vector>

#include "files/EtiketBestand.h"
#include "files/FiguurBitmap.h"
#include "platform/Cp1252.h"

namespace files {

namespace {

// Writes the encodings of the design file, little-endian, and remembers
// whether every write went through and whether text had to be changed.
class Schrijver {
 public:
  explicit Schrijver(QIODevice& d) : d_(d) {}

  void Integer(qint16 v) {
    const qint16 le = qToLittleEndian(v);
    schrijf(reinterpret_cast<const char*>(&le), 2);
  }
  void Long(qint32 v) {
    const qint32 le = qToLittleEndian(v);
    schrijf(reinterpret_cast<const char*>(&le), 4);
  }
  void Single(float v) {
    // The bits as they are, so a design read and saved keeps its bytes.
    quint32 bits;
    std::memcpy(&bits, &v, 4);
    Long(qint32(bits));
  }
  void Boolean(Bool16 b) { Integer(b.raw()); }
  void String(const QString& s) {
    bool verlies = false;
    QByteArray bytes = platform::toCp1252(s, &verlies);
    TekensVervangen |= verlies;
    // A longer length would not fit the Integer in front of it.
    if (bytes.size() > kMaxTekstLengte) {
      bytes.truncate(kMaxTekstLengte);
      TekstIngekort = true;
    }
    Integer(qint16(bytes.size()));
    schrijf(bytes.constData(), bytes.size());
  }
  // A text that is no label text (a file's path): UTF-8, its byte count
  // in an Integer in front.
  void Utf8(const QString& t) {
    QByteArray bytes = t.toUtf8();
    if (bytes.size() > kMaxTekstLengte) {
      bytes.truncate(kMaxTekstLengte);
      TekstIngekort = true;
    }
    Integer(qint16(bytes.size()));
    schrijf(bytes.constData(), bytes.size());
  }
  void Picture(const QByteArray& bestand) {
    Long(qint32(bestand.size()));
    Bytes(bestand);
  }
  void Bytes(const QByteArray& b) { schrijf(b.constData(), b.size()); }

  bool ok() const { return ok_; }
  bool TekensVervangen = false;
  bool TekstIngekort = false;

 private:
  void schrijf(const char* p, qint64 n) {
    if (ok_ && n > 0 && d_.write(p, n) != n) ok_ = false;
  }
  QIODevice& d_;
  bool ok_ = true;
};

// The size a figure is stored at: the recorded picture size, or, when
// none was recorded, the picture's own; never empty.
QSize OpslagMaat(const Voorwerp& v) {
  if (v.beeld().BeeldBreedte > 0 && v.beeld().BeeldHoogte > 0) return {v.beeld().BeeldBreedte, v.beeld().BeeldHoogte};
  QSize maat;
  if (const Beeld* b = v.beeld().Afbeelding.get())
    maat = b->isVector ? b->vector.boundingRect().size() : b->raster.size();
  return maat.isEmpty() ? QSize(1, 1) : maat;
}

bool PastInLimiet(QSize maat) { return BeeldPast(maat.width(), maat.height()); }

// How an element is named in a message: its kind, its number among the
// elements of that kind, and the start of its text.
QString Benaming(const Voorwerp& v, int nummer) {
  const char* soort = "";
  switch (v.Soort()) {
    case SoortVoorwerp::Tekstlijn: soort = "Tekstlijn"; break;
    case SoortVoorwerp::Figuur: soort = "Figuur"; break;
    case SoortVoorwerp::RondeTekst: soort = "Ronde tekst"; break;
    case SoortVoorwerp::Streepjescodevoorwerp: soort = "Streepjescode"; break;
  }
  QString naam = QStringLiteral("%1 %2").arg(QString::fromLatin1(soort)).arg(nummer);
  if (const Tekstdeel* t = v.alsTekst()) {
    constexpr int kKort = 30;
    const QString tekst = t->Tekst.size() > kKort ? t->Tekst.left(kKort) + QStringLiteral("...") : t->Tekst;
    naam += QStringLiteral(" (\"%1\")").arg(tekst);
  }
  return naam;
}

// Whether a file of the version keeps elements of the kind: version 1
// keeps no round texts, only version 4.0 keeps barcodes.
bool VersieHoudt(SoortVoorwerp soort, bool versie2, bool versie4) {
  switch (soort) {
    case SoortVoorwerp::Tekstlijn:
    case SoortVoorwerp::Figuur: return true;
    case SoortVoorwerp::RondeTekst: return versie2;
    case SoortVoorwerp::Streepjescodevoorwerp: return versie4;
  }
  return false;
}

// Finds the first value the reader would refuse and names it in the
// result: the format's name (which must come back as it is to be found in
// the catalogue), then the elements in table order. Only what the version
// holds is looked at: version 1 keeps no round texts and no crop rectangles,
// only version 4.0 keeps barcodes.
bool ZoekWaardeBuitenGrens(const Ontwerp& o, bool versie2, bool versie4, const QString& formaatNaam,
                           BewaarResultaat& r) {
  bool verlies = false;
  if (platform::toCp1252(formaatNaam, &verlies).size() > kMaxTekstLengte || verlies) {
    r.VoorwerpNaam = QStringLiteral("Het formaat \"%1\"").arg(formaatNaam);
    r.Waarde = QStringLiteral("de naam past niet in een Vellora bestand");
    return true;
  }
  const QString grens = QStringLiteral(" is geen getal tussen %1 en %2")
                            .arg(QString::number(-double(kMaxMaat), 'f', 0), QString::number(double(kMaxMaat), 'f', 0));
  std::map<SoortVoorwerp, int> nummers;
  for (int i = 1; i <= o.AantalVoorwerpen(); ++i) {
    const Voorwerp& v = o.voorwerp(i);
    const int nummer = ++nummers[v.Soort()];
    if (!VersieHoudt(v.Soort(), versie2, versie4)) continue;
    struct Maat {
      const char* naam;
      float waarde;
    };
    std::vector<Maat> maten = {
        {"de linkerkant", v.Links}, {"de bovenkant", v.Boven}, {"de breedte", v.Breedte}, {"de hoogte", v.Hoogte}};
    // The kind's own values: its lengths go with the box's, what else
    // the reader checks comes after them.
    QString anders;
    v.Bezoek([](const TekstlijnDeel&) {},
             [&](const FiguurDeel& b) {
               if (!versie2) return;
               const QSize maat = OpslagMaat(v);
               if (!BronPast(b.BronX, b.BronY, b.BronBreedte, b.BronHoogte, maat.width(), maat.height()))
                 anders = QStringLiteral("het bijgesneden deel ligt niet binnen de figuur");
             },
             [&](const RondeTekstDeel& c) {
               maten.push_back({"de straal", c.Straal});
               maten.push_back({"het referentiepunt", c.Referentiepunt});
             },
             [&](const StreepjescodeDeel& c) {
               maten.push_back({"de hoogte van de streepjes", c.Hoogte});
               if (!ModulePast(c.Modulebreedte))
                 anders =
                     QStringLiteral("de modulebreedte is niet automatisch of 1 tot %1 punten").arg(kGrootsteModule);
             });
    for (const Maat& m : maten) {
      if (MaatPast(m.waarde)) continue;
      r.VoorwerpNaam = Benaming(v, nummer);
      r.Waarde = QString::fromLatin1(m.naam) + grens;
      return true;
    }
    if (!anders.isEmpty()) {
      r.VoorwerpNaam = Benaming(v, nummer);
      r.Waarde = anders;
      return true;
    }
  }
  return false;
}

// The fields text lines and round texts both begin with.
void TekstVeldenSchrijven(Schrijver& s, const Voorwerp& v) {
  s.String(v.tekst().Tekst);
  s.Integer(v.tekst().Lettergrootte);
  s.String(v.tekst().Lettertype);
  s.Boolean(v.tekst().Vet);
  s.Boolean(v.tekst().Cursief);
  s.Boolean(v.tekst().Onderlijnd);
  s.Integer(v.tekst().Uitlijning);
}

void TekstlijnRecordSchrijven(Schrijver& s, const Voorwerp& v) {
  TekstVeldenSchrijven(s, v);
  s.Single(v.Links);
  s.Single(v.Boven);
  s.Single(v.Breedte);
  s.Single(v.Hoogte);
}

void RondeTekstRecordSchrijven(Schrijver& s, const Voorwerp& v) {
  TekstVeldenSchrijven(s, v);
  s.Single(v.cirkel().Straal);
  // In the file the direction follows the reference angle.
  s.Single(v.cirkel().Referentiepunt);
  s.Boolean(v.cirkel().Wijzerzin);
  s.Single(v.Links);
  s.Single(v.Boven);
  s.Single(v.Breedte);
  s.Single(v.Hoogte);
}

// A figure's record; false when its picture could not be made.
bool FiguurRecordSchrijven(Schrijver& s, const Voorwerp& v, bool versie2) {
  s.Single(v.Links);
  s.Single(v.Boven);
  s.Single(v.Breedte);
  s.Single(v.Hoogte);
  if (versie2) {
    s.Long(v.beeld().BronX);
    s.Long(v.beeld().BronY);
    s.Long(v.beeld().BronBreedte);
    s.Long(v.beeld().BronHoogte);
  }
  const QByteArray bmp = BmpBytes(OpslagBitmap(v));
  if (bmp.isEmpty()) return false;
  s.Picture(bmp);
  return true;
}

// A String's bytes as the writer stores it: cut to what its length holds.
qint64 StringGrootte(const QString& s) {
  return 2 + std::min<qint64>(platform::toCp1252(s).size(), kMaxTekstLengte);
}

qint64 TekstVeldenGrootte(const Voorwerp& v) {
  return StringGrootte(v.tekst().Tekst) + 2 + StringGrootte(v.tekst().Lettertype) + 3 * 2 + 2;
}

// A one-bit BMP: 62 bytes of header and palette, rows padded to 4 bytes.
qint64 BmpGrootte(QSize maat) { return 62 + (qint64(maat.width()) + 31) / 32 * 4 * maat.height(); }

void StreepjescodeRecordSchrijven(Schrijver& s, const Voorwerp& v, qint16 index) {
  const Streepjescode& c = v.code();
  s.Integer(index);
  s.Single(v.Links);
  s.Single(v.Boven);
  s.Single(v.Breedte);
  s.Single(v.Hoogte);
  s.Integer(static_cast<qint16>(c.Soort));
  s.String(c.Gegevens);
  s.Boolean(Bool16(c.TekstTonen));
  s.Integer(c.Modulebreedte);
  s.Single(c.Hoogte);
}

// Element v's record, of its kind's section; index is its place in the
// table. False when its picture could not be made.
bool RecordSchrijven(Schrijver& s, const Voorwerp& v, int index, bool versie2) {
  return v.Bezoek(
      [&](const TekstlijnDeel&) {
        TekstlijnRecordSchrijven(s, v);
        return true;
      },
      [&](const FiguurDeel&) { return FiguurRecordSchrijven(s, v, versie2); },
      [&](const RondeTekstDeel&) {
        RondeTekstRecordSchrijven(s, v);
        return true;
      },
      [&](const StreepjescodeDeel&) {
        StreepjescodeRecordSchrijven(s, v, qint16(index));
        return true;
      });
}

// The figures that are turned into dots another way than the plain one,
// numbered 1, 2, ... among the figures in table order, as the file's
// figure records are.
template <typename F>
void BijOmgezetteFiguren(const Ontwerp& o, F&& f) {
  int nummer = 0;
  for (int i = 1; i <= o.AantalVoorwerpen(); ++i) {
    const FiguurDeel* figuur = o.voorwerp(i).alsFiguur();
    if (!figuur) continue;
    ++nummer;
    if (!figuur->omzetting.IsStandaard()) f(nummer, o.voorwerp(i), *figuur);
  }
}

bool OmzettingGebruikt(const Ontwerp& o) {
  bool gebruikt = false;
  BijOmgezetteFiguren(o, [&](int, const Voorwerp&, const FiguurDeel&) { gebruikt = true; });
  return gebruikt;
}

// The grey values a figure stores beside its bitmap: only its own, of the
// bitmap's size, as an 8-bit grey PNG.
QByteArray GrijsBytes(const Voorwerp& v, const FiguurDeel& figuur) {
  const QImage& grijs = figuur.Afbeelding ? figuur.Afbeelding->grijs : QImage();
  if (grijs.isNull() || grijs.size() != OpslagMaat(v)) return {};
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  return grijs.save(&buffer, "PNG") ? png : QByteArray();
}

QByteArray OmzettingBlok(const Ontwerp& o) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  Schrijver s(buffer);
  int aantal = 0;
  BijOmgezetteFiguren(o, [&](int, const Voorwerp&, const FiguurDeel&) { ++aantal; });
  s.Integer(qint16(aantal));
  BijOmgezetteFiguren(o, [&](int nummer, const Voorwerp& v, const FiguurDeel& figuur) {
    s.Integer(qint16(nummer));
    s.Integer(static_cast<qint16>(figuur.omzetting.Soort));
    s.Integer(figuur.omzetting.Drempel);
    const QByteArray grijs = GrijsBytes(v, figuur);
    s.Boolean(Bool16(!grijs.isEmpty()));
    if (!grijs.isEmpty()) s.Picture(grijs);
  });
  return bytes;
}

// The text lines that fit their box, numbered among the text lines.
template <typename F>
void BijPassendeLijnen(const Ontwerp& o, F&& f) {
  int nummer = 0;
  for (int i = 1; i <= o.AantalVoorwerpen(); ++i) {
    const TekstlijnDeel* lijn = o.voorwerp(i).alsTekstlijn();
    if (!lijn) continue;
    ++nummer;
    if (lijn->passend.Aan) f(nummer, *lijn);
  }
}

bool PassendGebruikt(const Ontwerp& o) {
  bool gebruikt = false;
  BijPassendeLijnen(o, [&](int, const TekstlijnDeel&) { gebruikt = true; });
  return gebruikt;
}

QByteArray PassendBlok(const Ontwerp& o) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  Schrijver s(buffer);
  int aantal = 0;
  BijPassendeLijnen(o, [&](int, const TekstlijnDeel&) { ++aantal; });
  s.Integer(qint16(aantal));
  BijPassendeLijnen(o, [&](int nummer, const TekstlijnDeel& lijn) {
    s.Integer(qint16(nummer));
    s.Integer(std::clamp(lijn.passend.Minimum, kKleinstePassend, kGrootstePassendMinimum));
  });
  return bytes;
}

bool LijstGebruikt(const Ontwerp& o) { return o.nummering.LijstOnthouden && !o.nummering.LijstBestand.isEmpty(); }

// Block 2: the list by its file, relative to the design's folder when it
// lies in it or below, and always absolute as well.
QByteArray LijstBlok(const Ontwerp& o, const QString& map) {
  const Nummering& n = o.nummering;
  const QString absoluut = QFileInfo(n.LijstBestand).absoluteFilePath();
  QString relatief;
  if (!map.isEmpty()) {
    relatief = QDir(map).relativeFilePath(absoluut);
    if (relatief.startsWith(QStringLiteral("../")) || QDir::isAbsolutePath(relatief)) relatief.clear();
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  Schrijver s(buffer);
  s.Utf8(relatief);
  s.Utf8(absoluut);
  s.Boolean(Bool16(n.Kopregel));
  s.Utf8(n.AantalKolom);
  s.Utf8(n.Rijkeuze);
  return bytes;
}

// The blocks that do not depend on where the file goes.
template <QByteArray (*bytes)(const Ontwerp&)>
QByteArray Overal(const Ontwerp& o, const QString&) {
  return bytes(o);
}

// The blocks of version 5.0, one row per kind of content: what it is (in
// the question before an older version leaves it out), whether the design
// has any, and its block's bytes (given the folder of the design file,
// empty when unknown).
struct Blok {
  BlokSoort soort;
  const char* inhoud;
  bool (*gebruikt)(const Ontwerp&);
  QByteArray (*bytes)(const Ontwerp&, const QString& map);
};
constexpr Blok kBlokken[] = {
    {kBlokOmzetting, "figuren die gerasterd of met een drempel worden afgedrukt", OmzettingGebruikt,
     Overal<OmzettingBlok>},
    {kBlokLijst, "een verwijzing naar de lijst waarmee het wordt afgedrukt", LijstGebruikt, LijstBlok},
    {kBlokPassend, "tekstlijnen die kleiner worden tot ze in hun vak passen", PassendGebruikt, Overal<PassendBlok>},
};

// The section of blocks that ends a version 5.0 file: their count, then
// each with its tag and length.
QByteArray Uitbreiding(const Ontwerp& o, const QString& map) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  Schrijver s(buffer);
  std::vector<std::pair<BlokSoort, QByteArray>> blokken;
  for (const Blok& b : kBlokken)
    if (b.gebruikt(o)) blokken.emplace_back(b.soort, b.bytes(o, map));
  s.Integer(qint16(blokken.size()));
  for (const auto& [soort, inhoud] : blokken) {
    s.Integer(soort);
    s.Long(qint32(inhoud.size()));
    s.Bytes(inhoud);
  }
  return bytes;
}

}  // namespace

QStringList Versie5Inhoud(const Ontwerp& o) {
  QStringList inhoud;
  for (const Blok& b : kBlokken)
    if (b.gebruikt(o)) inhoud << QString::fromUtf8(b.inhoud);
  return inhoud;
}

bool GebruiktVersie5(const Ontwerp& o) {
  return std::any_of(std::begin(kBlokken), std::end(kBlokken), [&](const Blok& b) { return b.gebruikt(o); });
}

qint16 VolledigeVersie(const Ontwerp& o) {
  if (GebruiktVersie5(o)) return kBestTypeVersie5;
  return o.AantalStreepjescodes() > 0 ? kBestTypeVersie4 : 2;
}

QString BewaarResultaat::Melding() const {
  switch (fout) {
    case Geen: return {};
    case Schrijven:
      return QStringLiteral("Vellora kan het bestand\nniet bewaren.\n\n") + pad;
    case FiguurTeGroot:
      return QStringLiteral("Een figuur in dit ontwerp is te groot om te bewaren.\n"
                            "Vellora kan het bestand niet bewaren.\n\n") +
             pad;
    case BestandTeGroot:
      // Whole megabytes, rounded up: a file just past the bound is not "64 MB".
      return QStringLiteral("Dit ontwerp is te groot om te bewaren: het bestand zou %1 MB worden,\n"
                            "ten hoogste %2 MB.\nVellora kan het bestand niet bewaren.\n\n")
                 .arg((Grootte + (qint64(1) << 20) - 1) >> 20)
                 .arg(kMaxBestandGrootte >> 20) +
             pad;
    case WaardeBuitenGrens:
      return QStringLiteral("%1 kan niet worden bewaard:\n%2.\nVellora kan het bestand niet bewaren.\n\n")
                 .arg(VoorwerpNaam, Waarde) +
             pad;
  }
  return {};
}

QString BewaarResultaat::Waarschuwing() const {
  QStringList regels;
  if (TekensVervangen)
    regels << QStringLiteral("Sommige tekens kunnen niet in een Vellora bestand\n"
                             "worden bewaard en zijn vervangen door \"?\".");
  if (TekstIngekort)
    regels << QStringLiteral("Een tekst was langer dan 32767 tekens\nen is ingekort.");
  return regels.join(QStringLiteral("\n\n"));
}

QImage OpslagBitmap(const Voorwerp& v) {
  const QSize maat = OpslagMaat(v);
  if (!PastInLimiet(maat)) return {};
  const Beeld* b = v.beeld().Afbeelding.get();
  if (!b || (!b->isVector && b->raster.isNull())) return WitteBitmap(maat.width(), maat.height());
  if (b->isVector) return VectorNaarZwartWit(b->vector, maat.width(), maat.height());
  if (b->raster.size() == maat) return NaarZwartWit(b->raster);
  // A picture of another size than recorded lands on a white box of the
  // recorded size, the way it was copied onto the hidden picture box.
  QImage doek(maat, QImage::Format_RGB32);
  if (doek.isNull()) return {};
  doek.fill(Qt::white);
  {
    QPainter p(&doek);
    p.drawImage(0, 0, b->raster);
  }
  return NaarZwartWit(doek);
}

BewaarResultaat SchrijfEtiket(QIODevice& uit, qint16 bestType, const Ontwerp& o, const QString& formaatNaam,
                              const QString& map) {
  BewaarResultaat r;
  const bool versie5 = bestType == kBestTypeVersie5;
  const bool versie4 = bestType == kBestTypeVersie4 || versie5;
  const bool versie2 = bestType == 2 || versie4;

  // The counts follow the table itself, so the header always matches the
  // records behind it. Pictures and values that the reader would refuse
  // stop the save before anything is written.
  if (ZoekWaardeBuitenGrens(o, versie2, versie4, formaatNaam, r)) {
    r.fout = BewaarResultaat::WaardeBuitenGrens;
    return r;
  }
  qint16 lijnen = 0, figuren = 0, rond = 0;
  bool teGroot = false;
  for (int i = 1; i <= o.AantalVoorwerpen(); ++i) {
    const Voorwerp& v = o.voorwerp(i);
    v.Bezoek([&](const TekstlijnDeel&) { ++lijnen; },
             [&](const FiguurDeel&) {
               ++figuren;
               teGroot = teGroot || !PastInLimiet(OpslagMaat(v));
             },
             [&](const RondeTekstDeel&) { ++rond; }, [](const StreepjescodeDeel&) {});
  }
  if (teGroot || OpslagPunten(o) > kMaxBeeldPuntenTotaal) {
    r.fout = BewaarResultaat::FiguurTeGroot;
    return r;
  }
  const QByteArray uitbreiding = versie5 ? Uitbreiding(o, map) : QByteArray();
  // A file the reader would not take is not begun.
  const qint64 grootte = BestandGrootte(bestType, o, formaatNaam) + uitbreiding.size();
  if (grootte > kMaxBestandGrootte) {
    r.fout = BewaarResultaat::BestandTeGroot;
    r.Grootte = grootte;
    return r;
  }

  Schrijver s(uit);
  s.Long(versie5 ? kMagieVersie5 : versie4 ? kMagieVersie4 : versie2 ? kMagieVersie2 : kMagieVersie1);
  s.String(formaatNaam);
  s.Integer(lijnen);
  s.Integer(figuren);
  if (versie2) s.Integer(rond);

  // The records, a section per kind, each in table order. A new kind
  // needs a section of its own: a change of the file format.
  static_assert(std::variant_size_v<Voorwerp::Deel> == 4, "every kind has its section in the file");
  const auto sectie = [&](SoortVoorwerp soort) {
    for (int i = 1; i <= o.AantalVoorwerpen() && s.ok(); ++i)
      if (o.voorwerp(i).Soort() == soort && !RecordSchrijven(s, o.voorwerp(i), i, versie2)) return false;
    return true;
  };
  bool gemaakt = sectie(SoortVoorwerp::Tekstlijn) && sectie(SoortVoorwerp::Figuur) &&
                 (!versie2 || sectie(SoortVoorwerp::RondeTekst));
  if (gemaakt && versie4) {
    // Each barcode with its place in the table: read back behind the other
    // kinds in their order, it lands where it was when the table was in
    // that order, as a design read from a file is.
    s.Integer(o.AantalStreepjescodes());
    gemaakt = sectie(SoortVoorwerp::Streepjescodevoorwerp);
  }
  if (!gemaakt) {
    r.fout = BewaarResultaat::Schrijven;
    return r;
  }
  if (versie5) s.Bytes(uitbreiding);

  r.TekensVervangen = s.TekensVervangen;
  r.TekstIngekort = s.TekstIngekort;
  if (!s.ok()) r.fout = BewaarResultaat::Schrijven;
  return r;
}

qint64 BestandGrootte(qint16 bestType, const Ontwerp& o, const QString& formaatNaam) {
  const bool versie4 = bestType == kBestTypeVersie4 || bestType == kBestTypeVersie5;
  const bool versie2 = bestType == 2 || versie4;
  qint64 n = 4 + StringGrootte(formaatNaam) + 2 + 2 + (versie2 ? 2 : 0) + (versie4 ? 2 : 0);
  for (int i = 1; i <= o.AantalVoorwerpen(); ++i) {
    const Voorwerp& v = o.voorwerp(i);
    switch (v.Soort()) {
      case SoortVoorwerp::Tekstlijn: n += TekstVeldenGrootte(v) + 4 * 4; break;
      case SoortVoorwerp::Figuur: n += 4 * 4 + (versie2 ? 4 * 4 : 0) + 4 + BmpGrootte(OpslagMaat(v)); break;
      case SoortVoorwerp::RondeTekst:
        if (versie2) n += TekstVeldenGrootte(v) + 4 + 4 + 2 + 4 * 4;
        break;
      case SoortVoorwerp::Streepjescodevoorwerp:
        if (versie4) n += 2 + 4 * 4 + 2 + StringGrootte(v.code().Gegevens) + 2 + 2 + 4;
        break;
    }
  }
  return n;
}

qint64 OpslagPunten(const Ontwerp& o) {
  qint64 punten = 0;
  for (int i = 1; i <= o.AantalVoorwerpen(); ++i) {
    const FiguurDeel* figuur = o.voorwerp(i).alsFiguur();
    if (!figuur) continue;
    const QSize maat = OpslagMaat(o.voorwerp(i));
    // Grey values stored beside the bitmap count as a second picture.
    const bool grijs = !figuur->omzetting.IsStandaard() && figuur->Afbeelding && !figuur->Afbeelding->grijs.isNull();
    punten += qint64(maat.width()) * maat.height() * (grijs ? 2 : 1);
  }
  return punten;
}

bool OudeVersieVerliest(const Ontwerp& o, qint16 bestType) {
  if (bestType == kBestTypeVersie5) return false;
  if (GebruiktVersie5(o)) return true;
  if (bestType == kBestTypeVersie4) return false;
  if (o.AantalStreepjescodes() > 0) return true;
  return bestType != 2 && VersieEenVerliest(o);
}

qint16 BewaarVersie(const Ontwerp& o, qint16 bestType) {
  if (bestType == kBestTypeVersie5 || bestType == kBestTypeVersie4 || bestType == 2 || bestType == 1) return bestType;
  if (GebruiktVersie5(o)) return kBestTypeVersie5;
  return o.AantalStreepjescodes() > 0 ? kBestTypeVersie4 : 1;
}

bool VersieEenVerliest(const Ontwerp& o) {
  for (int i = 1; i <= o.AantalVoorwerpen(); ++i) {
    const Voorwerp& v = o.voorwerp(i);
    if (v.Soort() == SoortVoorwerp::RondeTekst) return true;
    if (v.Soort() != SoortVoorwerp::Figuur) continue;
    const Beelddeel& b = v.beeld();
    if (b.BronX != 0 || b.BronY != 0 || b.BronBreedte != b.BeeldBreedte || b.BronHoogte != b.BeeldHoogte) return true;
  }
  return false;
}

BewaarResultaat BewaarEtiket(const QString& fn, qint16 bestType, const Ontwerp& o, const QString& formaatNaam,
                             const Schrijfweg& weg) {
  // Written beside the old file and renamed over it only when complete, so
  // a failed save (no room, no permission, no folder) keeps the old file.
  QSaveFile f(fn);
  BewaarResultaat r;
  if (f.open(QIODevice::WriteOnly)) {
    const std::unique_ptr<QIODevice> tussen = weg ? weg(f) : nullptr;
    r = SchrijfEtiket(tussen ? *tussen : f, bestType, o, formaatNaam, QFileInfo(fn).absolutePath());
    if (r.Gelukt() && !f.commit()) r.fout = BewaarResultaat::Schrijven;
  } else {
    r.fout = BewaarResultaat::Schrijven;
  }
  if (!r.Gelukt()) f.cancelWriting();
  r.pad = fn;
  return r;
}

QByteArray EtiketBytes(qint16 bestType, const Ontwerp& o, const QString& formaatNaam, BewaarResultaat* resultaat) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  const BewaarResultaat r = SchrijfEtiket(buffer, bestType, o, formaatNaam);
  if (resultaat) *resultaat = r;
  return r.Gelukt() ? bytes : QByteArray();
}

}  // namespace files
