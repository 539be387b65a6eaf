#include "printing/Werkploeg.h"

#include <bit>

namespace printing {

Werkploeg::Werkploeg(const Etiketdruk& druk, const Afdrukopdracht& opdracht, const VelStand& stand, int werkers)
    : druk_(druk), gang_(opdracht, stand, druk.Taal().Grenzen().rijenApart) {
  // Enough labels in flight to keep every thread busy while the job writes.
  venster_.resize(size_t(std::max(1, werkers)) * 4);
  try {
    for (int i = 0; i < werkers; ++i) draden_.emplace_back([this] { Werk(); });
  } catch (const std::system_error&) {
    // No more threads: the ones there are do the work, or the job itself.
  }
}

Werkploeg::~Werkploeg() {
  {
    std::lock_guard<std::mutex> slot(mutex_);
    stop_ = true;
  }
  werk_.notify_all();
  for (std::thread& d : draden_) d.join();
}

void Werkploeg::Werk() {
  Etiketdruk::Doek doek;
  for (;;) {
    Plek* plek = nullptr;
    {
      std::unique_lock<std::mutex> slot(mutex_);
      werk_.wait(slot, [this] { return stop_ || (!opGang_ && uitgedeeld_ < afgehaald_ + venster_.size()); });
      if (stop_) return;
      Velgang::Stap s;
      while ((s = gang_.Volgende()) != Velgang::Stap::Etiket && s != Velgang::Stap::Einde) {
      }
      if (s == Velgang::Stap::Einde) {
        opGang_ = true;
        klaar_.notify_all();
        continue;
      }
      plek = &venster_[uitgedeeld_++ % venster_.size()];
      *plek = Plek{gang_.x(), gang_.y(), gang_.nummer(), false, {}, nullptr};
    }
    QByteArray blok;
    std::exception_ptr fout;
    try {
      blok = druk_.DrukEenExemplaar(doek, plek->x, plek->y, plek->nummer);
    } catch (...) {
      fout = std::current_exception();
    }
    {
      std::lock_guard<std::mutex> slot(mutex_);
      plek->blok = std::move(blok);
      plek->fout = fout;
      plek->klaar = true;
    }
    klaar_.notify_all();
  }
}

QByteArray Werkploeg::Volgende(float x, float y, int nummer) {
  std::unique_lock<std::mutex> slot(mutex_);
  if (!draden_.empty())
    klaar_.wait(slot, [this] {
      return (afgehaald_ < uitgedeeld_ && venster_[afgehaald_ % venster_.size()].klaar) ||
             (opGang_ && afgehaald_ >= uitgedeeld_);
    });
  Plek* plek = afgehaald_ < uitgedeeld_ ? &venster_[afgehaald_ % venster_.size()] : nullptr;
  // The walk here and the job's are the same walk; should they ever part,
  // the job's label is drawn as it asks.
  if (!plek || std::bit_cast<quint32>(plek->x) != std::bit_cast<quint32>(x) ||
      std::bit_cast<quint32>(plek->y) != std::bit_cast<quint32>(y) || plek->nummer != nummer) {
    slot.unlock();
    return druk_.DrukEenExemplaar(eigenDoek_, x, y, nummer);
  }
  ++afgehaald_;
  QByteArray blok = std::move(plek->blok);
  const std::exception_ptr fout = plek->fout;
  plek->blok = {};
  plek->klaar = false;
  slot.unlock();
  werk_.notify_all();
  if (fout) std::rethrow_exception(fout);
  return blok;
}

}  // namespace printing
