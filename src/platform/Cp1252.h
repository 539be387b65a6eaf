#pragma once
#include <QByteArray>
#include <QString>

// The program's files and the printer speak Windows-1252; these convert
// between it and Qt's strings. Characters the code page cannot hold become "?".
namespace platform {

QByteArray toCp1252(const QString& text, bool* lossy = nullptr);
QString fromCp1252(const QByteArray& bytes);
QString fromCp1252(const char* bytes, qsizetype length);

// The text as it survives a round trip through the code page.
QString throughCp1252(const QString& text);

}  // namespace platform
