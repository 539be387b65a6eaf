#pragma once
#include <QByteArray>
#include <QImage>
#include <optional>
#include <vector>
#include "printing/Layer.h"
#include "printing/Printertaal.h"

class QIODevice;

namespace printing {

// SBPL, the command language of the VL models: the pieces this program
// writes, and a reader of such streams for previews and tests.
namespace sbpl {

inline constexpr char kEsc = 27;

QByteArray StartVel();                      // ESC "A"
QByteArray Snelheid(int snelheid);          // ESC "CS" n
QByteArray Intensiteit(int intensiteit);    // ESC "#E" n
QByteArray Aantal(int aantal);              // ESC "Q" nnnnnn
QByteArray EindeVel();                      // ESC "Z"
// ESC "V" vvvv, ESC "H" hhhh, ESC "GB" www hhh, then the raster rows.
QByteArray Grafiek(int v, int h, int bytesPerRij, int rijen, const char* data);

// What the reader gives back, the same for every language.
using Label = Stroomlabel;
using Vel = Stroomvel;
using Lezing = Stroomlezing;

Lezing Lees(const QByteArray& stroom);

// The language behind the job's seam: the pieces above, with the raster
// packed to whole 16-dot rows and 8-row blocks, blank rows at the bottom
// left off.
const Printertaal& Taal();

// Reads a stream from a device a sheet at a time, holding no more of it
// than the sheet being read: a preview of a job of thousands of sheets
// stays as small as one.
class Lezer : public Bufferlezer {
 public:
  explicit Lezer(QIODevice& bron) : Bufferlezer(bron) {}
  // The next sheet; nothing at the end of the stream or at a fault. A
  // sheet the stream leaves open comes at its end, or before the fault.
  std::optional<Vel> Volgende() override;

 private:
  bool Is(const char* commando);
  bool Getal(int cijfers, int* uit);

  int v_ = 0, h_ = 0;  // the position the next graphic gets
};

}  // namespace sbpl

}  // namespace printing
