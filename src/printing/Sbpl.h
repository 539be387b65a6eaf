#pragma once
#include <QByteArray>
#include <QImage>
#include <vector>

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

}  // namespace sbpl
