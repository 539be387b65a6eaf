#pragma once
#include <QString>

class QWidget;

namespace platform {

// The open and save dialogs, behind an interface so tests can answer them.
class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // An empty result means the user cancelled. selectedFilter, when given,
  // receives the filter the user chose.
  virtual QString openFile(QWidget* parent, const QString& caption, const QString& folder, const QString& filters,
                           QString* selectedFilter = nullptr) = 0;
  virtual QString saveFile(QWidget* parent, const QString& caption, const QString& pathOrFolder, const QString& filters,
                           QString* selectedFilter = nullptr) = 0;
};

class QtFileDialogs : public FileDialogs {
 public:
  QString openFile(QWidget* parent, const QString& caption, const QString& folder, const QString& filters,
                   QString* selectedFilter) override;
  QString saveFile(QWidget* parent, const QString& caption, const QString& pathOrFolder, const QString& filters,
                   QString* selectedFilter) override;
};

}  // namespace platform
