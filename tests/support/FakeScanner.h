#pragma once
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "platform/Scanner.h"

// Answers with what the test put in and records the devices asked for.
class FakeScanner : public platform::Scanner {
 public:
  QList<platform::ScanSource> listSources() override {
    ++listings;
    status = listStatus;
    return sources;
  }
  std::optional<QImage> scan(const QString& device) override {
    scannedDevices << device;
    status = scanStatus;
    if (scanStatus != Status::Ok) return std::nullopt;
    return picture;
  }
  Status lastStatus() const override { return status; }

  QList<platform::ScanSource> sources;
  Status listStatus = Status::Ok;
  QImage picture;
  Status scanStatus = Status::Ok;
  int listings = 0;
  QStringList scannedDevices;

 private:
  Status status = Status::Ok;
};
