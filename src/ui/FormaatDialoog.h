#pragma once
#include <QDialog>
#include <functional>
#include <vector>

#include "model/EtiketFormaat.h"
#include "ui/Layer.h"

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollArea;
class QWidget;

namespace ui {

// The format selection dialog "Formaat": every format of the catalogue as a
// pictogram, all at one common scale, with its shape and size under it and
// the layout of a sheet or a roll of several labels across in its corner, in
// a grid of at most five columns. Created once and afterwards only hidden
// and shown again, so its selection survives between showings. A long
// catalogue scrolls instead of growing the dialog past the screen.
// Controls carry their names as objectName: picPictogram<i>, lblVorm<i>,
// lblAfmeting<i> (i from 1), lblSelektie, shpRechthoek, cmdOK, cmdAnnuleren.
// The stock sheets of the table (from EersteVoorraad on) are not in the
// grid: the user finds them by brand and part number in txtZoeken, whose
// matches lstVoorraad lists; lblVoorraad says how many there are and how
// many were left out. cmdEigenFormaten and cmdSjablonen open the
// user's own formats and a template file the user picks, when the owner
// handles them.
class Formaat : public QDialog {
  Q_OBJECT
 public:
  // What the owner does when the user asks to change the formats: true
  // when the table changed, and the dialog must be made anew to show it.
  struct Beheer {
    std::function<bool()> eigenFormaten;
    std::function<bool()> sjablonen;
    QString voorraadUitleg;  // how many stock sheets there are, and how many were left out
  };
  // Builds the grid; the selection starts at huidigFormaat.
  Formaat(const FormatenTabel& formaten, int huidigFormaat, QWidget* parent = nullptr, Beheer beheer = {});

  // After Toon: the formats changed while the dialog was open, and it is
  // to be made anew and shown again.
  bool Vernieuwen() const { return vernieuwen_; }
  // The stock sheets whose name holds every word of the text, at most
  // kMeesteTreffers of them, as lstVoorraad lists them (indexes of the table).
  std::vector<int> Zoek(const QString& tekst) const;
  static constexpr int kMeesteTreffers = 500;
  // Formats shown in the grid: all but the stock sheets.
  int AantalInRaster() const;

  // Shows the dialog modally. OK (or a double click) makes the selection the
  // current format; Annuleren, Escape or closing the window leave it as it
  // was and put the selection back on it. True after OK.
  bool Toon(qint16& huidigFormaat);

  int Selectie() const { return selectie_; }
  bool Bevestigd() const { return bevestigd_; }
  int Rijen() const { return rijen_; }
  int Kolommen() const { return kolommen_; }
  // The pictogram of format i (1-based).
  QWidget* Pictogram(int i) const { return pictogrammen_.at(size_t(i - 1)); }
  // The grid's area, which scrolls when it is taller than the screen allows.
  QScrollArea* Raster() const { return raster_; }

  // The captions under a pictogram: "Rond" for any shape but 0; the size as
  // "Diam." and the width, or the width, "x" and the height.
  static QString VormTekst(const EtiketFormaat& f);
  static QString AfmetingTekst(const EtiketFormaat& f);
  // What the pictogram says of the layout: "vel 2 x 3" (columns x rows) for
  // a sheet of several rows, "2-baans" for a roll of labels side by side,
  // nothing for one label at a time.
  static QString IndelingTekst(const EtiketFormaat& f);

  // Makes format i the selection and shows it.
  void KiesFormaat(int i);

 public slots:
  void accept() override;
  void reject() override;

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void Form_Load(int huidigFormaat);
  void ToonSelektie();
  void ToonTreffers(const QString& tekst);
  void Beheren(const std::function<bool()>& actie);

  FormatenTabel formaten_;
  int selectie_ = 0;
  int rijen_ = 0;
  int kolommen_ = 0;
  bool bevestigd_ = false;
  qint16* huidig_ = nullptr;  // the caller's current format while shown
  Beheer beheer_;
  bool vernieuwen_ = false;
  QLineEdit* txtZoeken_ = nullptr;
  QListWidget* lstVoorraad_ = nullptr;
  QLabel* lblVoorraad_ = nullptr;

  std::vector<QWidget*> pictogrammen_;
  QScrollArea* raster_ = nullptr;
  QWidget* frmPictogrammen_ = nullptr;
  QLabel* lblSelektie_ = nullptr;
  QFrame* shpRechthoek_ = nullptr;
  QPushButton* cmdOK_ = nullptr;
  QPushButton* cmdAnnuleren_ = nullptr;
};

}  // namespace ui
