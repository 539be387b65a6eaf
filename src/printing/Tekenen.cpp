#include "printing/Tekenen.h"

#include <QPainter>
#include <cmath>

#include "barcodes/TekenStreepjescode.h"
#include "model/Afronden.h"
#include "platform/CellFont.h"
#include "platform/Cp1252.h"
#include "printing/BeeldenVooruit.h"
#include "printing/Nummering.h"
#include "printing/Omzetten.h"
#include "printing/Uitrekken.h"

namespace printing {

namespace {

struct Hoek {
  qint32 links, boven;
};

Hoek LinksBoven(const Voorwerp& v, const EtiketFormaat& f, const Apparaat& a) {
  return {RondAf((f.Breedte / 2 + v.Links + a.dX) * a.PixelsPerMMx),
          RondAf((f.Hoogte / 2 + v.Boven + a.dY) * a.PixelsPerMMy)};
}

// The part of box r (relative to its top-left corner) that can change a
// pixel: what lies on the device and inside the clip. Under any transform
// but whole-pixel shifts, all of it.
QRect ZichtbaarDeel(const QPainter& hdc, const QRect& r) {
  const QRect alles(QPoint(0, 0), r.size());
  const QTransform t = hdc.combinedTransform();
  const QPaintDevice* apparaat = hdc.device();
  if (!apparaat || t.type() > QTransform::TxTranslate || t.dx() != std::floor(t.dx()) || t.dy() != std::floor(t.dy()) ||
      apparaat->devicePixelRatio() != 1)
    return alles;
  QRect zicht = QRect(0, 0, apparaat->width(), apparaat->height()).translated(-int(t.dx()), -int(t.dy()));
  if (hdc.hasClipping()) zicht &= hdc.clipBoundingRect().toAlignedRect();
  return alles & zicht.translated(-r.topLeft());
}

// A black-on-white picture ANDed straight into the image the painter draws
// on, where it can be: an RGB32 image of its own, no transform but
// whole-pixel shifts, full opacity. The clip is read as the region it is;
// the drawing here clips with rectangles and regions only. Thousands of
// overlapping pictures then cost their black pixels, not their boxes.
bool ZwartInBeeld(QPainter& hdc, const QRect& r, const QImage& raster, const QRect& bron) {
  QPaintDevice* apparaat = hdc.device();
  if (!apparaat || apparaat->devType() != QInternal::Image) return false;
  QImage& beeld = *static_cast<QImage*>(apparaat);
  const QTransform t = hdc.combinedTransform();
  // A shared image would be copied by writing to it, away from the painter.
  if (!beeld.isDetached() || beeld.devicePixelRatio() != 1 || hdc.opacity() != 1 ||
      t.type() > QTransform::TxTranslate || t.dx() != std::floor(t.dx()) || t.dy() != std::floor(t.dy()))
    return false;
  const QPoint verschuiving(int(t.dx()), int(t.dy()));
  const QRegion gebied = hdc.hasClipping() ? hdc.clipRegion().translated(verschuiving) : QRegion(beeld.rect());
  return RekZwartIn(beeld, r.translated(verschuiving), gebied, raster, bron);
}

// A figure turned into dots its own way: made at the printer's dots for
// its box, ANDed in on the printer and shown scaled, as a barcode is, on
// any other device.
void OmgezetteFiguurOpDC(const Voorwerp& v, const QRect& r, QPainter& hdc, const Apparaat& a) {
  const bool printer = a.PrinterPuntenPerMm <= 0;
  const int ppm = printer ? RondAf(a.PixelsPerMMx) : a.PrinterPuntenPerMm;
  const QSize vak = printer ? r.size() : QSize(RondAf(v.Breedte * ppm), RondAf(v.Hoogte * ppm));
  if (vak.isEmpty()) return;
  const QImage punten = OmgezetteFiguur(v, vak);
  if (punten.isNull()) return;
  if (printer) {
    if (ZwartInBeeld(hdc, r, punten, punten.rect())) return;
    hdc.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    hdc.drawImage(r.topLeft(), punten.convertToFormat(QImage::Format_RGB32));
    return;
  }
  hdc.setRenderHint(QPainter::SmoothPixmapTransform);
  hdc.setCompositionMode(QPainter::CompositionMode_Multiply);
  hdc.drawImage(r, punten.convertToFormat(QImage::Format_RGB32));
}

// The human-readable line under a barcode: each piece centred in its box,
// at the box's height as cell, smaller when the piece would not fit across.
// Drawn as outlines without antialiasing, as text lines are.
void StreepjescodeTekst(const std::vector<TekstDeel>& delen, QPainter& hdc, QPoint hoek, bool alsTekst = false) {
  static const QString kLettertype = QStringLiteral("DejaVu Sans Mono");
  hdc.save();
  hdc.setRenderHint(QPainter::Antialiasing, false);
  hdc.setPen(Qt::NoPen);
  hdc.setBrush(Qt::black);
  for (const TekstDeel& d : delen) {
    const QRect vak = d.Vak.translated(hoek);
    if (vak.isEmpty() || d.Tekst.isEmpty()) continue;
    double cel = vak.height();
    platform::CellFont font({kLettertype}, cel);
    if (!font.isValid()) continue;
    const double breedte = font.width(d.Tekst);
    if (breedte > vak.width()) {
      cel = std::floor(cel * vak.width() / breedte);
      if (cel < 1) continue;
      font = platform::CellFont({kLettertype}, cel);
      if (!font.isValid()) continue;
    }
    const double x = vak.left() + (vak.width() - font.width(d.Tekst)) / 2;
    const double y = vak.top() + (vak.height() - cel) / 2 + font.ascent();
    if (alsTekst)
      hdc.drawGlyphRun(QPointF(0, 0), font.glyphRun(d.Tekst, QPointF(x, y)));
    else
      hdc.drawPath(font.path(d.Tekst, QPointF(x, y)));
  }
  hdc.restore();
}

}  // namespace

QRect TekstRechthoek(const Voorwerp& v, const EtiketFormaat& f, const Apparaat& a) {
  const Hoek h = LinksBoven(v, f, a);
  const qint32 rechts = RondAf(a.PixelsPerMMx * v.Breedte + h.links);
  const qint32 onder = RondAf(a.PixelsPerMMy * v.Hoogte + h.boven);
  return QRect(QPoint(h.links, h.boven), QPoint(rechts - 1, onder - 1));
}

QRect FiguurRechthoek(const Voorwerp& v, const EtiketFormaat& f, const Apparaat& a) {
  const Hoek h = LinksBoven(v, f, a);
  return QRect(h.links, h.boven, RondAf(a.PixelsPerMMx * v.Breedte), RondAf(a.PixelsPerMMy * v.Hoogte));
}

QRect VoorwerpRechthoek(const Voorwerp& v, const EtiketFormaat& f, const Apparaat& a) {
  return v.Bezoek([&](const TekstlijnDeel&) { return TekstRechthoek(v, f, a); },
                  [&](const FiguurDeel&) { return FiguurRechthoek(v, f, a); },
                  [&](const RondeTekstDeel&) { return FiguurRechthoek(v, f, a); },
                  [&](const StreepjescodeDeel&) { return FiguurRechthoek(v, f, a); });
}

void TekstOpDC(const Voorwerp& v, const EtiketFormaat& f, QPainter& hdc, const Apparaat& a) {
  const QRect r = TekstRechthoek(v, f, a);
  if (r.isEmpty()) return;
  int cel = platform::CellFont::cellForPoints(a.PixelsPerMMy, v.tekst().Lettergrootte);
  if (cel <= 0) return;
  const platform::CellFont::Key gezicht{v.tekst().Lettertype, bool(v.tekst().Vet), bool(v.tekst().Cursief),
                                         bool(v.tekst().Onderlijnd)};
  platform::CellFont font(gezicht, cel);
  if (!font.isValid()) return;
  // The text as the design file and the printer hold it.
  const QString tekst = platform::throughCp1252(v.tekst().Tekst);
  double breedte = font.width(tekst);
  // A line that fits its box: smaller cells, down to the minimum's, until
  // the text is no wider than the box. The same on every device, in its
  // own pixels.
  if (const TekstlijnDeel* lijn = v.alsTekstlijn(); lijn && lijn->passend.Aan && breedte > r.width()) {
    const int kleinste = std::max(1, platform::CellFont::cellForPoints(a.PixelsPerMMy, lijn->passend.Minimum));
    int proef = std::max(kleinste, int(std::floor(cel * r.width() / breedte)));
    while (true) {
      platform::CellFont kleiner(gezicht, proef);
      if (!kleiner.isValid()) break;
      const double w = kleiner.width(tekst);
      if (w <= r.width() || proef <= kleinste) {
        font = std::move(kleiner);
        cel = proef;
        breedte = w;
        break;
      }
      --proef;
    }
  }
  double x = r.left();
  if (v.tekst().Uitlijning == 1)
    x = r.left() + r.width() - breedte;
  else if (v.tekst().Uitlijning == 2)
    x = r.left() + (r.width() - breedte) / 2;
  const double y = r.top() + (r.height() - cel) / 2 + font.ascent();
  // Only the characters that can reach the box: a line of thousands of
  // characters draws the few it shows, with the same pixels. Under a
  // scaling or turning transform the whole line goes, as it always did.
  const QPointF begin(x, y);
  if (a.Vectoren) {
    hdc.save();
    hdc.setClipRect(r, Qt::IntersectClip);
    hdc.setPen(Qt::black);
    hdc.drawGlyphRun(QPointF(0, 0), font.glyphRun(tekst, begin));
    const QRectF streep = font.underlineRect(tekst, begin);
    if (!streep.isEmpty()) hdc.fillRect(streep, Qt::black);
    hdc.restore();
    return;
  }
  const bool verschuiving = hdc.combinedTransform().type() <= QTransform::TxTranslate;
  const QPainterPath omtrek = verschuiving ? font.pathWithin(tekst, begin, QRectF(r)) : font.path(tekst, begin);
  if (omtrek.isEmpty()) return;
  hdc.save();
  hdc.setClipRect(r, Qt::IntersectClip);
  hdc.setPen(Qt::NoPen);
  hdc.setBrush(Qt::black);
  hdc.drawPath(omtrek);
  hdc.restore();
}

void FiguurOpDC(const Voorwerp& v, const EtiketFormaat& f, QPainter& hdc, const Apparaat& a) {
  if (!v.beeld().Afbeelding) return;
  const QRect r = FiguurRechthoek(v, f, a);
  if (r.width() <= 0 || r.height() <= 0) return;
  const Beeld& b = *v.beeld().Afbeelding;
  hdc.save();
  if (b.isVector) {
    const QRect bron = b.vector.boundingRect();
    if (!bron.isEmpty()) {
      hdc.translate(r.topLeft());
      hdc.scale(double(r.width()) / bron.width(), double(r.height()) / bron.height());
      hdc.translate(-bron.topLeft());
      hdc.drawPicture(0, 0, b.vector);
    }
  } else if (a.Vectoren && (b.teken || !b.raster.isNull())) {
    // The picture's own pixels, scaled by the page: white left out, so
    // what lies under it still shows, as the AND does on the label.
    // A dithered figure gives the page its grey values: the office
    // printer makes its own dots of them at its own resolution.
    const FiguurDeel* figuur = v.alsFiguur();
    const bool grijs = figuur && !figuur->omzetting.IsStandaard() && !b.grijs.isNull();
    const QImage raster = grijs ? b.grijs : b.Raster();
    const QRect bron(v.beeld().BronX, v.beeld().BronY, v.beeld().BronBreedte, v.beeld().BronHoogte);
    // Read as the label reads it (a one-bit picture by its own colours),
    // at the picture's own size: the page scales it.
    const QRect binnen = bron & raster.rect();
    QImage deel = binnen.isEmpty() ? QImage()
                  : grijs          ? raster.copy(binnen).convertToFormat(QImage::Format_ARGB32)
                                   : RekUit(raster, binnen, binnen.width(), binnen.height())
                                         .convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < deel.height(); ++y) {
      QRgb* regel = reinterpret_cast<QRgb*>(deel.scanLine(y));
      for (int x = 0; x < deel.width(); ++x)
        if ((regel[x] & 0xFFFFFFu) == 0xFFFFFFu) regel[x] = 0;
    }
    if (!deel.isNull()) {
      hdc.setRenderHint(QPainter::SmoothPixmapTransform, false);
      hdc.drawImage(QRectF(r), deel);
    }
  } else if (const FiguurDeel* figuur = v.alsFiguur(); figuur && !figuur->omzetting.IsStandaard()) {
    OmgezetteFiguurOpDC(v, r, hdc, a);
  } else if (b.teken || !b.raster.isNull()) {
    // A picture that has to be drawn first is drawn only when it shows.
    const QRect deel = ZichtbaarDeel(hdc, r);
    const QImage raster = deel.isEmpty() ? QImage() : b.Raster();
    const QRect bron(v.beeld().BronX, v.beeld().BronY, v.beeld().BronBreedte, v.beeld().BronHoogte);
    if (!raster.isNull() && !ZwartInBeeld(hdc, r, raster, bron)) {
      const QImage uit = RekUitDeel(raster, bron, r.width(), r.height(), deel);
      if (!uit.isNull()) {
        hdc.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        hdc.drawImage(r.topLeft() + deel.topLeft(), uit);
      }
    }
  }
  hdc.restore();
}

std::optional<QString> StreepjescodeFout(const Streepjescode& code, QSize vak, int ppm) {
  const StreepjescodeTekening t = TekenStreepjescode(code, vak, ppm);
  if (t.uitkomst == StreepjescodeTekening::Uitkomst::Getekend) return std::nullopt;
  return t.Fout;
}

std::optional<QString> StreepjescodeOpDC(const Voorwerp& v, const EtiketFormaat& f, QPainter& hdc, const Apparaat& a) {
  const QRect r = FiguurRechthoek(v, f, a);
  const bool printer = a.PrinterPuntenPerMm <= 0;
  const int ppm = printer ? RondAf(a.PixelsPerMMx) : a.PrinterPuntenPerMm;
  // On another device the symbol is laid out in the printer's dots for the
  // element's box and then scaled onto the device's box.
  const QSize vak = printer ? r.size() : QSize(RondAf(v.Breedte * ppm), RondAf(v.Hoogte * ppm));
  // The screen shows a numbered code as its first copy without a list
  // would print it: the numbering's own values are not part of the design's
  // picture, and codes kept as they are would show a symbol never printed.
  Streepjescode code = v.code();
  if (!printer) code.Gegevens = VervangNummering(code.Gegevens, 1, Nummering{});
  const StreepjescodeTekening t = TekenStreepjescode(code, vak.expandedTo(QSize(0, 0)), std::max(1, ppm));
  if (t.uitkomst != StreepjescodeTekening::Uitkomst::Getekend) return t.Fout;
  if (printer) {
    // Black added to what is there, as figures are.
    if (!ZwartInBeeld(hdc, r, t.Beeld, t.Beeld.rect())) {
      hdc.save();
      hdc.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
      hdc.drawImage(r.topLeft(), t.Beeld.convertToFormat(QImage::Format_RGB32));
      hdc.restore();
    }
    StreepjescodeTekst(t.indeling.TekstDelen, hdc, r.topLeft());
    return std::nullopt;
  }
  if (r.isEmpty()) return std::nullopt;
  if (a.Vectoren) {
    // Every bar a rectangle of the page, its edges where the printer's
    // dots would put them, scaled exactly; the line under it as text.
    hdc.save();
    hdc.translate(r.topLeft());
    hdc.scale(double(r.width()) / t.Beeld.width(), double(r.height()) / t.Beeld.height());
    hdc.setRenderHint(QPainter::Antialiasing, false);
    hdc.setPen(Qt::NoPen);
    hdc.setBrush(Qt::black);
    // Rows with the same runs of black as the row above extend its
    // rectangles: one rectangle per bar, one per run of a module row.
    QPainterPath balken;
    const QImage bits = t.Beeld.convertToFormat(QImage::Format_RGB32);
    std::vector<std::pair<int, int>> vorige, runs;
    int begin = 0;
    const auto sluit = [&](int tot) {
      for (const auto& [x, eind] : vorige) balken.addRect(QRectF(x, begin, eind - x, tot - begin));
    };
    for (int y = 0; y < bits.height(); ++y) {
      const QRgb* regel = reinterpret_cast<const QRgb*>(bits.constScanLine(y));
      runs.clear();
      for (int x = 0; x < bits.width();) {
        if ((regel[x] & 0xFFFFFFu) == 0xFFFFFFu) {
          ++x;
          continue;
        }
        int eind = x;
        while (eind < bits.width() && (regel[eind] & 0xFFFFFFu) != 0xFFFFFFu) ++eind;
        runs.emplace_back(x, eind);
        x = eind;
      }
      if (runs != vorige) {
        sluit(y);
        vorige = runs;
        begin = y;
      }
    }
    sluit(bits.height());
    hdc.drawPath(balken);
    StreepjescodeTekst(t.indeling.TekstDelen, hdc, QPoint(0, 0), true);
    hdc.restore();
    return std::nullopt;
  }
  QImage symbool = t.Beeld.convertToFormat(QImage::Format_RGB32);
  {
    QPainter p(&symbool);
    StreepjescodeTekst(t.indeling.TekstDelen, p, QPoint(0, 0));
  }
  hdc.save();
  hdc.setRenderHint(QPainter::SmoothPixmapTransform);
  hdc.setCompositionMode(QPainter::CompositionMode_Multiply);
  hdc.drawImage(r, symbool);
  hdc.restore();
  return std::nullopt;
}

void TekenVoorwerpOpDC(const Voorwerp& v, const EtiketFormaat& f, QPainter& hdc, const Apparaat& a) {
  v.Bezoek([&](const TekstlijnDeel&) { TekstOpDC(v, f, hdc, a); }, [&](const FiguurDeel&) { FiguurOpDC(v, f, hdc, a); },
           [&](const RondeTekstDeel&) { FiguurOpDC(v, f, hdc, a); },
           [&](const StreepjescodeDeel&) { StreepjescodeOpDC(v, f, hdc, a); });
}

void TekenVoorwerpenOpDC(const Ontwerp& o, const std::vector<int>& indexen, const EtiketFormaat& f, QPainter& hdc,
                         const Apparaat& a) {
  const auto getekend = [&](int i) -> std::shared_ptr<const Beeld> {
    const Beelddeel* b = o.voorwerp(i).alsBeeld();
    return b && b->Afbeelding && b->Afbeelding->teken ? b->Afbeelding : nullptr;
  };
  std::vector<std::shared_ptr<const Beeld>> vooruit;
  for (int i : indexen)
    if (auto b = getekend(i)) vooruit.push_back(std::move(b));
  BeeldenVooruit tekenaars(std::move(vooruit));
  size_t k = 0;
  for (int i : indexen) {
    if (getekend(i)) tekenaars.Bij(k++);
    TekenVoorwerpOpDC(o.voorwerp(i), f, hdc, a);
  }
}

void TekenOpDC(const Ontwerp& o, const EtiketFormaat& f, QPainter& hdc, const Apparaat& a) {
  for (int i = 1; i <= o.AantalVoorwerpen(); ++i)
    if (o.voorwerp(i).Soort() == SoortVoorwerp::Tekstlijn) TekstOpDC(o.voorwerp(i), f, hdc, a);
}

}  // namespace printing
