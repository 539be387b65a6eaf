#include "printing/Nummering.h"

#include <QStringList>
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

bool HeeftCode(const QString& tekst, const Rijbron& bron) {
  for (auto c = VolgendeCode(tekst); c; c = VolgendeCode(tekst, c->begin + 1))
    if (bron.Soort(c->naam) != CodeSoort::Geen) return true;
  return false;
}

qint16 IsNummering(const Ontwerp& o) { return IsNummering(o, NummeringBron(o.nummering, {})); }

qint16 IsNummering(const Ontwerp& o, const Rijbron& bron) {
  for (int i = 1; i <= o.AantalVoorwerpen(); ++i) {
    const QString* tekst = CodeTekst(o.voorwerp(i));
    if (!tekst) continue;
    bool nummer = false;
    for (auto c = VolgendeCode(*tekst); c; c = VolgendeCode(*tekst, c->begin + 1)) {
      const CodeSoort soort = bron.Soort(c->naam);
      if (soort == CodeSoort::Kolom) return 2;
      nummer = nummer || soort == CodeSoort::Nummer;
    }
    if (nummer) return 1;
  }
  return 0;
}

QString VervangNummering(QString tekst, int n, const Rijbron& bron) {
  for (int ronde = 0; ronde < kMaxRondes && tekst.size() <= kMaxLengte; ++ronde) {
    // "[#]" first, then "[A]" to "[E]" in that order, as they always went;
    // the codes added since after them, from the left.
    int p = ZoekCode(tekst, {kNummerCode});
    if (p == 0) p = ZoekCode(tekst, {"[A]", "[B]", "[C]", "[D]", "[E]"});
    qsizetype lengte = 3;
    QString waarde;
    if (p > 0) {
      waarde = bron.Waarde(QStringView(tekst).sliced(p, 1), n);
    } else {
      auto c = VolgendeCode(tekst);
      while (c && bron.Soort(c->naam) == CodeSoort::Geen) c = VolgendeCode(tekst, c->begin + 1);
      if (!c) break;
      p = int(c->begin + 1);
      lengte = c->lengte;
      waarde = bron.Waarde(c->naam, n);
    }
    tekst = tekst.left(p - 1) + waarde + tekst.mid(p - 1 + lengte, kRest);
  }
  return tekst;
}

QString VervangNummering(QString tekst, int n, const Nummering& nummering) {
  if (!tekst.contains(u'[')) return tekst;
  return VervangNummering(std::move(tekst), n, NummeringBron(nummering, QDateTime::currentDateTime()));
}

QStringList OnbekendeCodes(const Ontwerp& o, const Rijbron& bron) {
  QStringList uit;
  for (int i = 1; i <= o.AantalVoorwerpen(); ++i) {
    const QString* tekst = CodeTekst(o.voorwerp(i));
    if (!tekst) continue;
    for (auto c = VolgendeCode(*tekst); c; c = VolgendeCode(*tekst, c->begin + c->lengte)) {
      const QString code = QStringView(*tekst).sliced(c->begin, c->lengte).toString();
      if (bron.Soort(c->naam) == CodeSoort::Geen && !uit.contains(code)) uit << code;
    }
  }
  return uit;
}

std::vector<int> Reeks::Nummers() const {
  if (rijen) return *rijen;
  std::vector<int> uit;
  if (stap == 0) return uit;
  for (int n = van; stap > 0 ? n <= tot : n >= tot; n += stap) uit.push_back(n);
  return uit;
}

qint64 Reeks::Aantal() const {
  if (rijen) return qint64(rijen->size());
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

qint64 Reeks::Etiketten(qint64 kopieen) const {
  if (!aantallen) return kopieen * Aantal();
  qint64 som = 0;
  for (const qint32 a : *aantallen) som += a;
  return kopieen * som;
}

std::variant<std::vector<int>, QString> LeesRijkeuze(QStringView tekst, qint32 aantal) {
  std::vector<int> rijen;
  const auto getal = [](QStringView t) -> std::optional<qint64> {
    t = t.trimmed();
    if (t.isEmpty() || t.size() > 9) return std::nullopt;
    qint64 w = 0;
    for (const QChar c : t) {
      if (c < u'0' || c > u'9') return std::nullopt;
      w = w * 10 + (c.unicode() - u'0');
    }
    return w;
  };
  for (const QStringView deel : tekst.split(u',')) {
    const qsizetype streep = deel.indexOf(u'-');
    const auto van = getal(streep < 0 ? deel : deel.first(streep));
    const auto tot = streep < 0 ? van : getal(deel.sliced(streep + 1));
    if (!van || !tot || *van > *tot)
      return QStringLiteral("De keuze van rijen \"%1\" is niet te lezen; schrijf bijvoorbeeld 5-10,12.")
          .arg(tekst.toString());
    for (const qint64 r : {*van, *tot})
      if (r < 1 || r > aantal)
        return QStringLiteral("Rij %1 staat niet in de lijst; die heeft %2 rijen.").arg(r).arg(aantal);
    for (qint64 r = *van; r <= *tot; ++r) rijen.push_back(int(r));
  }
  return rijen;
}

std::variant<Reeks, QString> MaakReeks(qint16 modus, const Nummering& nummering) {
  Reeks reeks = ReeksVoor(modus, nummering);
  if (modus != 2) return reeks;
  const Lijst& lijst = nummering.NummerLijst;
  std::vector<int> rijen;
  if (!nummering.Rijkeuze.trimmed().isEmpty()) {
    auto keuze = LeesRijkeuze(nummering.Rijkeuze, lijst.size());
    if (const QString* fout = std::get_if<QString>(&keuze)) return *fout;
    rijen = std::get<std::vector<int>>(std::move(keuze));
  }
  if (!nummering.AantalKolom.trimmed().isEmpty()) {
    const int kolom = KolomVoor(lijst, nummering.AantalKolom.trimmed());
    if (kolom < 0)
      return QStringLiteral("De kolom \"%1\" voor het aantal etiketten staat niet in de lijst.")
          .arg(nummering.AantalKolom.trimmed());
    const QString naam = kolom < lijst.Namen().size() && !lijst.Namen()[kolom].trimmed().isEmpty()
                             ? lijst.Namen()[kolom].trimmed()
                             : QString(QChar(u'A' + std::min(kolom, 25)));
    auto aantallen = std::make_shared<std::vector<qint32>>();
    const qsizetype hoeveel = rijen.empty() ? lijst.size() : qsizetype(rijen.size());
    aantallen->reserve(size_t(hoeveel));
    for (qsizetype i = 0; i < hoeveel; ++i) {
      const int rij = rijen.empty() ? int(i) + 1 : rijen[size_t(i)];
      const QByteArrayView w = lijst.Bytes(rij - 1, kolom).trimmed();
      qint64 aantal = w.isEmpty() || w.size() > 9 ? -1 : 0;
      for (const char c : w) aantal = c >= '0' && c <= '9' && aantal >= 0 ? aantal * 10 + (c - '0') : -1;
      if (w.isEmpty())
        return QStringLiteral("Rij %1 heeft geen aantal in kolom %2.").arg(rij).arg(naam);
      if (aantal < 0 || aantal > kGrootsteAantal)
        return QStringLiteral("Rij %1 heeft in kolom %2 het aantal \"%3\"; dat moet een geheel getal van 0 tot %4 zijn.")
            .arg(rij)
            .arg(naam, QString::fromUtf8(w))
            .arg(kGrootsteAantal);
      aantallen->push_back(qint32(aantal));
    }
    reeks.aantallen = std::move(aantallen);
  }
  if (!rijen.empty()) {
    reeks.van = rijen.front();
    reeks.tot = rijen.back();
    reeks.rijen = std::make_shared<const std::vector<int>>(std::move(rijen));
  }
  return reeks;
}

}  // namespace printing
