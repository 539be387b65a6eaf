#include "printing/Raster.h"

#include <QPainter>
#include <bit>
#include <cmath>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "model/Afronden.h"
#include "model/Ontwerp.h"
#include "printing/Afdrukjob.h"
#include "printing/BeeldenVooruit.h"
#include "printing/Sbpl.h"
#include "printing/Tekenen.h"

namespace printing {

namespace {

int OpNaar(int waarde, int veelvoud) { return (waarde + veelvoud - 1) / veelvoud * veelvoud; }

// Eight pixels as one byte of the raster, the first in the top bit: only
// the exact background white stays blank, grey and colour print.
inline unsigned AchtPunten(const QRgb* in) {
#if defined(__SSE2__)
  const __m128i wit = _mm_set1_epi32(-1), alfa = _mm_set1_epi32(int(0xFF000000u));
  const __m128i a = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(in)), alfa);
  const __m128i b = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(in + 4)), alfa);
  // Lane k white sets bit k; 16-bit packing keeps the lanes in order.
  const __m128i witte = _mm_packs_epi32(_mm_cmpeq_epi32(a, wit), _mm_cmpeq_epi32(b, wit));
  const unsigned masker = unsigned(_mm_movemask_epi8(_mm_packs_epi16(witte, witte))) & 0xFFu;
  // Pixel k in bit k, white set: turned round and inverted.
  unsigned uit = ~masker & 0xFFu;
  uit = ((uit & 0xF0u) >> 4) | ((uit & 0x0Fu) << 4);
  uit = ((uit & 0xCCu) >> 2) | ((uit & 0x33u) << 2);
  return ((uit & 0xAAu) >> 1) | ((uit & 0x55u) << 1);
#else
  unsigned b = 0;
  for (int k = 0; k < 8; ++k) b = (b << 1) | unsigned((in[k] & 0xFFFFFFu) != 0xFFFFFFu);
  return b;
#endif
}

// ORs the raster of the part `deel` of an RGB32 canvas into `bits` (rows of
// bytesPerRij bytes, pixel x of a row in bit 7 - x % 8 of byte x / 8);
// deel.left() is a multiple of 8.
void PakIn(const QImage& canvas, const QRect& deel, uchar* bits, int bytesPerRij) {
  const int heel = deel.left() + (deel.width() / 8) * 8;
  for (int y = deel.top(); y <= deel.bottom(); ++y) {
    const QRgb* in = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
    uchar* uit = bits + qsizetype(y) * bytesPerRij;
    int x = deel.left();
    for (; x < heel; x += 8) uit[x >> 3] |= uchar(AchtPunten(in + x));
    for (; x <= deel.right(); ++x)
      if ((in[x] & 0xFFFFFFu) != 0xFFFFFFu) uit[x >> 3] |= uchar(0x80u >> (x & 7));
  }
}

// Whether an element's picture is a pasted drawing: it paints as it likes
// (white too), so nothing may move past it.
bool IsTekening(const Voorwerp& v) {
  const Beelddeel* b = v.alsBeeld();
  return b && b->Afbeelding && b->Afbeelding->isVector;
}

// The element with a drawing of its own: playing a drawing moves a read
// position inside it, so two threads must never play the same one.
Voorwerp MetEigenTekening(Voorwerp v) {
  if (!IsTekening(v)) return v;
  Beelddeel& b = v.beeld();
  auto eigen = std::make_shared<Beeld>(*b.Afbeelding);
  eigen->vector.setData(b.Afbeelding->vector.data(), b.Afbeelding->vector.size());
  b.Afbeelding = std::move(eigen);
  return v;
}

// A barcode's number among the barcodes of the design, for the message
// that names it: the n-th in table order.
std::map<quint32, int> CodeNummers(const Ontwerp& o) {
  std::map<quint32, int> nummers;
  int n = 0;
  for (int i = 1; i <= o.AantalVoorwerpen(); ++i)
    if (o.voorwerp(i).Soort() == SoortVoorwerp::Streepjescodevoorwerp) nummers[o.voorwerp(i).Id()] = ++n;
  return nummers;
}

}  // namespace

QString StreepjescodeMelding(int codeNummer, std::optional<int> exemplaar, const QString& fout) {
  if (exemplaar) return QStringLiteral("Streepjescode %1, exemplaar %2: %3").arg(codeNummer).arg(*exemplaar).arg(fout);
  return QStringLiteral("Streepjescode %1: %2").arg(codeNummer).arg(fout);
}

QString StreepjescodeBuitenEtiket(int codeNummer) {
  return QStringLiteral("Streepjescode %1 ligt niet helemaal op het etiket; afgesneden is ze niet te lezen.")
      .arg(codeNummer);
}

QSize EtiketCanvas(const EtiketFormaat& f, int ppm) {
  return {int(std::floor(f.Breedte + 0.99f)) * ppm, int(std::floor(f.Hoogte + 0.99f)) * ppm};
}

void TekenStreepjescodeOfStop(const Voorwerp& v, int codeNummer, std::optional<int> exemplaar, const EtiketFormaat& f,
                              QPainter& p, const Apparaat& a) {
  if (const auto fout = StreepjescodeOpDC(v, f, p, a))
    throw OnafdrukbaarEtiket(StreepjescodeMelding(codeNummer, exemplaar, *fout));
}

std::optional<QString> PrinterGrenzen(const EtiketFormaat& f, int ppm, const Taalgrenzen& g) {
  const QSize canvas = EtiketCanvas(f, ppm);
  const int wc = canvas.width(), hc = canvas.height();
  if (wc > g.grootsteBreedte)
    return QStringLiteral("Het etiket is %1 punten breed; de printer neemt er ten hoogste %2.")
        .arg(wc)
        .arg(g.grootsteBreedte);
  if (OpNaar(hc, g.hoogteUitlijning) > g.grootsteHoogte)
    return QStringLiteral("Het etiket is %1 punten hoog; de printer neemt er ten hoogste %2.")
        .arg(hc)
        .arg(g.grootsteHoogte);
  return std::nullopt;
}

std::optional<QString> PrinterGrenzen(const EtiketFormaat& f, int ppm) {
  return PrinterGrenzen(f, ppm, sbpl::Taal().Grenzen());
}

QByteArray RasterBits(const QImage& canvas, int* bytesPerRij, int* rijen) {
  const int wr = OpNaar(canvas.width(), 16), hr = OpNaar(canvas.height(), 8);
  const int bpr = wr / 8;
  QByteArray bits(qsizetype(bpr) * hr, '\0');
  // No copy of an RGB32 canvas: a second reference would make the next
  // label's fill allocate a new one.
  QImage omgezet;
  if (canvas.format() != QImage::Format_RGB32) omgezet = canvas.convertToFormat(QImage::Format_RGB32);
  const QImage& bron = omgezet.isNull() ? canvas : omgezet;
  if (!bron.isNull()) PakIn(bron, bron.rect(), reinterpret_cast<uchar*>(bits.data()), bpr);
  *bytesPerRij = bpr;
  *rijen = hr;
  return bits;
}

int RijenTeVersturen(const QByteArray& bits, int bytesPerRij, int rijen) {
  const qsizetype totaal = qsizetype(bytesPerRij) * rijen;
  qsizetype i = totaal - 1;
  const qsizetype grens = qsizetype(bytesPerRij) * 64;  // Wr x 8 bytes: 64 rows
  while (i >= grens && bits[i] == 0) --i;
  if (totaal == 0) return 0;
  const qsizetype r = i / bytesPerRij;
  return int((r / 8 + 1) * 8);
}

Etiketdruk::Etiketdruk(const Ontwerp& o, const EtiketFormaat& formaat, int puntenPerMm, const Nummering& nummering,
                       RondeTekstMaker maakRondeTekst, const Printertaal* taal, const QDateTime& moment)
    : formaat_(formaat),
      ppm_(puntenPerMm),
      taal_(taal ? taal : &sbpl::Taal()),
      bron_(nummering, moment.isValid() ? moment : QDateTime::currentDateTime()),
      maakRondeTekst_(std::move(maakRondeTekst)) {
  maat_ = EtiketCanvas(formaat_, ppm_);
  const Taalgrenzen pak = taal_->Grenzen();
  bytesPerRij_ = OpNaar(maat_.width(), std::max(8, OpNaar(pak.rijUitlijning, 8))) / 8;
  rijen_ = OpNaar(maat_.height(), std::max(1, pak.hoogteUitlijning));
  // Black on black is black, whatever comes first: the texts and pictures
  // that never change go into the fixed layer, the numbered ones stay per
  // copy. A pasted drawing paints white too, so from the first one after a
  // numbered element on, everything is drawn per copy, in order.
  bool wisselendGezien = false, naTekening = false;
  for (int i = 1; i <= o.AantalVoorwerpen(); ++i) {
    const Voorwerp& v = o.voorwerp(i);
    const bool wisselt =
        v.Bezoek([&](const TekstlijnDeel& t) { return HeeftCode(t.Tekst, bron_); },
                 [](const FiguurDeel&) { return false; },
                 [&](const RondeTekstDeel& r) { return maakRondeTekst_ && HeeftCode(r.Tekst, bron_); },
                 [&](const StreepjescodeDeel& c) { return HeeftCode(c.Gegevens, bron_); });
    if (!wisselendGezien && !wisselt) {
      vast_.push_back(MetEigenTekening(v));
    } else if (naTekening || wisselt || IsTekening(v)) {
      wisselendGezien = true;
      naTekening = naTekening || IsTekening(v);
      perExemplaar_.push_back(v);
    } else {
      vast_.push_back(MetEigenTekening(v));
    }
  }
  alleenZwart_ = !naTekening;
  codeNummers_ = CodeNummers(o);
}

void Etiketdruk::Teken(const Voorwerp& v, std::optional<int> nummer, QPainter& p, const Apparaat& a) const {
  if (v.Soort() != SoortVoorwerp::Streepjescodevoorwerp) return TekenVoorwerpOpDC(v, formaat_, p, a);
  const auto nr = codeNummers_.find(v.Id());
  TekenStreepjescodeOfStop(v, nr == codeNummers_.end() ? 0 : nr->second, nummer, formaat_, p, a);
}

std::shared_ptr<const Etiketdruk::Laag> Etiketdruk::VasteLaag(float dX, float dY) const {
  const std::pair<quint32, quint32> sleutel(std::bit_cast<quint32>(dX), std::bit_cast<quint32>(dY));
  std::lock_guard<std::mutex> slot(mutex_);
  if (const auto it = lagen_.find(sleutel); it != lagen_.end()) return it->second;
  auto laag = std::make_shared<Laag>();
  QImage canvas(maat_, QImage::Format_RGB32);
  canvas.fill(Qt::white);
  {
    QPainter p(&canvas);
    const Apparaat a{float(ppm_), float(ppm_), dX, dY};
    // The round texts' pictures are drawn ahead on the other cores.
    std::vector<std::shared_ptr<const Beeld>> vooruit;
    for (const Voorwerp& v : vast_)
      if (const Beelddeel* b = v.alsBeeld(); b && b->Afbeelding && b->Afbeelding->teken)
        vooruit.push_back(b->Afbeelding);
    BeeldenVooruit tekenaars(std::move(vooruit));
    size_t k = 0;
    for (const Voorwerp& v : vast_) {
      if (const Beelddeel* b = v.alsBeeld(); b && b->Afbeelding && b->Afbeelding->teken) tekenaars.Bij(k++);
      Teken(v, std::nullopt, p, a);
    }
  }
  // Packed as the language packs a copy's raster.
  laag->bits = QByteArray(qsizetype(bytesPerRij_) * rijen_, '\0');
  PakIn(canvas, canvas.rect(), reinterpret_cast<uchar*>(laag->bits.data()), bytesPerRij_);
  if (!alleenZwart_) laag->beeld = canvas;
  return lagen_.emplace(sleutel, std::move(laag)).first->second;
}

Voorwerp Etiketdruk::VoorExemplaar(const Voorwerp& v, int nummer) const {
  return v.Bezoek(
      [&](const TekstlijnDeel& t) {
        const QString tekst = VervangNummering(t.Tekst, nummer, bron_);
        if (tekst == t.Tekst) return v;
        Voorwerp kopie = v;
        kopie.tekst().Tekst = tekst;
        return kopie;
      },
      [&](const FiguurDeel&) { return v; },
      [&](const RondeTekstDeel& r) {
        const QString tekst = VervangNummering(r.Tekst, nummer, bron_);
        if (tekst == r.Tekst || !maakRondeTekst_) return v;
        Voorwerp kopie = v;
        kopie.tekst().Tekst = tekst;
        if (!maakRondeTekst_(kopie)) {
          // The old picture shows the codes: a blank text shows nothing.
          kopie.beeld().Afbeelding = nullptr;
          return kopie;
        }
        kopie.Links = kopie.Links - kopie.cirkel().MiddenX + r.MiddenX;
        kopie.Boven = kopie.Boven - kopie.cirkel().MiddenY + r.MiddenY;
        // This copy's picture serves this label only: drawn here, not kept among
        // the pictures the screen asks for again.
        if (const auto& beeld = kopie.beeld().Afbeelding; beeld && beeld->teken && beeld->raster.isNull()) {
          auto eigen = std::make_shared<Beeld>();
          eigen->raster = beeld->teken();
          kopie.beeld().Afbeelding = std::move(eigen);
        }
        return kopie;
      },
      [&](const StreepjescodeDeel& c) {
        Voorwerp kopie = v;
        kopie.code().Gegevens = VervangNummering(c.Gegevens, nummer, bron_);
        return kopie;
      });
}

QByteArray Etiketdruk::DrukEenExemplaar(Doek& doek, float links, float boven, int nummer) const {
  const float dX = std::min(links, 0.0f), dY = std::min(boven, 0.0f);
  const std::shared_ptr<const Laag> laag = VasteLaag(dX, dY);
  const qsizetype grootte = qsizetype(bytesPerRij_) * rijen_;
  if (doek.bits.size() != grootte) doek.bits = QByteArray(grootte, '\0');
  uchar* bits = reinterpret_cast<uchar*>(doek.bits.data());
  if (doek.beeld.size() != maat_ || doek.beeld.format() != QImage::Format_RGB32) {
    doek.beeld = QImage(maat_, QImage::Format_RGB32);
    doek.beeld.fill(Qt::white);
  }
  if (perExemplaar_.empty()) {
    std::memcpy(bits, laag->bits.constData(), size_t(grootte));
  } else if (alleenZwart_) {
    // Each copy's black added to the fixed layer's: only the boxes of its
    // own elements are painted white, drawn and read.
    std::memcpy(bits, laag->bits.constData(), size_t(grootte));
    const Apparaat a{float(ppm_), float(ppm_), dX, dY};
    std::vector<Voorwerp> kopieen;
    std::vector<QRect> vakken;
    kopieen.reserve(perExemplaar_.size());
    for (const Voorwerp& v : perExemplaar_) {
      kopieen.push_back(VoorExemplaar(v, nummer));
      const Voorwerp& k = kopieen.back();
      if (const Beelddeel* b = k.alsBeeld(); b && !b->Afbeelding) continue;
      // Where the element can change a pixel (a text is clipped to its
      // box), widened to whole bytes of the raster.
      QRect r = VoorwerpRechthoek(k, formaat_, a) & QRect(QPoint(0, 0), maat_);
      if (r.isEmpty()) continue;
      r.setLeft(r.left() & ~7);
      r.setRight(std::min(maat_.width(), (r.right() + 8) & ~7) - 1);
      vakken.push_back(r);
    }
    for (const QRect& r : vakken)
      for (int y = r.top(); y <= r.bottom(); ++y) {
        QRgb* regel = reinterpret_cast<QRgb*>(doek.beeld.scanLine(y));
        std::fill(regel + r.left(), regel + r.right() + 1, 0xFFFFFFFFu);
      }
    {
      QPainter p(&doek.beeld);
      for (const Voorwerp& k : kopieen) Teken(k, nummer, p, a);
    }
    for (const QRect& r : vakken) PakIn(doek.beeld, r, bits, bytesPerRij_);
  } else {
    // A pasted drawing may paint over what lies below it: the copy is drawn
    // on the fixed layer, in table order, and read whole.
    std::memcpy(doek.beeld.bits(), laag->beeld.constBits(), size_t(laag->beeld.sizeInBytes()));
    {
      QPainter p(&doek.beeld);
      const Apparaat a{float(ppm_), float(ppm_), dX, dY};
      for (const Voorwerp& v : perExemplaar_) Teken(MetEigenTekening(VoorExemplaar(v, nummer)), nummer, p, a);
    }
    std::memset(bits, 0, size_t(grootte));
    PakIn(doek.beeld, QRect(QPoint(0, 0), maat_), bits, bytesPerRij_);
  }
  const int hp = RondAf(std::max(0.0f, links) * float(ppm_));
  const int v = RondAf(std::max(boven, 0.0f) * float(ppm_));
  return taal_->Etiket({v, hp, bytesPerRij_, rijen_, doek.bits.constData()});
}

}  // namespace printing
