#pragma once
#include <QDialog>

class QLabel;
class QProgressBar;

// "Printing": shown while a job sends its data; Cancel stops the job
// between two numbers of its series.
class AfdrukVoortgang : public QDialog {
  Q_OBJECT
 public:
  explicit AfdrukVoortgang(QWidget* parent = nullptr);
  // Starts a job: clears the stop flag, shows the window.
  void Begin(int aantalNummers);
  // "Exemplaar n van m", and the bar one step further.
  void Toon(int nummer, int laatste);
  bool AfdrukStoppen() const { return stoppen_; }

 private:
  QLabel* lblTekst2_;
  QProgressBar* balk_;
  bool stoppen_ = false;
};
