#pragma once
#include <QFile>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "files/Instellingen.h"

namespace platform {
class ProcessStarter;
}

// Where a job's bytes go, and what happens with them afterwards.
struct Uitvoerkanaal {
  int poort = 1;   // 1 to 3: a device or file; 4: the spool file for a system printer
  QString pad;     // what is opened and written
  QString naam;    // what the user knows it by, for messages
  bool apparaat = false;  // one of the system's printer devices: never created
};

// A stored port name: "lpt1:" to "lpt3:" (in any letter case) stand for the
// system's first to third printer device, a USB printer when there is one;
// anything else is a device or file path.
QString PoortApparaat(const QString& naam, const std::function<bool(const QString&)>& bestaat = {});

// The printer devices this system has: /dev/usb/lp* and /dev/lp*, in that
// order (dev: the device folder, for tests).
QStringList PrinterApparaten(const QString& dev = QStringLiteral("/dev"));

// Why a connection's stored name (a device, "lpt1:" or a file path) cannot
// be written, or nothing when it can. Nothing is created or opened.
std::optional<QString> PoortFout(const QString& naam);

// The folder of the spool file "data.prn": the program's folder when it can
// be written, else the user's data folder.
QString SpoolMap(const QString& programmaMap);

Uitvoerkanaal KiesKanaal(const Instellingen& i, const QString& programmaMap);

// How a job meets what an ordinary file at a port already holds.
enum class Schrijfwijze {
  Vervangen,  // a fresh sheet: the file starts anew
  Aanvullen,  // the rest of a sheet held open: it belongs after what is there
};

// Opens the channel for writing. An ordinary file at port 1 to 3 is
// replaced or added to as asked; the spool file of port 4 always starts
// anew, since each job is handed on by itself; a device is opened as it
// is. The message to show when that fails.
std::optional<QString> OpenKanaal(QFile& bestand, const Uitvoerkanaal& kanaal,
                                  Schrijfwijze wijze = Schrijfwijze::Vervangen);

// The spooling program: beside this program (the build tree), else in the
// installed tree's libexec/vellora.
QString SpoolProgramma(const QString& programmaMap);

// After the channel is closed: port 4 hands the spool file to the spooling
// program (see SpoolProgramma) with the printer's name; ports
// 1 to 3 run their after-job command, if any. Nothing waits for them.
void NaDeJob(const Uitvoerkanaal& kanaal, const Instellingen& i, const QString& programmaMap,
             platform::ProcessStarter& starter);
