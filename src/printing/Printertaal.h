#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "printing/Layer.h"

class QIODevice;

namespace printing {

struct Afdrukopdracht;
struct VelStand;

// What a printer language can say: how a label's raster is packed and how
// far its commands reach, all in dots.
struct Taalgrenzen {
  int rijUitlijning = 8;     // a raster row is a whole number of this many dots
  int hoogteUitlijning = 1;  // the raster's rows are a whole number of this many
  int grootsteBreedte = 0;   // widest label canvas
  int grootsteHoogte = 0;    // tallest raster, rounded up to hoogteUitlijning
  int grootstePositie = 0;   // furthest a label's corner can be placed
  // Every row of labels is a page of its own to the printer: a label's
  // place is counted from its row's top, not from the sheet's.
  bool rijenApart = false;
};

// One label's raster at its place on the sheet: rows of bytesPerRij bytes,
// the leftmost dot in the top bit, bit 1 a printed dot. All the rows of the
// canvas are given; the language decides how many it sends.
struct Rasterblok {
  int v = 0;  // dots from the printer's origin, down
  int h = 0;  // and across
  int bytesPerRij = 0;
  int rijen = 0;
  const char* data = nullptr;
};

// A label as a stream gives it back: its place in dots and its dots.
struct Stroomlabel {
  int V = 0;
  int H = 0;
  QImage beeld;  // one bit per dot, black = a printed dot
};

// One sheet as a stream gives it back: the labels from its start (or the
// start of the stream, for a sheet held open by an earlier job) to its end.
struct Stroomvel {
  bool metKop = false;  // the stream began it
  int snelheid = -1;
  int intensiteit = -1;
  int aantal = 0;  // the quantity it is printed in; 0 when the stream closed it without one
  bool gesloten = false;
  std::vector<Stroomlabel> labels;
  // The sheet drawn with every label at its position, one bit a dot: white
  // paper, black dots; at least `minimaal` large.
  QImage Afbeelding(QSize minimaal = {}) const;
};

struct Stroomlezing {
  std::vector<Stroomvel> vellen;
  QString fout;  // empty when the whole stream was understood
};

// Reads a language's stream a sheet at a time, holding no more of it than
// the sheet being read.
class Stroomlezer {
 public:
  virtual ~Stroomlezer() = default;
  // The next sheet; nothing at the end of the stream or at a fault. A
  // sheet the stream leaves open comes at its end, or before the fault.
  virtual std::optional<Stroomvel> Volgende() = 0;
  // Empty when everything read so far was understood.
  virtual const QString& fout() const = 0;
};

// What a reader of a stream keeps: the bytes read and not yet used, the
// sheet being read and the first fault.
class Bufferlezer : public Stroomlezer {
 public:
  explicit Bufferlezer(QIODevice& bron) : bron_(bron) {}
  const QString& fout() const override { return fout_; }

 protected:
  // At least n bytes from i_ on in buf_; false at the end of the stream.
  // What has been used goes, so the buffer holds about a piece at a time.
  bool Zorg(qsizetype n);
  Stroomvel& Huidig();
  // The sheet being read, which the reader no longer holds.
  std::optional<Stroomvel> Af();
  // Reading ends here, with `tekst` and the place as the fault.
  std::optional<Stroomvel> Fout(const QString& tekst);

  QIODevice& bron_;
  QByteArray buf_;
  qsizetype i_ = 0;    // where reading goes on in buf_
  qint64 eerder_ = 0;  // bytes read before buf_ began
  std::optional<Stroomvel> vel_;
  QString fout_;
  bool klaar_ = false;
};

// A printer's command language, as the job speaks to it. The job walks
// the sheets and draws the labels; a language only says how that is
// written, and reads its own streams back for the preview. Every piece
// depends on its arguments alone: label blocks are made on several threads.
class Printertaal {
 public:
  virtual ~Printertaal() = default;
  virtual QString Naam() const = 0;
  virtual Taalgrenzen Grenzen() const = 0;

  // A new sheet begins; written just before its first label. The job is
  // printed at `puntenPerMm`.
  virtual QByteArray BeginVel(const Afdrukopdracht& opdracht, int puntenPerMm) const = 0;
  // A row of labels begins, `boven` mm from the printer's origin; written
  // just before the row's first label, also on a sheet held open.
  virtual QByteArray BeginRij(const Afdrukopdracht& opdracht, int puntenPerMm, float boven) const = 0;
  // One label.
  virtual QByteArray Etiket(const Rasterblok& blok) const = 0;
  // The row is full, or the job ends inside it; `aantal` is its sheet's quantity.
  virtual QByteArray EindeRij(int aantal) const = 0;
  // The sheet is done and printed `aantal` times.
  virtual QByteArray EindeVel(int aantal) const = 0;
  // Finishes a sheet economy mode left open, as `stand` says it was left.
  virtual QByteArray SluitOpenVel(const VelStand& stand) const = 0;

  virtual std::unique_ptr<Stroomlezer> Lezer(QIODevice& bron) const = 0;
};

// A whole stream read back in the language.
Stroomlezing Lees(const Printertaal& taal, const QByteArray& stroom);

}  // namespace printing
