#include "roundtext/RondeTekst.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <cmath>
#include <memory>
#include <vector>

#include "model/Afronden.h"
#include "platform/Cp1252.h"

platform::CellFont RondeLetter(const QString& lettertype, qint16 punten, bool vet, bool cursief, bool onderlijnd) {
  return platform::CellFont({lettertype, vet, cursief, onderlijnd}, RondeCelhoogte(punten));
}

LetterMaten MatenVan(const platform::CellFont& font) {
  LetterMaten m;
  if (!font.isValid()) return m;
  m.H = RondAf(font.cellHeight());
  m.IL = RondAf(font.internalLeading());
  m.EL = RondAf(font.externalLeading());
  return m;
}

QString ZonderSlotspaties(const QString& tekst) {
  qsizetype n = tekst.size();
  while (n > 0 && tekst[n - 1] == u' ') --n;
  return tekst.left(n);
}

QImage TekenRondeTekst(const RondeZetting& zetting, const platform::CellFont& font, const QString& tekens) {
  QImage beeld(zetting.Kader.Breedte, zetting.Kader.Hoogte, QImage::Format_Mono);
  if (beeld.isNull()) return beeld;
  beeld.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
  beeld.fill(0);
  const int dpm = RondAf(RondeResolutie * 1000.0);
  beeld.setDotsPerMeterX(dpm);
  beeld.setDotsPerMeterY(dpm);
  // One character per font turned by its escapement about the cell's
  // top-left corner; the underline, if any, goes under each character.
  const QPointF basislijn(0, font.ascent());
  const size_t n = std::min(zetting.Plekken.size(), size_t(tekens.size()));
  std::vector<QPainterPath> omtrekken(n);
  for (size_t i = 0; i < n; ++i) omtrekken[i] = font.path(QString(tekens[qsizetype(i)]), basislijn);
  // Filled straight onto a one-bit picture, an outline now and then lacks
  // a short run of dots, so the same text would not always give the same
  // picture (and one read back from a file would differ from the one
  // saved). Grey bands, filled the same way, give the same dots every time;
  // a band at a time keeps a large circle's picture small.
  constexpr int kBand = 1024;
  for (int y0 = 0; y0 < beeld.height(); y0 += kBand) {
    QImage band(beeld.width(), std::min(kBand, beeld.height() - y0), QImage::Format_Grayscale8);
    if (band.isNull()) return {};
    band.fill(255);
    {
      QPainter p(&band);
      // Filled outlines without antialiasing stay pure black and white.
      p.setRenderHint(QPainter::Antialiasing, false);
      p.setPen(Qt::NoPen);
      p.setBrush(Qt::black);
      for (size_t i = 0; i < n; ++i) {
        if (omtrekken[i].isEmpty()) continue;
        const KarakterPlek& plek = zetting.Plekken[i];
        QTransform t;
        t.translate(plek.X, plek.Y - y0);
        t.rotate(-plek.Escapement / 10.0);  // counter-clockwise on a y-down surface
        p.setTransform(t);
        p.drawPath(omtrekken[i]);
      }
    }
    for (int r = 0; r < band.height(); ++r) {
      const uchar* grijs = band.constScanLine(r);
      uchar* regel = beeld.scanLine(y0 + r);
      for (int x = 0; x < band.width(); ++x)
        if (grijs[x] < 128) regel[x >> 3] |= uchar(0x80 >> (x & 7));
    }
  }
  return beeld;
}

bool MaakRondeTekst(Ontwerp& ontwerp, int index) { return MaakRondeTekst(ontwerp.voorwerp(index)); }

bool MaakRondeTekst(Voorwerp& v) {
  if (ZonderSlotspaties(v.tekst().Tekst).isEmpty()) return false;

  const platform::CellFont font = RondeLetter(v.tekst().Lettertype, v.tekst().Lettergrootte, v.tekst().Vet,
                                              v.tekst().Cursief, v.tekst().Onderlijnd);
  if (!font.isValid()) return false;
  const LetterMaten maten = MatenVan(font);
  const double r = Werkstraal(v.cirkel().Straal, maten);
  // Nothing sensible can be drawn for these; keep what the element had.
  if (!std::isfinite(v.cirkel().Straal) || !std::isfinite(v.cirkel().Referentiepunt) || !(r > 0) ||
      v.cirkel().Straal > GrootsteStraal)
    return false;

  v.tekst().Tekst = ZonderSlotspaties(v.tekst().Tekst);
  // Measured and drawn as the printer's code page holds it.
  const QString tekens = platform::throughCp1252(v.tekst().Tekst);
  std::vector<double> advances;
  advances.reserve(size_t(tekens.size()));
  for (double w : font.advances(tekens)) advances.push_back(RondAf(w));

  // The advances of the turned outlines equal the upright ones, so the
  // layout needs no measuring function: it settles in one pass.
  const RondeZetting zetting =
      ZetRondeTekst({v.cirkel().Straal, bool(v.cirkel().Wijzerzin), v.tekst().Uitlijning, v.cirkel().Referentiepunt},
                    maten, advances);
  const RondKader& k = zetting.Kader;
  v.cirkel().MiddenX = float(k.MiddenX / double(RondeResolutie));
  v.cirkel().MiddenY = float(k.MiddenY / double(RondeResolutie));

  auto beeld = std::make_shared<Beeld>();
  beeld->raster = TekenRondeTekst(zetting, font, tekens);

  float links = v.Links, boven = v.Boven;
  float breedte = float(k.Breedte / double(RondeResolutie)), hoogte = float(k.Hoogte / double(RondeResolutie));
  v.Plaats(links, boven, breedte, hoogte);
  v.beeld().ZetAfbeelding(std::move(beeld), k.Breedte, k.Hoogte);
  return true;
}
