#pragma once
#include <QtGlobal>
#include "model/Layer.h"

namespace model {

// A 16-bit boolean as the design file holds it: the program writes -1 for
// true and 0 for false, and reads any non-zero value as true. The stored
// value is kept, so a design read and written again keeps its bytes.
class Bool16 {
 public:
  constexpr Bool16() = default;
  constexpr Bool16(bool b) : v_(b ? -1 : 0) {}
  static constexpr Bool16 fromRaw(qint16 raw) {
    Bool16 b;
    b.v_ = raw;
    return b;
  }
  constexpr operator bool() const { return v_ != 0; }
  constexpr qint16 raw() const { return v_; }
  // The stored value, so that a design compares as its file would.
  friend constexpr bool operator==(Bool16 a, Bool16 b) { return a.v_ == b.v_; }

 private:
  qint16 v_ = 0;
};

}  // namespace model
