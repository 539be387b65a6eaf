#pragma once
#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <memory>

namespace platform {

// Why an archive or one of its entries could not be read.
enum class ZipError {
  None,
  Open,       // the file cannot be opened (missing, no access)
  Damaged,    // not a zip archive, inconsistent, or its data fails to unpack
  Encrypted,  // the entry needs a password
  TooLarge,   // the entry holds more than the caller allows
  NoEntry,    // no entry with that index
};

struct ZipEntry {
  QString name;        // exactly as stored: may hold folders, "..", anything
  quint64 size = 0;    // uncompressed size as the archive claims it
  bool sizeKnown = false;
  bool encrypted = false;
};

// A zip archive opened for reading. Entries are only ever read into
// memory; nothing is written to disk under a name taken from the archive.
class ZipArchive {
 public:
  virtual ~ZipArchive() = default;
  virtual qint64 entryCount() const = 0;
  virtual ZipError entry(qint64 index, ZipEntry& out) const = 0;
  // Reads one entry whole into `out`. An entry that claims more than
  // maxBytes is refused before reading; since the claim may lie, reading
  // also stops with TooLarge as soon as more than maxBytes arrive.
  virtual ZipError read(qint64 index, qint64 maxBytes, QByteArray& out) = 0;
};

// Opens archives; tests may put another implementation in its place.
class ZipReader {
 public:
  virtual ~ZipReader() = default;
  // Null, with the reason in `error`, when the archive cannot be opened.
  virtual std::unique_ptr<ZipArchive> open(const QString& path, ZipError& error) = 0;
};

// The real reader, on libzip.
class LibzipReader : public ZipReader {
 public:
  std::unique_ptr<ZipArchive> open(const QString& path, ZipError& error) override;
  // The same for an archive already in memory.
  std::unique_ptr<ZipArchive> openBytes(const QByteArray& bytes, ZipError& error);
};

}  // namespace platform
