#include "files/Herstelkopie.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUuid>
#include <algorithm>

#include "files/BewaarEtiket.h"
#include "files/EtiketBestand.h"

namespace files {

namespace {
const QString kOntwerp = QStringLiteral(".VLO");
const QString kGegevens = QStringLiteral(".naam");
const QString kSlot = QStringLiteral(".lock");

// The side file: the design's name on the first line, its version on the second.
bool SchrijfGegevens(const QString& pad, const Ontwerp& o) {
  QSaveFile f(pad);
  if (!f.open(QIODevice::WriteOnly)) return false;
  f.write(o.Bestandsnaam.toUtf8() + '\n' + QByteArray::number(o.BestType) + '\n');
  return f.commit();
}
}  // namespace

QString Herstelkopie::StandaardMap() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Vellora/recovery");
}

Herstelkopie::Herstelkopie(QString map) : map_(std::move(map)) {}

Herstelkopie::~Herstelkopie() = default;

bool Herstelkopie::Claim() {
  if (slot_) return true;
  if (!QDir().mkpath(map_)) return false;
  naam_ = QUuid::createUuid().toString(QUuid::WithoutBraces);
  auto slot = std::make_unique<QLockFile>(map_ + u'/' + naam_ + kSlot);
  slot->setStaleLockTime(0);  // only a lock whose program is gone counts as left behind
  if (!slot->tryLock(0)) return false;
  slot_ = std::move(slot);
  return true;
}

bool Herstelkopie::Schrijf(const Ontwerp& o, const QString& formaatNaam) {
  if (!Claim()) return false;
  const QString basis = map_ + u'/' + naam_;
  // The names first: a copy found without them is still a design, a new one.
  if (!SchrijfGegevens(basis + kGegevens, o)) return false;
  // The newest version that keeps the whole design.
  const qint16 versie = VolledigeVersie(o);
  if (!BewaarEtiket(basis + kOntwerp, versie, o, formaatNaam).Gelukt()) return false;
  bestaat_ = true;
  return true;
}

void Herstelkopie::Wis() {
  if (!bestaat_) return;
  const QString basis = map_ + u'/' + naam_;
  QFile::remove(basis + kOntwerp);
  QFile::remove(basis + kGegevens);
  bestaat_ = false;
}

std::vector<Herstelkopie::Achtergelaten> Herstelkopie::Zoek() const {
  std::vector<Achtergelaten> gevonden;
  const QDir map(map_);
  for (const QFileInfo& info : map.entryInfoList({QStringLiteral("*") + kOntwerp}, QDir::Files)) {
    const QString basis = map.filePath(info.completeBaseName());
    if (slot_ && info.completeBaseName() == naam_) continue;
    // A slot still locked belongs to a program that is running.
    QLockFile slot(basis + kSlot);
    slot.setStaleLockTime(0);
    if (!slot.tryLock(0)) continue;
    slot.unlock();
    Achtergelaten kopie;
    kopie.ontwerpPad = info.filePath();
    kopie.tijd = info.lastModified();
    QFile gegevens(basis + kGegevens);
    if (gegevens.open(QIODevice::ReadOnly)) {
      const QList<QByteArray> regels = gegevens.readAll().split('\n');
      if (!regels.isEmpty()) kopie.bestandsnaam = QString::fromUtf8(regels[0]);
      if (regels.size() > 1) kopie.BestType = qint16(regels[1].toShort());
    }
    gevonden.push_back(std::move(kopie));
  }
  std::sort(gevonden.begin(), gevonden.end(), [](const auto& a, const auto& b) { return a.tijd > b.tijd; });
  return gevonden;
}

bool Herstelkopie::Houd(Achtergelaten& kopie) {
  if (kopie.slot) return true;
  const QFileInfo info(kopie.ontwerpPad);
  auto slot = std::make_shared<QLockFile>(info.dir().filePath(info.completeBaseName()) + kSlot);
  // A lock whose program is gone, the one that wrote the copy or one that
  // was offering it, is taken over; a living one's is not.
  slot->setStaleLockTime(0);
  if (!slot->tryLock(0)) return false;
  // Another program may have restored or declined it since it was found.
  if (!QFileInfo::exists(kopie.ontwerpPad)) return false;
  kopie.slot = std::move(slot);
  return true;
}

void Herstelkopie::Verwijder(Achtergelaten& kopie) {
  if (!Houd(kopie)) return;
  const QFileInfo info(kopie.ontwerpPad);
  const QString basis = info.dir().filePath(info.completeBaseName());
  QFile::remove(basis + kOntwerp);
  QFile::remove(basis + kGegevens);
  // Last, so that no other program finds the copy unlocked before it is gone.
  kopie.slot->unlock();
  kopie.slot.reset();
}

}  // namespace files
