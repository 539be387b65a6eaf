#pragma once
#include <QGroupBox>
#include <QImage>
#include <QPointF>
#include <QStringList>
#include <optional>
#include <memory>
#include <vector>

#include "files/Instellingen.h"
#include "ui/Layer.h"
#include "ui/Omgeving.h"

namespace editor {
class Bewerker;
}
namespace editor {
class Bewerking;
}
class QAction;
class QMenu;
class QPushButton;

namespace ui {

class EtiketPlaatje;
class frmGalerij;
class ScannerKiezen;
class TekstPaneel;

// The frame "Figuur" and where pictures come from: picture files and the
// galleries that offer them, the scanner, and the clipboard (text and
// pictures); the four arrows put the single figure beside the text.
class FiguurPaneel : public QGroupBox {
  Q_OBJECT
 public:
  // The menu entries this frame answers; the window places them.
  // Knippen, Copiëren and Plakken follow the clipboard and the line box
  // when the Bewerken menu opens (mnuBewerken_Click).
  struct Menus {
    QAction* knippen;
    QAction* copieren;
    QAction* plakken;
    QAction* bestandInvoegen;
    QMenu* bestandInvoegen2;  // the galleries, when there are several
    QAction* galerij0;        // its first entry, kept as the template
    QAction* galerijen;
    QAction* scannerSelecteren;
    QAction* afbeeldingScannen;
    QAction* afdrukkenAls;  // how the selected figure becomes dots
  };
  FiguurPaneel(Bewerker& bewerker, EtiketPlaatje& plaatje, TekstPaneel& tekst, Instellingen& instellingen,
               Omgeving omgeving, QWidget* parent = nullptr);
  ~FiguurPaneel() override;
  const Menus& menus() const { return menus_; }

  void BestandInvoegen(const QString& map);
  void cmdFiguur_Click(qint16 positie);
  // A picture from any source becomes a new, selected figure; its index, or
  // 0 when the picture cannot be one.
  // With `midden` (mm), the figure is centred there, in the same step.
  int PlaatjeAlsFiguur(const QImage& plaatje, std::optional<QPointF> midden = std::nullopt);
  // Picture files dropped on the label: each a figure centred where it was
  // dropped (the next ones a little further on); one that cannot be read is
  // told, and the others still come.
  void BestandenLosgelaten(const QStringList& paden, QPointF mm);

  void mnuBewerken_Click();
  void mnuKnippen_Click();
  void mnuCopieren_Click();
  void mnuPlakken_Click();
  void cmdPlakken_Click();

  // "Afdrukken als ...": the way the figure becomes dots, asked with the
  // dots shown; a change is one step to undo.
  void FiguurAfdrukkenAls(int index);
  // The figure-only entries follow the selection when the menu opens.
  void mnuFiguur_Click();

  void mnuScannerSelecteren_Click();
  void mnuAfbeeldingscannen_Click();

  // The picture-insert menu follows the list of galleries.
  void MenuAanpassen();
  void mnuGalerijen_Click();
  bool MeerdereGalerijen() const { return meerdereGalerijen_; }

 private:
  void MaakMenus();
  // The one selected element when it is a figure of raster dots, else 0.
  int GeselecteerdeFiguur() const;

  Bewerker& bewerker_;
  const Bewerking& b_;
  EtiketPlaatje& plaatje_;
  TekstPaneel& tekst_;
  Instellingen& instellingen_;
  Omgeving omgeving_;

  QPushButton* cmdBestand_ = nullptr;
  QPushButton* cmdPlakken_ = nullptr;
  Menus menus_{};
  std::vector<QAction*> mnuGalerij_;  // entry 0 is the template
  bool meerdereGalerijen_ = false;
  QString scannerApparaat_;
  std::unique_ptr<ScannerKiezen> scannerKiezen_;
  frmGalerij* frmGalerij_ = nullptr;  // owned by the window, kept after closing
};

}  // namespace ui
