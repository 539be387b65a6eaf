#pragma once
#include <QImage>
#include <QString>
#include <cmath>
#include <optional>
#include <vector>

#include "files/Layer.h"
#include "model/Bool16.h"
#include "model/Streepjescode.h"
#include "model/Voorwerp.h"

namespace files {

// The label design file (".VLO"): little-endian fields without padding.
// Version 1 knows text lines and figures; version 2 adds round texts and
// the crop rectangle of every figure; version "4.0" is version 2's layout
// followed by a section of barcodes. A design's BestType is 1, 2 or 3 for
// them. The byte layout of all three is written down in docs/file-format.md.
constexpr qint32 kMagieVersie1 = 21333;  // 55 53 00 00
constexpr qint32 kMagieVersie2 = 21334;  // 56 53 00 00
constexpr qint32 kMagieVersie4 = 21335;  // 57 53 00 00
constexpr qint16 kBestTypeVersie4 = 3;
// Version "5.0" is version 4.0 followed by a section of tagged blocks, one
// per kind of content the older versions cannot hold. A design that needs
// none of them is written in an older version, byte for byte as before.
constexpr qint32 kMagieVersie5 = 21336;  // 58 53 00 00
constexpr qint16 kBestTypeVersie5 = 4;
// The blocks' tags. A reader refuses a tag it does not know: what it
// cannot hold would otherwise be lost without a word at the next save.
enum BlokSoort : qint16 { kBlokOmzetting = 1, kBlokLijst = 2, kBlokPassend = 3 };
// The smallest size a fitting text line may shrink to lies within these.
constexpr qint16 kGrootstePassendMinimum = 1000;

// A String holds at most this many characters (its length is an Integer).
constexpr int kMaxTekstLengte = 32767;

// Limits that keep a damaged or hostile file from taking the machine's
// memory: one picture, and all pictures of one file together, in pixels.
// A colour picture of the largest size still decodes within the picture
// loader's own memory limit (128 MB); a figure of a 150 mm label at 12
// dots per millimetre needs less than 4 million.
constexpr qint64 kMaxBeeldPunten = qint64(32) * 1024 * 1024;
constexpr qint64 kMaxBeeldPuntenTotaal = 4 * kMaxBeeldPunten;
constexpr int kMaxBeeldZijde = 32767;
// The largest design file: the reader does not take a bigger one into
// memory, and the writer refuses a design whose file would be bigger. Only
// text comes near it (thousands of lines of thousands of characters);
// pictures stay far below through the limits above.
constexpr qint64 kMaxBestandGrootte = qint64(64) << 20;
// Lengths and positions beyond a kilometre are no label; they only come
// from damage, and would overflow the pixel arithmetic of the drawing.
constexpr float kMaxMaat = 1.0e6f;

// The bounds of the values a design file holds, in one place: the reader
// refuses a file that passes one, and the writer refuses to write a design
// that would, so that whatever is saved can be read back.
// A length, position or angle (a Single): a number, and a sane one.
inline bool MaatPast(float maat) { return std::isfinite(maat) && std::fabs(maat) <= kMaxMaat; }
// One stored picture of this size in dots.
inline bool BeeldPast(qint64 breedte, qint64 hoogte) {
  return breedte > 0 && hoogte > 0 && breedte <= kMaxBeeldZijde && hoogte <= kMaxBeeldZijde &&
         breedte * hoogte <= kMaxBeeldPunten;
}
// A barcode's module width: automatic (0) or 1 to 10 dots.
inline bool ModulePast(qint16 module) { return module >= kModuleAutomatisch && module <= kGrootsteModule; }
// A crop rectangle: a part of the stored picture, which cropping is.
inline bool BronPast(qint64 x, qint64 y, qint64 breedte, qint64 hoogte, qint64 beeldBreedte, qint64 beeldHoogte) {
  return x >= 0 && y >= 0 && breedte >= 0 && hoogte >= 0 && x + breedte <= beeldBreedte && y + hoogte <= beeldHoogte;
}

// The records of a design file as read, before they become elements of the
// open design. Field names and widths are those of Voorwerp; the text and
// its font are the element's own text part.
struct TekstlijnRecord : Tekstdeel {
  Passend passend;  // version 5.0
  float Links = 0;
  float Boven = 0;
  float Breedte = 0;
  float Hoogte = 0;
};

struct FiguurRecord {
  float Links = 0;
  float Boven = 0;
  float Breedte = 0;
  float Hoogte = 0;
  // Only version 2 stores the crop rectangle; version 1 shows the whole
  // picture. When present it lies within the picture.
  bool MetBron = false;
  qint32 BronX = 0;
  qint32 BronY = 0;
  qint32 BronBreedte = 0;
  qint32 BronHoogte = 0;
  // The stored picture as a figure holds it: one bit, black on white
  // (colour 0 white, colour 1 black), whatever the file's picture was.
  QImage Afbeelding;
  // Version 5.0: how the figure becomes dots, and its grey values (null
  // when none were stored), the size of Afbeelding.
  Omzetting omzetting;
  QImage Grijs;
};

struct RondeTekstRecord : Tekstdeel {  // Uitlijning: the reference mode
  float Straal = 0;
  float Referentiepunt = 0;
  Bool16 Wijzerzin;
  float Links = 0;
  float Boven = 0;
  float Breedte = 0;
  float Hoogte = 0;
};

// A barcode of a version 4.0 file: where it goes in the element table
// (1-based, counted over all elements as they are read back), its box and
// its description.
struct StreepjescodeRecord {
  qint16 Index = 1;
  float Links = 0;
  float Boven = 0;
  float Breedte = 0;
  float Hoogte = 0;
  Streepjescode Code;
};

// Version 5.0, block 2: the list the design is printed with, by its file.
struct LijstVerwijzing {
  QString Relatief;  // from the design's folder, with "/"; empty: none
  QString Absoluut;
  bool Kopregel = false;
  QString AantalKolom;
  QString Rijkeuze;
  // Where the reader looks for it: the relative path from the design's
  // folder when the file is there, else the absolute one.
  QString Pad;
};

// A whole design file, read completely and checked.
struct GelezenEtiket {
  qint16 BestType = 1;  // 1, 2, 3 or 4, from the magic number
  QString FormaatNaam;
  int HuidigFormaat = 0;  // 1-based catalogue index of FormaatNaam
  std::vector<TekstlijnRecord> Lijnen;
  std::vector<FiguurRecord> Figuren;
  std::vector<RondeTekstRecord> RondeTeksten;  // always empty in version 1
  // Version 4.0 only; in ascending Index, each taking its place after the
  // elements above and the barcodes before it.
  std::vector<StreepjescodeRecord> Streepjescodes;
  // Version 5.0 only: the list it names.
  std::optional<LijstVerwijzing> Lijstbestand;
};

constexpr const char* kFoutTitel = "Fout";

}  // namespace files
