#include "Voorbeelden.h"

#include "files/BewaarEtiket.h"
#include <algorithm>
#include <cmath>
#include <memory>

#include "barcodes/TekenStreepjescode.h"
#include "model/ZwartWit.h"
#include "printing/Nummering.h"
#include "printing/StreepjescodeOpdrachten.h"

using namespace printing;

namespace {

// New elements are sized for the finer printer; a linear code's box is
// then widened to what its symbol wants at the coarser one too, so that
// both print it with modules in its symbology's range.
constexpr int kPpm = 12, kGrofPpm = 8;

void Tekst(Ontwerp& o, const QString& tekst, qint16 punten, bool vet, float links, float boven, float breedte,
           qint16 uitlijning = 0) {
  const int i = o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn);
  Tekstdeel& t = o.voorwerp(i).tekst();
  t.Tekst = tekst;
  t.Lettergrootte = punten;
  t.Lettertype = QStringLiteral("DejaVu Sans");
  t.Vet = vet;
  t.Uitlijning = uitlijning;
  float hoogte = float(punten) / 72.0f * 25.4f;
  o.PlaatsVoorwerp(i, links, boven, breedte, hoogte);
}

// A linear code in the box its symbol wants, `hoogte` mm high, its top-left
// corner at (links, boven).
void Code(Ontwerp& o, StreepjescodeSoort soort, const QString& gegevens, float links, float boven, float hoogte) {
  Streepjescode c;
  c.Soort = soort;
  c.Gegevens = gegevens;
  c.Hoogte = hoogte;
  const int i = NieuweStreepjescode(o, c, kPpm);
  Streepjescode eerste = c;
  eerste.Gegevens = VervangNummering(c.Gegevens, 1, o.nummering);
  const QSize grof = GewensteMaat(eerste, kGrofPpm);
  float breedte = std::max<float>(o.voorwerp(i).Breedte, float(grof.width()) / float(kGrofPpm)), h = o.voorwerp(i).Hoogte;
  o.PlaatsVoorwerp(i, links, boven, breedte, h);
}

// A two-dimensional code in a square box of `zijde` mm: its modules as wide as fits.
void Code2D(Ontwerp& o, StreepjescodeSoort soort, const QString& gegevens, float links, float boven, float zijde) {
  Streepjescode c;
  c.Soort = soort;
  c.Gegevens = gegevens;
  const int i = NieuweStreepjescode(o, c, kPpm);
  float breedte = zijde, hoogte = zijde;
  o.PlaatsVoorwerp(i, links, boven, breedte, hoogte);
}

// A drawing in grey: a round cheese, lighter towards its rim, with holes,
// on white; it prints dithered.
void Kaas(Ontwerp& o, float links, float boven, float breedte, float hoogte) {
  constexpr int kB = 240, kH = 160;
  auto beeld = std::make_shared<Beeld>();
  beeld->grijs = QImage(kB, kH, QImage::Format_Grayscale8);
  const QPointF gaten[3] = {{150, 60}, {95, 105}, {175, 115}};
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kB; ++x) {
      const double r = std::hypot((x - kB / 2.0) / 110, (y - kH / 2.0) / 72);
      bool gat = false;
      for (const QPointF& g : gaten) gat = gat || std::hypot(x - g.x(), y - g.y()) < 11;
      int l = 255;
      if (r <= 1 && !gat) l = int(70 + 150 * r);
      else if (r <= 1) l = 235;
      beeld->grijs.scanLine(y)[x] = uchar(l);
    }
  beeld->raster = NaarZwartWit(beeld->grijs);
  const int i = o.NieuwVoorwerp(SoortVoorwerp::Figuur);
  o.voorwerp(i).beeld().ZetAfbeelding(std::move(beeld), kB, kH);
  o.voorwerp(i).alsFiguur()->omzetting = {OmzetSoort::FloydSteinberg};
  o.PlaatsVoorwerp(i, links, boven, breedte, hoogte);
}

Voorbeeld Maak(const FormatenTabel& formaten, const char* bestand, const char* formaat) {
  Voorbeeld v{QString::fromLatin1(bestand), QString::fromUtf8(formaat), {}};
  v.ontwerp.HuidigFormaat = qint16(formaten.ZoekFormaat(v.Formaat));
  return v;
}

}  // namespace

QByteArray Voorbeeld::Bytes() const { return EtiketBytes(BewaarVersie(ontwerp, 0), ontwerp, Formaat); }

std::vector<Voorbeeld> Voorbeelden(const FormatenTabel& formaten) {
  std::vector<Voorbeeld> uit;

  // A product label, 60 x 40: name, weight and price above an EAN-13.
  Voorbeeld product = Maak(formaten, "Productetiket.VLO", "60 x 40");
  Tekst(product.ontwerp, QStringLiteral("Boerenkaas belegen"), 11, true, -28, -18, 56);
  Tekst(product.ontwerp, QStringLiteral("500 g"), 9, false, -28, -12.5f, 26);
  Tekst(product.ontwerp, QStringLiteral("€ 6,95"), 11, true, 2, -13, 26, 1);
  Code(product.ontwerp, StreepjescodeSoort::Ean13, QStringLiteral("871234567890"), -21.5f, -6, 22);
  uit.push_back(std::move(product));

  // A shipping label, 100 x 150: addresses, a numbered Code 128 and a QR Code to follow the parcel.
  Voorbeeld verzend = Maak(formaten, "Verzendetiket.VLO", "100 x 150 verzend");
  Tekst(verzend.ontwerp, QStringLiteral("Van: Kaashandel De Waag, Markt 1, 1441 BK Purmerend"), 8, false, -46, -70, 92);
  Tekst(verzend.ontwerp, QStringLiteral("Aan:"), 10, true, -46, -60, 92);
  Tekst(verzend.ontwerp, QStringLiteral("Mevrouw J. de Vries"), 14, false, -46, -54, 92);
  Tekst(verzend.ontwerp, QStringLiteral("Lindelaan 12"), 14, false, -46, -47, 92);
  Tekst(verzend.ontwerp, QStringLiteral("9712 AB  GRONINGEN"), 14, true, -46, -40, 92);
  Tekst(verzend.ontwerp, QStringLiteral("Zending [#]"), 12, true, -46, -25, 92);
  Code(verzend.ontwerp, StreepjescodeSoort::Code128, QStringLiteral("VZ2026[#]NL"), -46, -17, 25);
  Code2D(verzend.ontwerp, StreepjescodeSoort::QrCode, QStringLiteral("https://vellora.example/zending/[#]"), -46, 20,
         30);
  Tekst(verzend.ontwerp, QStringLiteral("Volg uw zending"), 10, false, -12, 33, 56);
  uit.push_back(std::move(verzend));

  // An asset tag, 50 x 30: owner, number and a numbered Data Matrix.
  Voorbeeld inventaris = Maak(formaten, "Inventarislabel.VLO", "50 x 30");
  Tekst(inventaris.ontwerp, QStringLiteral("Eigendom van"), 8, false, -23, -12, 30);
  Tekst(inventaris.ontwerp, QStringLiteral("Gemeente Purmerend"), 8, true, -23, -7, 30);
  Tekst(inventaris.ontwerp, QStringLiteral("Nr. INV-[#]"), 10, true, -23, 2, 30);
  Code2D(inventaris.ontwerp, StreepjescodeSoort::DataMatrix, QStringLiteral("INV-[#]"), 9, -8, 14);
  uit.push_back(std::move(inventaris));

  // A sheet of 2 x 3 labels of 50 x 30: each label a numbered article with its Code 128.
  Voorbeeld vel = Maak(formaten, "Schapkaartjes.VLO", "2 x 3 x 50 x 30 vel");
  Tekst(vel.ontwerp, QStringLiteral("Artikel [#]"), 10, true, -23, -13, 46, 2);
  Code(vel.ontwerp, StreepjescodeSoort::Code128, QStringLiteral("ART-[#]"), -20, -7, 18);
  uit.push_back(std::move(vel));

  // A cheese label, 60 x 40: a grey drawing printed dithered, a name that
  // shrinks to fit its line, and a numbered batch.
  Voorbeeld kaas = Maak(formaten, "Kaaslabel.VLO", "60 x 40");
  Kaas(kaas.ontwerp, -28, -18, 24, 16);
  Tekst(kaas.ontwerp, QStringLiteral("Oude boerenkaas, twee jaar gerijpt"), 12, true, -28, 1,
        56);
  Voorwerp& naam = kaas.ontwerp.voorwerp(kaas.ontwerp.AantalVoorwerpen());
  naam.alsTekstlijn()->passend = {true, 6};
  Tekst(kaas.ontwerp, QStringLiteral("Partij [#]"), 10, false, -2, -12, 30);
  Code(kaas.ontwerp, StreepjescodeSoort::Code128, QStringLiteral("KAAS-[#]"), -28, 8, 10);
  uit.push_back(std::move(kaas));
  return uit;
}
