#pragma once
#include <initializer_list>
#include <type_traits>
#include "model/Layer.h"

namespace model {

// Smallest and largest of a list of numbers; of equal values the first is
// kept, a later one replaces it only when strictly smaller (larger).
namespace minmax_detail {
template <typename T>
T kies(std::initializer_list<T> waarden, bool kleinste) {
  auto it = waarden.begin();
  T r = *it;
  for (++it; it != waarden.end(); ++it)
    if (kleinste ? *it < r : *it > r) r = *it;
  return r;
}
}  // namespace minmax_detail

template <typename... A>
auto Minimum(A... waarden) {
  using T = std::common_type_t<A...>;
  return minmax_detail::kies<T>({static_cast<T>(waarden)...}, true);
}

template <typename... A>
auto Maximum(A... waarden) {
  using T = std::common_type_t<A...>;
  return minmax_detail::kies<T>({static_cast<T>(waarden)...}, false);
}

}  // namespace model
