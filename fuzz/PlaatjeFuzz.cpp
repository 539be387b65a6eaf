// Feeds arbitrary bytes to the picture import, as a loose picture and as
// the bitmap of a ".VLG" archive: whatever it accepts fits the bounds it
// was given, and whatever it refuses comes with a message.
#include "Fuzz.h"
#include "figures/Plaatje.h"
#include "platform/ZipArchive.h"

using namespace figures;

using fuzz::Eis;

namespace {

// Tight bounds, so the fuzzer meets them often and each run stays quick.
constexpr PlaatjeGrenzen kGrenzen{qint64(1) << 20, qint64(1) << 20};

void Controleer(const GeladenPlaatje& p) {
  if (!p.gelukt()) {
    Eis(!p.melding.isEmpty());
    return;
  }
  Eis(qint64(p.beeld.width()) * p.beeld.height() <= kGrenzen.maxPunten);
  Eis(PastAlsFiguur(p.beeld.width(), p.beeld.height()));
}

// An archive that is the fuzzer's bytes, whatever name it is opened by.
class GeheugenZip : public platform::ZipReader {
 public:
  explicit GeheugenZip(QByteArray bytes) : bytes_(std::move(bytes)) {}
  std::unique_ptr<platform::ZipArchive> open(const QString&, platform::ZipError& fout) override {
    return platform::LibzipReader().openBytes(bytes_, fout);
  }

 private:
  QByteArray bytes_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The first byte chooses: a loose picture, or an archive of the rest.
  if (size == 0) return 0;
  const QByteArray rest = fuzz::Bytes(data + 1, size - 1);
  if (data[0] & 1) {
    GeheugenZip zip(rest);
    Controleer(LeesArchief(QStringLiteral("roos.VLG"), zip, kGrenzen));
  } else {
    Controleer(LeesPlaatjeUit(rest, QStringLiteral("roos.png"), kGrenzen));
  }
  return 0;
}
