#pragma once
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "model/Voorwerp.h"
#include "printing/Layer.h"

namespace printing {

// Draws ahead, on the processor's other cores, the pictures a drawing loop
// is about to ask for (Beeld::Raster), so that the loop finds them drawn:
// a design of thousands of round texts opens and prints in a fraction of
// the time one core needs. The threads take the pictures in order, a
// bounded number of pictures and bytes ahead of the loop; the loop draws
// the one it comes to when no thread has taken it, and when a thread is
// still drawing it, helps with the last ones ahead instead of waiting.
// Each picture is drawn once. Pictures that are kept rather than drawn are
// left alone. With one core the loop draws everything itself.
class BeeldenVooruit {
 public:
  // The pictures in the order the loop will ask for them.
  explicit BeeldenVooruit(std::vector<std::shared_ptr<const Beeld>> beelden);
  // Stops the threads and waits for them.
  ~BeeldenVooruit();
  BeeldenVooruit(const BeeldenVooruit&) = delete;
  BeeldenVooruit& operator=(const BeeldenVooruit&) = delete;

  // The loop comes to picture i of the list; it asks for it next.
  void Bij(size_t i);

 private:
  enum Stand : char { Vrij, Genomen, Klaar };
  void Werk();
  // Draws picture j, taken by this thread, and notes it done.
  void Teken(size_t j);
  size_t Eind() const;  // the end of the stretch the threads may draw

  std::vector<std::shared_ptr<const Beeld>> beelden_;
  std::vector<Stand> stand_;
  std::vector<qint64> bytes_;  // of each picture drawn ahead, while the loop has not passed it
  std::mutex mutex_;
  std::condition_variable wacht_;
  size_t volgende_ = 0;  // where the threads look for the next picture
  size_t bij_ = 0;       // where the loop is
  qint64 vooruit_ = 0;   // bytes drawn ahead of the loop
  bool stop_ = false;
  std::vector<std::thread> draden_;
};

}  // namespace printing
