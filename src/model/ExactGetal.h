#pragma once
#include <QtGlobal>
#include <bit>
#include <type_traits>
#include "model/Layer.h"

namespace model {

// A single-precision number that compares by its bits: a NaN read from a
// file equals itself and -0 differs from 0, so comparing two designs never
// misses a change nor invents one. Everything else sees a plain float, so
// the parts of an element can derive their equality instead of listing
// their fields by hand.
class ExactGetal {
 public:
  constexpr ExactGetal(float w = 0) : w_(w) {}
  constexpr operator float() const { return w_; }
  constexpr float waarde() const { return w_; }
  ExactGetal& operator+=(float d) { return w_ += d, *this; }
  ExactGetal& operator-=(float d) { return w_ -= d, *this; }
  ExactGetal& operator*=(float d) { return w_ *= d, *this; }
  ExactGetal& operator/=(float d) { return w_ /= d, *this; }
  friend constexpr bool operator==(ExactGetal a, ExactGetal b) {
    return std::bit_cast<quint32>(a.w_) == std::bit_cast<quint32>(b.w_);
  }
  // Against a plain number it is a plain number.
  template <typename T>
    requires std::is_arithmetic_v<T>
  friend constexpr bool operator==(ExactGetal a, T b) {
    return a.w_ == b;
  }

 private:
  float w_;
};

}  // namespace model
