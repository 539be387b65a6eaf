#pragma once
#include <QIODevice>

// Takes a printer stream and keeps only its length, so a benchmark
// measures the job and not a disk.
class Afvoer : public QIODevice {
 public:
  Afvoer() { open(QIODevice::WriteOnly); }
  qint64 geschreven = 0;

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char*, qint64 n) override {
    geschreven += n;
    return n;
  }
};
