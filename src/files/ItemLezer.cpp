#include "files/ItemLezer.h"

#include <QRegularExpression>
#include <cmath>

#include "platform/Cp1252.h"

namespace files {

namespace {
bool isRegeleinde(char c) { return c == '\n' || c == '\r'; }
bool isBlanco(char c) { return c == ' ' || c == '\t'; }
}  // namespace

std::optional<QString> ItemLezer::volgende(bool* geciteerd) {
  const qsizetype n = tekst_.size();
  // Skip blanks and empty lines before the item.
  while (pos_ < n && (isBlanco(tekst_[pos_]) || isRegeleinde(tekst_[pos_]))) ++pos_;
  // A lone end-of-file mark ends the text as well.
  if (pos_ >= n || tekst_[pos_] == '\x1a') return std::nullopt;
  QByteArray item;
  *geciteerd = false;
  if (tekst_[pos_] == '"') {
    *geciteerd = true;
    ++pos_;
    while (pos_ < n && tekst_[pos_] != '"' && !isRegeleinde(tekst_[pos_])) item += tekst_[pos_++];
    if (pos_ < n && tekst_[pos_] == '"') ++pos_;
    while (pos_ < n && tekst_[pos_] != ',' && !isRegeleinde(tekst_[pos_])) ++pos_;
  } else {
    while (pos_ < n && tekst_[pos_] != ',' && !isRegeleinde(tekst_[pos_])) item += tekst_[pos_++];
    while (!item.isEmpty() && isBlanco(item.back())) item.chop(1);
  }
  // Step over the separator: one comma, or one line end (CR LF counts once).
  if (pos_ < n && tekst_[pos_] == ',') {
    ++pos_;
  } else if (pos_ < n && tekst_[pos_] == '\r') {
    ++pos_;
    if (pos_ < n && tekst_[pos_] == '\n') ++pos_;
  } else if (pos_ < n && tekst_[pos_] == '\n') {
    ++pos_;
  }
  return platform::fromCp1252(item);
}

std::optional<QString> ItemLezer::Tekst() {
  bool geciteerd = false;
  return volgende(&geciteerd);
}

std::optional<double> ItemLezer::Getal() {
  bool geciteerd = false;
  std::optional<QString> item = volgende(&geciteerd);
  if (!item) return std::nullopt;
  static const QRegularExpression getal(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
  if (!getal.match(*item).hasMatch()) return std::nullopt;
  bool ok = false;
  const double v = item->toDouble(&ok);
  if (!ok || !std::isfinite(v)) return std::nullopt;
  return v;
}

std::optional<qint16> ItemLezer::Integer() {
  std::optional<double> v = Getal();
  if (!v) return std::nullopt;
  const double r = std::nearbyint(*v);
  if (r < -32768 || r > 32767) return std::nullopt;
  return static_cast<qint16>(r);
}

}  // namespace files
