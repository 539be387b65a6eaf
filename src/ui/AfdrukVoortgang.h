#pragma once
#include <QDialog>
#include "ui/Layer.h"

class QLabel;
class QProgressBar;

namespace ui {

// "Printing": shown while a job sends its data; Cancel stops the job
// between two numbers of its series.
class AfdrukVoortgang : public QDialog {
  Q_OBJECT
 public:
  explicit AfdrukVoortgang(QWidget* parent = nullptr);
  // Starts a job: clears the stop flag, shows the window with what it is
  // doing (the default: sending to the printer).
  void Begin(int aantalNummers, const QString& wat = {});
  // "Exemplaar n van m", and the bar at the numbers begun so far.
  void Toon(int nummer, int laatste, int begonnen);
  bool AfdrukStoppen() const { return stoppen_; }

 signals:
  // Cancel was clicked, or the window was closed: both ask the job to stop.
  void Stoppen();

 protected:
  // Escape, Alt+F4 and the close box would only hide the window while the
  // job went on unseen: they stop it, as Cancel does. The window stays up
  // until the job has ended.
  void reject() override;
  void closeEvent(QCloseEvent* e) override;

 private:
  void VraagStoppen();

  QLabel* lblTekst1_;
  QLabel* lblTekst2_;
  QProgressBar* balk_;
  bool stoppen_ = false;
};

}  // namespace ui
