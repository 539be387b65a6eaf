#pragma once
#include <QDateTime>
#include <QString>

namespace platform {

// Where the program is and what it is.
namespace appinfo {

constexpr int kMajor = 4;
constexpr int kMinor = 0;
constexpr int kRevision = 0;

// The folder of the running executable.
QString programFolder();
// The folder holding all.eft and the other shipped data: the program's own
// folder when it is there, else ../share/vellora (an installed tree).
QString dataFolder();
// Last-modified time of the running executable (local time).
QDateTime executableDate();
// "v 4.0"
QString versionText();
// yymmdd of the given date followed by the revision as three digits.
QString buildStamp(const QDate& fileDate);

}  // namespace appinfo
}  // namespace platform
