#pragma once
#include <QByteArray>
#include <QString>
#include <memory>
#include <variant>

#include "files/EtiketBestand.h"
#include "files/Layer.h"
#include "model/EtiketFormaat.h"
#include "model/Voorwerp.h"

namespace files {

// Why a design file could not be read. Every message is shown under the
// title "Fout" (kFoutTitel) with an exclamation icon.
struct LeesFout {
  enum Soort {
    NietGevonden,     // no file at the path
    NietTeOpenen,     // there is one, but it cannot be opened or read
    GeenVellora,      // the magic number is not one of ours
    OnbekendFormaat,  // the label format is not in the catalogue
    Beschadigd,       // ends early, holds impossible values or trailing bytes,
                      // or a picture that does not decode
  };
  Soort soort = Beschadigd;
  QString pad;
  // The version the magic number gave (1 to 4), 0 when it was not read.
  qint16 BestType = 0;

  QString Melding() const;
};

using LeesUitkomst = std::variant<GelezenEtiket, LeesFout>;

// Reads the whole design file at fn and looks its format name up in the
// catalogue (exactly, letter case included, first match). Either every
// record is there and sound, or nothing is returned but the failure.
LeesUitkomst LeesEtiket(const QString& fn, const FormatenTabel& formaten);

// The same from the file's bytes already in memory; fn only names the file
// in the messages.
LeesUitkomst LeesEtiketUit(const QByteArray& bytes, const FormatenTabel& formaten, const QString& fn = {});

// Helpers for applying a record to the element created for it. The box
// (Links, Boven, Breedte, Hoogte) is left to PlaatsVoorwerp.
// Text line record fields 1 to 7.
void ZetTekstlijn(Voorwerp& v, const TekstlijnRecord& r);
// Round text record fields 1 to 10; the picture is to be rendered after.
void ZetRondeTekst(Voorwerp& v, const RondeTekstRecord& r);
// The figure's picture as an element owns it.
std::unique_ptr<Beeld> FiguurBeeld(const FiguurRecord& r);

}  // namespace files
