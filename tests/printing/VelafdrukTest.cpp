// Sheets of stock labels printed as PDF, looked at with poppler's tools and
// held against the products' own numbers and the PDF gLabels' batch
// program makes for the same product.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include "barcodes/Scan.h"
#include "files/Voorraadvellen.h"
#include "printing/Velafdruk.h"
#include "roundtext/RondeTekst.h"
#include "support/Pdf.h"
#include "support/Tijdelijk.h"

using namespace printing;

namespace {

constexpr double kPt = 25.4 / 72, kIn = 25.4;
constexpr int kDpi = 300;
constexpr double kMmPerPixel = 25.4 / kDpi;

// One product as its maker gives it, in mm, written out here by hand from
// the template file, and its template for gLabels' own document.
struct Product {
  const char* naam;
  double breedte, hoogte, x0, y0, dx, dy;
  int nx, ny;
  double velBreedte, velHoogte;
  const char* sjabloon;  // the <Template> element gLabels reads
};

const Product kProducten[] = {
    // An alias of Avery 7160, in points, on A4.
    {"Avery L7160", 181.4 * kPt, 108 * kPt, 21.2 * kPt, 43.9 * kPt, 187.2 * kPt, 108 * kPt, 3, 7, 210, 297,
     R"(<Template brand="Avery" part="7160" size="A4" description="x"><Label-rectangle id="0" width="181.4" height="108.0" round="5"><Layout nx="3" ny="7" x0="21.2" y0="43.9" dx="187.2" dy="108.0"/></Label-rectangle></Template>)"},
    // In inches, on US Letter.
    {"Avery 5160", 2.625 * kIn, 1 * kIn, 0.15625 * kIn, 0.5 * kIn, 2.78125 * kIn, 1 * kIn, 3, 10, 215.9, 279.4,
     R"(<Template brand="Avery" part="5160" size="US-Letter" description="x"><Label-rectangle id="0" width="2.625in" height="1in" round="0.0625in"><Layout nx="3" ny="10" x0="0.15625in" y0="0.5in" dx="2.78125in" dy="1in"/></Label-rectangle></Template>)"},
    // Round.
    {"Avery 5193", 1.625 * kIn, 1.625 * kIn, 0.4157 * kIn, 0.549 * kIn, 2.0145 * kIn, 1.6554 * kIn, 4, 6, 215.9,
     279.4,
     R"(<Template brand="Avery" part="5193" size="US-Letter" description="x"><Label-round id="0" radius="0.8125in" waste="0pt"><Layout nx="4" ny="6" x0="0.4157in" y0="0.549in" dx="2.0145in" dy="1.6554in"/></Label-round></Template>)"},
    // Elliptical, of another brand.
    {"Begalabel V-100", 1.5 * kIn, 0.75 * kIn, 0.375 * kIn, 0.5 * kIn, 1.5625 * kIn, 0.925 * kIn, 5, 11, 215.9, 279.4,
     R"(<Template brand="Begalabel" part="V-100" size="US-Letter" description="x"><Label-ellipse id="0" width="1.5in" height="0.75in" waste="0.03in"><Layout nx="5" ny="11" x0="0.375in" y0="0.5in" dx="1.5625in" dy="0.925in"/></Label-ellipse></Template>)"},
    // In millimetres, labels touching, of a third brand.
    {"Zweckform 3477", 105, 41, 0, 4.93, 105, 41, 2, 7, 210, 297,
     R"(<Template brand="Zweckform" part="3477" size="A4" description="x"><Label-rectangle id="0" width="105mm" height="41mm" round="0mm"><Layout nx="2" ny="7" x0="0mm" y0="4.93mm" dx="105mm" dy="41mm"/></Label-rectangle></Template>)"},
};

// Each label gets a black box 1 mm inside its bounding box, so that
// touching labels still show as blobs of their own.
constexpr double kRand = 1;

const FormatenTabel& Voorraad() {
  static const FormatenTabel tabel(files::LeesVoorraadvellen(files::SjablonenMap()).formaten);
  return tabel;
}

std::shared_ptr<Beeld> Zwart() {
  auto b = std::make_shared<Beeld>();
  b->raster = QImage(4, 4, QImage::Format_RGB32);
  b->raster.fill(Qt::black);
  return b;
}

Ontwerp ZwartVlak(const EtiketFormaat& f) {
  Ontwerp o;
  const int i = o.NieuwVoorwerp(SoortVoorwerp::Figuur);
  o.voorwerp(i).beeld().ZetAfbeelding(Zwart(), 4, 4);
  float l = float(-f.Breedte / 2 + kRand), b = float(-f.Hoogte / 2 + kRand);
  float w = float(f.Breedte - 2 * kRand), h = float(f.Hoogte - 2 * kRand);
  o.PlaatsVoorwerp(i, l, b, w, h);
  return o;
}

// Where the blobs of a page lie, in mm.
std::vector<QRectF> BlobsInMm(const QString& pdf) {
  const QImage page = RenderPdfPage(pdf, kDpi);
  std::vector<QRectF> uit;
  for (const QRect& r : DarkBlobs(page))
    uit.emplace_back(r.left() * kMmPerPixel, r.top() * kMmPerPixel, r.width() * kMmPerPixel,
                     r.height() * kMmPerPixel);
  return uit;
}

void Naast(const QRectF& a, const QRectF& b, double tol, const std::string& wat) {
  EXPECT_NEAR(a.left(), b.left(), tol) << wat;
  EXPECT_NEAR(a.top(), b.top(), tol) << wat;
  EXPECT_NEAR(a.right(), b.right(), tol) << wat;
  EXPECT_NEAR(a.bottom(), b.bottom(), tol) << wat;
}

// gLabels' own PDF of the product, a black box 1 mm inside every label.
QString GlabelsPdf(const Product& p, const TempFolder& tmp, int eerste = 1) {
  const QString doc = tmp.write(
      QStringLiteral("ref.glabels"),
      QStringLiteral(R"(<?xml version="1.0"?><Glabels-document xmlns="http://glabels.org/xmlns/3.0/">%1<Objects id="0" rotate="False"><Object-box x="%2mm" y="%2mm" w="%3mm" h="%4mm" line_width="0pt" line_color="0x00000000" fill_color="0x000000ff" a0="1" a1="0" a2="0" a3="1" a4="0" a5="0"/></Objects></Glabels-document>)")
          .arg(QString::fromLatin1(p.sjabloon))
          .arg(kRand)
          .arg(p.breedte - 2 * kRand, 0, 'f', 4)
          .arg(p.hoogte - 2 * kRand, 0, 'f', 4)
          .toUtf8());
  const QString pdf = tmp.path(QStringLiteral("ref.pdf"));
  QFile::remove(pdf);
  int code = -1;
  RunTool(QStringLiteral("glabels-3-batch"),
          {QStringLiteral("-o"), pdf, QStringLiteral("-f"), QString::number(eerste), QStringLiteral("-c"),
           QString::number(p.nx * p.ny - eerste + 1), doc},
          &code);
  EXPECT_EQ(code, 0) << "glabels-3-batch (scripts/setup --test installs it)";
  return pdf;
}

}  // namespace

TEST(PdfVellen, EveryLabelLiesWhereTheProductAndGlabelsPutIt) {
  ASSERT_FALSE(files::SjablonenMap().isEmpty()) << "glabels-data is not installed (scripts/setup --test)";
  TempFolder tmp;
  for (const Product& p : kProducten) {
    const std::string naam = p.naam;
    const int index = Voorraad().ZoekFormaat(QString::fromLatin1(p.naam));
    ASSERT_GT(index, 0) << naam;
    const EtiketFormaat& f = Voorraad().formaat(index);
    Velopdracht v;
    v.formaat = f;
    v.aantal = qint16(p.nx * p.ny);
    const QString pdf = tmp.path(QStringLiteral("vellen.pdf"));
    ASSERT_FALSE(BewaarAlsPdf(ZwartVlak(f), v, pdf, {})) << naam;
    // The page is the sheet.
    const QSizeF pagina = PdfPageSize(pdf);
    EXPECT_NEAR(pagina.width() * kPt, p.velBreedte, 0.2) << naam;
    EXPECT_NEAR(pagina.height() * kPt, p.velHoogte, 0.2) << naam;
    EXPECT_EQ(PdfPages(pdf), 1) << naam;

    const std::vector<QRectF> onze = BlobsInMm(pdf);
    ASSERT_EQ(int(onze.size()), p.nx * p.ny) << naam;
    for (int r = 0; r < p.ny; ++r)
      for (int c = 0; c < p.nx; ++c) {
        const QRectF verwacht(p.x0 + c * p.dx + kRand, p.y0 + r * p.dy + kRand, p.breedte - 2 * kRand,
                              p.hoogte - 2 * kRand);
        // A pixel of 300 dpi is 0.085 mm: the edges within 0.2 mm.
        Naast(onze[size_t(r * p.nx + c)], verwacht, 0.2, naam + " label " + std::to_string(r * p.nx + c + 1));
      }

    const std::vector<QRectF> hun = BlobsInMm(GlabelsPdf(p, tmp));
    ASSERT_EQ(hun.size(), onze.size()) << naam;
    for (size_t i = 0; i < hun.size(); ++i) Naast(onze[i], hun[i], 0.2, naam + " against gLabels, label " + std::to_string(i + 1));
  }
}

TEST(PdfVellen, APartlyUsedSheetBeginsAtTheFirstLabelAsGlabelsDoes) {
  TempFolder tmp;
  const Product& p = kProducten[0];
  const EtiketFormaat& f = Voorraad().formaat(Voorraad().ZoekFormaat(QString::fromLatin1(p.naam)));
  Velopdracht v;
  v.formaat = f;
  v.eersteEtiket = 5;
  v.aantal = qint16(p.nx * p.ny - 4 + 3);  // the rest of this sheet and three of the next
  const QString pdf = tmp.path(QStringLiteral("vellen.pdf"));
  ASSERT_FALSE(BewaarAlsPdf(ZwartVlak(f), v, pdf, {}));
  EXPECT_EQ(PdfPages(pdf), 2);
  const std::vector<QRectF> onze = BlobsInMm(pdf);
  const std::vector<QRectF> hun = BlobsInMm(GlabelsPdf(p, tmp, 5));
  ASSERT_EQ(int(onze.size()), p.nx * p.ny - 4);
  ASSERT_EQ(hun.size(), onze.size());
  // Label 5 is the second of the second row.
  Naast(onze[0], QRectF(p.x0 + p.dx + kRand, p.y0 + p.dy + kRand, p.breedte - 2, p.hoogte - 2), 0.2, "label 5");
  for (size_t i = 0; i < hun.size(); ++i) Naast(onze[i], hun[i], 0.2, "label " + std::to_string(i + 5));
  // The next sheet starts at the top left.
  const QImage tweede = RenderPdfPage(pdf, kDpi, 2);
  const std::vector<QRect> volgende = DarkBlobs(tweede);
  ASSERT_EQ(volgende.size(), 3u);
  EXPECT_NEAR(volgende[0].left() * kMmPerPixel, p.x0 + kRand, 0.2);
  EXPECT_NEAR(volgende[0].top() * kMmPerPixel, p.y0 + kRand, 0.2);
}

TEST(PdfVellen, TextStaysTextAndEveryBarcodeScans) {
  TempFolder tmp;
  const Product& p = kProducten[0];
  const EtiketFormaat& f = Voorraad().formaat(Voorraad().ZoekFormaat(QString::fromLatin1(p.naam)));
  Ontwerp o;
  const auto tekst = [&](const QString& t, float boven) {
    const int i = o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn);
    o.voorwerp(i).tekst().Tekst = t;
    o.voorwerp(i).tekst().Lettertype = QStringLiteral("DejaVu Sans");
    o.voorwerp(i).tekst().Lettergrootte = 9;
    float l = -30, b = boven, w = 60, h = 4;
    o.PlaatsVoorwerp(i, l, b, w, h);
  };
  tekst(QStringLiteral("Doos [#] van de reeks"), -18);
  tekst(QStringLiteral("Magazijn Oost"), -13);
  const auto code = [&](StreepjescodeSoort soort, const QString& gegevens, float l, float b, float w, float h) {
    const int i = o.NieuwVoorwerp(SoortVoorwerp::Streepjescodevoorwerp);
    o.voorwerp(i).code().Soort = soort;
    o.voorwerp(i).code().Gegevens = gegevens;
    o.PlaatsVoorwerp(i, l, b, w, h);
  };
  code(StreepjescodeSoort::Code128, QStringLiteral("VL-[#]"), -30, -8, 36, 15);
  code(StreepjescodeSoort::QrCode, QStringLiteral("Doos [#]"), 10, -8, 16, 16);
  o.nummering.NummerVan = 1;
  o.nummering.NummerTot = 21;
  o.nummering.NummerStap = 1;
  Velopdracht v;
  v.formaat = f;
  v.reeks = ReeksVoor(IsNummering(o), o.nummering);
  const QString pdf = tmp.path(QStringLiteral("tekst.pdf"));
  ASSERT_FALSE(BewaarAlsPdf(o, v, pdf, [](Voorwerp& w) { return MaakRondeTekst(w); }));

  const QString tekstInPdf = PdfText(pdf);
  for (int n = 1; n <= 21; ++n)
    EXPECT_TRUE(tekstInPdf.contains(QStringLiteral("Doos %1 van de reeks").arg(n))) << n;
  EXPECT_EQ(tekstInPdf.count(QStringLiteral("Magazijn Oost")), 21);

  const QImage page = RenderPdfPage(pdf, 400);
  const double pxPerMm = 400 / 25.4;
  for (int n = 1; n <= 21; ++n) {
    const int c = (n - 1) % p.nx, r = (n - 1) / p.nx;
    const QRectF label(p.x0 + c * p.dx, p.y0 + r * p.dy, p.breedte, p.hoogte);
    const QImage deel = page.copy(QRectF(label.topLeft() * pxPerMm, label.size() * pxPerMm).toRect());
    QImage eenBit(deel.size(), QImage::Format_Indexed8);
    eenBit.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    for (int y = 0; y < deel.height(); ++y)
      for (int x = 0; x < deel.width(); ++x) eenBit.setPixel(x, y, deel.constScanLine(y)[x] < 128 ? 1 : 0);
    const Gescand lijn = Scan(eenBit, ZXing::BarcodeFormat::Code128);
    EXPECT_TRUE(lijn.gevonden) << n;
    EXPECT_EQ(lijn.tekst, "VL-" + std::to_string(n));
    const Gescand qr = Scan(eenBit, ZXing::BarcodeFormat::QRCode);
    EXPECT_TRUE(qr.gevonden) << n;
    EXPECT_EQ(qr.tekst, "Doos " + std::to_string(n));
  }
}

TEST(PdfVellen, PicturesKeepTheirOwnPixelsAndOverlapsAddUp) {
  TempFolder tmp;
  // One label of 40 x 40 mm on a sheet of its own size.
  EtiketFormaat f;
  f.Naam = QStringLiteral("vierkant");
  f.Breedte = f.Hoogte = 40;
  f.HorizontaleSteek = f.VerticaleSteek = 40;
  f.VelBreedte = f.VelHoogte = 40;
  // A checkerboard of 8 x 8 pixels with one grey pixel, each pixel 2 mm.
  auto bord = std::make_shared<Beeld>();
  bord->raster = QImage(8, 8, QImage::Format_RGB32);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) bord->raster.setPixel(x, y, (x + y) % 2 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
  bord->raster.setPixel(2, 0, qRgb(128, 128, 128));
  Ontwerp o;
  // A black bar under the board's right half, drawn first: the board's
  // white leaves it black.
  const int j = o.NieuwVoorwerp(SoortVoorwerp::Figuur);
  o.voorwerp(j).beeld().ZetAfbeelding(Zwart(), 4, 4);
  float l2 = -12, b2 = -20, w2 = 8, h2 = 16;
  o.PlaatsVoorwerp(j, l2, b2, w2, h2);
  const int i = o.NieuwVoorwerp(SoortVoorwerp::Figuur);
  o.voorwerp(i).beeld().ZetAfbeelding(bord, 8, 8);
  float l = -20, b = -20, w = 16, h = 16;
  o.PlaatsVoorwerp(i, l, b, w, h);

  Velopdracht v;
  v.formaat = f;
  const QString pdf = tmp.path(QStringLiteral("bord.pdf"));
  ASSERT_FALSE(BewaarAlsPdf(o, v, pdf, {}));
  const QImage page = RenderPdfPage(pdf, kDpi);
  const double pxPerMm = 1 / kMmPerPixel;
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) {
      const int grijs = page.pixelColor(int((2 * x + 1) * pxPerMm), int((2 * y + 1) * pxPerMm)).red();
      const int verwacht = x >= 4 ? 0 : (x == 2 && y == 0) ? 128 : (x + y) % 2 ? 0 : 255;
      EXPECT_NEAR(grijs, verwacht, 1) << x << "," << y;
    }
}

TEST(PdfVellen, ASheetWiderThanHighGivesALandscapePageOfItsSize) {
  TempFolder tmp;
  EtiketFormaat f;
  f.Naam = QStringLiteral("liggend");
  f.Breedte = 40;
  f.Hoogte = 20;
  f.Kolommen = 2;
  f.HorizontaleSteek = f.VerticaleSteek = 50;
  f.LinkerOffset = 5;
  f.BovenOffset = 5;
  f.VelBreedte = 100;
  f.VelHoogte = 30;
  Velopdracht v;
  v.formaat = f;
  v.aantal = 2;
  const QString pdf = tmp.path(QStringLiteral("liggend.pdf"));
  ASSERT_FALSE(BewaarAlsPdf(ZwartVlak(f), v, pdf, {}));
  // Qt writes a page's size in whole points: within half a point.
  EXPECT_NEAR(PdfPageSize(pdf).width() * kPt, 100, 0.18);
  EXPECT_NEAR(PdfPageSize(pdf).height() * kPt, 30, 0.18);
  const std::vector<QRectF> blobs = BlobsInMm(pdf);
  ASSERT_EQ(blobs.size(), 2u);
  Naast(blobs[1], QRectF(5 + 50 + kRand, 5 + kRand, 38, 18), 0.2, "second label");
}
