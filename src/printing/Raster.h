#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "model/EtiketFormaat.h"
#include "model/Voorwerp.h"
#include "printing/Layer.h"
#include "printing/Nummering.h"
#include "printing/Printertaal.h"
#include "printing/Rijbron.h"

namespace model {
class Ontwerp;
}
class QPainter;

namespace printing {

struct Apparaat;

// The message a job stops with when a barcode cannot be printed: the
// barcode's number among the design's barcodes, the copy when it is drawn
// per copy, and what is wrong.
QString StreepjescodeMelding(int codeNummer, std::optional<int> exemplaar, const QString& fout);
// The message for a barcode that does not lie wholly on the label.
QString StreepjescodeBuitenEtiket(int codeNummer);

// Rebuilds a round text's picture after its text changed; false when it
// makes none (a blank text), and the copy then shows nothing of it, as a
// text line of blanks shows nothing.
using RondeTekstMaker = std::function<bool(Voorwerp&)>;

// The canvas of a label: floor(W + 0.99) x floor(H + 0.99) mm at the
// printer's dots.
QSize EtiketCanvas(const EtiketFormaat& f, int puntenPerMm);
// The raster of a canvas: exact white -> 0, any other pixel -> 1, rows of
// Wr / 8 bytes (Wr the width rounded up to 16), Hr rows (a multiple of 8).
QByteArray RasterBits(const QImage& canvas, int* bytesPerRij, int* rijen);
// Rows to send: blank rows at the bottom dropped, never below 64 rows.
int RijenTeVersturen(const QByteArray& bits, int bytesPerRij, int rijen);
// Why a format cannot go to the printer at this resolution (a label wider
// or a graphic taller than the language's commands can say), or nothing.
std::optional<QString> PrinterGrenzen(const EtiketFormaat& f, int puntenPerMm, const Taalgrenzen& grenzen);
// The same for SBPL: 4095 dots across, 7992 rows.
std::optional<QString> PrinterGrenzen(const EtiketFormaat& f, int puntenPerMm);
// Draws a barcode for the printer, or stops the job when it cannot be drawn
// (throws OnafdrukbaarEtiket): `codeNummer` and `exemplaar` name it.
void TekenStreepjescodeOfStop(const Voorwerp& v, int codeNummer, std::optional<int> exemplaar, const EtiketFormaat& f,
                              QPainter& p, const Apparaat& a);

// The labels of one job, drawn for thousands of copies: what no copy can change (figures, texts without
// codes) is drawn once per shift of the label, and each copy draws only its
// numbered elements. Several threads may draw copies at once, each on a
// canvas of its own. Takes its own copy of what it needs from the design.
class Etiketdruk {
 public:
  // The blocks are written in `taal` (nothing: SBPL), its raster packed as
  // it packs it. Dates and times are those of `moment` (invalid: now).
  Etiketdruk(const Ontwerp& ontwerp, const EtiketFormaat& formaat, int puntenPerMm, const Nummering& nummering,
             RondeTekstMaker maakRondeTekst, const Printertaal* taal = nullptr, const QDateTime& moment = {});

  // One thread's canvas and raster, kept from label to label.
  struct Doek {
    QImage beeld;
    QByteArray bits;
  };
  // The block of copy `nummer` for the label's corner at (links, boven) mm.
  // The round-text maker runs on the calling thread.
  QByteArray DrukEenExemplaar(Doek& doek, float links, float boven, int nummer) const;
  // The same, under the name the SBPL route has always had.
  QByteArray DrukEenExemplaarSATO(Doek& doek, float links, float boven, int nummer) const {
    return DrukEenExemplaar(doek, links, boven, nummer);
  }

  // The element as copy n draws it: its codes replaced, a round text's
  // picture made for its text, with the circle's centre where it was.
  Voorwerp VoorExemplaar(const Voorwerp& v, int nummer) const;

  // The language the blocks are written in.
  const Printertaal& Taal() const { return *taal_; }

  // Whether each copy adds its black to the fixed layer's raster (no pasted
  // drawing after a numbered element, whose painting could cover it).
  bool AlleenZwart() const { return alleenZwart_; }

 private:
  struct Laag {
    QImage beeld;  // kept only when copies draw over it
    QByteArray bits;
  };
  std::shared_ptr<const Laag> VasteLaag(float dX, float dY) const;
  // Draws one element of copy `nummer` (nothing: the fixed layer); a
  // barcode that cannot be drawn throws OnafdrukbaarEtiket.
  void Teken(const Voorwerp& v, std::optional<int> nummer, QPainter& p, const Apparaat& a) const;

  EtiketFormaat formaat_;
  int ppm_;
  const Printertaal* taal_;
  NummeringBron bron_;
  RondeTekstMaker maakRondeTekst_;
  std::vector<Voorwerp> vast_;          // drawn once per shift, in table order
  std::vector<Voorwerp> perExemplaar_;  // drawn on every copy, in table order
  bool alleenZwart_ = true;
  std::map<quint32, int> codeNummers_;  // a barcode's number among the barcodes, by identity
  QSize maat_;
  int bytesPerRij_ = 0, rijen_ = 0;
  mutable std::mutex mutex_;
  mutable std::map<std::pair<quint32, quint32>, std::shared_ptr<const Laag>> lagen_;
};

}  // namespace printing
