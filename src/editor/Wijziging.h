#pragma once
#include <QString>
#include "editor/Layer.h"

namespace model {
class Ontwerp;
}

namespace editor {

class Bewerker;
class Bewerking;

// Every command that changes the design runs inside one of these. It hides
// the selection frames and handles when it starts and notes the design as
// it was. When it ends, however the command ends, even by an exception, it
// repaints exactly the elements that changed (old and new place), shows
// the frames and handles again and records the step for undo. Nested
// scopes make one change. Changes with the same non-empty key one after
// another (typing in one line) make one undo step. A scope left by an
// exception puts the design and the selection back as they were when it
// began: a refused command leaves nothing half made and no undo step.
// The design can only be written through the scope, so no write escapes it.
class Wijziging {
 public:
  explicit Wijziging(Bewerker& bewerker, const QString& samenvoegen = {});
  ~Wijziging();
  Wijziging(const Wijziging&) = delete;
  Wijziging& operator=(const Wijziging&) = delete;

  // The design and the editor's operations on it (adding and deleting
  // elements with their selection, replacing the whole design).
  Ontwerp& ontwerp();
  Bewerking& bewerking();

 private:
  Bewerker& bewerker_;
  int uitzonderingen_;
};

}  // namespace editor
