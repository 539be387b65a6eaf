#pragma once
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A private folder for one test, removed afterwards.
class TempFolder {
 public:
  QString path(const QString& name) const { return dir_.filePath(name); }
  QString write(const QString& name, const QByteArray& data) const {
    QFile f(path(name));
    if (f.open(QIODevice::WriteOnly)) f.write(data);
    return path(name);
  }
  QString root() const { return dir_.path(); }

 private:
  QTemporaryDir dir_;
};
