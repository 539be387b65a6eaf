#include "printing/Nummering.h"

#include <algorithm>
#include <cstdlib>

#include "model/Ontwerp.h"

namespace printing {

namespace {
// Enough for any real label text; a list value that leads back to a code
// must not loop for ever or grow without bound.
constexpr int kMaxRondes = 1000;
constexpr qsizetype kMaxLengte = 32767;
// The rest of a text after a code is taken up to this many characters.
constexpr qsizetype kRest = 999;
}  // namespace

int ZoekCode(const QString& tekst, std::initializer_list<const char*> codes) {
  // Every code opens with '[': a text without one, as most are (lines of
  // thousands of characters among them), is passed over in one look.
  if (std::all_of(codes.begin(), codes.end(), [](const char* c) { return c[0] == '['; }) && !tekst.contains(u'['))
    return 0;
  for (const char* code : codes) {
    const qsizetype p = tekst.indexOf(QLatin1String(code));
    if (p >= 0) return int(p + 1);
  }
  return 0;
}

const QString* CodeTekst(const Voorwerp& v) {
  return v.Bezoek([](const TekstlijnDeel& t) -> const QString* { return &t.Tekst; },
                  [](const FiguurDeel&) -> const QString* { return nullptr; },
                  [](const RondeTekstDeel& r) -> const QString* { return &r.Tekst; },
                  [](const StreepjescodeDeel& c) -> const QString* { return &c.Gegevens; });
}

int ZoekCode(const Ontwerp& o, int index, std::initializer_list<const char*> codes) {
  const QString* tekst = CodeTekst(o.voorwerp(index));
  return tekst ? ZoekCode(*tekst, codes) : 0;
}

bool HeeftCode(const QString& tekst) {
  return ZoekCode(tekst, {kNummerCode, "[A]", "[B]", "[C]", "[D]", "[E]"}) > 0;
}

qint16 IsNummering(const Ontwerp& o) {
  for (int i = 1; i <= o.AantalVoorwerpen(); ++i) {
    if (ZoekCode(o, i, {"[A]", "[B]", "[C]", "[D]", "[E]"}) > 0) return 2;
    if (ZoekCode(o, i, {kNummerCode}) > 0) return 1;
  }
  return 0;
}

QString VervangNummering(QString tekst, int n, const Nummering& nummering) {
  for (int ronde = 0; ronde < kMaxRondes && tekst.size() <= kMaxLengte; ++ronde) {
    int p = ZoekCode(tekst, {kNummerCode});
    if (p == 0) p = ZoekCode(tekst, {"[A]", "[B]", "[C]", "[D]", "[E]"});
    if (p == 0) break;
    const QChar c = tekst.at(p);  // the character after "["
    QString waarde;
    if (c == u'#') {
      waarde = QString::number(n);
    } else {
      const int kolom = c.unicode() - u'A';
      const qint64 rij = qint64(n) - 1;
      if (rij >= 0 && rij < qint64(nummering.NummerLijst.size()))
        waarde = nummering.NummerLijst[size_t(rij)][size_t(kolom)];
    }
    tekst = tekst.left(p - 1) + waarde + tekst.mid(p + 2, kRest);
  }
  return tekst;
}

std::vector<int> Reeks::Nummers() const {
  std::vector<int> uit;
  if (stap == 0) return uit;
  for (int n = van; stap > 0 ? n <= tot : n >= tot; n += stap) uit.push_back(n);
  return uit;
}

qint64 Reeks::Aantal() const {
  if (stap == 0) return 0;
  const qint64 afstand = stap > 0 ? qint64(tot) - van : qint64(van) - tot;
  return afstand < 0 ? 0 : afstand / std::abs(qint64(stap)) + 1;
}

Reeks ReeksVoor(qint16 modus, const Nummering& nummering) {
  // A series never set runs as the dialog would first show it: 1 to 1.
  if (modus == 1 && nummering.NummerStap == 0) return {1, 1, 1};
  if (modus == 1) return {nummering.NummerVan, nummering.NummerTot, nummering.NummerStap};
  if (modus == 2) return {1, nummering.AantalNummers(), 1};
  return {1, 1, 1};
}

}  // namespace printing
