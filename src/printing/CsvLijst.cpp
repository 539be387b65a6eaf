#include "printing/CsvLijst.h"

#include <QStringDecoder>

#include "platform/Cp1252.h"

namespace {

QString Decodeer(QByteArray inhoud) {
  if (inhoud.startsWith("\xEF\xBB\xBF")) inhoud.remove(0, 3);
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString tekst = utf8.decode(inhoud);
  // Not valid UTF-8: a spreadsheet's own code page.
  return utf8.hasError() ? platform::fromCp1252(inhoud) : tekst;
}

}  // namespace

QList<std::array<QString, 5>> LeesCsvLijst(const QByteArray& inhoud) {
  const QString tekst = Decodeer(inhoud);
  const qsizetype regelEinde = tekst.indexOf(u'\n');
  const QString eerste = tekst.left(regelEinde < 0 ? tekst.size() : regelEinde);
  const QChar scheiding = eerste.count(u';') > eerste.count(u',') ? u';' : u',';

  QList<std::array<QString, 5>> rijen;
  std::array<QString, 5> rij;
  int kolom = 0;
  QString veld;
  bool geciteerd = false, rijHeeftInhoud = false;
  auto veldKlaar = [&] {
    if (kolom < 5) rij[size_t(kolom)] = veld;
    if (!veld.isEmpty()) rijHeeftInhoud = true;
    ++kolom;
    veld.clear();
  };
  auto rijKlaar = [&] {
    veldKlaar();
    // Empty lines (a trailing line end, say) are no rows.
    if (rijHeeftInhoud || kolom > 1) rijen.push_back(rij);
    rij = {};
    kolom = 0;
    rijHeeftInhoud = false;
  };
  for (qsizetype i = 0; i < tekst.size(); ++i) {
    const QChar c = tekst.at(i);
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
  if (!veld.isEmpty() || kolom > 0) rijKlaar();
  return rijen;
}
