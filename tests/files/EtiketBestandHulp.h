#pragma once
// Builders shared by the design file tests: the expected bytes are put
// together field by field here, independently of the writer.
#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QtEndian>
#include <cstring>
#include <functional>
#include <memory>

#include "model/Ontwerp.h"

using namespace model;

class Bytes {
 public:
  Bytes& i16(qint16 v) {
    b_.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF));
    return *this;
  }
  Bytes& i32(qint32 v) {
    for (int i = 0; i < 4; ++i) b_.append(char((quint32(v) >> (8 * i)) & 0xFF));
    return *this;
  }
  Bytes& f32(float v) {
    quint32 bits;
    std::memcpy(&bits, &v, 4);
    return i32(qint32(bits));
  }
  // A String from bytes already in Windows-1252.
  Bytes& str(const QByteArray& cp1252) {
    i16(qint16(cp1252.size()));
    b_.append(cp1252);
    return *this;
  }
  Bytes& picture(const QByteArray& bestand) {
    i32(qint32(bestand.size()));
    b_.append(bestand);
    return *this;
  }
  Bytes& raw(const QByteArray& r) {
    b_.append(r);
    return *this;
  }
  const QByteArray& bytes() const { return b_; }
  operator QByteArray() const { return b_; }

 private:
  QByteArray b_;
};

// A one-bit picture, colour 0 white and colour 1 black, black where asked.
inline QImage Bitmap(int w, int h, const std::function<bool(int, int)>& zwart) {
  QImage m(w, h, QImage::Format_Mono);
  m.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
  m.fill(0);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (zwart(x, y)) m.setPixel(x, y, 1);
  return m;
}

inline QByteArray Encoded(const QImage& img, const char* soort) {
  QByteArray b;
  QBuffer buf(&b);
  buf.open(QIODevice::WriteOnly);
  img.save(&buf, soort);
  return b;
}

// True when the picture shows black exactly where zwart says.
inline bool Toont(const QImage& img, const std::function<bool(int, int)>& zwart) {
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if ((qGray(img.pixel(x, y)) < 128) != zwart(x, y)) return false;
  return true;
}

inline int NieuweTekstlijn(Ontwerp& o, const QString& tekst, float links, float boven) {
  const int n = o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn);
  Voorwerp& v = o.voorwerp(n);
  v.tekst().Tekst = tekst;
  v.tekst().Lettergrootte = 12;
  v.tekst().Lettertype = QStringLiteral("DejaVu Sans");
  v.Links = links;
  v.Boven = boven;
  v.Breedte = 30;
  v.Hoogte = 12 / 72.0f * 25.4f;
  return n;
}

inline int NieuweFiguur(Ontwerp& o, const QImage& beeld, float links, float boven) {
  const int n = o.NieuwVoorwerp(SoortVoorwerp::Figuur);
  Voorwerp& v = o.voorwerp(n);
  auto b = std::make_unique<Beeld>();
  b->raster = beeld;
  v.beeld().ZetAfbeelding(std::move(b), beeld.width(), beeld.height());
  v.Links = links;
  v.Boven = boven;
  v.Breedte = 20;
  v.Hoogte = 10;
  return n;
}

inline int NieuweRondeTekst(Ontwerp& o, const QString& tekst) {
  const int n = o.NieuwVoorwerp(SoortVoorwerp::RondeTekst);
  Voorwerp& v = o.voorwerp(n);
  v.tekst().Tekst = tekst;
  v.tekst().Lettergrootte = 10;
  v.tekst().Lettertype = QStringLiteral("Liberation Sans");
  v.tekst().Uitlijning = 2;
  v.cirkel().Straal = 15.5f;
  v.cirkel().Spatiering = 100;
  v.cirkel().Wijzerzin = true;
  v.cirkel().Referentiepunt = 90;
  v.Links = -16;
  v.Boven = -16;
  v.Breedte = 32;
  v.Hoogte = 32;
  return n;
}
