#include "files/LeesEtiket.h"


#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QStringDecoder>
#include <QtEndian>
#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

#include "files/FiguurBitmap.h"
#include "model/Ontwerp.h"
#include "platform/Cp1252.h"

namespace files {

namespace {

// Thrown when the bytes cannot be a sound design file; caught once, so the
// reader never hands out half a design.
struct BeschadigdBestand {};

// Reads the encodings of the design file. Every length is checked against
// the bytes that remain before anything is taken or allocated.
class Lezer {
 public:
  explicit Lezer(const QByteArray& b) : p_(b.constData()), n_(b.size()) {}

  // A reader of the next n bytes, which this one passes over.
  Lezer Deel(qint32 n) {
    if (n < 0 || n > Rest()) throw BeschadigdBestand{};
    Lezer deel(p_ + pos_, n);
    pos_ += n;
    return deel;
  }

  qsizetype Rest() const { return n_ - pos_; }

  qint16 Integer() {
    qint16 v;
    lees(&v, 2);
    return qFromLittleEndian(v);
  }
  qint32 Long() {
    qint32 v;
    lees(&v, 4);
    return qFromLittleEndian(v);
  }
  Bool16 Boolean() { return Bool16::fromRaw(Integer()); }
  // A Single that is a length, position or angle: a number, and a sane one.
  float Maat() {
    const quint32 bits = quint32(Long());
    float f;
    std::memcpy(&f, &bits, 4);
    if (!MaatPast(f)) throw BeschadigdBestand{};
    return f;
  }
  QString String() {
    const qint16 n = Integer();
    if (n < 0 || n > Rest()) throw BeschadigdBestand{};
    const QString s = platform::fromCp1252(p_ + pos_, n);
    pos_ += n;
    return s;
  }
  // A text written as UTF-8 (a file's path): its bytes must be UTF-8.
  QString Utf8() {
    const qint16 n = Integer();
    if (n < 0 || n > Rest()) throw BeschadigdBestand{};
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString s = utf8.decode(QByteArrayView(p_ + pos_, n));
    if (utf8.hasError()) throw BeschadigdBestand{};
    pos_ += n;
    return s;
  }
  qint16 Aantal() {
    const qint16 n = Integer();
    if (n < 0) throw BeschadigdBestand{};
    return n;
  }
  // The bytes of a Picture, without copying them.
  QByteArray PictureBytes() {
    const qint32 n = Long();
    if (n <= 0 || n > Rest()) throw BeschadigdBestand{};
    const QByteArray b = QByteArray::fromRawData(p_ + pos_, n);
    pos_ += n;
    return b;
  }

 private:
  Lezer(const char* p, qsizetype n) : p_(p), n_(n) {}
  void lees(void* uit, qsizetype k) {
    if (k > Rest()) throw BeschadigdBestand{};
    std::memcpy(uit, p_ + pos_, size_t(k));
    pos_ += k;
  }
  const char* p_;
  qsizetype n_;
  qsizetype pos_ = 0;
};

bool BinnenLimiet(QSize maat, qint64 puntenOver) {
  return BeeldPast(maat.width(), maat.height()) && qint64(maat.width()) * maat.height() <= puntenOver;
}

// The picture file types a picture loader of the program's kind reads,
// known by their first bytes. Nothing else (no vector or text formats) is
// handed to a decoder.
QByteArray PlaatjeSoort(const QByteArray& b) {
  if (b.startsWith("BM")) return "bmp";
  if (b.startsWith("GIF87a") || b.startsWith("GIF89a")) return "gif";
  if (b.startsWith("\xFF\xD8\xFF")) return "jpeg";
  if (b.startsWith("\x89PNG\r\n\x1A\n")) return "png";
  if (b.startsWith(QByteArray("\0\0\1\0", 4))) return "ico";
  if (b.startsWith(QByteArray("\0\0\2\0", 4))) return "cur";
  return {};
}

// The decoder accepts an uncompressed BMP whose rows stop early and fills
// the rest with nothing; such a picture was cut short, not drawn that way.
bool BmpVolledig(const QByteArray& b) {
  auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(b.constData() + at); };
  auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(b.constData() + at); };
  if (b.size() < 18) return false;
  const qint64 begin = u32(10);
  const quint32 kop = u32(14);
  qint64 breedte, hoogte, bits, compressie = 0;
  if (kop == 12) {
    if (b.size() < 26) return false;
    breedte = u16(18);
    hoogte = u16(20);
    bits = u16(24);
  } else {
    if (kop < 40 || b.size() < 34) return false;
    breedte = qint32(u32(18));
    hoogte = qint32(u32(22));
    bits = u16(28);
    compressie = u32(30);
  }
  // Compressed rows have no fixed length; those are left to the decoder.
  if (compressie != 0 && compressie != 3) return true;
  if (breedte <= 0 || hoogte == 0 || bits <= 0 || bits > 32) return false;
  const qint64 regel = (breedte * bits + 31) / 32 * 4;
  return begin + regel * std::abs(hoogte) <= b.size();
}

// Decodes one stored picture into a figure's bitmap. The size is checked
// from the picture's header before any pixel is decoded.
QImage LeesPlaatje(const QByteArray& bytes, qint64& puntenOver, QImage* grijs) {
  const QByteArray soort = PlaatjeSoort(bytes);
  if (soort.isEmpty()) throw BeschadigdBestand{};
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, soort);
  reader.setDecideFormatFromContent(false);
  reader.setAutoTransform(false);
  QSize kop = reader.size();
  // A bitmap stored from its top row down says so with a negative height.
  if (soort == "bmp" && kop.height() < 0 && kop.height() > std::numeric_limits<int>::min())
    kop.setHeight(-kop.height());
  if (!BinnenLimiet(kop, puntenOver)) throw BeschadigdBestand{};
  if (soort == "bmp" && !BmpVolledig(bytes)) throw BeschadigdBestand{};
  QImage beeld;
  if (!reader.read(&beeld) || !BinnenLimiet(beeld.size(), puntenOver)) throw BeschadigdBestand{};
  QImage zw = NaarZwartWit(beeld);
  if (zw.isNull()) throw BeschadigdBestand{};
  puntenOver -= qint64(zw.width()) * zw.height();
  // A picture with grey or colour keeps its grey values, for dithering:
  // they are the picture's own, not more of the file, so they do not count
  // against its limits. One of our bitmaps has none and costs nothing.
  if (grijs && beeld.depth() > 1) {
    QImage g = NaarGrijs(beeld);
    if (HeeftGrijstinten(g)) *grijs = std::move(g);
  }
  return zw;
}

// A figure's grey values: a PNG of exactly the size of its bitmap.
QImage LeesGrijs(const QByteArray& bytes, QSize maat, qint64& puntenOver) {
  if (PlaatjeSoort(bytes) != "png") throw BeschadigdBestand{};
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "png");
  reader.setDecideFormatFromContent(false);
  reader.setAutoTransform(false);
  if (reader.size() != maat || !BinnenLimiet(maat, puntenOver)) throw BeschadigdBestand{};
  QImage beeld;
  if (!reader.read(&beeld) || beeld.size() != maat) throw BeschadigdBestand{};
  QImage grijs = beeld.format() == QImage::Format_Grayscale8 ? beeld : NaarGrijs(beeld);
  if (grijs.isNull()) throw BeschadigdBestand{};
  puntenOver -= qint64(maat.width()) * maat.height();
  return grijs;
}

// The record an entry of a block names by its number (1 for the first),
// each above the one before and within the records there are.
template <typename Record>
Record& Genoemd(Lezer& l, std::vector<Record>& records, int& vorige) {
  const qint16 nummer = l.Integer();
  if (nummer <= vorige || nummer > qint64(records.size())) throw BeschadigdBestand{};
  vorige = nummer;
  return records[size_t(nummer - 1)];
}

// Block 1: the figures turned into dots their own way, by their number
// among the figures, each once and in order.
void LeesOmzettingen(Lezer& l, GelezenEtiket& e, qint64& puntenOver) {
  const qint16 aantal = l.Aantal();
  int vorige = 0;
  for (int i = 0; i < aantal; ++i) {
    FiguurRecord& r = Genoemd(l, e.Figuren, vorige);
    const qint16 soort = l.Integer();
    const qint16 drempel = l.Integer();
    if (soort < 1 || soort > kHoogsteOmzetSoort || drempel < 0 || drempel > 255) throw BeschadigdBestand{};
    r.omzetting = {static_cast<OmzetSoort>(soort), drempel};
    if (l.Boolean()) r.Grijs = LeesGrijs(l.PictureBytes(), r.Afbeelding.size(), puntenOver);
  }
}

// Block 3: the text lines that fit their box, by their number among the
// text lines, each once and in order, with their smallest size.
void LeesPassend(Lezer& l, GelezenEtiket& e) {
  const qint16 aantal = l.Aantal();
  int vorige = 0;
  for (int i = 0; i < aantal; ++i) {
    TekstlijnRecord& r = Genoemd(l, e.Lijnen, vorige);
    const qint16 minimum = l.Integer();
    if (minimum < kKleinstePassend || minimum > kGrootstePassendMinimum) throw BeschadigdBestand{};
    r.passend = {true, minimum};
  }
}

// Block 2: the list the design names. A path is never empty, and a
// relative one climbs no higher than the design's folder.
void LeesLijstVerwijzing(Lezer& l, GelezenEtiket& e) {
  LijstVerwijzing v;
  v.Relatief = l.Utf8();
  v.Absoluut = l.Utf8();
  v.Kopregel = l.Boolean();
  v.AantalKolom = l.Utf8();
  v.Rijkeuze = l.Utf8();
  if (v.Absoluut.isEmpty() || !QDir::isAbsolutePath(v.Absoluut)) throw BeschadigdBestand{};
  if (!v.Relatief.isEmpty() && (QDir::isAbsolutePath(v.Relatief) || v.Relatief == QStringLiteral("..") ||
                                v.Relatief.startsWith(QStringLiteral("../"))))
    throw BeschadigdBestand{};
  e.Lijstbestand = std::move(v);
}

// The section of blocks that ends a version 5.0 file. Each block is read
// whole and exactly; a tag read twice or not known is a damaged file.
void LeesUitbreiding(Lezer& l, GelezenEtiket& e, qint64& puntenOver) {
  const qint16 blokken = l.Aantal();
  std::vector<qint16> gezien;
  for (int i = 0; i < blokken; ++i) {
    const qint16 soort = l.Integer();
    if (std::find(gezien.begin(), gezien.end(), soort) != gezien.end()) throw BeschadigdBestand{};
    gezien.push_back(soort);
    Lezer blok = l.Deel(l.Long());
    switch (soort) {
      case kBlokOmzetting: LeesOmzettingen(blok, e, puntenOver); break;
      case kBlokLijst: LeesLijstVerwijzing(blok, e); break;
      case kBlokPassend: LeesPassend(blok, e); break;
      default: throw BeschadigdBestand{};
    }
    if (blok.Rest() != 0) throw BeschadigdBestand{};
  }
}

// The fields text lines and round texts both begin with.
template <typename Record>
void LeesTekstVelden(Lezer& l, Record& r) {
  r.Tekst = l.String();
  r.Lettergrootte = l.Integer();
  r.Lettertype = l.String();
  r.Vet = l.Boolean();
  r.Cursief = l.Boolean();
  r.Onderlijnd = l.Boolean();
  r.Uitlijning = l.Integer();
}

TekstlijnRecord LeesTekstlijn(Lezer& l) {
  TekstlijnRecord r;
  LeesTekstVelden(l, r);
  r.Links = l.Maat();
  r.Boven = l.Maat();
  r.Breedte = l.Maat();
  r.Hoogte = l.Maat();
  return r;
}

FiguurRecord LeesFiguur(Lezer& l, bool versie2, qint64& puntenOver) {
  FiguurRecord r;
  r.Links = l.Maat();
  r.Boven = l.Maat();
  r.Breedte = l.Maat();
  r.Hoogte = l.Maat();
  if (versie2) {
    r.MetBron = true;
    r.BronX = l.Long();
    r.BronY = l.Long();
    r.BronBreedte = l.Long();
    r.BronHoogte = l.Long();
  }
  r.Afbeelding = LeesPlaatje(l.PictureBytes(), puntenOver, &r.Grijs);
  // The crop rectangle is a part of the stored picture; anything else
  // cannot come from cropping and would overflow the drawing's arithmetic.
  if (r.MetBron &&
      !BronPast(r.BronX, r.BronY, r.BronBreedte, r.BronHoogte, r.Afbeelding.width(), r.Afbeelding.height()))
    throw BeschadigdBestand{};
  return r;
}

RondeTekstRecord LeesRondeTekst(Lezer& l) {
  RondeTekstRecord r;
  LeesTekstVelden(l, r);
  r.Straal = l.Maat();
  r.Referentiepunt = l.Maat();
  r.Wijzerzin = l.Boolean();
  r.Links = l.Maat();
  r.Boven = l.Maat();
  r.Breedte = l.Maat();
  r.Hoogte = l.Maat();
  return r;
}

StreepjescodeRecord LeesStreepjescode(Lezer& l) {
  StreepjescodeRecord r;
  r.Index = l.Integer();
  r.Links = l.Maat();
  r.Boven = l.Maat();
  r.Breedte = l.Maat();
  r.Hoogte = l.Maat();
  const std::optional<StreepjescodeSoort> soort = SoortVanWaarde(l.Integer());
  if (!soort) throw BeschadigdBestand{};
  r.Code.Soort = *soort;
  r.Code.Gegevens = l.String();
  r.Code.TekstTonen = bool(l.Boolean());
  r.Code.Modulebreedte = l.Integer();
  if (!ModulePast(r.Code.Modulebreedte)) throw BeschadigdBestand{};
  r.Code.Hoogte = l.Maat();
  return r;
}

}  // namespace

QString LeesFout::Melding() const {
  switch (soort) {
    case NietGevonden: return QStringLiteral("Vellora kan het bestand\nniet vinden.\n\n") + pad;
    case NietTeOpenen: return QStringLiteral("Vellora kan het\nbestand niet openen");
    case GeenVellora:
      return QStringLiteral("Het bestand is geen Vellora\nbestand of is beschadigd.\nVellora kan het bestand niet openen");
    case OnbekendFormaat: return QStringLiteral("Het formaat dat in dit ontwerp\nwordt gebruikt, is onbekend.");
    case Beschadigd:
      return QStringLiteral("Het bestand\n") + (pad.isEmpty() ? QString() : pad + u'\n') +
             QStringLiteral("is beschadigd of onvolledig.\nVellora kan het bestand niet openen");
  }
  return {};
}

LeesUitkomst LeesEtiketUit(const QByteArray& bytes, const FormatenTabel& formaten, const QString& fn) {
  // Too short for the magic number: nothing says it is a design file.
  if (bytes.size() < 4) return LeesFout{LeesFout::GeenVellora, fn, 0};
  Lezer l(bytes);
  GelezenEtiket e;
  const qint32 magie = l.Long();
  if (magie == kMagieVersie1) e.BestType = 1;
  else if (magie == kMagieVersie2) e.BestType = 2;
  else if (magie == kMagieVersie4)
    e.BestType = kBestTypeVersie4;
  else if (magie == kMagieVersie5)
    e.BestType = kBestTypeVersie5;
  else return LeesFout{LeesFout::GeenVellora, fn, 0};
  // Version 4.0 begins as version 2 does.
  const bool versie2 = e.BestType != 1;

  try {
    e.FormaatNaam = l.String();
    e.HuidigFormaat = formaten.ZoekFormaat(e.FormaatNaam);
    if (e.HuidigFormaat == 0) return LeesFout{LeesFout::OnbekendFormaat, fn, e.BestType};

    const qint16 lijnen = l.Aantal();
    const qint16 figuren = l.Aantal();
    const qint16 rond = versie2 ? l.Aantal() : 0;
    // The design holds at most this many elements, whatever their kinds.
    if (lijnen + figuren + rond > Ontwerp::kMaxVoorwerpen) throw BeschadigdBestand{};
    // No room is reserved from the counts: a record is only stored once
    // its bytes were there.
    for (int i = 0; i < lijnen; ++i) e.Lijnen.push_back(LeesTekstlijn(l));
    qint64 puntenOver = kMaxBeeldPuntenTotaal;
    for (int i = 0; i < figuren; ++i) e.Figuren.push_back(LeesFiguur(l, versie2, puntenOver));
    for (int i = 0; i < rond; ++i) e.RondeTeksten.push_back(LeesRondeTekst(l));
    // Version 5.0 begins as version 4.0 does.
    if (e.BestType >= kBestTypeVersie4) {
      const qint16 codes = l.Aantal();
      int voorwerpen = lijnen + figuren + rond;
      if (voorwerpen + codes > Ontwerp::kMaxVoorwerpen) throw BeschadigdBestand{};
      for (int i = 0; i < codes; ++i) {
        StreepjescodeRecord r = LeesStreepjescode(l);
        // Each one lands among the elements already there, after the
        // barcode before it.
        const int vorige = e.Streepjescodes.empty() ? 0 : e.Streepjescodes.back().Index;
        if (r.Index <= vorige || r.Index > voorwerpen + 1) throw BeschadigdBestand{};
        e.Streepjescodes.push_back(std::move(r));
        ++voorwerpen;
      }
    }
    if (e.BestType == kBestTypeVersie5) LeesUitbreiding(l, e, puntenOver);
    // The file ends right after its last record; more bytes mean the
    // counts and the data disagree.
    if (l.Rest() != 0) throw BeschadigdBestand{};
  } catch (const BeschadigdBestand&) {
    return LeesFout{LeesFout::Beschadigd, fn, e.BestType};
  }
  if (e.Lijstbestand) {
    // Beside the design when it is there (the two moved together), else
    // where it was.
    LijstVerwijzing& v = *e.Lijstbestand;
    const QString naast =
        v.Relatief.isEmpty() || fn.isEmpty() ? QString() : QFileInfo(fn).absoluteDir().filePath(v.Relatief);
    v.Pad = !naast.isEmpty() && (QFileInfo::exists(naast) || !QFileInfo::exists(v.Absoluut)) ? naast : v.Absoluut;
  }
  return e;
}

LeesUitkomst LeesEtiket(const QString& fn, const FormatenTabel& formaten) {
  const QFileInfo info(fn);
  if (!info.exists()) return LeesFout{LeesFout::NietGevonden, fn, 0};
  // A folder or a device is no design file, and a device may never end.
  QFile f(fn);
  if (!info.isFile() || !f.open(QIODevice::ReadOnly)) return LeesFout{LeesFout::NietTeOpenen, fn, 0};
  if (f.size() > kMaxBestandGrootte) return LeesFout{LeesFout::Beschadigd, fn, 0};
  const QByteArray bytes = f.readAll();
  if (f.error() != QFileDevice::NoError || bytes.size() > kMaxBestandGrootte)
    return LeesFout{LeesFout::NietTeOpenen, fn, 0};
  return LeesEtiketUit(bytes, formaten, fn);
}

void ZetTekstlijn(Voorwerp& v, const TekstlijnRecord& r) {
  v.tekst() = r;
  if (TekstlijnDeel* lijn = v.alsTekstlijn()) lijn->passend = r.passend;
}

void ZetRondeTekst(Voorwerp& v, const RondeTekstRecord& r) {
  v.tekst() = r;
  v.cirkel().Straal = r.Straal;
  v.cirkel().Referentiepunt = r.Referentiepunt;
  v.cirkel().Wijzerzin = r.Wijzerzin;
}

std::unique_ptr<Beeld> FiguurBeeld(const FiguurRecord& r) {
  auto b = std::make_unique<Beeld>();
  b->raster = r.Afbeelding;
  b->grijs = r.Grijs;
  return b;
}

}  // namespace files
