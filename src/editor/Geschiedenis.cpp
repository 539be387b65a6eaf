#include "editor/Geschiedenis.h"

namespace editor {

void Geschiedenis::Leg(Stap voor, const QString& sleutel) {
  opnieuw_.clear();
  const bool samen = !sleutel.isEmpty() && sleutel == laatsteSleutel_ && !ongedaan_.empty();
  laatsteSleutel_ = sleutel;
  if (samen) return;
  ongedaan_.push_back(std::move(voor));
  while (ongedaan_.size() > kMaxStappen) ongedaan_.pop_front();
}

std::optional<Stap> Geschiedenis::Wissel(std::deque<Stap>& van, std::deque<Stap>& naar, Stap nu) {
  laatsteSleutel_.clear();
  if (van.empty()) return std::nullopt;
  Stap stap = std::move(van.back());
  van.pop_back();
  naar.push_back(std::move(nu));
  return stap;
}

std::optional<Stap> Geschiedenis::Ongedaan(Stap nu) { return Wissel(ongedaan_, opnieuw_, std::move(nu)); }
std::optional<Stap> Geschiedenis::Opnieuw(Stap nu) { return Wissel(opnieuw_, ongedaan_, std::move(nu)); }

void Geschiedenis::Wis() {
  ongedaan_.clear();
  opnieuw_.clear();
  laatsteSleutel_.clear();
}

}  // namespace editor
