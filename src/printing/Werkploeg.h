#pragma once
#include <QByteArray>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

#include "printing/Afdrukjob.h"
#include "printing/Layer.h"
#include "printing/Raster.h"

namespace printing {

// Draws a job's labels ahead on a number of threads, each with a canvas of
// its own, and hands the blocks out in the job's order. It walks the job's
// sheets itself to know which labels come; at most a small window of them
// is drawn and not yet taken, so memory stays the same for any number of
// copies. What was drawn ahead of a stop is thrown away.
class Werkploeg {
 public:
  Werkploeg(const Etiketdruk& druk, const Afdrukopdracht& opdracht, const VelStand& stand, int werkers);
  // Stops the threads and waits for them.
  ~Werkploeg();
  Werkploeg(const Werkploeg&) = delete;
  Werkploeg& operator=(const Werkploeg&) = delete;

  // The block of the next label of the job, which must be the one at (x, y)
  // for number n.
  QByteArray Volgende(float x, float y, int nummer);

 private:
  struct Plek {
    float x = 0, y = 0;
    int nummer = 0;
    bool klaar = false;
    QByteArray blok;
    std::exception_ptr fout;
  };
  void Werk();

  const Etiketdruk& druk_;
  Velgang gang_;
  std::vector<Plek> venster_;
  size_t uitgedeeld_ = 0;  // labels given to a thread
  size_t afgehaald_ = 0;   // labels taken by the job
  bool opGang_ = false;    // the walk has no labels left
  bool stop_ = false;
  std::mutex mutex_;
  std::condition_variable werk_, klaar_;
  std::vector<std::thread> draden_;
  Etiketdruk::Doek eigenDoek_;  // for drawing here, without threads
};

}  // namespace printing
