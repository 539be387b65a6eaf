#include "model/GetekendBeeld.h"

#include <condition_variable>
#include <list>
#include <mutex>
#include <unordered_map>
#include <unordered_set>

namespace model {

namespace {

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

QImage TekenZonderWachten(const Beeld& b) {
  if (!b.raster.isNull() || !b.teken) return b.raster;
  return GetekendeBeelden::Gedeeld().Geef(&b, false);
}

}  // namespace model
