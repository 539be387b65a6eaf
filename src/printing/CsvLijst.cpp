#include "printing/CsvLijst.h"

#include <QFile>
#include <QLocale>
#include <QStringDecoder>
#include <algorithm>

#include "platform/Cp1252.h"

namespace {

// Tabs, line ends, a form feed and the old end-of-file mark are the only
// control bytes a text file holds.
bool IsTekstbyte(uchar b) { return b >= 0x20 || b == '\t' || b == '\n' || b == '\r' || b == '\f' || b == 0x1A; }
// The bytes Windows-1252 leaves without a character.
bool IsLeegIn1252(uchar b) { return b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D; }

enum class Codering { Geen, Utf8, Cp1252 };

// Which text the bytes are. Only the answer is kept: the values are decoded
// one at a time, so a list never lies in memory as a whole text as well.
Codering Herken(QByteArrayView inhoud) {
  for (const char c : inhoud)
    if (!IsTekstbyte(uchar(c))) return Codering::Geen;
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  (void)QString(utf8.decode(inhoud));
  if (!utf8.hasError()) return Codering::Utf8;
  // Not valid UTF-8: a spreadsheet's own code page, if it is one.
  for (const char c : inhoud)
    if (IsLeegIn1252(uchar(c))) return Codering::Geen;
  return Codering::Cp1252;
}

}  // namespace

std::variant<CsvRijen, LijstFout> LeesCsvLijst(const QByteArray& bytes, bool kopregel) {
  if (bytes.size() > kMaxLijstBytes) return LijstFout::TeGroot;
  QByteArrayView tekst(bytes);
  if (tekst.startsWith("\xEF\xBB\xBF")) tekst = tekst.sliced(3);
  const Codering codering = Herken(tekst);
  if (codering == Codering::Geen) return LijstFout::GeenTekst;
  // The characters that shape the list are ASCII, and in both codes an
  // ASCII byte is always that character: the bytes can be split as they are.
  const qsizetype regelEinde = tekst.indexOf('\n');
  const QByteArrayView eerste = tekst.first(regelEinde < 0 ? tekst.size() : regelEinde);
  const char scheiding = eerste.count(';') > eerste.count(',') ? ';' : ',';

  CsvRijen rijen;
  const qsizetype grens = qsizetype(kMaxLijstRijen) + (kopregel ? 1 : 0);
  rijen.reserve(std::min(grens, tekst.count('\n') + 1));
  // Blank lines are held back until a line with text follows: those at the
  // end are no rows, and a file of line ends alone makes none.
  qsizetype blancoVoor = 0;
  std::array<QString, 5> rij;
  int kolom = 0;
  QByteArray veld;
  bool geciteerd = false, regelHeeftTekens = false;
  auto veldKlaar = [&] {
    if (kolom < 5)
      rij[size_t(kolom)] = codering == Codering::Utf8 ? QString::fromUtf8(veld) : platform::fromCp1252(veld);
    ++kolom;
    veld.clear();
  };
  // False when the row is one too many.
  auto rijKlaar = [&] {
    veldKlaar();
    bool past = true;
    if (!regelHeeftTekens) {
      ++blancoVoor;
    } else if (rijen.size() + blancoVoor + 1 > grens) {
      past = false;
    } else {
      for (; blancoVoor > 0; --blancoVoor) rijen.push_back({});
      rijen.push_back(std::move(rij));
    }
    rij = {};
    kolom = 0;
    regelHeeftTekens = false;
    return past;
  };
  for (qsizetype i = 0; i < tekst.size(); ++i) {
    const char c = tekst[i];
    if (c != '\n' && c != '\r') regelHeeftTekens = true;
    if (geciteerd) {
      if (c == '"' && i + 1 < tekst.size() && tekst[i + 1] == '"') {
        veld += '"';
        ++i;
      } else if (c == '"') {
        geciteerd = false;
      } else {
        veld += c;
      }
    } else if (c == '"' && veld.isEmpty()) {
      geciteerd = true;
    } else if (c == scheiding) {
      veldKlaar();
    } else if (c == '\n') {
      if (!rijKlaar()) return LijstFout::TeVeelRijen;
    } else if (c != '\r') {
      veld += c;
    }
  }
  // The last line needs no line end.
  if (regelHeeftTekens && !rijKlaar()) return LijstFout::TeVeelRijen;
  if (kopregel && !rijen.isEmpty()) rijen.removeFirst();
  return rijen;
}

std::variant<CsvRijen, LijstFout> LeesLijstBestand(const QString& pad, bool kopregel) {
  QFile f(pad);
  if (!f.open(QIODevice::ReadOnly)) return LijstFout::Openen;
  // A device or pipe has no size; reading stops one byte past the limit.
  if (f.size() > kMaxLijstBytes) return LijstFout::TeGroot;
  const QByteArray inhoud = f.read(kMaxLijstBytes + 1);
  if (f.error() != QFileDevice::NoError) return LijstFout::Openen;
  return LeesCsvLijst(inhoud, kopregel);
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
