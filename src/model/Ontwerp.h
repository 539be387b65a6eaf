#pragma once
#include <QRectF>
#include <QString>
#include <stdexcept>
#include <vector>

#include "model/Bool16.h"
#include "model/SchermSchaal.h"
#include "model/Voorwerp.h"

// The selection frame of one element: a rectangle in picture mm that the
// label picture draws over its image, thick while the element is selected.
struct SelectieKader {
  float Links = 0;
  float Boven = 0;
  float Breedte = 0;
  float Hoogte = 0;
  bool Zichtbaar = false;
  int Rand = 1;  // border width: 2 selected, 1 not
};

// An area of the label (mm) to repaint at the next redraw.
struct Gebied {
  float Links = 0;
  float Boven = 0;
  float Breedte = 0;
  float Hoogte = 0;
};

// Raised when a counter of the design would pass 32767.
class OverloopFout : public std::overflow_error {
 public:
  OverloopFout();
};

// The one open design: its format, the element table (1-based, table order
// is drawing order), the counters, the selection marks and frames that run
// parallel to the table, and the repaint bookkeeping.
class Ontwerp {
 public:
  static constexpr int kMaxVoorwerpen = 32767;

  qint16 HuidigFormaat = 1;
  qint16 AantalVoorwerpen = 0;
  qint16 AantalLijnen = 0;
  qint16 AantalFiguren = 0;
  qint16 AantalRondeTeksten = 0;
  qint16 AantalGeselecteerd = 0;
  qint16 HuidigeLijn = 0;
  bool Bezig = false;
  qint16 Verborgen = 0;
  std::vector<Gebied> HertekenGebieden;
  QString Bestandsnaam;
  qint16 BestType = 0;

  // The screen mapping the frames and new elements follow.
  SchermSchaal Schaal;

  Voorwerp& voorwerp(int index) { return tabel_.at(slot(index)); }
  const Voorwerp& voorwerp(int index) const { return tabel_.at(slot(index)); }
  bool Geselecteerd(int index) const { return geselecteerd_.at(slot(index)); }
  void ZetGeselecteerd(int index, bool waarde) { geselecteerd_.at(slot(index)) = waarde; }
  SelectieKader& kader(int index) { return kaders_.at(slot(index)); }
  const SelectieKader& kader(int index) const { return kaders_.at(slot(index)); }
  qint16 AantalHertekenGebieden() const { return static_cast<qint16>(HertekenGebieden.size()); }

  // Appends an element of the given kind at the picture's top-left corner,
  // 10 by 5 mm, and returns its index. Throws OverloopFout at 32767.
  int NieuwVoorwerp(qint16 soort);

  // Every change of position or size goes through here. A width or height
  // not above 0 becomes 1, in the caller's variable too. Notes the old area
  // for repainting, stores the box, moves the frame one screen pixel outside
  // it and marks the element for redrawing.
  void PlaatsVoorwerp(int index, float& links, float& boven, float& breedte, float& hoogte);

  // Notes the element's current rectangle for the next redraw; 0 does nothing.
  void TeHertekenenVoorwerp(int index);

  // Moves element n's frame to exactly its box (after a new scale).
  void KaderOpVoorwerp(int index);

  // True when the counters agree with the table; used by the tests and checks.
  bool IsConsistent() const;

 private:
  size_t slot(int index) const {
    if (index < 1 || index > AantalVoorwerpen) throw std::out_of_range("element index");
    return static_cast<size_t>(index - 1);
  }
  std::vector<Voorwerp> tabel_;
  std::vector<bool> geselecteerd_;
  std::vector<SelectieKader> kaders_;

};

// Strict overlap of two areas: touching edges do not overlap.
bool Overlappen(const Gebied& a, const Gebied& b);
Gebied GebiedVan(const Voorwerp& v);
