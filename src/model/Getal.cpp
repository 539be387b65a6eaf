#include "model/Getal.h"

namespace model {

double LeesGetal(const QString& tekst, bool* gevonden) {
  // Blanks are skipped anywhere, then an optional sign,
  // digits with at most one period, and an optional exponent.
  QString s;
  qsizetype i = 0;
  const qsizetype n = tekst.size();
  auto skip = [&] {
    while (i < n && (tekst[i] == u' ' || tekst[i] == u'\t')) ++i;
  };
  skip();
  if (i < n && (tekst[i] == u'-' || tekst[i] == u'+')) s += tekst[i++];
  skip();
  bool digits = false, point = false;
  while (i < n) {
    QChar c = tekst[i];
    if (c.isDigit() && c.unicode() < 128) {
      s += c;
      digits = true;
    } else if (c == u'.' && !point) {
      s += c;
      point = true;
    } else if (c != u' ') {
      break;
    }
    ++i;
  }
  if (digits && i < n && (tekst[i] == u'e' || tekst[i] == u'E')) {
    qsizetype j = i + 1;
    QString e = QStringLiteral("e");
    if (j < n && (tekst[j] == u'-' || tekst[j] == u'+')) e += tekst[j++];
    bool expDigits = false;
    while (j < n && tekst[j].isDigit() && tekst[j].unicode() < 128) {
      e += tekst[j++];
      expDigits = true;
    }
    if (expDigits) s += e;
  }
  if (gevonden) *gevonden = digits;
  if (!digits) return 0;
  bool ok = false;
  double v = s.toDouble(&ok);
  return ok ? v : 0;
}

}  // namespace model
