#include "printing/Raster.h"

#include <QPainter>
#include <cmath>

#include "model/Afronden.h"
#include "model/GetekendBeeld.h"
#include "model/Ontwerp.h"
#include "printing/Sbpl.h"
#include "printing/Tekenen.h"

namespace {
int CanvasMaat(float mm, int ppm) { return int(std::floor(mm + 0.99f)) * ppm; }
int OpNaar(int waarde, int veelvoud) { return (waarde + veelvoud - 1) / veelvoud * veelvoud; }
}  // namespace

LabelRaster::LabelRaster(const Ontwerp& ontwerp, const EtiketFormaat& formaat, int puntenPerMm,
                         const Nummering& nummering, RondeTekstMaker maakRondeTekst)
    : ontwerp_(ontwerp),
      formaat_(formaat),
      ppm_(puntenPerMm),
      nummering_(nummering),
      maakRondeTekst_(std::move(maakRondeTekst)) {}

std::optional<QString> LabelRaster::Grenzen(const EtiketFormaat& f, int ppm) {
  const int wc = CanvasMaat(f.Breedte, ppm), hc = CanvasMaat(f.Hoogte, ppm);
  if (wc > 4095)
    return QStringLiteral("Het etiket is %1 punten breed; de printer neemt er ten hoogste 4095.").arg(wc);
  if (OpNaar(hc, 8) / 8 > 999)
    return QStringLiteral("Het etiket is %1 punten hoog; de printer neemt er ten hoogste 7992.").arg(hc);
  return std::nullopt;
}

const QImage& LabelRaster::Teken(float dX, float dY, int nummer) {
  const EtiketFormaat& f = formaat_;
  // One canvas serves every label of the job, painted white each time: a
  // fresh one per label costs its allocation and page faults again.
  const QSize maat(CanvasMaat(f.Breedte, ppm_), CanvasMaat(f.Hoogte, ppm_));
  if (canvas_.size() != maat) canvas_ = QImage(maat, QImage::Format_RGB32);
  canvas_.fill(Qt::white);
  QImage& canvas = canvas_;
  QPainter p(&canvas);
  const Apparaat a{float(ppm_), float(ppm_), dX, dY};
  const Ontwerp& o = ontwerp_;
  // The round texts whose own picture goes on the label, drawn ahead on
  // the other cores; a copy with its own number gets a picture of its own.
  const auto eigenBeeld = [&](const Voorwerp& v) -> std::shared_ptr<const Beeld> {
    if (v.Soort() != RondeTekst || !v.beeld().Afbeelding || !v.beeld().Afbeelding->teken) return nullptr;
    if (maakRondeTekst_ && VervangNummering(v.tekst().Tekst, nummer, nummering_) != v.tekst().Tekst) return nullptr;
    return v.beeld().Afbeelding;
  };
  std::vector<std::shared_ptr<const Beeld>> vooruit;
  std::vector<bool> metVooruit(size_t(o.AantalVoorwerpen()) + 1);
  for (int i = 1; i <= o.AantalVoorwerpen(); ++i)
    if (auto b = eigenBeeld(o.voorwerp(i))) {
      vooruit.push_back(std::move(b));
      metVooruit[size_t(i)] = true;
    }
  BeeldenVooruit tekenaars(std::move(vooruit));
  size_t k = 0;
  for (int i = 1; i <= o.AantalVoorwerpen(); ++i) {
    const Voorwerp& v = o.voorwerp(i);
    if (metVooruit[size_t(i)]) tekenaars.Bij(k++);
    if (v.Soort() == Tekstlijn) {
      const QString tekst = VervangNummering(v.tekst().Tekst, nummer, nummering_);
      if (tekst == v.tekst().Tekst) {
        TekstOpDC(v, f, p, a);
        continue;
      }
      Voorwerp kopie = v;
      kopie.tekst().Tekst = tekst;
      TekstOpDC(kopie, f, p, a);
    } else if (v.Soort() == Figuur) {
      FiguurOpDC(v, f, p, a);
    } else if (v.Soort() == RondeTekst) {
      const QString tekst = VervangNummering(v.tekst().Tekst, nummer, nummering_);
      if (tekst == v.tekst().Tekst || !maakRondeTekst_) {
        FiguurOpDC(v, f, p, a);
        continue;
      }
      // This copy's text, rendered with the circle's centre where the
      // element has it.
      Voorwerp kopie = v;
      kopie.tekst().Tekst = tekst;
      maakRondeTekst_(kopie);
      kopie.Links = kopie.Links - kopie.cirkel().MiddenX + v.cirkel().MiddenX;
      kopie.Boven = kopie.Boven - kopie.cirkel().MiddenY + v.cirkel().MiddenY;
      FiguurOpDC(kopie, f, p, a);
    }
  }
  p.end();
  return canvas;
}

QByteArray LabelRaster::Bits(const QImage& canvas, int* bytesPerRij, int* rijen) {
  const int wr = OpNaar(canvas.width(), 16), hr = OpNaar(canvas.height(), 8);
  const int bpr = wr / 8;
  QByteArray bits(qsizetype(bpr) * hr, '\0');
  // No copy of an RGB32 canvas: a second reference would make the next
  // label's fill allocate a new one.
  QImage omgezet;
  if (canvas.format() != QImage::Format_RGB32) omgezet = canvas.convertToFormat(QImage::Format_RGB32);
  const QImage& bron = omgezet.isNull() ? canvas : omgezet;
  const int breedte = bron.width(), heel = breedte / 8 * 8;
  unsigned char* basis = reinterpret_cast<unsigned char*>(bits.data());
  for (int y = 0; y < bron.height(); ++y) {
    const QRgb* in = reinterpret_cast<const QRgb*>(bron.constScanLine(y));
    unsigned char* uit = basis + qsizetype(y) * bpr;
    // Only the exact background stays blank: grey and colour print.
    int x = 0;
    for (; x < heel; x += 8) {
      unsigned b = 0;
      for (int k = 0; k < 8; ++k) b = (b << 1) | unsigned((in[x + k] & 0xFFFFFFu) != 0xFFFFFFu);
      uit[x >> 3] = static_cast<unsigned char>(b);
    }
    for (; x < breedte; ++x)
      if ((in[x] & 0xFFFFFFu) != 0xFFFFFFu) uit[x >> 3] |= static_cast<unsigned char>(0x80u >> (x & 7));
  }
  *bytesPerRij = bpr;
  *rijen = hr;
  return bits;
}

int LabelRaster::RijenTeVersturen(const QByteArray& bits, int bytesPerRij, int rijen) {
  const qsizetype totaal = qsizetype(bytesPerRij) * rijen;
  qsizetype i = totaal - 1;
  const qsizetype grens = qsizetype(bytesPerRij) * 64;  // Wr x 8 bytes: 64 rows
  while (i >= grens && bits[i] == 0) --i;
  if (totaal == 0) return 0;
  const qsizetype r = i / bytesPerRij;
  return int((r / 8 + 1) * 8);
}

QByteArray LabelRaster::DrukEenExemplaarSATO(float links, float boven, int nummer) {
  const float dX = std::min(links, 0.0f), dY = std::min(boven, 0.0f);
  const QImage& canvas = Teken(dX, dY, nummer);
  int bpr = 0, rijen = 0;
  const QByteArray bits = Bits(canvas, &bpr, &rijen);
  const int hs = RijenTeVersturen(bits, bpr, rijen);
  const int hp = RondAf(std::max(0.0f, links) * float(ppm_));
  const int v = RondAf(std::max(boven, 0.0f) * float(ppm_));
  return sbpl::Grafiek(v, hp, bpr, hs, bits.constData());
}
