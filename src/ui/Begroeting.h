#pragma once
#include <QDate>
#include <QDialog>
#include "ui/Layer.h"

class QLabel;
class QPushButton;

namespace ui {

// The welcome window: shown while the program starts, and again from
// "&Info" as the information window with an OK button.
class Begroeting : public QDialog {
  Q_OBJECT
 public:
  enum class Rol { Welkom, Info };
  explicit Begroeting(Rol rol, QWidget* parent = nullptr, const QString& programmaBestand = {});

  QString Versie() const;
  QString Build() const;
  bool OkZichtbaar() const;

  // yymmdd of the file's last-modified date followed by the revision as
  // three digits.
  static QString BuildVan(const QString& bestand);

 private:
  QLabel* lblVersie_;
  QLabel* lblBuild_;
  QPushButton* cmdOK_;
};

}  // namespace ui
