#pragma once
#include <QIODevice>
#include <QString>
#include <atomic>
#include <deque>
#include <optional>
#include <utility>

#include "printing/Layer.h"
#include "printing/Velgrenzen.h"

namespace printing {

// The port label printers listen on for a raw job.
inline constexpr int kStandaardNetwerkpoort = 9100;

// A printer on the network, spoken to over raw TCP.
struct Netwerkadres {
  QString host;  // a DNS name, an IPv4 address, or an IPv6 address without its brackets
  int poort = kStandaardNetwerkpoort;
  // "192.168.1.20, poort 9100", for the user.
  QString Tekst() const;
};

// What a connection's name says: a network printer ("tcp://host[:port]" or
// "host:port"), or a device or file path as it always was. A name in the
// network form with a wrong host or port is still meant for the network:
// `fout` says what is wrong with it.
struct Netwerknaam {
  std::optional<Netwerkadres> adres;
  QString fout;
  bool IsNetwerk() const { return adres.has_value() || !fout.isEmpty(); }
};
Netwerknaam LeesNetwerknaam(const QString& naam);

// A raw TCP connection to a label printer as a write-only device, written
// from whichever thread runs the job. Every write waits until the printer
// has taken it all; a printer that takes no byte for `schrijvenMs` (it may
// stop reading for a while as it prints, so any progress starts the wait
// anew) or goes away fails the write, and errorString() then says why, that
// the job was cut off and how much got through.
class Netwerkverbinding : public QIODevice, public Velgrenzen {
 public:
  struct Wachttijden {
    int verbindenMs = 10000;
    int schrijvenMs = 60000;
  };
  Netwerkverbinding(Netwerkadres adres, Wachttijden tijden);
  ~Netwerkverbinding() override;

  // Connects now; the reason for the user when it cannot. A device opened
  // without it connects with its first write.
  std::optional<QString> Verbind();
  // Waits until the printer has taken every byte written (the system's
  // send queue is empty), within the write wait, then closes. False when it
  // did not: errorString() says why.
  bool Afronden();
  // Closes at once; what has not gone out yet is dropped.
  void close() override;
  bool isSequential() const override { return true; }
  // The printer answered: a failure since is a job cut off, not a printer
  // that could not be reached.
  bool Bereikt() const { return bereikt_; }
  // From any thread: a write or the final wait that is waiting for the
  // printer gives up now, as if its wait were over.
  void Afbreken() { afbreken_ = true; }

  void VelAf(qint64 etiketten) override;

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* data, qint64 lengte) override;

 private:
  // Bytes the printer has acknowledged.
  qint64 Aangekomen() const;
  // The write failed for `waarom`: the job is cut off.
  void Afgebroken(const QString& waarom);
  QString Wie() const;
  // Lets go of the socket; the reason of a failure stays.
  void Sluit();

  Netwerkadres adres_;
  Wachttijden tijden_;
  int fd_ = -1;
  bool mislukt_ = false;
  bool bereikt_ = false;
  std::atomic<bool> afbreken_{false};
  qint64 geschreven_ = 0;
  // Where each whole sheet ended in the stream, and the labels printed by
  // then; the ones the printer has long had are dropped.
  std::deque<std::pair<qint64, qint64>> vellen_;
  bool velGemeld_ = false;
};

}  // namespace printing
