#pragma once
#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <stdexcept>
#include <vector>

#include "model/EtiketFormaat.h"
#include "printing/Layer.h"
#include "printing/Nummering.h"

class QIODevice;

namespace printing {

// A sheet left open in the printer by economy mode, and where the next
// label goes on it.
struct VelStand {
  bool VelOpen = false;
  qint16 VolgendeRij = 1;
  qint16 VolgendeKolom = 1;
};

// Everything one job needs besides the design.
struct Afdrukopdracht {
  EtiketFormaat formaat;
  float HorizontalShift = 0;  // the format's stored print offset, mm
  float VerticalShift = 0;
  qint16 PrintSpeed = 1;
  qint16 Intensity = 5;
  qint16 Aantal = 1;      // copies of every number (times its row's quantity, see Reeks)
  bool Spaarstand = false;  // economy mode: keep a partly filled sheet open
  Reeks reeks;
  // At most this many sheets, a preview's worth; 0: the whole job. A job
  // cut off there ends as stopped, after its last whole sheet.
  int GrootsteVellen = 0;
};

// Writes one label block for the label's corner at (links, boven) mm and copy n.
using EtiketBlok = std::function<QByteArray(float links, float boven, int nummer)>;
// Called before every number of the series; true stops the job there.
using Voortgang = std::function<bool(int nummer, int laatste)>;

// Onafdrukbaar: a label could not be drawn (a barcode that does not fit its
// box or whose data this copy makes invalid); the job stopped before it,
// finishing the sheet as a stop does, and says why.
enum class Jobuitkomst { Klaar, Gestopt, Schrijffout, Onafdrukbaar };

// Thrown by a label block that cannot be printed; `melding` names the
// element and says what is wrong, in words for the user.
class OnafdrukbaarEtiket : public std::runtime_error {
 public:
  explicit OnafdrukbaarEtiket(QString tekst)
      : std::runtime_error("label cannot be printed"), melding(std::move(tekst)) {}
  QString melding;
};

// The walk of a job over its sheets, a step at a time: the numbers of the
// series, the sheet headers, every label's place and the full sheets, in
// the order the stream gets them. AfdrukkenSATO writes what it says; a job
// drawing its labels ahead walks a second one to learn which labels come.
class Velgang {
 public:
  enum class Stap {
    Nummer,  // the next number of the series begins: nummer()
    Kop,     // a new sheet begins
    Etiket,  // a label at (x(), y()) for nummer()
    VolVel,  // the sheet is full: its quantity is q()
    Einde,   // the series is done, or stopped (gestopt())
  };

  // rijenApart: each row is a page of its own, whose labels all lie at
  // the first row's height (see Taalgrenzen).
  Velgang(const Afdrukopdracht& opdracht, const VelStand& stand, bool rijenApart = false);
  Stap Volgende();
  // The progress asked to stop: the walk ends before this number's labels.
  void Stop();

  int nummer() const { return nummer_; }
  float x() const { return x_; }
  float y() const { return y_; }
  int q() const { return q_; }
  int rij() const { return rij_; }
  int kolom() const { return kolom_; }
  bool gestopt() const { return gestopt_; }

 private:
  enum class Fase { BijNummer, Plek, EtiketNu, NaEtiket, Klaar };
  const Afdrukopdracht* o_;
  std::vector<int> nummers_;
  size_t index_ = 0;
  Fase fase_ = Fase::BijNummer;
  int nummer_ = 0, kopieen_ = 0, gedaan_ = 0, rij_ = 1, kolom_ = 1, q_ = 1, vellen_ = 0, perVel_ = 1;
  float x0_ = 0, y0_ = 0, x_ = 0, y_ = 0;
  bool gestopt_ = false;
  bool rijenApart_ = false;
};

class Printertaal;
struct Taalgrenzen;

// Runs the job onto the output in the printer's language: lays the copies
// out over the sheets, groups identical sheets into one with a quantity,
// and in economy mode leaves the last partly filled sheet open. The sheet state changes only
// when everything was written. A label block that throws OnafdrukbaarEtiket
// stops the job there; its message goes to `waarom`. `etiketten` gets the
// labels the printer will print from the stream: every label block times
// the quantity its sheet is closed with (a sheet left open in economy mode
// counts each label once, as closing it prints it once).
// `puntenPerMm` is the printer's resolution, which the blocks of `label`
// were drawn at.
Jobuitkomst Afdrukken(const Printertaal& taal, int puntenPerMm, const Afdrukopdracht& opdracht, VelStand& stand,
                      const EtiketBlok& label, QIODevice& uit, const Voortgang& voortgang = {},
                      QString* waarom = nullptr, qint64* etiketten = nullptr);
// The job in SBPL, the language of the VL models.
Jobuitkomst AfdrukkenSATO(const Afdrukopdracht& opdracht, VelStand& stand, const EtiketBlok& label, QIODevice& uit,
                          const Voortgang& voortgang = {}, QString* waarom = nullptr, qint64* etiketten = nullptr);

// "N etiketten zijn afgedrukt.", for the message of a job that stopped on a label.
QString AfgedruktZin(qint64 etiketten);

// A label the job would place further from the printer's origin than the
// language's commands reach: its row and column on the sheet and the
// position it would get.
struct VerrePlek {
  int rij = 0, kolom = 0, punten = 0;
};
// The first such label of the job as it will be walked from `stand`, or
// nothing. Only the places labels really get count; since they repeat
// from sheet to sheet, the walk ends after at most two sheets' worth.
std::optional<VerrePlek> EersteVerrePlek(const Afdrukopdracht& opdracht, const VelStand& stand, int puntenPerMm,
                                         const Taalgrenzen& grenzen);

}  // namespace printing
