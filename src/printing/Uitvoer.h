#pragma once
#include <QFile>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

#include "files/Instellingen.h"
#include "platform/ProcessStarter.h"
#include "printing/Layer.h"
#include "printing/Netwerkprinter.h"

namespace printing {

// Where a job's bytes go, and what happens with them afterwards.
struct Uitvoerkanaal {
  int poort = 1;   // 1 to 3: a device, file or network printer; 4: a spool file for a system printer
  QString pad;     // what is opened and written; for a network printer, its address
  QString naam;    // what the user knows it by, for messages
  bool apparaat = false;  // one of the system's printer devices: never created
  // A printer on the network (ports 1 to 3), or why its name is no address.
  std::optional<Netwerkadres> netwerk;
  QString netwerkFout;
  Netwerkverbinding::Wachttijden wachttijden;
};

// A stored port name: "lpt1:" to "lpt3:" (in any letter case) stand for the
// system's first to third printer device, a USB printer when there is one;
// anything else is a device or file path.
QString PoortApparaat(const QString& naam, const std::function<bool(const QString&)>& bestaat = {});

// The printer devices this system has: /dev/usb/lp* and /dev/lp*, in that
// order (dev: the device folder, for tests).
QStringList PrinterApparaten(const QString& dev = QStringLiteral("/dev"));

// Why a connection's stored name (a device, "lpt1:", a file path or a
// network printer) cannot be written, or nothing when it can. Nothing is
// created or opened, and a network printer is not asked: only the form of
// its name is checked.
std::optional<QString> PoortFout(const QString& naam);
// What a connection's name stands for, for beside its box: "= /dev/lp0",
// "= netwerkprinter 192.168.1.20, poort 9100", or nothing.
QString PoortBetekenis(const QString& naam);

// The folder of the spool files: the program's folder when it can be
// written, else the user's data folder.
QString SpoolMap(const QString& programmaMap);

Uitvoerkanaal KiesKanaal(const Instellingen& i, const QString& programmaMap);
// The channel to a printer on the network that `naam` names (also one whose
// name has the network form but a wrong host or port: opening it says so),
// with the settings' waits; nothing when `naam` is a device or file.
std::optional<Uitvoerkanaal> NetwerkKanaal(const QString& naam, const Instellingen& i);

// Opens the channel for writing. An ordinary file at port 1 to 3 starts
// anew with every job, so it holds just what that job sends, as a printer
// on a device would get it. Port 4 gets a spool file of its own for every
// job, "data-XXXXXX.prn" beside where "data.prn" would be, so that a job
// waiting for its spooler is never overwritten; `kanaal.pad` becomes its
// name. A device is opened as it is. The message to show when that fails.
std::optional<QString> OpenKanaal(QFile& bestand, Uitvoerkanaal& kanaal);
// The same for any channel: a file or device as above, or a printer on the
// network, connected now or, with `laterVerbinden`, at the first write (so
// that a job on its own thread does the waiting).
std::optional<QString> OpenKanaal(std::unique_ptr<QIODevice>& uit, Uitvoerkanaal& kanaal, bool laterVerbinden = false);
// After the job: a file's buffered bytes are written, a network printer is
// waited for until it has every byte. False when that failed; the device's
// errorString() says why.
bool LeverAf(QIODevice& uit);

// The spooling program: beside this program (the build tree), else in the
// installed tree's libexec/vellora.
QString SpoolProgramma(const QString& programmaMap);

// How handing a job on failed: the program that did it, and how it ended.
struct Doorgeeffout {
  QString programma;
  platform::ProcessResult uitkomst;
  QString Melding() const;  // for the user, in a message box
};
// The message when a job would overwrite a file still waiting to be handed on.
QString WachtMelding(const Uitvoerkanaal& kanaal);
using Doorgegeven = std::function<void(const std::optional<Doorgeeffout>&)>;

// Hands written jobs on, after their channel is closed: port 4 runs the
// spooling program (see SpoolProgramma) with the job's spool file and the
// printer's name, and removes the spool file once it has ended; ports 1 to
// 3 run their after-job command, if any (for a network printer once the
// printer has taken the whole job; there is no file for it to read). One program at a time, in the
// order the jobs came, so the printer gets them in that order; nothing
// here waits.
class Doorgeven {
 public:
  Doorgeven(platform::ProcessStarter& starter, QString programmaMap)
      : starter_(starter), programmaMap_(std::move(programmaMap)) {}
  // `klaar` is told how it went once the program has ended, or at once
  // when there is none to run.
  void NaDeJob(const Uitvoerkanaal& kanaal, const Instellingen& i, Doorgegeven klaar);
  // The file at `pad` still waits to be handed on: writing it now would
  // change what its program reads.
  bool Wacht(const QString& pad) const;

 private:
  struct Opdracht {
    QString programma;
    QStringList argumenten;
    QString map;
    QString pad;         // the file the program reads
    bool weg = false;    // a spool file, removed afterwards
    Doorgegeven klaar;
  };
  void Volgende();

  platform::ProcessStarter& starter_;
  QString programmaMap_;
  std::deque<Opdracht> rij_;  // the first one runs
  bool loopt_ = false;
};

}  // namespace printing
