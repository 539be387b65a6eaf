#pragma once
#include <QDialog>
#include <QImage>
#include <optional>

#include "model/Omzetting.h"
#include "ui/Layer.h"

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QSlider;
class QSpinBox;

namespace ui {

// "Figuur afdrukken": how a figure becomes the printer's dots, with the dots
// it will print shown as they change. The choice is the caller's to apply.
class RasterDialoog : public QDialog {
  Q_OBJECT
 public:
  // The figure's grey picture, the part of it that shows, and its box in
  // printer dots.
  RasterDialoog(QImage grijs, QRect bron, QSize vak, QWidget* parent = nullptr);

  // Shows the dialog with `begin` chosen; the choice, or nothing when it
  // was cancelled.
  std::optional<Omzetting> Toon(const Omzetting& begin);

  Omzetting Keuze() const;
  void ZetKeuze(const Omzetting& o);
  // The dots shown, as they print.
  const QImage& Punten() const { return punten_; }

 private:
  void Bijwerken();

  QImage grijs_;
  QRect bron_;
  QSize vak_;
  bool grijsTinten_ = false;
  QImage punten_;
  QComboBox* cboRastering_ = nullptr;
  QSpinBox* spnDrempel_ = nullptr;
  QSlider* sldDrempel_ = nullptr;
  QLabel* lblVoorbeeld_ = nullptr;
  QLabel* lblMaat_ = nullptr;
};

// The names of the ways, in the order of OmzetSoort.
QString OmzettingNaam(OmzetSoort soort);

}  // namespace ui
