#pragma once
#include <QDialog>
#include <QImage>
#include <vector>
#include "ui/Layer.h"

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;

namespace ui {

// "Afdrukvoorbeeld": the sheets of a job as the printer receives them, read
// back from the job's own stream, one printer dot to a pixel at 1:1.
// "Afdrukken" closes it with Accepted, for the caller to start the job.
class AfdrukVoorbeeld : public QDialog {
  Q_OBJECT
 public:
  // The sheets of the stream with the quantity each is printed in, how
  // many sheets the whole job has, and how many labels it makes, in words.
  AfdrukVoorbeeld(std::vector<QImage> vellen, std::vector<int> aantallen, int totaal, const QString& etiketten = {},
                  QWidget* parent = nullptr);

  // The zoom steps: printer dots per screen pixel as a factor; 0 fits the sheet.
  static constexpr double kPassend = 0;

  void ToonVel(int index);  // 0-based
  int HuidigVel() const { return huidig_; }
  double Zoom() const;

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void Teken();

  std::vector<QImage> vellen_;
  std::vector<int> aantallen_;
  int totaal_;
  int huidig_ = 0;
  QLabel* lblVel_;
  QLabel* lblAantal_;
  QLabel* lblMeer_;
  QLabel* lblTotaal_;
  QLabel* imgVel_;
  QScrollArea* vlak_;
  QComboBox* cmbZoom_;
  QPushButton* cmdVorige_;
  QPushButton* cmdVolgende_;
};

}  // namespace ui
