#include "platform/ZipArchive.h"

#include <zip.h>

#include <QFile>
#include <algorithm>
#include <utility>

namespace platform {

namespace {

ZipError FromLibzip(int code) {
  switch (code) {
    case ZIP_ER_NOENT:
    case ZIP_ER_OPEN:
    case ZIP_ER_READ:
    case ZIP_ER_SEEK:
      return ZipError::Open;
    case ZIP_ER_NOPASSWD:
    case ZIP_ER_WRONGPASSWD:
    case ZIP_ER_ENCRNOTSUPP:
      return ZipError::Encrypted;
    default:
      return ZipError::Damaged;
  }
}

class LibzipArchive : public ZipArchive {
 public:
  explicit LibzipArchive(zip_t* za, QByteArray bytes = {}) : za_(za), bytes_(std::move(bytes)) {}
  ~LibzipArchive() override { zip_discard(za_); }
  LibzipArchive(const LibzipArchive&) = delete;
  LibzipArchive& operator=(const LibzipArchive&) = delete;

  qint64 entryCount() const override { return std::max<qint64>(0, zip_get_num_entries(za_, 0)); }

  ZipError entry(qint64 index, ZipEntry& out) const override {
    if (index < 0 || index >= entryCount()) return ZipError::NoEntry;
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(za_, zip_uint64_t(index), 0, &st) != 0) return ZipError::Damaged;
    out = {};
    if (st.valid & ZIP_STAT_NAME) out.name = QString::fromUtf8(st.name);
    out.sizeKnown = (st.valid & ZIP_STAT_SIZE) != 0;
    if (out.sizeKnown) out.size = st.size;
    out.encrypted = (st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE;
    return ZipError::None;
  }

  ZipError read(qint64 index, qint64 maxBytes, QByteArray& out) override {
    out.clear();
    maxBytes = std::max<qint64>(0, maxBytes);
    ZipEntry e;
    if (const ZipError f = entry(index, e); f != ZipError::None) return f;
    if (e.encrypted) return ZipError::Encrypted;
    if (e.sizeKnown && e.size > quint64(maxBytes)) return ZipError::TooLarge;

    zip_file_t* zf = zip_fopen_index(za_, zip_uint64_t(index), 0);
    if (!zf) return FromLibzip(zip_error_code_zip(zip_get_error(za_)));
    // Reserve only what the claim and the bound both allow.
    if (e.sizeKnown) out.reserve(qsizetype(e.size));
    char buffer[64 * 1024];
    ZipError result = ZipError::None;
    for (;;) {
      // Asking for one byte beyond the bound is enough to see it exceeded.
      const qint64 rest = maxBytes - out.size();
      const qint64 ask = rest < qint64(sizeof buffer) ? rest + 1 : qint64(sizeof buffer);
      const zip_int64_t n = zip_fread(zf, buffer, zip_uint64_t(ask));
      if (n < 0) {
        result = FromLibzip(zip_error_code_zip(zip_file_get_error(zf)));
        if (result == ZipError::Open) result = ZipError::Damaged;
        break;
      }
      if (n == 0) break;
      if (out.size() + n > maxBytes) {
        result = ZipError::TooLarge;
        break;
      }
      out.append(buffer, qsizetype(n));
    }
    // Closing reports a checksum that did not match once all was read.
    const int closed = zip_fclose(zf);
    if (result == ZipError::None && closed != 0) result = ZipError::Damaged;
    if (result != ZipError::None) out.clear();
    return result;
  }

 private:
  zip_t* za_;
  QByteArray bytes_;  // an archive read from memory reads from these
};

}  // namespace

std::unique_ptr<ZipArchive> LibzipReader::open(const QString& path, ZipError& error) {
  int code = 0;
  const QByteArray naam = QFile::encodeName(path);
  zip_t* za = zip_open(naam.constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
  if (!za) {
    error = FromLibzip(code);
    return nullptr;
  }
  error = ZipError::None;
  return std::make_unique<LibzipArchive>(za);
}

std::unique_ptr<ZipArchive> LibzipReader::openBytes(const QByteArray& bytes, ZipError& error) {
  zip_error_t fout;
  zip_error_init(&fout);
  // The archive keeps its own reference to the bytes the source points into.
  QByteArray eigen = bytes;
  zip_source_t* bron = zip_source_buffer_create(eigen.constData(), zip_uint64_t(eigen.size()), 0, &fout);
  zip_t* za = bron ? zip_open_from_source(bron, ZIP_RDONLY | ZIP_CHECKCONS, &fout) : nullptr;
  if (!za) {
    if (bron) zip_source_free(bron);
    error = FromLibzip(zip_error_code_zip(&fout));
    zip_error_fini(&fout);
    return nullptr;
  }
  zip_error_fini(&fout);
  error = ZipError::None;
  return std::make_unique<LibzipArchive>(za, std::move(eigen));
}

}  // namespace platform
