#pragma once
#include <QByteArray>
#include <functional>

#include "model/EtiketFormaat.h"
#include "printing/Nummering.h"

class QIODevice;

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
  qint16 Aantal = 1;      // copies of every number
  bool Spaarstand = false;  // economy mode: keep a partly filled sheet open
  Reeks reeks;
  // At most this many sheets, a preview's worth; 0: the whole job. A job
  // cut off there ends as stopped, after its last whole sheet.
  int GrootsteVellen = 0;
};

// Writes one label block for the label's corner at (links, boven) mm and copy n.
using LabelBlok = std::function<QByteArray(float links, float boven, int nummer)>;
// Called before every number of the series; true stops the job there.
using Voortgang = std::function<bool(int nummer, int laatste)>;

enum class Jobuitkomst { Klaar, Gestopt, Schrijffout };

// Runs the job onto the output: lays the copies out over the sheets,
// groups identical sheets into one with a quantity, and in economy mode
// leaves the last partly filled sheet open. The sheet state changes only
// when everything was written.
Jobuitkomst AfdrukkenSATO(const Afdrukopdracht& opdracht, VelStand& stand, const LabelBlok& label, QIODevice& uit,
                          const Voortgang& voortgang = {});

// What finishes a sheet held open: its quantity was never sent, so the
// printer is told to print it once.
QByteArray AfsluitReeks();

// The largest horizontal and vertical position in dots any label of the
// job can get; positions are written with four digits.
int GrootstePositie(const Afdrukopdracht& opdracht, int puntenPerMm);
