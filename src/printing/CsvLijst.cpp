#include "printing/CsvLijst.h"

#include <QStringDecoder>
#include <vector>

#include "platform/Cp1252.h"

namespace {

// Tabs, line ends, a form feed and the old end-of-file mark are the only
// control bytes a text file holds.
bool IsTekstbyte(uchar b) { return b >= 0x20 || b == '\t' || b == '\n' || b == '\r' || b == '\f' || b == 0x1A; }
// The bytes Windows-1252 leaves without a character.
bool IsLeegIn1252(uchar b) { return b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D; }

std::optional<QString> Decodeer(QByteArray inhoud) {
  if (inhoud.startsWith("\xEF\xBB\xBF")) inhoud.remove(0, 3);
  for (const char c : inhoud)
    if (!IsTekstbyte(uchar(c))) return std::nullopt;
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString tekst = utf8.decode(inhoud);
  if (!utf8.hasError()) return tekst;
  // Not valid UTF-8: a spreadsheet's own code page, if it is one.
  for (const char c : inhoud)
    if (IsLeegIn1252(uchar(c))) return std::nullopt;
  return platform::fromCp1252(inhoud);
}

}  // namespace

std::optional<CsvRijen> LeesCsvLijst(const QByteArray& inhoud, bool kopregel) {
  const std::optional<QString> gelezen = Decodeer(inhoud);
  if (!gelezen) return std::nullopt;
  const QString& tekst = *gelezen;
  const qsizetype regelEinde = tekst.indexOf(u'\n');
  const QString eerste = tekst.left(regelEinde < 0 ? tekst.size() : regelEinde);
  const QChar scheiding = eerste.count(u';') > eerste.count(u',') ? u';' : u',';

  CsvRijen rijen;
  std::vector<bool> blanco;  // per row: its line was empty
  std::array<QString, 5> rij;
  int kolom = 0;
  QString veld;
  bool geciteerd = false, regelHeeftTekens = false;
  auto veldKlaar = [&] {
    if (kolom < 5) rij[size_t(kolom)] = veld;
    ++kolom;
    veld.clear();
  };
  auto rijKlaar = [&] {
    veldKlaar();
    rijen.push_back(rij);
    blanco.push_back(!regelHeeftTekens);
    rij = {};
    kolom = 0;
    regelHeeftTekens = false;
  };
  for (qsizetype i = 0; i < tekst.size(); ++i) {
    const QChar c = tekst.at(i);
    if (c != u'\n' && c != u'\r') regelHeeftTekens = true;
    if (geciteerd) {
      if (c == u'"' && i + 1 < tekst.size() && tekst.at(i + 1) == u'"') {
        veld += u'"';
        ++i;
      } else if (c == u'"') {
        geciteerd = false;
      } else {
        veld += c;
      }
    } else if (c == u'"' && veld.isEmpty()) {
      geciteerd = true;
    } else if (c == scheiding) {
      veldKlaar();
    } else if (c == u'\n') {
      rijKlaar();
    } else if (c != u'\r') {
      veld += c;
    }
  }
  // The last line needs no line end.
  if (regelHeeftTekens) rijKlaar();
  while (!rijen.isEmpty() && blanco.back()) {
    rijen.pop_back();
    blanco.pop_back();
  }
  if (kopregel && !rijen.isEmpty()) rijen.removeFirst();
  return rijen;
}
