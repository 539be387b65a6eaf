#pragma once
#include <QString>
#include <deque>

#include "platformwidgets/FileDialogs.h"

// Answers file dialogs from a script; an empty script means Cancel.
class FakeFileDialogs : public platform::FileDialogs {
 public:
  struct Answer {
    QString path;
    QString filter;
  };
  QString openFile(QWidget*, const QString& caption, const QString& folder, const QString& filters,
                   QString* selectedFilter) override {
    return next(caption, folder, filters, selectedFilter);
  }
  QString saveFile(QWidget*, const QString& caption, const QString& path, const QString& filters,
                   QString* selectedFilter) override {
    return next(caption, path, filters, selectedFilter);
  }

  std::deque<Answer> answers;
  QString lastCaption, lastFolder, lastFilters, lastPreselected;

 private:
  QString next(const QString& caption, const QString& folder, const QString& filters, QString* selectedFilter) {
    lastCaption = caption;
    lastFolder = folder;
    lastFilters = filters;
    lastPreselected = selectedFilter ? *selectedFilter : QString();
    if (answers.empty()) return {};
    Answer a = answers.front();
    answers.pop_front();
    if (selectedFilter && !a.filter.isEmpty()) *selectedFilter = a.filter;
    return a.path;
  }
};
