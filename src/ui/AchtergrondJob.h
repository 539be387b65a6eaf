#pragma once
#include <QObject>
#include <QString>
#include <atomic>
#include <thread>

#include "printing/Job.h"
#include "ui/Layer.h"

class QIODevice;

namespace ui {

// One print job on a thread of its own, so the window stays with the user.
// The output belongs to the job until Klaar: nobody else may touch it
// meanwhile. The sheet state the job starts from is a copy; the new one
// comes with Klaar, for the window to take over.
class AchtergrondJob : public QObject {
  Q_OBJECT
 public:
  AchtergrondJob(Job job, VelStand stand, QIODevice& uit, QObject* parent = nullptr);
  // Stops the job and waits for it: the output is free again afterwards.
  ~AchtergrondJob() override;

  // The job stops before its next number; safe from any thread.
  void Stop() { stoppen_ = true; }

 signals:
  // On the window's thread. Updates are merged while the window is behind,
  // so a fast job never floods its event queue.
  // `begonnen`: how many numbers of the series the job has begun.
  void Voortgang(int nummer, int laatste, int begonnen);
  // `waarom`: why a label could not be printed (Onafdrukbaar); `etiketten`:
  // the labels the stream makes the printer print.
  void Klaar(Jobuitkomst uitkomst, VelStand stand, QString waarom, qint64 etiketten);

 private:
  std::atomic<bool> stoppen_{false};
  std::atomic<int> nummer_{0};
  std::atomic<int> laatste_{0};
  std::atomic<int> begonnen_{0};
  std::atomic<bool> gemeld_{false};
  std::thread draad_;
};

}  // namespace ui
