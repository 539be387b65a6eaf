#include "platform/Cp1252.h"

namespace platform {
namespace {

// 0x80..0x9F; 0 marks the five codes the code page leaves undefined, which
// Windows maps straight to the same C1 control characters.
constexpr char16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char16_t decode(unsigned char b) {
  if (b >= 0x80 && b < 0xA0) {
    char16_t u = kHigh[b - 0x80];
    return u ? u : char16_t(b);
  }
  return char16_t(b);
}

int encode(char16_t u) {
  if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return u;
  for (int i = 0; i < 32; ++i) {
    if (kHigh[i] == u) return 0x80 + i;
    if (kHigh[i] == 0 && u == 0x80 + i) return u;
  }
  return -1;
}

}  // namespace

QByteArray toCp1252(const QString& text, bool* lossy) {
  // Written in place: texts run to 32767 characters, and every line of a
  // design passes here each time it is drawn.
  QByteArray out(text.size(), Qt::Uninitialized);
  char* uit = out.data();
  qsizetype n = 0;
  bool lost = false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    char16_t u = text.at(i).unicode();
    int b = encode(u);
    if (b < 0) {
      lost = true;
      // A surrogate pair is one character: one "?".
      if (QChar::isHighSurrogate(u) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) ++i;
      b = '?';
    }
    uit[n++] = char(b);
  }
  out.truncate(n);
  if (lossy) *lossy = lost;
  return out;
}

QString fromCp1252(const char* bytes, qsizetype length) {
  QString out;
  out.resize(length);
  for (qsizetype i = 0; i < length; ++i) out[i] = QChar(decode(static_cast<unsigned char>(bytes[i])));
  return out;
}

QString fromCp1252(const QByteArray& bytes) { return fromCp1252(bytes.constData(), bytes.size()); }

QString throughCp1252(const QString& text) {
  // Nearly every text holds only characters the code page keeps as they
  // are: then it is its own result, and nothing is copied.
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) continue;
    const int b = encode(u);
    if (b < 0 || decode(static_cast<unsigned char>(b)) != u) return fromCp1252(toCp1252(text));
  }
  return text;
}

}  // namespace platform
