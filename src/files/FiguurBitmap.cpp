#include "files/FiguurBitmap.h"

#include <QPainter>
#include <QtEndian>
#include <limits>
#include <vector>

#include "files/EtiketBestand.h"
#include "model/ZwartWit.h"

namespace files {

QImage VectorNaarZwartWit(const QPicture& vector, int breedte, int hoogte) {
  if (breedte <= 0 || hoogte <= 0 || breedte > kMaxBeeldZijde || hoogte > kMaxBeeldZijde ||
      qint64(breedte) * hoogte > kMaxBeeldPunten)
    return {};
  QImage doek(breedte, hoogte, QImage::Format_RGB32);
  if (doek.isNull()) return {};
  doek.fill(Qt::white);
  const QRect bron = vector.boundingRect();
  if (!bron.isEmpty()) {
    // Drawn the way the screen and the printer draw it, so the stored
    // figure looks like the one the user saw.
    QPainter p(&doek);
    p.scale(double(breedte) / bron.width(), double(hoogte) / bron.height());
    p.translate(-bron.topLeft());
    p.drawPicture(0, 0, vector);
  }
  return NaarZwartWit(doek);
}

QByteArray BmpBytes(const QImage& beeld) {
  const QImage zw = NaarZwartWit(beeld);
  if (zw.isNull()) return {};
  // Written by hand rather than by the toolkit's writer, which copies the
  // padding at the end of each row from uninitialised memory: the same
  // design must give the same bytes.
  const int w = zw.width(), h = zw.height();
  const qint64 regelBytes = (qint64(w) + 31) / 32 * 4;
  const qint64 kop = 14 + 40 + 8;
  const qint64 totaal = kop + regelBytes * h;
  if (totaal > std::numeric_limits<qint32>::max()) return {};
  QByteArray uit;
  uit.reserve(qsizetype(totaal));
  auto u16 = [&](quint16 v) {
    const quint16 le = qToLittleEndian(v);
    uit.append(reinterpret_cast<const char*>(&le), 2);
  };
  auto u32 = [&](quint32 v) {
    const quint32 le = qToLittleEndian(v);
    uit.append(reinterpret_cast<const char*>(&le), 4);
  };
  uit.append("BM", 2);
  u32(quint32(totaal));
  u32(0);
  u32(quint32(kop));
  u32(40);
  u32(quint32(w));
  u32(quint32(h));  // positive: rows from the bottom up
  u16(1);
  u16(1);
  u32(0);
  u32(quint32(regelBytes * h));
  u32(3780);  // 96 dots per inch
  u32(3780);
  u32(2);
  u32(2);
  u32(0x00FFFFFF);  // colour 0 white
  u32(0x00000000);  // colour 1 black
  const int volle = w / 8, rest = w % 8;
  const QByteArray opvulling(qsizetype(regelBytes - (w + 7) / 8), '\0');
  for (int y = h - 1; y >= 0; --y) {
    const char* regel = reinterpret_cast<const char*>(zw.constScanLine(y));
    uit.append(regel, volle);
    if (rest) uit.append(char(uchar(regel[volle]) & uchar(0xFF00 >> rest)));
    uit.append(opvulling);
  }
  return uit;
}

}  // namespace files
