#pragma once
#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>
#include <QtEndian>
#include <string>
#include <vector>
#include <zip.h>

// Writes the archives the tests read, so no binary file lives in the repository.
struct ZipDeel {
  std::string naam;  // stored as given, "../" and all
  QByteArray data;
  bool opgeslagen = false;  // stored rather than deflated
  const char* wachtwoord = nullptr;
};

inline bool MaakZip(const QString& pad, const std::vector<ZipDeel>& delen) {
  int fout = 0;
  zip_t* za = zip_open(QFile::encodeName(pad).constData(), ZIP_CREATE | ZIP_TRUNCATE, &fout);
  if (!za) return false;
  for (const ZipDeel& d : delen) {
    // The data stays alive in `delen` until zip_close has written it.
    zip_source_t* bron = zip_source_buffer(za, d.data.constData(), zip_uint64_t(d.data.size()), 0);
    const zip_int64_t i = bron ? zip_file_add(za, d.naam.c_str(), bron, ZIP_FL_ENC_UTF_8) : -1;
    if (i < 0) {
      if (bron) zip_source_free(bron);
      zip_discard(za);
      return false;
    }
    if (d.opgeslagen) zip_set_file_compression(za, zip_uint64_t(i), ZIP_CM_STORE, 0);
    if (d.wachtwoord && zip_file_set_encryption(za, zip_uint64_t(i), ZIP_EM_AES_256, d.wachtwoord) != 0) {
      zip_discard(za);
      return false;
    }
  }
  return zip_close(za) == 0;
}

inline QByteArray BmpVan(const QImage& beeld) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  beeld.save(&buffer, "BMP");
  return bytes;
}

// A 6 x 4 picture: white, with a black 2 x 2 square at (1, 1).
inline QImage Proefbeeld() {
  QImage beeld(6, 4, QImage::Format_RGB32);
  beeld.fill(Qt::white);
  for (int y = 1; y <= 2; ++y)
    for (int x = 1; x <= 2; ++x) beeld.setPixel(x, y, qRgb(0, 0, 0));
  return beeld;
}

inline QByteArray LeesBytes(const QString& pad) {
  QFile f(pad);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void SchrijfBytes(const QString& pad, const QByteArray& bytes) {
  QFile f(pad);
  if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

// Overwrites the first entry's uncompressed size in its local header and in
// the central directory, so the archive claims another size than it holds.
inline void ZetGemeldeMaat(QByteArray& zip, quint32 maat) {
  const qsizetype lokaal = zip.indexOf(QByteArray("PK\x03\x04", 4));
  const qsizetype centraal = zip.indexOf(QByteArray("PK\x01\x02", 4));
  if (lokaal >= 0) qToLittleEndian(maat, zip.data() + lokaal + 22);
  if (centraal >= 0) qToLittleEndian(maat, zip.data() + centraal + 24);
}
