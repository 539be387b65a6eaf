#include "roundtext/RondeTekst.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <cmath>
#include <memory>

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

namespace {

// A character's outline and as much of its place as the drawing needs.
struct Plaatsing {
  qint32 X, Y, Escapement;
  QPainterPath omtrek;
};

// Draws the characters. Only reads what it is given: other threads may
// draw the pictures of other elements with the same outlines meanwhile.
QImage TekenOp(QSize maat, const std::vector<Plaatsing>& plekken) {
  QImage beeld(maat, QImage::Format_Mono);
  if (beeld.isNull()) return beeld;
  beeld.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
  beeld.fill(0);
  const int dpm = RondAf(RondeResolutie * 1000.0);
  beeld.setDotsPerMeterX(dpm);
  beeld.setDotsPerMeterY(dpm);
  // The painter's engine stays with the image it draws on, buffers and
  // all, as long as that image lives: it draws on a second image over the
  // same pixels, which goes when the drawing is done.
  QImage doek(beeld.bits(), beeld.width(), beeld.height(), beeld.bytesPerLine(), QImage::Format_Mono);
  doek.setColorTable(beeld.colorTable());
  QPainter p(&doek);
  // Filled outlines without antialiasing stay pure black and white.
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  for (const Plaatsing& plek : plekken) {
    // One character per font turned by its escapement about the cell's
    // top-left corner; the underline, if any, goes under each character.
    // Drawn from a copy of its own: drawing leaves data behind in a path,
    // which a shared outline must not get from two threads at once.
    QPainterPath omtrek;
    omtrek.setFillRule(plek.omtrek.fillRule());
    omtrek.addPath(plek.omtrek);
    QTransform t;
    t.translate(plek.X, plek.Y);
    t.rotate(-plek.Escapement / 10.0);  // counter-clockwise on a y-down surface
    p.setTransform(t);
    p.drawPath(omtrek);
  }
  p.end();
  return beeld;
}

// The characters that show, with their outlines from the font (made on the
// thread that owns the font).
std::vector<Plaatsing> Plaatsingen(const RondeZetting& zetting, const platform::CellFont& font, const QString& tekens) {
  std::vector<Plaatsing> p;
  const size_t n = std::min(zetting.Plekken.size(), size_t(tekens.size()));
  p.reserve(n);
  for (size_t i = 0; i < n; ++i) {
    const KarakterPlek& k = zetting.Plekken[i];
    QPainterPath omtrek = font.cellPath(tekens[qsizetype(i)]);
    if (!omtrek.isEmpty()) p.push_back({k.X, k.Y, k.Escapement, std::move(omtrek)});
  }
  return p;
}

}  // namespace

QImage TekenRondeTekst(const RondeZetting& zetting, const platform::CellFont& font, const QString& tekens) {
  return TekenOp(QSize(zetting.Kader.Breedte, zetting.Kader.Hoogte), Plaatsingen(zetting, font, tekens));
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

  // The picture is drawn from the layout whenever it is needed, not kept.
  auto beeld = std::make_shared<Beeld>();
  beeld->teken = [maat = QSize(k.Breedte, k.Hoogte), plekken = Plaatsingen(zetting, font, tekens)] {
    return TekenOp(maat, plekken);
  };

  float links = v.Links, boven = v.Boven;
  float breedte = float(k.Breedte / double(RondeResolutie)), hoogte = float(k.Hoogte / double(RondeResolutie));
  v.Plaats(links, boven, breedte, hoogte);
  v.beeld().ZetAfbeelding(std::move(beeld), k.Breedte, k.Hoogte);
  return true;
}
