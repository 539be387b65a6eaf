#include "printing/Velafdruk.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTemporaryFile>

#include "printing/Tekenen.h"

namespace printing {

namespace {

// The resolution a PDF is laid out at: text and bars are vectors, so this
// only sets how finely positions are rounded (1/1200 inch).
constexpr int kPdfResolutie = 1200;
// Barcodes are laid out in the dots of the finer label printer, every
// module a whole number of them, then scaled exactly onto the page.
constexpr int kCodePuntenPerMm = 12;

}  // namespace

int EtikettenPerVel(const EtiketFormaat& f) { return std::max(1, int(f.Kolommen) * int(f.Rijen)); }

QPointF EtiketPlek(const Velopdracht& v, int positie) {
  const EtiketFormaat& f = v.formaat;
  const int kolommen = std::max<int>(1, f.Kolommen);
  const int kolom = positie % kolommen, rij = positie / kolommen;
  return {double(f.LinkerOffset) + v.HorizontalShift + kolom * double(f.HorizontaleSteek),
          double(f.BovenOffset) + v.VerticalShift + rij * double(f.VerticaleSteek)};
}

void ZetVel(QPagedPaintDevice& apparaat, const EtiketFormaat& f) {
  // A sheet too small for its labels (a catalogue entry may say so) grows
  // to hold them: nothing is cut off the page.
  const double b = std::max(double(f.VelBreedte), f.LinkerOffset + (std::max<int>(1, f.Kolommen) - 1) *
                                                                       double(f.HorizontaleSteek) + f.Breedte);
  const double h = std::max(double(f.VelHoogte),
                            f.BovenOffset + (std::max<int>(1, f.Rijen) - 1) * double(f.VerticaleSteek) + f.Hoogte);
  // A page size is upright; a sheet wider than high lies on its side.
  const QPageSize pagina(QSizeF(std::min(b, h), std::max(b, h)), QPageSize::Millimeter, QString(),
                         QPageSize::ExactMatch);
  const auto stand = b > h ? QPageLayout::Landscape : QPageLayout::Portrait;
  apparaat.setPageLayout(QPageLayout(pagina, stand, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
}

std::optional<QString> DrukOpVellen(const Ontwerp& ontwerp, const Velopdracht& v, QPagedPaintDevice& apparaat,
                                    RondeTekstMaker maakRondeTekst, const Voortgang& voortgang, qint64* etiketten) {
  if (etiketten) *etiketten = 0;
  const EtiketFormaat& f = v.formaat;
  const Etiketdruk druk(ontwerp, f, kCodePuntenPerMm, ontwerp.nummering, std::move(maakRondeTekst));
  QPainter p;
  if (!p.begin(&apparaat)) return QStringLiteral("Er kan niet op de printer of in het bestand getekend worden.");
  // Pictures go in as their pixels are, not as a JPEG's guess of them.
  p.setRenderHint(QPainter::LosslessImageRendering);
  const float ppm = float(apparaat.logicalDpiX() / 25.4);
  const float ppmY = float(apparaat.logicalDpiY() / 25.4);
  const Apparaat a{ppm, ppmY, 0, 0, kCodePuntenPerMm, true};
  const int perVel = EtikettenPerVel(f);
  int positie = std::clamp(v.eersteEtiket, 1, perVel) - 1;
  const std::vector<int> nummers = v.reeks.Nummers();
  const int laatste = nummers.empty() ? 0 : nummers.back();
  // The barcodes' numbers among the barcodes, for a message naming one.
  std::vector<int> codeNummers;
  int codes = 0;
  for (int i = 1; i <= ontwerp.AantalVoorwerpen(); ++i)
    codeNummers.push_back(ontwerp.voorwerp(i).Soort() == SoortVoorwerp::Streepjescodevoorwerp ? ++codes : 0);
  for (const int n : nummers) {
    if (voortgang && voortgang(n, laatste)) break;
    for (int k = 0; k < v.aantal; ++k) {
      if (positie == perVel) {
        if (!apparaat.newPage()) return QStringLiteral("Er kan geen nieuwe bladzijde begonnen worden.");
        positie = 0;
      }
      const QPointF plek = EtiketPlek(v, positie);
      p.save();
      p.translate(plek.x() * ppm, plek.y() * ppmY);
      // The label printer cuts what lies beyond the label; so does the sheet.
      p.setClipRect(QRectF(0, 0, double(f.Breedte) * ppm, double(f.Hoogte) * ppmY));
      for (int i = 1; i <= ontwerp.AantalVoorwerpen(); ++i) {
        const Voorwerp kopie = druk.VoorExemplaar(ontwerp.voorwerp(i), n);
        if (kopie.Soort() == SoortVoorwerp::Streepjescodevoorwerp) {
          if (const auto fout = StreepjescodeOpDC(kopie, f, p, a)) {
            p.restore();
            p.end();
            return StreepjescodeMelding(codeNummers[size_t(i - 1)], HeeftCode(ontwerp.voorwerp(i).code().Gegevens)
                                                                        ? std::optional<int>(n)
                                                                        : std::nullopt,
                                        *fout);
          }
        } else {
          TekenVoorwerpOpDC(kopie, f, p, a);
        }
      }
      p.restore();
      ++positie;
      if (etiketten) ++*etiketten;
    }
  }
  if (!p.end()) return QStringLiteral("De bladzijden konden niet afgemaakt worden.");
  return std::nullopt;
}

std::optional<QString> BewaarAlsPdf(const Ontwerp& ontwerp, const Velopdracht& v, const QString& pad,
                                    RondeTekstMaker maakRondeTekst) {
  // Written beside the file and put in its place when whole: a job that
  // fails leaves the old file as it was.
  QSaveFile bestand(pad);
  if (!bestand.open(QIODevice::WriteOnly))
    return QStringLiteral("%1 kan niet geschreven worden: %2").arg(pad, bestand.errorString());
  std::optional<QString> fout;
  {
    QPdfWriter pdf(&bestand);
    pdf.setResolution(kPdfResolutie);
    pdf.setCreator(QStringLiteral("Vellora"));
    pdf.setTitle(ontwerp.Bestandsnaam.isEmpty() ? QStringLiteral("Vellora") : ontwerp.Bestandsnaam);
    ZetVel(pdf, v.formaat);
    fout = DrukOpVellen(ontwerp, v, pdf, std::move(maakRondeTekst));
  }
  if (fout) {
    bestand.cancelWriting();
    return fout;
  }
  if (!bestand.commit()) return QStringLiteral("%1 kan niet geschreven worden: %2").arg(pad, bestand.errorString());
  return std::nullopt;
}

}  // namespace printing
