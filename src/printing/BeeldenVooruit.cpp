#include "printing/BeeldenVooruit.h"

#include <algorithm>

#include "model/GetekendBeeld.h"

namespace printing {

namespace {

// How far the threads may get ahead of the loop.
constexpr size_t kMaxVooruit = 64;
constexpr qint64 kMaxVooruitBytes = kGetekendeBeeldenBudget / 4;

}  // namespace

BeeldenVooruit::BeeldenVooruit(std::vector<std::shared_ptr<const Beeld>> beelden)
    : beelden_(std::move(beelden)), stand_(beelden_.size(), Vrij), bytes_(beelden_.size(), 0) {
  // Pictures that are kept are there already.
  for (size_t i = 0; i < beelden_.size(); ++i)
    if (!beelden_[i] || !beelden_[i]->teken || !beelden_[i]->raster.isNull()) stand_[i] = Klaar;
  const unsigned kernen = std::thread::hardware_concurrency();
  const unsigned draden = std::min(kernen > 1 ? kernen - 1 : 0u, 3u);
  // A handful of pictures is drawn sooner than threads are started.
  if (beelden_.size() < 8) return;
  try {
    for (unsigned i = 0; i < draden; ++i) draden_.emplace_back([this] { Werk(); });
  } catch (const std::system_error&) {
    // No more threads: the loop draws what the others do not.
  }
}

BeeldenVooruit::~BeeldenVooruit() {
  {
    std::lock_guard<std::mutex> slot(mutex_);
    stop_ = true;
    wacht_.notify_all();
  }
  for (std::thread& d : draden_) d.join();
}

size_t BeeldenVooruit::Eind() const { return std::min(beelden_.size(), bij_ + kMaxVooruit); }

void BeeldenVooruit::Bij(size_t i) {
  std::unique_lock<std::mutex> slot(mutex_);
  for (; bij_ < i && bij_ < beelden_.size(); ++bij_) {
    vooruit_ -= bytes_[bij_];
    bytes_[bij_] = 0;
  }
  wacht_.notify_all();
  if (i >= beelden_.size() || draden_.empty()) return;
  // Not taken: the loop draws it itself when it asks for it.
  if (stand_[i] == Vrij) {
    stand_[i] = Genomen;
    return;
  }
  // A thread is drawing it: meanwhile the loop draws the last free picture
  // ahead, rather than wait.
  while (stand_[i] == Genomen) {
    size_t j = Eind();
    while (j > i + 1 && stand_[j - 1] != Vrij) --j;
    if (j <= i + 1) return;
    stand_[j - 1] = Genomen;
    slot.unlock();
    Teken(j - 1);
    slot.lock();
  }
}

void BeeldenVooruit::Teken(size_t j) {
  QImage beeld;
  try {
    beeld = TekenZonderWachten(*beelden_[j]);
  } catch (...) {
    // Out of memory, say: the loop draws it again when it comes to it.
  }
  std::lock_guard<std::mutex> slot(mutex_);
  stand_[j] = Klaar;
  if (j >= bij_) {
    bytes_[j] = beeld.sizeInBytes();
    vooruit_ += bytes_[j];
  }
}

void BeeldenVooruit::Werk() {
  for (;;) {
    size_t j = 0;
    {
      std::unique_lock<std::mutex> slot(mutex_);
      wacht_.wait(slot, [this] {
        if (stop_) return true;
        volgende_ = std::max(volgende_, bij_);
        while (volgende_ < beelden_.size() && stand_[volgende_] != Vrij) ++volgende_;
        return volgende_ >= beelden_.size() || (volgende_ < Eind() && vooruit_ <= kMaxVooruitBytes);
      });
      if (stop_ || volgende_ >= beelden_.size()) return;
      j = volgende_++;
      stand_[j] = Genomen;
    }
    Teken(j);
  }
}

}  // namespace printing
