#include "model/Lijst.h"

#include <algorithm>
#include <atomic>

namespace model {

void Lijst::Veranderd() {
  static std::atomic<quint64> teller{0};
  versie_ = ++teller;
}

Lijst::Lijst(std::initializer_list<QStringList> rijen) {
  for (const QStringList& rij : rijen) VoegRijToe(rij);
}

QByteArrayView Lijst::Bytes(qint32 rij, int kolom) const {
  if (rij < 0 || rij >= rijen_.size() || kolom < 0) return {};
  const Plek& p = rijen_[rij];
  if (quint32(kolom) >= p.aantal) return {};
  const quint32 i = p.eerste + quint32(kolom);
  const quint32 begin = i == 0 ? 0 : einden_[i - 1];
  return QByteArrayView(buffer_.constData() + begin, qsizetype(einden_[i] - begin));
}

QString Lijst::Waarde(qint32 rij, int kolom) const {
  const QByteArrayView b = Bytes(rij, kolom);
  // A zero-width space opening a value is part of it, not a byte-order
  // mark for the decoder to drop.
  if (b.startsWith("\xEF\xBB\xBF")) return QChar(0xFEFF) + QString::fromUtf8(b.sliced(3));
  return QString::fromUtf8(b);
}

QStringList Lijst::Rij(qint32 rij) const {
  QStringList uit;
  for (int k = 0; k < kolommen_; ++k) uit << Waarde(rij, k);
  return uit;
}

void Lijst::BeginRij() {
  Veranderd();
  rijen_.push_back({quint32(einden_.size()), 0});
}

void Lijst::VoegEindeToe(quint32 einde) {
  Veranderd();
  Plek& p = rijen_.back();
  if (p.aantal >= quint32(kMaxKolommen)) return;
  einden_.push_back(einde);
  ++p.aantal;
  kolommen_ = std::max(kolommen_, int(p.aantal));
}

void Lijst::NeemBuffer(QByteArray buffer) {
  Veranderd();
  buffer_ = std::move(buffer);
}

void Lijst::VoegWaardeToe(QByteArrayView utf8) {
  Veranderd();
  Plek& p = rijen_.back();
  if (p.aantal >= quint32(kMaxKolommen)) return;
  buffer_.append(utf8.data(), utf8.size());
  einden_.push_back(quint32(buffer_.size()));
  ++p.aantal;
  kolommen_ = std::max(kolommen_, int(p.aantal));
}

void Lijst::VoegRijToe(const QStringList& waarden) {
  BeginRij();
  for (const QString& w : waarden) VoegWaardeToe(w.toUtf8());
}

void Lijst::ZetWaarde(qint32 rij, int kolom, const QString& waarde) {
  if (rij < 0 || rij >= rijen_.size() || kolom < 0 || kolom >= kMaxKolommen) return;
  Veranderd();
  // The row is written anew at the end; its old bytes stay unused. Edits
  // by hand are few, and the other rows keep their places.
  QStringList waarden;
  const int aantal = std::max(int(rijen_[rij].aantal), kolom + 1);
  for (int k = 0; k < aantal; ++k) waarden << (k == kolom ? waarde : Waarde(rij, k));
  rijen_[rij] = Plek{quint32(einden_.size()), 0};
  for (const QString& w : waarden) {
    buffer_.append(w.toUtf8());
    einden_.push_back(quint32(buffer_.size()));
  }
  rijen_[rij].aantal = quint32(waarden.size());
  kolommen_ = std::max(kolommen_, int(waarden.size()));
}

void Lijst::VerwijderRij(qint32 rij) {
  if (rij < 0 || rij >= rijen_.size()) return;
  Veranderd();
  rijen_.removeAt(rij);
}

void Lijst::ZetNamen(QStringList namen) {
  Veranderd();
  if (namen.size() > kMaxKolommen) namen.resize(kMaxKolommen);
  namen_ = std::move(namen);
  kolommen_ = std::max(kolommen_, int(namen_.size()));
}

int Lijst::KolomVan(QStringView naam) const {
  const QStringView gezocht = naam.trimmed();
  if (gezocht.isEmpty()) return -1;
  for (int k = 0; k < namen_.size(); ++k)
    if (QStringView(namen_[k]).trimmed().compare(gezocht, Qt::CaseInsensitive) == 0) return k;
  return -1;
}

void Lijst::Reserveer(qsizetype rijen, qsizetype waarden, qsizetype bytes) {
  rijen_.reserve(rijen);
  einden_.reserve(waarden);
  buffer_.reserve(bytes);
}

void Lijst::Krimp() {
  // Only room well beyond the contents is given back: squeezing copies, and
  // for a moment that would hold the list twice.
  const auto ruim = [](qsizetype gebruikt, qsizetype gereserveerd) { return gereserveerd > gebruikt + gebruikt / 4; };
  if (ruim(rijen_.size(), rijen_.capacity())) rijen_.squeeze();
  if (ruim(einden_.size(), einden_.capacity())) einden_.squeeze();
  if (ruim(buffer_.size(), buffer_.capacity())) buffer_.squeeze();
}

qint64 Lijst::Geheugen() const {
  qint64 namen = 0;
  for (const QString& n : namen_) namen += n.capacity() * 2;
  return buffer_.capacity() + einden_.capacity() * qint64(sizeof(quint32)) + rijen_.capacity() * qint64(sizeof(Plek)) +
         namen;
}

bool operator==(const Lijst& a, const Lijst& b) {
  if (a.size() != b.size() || a.kolommen_ != b.kolommen_ || a.namen_ != b.namen_) return false;
  for (qint32 r = 0; r < a.size(); ++r)
    for (int k = 0; k < a.kolommen_; ++k)
      if (a.Bytes(r, k) != b.Bytes(r, k)) return false;
  return true;
}

}  // namespace model
