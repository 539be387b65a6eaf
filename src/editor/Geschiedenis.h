#pragma once
#include <QString>
#include <deque>
#include <optional>

#include "editor/Bewerking.h"
#include "editor/Layer.h"

namespace editor {

// One state of the design for undo and redo, with the selection it had.
struct Stap {
  Ontwerp ontwerp;
  SelectieStand selectie;
  // Which state of the design this is: every change makes a new one, so a
  // state that was saved is known again after undo or redo.
  quint64 stand = 0;
  // Which design the state belongs to ("Kiezen" starts another one in the
  // same history), and the state of that design last saved.
  quint64 ontwerpNr = 0;
  quint64 bewaardeStand = 0;
};

// Undo and redo as a list of design snapshots. A snapshot shares its texts
// and pictures with the design, so a step costs little more than its
// element table.
class Geschiedenis {
 public:
  static constexpr size_t kMaxStappen = 100;

  // Notes the state before a change. A change with the same non-empty key
  // as the one just before it (typing in one line) joins that step. Any
  // change ends what could be redone.
  void Leg(Stap voor, const QString& sleutel = {});
  // The next change starts a step of its own, whatever its key.
  void Onderbreek() { laatsteSleutel_.clear(); }

  bool KanOngedaan() const { return !ongedaan_.empty(); }
  bool KanOpnieuw() const { return !opnieuw_.empty(); }
  // The state to go back to; `nu` is kept for redo. Empty when there is none.
  std::optional<Stap> Ongedaan(Stap nu);
  std::optional<Stap> Opnieuw(Stap nu);

  void Wis();
  size_t AantalStappen() const { return ongedaan_.size(); }

 private:
  // Takes the last state of one list back and keeps `nu` on the other.
  std::optional<Stap> Wissel(std::deque<Stap>& van, std::deque<Stap>& naar, Stap nu);

  std::deque<Stap> ongedaan_;
  std::deque<Stap> opnieuw_;
  QString laatsteSleutel_;
};

}  // namespace editor
