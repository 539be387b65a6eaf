#pragma once
#include <QByteArray>
#include <optional>

#include "printing/Layer.h"
#include "printing/Printertaal.h"

class QIODevice;

namespace printing {

// ZPL II, the language of most label printers in shops and warehouses.
// Every row of labels goes out as one format (^XA .. ^XZ) with the labels
// as compressed graphic fields; the printer sees each row as a label of
// its own, so a sheet is the rows from one darkness command (~SD) to the
// next.
namespace zpl {

// A graphic in ZPL's own compression: hex digits with repeat counts, ','
// for the rest of a row blank and ':' for a row like the one above.
QByteArray Ingepakt(const char* data, int bytesPerRij, int rijen);
// The same dots as ":Z64:" data: zlib, base64 and the CRC the printer
// checks. About half the size of the above for a label of text and
// pictures, and what the job sends.
QByteArray Z64(const char* data, qsizetype lengte, int bytesPerRij);
// The dots of a graphic field's data in any of the forms above or plain
// hex; nothing when the data is damaged or does not give `lengte` bytes.
std::optional<QByteArray> Uitgepakt(const QByteArray& data, int bytesPerRij, qsizetype lengte);

// One label's graphic fields: its raster in strips across, each as Z64,
// the paper around its dots left off.
QByteArray Stroken(const Rasterblok& blok);

// The language behind the job's seam.
const Printertaal& Taal();

// Reads a stream a sheet at a time, holding no more of it than the
// sheet being read.
class Lezer : public Bufferlezer {
 public:
  explicit Lezer(QIODevice& bron) : Bufferlezer(bron) {}
  std::optional<Stroomvel> Volgende() override;

 private:
  // The parameters of the command just read: up to the next command.
  bool Parameters(QByteArray* uit);

  bool inFormaat_ = false;
  bool begonnen_ = false;  // a format or sheet has begun in this stream
  int rijBoven_ = 0;       // where the row being read begins on its sheet
  int lengte_ = 0;         // the row's label length
  int lhX_ = 0, lhY_ = 0, foX_ = 0, foY_ = 0;
};

}  // namespace zpl

}  // namespace printing
