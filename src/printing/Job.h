#pragma once
#include <QDateTime>
#include <QString>
#include <variant>

#include "files/Instellingen.h"
#include "model/EtiketFormaat.h"
#include "model/Ontwerp.h"
#include "printing/Afdrukjob.h"
#include "printing/Layer.h"
#include "printing/Sbpl.h"

class QIODevice;

namespace printing {

// A print job settled before it starts: the job holds its own copy of the
// design (numbering and list included), so the window may go on while it
// runs and nothing the user does reaches it.
struct Job {
  Ontwerp ontwerp;
  Afdrukopdracht opdracht;
  int puntenPerMm = 12;
  const Printertaal* taal = &sbpl::Taal();  // the printer model's language
  // What the job takes for now: every label of it has the same date.
  QDateTime moment = {};
};

// What a job is made from, as the window or the command line has it.
struct JobGegevens {
  const Ontwerp& ontwerp;
  const EtiketFormaat& formaat;
  const Instellingen& instellingen;  // printer model, speed and darkness
  float HorizontalShift = 0;         // mm
  float VerticalShift = 0;
  qint16 aantal = 1;  // copies of every number
  bool spaarstand = false;
  VelStand stand = {};  // a sheet held open, where the job will begin
  QDateTime moment = {};  // "today" for date codes; invalid: the clock's
};

// The job, or the message that tells the user why it cannot be printed:
// a label the printer's commands cannot describe, a label the job would
// place beyond the printer's positions, a list design without a list, a
// barcode not wholly on the label, one that does not fit its box or whose
// data is invalid (for a numbered one: for the first copy of the series;
// the others are found in order as they print).
std::variant<Job, QString> MaakJob(const JobGegevens& gegevens);

// Runs the job onto the output, the labels drawn by `werkers` threads (0:
// one per core); the stream is the same for any number. The progress is
// called on the calling thread, before every number of the series; true
// stops the job there. The sheet state changes only when everything was
// written, as with AfdrukkenSATO. A label that cannot be drawn stops the job
// with Jobuitkomst::Onafdrukbaar and its message in `waarom`; `etiketten`
// gets the labels the stream makes the printer print (see AfdrukkenSATO).
Jobuitkomst DrukJob(const Job& job, VelStand& stand, QIODevice& uit, const Voortgang& voortgang = {}, int werkers = 0,
                    QString* waarom = nullptr, qint64* etiketten = nullptr);

// The first label of the series whose barcode data cannot be encoded, as
// the message the job would stop with there; only the first `grens`
// numbers are looked at (the job finds later ones as it comes to them).
std::optional<QString> EersteOnafdrukbare(const Ontwerp& ontwerp, const Reeks& reeks, const Rijbron& bron,
                                          qint64 grens);

// The sheets the job's stream holds (each from its start to its end, with
// its quantity), counted from the walk alone, without drawing a label.
int TelVellen(const Job& job, const VelStand& stand);

}  // namespace printing
