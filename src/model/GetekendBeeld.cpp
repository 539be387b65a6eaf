#include "model/GetekendBeeld.h"

#include <list>
#include <unordered_map>
#include <unordered_set>

namespace {

// How far the threads may get ahead of the loop.
constexpr size_t kMaxVooruit = 64;
constexpr qint64 kMaxVooruitBytes = kGetekendeBeeldenBudget / 4;

// The pictures drawn from a description lately, by the picture they belong
// to, least recently used first out. A picture being drawn by one thread
// is waited for by any other that asks for it.
class GetekendeBeelden {
 public:
  static GetekendeBeelden& Gedeeld() {
    // Never destroyed: pictures may go after the end of main.
    static GetekendeBeelden* g = new GetekendeBeelden;
    return *g;
  }

  // The picture, drawn now when it is neither kept nor being drawn; with
  // `wachten` false a picture another thread draws is not waited for (a
  // null image then).
  QImage Geef(const Beeld* b, bool wachten) {
    std::unique_lock<std::mutex> slot(mutex_);
    for (;;) {
      const auto it = index_.find(b);
      if (it != index_.end()) {
        lijst_.splice(lijst_.begin(), lijst_, it->second);
        return it->second->second;
      }
      if (!bezig_.count(b)) break;
      if (!wachten) return {};
      klaar_.wait(slot);
    }
    bezig_.insert(b);
    slot.unlock();
    QImage beeld;
    try {
      beeld = b->teken();
    } catch (...) {
      slot.lock();
      bezig_.erase(b);
      klaar_.notify_all();
      throw;
    }
    slot.lock();
    bezig_.erase(b);
    lijst_.emplace_front(b, beeld);
    index_[b] = lijst_.begin();
    bytes_ += Kosten(beeld);
    while (bytes_ > kGetekendeBeeldenBudget && lijst_.size() > 1) {
      bytes_ -= Kosten(lijst_.back().second);
      index_.erase(lijst_.back().first);
      lijst_.pop_back();
    }
    klaar_.notify_all();
    return beeld;
  }

  qint64 Bytes() {
    std::lock_guard<std::mutex> slot(mutex_);
    return bytes_;
  }

  void Vergeet(const Beeld* b) {
    std::lock_guard<std::mutex> slot(mutex_);
    const auto it = index_.find(b);
    if (it == index_.end()) return;
    bytes_ -= Kosten(it->second->second);
    lijst_.erase(it->second);
    index_.erase(it);
  }

 private:
  // The pixels and what an image keeps beside them.
  static qint64 Kosten(const QImage& beeld) { return beeld.sizeInBytes() + 256; }

  std::mutex mutex_;
  std::condition_variable klaar_;
  std::list<std::pair<const Beeld*, QImage>> lijst_;
  std::unordered_map<const Beeld*, std::list<std::pair<const Beeld*, QImage>>::iterator> index_;
  std::unordered_set<const Beeld*> bezig_;
  qint64 bytes_ = 0;
};

}  // namespace

qint64 BewaardeGetekendeBytes() { return GetekendeBeelden::Gedeeld().Bytes(); }

Beeld::~Beeld() {
  if (teken) GetekendeBeelden::Gedeeld().Vergeet(this);
}

QImage Beeld::Raster() const {
  if (!raster.isNull() || !teken) return raster;
  return GetekendeBeelden::Gedeeld().Geef(this, true);
}

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
    beeld = GetekendeBeelden::Gedeeld().Geef(beelden_[j].get(), false);
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
