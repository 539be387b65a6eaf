#include "roundtext/RondeTekst.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
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

namespace {

// A character's outline and as much of its place as the drawing needs.
struct Plaatsing {
  qint32 X, Y, Escapement;
  QPainterPath omtrek;
};

// Eight grey dots, the leftmost in the lowest byte, as one byte of a
// one-bit row: the leftmost dot in the top bit, set where the dot is dark.
inline uchar Donker(quint64 grijs) {
  const quint64 hoog = ~grijs & 0x8080808080808080ULL;  // top bit of each dark byte
  // Reversed, byte i's top bit lands on bit i of the top byte; no carries.
  return uchar((qbswap(hoog) * 0x0002040810204081ULL) >> 56);
}

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

  // Filled straight onto a one-bit picture, an outline now and then lacks
  // a short run of dots, so the same text would not always give the same
  // picture (and one read back from a file would differ from the one
  // saved). Filled on grey, the dots are the same every time. Each
  // character is filled on a grey patch of its own size and copied in, so
  // the work follows the characters, not the circle they stand on.
  struct Plek {
    QTransform t;
    QRect vak;  // the dots the character can cover, within the picture
  };
  std::vector<Plek> vakken;
  vakken.reserve(plekken.size());
  int grootsteB = 0, grootsteH = 0;
  for (const Plaatsing& plek : plekken) {
    QTransform t;
    t.translate(plek.X, plek.Y);
    t.rotate(-plek.Escapement / 10.0);  // counter-clockwise on a y-down surface
    // A dot is filled when its centre is inside, so a dot around the
    // bounds is margin enough.
    const QRect vak = t.mapRect(plek.omtrek.boundingRect()).toAlignedRect().adjusted(-1, -1, 1, 1) & beeld.rect();
    vakken.push_back({t, vak});
    grootsteB = std::max(grootsteB, vak.width());
    grootsteH = std::max(grootsteH, vak.height());
  }
  if (grootsteB == 0 || grootsteH == 0) return beeld;

  // Room for eight dots past the widest patch, so a row is read eight at a time.
  const int regelBytes = (grootsteB + 8 + 3) & ~3;
  std::vector<uchar> grijs(size_t(regelBytes) * size_t(grootsteH));
  QImage doek(grijs.data(), regelBytes, grootsteH, regelBytes, QImage::Format_Grayscale8);
  QPainter p(&doek);
  // Filled outlines without antialiasing stay pure black and white.
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  for (size_t i = 0; i < plekken.size(); ++i) {
    const QRect& vak = vakken[i].vak;
    if (vak.isEmpty()) continue;
    const int b = vak.width(), h = vak.height();
    for (int r = 0; r < h; ++r) std::memset(&grijs[size_t(r) * size_t(regelBytes)], 255, size_t(b + 8));
    // Drawn from a copy of its own: drawing leaves data behind in a path,
    // which a shared outline must not get from two threads at once.
    QPainterPath omtrek;
    omtrek.setFillRule(plekken[i].omtrek.fillRule());
    omtrek.addPath(plekken[i].omtrek);
    p.setTransform(vakken[i].t * QTransform::fromTranslate(-vak.x(), -vak.y()));
    p.drawPath(omtrek);
    // The painter draws straight into the patch's pixels, which are read here.
    const int bytesBeeld = int(beeld.bytesPerLine());
    for (int r = 0; r < h; ++r) {
      const uchar* bron = &grijs[size_t(r) * size_t(regelBytes)];
      uchar* regel = beeld.scanLine(vak.y() + r);
      for (int x = 0; x < b; x += 8) {
        quint64 acht;
        std::memcpy(&acht, bron + x, 8);
        uchar bits = Donker(qFromLittleEndian(acht));
        if (b - x < 8) bits &= uchar(0xFF << (8 - (b - x)));  // the dots past the patch stay white
        if (!bits) continue;
        const int kolom = vak.x() + x, byte = kolom >> 3, schuif = kolom & 7;
        regel[byte] |= uchar(bits >> schuif);
        if (schuif && byte + 1 < bytesBeeld) regel[byte + 1] |= uchar(bits << (8 - schuif));
      }
    }
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
