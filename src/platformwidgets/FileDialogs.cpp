#include "platformwidgets/FileDialogs.h"

#include <QFileDialog>

namespace platform {

QString QtFileDialogs::openFile(QWidget* parent, const QString& caption, const QString& folder, const QString& filters,
                                QString* selectedFilter) {
  return QFileDialog::getOpenFileName(parent, caption, folder, filters, selectedFilter);
}

QString QtFileDialogs::saveFile(QWidget* parent, const QString& caption, const QString& pathOrFolder,
                                const QString& filters, QString* selectedFilter) {
  // The name check and extension are the caller's: no automatic suffix.
  return QFileDialog::getSaveFileName(parent, caption, pathOrFolder, filters, selectedFilter,
                                      QFileDialog::DontConfirmOverwrite);
}

}  // namespace platform
