#pragma once
#include <QString>
#include <vector>
#include "model/Layer.h"

namespace model {

// One label format of the catalogue: the size and shape of one label and
// how the labels lie on their sheet or roll. Lengths in millimetres.
struct EtiketFormaat {
  QString Naam;
  qint16 Vorm = 0;  // 0 rectangular, 1 round
  float Breedte = 0;  // a round label's diameter
  float Hoogte = 0;
  float HorizontaleSteek = 0;  // left edge to left edge in a row
  float VerticaleSteek = 0;    // top edge to top edge in a column
  qint16 Kolommen = 1;
  qint16 Rijen = 1;
  float VelBreedte = 0;
  float VelHoogte = 0;
  float LinkerOffset = 0;  // first column's left edge from the sheet's left edge
  float BovenOffset = 0;   // first row's top edge from the sheet's top edge
  float LinkerMarge = 0;   // strips of the label the printer cannot reach
  float BovenMarge = 0;
  float RechterMarge = 0;
  float OnderMarge = 0;
  // Not in the catalogue file: the corners of a rectangular label, and a
  // round label whose height differs from its width (an ellipse). Own
  // formats and stock sheets have them.
  float Hoekstraal = 0;
  bool Ovaal = false;
};

// The catalogue, entries 1 to AantalFormaten.
class FormatenTabel {
 public:
  FormatenTabel() = default;
  explicit FormatenTabel(std::vector<EtiketFormaat> f) : formaten_(std::move(f)) {}
  qint16 AantalFormaten() const { return static_cast<qint16>(formaten_.size()); }
  const EtiketFormaat& formaat(int index) const { return formaten_.at(static_cast<size_t>(index - 1)); }
  // 1-based index of the first format with exactly this name, 0 if none.
  int ZoekFormaat(const QString& naam) const {
    for (size_t i = 0; i < formaten_.size(); ++i)
      if (formaten_[i].Naam == naam) return static_cast<int>(i + 1);
    return 0;
  }
  const std::vector<EtiketFormaat>& alle() const { return formaten_; }
  // The entries from this index on are stock sheets, found by searching
  // rather than shown one by one; 0: there are none.
  int EersteVoorraad() const { return eersteVoorraad_; }
  void ZetEersteVoorraad(int index) { eersteVoorraad_ = index; }

 private:
  std::vector<EtiketFormaat> formaten_;
  int eersteVoorraad_ = 0;
};

}  // namespace model
