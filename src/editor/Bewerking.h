#pragma once
#include <QSet>
#include <vector>

#include "editor/Layer.h"
#include "model/Ontwerp.h"
#include "model/SchermSchaal.h"

namespace editor {

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

// Which elements are selected and which text line the line box edits, by
// the elements' identities, so that it survives deletions and undo.
struct SelectieStand {
  std::vector<quint32> ids;
  quint32 huidigeLijn = 0;
};

// The open design and what the editor keeps beside it: the screen scale,
// the selection, the line being edited, and the hidden-frames and busy
// counters. No widgets: everything here can be tested without a window.
// A value like the design: whoever holds one may change it; the editor's
// own (Bewerker) is writable only inside a Wijziging.
class Bewerking {
 public:
  Bewerking() = default;
  explicit Bewerking(Ontwerp ontwerp) : ontwerp_(std::move(ontwerp)) {}

  Ontwerp& ontwerp() { return ontwerp_; }
  const Ontwerp& ontwerp() const { return ontwerp_; }
  Nummering& nummering() { return ontwerp_.nummering; }
  // Replaces the design; the selection keeps only elements still there.
  void ZetOntwerp(Ontwerp nieuw);

  // The screen mapping the frames and new elements follow.
  SchermSchaal Schaal;
  // A new element at the picture's top-left corner.
  int NieuwVoorwerp(SoortVoorwerp soort) { return ontwerp_.NieuwVoorwerp(soort, Schaal.ScaleLeft, Schaal.ScaleTop); }
  // Deleting keeps the selection and the edited line in step.
  void VerwijderVoorwerp(int index);
  void VerwijderVoorwerpen();

  bool Geselecteerd(int index) const { return selectie_.contains(ontwerp_.voorwerp(index).Id()); }
  void ZetGeselecteerd(int index, bool waarde);
  qint16 AantalGeselecteerd() const { return qint16(selectie_.size()); }
  // The lowest index of a selected element, 0 if none.
  int GeselecteerdVoorwerp() const;
  // The indexes of the selected elements, in table order.
  std::vector<int> GeselecteerdeVoorwerpen() const;
  void WisSelectie() { selectie_.clear(); }

  // The text line the line box edits, 0 for none.
  int HuidigeLijn() const { return ontwerp_.IndexVan(huidigeLijn_); }
  void ZetHuidigeLijn(int index) { huidigeLijn_ = index == 0 ? 0 : ontwerp_.voorwerp(index).Id(); }

  SelectieStand BewaarSelectie() const;
  void HerstelSelectie(const SelectieStand& s);

  // Element n's frame: its box one screen pixel wider all round, shown
  // while nothing hides the frames.
  SelectieKader Kader(int index) const;

  // Hiding the frames nests; a command hides them while it runs.
  int Verborgen = 0;
  // True while the program itself sets controls, or while the frames are
  // hidden for a command: the controls' handlers then leave the design alone.
  bool Bezig() const { return bezig_ > 0 || Verborgen < 0; }

  // Sets the busy mark for as long as it lives, however the block is left.
  class BezigBlok {
   public:
    explicit BezigBlok(Bewerking& b) : b_(b) { ++b_.bezig_; }
    ~BezigBlok() { --b_.bezig_; }
    BezigBlok(const BezigBlok&) = delete;
    BezigBlok& operator=(const BezigBlok&) = delete;

   private:
    Bewerking& b_;
  };

  // True when the selection names only elements of the design.
  bool IsConsistent() const;

 private:
  Ontwerp ontwerp_;
  QSet<quint32> selectie_;
  quint32 huidigeLijn_ = 0;
  int bezig_ = 0;
};

}  // namespace editor
