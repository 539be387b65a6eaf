#pragma once
#include <QDateTime>
#include <QString>
#include <memory>
#include <vector>

#include "files/Layer.h"
#include "model/Ontwerp.h"

class QLockFile;

namespace files {

// A copy of a design with unsaved changes, kept in a folder of the user's
// so that a crash or a power cut loses little. Each running program has a
// slot of its own there, held by a lock file: a slot whose program is gone
// is one to offer back at the next start.
class Herstelkopie {
 public:
  // The recovery folder under the user's data folder.
  static QString StandaardMap();

  explicit Herstelkopie(QString map);
  ~Herstelkopie();
  Herstelkopie(const Herstelkopie&) = delete;
  Herstelkopie& operator=(const Herstelkopie&) = delete;

  // Writes the design (always in the newest file version, which holds
  // everything) and the name and version it is saved under. The copy is
  // replaced only once the new one is complete. False when it could not be
  // written; the program goes on without.
  bool Schrijf(const Ontwerp& ontwerp, const QString& formaatNaam);
  // Removes this program's copy, if there is one.
  void Wis();
  bool Bestaat() const { return bestaat_; }

  // A copy left behind by a program that ended without removing it.
  struct Achtergelaten {
    QString ontwerpPad;    // the design file to read
    QString bestandsnaam;  // the name the design was saved under; empty for a new one
    qint16 BestType = 0;   // the version it was saved in
    QDateTime tijd;        // when the copy was written
    // The copy's lock, held by this program from Houd on: no other program
    // offers or takes the copy meanwhile.
    std::shared_ptr<QLockFile> slot;
  };
  // The copies in the folder whose program is no longer running, newest first.
  std::vector<Achtergelaten> Zoek() const;
  // Takes a copy Zoek found for this program before it is offered. False
  // when another program is offering or restoring it, or it is gone.
  static bool Houd(Achtergelaten& kopie);
  // Removes a left-behind copy once it was restored or declined, and lets
  // go of it; a copy this program could not hold is left alone.
  static void Verwijder(Achtergelaten& kopie);

 private:
  bool Claim();

  QString map_;
  QString naam_;  // this program's slot
  std::unique_ptr<QLockFile> slot_;
  bool bestaat_ = false;
};

}  // namespace files
