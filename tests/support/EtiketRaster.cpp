#include "support/EtiketRaster.h"

#include <QPainter>

#include "model/Afronden.h"
#include "printing/Afdrukjob.h"
#include "printing/BeeldenVooruit.h"
#include "printing/Sbpl.h"
#include "printing/Tekenen.h"

using namespace printing;

EtiketRaster::EtiketRaster(const Ontwerp& ontwerp, const EtiketFormaat& formaat, int puntenPerMm,
                           const Nummering& nummering, RondeTekstMaker maakRondeTekst)
    : ontwerp_(ontwerp),
      formaat_(formaat),
      ppm_(puntenPerMm),
      nummering_(nummering),
      maakRondeTekst_(std::move(maakRondeTekst)) {}

const QImage& EtiketRaster::Teken(float dX, float dY, int nummer) {
  const EtiketFormaat& f = formaat_;
  // One canvas serves every label of the job, painted white each time: a
  // fresh one per label costs its allocation and page faults again.
  const QSize maat = EtiketCanvas(f, ppm_);
  if (canvas_.size() != maat) canvas_ = QImage(maat, QImage::Format_RGB32);
  canvas_.fill(Qt::white);
  QImage& canvas = canvas_;
  QPainter p(&canvas);
  const Apparaat a{float(ppm_), float(ppm_), dX, dY};
  const Ontwerp& o = ontwerp_;
  // The round texts whose own picture goes on the label, drawn ahead on
  // the other cores; a copy with its own number gets a picture of its own.
  const auto eigenBeeld = [&](const Voorwerp& v) -> std::shared_ptr<const Beeld> {
    if (v.Soort() != SoortVoorwerp::RondeTekst || !v.beeld().Afbeelding || !v.beeld().Afbeelding->teken) return nullptr;
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
  int codes = 0;
  for (int i = 1; i <= o.AantalVoorwerpen(); ++i) {
    const Voorwerp& v = o.voorwerp(i);
    if (metVooruit[size_t(i)]) tekenaars.Bij(k++);
    v.Bezoek(
        [&](const TekstlijnDeel& t) {
          const QString tekst = VervangNummering(t.Tekst, nummer, nummering_);
          if (tekst == t.Tekst) return TekstOpDC(v, f, p, a);
          Voorwerp kopie = v;
          kopie.tekst().Tekst = tekst;
          TekstOpDC(kopie, f, p, a);
        },
        [&](const FiguurDeel&) { FiguurOpDC(v, f, p, a); },
        [&](const RondeTekstDeel& r) {
          const QString tekst = VervangNummering(r.Tekst, nummer, nummering_);
          if (tekst == r.Tekst || !maakRondeTekst_) return FiguurOpDC(v, f, p, a);
          // This copy's text, rendered with the circle's centre where the
          // element has it.
          Voorwerp kopie = v;
          kopie.tekst().Tekst = tekst;
          if (!maakRondeTekst_(kopie)) return;
          kopie.Links = kopie.Links - kopie.cirkel().MiddenX + r.MiddenX;
          kopie.Boven = kopie.Boven - kopie.cirkel().MiddenY + r.MiddenY;
          FiguurOpDC(kopie, f, p, a);
        },
        [&](const StreepjescodeDeel& c) {
          ++codes;
          const QString gegevens = VervangNummering(c.Gegevens, nummer, nummering_);
          if (gegevens == c.Gegevens) return TekenStreepjescodeOfStop(v, codes, std::nullopt, f, p, a);
          Voorwerp kopie = v;
          kopie.code().Gegevens = gegevens;
          TekenStreepjescodeOfStop(kopie, codes, nummer, f, p, a);
        });
  }
  p.end();
  return canvas;
}

QByteArray EtiketRaster::DrukEenExemplaarSATO(float links, float boven, int nummer) {
  const float dX = std::min(links, 0.0f), dY = std::min(boven, 0.0f);
  const QImage& canvas = Teken(dX, dY, nummer);
  int bpr = 0, rijen = 0;
  const QByteArray bits = RasterBits(canvas, &bpr, &rijen);
  const int hs = RijenTeVersturen(bits, bpr, rijen);
  const int hp = RondAf(std::max(0.0f, links) * float(ppm_));
  const int v = RondAf(std::max(boven, 0.0f) * float(ppm_));
  return sbpl::Grafiek(v, hp, bpr, hs, bits.constData());
}
