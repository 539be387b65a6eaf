#pragma once
#include <QByteArray>
#include <QImage>
#include <optional>
#include <vector>
#include "printing/Layer.h"

class QIODevice;

namespace printing {

// The pieces of the label printers' command language this program writes,
// and a reader of such streams for previews and tests.
namespace sbpl {

inline constexpr char kEsc = 27;

QByteArray StartVel();                      // ESC "A"
QByteArray Snelheid(int snelheid);          // ESC "CS" n
QByteArray Intensiteit(int intensiteit);    // ESC "#E" n
QByteArray Aantal(int aantal);              // ESC "Q" nnnnnn
QByteArray EindeVel();                      // ESC "Z"
// ESC "V" vvvv, ESC "H" hhhh, ESC "GB" www hhh, then the raster rows.
QByteArray Grafiek(int v, int h, int bytesPerRij, int rijen, const char* data);

// One label block as read back.
struct Label {
  int V = 0;
  int H = 0;
  QImage beeld;  // one bit per dot, black = a printed dot
};

// One sheet as read back: the labels between ESC "A" (or the start of the
// stream, for a sheet held open by an earlier job) and ESC "Z".
struct Vel {
  bool metKop = false;  // began with ESC "A"
  int snelheid = -1;
  int intensiteit = -1;
  int aantal = 0;  // from ESC "Q"; 0 when the stream closed it without one
  bool gesloten = false;
  std::vector<Label> labels;
  // The sheet drawn with every label at its position, one bit a dot: white
  // paper, black dots; at least `minimaal` large.
  QImage Afbeelding(QSize minimaal = {}) const;
};

struct Lezing {
  std::vector<Vel> vellen;
  QString fout;  // empty when the whole stream was understood
};

Lezing Lees(const QByteArray& stroom);

// Reads a stream from a device a sheet at a time, holding no more of it
// than the sheet being read: a preview of a job of thousands of sheets
// stays as small as one.
class Lezer {
 public:
  explicit Lezer(QIODevice& bron) : bron_(bron) {}
  // The next sheet; nothing at the end of the stream or at a fault. A
  // sheet the stream leaves open comes at its end, or before the fault.
  std::optional<Vel> Volgende();
  // Empty when everything read so far was understood.
  const QString& fout() const { return fout_; }

 private:
  bool Zorg(qsizetype n);
  bool Is(const char* commando);
  bool Getal(int cijfers, int* uit);
  std::optional<Vel> Fout(const QString& tekst);
  Vel& Huidig();
  std::optional<Vel> Af();

  QIODevice& bron_;
  QByteArray buf_;
  qsizetype i_ = 0;     // where reading goes on in buf_
  qint64 eerder_ = 0;   // bytes read before buf_ began
  int v_ = 0, h_ = 0;   // the position the next graphic gets
  std::optional<Vel> vel_;
  QString fout_;
  bool klaar_ = false;
};

}  // namespace sbpl

}  // namespace printing
