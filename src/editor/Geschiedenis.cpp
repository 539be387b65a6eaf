#include "editor/Geschiedenis.h"

void Geschiedenis::Leg(Stap voor, const QString& sleutel) {
  opnieuw_.clear();
  const bool samen = !sleutel.isEmpty() && sleutel == laatsteSleutel_ && !ongedaan_.empty();
  laatsteSleutel_ = sleutel;
  if (samen) return;
  ongedaan_.push_back(std::move(voor));
  while (ongedaan_.size() > kMaxStappen) ongedaan_.pop_front();
}

std::optional<Stap> Geschiedenis::Ongedaan(Stap nu) {
  laatsteSleutel_.clear();
  if (ongedaan_.empty()) return std::nullopt;
  Stap terug = std::move(ongedaan_.back());
  ongedaan_.pop_back();
  opnieuw_.push_back(std::move(nu));
  return terug;
}

std::optional<Stap> Geschiedenis::Opnieuw(Stap nu) {
  laatsteSleutel_.clear();
  if (opnieuw_.empty()) return std::nullopt;
  Stap vooruit = std::move(opnieuw_.back());
  opnieuw_.pop_back();
  ongedaan_.push_back(std::move(nu));
  return vooruit;
}

void Geschiedenis::Wis() {
  ongedaan_.clear();
  opnieuw_.clear();
  laatsteSleutel_.clear();
}
