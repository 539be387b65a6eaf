#pragma once
#include <QString>
#include <memory>
#include <stdexcept>
#include <vector>

#include "model/Layer.h"
#include "model/Nummering.h"
#include "model/Voorwerp.h"

namespace model {

// Raised when a 16-bit number of the design would overflow; the text is
// what the user is shown.
class OverloopFout : public std::overflow_error {
 public:
  explicit OverloopFout(const char* tekst = "Overloop: het getal is te groot.");
};
inline constexpr const char* kTeVeelVoorwerpen = "Overloop: een ontwerp kan niet meer dan 32767 elementen bevatten.";

// A label design as a value: its format, its elements (1-based, table order
// is drawing order), its file name and version. Copying it is cheap: the
// copies share every element until one of them changes it, and then only
// that element is copied. The counts of each kind follow the table; nothing
// outside can set them.
class Ontwerp {
 public:
  static constexpr int kMaxVoorwerpen = 32767;

  qint16 HuidigFormaat = 1;
  QString Bestandsnaam;
  qint16 BestType = 0;
  Nummering nummering;
  // Where the single figure was put beside the text (above, left, ...; 0
  // for nowhere): automatic arrangement keeps that side clear. Part of the
  // design, so undo takes it back with the layout; a file does not keep it.
  qint16 Figuurplaats = 0;

  qint16 AantalVoorwerpen() const { return qint16(tabel_.size()); }
  qint16 AantalLijnen() const { return lijnen_; }
  qint16 AantalFiguren() const { return figuren_; }
  qint16 AantalRondeTeksten() const { return rond_; }
  qint16 AantalStreepjescodes() const { return codes_; }

  // Changing access: an element shared with a copy is copied first.
  Voorwerp& voorwerp(int index) {
    std::shared_ptr<Voorwerp>& v = tabel_.at(slot(index));
    if (v.use_count() > 1) v = std::make_shared<Voorwerp>(*v);
    return *v;
  }
  const Voorwerp& voorwerp(int index) const { return *tabel_.at(slot(index)); }
  // True when element `index` is still the very element `andere` of
  // `ander`, shared and untouched since one was copied from the other.
  bool Gedeeld(int index, const Ontwerp& ander, int andere) const {
    return tabel_.at(slot(index)) == ander.tabel_.at(ander.slot(andere));
  }
  // The index of the element with this identity, 0 when it is not there.
  int IndexVan(quint32 id) const;

  // Appends an element of the given kind with its top-left corner at
  // (links, boven), 10 by 5 mm, and returns its index. Throws OverloopFout
  // at 32767.
  int NieuwVoorwerp(SoortVoorwerp soort, float links = 0, float boven = 0);
  // The same, but the new element takes place `index` (1 to one past the
  // last) and the elements from there on move up one.
  int NieuwVoorwerpOp(int index, SoortVoorwerp soort, float links = 0, float boven = 0);
  // Appends a copy of element `index` as an element of its own (a new
  // identity; pictures stay shared until one side changes) and returns its
  // index. Throws OverloopFout at 32767.
  int VoegKopieToe(int index);
  // Another kind for an element (a text line turned round, or back).
  void ZetSoort(int index, SoortVoorwerp soort);

  // Stores an element's box; a width or height not above 0 becomes 1, in
  // the caller's variable too.
  void PlaatsVoorwerp(int index, float& links, float& boven, float& breedte, float& hoogte);

  // Deletes one element: later elements move down one place and the
  // element's picture is released unless a copy still holds it.
  void VerwijderVoorwerp(int index);
  void VerwijderVoorwerpen();

  // Point (x, y) on or inside the element's box, edges included.
  bool PuntInVoorwerp(float x, float y, int index) const;
  // The element's box inside the rectangle, edges included.
  bool VoorwerpBinnen(int index, float links, float boven, float rechts, float onder) const;
  // The element under a point: of the elements there, one nested inside the
  // others wins; of equal boxes the lowest index. 0 when none.
  int ZoekVoorwerp(float x, float y) const;

  // True when the counts agree with the table; used by the tests and checks.
  bool IsConsistent() const;

 private:
  size_t slot(int index) const {
    if (index < 1 || index > AantalVoorwerpen()) throw std::out_of_range("element index");
    return static_cast<size_t>(index - 1);
  }
  void Tel(SoortVoorwerp soort, int richting);

  std::vector<std::shared_ptr<Voorwerp>> tabel_;
  qint16 lijnen_ = 0;
  qint16 figuren_ = 0;
  qint16 rond_ = 0;
  qint16 codes_ = 0;
  quint32 volgendeId_ = 1;
};

// Same format, figure place and the same elements, identities included, in
// the same order. The file name and version and the numbering are not compared:
// undo does not take them back.
bool ZelfdeInhoud(const Ontwerp& a, const Ontwerp& b);

}  // namespace model
