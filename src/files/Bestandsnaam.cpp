#include "files/Bestandsnaam.h"

namespace files {

namespace {
qsizetype LaatsteScheiding(const QString& pad) {
  return std::max(pad.lastIndexOf(u'/'), pad.lastIndexOf(u'\\'));
}
}  // namespace

QString ZonderPad(const QString& voll) { return voll.mid(LaatsteScheiding(voll) + 1); }

QString MapVan(const QString& pad) { return pad.left(LaatsteScheiding(pad) + 1); }

QString OntwerpNaam(const QString& gekozen) {
  const QString naam = ZonderPad(gekozen);
  if (naam.contains(u'.')) return gekozen;
  return MapVan(gekozen) + naam.toUpper() + QStringLiteral(".VLO");
}

QString VensterTitel(const QString& bestandsnaam) {
  return bestandsnaam.isEmpty() ? QStringLiteral("Vellora") : QStringLiteral("Vellora - ") + ZonderPad(bestandsnaam);
}

}  // namespace files
