#include "ui/AchtergrondJob.h"

#include "printing/Uitvoer.h"

namespace ui {

AchtergrondJob::AchtergrondJob(Job job, VelStand stand, QIODevice& uit, QObject* parent) : QObject(parent) {
  draad_ = std::thread([this, job = std::move(job), stand, &uit]() mutable {
    QString waarom;
    qint64 etiketten = 0;
    Jobuitkomst uitkomst = DrukJob(
        job, stand, uit,
        [this](int nummer, int laatste) {
          nummer_ = nummer;
          laatste_ = laatste;
          ++begonnen_;
          // One update on its way at a time; it shows the latest number when it arrives.
          if (!gemeld_.exchange(true))
            QMetaObject::invokeMethod(
                this,
                [this] {
                  gemeld_ = false;
                  emit Voortgang(nummer_, laatste_, begonnen_);
                },
                Qt::QueuedConnection);
          return stoppen_.load();
        },
        0, &waarom, &etiketten);
    // The last bytes still buffered go out here, and a network printer is
    // waited for until it has them all: a slow printer must not hold up the
    // window when it closes the channel. A job it did not take whole failed.
    if (uitkomst != Jobuitkomst::Schrijffout && !LeverAf(uit)) uitkomst = Jobuitkomst::Schrijffout;
    // Dropped unread when this object goes first: its destructor is then
    // the one waiting here.
    QMetaObject::invokeMethod(
        this, [this, uitkomst, stand, waarom, etiketten] { emit Klaar(uitkomst, stand, waarom, etiketten); },
        Qt::QueuedConnection);
  });
}

AchtergrondJob::~AchtergrondJob() {
  stoppen_ = true;
  if (draad_.joinable()) draad_.join();
}

}  // namespace ui
