#include "printing/Zpl.h"

#include <QIODevice>
#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstring>
#include <utility>
#include <zlib.h>

#include "model/Afronden.h"
#include "printing/Afdrukjob.h"
#include "printing/Raster.h"

namespace printing {

namespace zpl {
namespace {

// Field positions, the print width and the label length all reach 32000
// dots; a label's corner and its size are kept to half of that each, so
// that no dot of a label lies beyond.
constexpr int kGrootste = 32000;
constexpr int kGrootsteLabel = kGrootste / 2;
// A graphic field larger than the largest label is damage.
constexpr qsizetype kGrootsteGrafiek = qsizetype(kGrootsteLabel / 8) * kGrootsteLabel;

constexpr char kHex[] = "0123456789ABCDEF";

// The CRC a printer checks a ":Z64:" field's base64 text with (CCITT
// polynomial, from 0, high bit first), four bytes a step: tabel[k] is a
// byte's share k bytes before the end of the step.
quint16 Crc16(const char* tekst, qsizetype n) {
  static const auto tabel = [] {
    std::array<std::array<quint16, 256>, 4> t{};
    for (unsigned i = 0; i < 256; ++i) {
      quint16 crc = quint16(i << 8);
      for (int k = 0; k < 8; ++k) crc = (crc & 0x8000) ? quint16((crc << 1) ^ 0x1021) : quint16(crc << 1);
      t[0][i] = crc;
    }
    for (size_t k = 1; k < 4; ++k)
      for (unsigned i = 0; i < 256; ++i) t[k][i] = quint16((t[k - 1][i] << 8) ^ t[0][t[k - 1][i] >> 8]);
    return t;
  }();
  const auto* b = reinterpret_cast<const quint8*>(tekst);
  quint16 crc = 0;
  qsizetype i = 0;
  for (; i + 4 <= n; i += 4)
    crc = quint16(tabel[3][(crc >> 8) ^ b[i]] ^ tabel[2][(crc & 0xFF) ^ b[i + 1]] ^ tabel[1][b[i + 2]] ^
                  tabel[0][b[i + 3]]);
  for (; i < n; ++i) crc = quint16((crc << 8) ^ tabel[0][((crc >> 8) ^ b[i]) & 0xFF]);
  return crc;
}

// The CCITT polynomial's product of a and b, both below x^16.
quint16 Maal(quint16 a, quint16 b) {
  quint32 uit = 0;
  for (int k = 15; k >= 0; --k) {
    uit <<= 1;
    if (uit & 0x10000) uit ^= 0x11021;
    if ((b >> k) & 1) uit ^= a;
  }
  return quint16(uit);
}

// The CRC of a text T followed by n more bytes, from the CRC of T: the CRC of
// T then U is Verder(crc(T), |U|) ^ crc(U), as the CRC starts from 0.
quint16 Verder(quint16 crc, qsizetype n) {
  // x^(8n) for n up to kTabel, worked out once.
  static constexpr int kTabel = 4096;
  static const auto machten = [] {
    std::vector<quint16> m(kTabel + 1);
    m[0] = 1;
    for (int i = 1; i <= kTabel; ++i) m[size_t(i)] = Maal(m[size_t(i - 1)], 0x100);
    return m;
  }();
  for (; n > kTabel; n -= kTabel) crc = Maal(crc, machten[kTabel]);
  return Maal(crc, machten[size_t(n)]);
}

// A repeat count in front of a hex digit: 'z' is 400, 'g' to 'y' twenty
// to 380, 'G' to 'Y' one to nineteen; they add up.
void Herhaling(QByteArray& uit, int n) {
  for (; n >= 400; n -= 400) uit += 'z';
  if (n >= 20) uit += char('g' + n / 20 - 1);
  if (n % 20) uit += char('G' + n % 20 - 1);
}

int Teller(char c) {
  if (c >= 'G' && c <= 'Y') return c - 'G' + 1;
  if (c >= 'g' && c <= 'z') return (c - 'g' + 1) * 20;
  return 0;
}

int HexWaarde(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::optional<QByteArray> UitZ64(const QByteArray& data, qsizetype lengte) {
  const qsizetype eind = data.indexOf(':', 5);
  const QByteArray tekst = data.mid(5, eind < 0 ? -1 : eind - 5);
  if (eind >= 0) {
    bool ok = false;
    const uint crc = data.mid(eind + 1).toUInt(&ok, 16);
    if (!ok || crc != Crc16(tekst.constData(), tekst.size())) return std::nullopt;
  }
  const auto gelezen = QByteArray::fromBase64Encoding(tekst, QByteArray::AbortOnBase64DecodingErrors);
  if (!gelezen) return std::nullopt;
  const QByteArray& b64 = *gelezen;
  // Inflated into exactly the bytes the field says it has: more is damage.
  QByteArray uit(lengte, '\0');
  z_stream z{};
  if (inflateInit(&z) != Z_OK) return std::nullopt;
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(b64.constData()));
  z.avail_in = uInt(b64.size());
  z.next_out = reinterpret_cast<Bytef*>(uit.data());
  z.avail_out = uInt(lengte);
  const int r = inflate(&z, Z_FINISH);
  const bool heel = r == Z_STREAM_END && z.avail_out == 0;
  inflateEnd(&z);
  if (!heel) return std::nullopt;
  return uit;
}

std::optional<QByteArray> UitIngepakt(const QByteArray& data, int bytesPerRij, qsizetype lengte) {
  const int halven = bytesPerRij * 2;
  QByteArray uit;
  uit.reserve(lengte);
  QByteArray rij(bytesPerRij, '\0'), vorige(bytesPerRij, '\0');
  int k = 0, aantal = 0;  // the row's hex digits so far, and a pending count
  const auto Klaar = [&] {
    if (uit.size() + bytesPerRij > lengte) return false;
    uit += rij;
    std::swap(rij, vorige);
    rij.fill('\0');
    k = 0;
    return true;
  };
  for (const char c : data) {
    if (c == '\r' || c == '\n') continue;
    if (const int t = Teller(c)) {
      aantal += t;
      if (aantal > halven) return std::nullopt;
      continue;
    }
    if (c == ':' || c == ',' || c == '!') {
      if (aantal) return std::nullopt;
      if (c == ':') {
        if (k != 0) return std::nullopt;
        rij = vorige;
      } else {
        // The rest of the row blank, or black.
        for (; k < halven; ++k)
          if (c == '!') rij[k / 2] = char(quint8(rij[k / 2]) | (k % 2 ? 0x0F : 0xF0));
      }
      if (!Klaar()) return std::nullopt;
      continue;
    }
    const int w = HexWaarde(c);
    if (w < 0) return std::nullopt;
    const int n = aantal ? aantal : 1;
    aantal = 0;
    if (k + n > halven) return std::nullopt;
    for (int e = 0; e < n; ++e, ++k) rij[k / 2] = char(quint8(rij[k / 2]) | (k % 2 ? w : w << 4));
    if (k == halven && !Klaar()) return std::nullopt;
  }
  if (k != 0 || aantal || uit.size() != lengte) return std::nullopt;
  return uit;
}

// A whole number between 0 and kGrootste.
bool Getal(const QByteArray& tekst, int* uit) {
  bool ok = false;
  const int w = tekst.trimmed().toInt(&ok);
  if (!ok || w < 0 || w > kGrootste) return false;
  *uit = w;
  return true;
}

// Two numbers "x,y".
bool Paar(const QByteArray& tekst, int* x, int* y) {
  const QList<QByteArray> delen = tekst.split(',');
  return delen.size() >= 2 && Getal(delen[0], x) && Getal(delen[1], y);
}

// Darkness 0 to 30 for the five steps of the settings: the middle step is
// the usual factory setting, 15.
int Donkerte(int intensiteit) { return std::clamp(intensiteit, 1, 5) * 5; }
// The five speeds of the settings, 50 to 150 mm/s, are 2 to 6 inches a second.
int Inch(int snelheid) { return std::clamp(snelheid, 1, 5) + 1; }

class ZplTaal final : public Printertaal {
 public:
  QString Naam() const override { return QStringLiteral("ZPL II"); }
  Taalgrenzen Grenzen() const override {
    Taalgrenzen g{8, 1, kGrootsteLabel, kGrootsteLabel, kGrootsteLabel};
    g.rijenApart = true;
    return g;
  }
  QByteArray BeginVel(const Afdrukopdracht& o, int) const override {
    return "~SD" + QByteArray::number(Donkerte(o.Intensity)).rightJustified(2, '0') + "\r\n";
  }
  // The print width is the sheet's, so that the labels lie where the
  // paper is; the label length is the row's pitch, for continuous paper.
  QByteArray BeginRij(const Afdrukopdracht& o, int ppm, float) const override {
    const EtiketFormaat& f = o.formaat;
    int breedte = RondAf(std::max(0.0f, f.VelBreedte) * float(ppm));
    if (breedte <= 0) {
      const float rechts = f.LinkerOffset + o.HorizontalShift + float(f.Kolommen - 1) * f.HorizontaleSteek;
      breedte = RondAf(std::max(0.0f, rechts) * float(ppm)) + EtiketCanvas(f, ppm).width();
    }
    const float steek = f.VerticaleSteek > 0 ? f.VerticaleSteek : f.BovenOffset + f.Hoogte;
    const int lengte = std::max(1, RondAf(steek * float(ppm)));
    return "^XA^LH0,0^PW" + QByteArray::number(std::clamp(breedte, 1, kGrootste)) + "^LL" +
           QByteArray::number(std::min(lengte, kGrootste)) + "^PR" + QByteArray::number(Inch(o.PrintSpeed)) + "\r\n";
  }
  QByteArray Etiket(const Rasterblok& b) const override { return Stroken(b); }
  QByteArray EindeRij(int aantal) const override { return "^PQ" + QByteArray::number(aantal) + "^XZ\r\n"; }
  // Each row was printed as it was finished.
  QByteArray EindeVel(int) const override { return {}; }
  // Only a row still open waits: it is printed once. Whole rows are
  // already out, as ZPL prints a format when it ends.
  QByteArray SluitOpenVel(const VelStand& stand) const override {
    return stand.VelOpen && stand.VolgendeKolom != 1 ? EindeRij(1) : QByteArray();
  }
  std::unique_ptr<Stroomlezer> Lezer(QIODevice& bron) const override { return std::make_unique<zpl::Lezer>(bron); }
};

}  // namespace

QByteArray Ingepakt(const char* data, int bytesPerRij, int rijen) {
  QByteArray uit;
  uit.reserve(qsizetype(rijen) * 4);
  const char* vorige = nullptr;
  for (int r = 0; r < rijen; ++r) {
    const char* rij = data + qsizetype(r) * bytesPerRij;
    if (vorige && std::memcmp(rij, vorige, size_t(bytesPerRij)) == 0) {
      uit += ':';
      continue;
    }
    vorige = rij;
    int eind = bytesPerRij;
    while (eind > 0 && rij[eind - 1] == 0) --eind;
    // Runs of one hex digit, up to the last one that is not blank.
    int k = 0;
    const int halven = eind * 2;
    while (k < halven) {
      const auto Digit = [&](int i) { return (quint8(rij[i / 2]) >> (i % 2 ? 0 : 4)) & 0x0F; };
      const int d = Digit(k);
      int n = 1;
      while (k + n < halven && Digit(k + n) == d) ++n;
      if (n > 1) Herhaling(uit, n);
      uit += kHex[d];
      k += n;
    }
    if (eind < bytesPerRij) uit += ',';
  }
  return uit;
}

namespace {

// How many bytes from a and b on are the same, at most max, a word at a time.
qsizetype Overeen(const quint8* a, const quint8* b, qsizetype max) {
  qsizetype k = 0;
  for (; k + 8 <= max; k += 8) {
    quint64 x, y;
    std::memcpy(&x, a + k, 8);
    std::memcpy(&y, b + k, 8);
    if (x != y) return k + std::countr_zero(x ^ y) / 8;
  }
  while (k < max && a[k] == b[k]) ++k;
  return k;
}

// Deflate written for one-bit rasters: fixed Huffman codes and two kinds
// of match only, a run of the byte before and the same bytes a row up,
// which is nearly all a label's dots are. Each band is a block of its own
// with an empty dictionary, ending on a byte boundary: bands so made follow
// one another in one deflate stream, and a band's bytes depend on its dots
// alone. zlib spent its time on the bands of every copy's number; this
// needs a fraction of that.
class Deflater {
 public:
  Deflater() {
    // Code and length of each literal/length symbol, reversed for the
    // LSB-first bit order of the stream.
    for (int v = 0; v < 288; ++v) {
      const auto [code, lengte] = v < 144   ? std::pair{0x30 + v, 8}
                                  : v < 256 ? std::pair{0x190 + v - 144, 9}
                                  : v < 280 ? std::pair{v - 256, 7}
                                            : std::pair{0xC0 + v - 280, 8};
      symbolen_[size_t(v)] = {Omgekeerd(unsigned(code), lengte), lengte};
    }
    // Every match length 3 to 258 as its symbol and extra bits.
    static constexpr int kBasis[] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                     31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
    static constexpr int kExtra[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
    for (int i = 0; i < 29; ++i) {
      const int tot = i + 1 < 29 ? kBasis[i + 1] : 259;
      for (int l = kBasis[i]; l < tot && l <= 258; ++l) {
        const Code& sym = symbolen_[size_t(257 + i)];
        // The symbol's code, then its extra bits: one piece of at most 14 bits.
        lengtes_[size_t(l)] = {sym.bits | (unsigned(l - kBasis[i]) << sym.lengte), sym.lengte + kExtra[i]};
      }
    }
  }

  QByteArray Band(const char* data, qsizetype n, int rij) {
    Bits uit;
    uit.tekst.reserve(n / 2 + 16);
    uit.Schrijf(0b010, 3);  // not the last block; fixed codes
    const Code afstandRij = Afstand(rij), afstandEen = Afstand(1);
    const auto* d = reinterpret_cast<const quint8*>(data);
    for (qsizetype i = 0; i < n;) {
      const qsizetype max = std::min<qsizetype>(258, n - i);
      const qsizetype boven = i >= rij && d[i] == d[i - rij] ? Overeen(d + i, d + i - rij, max) : 0;
      // Each byte like the one before it: a run of the byte before i.
      const qsizetype run = i >= 1 && boven < max && d[i] == d[i - 1] ? Overeen(d + i, d + i - 1, max) : 0;
      if (std::max(boven, run) >= 3) {
        const bool opRij = boven >= run;
        const qsizetype l = opRij ? boven : run;
        const Code& c = lengtes_[size_t(l)];
        uit.Schrijf(c.bits, c.lengte);
        const Code& a = opRij ? afstandRij : afstandEen;
        uit.Schrijf(a.bits, a.lengte);
        i += l;
      } else {
        const Code& c = symbolen_[d[i]];
        uit.Schrijf(c.bits, c.lengte);
        ++i;
      }
    }
    const Code& einde = symbolen_[256];
    uit.Schrijf(einde.bits, einde.lengte);
    // An empty stored block brings the stream to a byte boundary.
    uit.Schrijf(0, 3);
    uit.Leeg();
    uit.tekst.append("\x00\x00\xFF\xFF", 4);
    return uit.tekst;
  }

 private:
  struct Code {
    unsigned bits = 0;
    int lengte = 0;
  };
  struct Bits {
    QByteArray tekst;
    quint64 voorraad = 0;
    int aantal = 0;
    // Codes go in at the top, whole bytes out four at a time.
    void Schrijf(unsigned bits, int lengte) {
      voorraad |= quint64(bits) << aantal;
      aantal += lengte;
      if (aantal >= 32) {
        const char vier[4] = {char(voorraad), char(voorraad >> 8), char(voorraad >> 16), char(voorraad >> 24)};
        tekst.append(vier, 4);
        voorraad >>= 32;
        aantal -= 32;
      }
    }
    void Leeg() {
      for (; aantal > 0; aantal -= 8, voorraad >>= 8) tekst += char(voorraad & 0xFF);
      voorraad = 0;
      aantal = 0;
    }
  };

  static unsigned Omgekeerd(unsigned code, int lengte) {
    unsigned uit = 0;
    for (int k = 0; k < lengte; ++k) uit |= ((code >> k) & 1u) << (lengte - 1 - k);
    return uit;
  }
  // A distance's five-bit code and its extra bits.
  static Code Afstand(int afstand) {
    int code = 0, basis = 1, extra = 0;
    while (code < 29) {
      extra = code < 4 ? 0 : code / 2 - 1;
      if (afstand < basis + (1 << extra)) break;
      basis += 1 << extra;
      ++code;
    }
    return {Omgekeerd(unsigned(code), 5) | (unsigned(afstand - basis) << 5), 5 + extra};
  }

  std::array<Code, 288> symbolen_{};
  std::array<Code, 259> lengtes_{};
};

void VoegGetalToe(QByteArray& uit, qint64 getal) {
  char cijfers[24];
  uit.append(cijfers, std::to_chars(cijfers, cijfers + sizeof cijfers, getal).ptr - cijfers);
}

// Whether n bytes are the same: rows of a strip are a few words long, too
// short to be worth a call.
inline bool Gelijk(const char* a, const char* b, int n) {
  return Overeen(reinterpret_cast<const quint8*>(a), reinterpret_cast<const quint8*>(b), n) == n;
}

inline bool Blanco(const char* a, int n) {
  quint64 of = 0;
  int k = 0;
  for (; k + 8 <= n; k += 8) {
    quint64 x;
    std::memcpy(&x, a + k, 8);
    of |= x;
  }
  for (; k < n; ++k) of |= quint8(a[k]);
  return of == 0;
}

// The Z64 text of one graphic, made a band of rows at a time, with what it
// made last kept: a job's labels differ only where their numbers are, so
// a band like the one before keeps its compressed bytes, and a graphic
// like the one before keeps its whole text. The text is the same whatever
// came before.
class Z64Veld {
 public:
  const QByteArray& Tekst() const { return tekst_; }

  // `anders`, when given, tells for each row whether it differs from the
  // graphic made last, which then had the same size: rows are not compared.
  const QByteArray& Tekst(Deflater& deflater, const char* data, int bytesPerRij, int rijen,
                          const char* anders = nullptr) {
    const qsizetype lengte = qsizetype(bytesPerRij) * rijen;
    const bool zelfde = bytesPerRij == bpr_ && (!anders || bits_.size() == lengte);
    if (!anders && zelfde && bits_.size() == lengte && std::memcmp(bits_.constData(), data, size_t(lengte)) == 0)
      return tekst_;
    const auto Bekend = [&](qsizetype begin, qsizetype n) {
      if (!anders) return std::memcmp(bits_.constData() + begin, data + begin, size_t(n)) == 0;
      const char* rij = anders + begin / bytesPerRij;
      return std::find(rij, rij + n / bytesPerRij, 1) == rij + n / bytesPerRij;
    };
    // A zlib header, the bands as deflate blocks that are not the last, an
    // empty last block and the Adler-32 of all the dots. Each band is made
    // a whole number of three bytes long, so that its base64 text and the
    // CRC of that text stand on their own: a band like the last one costs
    // nothing but the comparison.
    tekst_.resize(0);
    tekst_.append(":Z64:");
    uLong adler = adler32(0, nullptr, 0);
    quint16 crc = 0;
    const auto Voeg = [&](const QByteArray& stuk, quint16 stukCrc) {
      tekst_.append(stuk);
      crc = quint16(Verder(crc, stuk.size()) ^ stukCrc);
    };
    const qsizetype band = qsizetype(kBandRijen) * bytesPerRij;
    size_t b = 0;
    for (qsizetype begin = 0; begin < lengte; begin += band, ++b) {
      const qsizetype n = std::min(band, lengte - begin);
      if (b >= banden_.size()) banden_.emplace_back();
      Band& bd = banden_[b];
      const bool bekend = zelfde && begin + n <= bits_.size() && bd.lengte == n && Bekend(begin, n);
      if (!bekend) {
        QByteArray gepakt = b == 0 ? QByteArray("\x78\x01", 2) : QByteArray();
        gepakt += deflater.Band(data + begin, n, bytesPerRij);
        // Empty stored blocks, five bytes each, to a whole number of three.
        while (gepakt.size() % 3) gepakt.append("\x00\x00\x00\xFF\xFF", 5);
        bd.tekst = gepakt.toBase64();
        bd.crc = Crc16(bd.tekst.constData(), bd.tekst.size());
        bd.adler = adler32(adler32(0, nullptr, 0), reinterpret_cast<const Bytef*>(data + begin), uInt(n));
        bd.lengte = n;
      }
      Voeg(bd.tekst, bd.crc);
      adler = adler32_combine(adler, bd.adler, z_off_t(n));
    }
    banden_.resize(b);
    QByteArray slot("\x03\x00", 2);
    for (int k = 3; k >= 0; --k) slot += char((adler >> (8 * k)) & 0xFF);
    const QByteArray slotTekst = (b == 0 ? QByteArray("\x78\x01", 2) + slot : slot).toBase64();
    Voeg(slotTekst, Crc16(slotTekst.constData(), slotTekst.size()));
    tekst_.append(':');
    tekst_.append(QByteArray::number(crc, 16).toUpper().rightJustified(4, '0'));
    if (anders && zelfde) {
      for (int r = 0; r < rijen; ++r)
        if (anders[r])
          std::memcpy(bits_.data() + qsizetype(r) * bytesPerRij, data + qsizetype(r) * bytesPerRij,
                      size_t(bytesPerRij));
    } else {
      bits_ = QByteArray(data, lengte);
    }
    bpr_ = bytesPerRij;
    return tekst_;
  }

 private:
  static constexpr int kBandRijen = 16;
  struct Band {
    QByteArray tekst;  // base64
    quint16 crc = 0;   // of the text alone
    uLong adler = 0;
    qsizetype lengte = 0;
  };
  QByteArray bits_;
  int bpr_ = 0;
  std::vector<Band> banden_;
  QByteArray tekst_;
};

// What one thread keeps from label to label: a label goes out in strips
// of this many bytes across, each a graphic of its own, so that a number
// changes only the strips it lies in.
constexpr int kStrookBytes = 32;
// A strip as it was last: where its dots begin and end, and its graphic.
struct Strook {
  int boven = 0, onder = 0;
  Z64Veld veld;
};
struct Werkplaats {
  Deflater deflater;
  // The last label's raster, and each strip of it.
  QByteArray vorige;
  int bpr = 0, rijen = 0;
  std::vector<Strook> stroken;
  std::vector<char> anders;     // the strips of this label that differ from it
  std::vector<char> rijAnders;  // and their rows that do, strip after strip
  QByteArray strook;
  Z64Veld los;  // for a graphic made whole
};
Werkplaats& DezeDraad() {
  thread_local Werkplaats w;
  return w;
}

}  // namespace

QByteArray Z64(const char* data, qsizetype lengte, int bytesPerRij) {
  Werkplaats& w = DezeDraad();
  return w.los.Tekst(w.deflater, data, bytesPerRij, int(lengte / std::max(1, bytesPerRij)));
}

QByteArray Stroken(const Rasterblok& b) {
  Werkplaats& w = DezeDraad();
  const int aantal = (b.bytesPerRij + kStrookBytes - 1) / kStrookBytes;
  const qsizetype lengte = qsizetype(b.bytesPerRij) * b.rijen;
  // Which strips differ from the last label's: whole rows are compared,
  // and only a row that differs is looked at strip by strip.
  const bool zelfdeMaat = w.bpr == b.bytesPerRij && w.rijen == b.rijen && w.stroken.size() == size_t(aantal);
  w.anders.assign(size_t(aantal), zelfdeMaat ? 0 : 1);
  if (zelfdeMaat) {
    w.rijAnders.assign(size_t(aantal) * size_t(b.rijen), 0);
    for (int r = 0; r < b.rijen; ++r) {
      const qsizetype begin = qsizetype(r) * b.bytesPerRij;
      const char* nieuw = b.data + begin;
      char* oud = w.vorige.data() + begin;
      if (std::memcmp(nieuw, oud, size_t(b.bytesPerRij)) == 0) continue;
      for (int s = 0; s < aantal; ++s) {
        const int links = s * kStrookBytes;
        if (!Gelijk(nieuw + links, oud + links, std::min(kStrookBytes, b.bytesPerRij - links))) {
          w.anders[size_t(s)] = 1;
          w.rijAnders[size_t(s) * size_t(b.rijen) + size_t(r)] = 1;
        }
      }
      std::memcpy(oud, nieuw, size_t(b.bytesPerRij));
    }
  } else {
    w.vorige = QByteArray(b.data, lengte);
    w.bpr = b.bytesPerRij;
    w.rijen = b.rijen;
    w.stroken.assign(size_t(aantal), Strook());
  }
  QByteArray uit;
  for (int s = 0; s < aantal; ++s) {
    const int links = s * kStrookBytes, breedte = std::min(kStrookBytes, b.bytesPerRij - links);
    Strook& strook = w.stroken[size_t(s)];
    if (w.anders[size_t(s)]) {
      const char* begin = b.data + links;
      const auto Rij = [&](int r) { return begin + qsizetype(r) * b.bytesPerRij; };
      // Blank paper above and below the strip's dots is left off; a blank strip is not sent.
      const int boven = strook.boven, onder = strook.onder;
      strook.boven = 0;
      strook.onder = b.rijen;
      while (strook.boven < strook.onder && Blanco(Rij(strook.boven), breedte)) ++strook.boven;
      while (strook.onder > strook.boven && Blanco(Rij(strook.onder - 1), breedte)) --strook.onder;
      const int rijen = strook.onder - strook.boven;
      if (rijen > 0) {
        w.strook.resize(qsizetype(breedte) * rijen);
        for (int r = 0; r < rijen; ++r)
          std::memcpy(w.strook.data() + qsizetype(r) * breedte, Rij(strook.boven + r), size_t(breedte));
        // The same rows as before: which of them differ is known already.
        const bool zelfdeRijen = zelfdeMaat && boven == strook.boven && onder == strook.onder;
        strook.veld.Tekst(w.deflater, w.strook.constData(), breedte, rijen,
                          zelfdeRijen ? w.rijAnders.data() + size_t(s) * size_t(b.rijen) + size_t(boven) : nullptr);
      }
    }
    if (strook.onder == strook.boven) continue;
    const qsizetype totaal = qsizetype(breedte) * (strook.onder - strook.boven);
    // Appended piece by piece: a label is sent thousands of times.
    uit.reserve(uit.size() + strook.veld.Tekst().size() + 64);
    uit.append("^FO");
    VoegGetalToe(uit, b.h + links * 8);
    uit.append(',');
    VoegGetalToe(uit, b.v + strook.boven);
    uit.append("^GFA,");
    VoegGetalToe(uit, totaal);
    uit.append(',');
    VoegGetalToe(uit, totaal);
    uit.append(',');
    VoegGetalToe(uit, breedte);
    uit.append(',');
    uit.append(strook.veld.Tekst());
    uit.append("^FS\r\n");
  }
  return uit;
}

std::optional<QByteArray> Uitgepakt(const QByteArray& data, int bytesPerRij, qsizetype lengte) {
  if (bytesPerRij <= 0 || lengte < 0 || lengte > kGrootsteGrafiek || lengte % bytesPerRij) return std::nullopt;
  if (data.startsWith(":Z64:")) return UitZ64(data, lengte);
  return UitIngepakt(data, bytesPerRij, lengte);
}

const Printertaal& Taal() {
  static const ZplTaal taal;
  return taal;
}

bool Lezer::Parameters(QByteArray* uit) {
  qsizetype j = i_;
  for (;;) {
    while (j < buf_.size() && buf_[j] != '^' && buf_[j] != '~') ++j;
    if (j < buf_.size()) break;
    // A graphic's data is the longest a command gets.
    const qsizetype gelezen = j - i_;
    if (gelezen > 2 * kGrootsteGrafiek + 64) return false;
    if (!Zorg(gelezen + 1)) {
      j = buf_.size();
      break;
    }
    j = i_ + gelezen;
  }
  *uit = buf_.mid(i_, j - i_);
  uit->replace('\r', QByteArray()).replace('\n', QByteArray());
  i_ = j;
  return true;
}

std::optional<Stroomvel> Lezer::Volgende() {
  while (!klaar_) {
    while (Zorg(1) && (buf_[i_] == '\r' || buf_[i_] == '\n' || buf_[i_] == ' ' || buf_[i_] == '\t')) ++i_;
    if (!Zorg(1)) {
      klaar_ = true;
      return Af();
    }
    if (buf_[i_] != '^' && buf_[i_] != '~') return Fout(QStringLiteral("command expected"));
    if (!Zorg(3)) return Fout(QStringLiteral("command cut short"));
    const QByteArray commando = buf_.mid(i_, 3).toUpper();
    const qsizetype begin = i_;
    i_ += 3;
    QByteArray p;
    if (!Parameters(&p)) return Fout(QStringLiteral("command too long"));
    // Fields before the first format of the stream go on a format an
    // earlier job left open.
    const bool buiten = !inFormaat_ && begonnen_;
    if (commando == "~SD") {
      int d = 0;
      if (!Getal(p, &d) || d > 30) return Fout(QStringLiteral("bad darkness"));
      if (inFormaat_) return Fout(QStringLiteral("darkness inside a format"));
      begonnen_ = true;
      rijBoven_ = 0;
      if (vel_ && (!vel_->labels.empty() || vel_->metKop)) {
        std::optional<Stroomvel> vorige = Af();
        Huidig().metKop = true;
        Huidig().intensiteit = (d + 4) / 5;
        return vorige;
      }
      Huidig().metKop = true;
      Huidig().intensiteit = (d + 4) / 5;
    } else if (commando == "^XA") {
      if (inFormaat_) return Fout(QStringLiteral("format begun inside a format"));
      inFormaat_ = begonnen_ = true;
      lhX_ = lhY_ = foX_ = foY_ = lengte_ = 0;
      Huidig().gesloten = false;
    } else if (commando == "^LH") {
      if (!Paar(p, &lhX_, &lhY_)) return Fout(QStringLiteral("bad label home"));
    } else if (commando == "^PW") {
      int w = 0;
      if (!Getal(p, &w)) return Fout(QStringLiteral("bad print width"));
    } else if (commando == "^LL") {
      if (!Getal(p, &lengte_)) return Fout(QStringLiteral("bad label length"));
    } else if (commando == "^PR") {
      int inch = 0;
      if (!Getal(p.split(',').first(), &inch) || inch < 1) return Fout(QStringLiteral("bad speed"));
      if (Huidig().snelheid < 0) Huidig().snelheid = inch - 1;
    } else if (commando == "^FO") {
      if (buiten) return Fout(QStringLiteral("field outside a format"));
      if (!Paar(p, &foX_, &foY_)) return Fout(QStringLiteral("bad field origin"));
    } else if (commando == "^GF") {
      if (buiten) return Fout(QStringLiteral("field outside a format"));
      // A,bytes,bytes,bytes a row,data
      const QList<QByteArray> delen = p.left(64).split(',');
      int totaal = 0, veld = 0, bpr = 0;
      if (delen.size() < 5 || delen[0] != "A") return Fout(QStringLiteral("bad graphic"));
      bool ok1 = false, ok2 = false, ok3 = false;
      totaal = delen[1].toInt(&ok1);
      veld = delen[2].toInt(&ok2);
      bpr = delen[3].toInt(&ok3);
      if (!ok1 || !ok2 || !ok3 || totaal != veld || bpr <= 0 || veld % bpr || veld > kGrootsteGrafiek)
        return Fout(QStringLiteral("bad graphic size"));
      // The sheet's picture stays as large as a printer's page can be.
      if (lhX_ + foX_ + bpr * 8 > kGrootste || rijBoven_ + lhY_ + foY_ + veld / bpr > kGrootste)
        return Fout(QStringLiteral("graphic beyond the page"));
      const qsizetype data = delen[0].size() + delen[1].size() + delen[2].size() + delen[3].size() + 4;
      const std::optional<QByteArray> bits = Uitgepakt(p.mid(data), bpr, veld);
      if (!bits) return Fout(QStringLiteral("damaged graphic"));
      Stroomlabel l;
      l.H = lhX_ + foX_;
      l.V = rijBoven_ + lhY_ + foY_;
      const int rijen = veld / bpr;
      l.beeld = QImage(bpr * 8, rijen, QImage::Format_Mono);
      l.beeld.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
      for (int r = 0; r < rijen; ++r)
        std::memcpy(l.beeld.scanLine(r), bits->constData() + qsizetype(r) * bpr, size_t(bpr));
      Huidig().labels.push_back(std::move(l));
    } else if (commando == "^FS") {
    } else if (commando == "^PQ") {
      if (buiten) return Fout(QStringLiteral("quantity outside a format"));
      int q = 0;
      if (!Getal(p.split(',').first(), &q) || q < 1) return Fout(QStringLiteral("bad quantity"));
      if (Huidig().aantal == 0) Huidig().aantal = q;
    } else if (commando == "^XZ") {
      if (buiten) return Fout(QStringLiteral("format ended outside a format"));
      inFormaat_ = false;
      begonnen_ = true;
      Huidig().gesloten = true;
      rijBoven_ = std::min(rijBoven_ + lengte_, kGrootste + 1);
    } else {
      i_ = begin;
      return Fout(QStringLiteral("unknown command ") + QString::fromLatin1(commando));
    }
  }
  return std::nullopt;
}

}  // namespace zpl

}  // namespace printing
