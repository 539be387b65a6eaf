#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>

#include "figures/Figuur.h"
#include "figures/Layer.h"

namespace platform {
class ZipReader;
}

namespace figures {

// Bounds that keep a hostile file from taking the machine's memory.
struct PlaatjeGrenzen {
  qint64 maxPunten = kMaxFiguurPunten;             // dots of one decoded picture
  qint64 maxArchiefBytes = qint64(64) * 1024 * 1024;  // the unpacked bitmap of one archive
};

// A picture read for a figure, or the reason it could not be read.
struct GeladenPlaatje {
  QImage beeld;     // null when reading failed
  QString melding;  // then the message text, shown under the title "Fout"
  bool gelukt() const { return !beeld.isNull(); }
};


// The two filters of the picture file dialog: the program's own bitmaps
// and archives first (file systems here tell letter case apart, so both
// spellings are listed), the other picture types second.
constexpr const char* kPlaatjeFilter = "Afbeeldingen (*.bmp *.vlg *.BMP *.VLG)";
constexpr const char* kAnderePlaatjesFilter =
    "Andere afbeeldingen (*.png *.jpg *.jpeg *.gif *.PNG *.JPG *.JPEG *.GIF)";
// Both, joined the way the file dialog takes them.
QString PlaatjeFilters();

// True for a ".VLG" picture archive: a name that ends in ".vlg", in any
// letter case, whatever its folders are called.
bool IsArchief(const QString& pad);

// Reads a picture for a figure: a ".VLG" archive's bitmap, or otherwise a
// BMP, PNG, JPEG or GIF file, recognised by its content rather than its
// name. Nothing is written to disk.
GeladenPlaatje LeesPlaatje(const QString& pad, platform::ZipReader& zip, const PlaatjeGrenzen& grenzen = {});
// The same with the real archive reader.
GeladenPlaatje LeesPlaatje(const QString& pad);

// A picture from bytes in memory; `pad` only names it in a message.
GeladenPlaatje LeesPlaatjeUit(const QByteArray& bytes, const QString& pad, const PlaatjeGrenzen& grenzen = {});

// The bitmap a ".VLG" archive holds: the entry named after the archive
// with "bmp" for "vlg" (roos.VLG holds roos.bmp), or else the archive's
// only bitmap. Only entries at the archive's top level count, so a name
// with folders or ".." is never taken. Unpacked in memory, within the bounds.
GeladenPlaatje LeesArchief(const QString& pad, platform::ZipReader& zip, const PlaatjeGrenzen& grenzen = {});

}  // namespace figures
