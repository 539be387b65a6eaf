#pragma once
#include <QImage>
#include <QPicture>
#include <QString>
#include <memory>

#include "model/Bool16.h"

// The picture an element owns: a raster (one bit, black on white, for
// figures and round texts) or, for some pasted pictures, a vector picture.
struct Beeld {
  QImage raster;
  QPicture vector;
  bool isVector = false;
};

enum SoortVoorwerp : qint16 { Tekstlijn = 1, Figuur = 2, RondeTekst = 3 };

// One element of the design. Geometry in millimetres, origin at the label's
// centre, y downwards. The record owns its picture: moving the record hands
// the picture over, deleting it releases the picture exactly once.
struct Voorwerp {
  float Links = 0;
  float Boven = 0;
  float Breedte = 0;
  float Hoogte = 0;
  qint16 Soort = 0;
  Bool16 TeHertekenen;
  qint16 Lettergrootte = 0;
  QString Lettertype;
  Bool16 Vet;
  Bool16 Cursief;
  Bool16 Onderlijnd;
  qint16 Uitlijning = 0;  // text: 0 left, 1 right, 2 centred; round text: reference mode
  QString Tekst;
  float Straal = 0;
  float Spatiering = 0;
  Bool16 Wijzerzin;
  float Referentiepunt = 0;
  float MiddenX = 0;
  float MiddenY = 0;
  std::unique_ptr<Beeld> Afbeelding;
  qint32 BeeldBreedte = 0;
  qint32 BeeldHoogte = 0;
  qint32 BronX = 0;
  qint32 BronY = 0;
  qint32 BronBreedte = 0;
  qint32 BronHoogte = 0;

  float Rechts() const { return Links + Breedte; }
  float Onder() const { return Boven + Hoogte; }
  // Gives the element a picture; the source rectangle becomes the whole picture.
  void ZetAfbeelding(std::unique_ptr<Beeld> beeld, qint32 breedte, qint32 hoogte);
};
