#pragma once
#include <QFile>
#include <QString>
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

// The folder of the spool file "data.prn": the program's folder when it can
// be written, else the user's data folder.
QString SpoolMap(const QString& programmaMap);

Uitvoerkanaal KiesKanaal(const Instellingen& i, const QString& programmaMap);

// Opens the channel for writing: an ordinary file that is there is deleted
// first (a device never is). The message to show when that fails.
std::optional<QString> OpenKanaal(QFile& bestand, const Uitvoerkanaal& kanaal);

// After the channel is closed: port 4 hands the spool file to the spooling
// program ("PrintFile" beside this program) with the printer's name; ports
// 1 to 3 run their after-job command, if any. Nothing waits for them.
void NaDeJob(const Uitvoerkanaal& kanaal, const Instellingen& i, const QString& programmaMap,
             platform::ProcessStarter& starter);
