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

// Raised when a 16-bit number of the design would overflow; the text is
// what the user is shown.
class OverloopFout : public std::overflow_error {
 public:
  explicit OverloopFout(const char* tekst = "Overloop: het getal is te groot.");
};
inline constexpr const char* kTeVeelVoorwerpen = "Overloop: een ontwerp kan niet meer dan 32767 elementen bevatten.";

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

  // Deletes one element: later elements move down one place with their
  // selection marks and frames, the kind counter and the selection count
  // follow, HuidigeLijn keeps naming the same line (0 if it was this one),
  // and the element's picture is released. The caller notes the area first.
  void VerwijderVoorwerp(int index);
  // Removes every element (their areas are noted for repainting).
  void VerwijderVoorwerpen();

  // The lowest index of a selected element, 0 if none.
  int GeselecteerdVoorwerp() const;
  // Point (x, y) on or inside the element's box, edges included.
  bool PuntInVoorwerp(float x, float y, int index) const;
  // The element's box inside the rectangle, edges included.
  bool VoorwerpBinnen(int index, float links, float boven, float rechts, float onder) const;
  // The element under a point: of the elements there, one nested inside the
  // others wins; of equal boxes the lowest index. 0 when none.
  int ZoekVoorwerp(float x, float y) const;

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
