#include "figures/Plaatje.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>
#include <memory>

#include "platform/ZipArchive.h"

namespace figures {

namespace {

const QString kLF = QStringLiteral("\n");

QString LeesFout(const QString& pad, const QString& reden) {
  return QStringLiteral("Fout bij het lezen van afbeelding") + kLF + pad + kLF + kLF + reden;
}

QString ArchiefFout(const QString& pad, const QString& reden) {
  return QStringLiteral("Fout bij het lezen van archief") + kLF + pad + kLF + kLF + reden;
}

GeladenPlaatje Mislukt(QString melding) { return {QImage(), std::move(melding)}; }

GeladenPlaatje OpenFout(const QString& pad) {
  return Mislukt(QStringLiteral("Fout bij het openen van bestand") + kLF + pad);
}

bool Past(QSize maat, const PlaatjeGrenzen& g) {
  return PastAlsFiguur(maat.width(), maat.height()) && qint64(maat.width()) * maat.height() <= g.maxPunten;
}

GeladenPlaatje TeGroot(const QString& pad, QSize maat, const PlaatjeGrenzen& g) {
  const qint64 grens = std::min(g.maxPunten, kMaxFiguurPunten);
  return Mislukt(LeesFout(pad, TeGrootMelding(maat.width(), maat.height(), grens)));
}

// Only these types; anything else the toolkit could read is no figure.
bool IsBekendeSoort(const QByteArray& soort) {
  return soort == "bmp" || soort == "png" || soort == "jpeg" || soort == "gif";
}

GeladenPlaatje Decodeer(QIODevice& bron, const QString& pad, const PlaatjeGrenzen& g) {
  const QByteArray soort = QImageReader::imageFormat(&bron);
  if (!IsBekendeSoort(soort))
    return Mislukt(LeesFout(pad, QStringLiteral("Dit bestand is geen afbeelding (BMP, PNG, JPEG of GIF).")));
  if (!bron.isSequential()) bron.seek(0);
  QImageReader lezer(&bron, soort);
  lezer.setDecideFormatFromContent(false);
  // The header's size is checked before any dot is decoded.
  const QSize gemeld = lezer.size();
  if (gemeld.isValid() && !Past(gemeld, g)) return TeGroot(pad, gemeld, g);
  QImage beeld;
  if (!lezer.read(&beeld) || beeld.isNull())
    return Mislukt(LeesFout(pad, QStringLiteral("De afbeelding is beschadigd of onvolledig.")));
  if (!Past(beeld.size(), g)) return TeGroot(pad, beeld.size(), g);
  return {beeld, {}};
}

// A name that lands in the archive's own folder when unpacked.
bool IsLosseNaam(const QString& naam) {
  return !naam.isEmpty() && naam != QStringLiteral(".") && naam != QStringLiteral("..") &&
         !naam.contains(u'/') && !naam.contains(u'\\') && !naam.contains(u':');
}

QString GrensTekst(qint64 bytes) {
  constexpr qint64 kMB = 1024 * 1024;
  if (bytes >= kMB && bytes % kMB == 0) return QStringLiteral("%1 MB").arg(bytes / kMB);
  return QStringLiteral("%1 bytes").arg(bytes);
}

}  // namespace

QString PlaatjeFilters() {
  return QString::fromLatin1(kPlaatjeFilter) + QStringLiteral(";;") + QString::fromLatin1(kAnderePlaatjesFilter);
}

bool IsArchief(const QString& pad) { return pad.endsWith(QStringLiteral(".vlg"), Qt::CaseInsensitive); }

GeladenPlaatje LeesPlaatjeUit(const QByteArray& bytes, const QString& pad, const PlaatjeGrenzen& grenzen) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  return Decodeer(buffer, pad, grenzen);
}

GeladenPlaatje LeesArchief(const QString& pad, platform::ZipReader& zip, const PlaatjeGrenzen& grenzen) {
  using platform::ZipError;
  ZipError fout = ZipError::None;
  const std::unique_ptr<platform::ZipArchive> archief = zip.open(pad, fout);
  if (!archief) {
    if (fout == ZipError::Open) return OpenFout(pad);
    return Mislukt(ArchiefFout(pad, QStringLiteral("Het archief is beschadigd of is geen zip-archief.")));
  }

  const QString naam = QFileInfo(pad).fileName();
  const QString verwacht = naam.left(naam.size() - 3) + QStringLiteral("bmp");
  qint64 gevonden = -1, enigeBmp = -1;
  int bmps = 0;
  for (qint64 i = 0; i < archief->entryCount(); ++i) {
    platform::ZipEntry e;
    if (archief->entry(i, e) != ZipError::None || !IsLosseNaam(e.name)) continue;
    if (e.name.compare(verwacht, Qt::CaseInsensitive) == 0) {
      gevonden = i;
      break;
    }
    if (e.name.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive)) {
      ++bmps;
      enigeBmp = i;
    }
  }
  if (gevonden < 0 && bmps == 1) gevonden = enigeBmp;
  if (gevonden < 0) return Mislukt(ArchiefFout(pad, QStringLiteral("Het archief bevat geen afbeelding.")));

  QByteArray bytes;
  switch (archief->read(gevonden, grenzen.maxArchiefBytes, bytes)) {
    case ZipError::None: break;
    case ZipError::Encrypted:
      return Mislukt(ArchiefFout(pad, QStringLiteral("De afbeelding in het archief is met een wachtwoord beveiligd.")));
    case ZipError::TooLarge:
      return Mislukt(ArchiefFout(
          pad, QStringLiteral("De afbeelding in het archief is te groot (meer dan %1).").arg(GrensTekst(grenzen.maxArchiefBytes))));
    default:
      return Mislukt(ArchiefFout(pad, QStringLiteral("Het archief is beschadigd.")));
  }
  return LeesPlaatjeUit(bytes, pad, grenzen);
}

GeladenPlaatje LeesPlaatje(const QString& pad, platform::ZipReader& zip, const PlaatjeGrenzen& grenzen) {
  if (IsArchief(pad)) return LeesArchief(pad, zip, grenzen);
  QFile bestand(pad);
  if (!bestand.open(QIODevice::ReadOnly)) return OpenFout(pad);
  return Decodeer(bestand, pad, grenzen);
}

GeladenPlaatje LeesPlaatje(const QString& pad) {
  platform::LibzipReader zip;
  return LeesPlaatje(pad, zip);
}

}  // namespace figures
