#pragma once
#include <QList>
#include <array>
#include <QPair>
#include <QString>
#include "files/Layer.h"

namespace platform {
class SettingsStore;
}

namespace files {

// The stored "Printer" values run from 1 to this: the printer models' table
// gives each model one (a test holds the two together).
inline constexpr qint16 kHoogstePrinter = 5;

// The program's settings as kept between runs.
struct Instellingen {
  QString FileFolder;
  QString ImageFolder;
  // The model of the chosen connection, which the next job uses: 1 VL200,
  // 2 VL300, up to kHoogstePrinter.
  qint16 Printer = 1;
  // Each connection's own model (connection 1 first); stored as
  // PrinterModel1 to PrinterModel4, a connection without its own taking
  // the stored Printer.
  std::array<qint16, 4> PrinterModel{1, 1, 1, 1};
  qint16 PrinterPort = 1;  // 1-3 device or file, 4 operating-system printer
  qint16 PrintSpeed = 1;   // 1-5
  qint16 Intensity = 5;    // 1-5
  QString WindowsPrinter;
  QString Printer1 = QStringLiteral("lpt1:");
  QString Printer2 = QStringLiteral("lpt2:");
  QString Printer3 = QStringLiteral("lpt3:");
  QString Shell1;
  QString Shell2;
  QString Shell3;
  // How long a printer on the network may take to answer, and to take the
  // next byte of a job, in seconds; set by hand only.
  double ConnectTimeout = 10;
  double WriteTimeout = 60;
  // Gallery name and folder, in the store's order.
  QList<QPair<QString, QString>> Galerijen;
};

// The main window's place as stored: twips, and 0 normal, 1 minimised, 2 maximised.
struct VensterPlaats {
  double Links = 0;
  double Boven = 0;
  double Hoogte = 0;
  double Breedte = 0;
  int Stijl = 0;
};

// Everything start-up reads from the store besides the text defaults.
struct OpgeslagenStand {
  int Formaat = 1;
  bool Spaarstand = true;
  bool ToonAfdrukbaarGebied = false;
  Instellingen instellingen;
  VensterPlaats venster;
};

// Reads the stored state; missing entries give the defaults, a stored
// integer that is no number gives 0. The printer's settings are brought
// within the ranges above, to the nearest end: a value edited by hand must
// not reach the printer as a command it does not know. programmaMap is the
// default of FileFolder; ontwerpStijl the window state used when none is
// stored.
OpgeslagenStand LeesStand(const platform::SettingsStore& s, const QString& programmaMap, int ontwerpStijl);

// Writes what every save writes, in its order.
void BewaarStand(platform::SettingsStore& s, int formaat, const VensterPlaats& venster, bool spaarstand,
                 bool toonAfdrukbaarGebied, const Instellingen& i);

// The print offset of one format, stored under the format's name exactly
// as typed ("0" when absent).
struct Verschuiving {
  QString Horizontaal = QStringLiteral("0");
  QString Verticaal = QStringLiteral("0");
};
Verschuiving LeesVerschuiving(const platform::SettingsStore& s, const QString& formaat);
void BewaarVerschuiving(platform::SettingsStore& s, const QString& formaat, const Verschuiving& v);
// The offsets in mm; text that is no number counts as 0, and an offset is
// at most kGrootsteVerschuiving either way: further off than any printer
// reaches, yet a number the dot arithmetic can hold.
inline constexpr double kGrootsteVerschuiving = 10000;
float HorizontaleVerschuiving(const platform::SettingsStore& s, const QString& formaat);
float VerticaleVerschuiving(const platform::SettingsStore& s, const QString& formaat);

// A stored integer: the leading number of the text, rounded, kept within 16 bits.
qint16 LeesInteger(const QString& tekst);

// The window rectangle to restore, clamped to the screen (all in twips):
// at least as large as the window is now, at most the screen.
VensterPlaats KlemVenster(const VensterPlaats& opgeslagen, double huidigeBreedte, double huidigeHoogte,
                          double schermBreedte, double schermHoogte);
// Whether a stored rectangle is restored at all: normal state, all four above 0.
bool HerstelVenster(const VensterPlaats& opgeslagen);

}  // namespace files
