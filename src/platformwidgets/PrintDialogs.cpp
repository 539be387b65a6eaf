#include "platformwidgets/PrintDialogs.h"

#include <QFormLayout>
#include <QPrintDialog>
#include <QSpinBox>

namespace platform {

bool QtPrintDialogs::choosePrinter(QPrinter& printer, QWidget* parent, int& firstLabel, int labelsPerSheet) {
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(QStringLiteral("Afdrukken op vellen"));
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  // Where to begin on a sheet of which some labels were used already.
  auto* tab = new QWidget;
  tab->setWindowTitle(QStringLiteral("Etiketten"));
  auto* vorm = new QFormLayout(tab);
  auto* eerste = new QSpinBox(tab);
  eerste->setObjectName(QStringLiteral("spnEersteEtiket"));
  eerste->setRange(1, labelsPerSheet < 1 ? 1 : labelsPerSheet);
  eerste->setValue(firstLabel);
  vorm->addRow(QStringLiteral("Beginnen bij etiket"), eerste);
  dialog.setOptionTabs({tab});
  if (dialog.exec() != QDialog::Accepted) return false;
  firstLabel = eerste->value();
  return true;
}

}  // namespace platform
