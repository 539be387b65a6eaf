#include "printing/Rijbron.h"

namespace printing {

namespace {
constexpr qsizetype kLangsteNaam = 64;
// Further than any label needs, within what a date can hold.
constexpr int kMeesteDagen = 99999;
}  // namespace

NummeringBron::NummeringBron(const Nummering& nummering, QDateTime moment)
    : nummering_(nummering), moment_(std::move(moment)) {}

int KolomVoor(const Lijst& lijst, QStringView naam) {
  if (naam.size() == 1 && naam[0] >= u'A' && naam[0] <= u'Z') {
    const int k = naam[0].unicode() - u'A';
    // "[A]" to "[E]" have always been codes, with or without a column.
    if (k < 5 || k < lijst.Kolommen()) return k;
  }
  return lijst.KolomVan(naam);
}

std::optional<int> DatumVerschuiving(QStringView naam) {
  if (!naam.startsWith(u"Datum")) return std::nullopt;
  const QStringView rest = naam.sliced(5);
  if (rest.isEmpty()) return 0;
  if (rest.size() < 2 || rest.size() > 6 || (rest[0] != u'+' && rest[0] != u'-')) return std::nullopt;
  int dagen = 0;
  for (const QChar c : rest.sliced(1)) {
    if (c < u'0' || c > u'9') return std::nullopt;
    dagen = dagen * 10 + (c.unicode() - u'0');
  }
  if (dagen > kMeesteDagen) return std::nullopt;
  return rest[0] == u'-' ? -dagen : dagen;
}

CodeSoort NummeringBron::Soort(QStringView naam) const {
  if (naam == u"#") return CodeSoort::Nummer;
  // The fixed codes keep their meaning whatever the columns are called.
  if (naam == u"Tijd" || DatumVerschuiving(naam)) return CodeSoort::Moment;
  return KolomVoor(nummering_.NummerLijst, naam) >= 0 ? CodeSoort::Kolom : CodeSoort::Geen;
}

QString NummeringBron::Waarde(QStringView naam, int n) const {
  switch (Soort(naam)) {
    case CodeSoort::Nummer: return QString::number(n);
    case CodeSoort::Moment:
      if (naam == u"Tijd") return moment_.time().toString(QStringLiteral("HH:mm"));
      return moment_.date().addDays(*DatumVerschuiving(naam)).toString(QStringLiteral("dd-MM-yyyy"));
    case CodeSoort::Kolom: {
      // A number with no row (a running number past the list) gets nothing.
      const qint64 rij = qint64(n) - 1;
      if (rij < 0 || rij >= nummering_.NummerLijst.size()) return {};
      return nummering_.NummerLijst.Waarde(qint32(rij), KolomVoor(nummering_.NummerLijst, naam));
    }
    case CodeSoort::Geen: break;
  }
  return u'[' + naam.toString() + u']';
}

std::optional<CodePlek> VolgendeCode(QStringView tekst, qsizetype vanaf) {
  for (qsizetype p = tekst.indexOf(u'[', vanaf); p >= 0; p = tekst.indexOf(u'[', p + 1)) {
    qsizetype e = p + 1;
    const qsizetype grens = std::min(tekst.size(), p + 2 + kLangsteNaam);
    while (e < grens && tekst[e] != u']' && tekst[e] != u'[' && tekst[e] != u'\n' && tekst[e] != u'\r') ++e;
    if (e < grens && tekst[e] == u']' && e > p + 1) return CodePlek{p, e - p + 1, tekst.sliced(p + 1, e - p - 1)};
  }
  return std::nullopt;
}

}  // namespace printing
