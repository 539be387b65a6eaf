#pragma once
#include <QByteArray>
#include <QString>

// The text in UTF-16 with its byte-order mark, each unit written out by
// hand rather than by the codec the reader under test uses.
inline QByteArray Utf16(const QString& tekst, bool bigEndian) {
  QByteArray uit = bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
  for (const QChar c : tekst) {
    const char hoog = char(c.unicode() >> 8), laag = char(c.unicode() & 0xFF);
    uit.append(bigEndian ? hoog : laag).append(bigEndian ? laag : hoog);
  }
  return uit;
}
