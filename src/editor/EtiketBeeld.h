#pragma once
#include <QImage>
#include <QRegion>
#include <QString>
#include <array>

#include "editor/Bewerking.h"
#include "editor/Layer.h"
#include "model/AfdrukbaarGebied.h"
#include "model/EtiketFormaat.h"
#include "printing/Tekenen.h"

namespace editor {

// One of the eight black handles around the selection, in picture mm.
struct Handvat {
  QRectF Rechthoek;
  bool Zichtbaar = false;
};

// A box by its four edges, picture mm.
struct Kader {
  float Links = 0;
  float Boven = 0;
  float Rechts = 0;
  float Onder = 0;
};

// The label picture without its window: the kept image that every drawing
// goes into, the off-screen copy of the empty label (Achtergrond), and the
// data drawn over the image (selection frames, handles, printable-area
// lines). After a change the areas that differ from the design before it
// are painted again, so the image always equals a full repaint.
class EtiketBeeld {
 public:
  EtiketBeeld(Bewerking& bewerking, const FormatenTabel& formaten);

  const EtiketFormaat& Formaat() const { return formaten_.formaat(b_.ontwerp().HuidigFormaat); }

  // Recomputes the screen mapping for a picture of the given inner size in
  // pixels and outer size in twips, and makes a fresh Achtergrond.
  void BerekenSchaal(qint32 pixelBreedte, qint32 pixelHoogte, double twipsBreedte, double twipsHoogte);

  // Clears the image, draws the label outline, sets the shape texts and
  // copies the result into Achtergrond.
  void TekenVorm();

  // Full repaint from nothing: outline, then every element in table order.
  void TekenAlles();
  // What a full repaint would give, leaving the kept image alone.
  QImage Volledig() const;

  // The pixels where the design differs from `voor` (same format): the old
  // and new place of every element that changed, came, went or moved in
  // the drawing order. `veranderd` tells whether any did, also where its
  // place is off the picture.
  QRegion Verschil(const Ontwerp& voor, bool* veranderd = nullptr) const;
  // Paints the region again from the empty label and every element lying
  // there, in table order, so it equals a full repaint. Returns the part
  // of the image that was painted.
  QRegion Herteken(QRegion vuil);

  // Hiding and showing the selection frames, nested.
  void VerbergAlles();
  void ToonAlles();

  // Shows or hides the printable-area lines; hs and vs are the format's
  // stored print offsets.
  void ToonAfdrukbaarGebied(bool tonen, float hs, float vs);

  // The bounding box of the selection and the eight handles around it
  // (top left, top, top right, right, bottom right, bottom, bottom left,
  // left). Shown while the frames are and something is selected.
  void PlaatsHandvaten();
  void VerbergHandvaten();
  const Kader& Selectie() const { return selectie_; }

  // The outline a drag or the centring shows before the elements move.
  Kader Schaduw;
  bool SchaduwZichtbaar = false;

  // Draws the frames, handles and printable-area lines over the image.
  void TekenBovenlaag(QPainter& p) const;
  // The image with everything on top: what the user sees.
  QImage Samengesteld() const;

  const QImage& Beeld() const { return beeld_; }
  const QImage& Achtergrond() const { return achtergrond_; }
  const QString& Vorm() const { return vorm_; }
  const QString& Afmeting() const { return afmeting_; }
  bool AfdrukbaarGebiedZichtbaar() const { return gebiedZichtbaar_; }
  const AfdrukbaarGebied& AfdrukGebied() const { return gebied_; }
  std::array<Handvat, 8>& Handvatten() { return handvatten_; }
  const std::array<Handvat, 8>& Handvatten() const { return handvatten_; }
  Apparaat SchermApparaat() const;
  // The printer resolution barcodes are shown at (8 or 12 dots per mm): the
  // screen shows the symbol that printer gets. Repaint after changing it.
  void ZetPrinterPuntenPerMm(int puntenPerMm) { printerPuntenPerMm_ = puntenPerMm; }
  int PrinterPuntenPerMm() const { return printerPuntenPerMm_; }
  const SchermSchaal& Schaal() const { return b_.Schaal; }
  // The pixel rectangle an element's drawing can touch on screen.
  QRect PixelRechthoek(const Voorwerp& v) const;

 private:
  void TekenVormOp(QImage& beeld) const;
  void TekenVoorwerpenOp(QImage& beeld) const;

  Bewerking& b_;
  const FormatenTabel& formaten_;
  int printerPuntenPerMm_ = 12;
  QImage beeld_;
  QImage achtergrond_;
  QString vorm_;
  QString afmeting_;
  bool gebiedZichtbaar_ = false;
  AfdrukbaarGebied gebied_;
  std::array<Handvat, 8> handvatten_;
  Kader selectie_;
};

// A number as the shape labels show it: plain decimals, no trailing zeros.
QString GetalTekst(float waarde);

}  // namespace editor
