#include "printing/CsvLijst.h"

#include <QFile>
#include <QLocale>
#include <QStringDecoder>
#include <QStringList>
#include <algorithm>
#include <tuple>
#include <vector>

#include "platform/Cp1252.h"

namespace printing {

namespace {

// Tabs, line ends, a form feed and the old end-of-file mark are the only
// control characters a text file holds.
bool IsTekstteken(char16_t c) { return c >= 0x20 || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == 0x1A; }
// The bytes Windows-1252 leaves without a character.
bool IsLeegIn1252(uchar b) { return b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D; }

enum class Codering { Geen, Utf8, Cp1252, Utf16Le, Utf16Be };

// Which text the bytes are. Only the answer is kept: the values are decoded
// one at a time, so a list never lies in memory as a whole text as well.
Codering Herken(QByteArrayView inhoud) {
  for (const char c : inhoud)
    if (!IsTekstteken(uchar(c))) return Codering::Geen;
  // Checked a piece at a time, each ending after an ASCII byte (never
  // inside a character): a 64 MB list is not decoded into 128 MB of text.
  constexpr qsizetype kStuk = qsizetype(1) << 20;
  bool utf8Goed = true;
  for (qsizetype begin = 0; begin < inhoud.size() && utf8Goed;) {
    qsizetype einde = std::min(inhoud.size(), begin + kStuk);
    while (einde < inhoud.size() && uchar(inhoud[einde - 1]) >= 0x80) ++einde;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    (void)QString(utf8.decode(inhoud.sliced(begin, einde - begin)));
    utf8Goed = !utf8.hasError();
    begin = einde;
  }
  if (utf8Goed) return Codering::Utf8;
  // Not valid UTF-8: a spreadsheet's own code page, if it is one.
  for (const char c : inhoud)
    if (IsLeegIn1252(uchar(c))) return Codering::Geen;
  return Codering::Cp1252;
}

// UTF-16 is known by its byte-order mark only; it is text when every unit
// is, and every surrogate has its partner.
bool IsUtf16(QByteArrayView inhoud) { return inhoud.startsWith("\xFF\xFE") || inhoud.startsWith("\xFE\xFF"); }
Codering HerkenUtf16(QByteArrayView inhoud) {
  const bool be = uchar(inhoud[0]) == 0xFE;
  if (inhoud.size() % 2 != 0) return Codering::Geen;
  const auto* p = reinterpret_cast<const uchar*>(inhoud.data());
  bool hoogVoor = false;  // the previous unit began a surrogate pair
  for (qsizetype i = 2; i < inhoud.size(); i += 2) {
    const char16_t c = be ? char16_t(p[i] << 8 | p[i + 1]) : char16_t(p[i] | p[i + 1] << 8);
    if (!IsTekstteken(c) || QChar::isLowSurrogate(c) != hoogVoor) return Codering::Geen;
    hoogVoor = QChar::isHighSurrogate(c);
  }
  if (hoogVoor) return Codering::Geen;
  return be ? Codering::Utf16Be : Codering::Utf16Le;
}

// The text a byte at a time (UTF-8 or Windows-1252). The characters that
// shape the list are ASCII, and in both codes an ASCII byte is always that
// character: the bytes can be split as they are, and each value decoded.
struct Bytetekst {
  QByteArrayView bytes;
  bool utf8;
  using Veld = QByteArray;
  qsizetype size() const { return bytes.size(); }
  char16_t operator[](qsizetype i) const { return uchar(bytes[i]); }
  static void Voeg(Veld& veld, char16_t c) { veld += char(c); }
  // UTF-8 is kept as it is: the whole text was found to be valid, and every
  // value ends at an ASCII byte.
  QByteArray Utf8(const Veld& veld) const { return utf8 ? veld : platform::fromCp1252(veld).toUtf8(); }
};

// The text a UTF-16 unit at a time, in either byte order.
struct Utf16tekst {
  const uchar* p;
  qsizetype eenheden;
  bool be;
  using Veld = QString;
  qsizetype size() const { return eenheden; }
  char16_t operator[](qsizetype i) const {
    return be ? char16_t(p[2 * i] << 8 | p[2 * i + 1]) : char16_t(p[2 * i] | p[2 * i + 1] << 8);
  }
  static void Voeg(Veld& veld, char16_t c) { veld += QChar(c); }
  QByteArray Utf8(const Veld& veld) const { return veld.toUtf8(); }
};

enum class Stuk { Teken, Veld, Regel, Einde };

// Walks the list as it is read with one separator (0: none). A line ends
// with LF, CR LF or CR alone; inside quotes each of them is one LF of the
// value, so a value reads the same whatever the file's line ends.
template <class Tekst>
class Splitser {
 public:
  Splitser(const Tekst& tekst, char16_t scheiding) : t_(tekst), scheiding_(scheiding) {}

  // The next piece: a character of the current value (`teken`), the end of
  // a value, the end of a line (`regelHadTekens` says whether it was more
  // than its line end), or the end of the text.
  Stuk Volgende() {
    const qsizetype n = t_.size();
    while (i_ < n) {
      char16_t c = t_[i_++];
      if (geciteerd_) {
        if (c == '"') {
          if (i_ < n && t_[i_] == '"') {
            ++i_;
            return Teken(c);
          }
          geciteerd_ = false;
          naAanhaling_ = true;
          continue;
        }
        if (c == '\r') {
          if (i_ < n && t_[i_] == '\n') ++i_;
          c = '\n';
        }
        return Teken(c);
      }
      if (c == '\n' || c == '\r') {
        if (c == '\r' && i_ < n && t_[i_] == '\n') ++i_;
        return RegelEinde();
      }
      heeftTekens_ = true;
      if (c == scheiding_ && scheiding_ != 0) {
        veldLeeg_ = true;
        naAanhaling_ = false;
        return Stuk::Veld;
      }
      if (c == '"' && veldLeeg_) {
        geciteerd_ = true;
        continue;
      }
      // A quote inside a value, or text after its closing quote: kept as it
      // is, but a sign that the values are not split where they should be.
      if (c == '"' || naAanhaling_) los = true;
      return Teken(c);
    }
    // The last line needs no line end.
    if (heeftTekens_) return RegelEinde();
    return Stuk::Einde;
  }

  char16_t teken = 0;
  bool regelHadTekens = false;
  bool los = false;

 private:
  Stuk Teken(char16_t c) {
    heeftTekens_ = true;
    veldLeeg_ = false;
    teken = c;
    return Stuk::Teken;
  }
  Stuk RegelEinde() {
    regelHadTekens = heeftTekens_;
    heeftTekens_ = false;
    veldLeeg_ = true;
    naAanhaling_ = false;
    return Stuk::Regel;
  }

  const Tekst& t_;
  const char16_t scheiding_;
  qsizetype i_ = 0;
  bool geciteerd_ = false, veldLeeg_ = true, naAanhaling_ = false, heeftTekens_ = false;
};

// From how many of its first lines, blank ones not counted, a list's
// separator is found.
constexpr int kProefRegels = 10;

// The separator is read from the list's shape: each candidate splits the
// first lines (blank ones passed over, quoted values as that separator
// reads them), and the best is
//  1. one that splits every line into the same number of values, more than
//     one; then
//  2. one under which every quote opens or closes a value (a quote in the
//     middle of a value says the split is wrong); then
//  3. one that splits more lines.
// A candidate that splits no line is none. Ties go to tab, then semicolon,
// then comma: a tab is rarely part of a value, and a Dutch spreadsheet
// separates with semicolons because the comma is its decimal separator,
// so "Kaas;4,95" is two values. With no candidate the list has one column,
// each line one value.
template <class Tekst>
char16_t KiesScheiding(const Tekst& tekst) {
  char16_t beste = 0;
  std::tuple<bool, bool, int> besteScore{};
  for (const char16_t kandidaat : {u'\t', u';', u','}) {
    Splitser<Tekst> s(tekst, kandidaat);
    int regels = 0, gesplitst = 0, velden = 1, eerste = 0;
    bool gelijk = true;
    for (Stuk stuk; regels < kProefRegels && (stuk = s.Volgende()) != Stuk::Einde;) {
      if (stuk == Stuk::Veld) ++velden;
      if (stuk != Stuk::Regel) continue;
      if (s.regelHadTekens) {
        ++regels;
        if (velden > 1) ++gesplitst;
        if (eerste == 0) eerste = velden;
        gelijk = gelijk && velden == eerste;
      }
      velden = 1;
    }
    if (gesplitst == 0) continue;
    const std::tuple<bool, bool, int> score{gelijk && eerste > 1, !s.los, gesplitst};
    if (beste == 0 || score > besteScore) {
      beste = kandidaat;
      besteScore = score;
    }
  }
  return beste;
}

// How many values the first line with text holds, to reserve room for all.
template <class Tekst>
int VeldenInEersteRegel(const Tekst& tekst, char16_t scheiding) {
  Splitser<Tekst> s(tekst, scheiding);
  int velden = 1;
  for (Stuk stuk; (stuk = s.Volgende()) != Stuk::Einde;) {
    if (stuk == Stuk::Veld) ++velden;
    if (stuk == Stuk::Regel) {
      if (s.regelHadTekens) return velden;
      velden = 1;
    }
  }
  return velden;
}

// Reads the rows into `uit`, the values one after another as UTF-8. With
// `inPlaats` the text is UTF-8 lying in uit's own bytes, and each value is
// written back over the text already read (a value is never longer than
// the text it was read from): a list then takes no more room than its
// file, and the file is not held twice.
template <class Tekst>
std::variant<CsvRijen, LijstFout> Lees(const Tekst& tekst, bool kopregel, QByteArray uit, bool inPlaats) {
  const char16_t scheiding = KiesScheiding(tekst);

  CsvRijen rijen;
  const qsizetype grens = qsizetype(kMaxLijstRijen) + (kopregel ? 1 : 0);
  qsizetype regelEinden = 1;
  for (qsizetype i = 0; i < tekst.size(); ++i)
    if (tekst[i] == '\n' || (tekst[i] == '\r' && (i + 1 == tekst.size() || tekst[i + 1] != '\n'))) ++regelEinden;
  const qsizetype verwacht = std::min(grens, regelEinden);
  rijen.Reserveer(verwacht, verwacht * std::min(VeldenInEersteRegel(tekst, scheiding), int(Lijst::kMaxKolommen)), 0);
  if (!inPlaats) uit.reserve(tekst.size());
  char* const doel = inPlaats ? uit.data() : nullptr;
  qsizetype w = inPlaats ? 0 : uit.size();  // where the next byte of a value goes
  const auto tot = [&](qsizetype lengte) {
    w = lengte;
    if (!inPlaats) uit.truncate(lengte);
  };
  // Blank lines are held back until a line with text follows: those at the
  // end are no rows, and a file of line ends alone makes none.
  qsizetype blancoVoor = 0, genomen = 0;
  bool kopGenomen = !kopregel;
  QStringList namen;
  std::vector<quint32> rij;  // where the current row's values end
  qsizetype rijBegin = 0, veldBegin = 0;
  typename Tekst::Veld veld;
  auto veldKlaar = [&] {
    if (!inPlaats) {
      uit.append(tekst.Utf8(veld));
      w = uit.size();
      veld.clear();
    }
    // A column past the last one kept leaves no bytes behind.
    if (rij.size() < size_t(Lijst::kMaxKolommen)) rij.push_back(quint32(w));
    else tot(veldBegin);
    veldBegin = w;
  };
  // The header, when there is one, is the first line, a blank one too.
  auto neem = [&](const std::vector<quint32>& einden) {
    ++genomen;
    if (!kopGenomen) {
      kopGenomen = true;
      qsizetype begin = rijBegin;
      for (const quint32 e : einden) {
        namen << QString::fromUtf8(QByteArrayView(uit.constData() + begin, qsizetype(e) - begin));
        begin = qsizetype(e);
      }
      tot(rijBegin);
      return;
    }
    rijen.BeginRij();
    for (const quint32 e : einden) rijen.VoegEindeToe(e);
  };
  // False when the row is one too many.
  auto rijKlaar = [&](bool heeftTekens) {
    veldKlaar();
    bool past = true;
    if (!heeftTekens) {
      ++blancoVoor;
    } else if (genomen + blancoVoor + 1 > grens) {
      past = false;
    } else {
      for (; blancoVoor > 0; --blancoVoor) neem({quint32(rijBegin)});
      neem(rij);
    }
    rij.clear();
    rijBegin = veldBegin = w;
    return past;
  };
  Splitser<Tekst> s(tekst, scheiding);
  for (Stuk stuk; (stuk = s.Volgende()) != Stuk::Einde;) {
    switch (stuk) {
      case Stuk::Teken:
        if (inPlaats) doel[w++] = char(s.teken);
        else Tekst::Voeg(veld, s.teken);
        break;
      case Stuk::Veld: veldKlaar(); break;
      case Stuk::Regel:
        if (!rijKlaar(s.regelHadTekens)) return LijstFout::TeVeelRijen;
        break;
      case Stuk::Einde: break;
    }
  }
  tot(rijBegin);
  uit.truncate(rijBegin);
  rijen.ZetNamen(std::move(namen));
  rijen.NeemBuffer(std::move(uit));
  rijen.Krimp();
  return rijen;
}

}  // namespace

std::variant<CsvRijen, LijstFout> LeesCsvLijst(QByteArray bytes, bool kopregel) {
  if (bytes.size() > kMaxLijstBytes) return LijstFout::TeGroot;
  QByteArrayView tekst(bytes);
  const bool utf16 = IsUtf16(tekst);
  if (!utf16 && tekst.startsWith("\xEF\xBB\xBF")) tekst = tekst.sliced(3);
  switch (utf16 ? HerkenUtf16(tekst) : Herken(tekst)) {
    case Codering::Geen: return LijstFout::GeenTekst;
    case Codering::Utf8: {
      // Read from the bytes that are being rewritten: a copy of our own.
      const qsizetype bom = tekst.data() - bytes.constData();
      bytes.detach();
      const Bytetekst eigen{QByteArrayView(bytes).sliced(bom), true};
      return Lees(eigen, kopregel, std::move(bytes), true);
    }
    case Codering::Cp1252: return Lees(Bytetekst{tekst, false}, kopregel, QByteArray(), false);
    case Codering::Utf16Le:
    case Codering::Utf16Be: {
      const Utf16tekst utf16{reinterpret_cast<const uchar*>(tekst.data()) + 2, (tekst.size() - 2) / 2,
                             uchar(tekst[0]) == 0xFE};
      return Lees(utf16, kopregel, QByteArray(), false);
    }
  }
  return LijstFout::GeenTekst;
}

std::variant<CsvRijen, LijstFout> LeesLijstBestand(const QString& pad, bool kopregel) {
  QFile f(pad);
  if (!f.open(QIODevice::ReadOnly)) return LijstFout::Openen;
  // A device or pipe has no size; reading stops one byte past the limit.
  if (f.size() > kMaxLijstBytes) return LijstFout::TeGroot;
  return LeesLijst(f, kopregel);
}

std::variant<CsvRijen, LijstFout> LeesLijst(QIODevice& bron, bool kopregel) {
  QByteArray inhoud;
  // A pipe gives its bytes as they come: read until its end.
  while (inhoud.size() <= kMaxLijstBytes) {
    const QByteArray stuk = bron.read(kMaxLijstBytes + 1 - inhoud.size());
    if (stuk.isEmpty()) {
      if (bron.atEnd() || !bron.waitForReadyRead(-1)) break;
      continue;
    }
    inhoud += stuk;
  }
  if (auto* f = qobject_cast<QFileDevice*>(&bron); f && f->error() != QFileDevice::NoError) return LijstFout::Openen;
  return LeesCsvLijst(std::move(inhoud), kopregel);
}

QString LijstMelding(LijstFout fout, const QString& pad) {
  switch (fout) {
    case LijstFout::Openen: return QStringLiteral("Het bestand kan niet worden gelezen:\n") + pad;
    case LijstFout::TeGroot:
      return QStringLiteral("Het bestand is te groot voor een lijst (meer dan %1 MB):\n").arg(kMaxLijstBytes >> 20) +
             pad;
    case LijstFout::TeVeelRijen:
      return QStringLiteral("De lijst heeft meer dan %1 regels:\n")
                 .arg(QLocale(QLocale::Dutch).toString(kMaxLijstRijen)) +
             pad;
    case LijstFout::GeenTekst: break;
  }
  return QStringLiteral("Het bestand is geen lijst: het bevat geen tekst.\n") + pad;
}

}  // namespace printing
