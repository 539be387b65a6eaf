// Barcodes printed through the real job: the stream read back with our own
// SBPL reader and every label scanned by a real decoder.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QPainter>
#include <QRegularExpression>

#include "barcodes/Scan.h"
#include "files/Instellingen.h"
#include "model/Ontwerp.h"
#include "printing/Job.h"
#include "printing/Raster.h"
#include "support/EtiketRaster.h"
#include "printing/Sbpl.h"
#include "printing/StreepjescodeOpdrachten.h"
#include "printing/Tekenen.h"

using namespace printing;

namespace {

using S = StreepjescodeSoort;
using F = ZXing::BarcodeFormat;

EtiketFormaat Etiket(float breedte, float hoogte, qint16 kolommen = 1, qint16 rijen = 1) {
  EtiketFormaat f;
  f.Naam = QStringLiteral("test");
  f.Breedte = breedte;
  f.Hoogte = hoogte;
  f.Kolommen = kolommen;
  f.Rijen = rijen;
  f.HorizontaleSteek = breedte + 3;
  f.VerticaleSteek = hoogte + 3;
  f.LinkerOffset = 2;
  f.BovenOffset = 2;
  return f;
}

// A barcode in a box of breedte x hoogte mm with its top-left corner at (links, boven).
int Code(Ontwerp& o, S soort, const QString& gegevens, float links, float boven, float breedte, float hoogte) {
  Streepjescode c;
  c.Soort = soort;
  c.Gegevens = gegevens;
  const int i = o.NieuwVoorwerp(SoortVoorwerp::Streepjescodevoorwerp);
  o.voorwerp(i).code() = c;
  o.PlaatsVoorwerp(i, links, boven, breedte, hoogte);
  return i;
}

void Tekst(Ontwerp& o, const QString& tekst, float links, float boven) {
  const int i = o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn);
  o.voorwerp(i).tekst().Tekst = tekst;
  o.voorwerp(i).tekst().Lettertype = QStringLiteral("DejaVu Sans");
  o.voorwerp(i).tekst().Lettergrootte = 10;
  float b = 40, h = 10 / 72.0f * 25.4f;
  o.PlaatsVoorwerp(i, links, boven, b, h);
}

struct Afdruk {
  std::variant<Job, QString> job;
  Jobuitkomst uitkomst = Jobuitkomst::Klaar;
  QString waarom;
  sbpl::Lezing lezing;
  // Every label of the stream, in order.
  std::vector<QImage> labels;
};

Afdruk Druk(const Ontwerp& o, const EtiketFormaat& f, int ppm, int werkers = 1) {
  Instellingen inst;
  inst.Printer = ppm == 8 ? 1 : 2;
  Afdruk a{MaakJob({o, f, inst, 0, 0, 1, false}), Jobuitkomst::Klaar, {}, {}, {}};
  const Job* job = std::get_if<Job>(&a.job);
  if (!job) return a;
  QBuffer uit;
  uit.open(QIODevice::WriteOnly);
  VelStand stand;
  a.uitkomst = DrukJob(*job, stand, uit, {}, werkers, &a.waarom);
  a.lezing = sbpl::Lees(uit.data());
  for (const sbpl::Vel& v : a.lezing.vellen)
    for (const sbpl::Label& l : v.labels) a.labels.push_back(l.beeld);
  return a;
}

// The part of a label where element v lies. The stream leaves out the blank
// rows at the bottom of a label; the paper is there all the same, and
// copying beyond the picture gives it back (colour 0, white).
QImage Uitsnede(const QImage& label, const Voorwerp& v, const EtiketFormaat& f, int ppm) {
  const QRect r = FiguurRechthoek(v, f, {float(ppm), float(ppm), 0, 0});
  return label.copy(r);
}

// A screen picture as ink and paper.
QImage EenBit(const QImage& beeld) {
  QImage uit(beeld.size(), QImage::Format_Mono);
  uit.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
  for (int y = 0; y < beeld.height(); ++y)
    for (int x = 0; x < beeld.width(); ++x) uit.setPixel(x, y, qGray(beeld.pixel(x, y)) < 128 ? 1 : 0);
  return uit;
}

struct Geval {
  S soort;
  const char* gegevens;
  float breedteMm, hoogteMm;
  F formaat;
  const char* gelezen;
};

const Geval kGevallen[] = {
    {S::Ean13, "590123412345", 45, 25, F::EAN13, "5901234123457"},
    {S::Ean8, "9638507", 31, 20, F::EAN8, "96385074"},
    {S::UpcA, "03600029145", 45, 25, F::UPCA, "036000291452"},
    {S::Code128, "Vellora-00042", 60, 15, F::Code128, "Vellora-00042"},
    {S::Gs1_128, "[01]09501101530003[10]ABC123", 80, 20, F::Code128, "010950110153000310ABC123"},
    {S::Code39, "VELLORA-42", 70, 15, F::Code39, "VELLORA-42"},
    {S::Interleaved2of5, "12345678", 40, 15, F::ITF, "12345678"},
    {S::Itf14, "9501101530003", 80, 25, F::ITF, "95011015300038"},
    {S::QrCode, "https://vellora.example/zending/00042", 25, 25, F::QRCode, "https://vellora.example/zending/00042"},
    {S::DataMatrix, "ASSET-000123", 15, 15, F::DataMatrix, "ASSET-000123"},
    {S::Pdf417, "Vellora PDF417: verzending 42", 60, 20, F::PDF417, "Vellora PDF417: verzending 42"},
};

void PrintTo(const Geval& g, std::ostream* os) { *os << SoortNaam(g.soort).toStdString(); }

struct GedruktTest : ::testing::TestWithParam<std::tuple<Geval, int>> {};

// Next to a text line, as labels have them; the label is wider than the code.
TEST_P(GedruktTest, APrintedLabelScansAsItsData) {
  const auto& [g, ppm] = GetParam();
  Ontwerp o;
  Tekst(o, QStringLiteral("Artikel 42"), -45, -24);
  const int i = Code(o, g.soort, QString::fromUtf8(g.gegevens), -g.breedteMm / 2, -18, g.breedteMm, g.hoogteMm);
  const EtiketFormaat f = Etiket(100, 50);
  const Afdruk a = Druk(o, f, ppm);
  ASSERT_TRUE(std::holds_alternative<Job>(a.job)) << std::get<QString>(a.job).toStdString();
  ASSERT_EQ(a.uitkomst, Jobuitkomst::Klaar) << a.waarom.toStdString();
  ASSERT_TRUE(a.lezing.fout.isEmpty()) << a.lezing.fout.toStdString();
  ASSERT_EQ(a.labels.size(), 1u);
  const Gescand s = Scan(Uitsnede(a.labels[0], o.voorwerp(i), f, ppm), g.formaat);
  ASSERT_TRUE(s.gevonden);
  EXPECT_EQ(s.tekst, g.gelezen);
}

std::string Naam(const ::testing::TestParamInfo<std::tuple<Geval, int>>& info) {
  QString naam = SoortNaam(std::get<0>(info.param).soort) + QStringLiteral("_%1ppm").arg(std::get<1>(info.param));
  naam.remove(QRegularExpression(QStringLiteral("[^A-Za-z0-9_]")));
  return naam.toStdString();
}

INSTANTIATE_TEST_SUITE_P(AlleSoorten, GedruktTest,
                         ::testing::Combine(::testing::ValuesIn(kGevallen), ::testing::Values(8, 12)), Naam);

std::vector<std::string> Gelezen(const Afdruk& a, const Ontwerp& o, int index, const EtiketFormaat& f, int ppm,
                                 F formaat) {
  std::vector<std::string> uit;
  for (const QImage& label : a.labels) uit.push_back(Scan(Uitsnede(label, o.voorwerp(index), f, ppm), formaat).tekst);
  return uit;
}

}  // namespace

TEST(GenummerdeStreepjescode, CopiesOneToThreeScanAsTheirOwnNumbers) {
  Ontwerp o;
  const int code128 = Code(o, S::Code128, QStringLiteral("ZENDING-[#]"), -45, -20, 60, 15);
  const int qr = Code(o, S::QrCode, QStringLiteral("https://vellora.example/z/[#]"), 20, -20, 25, 25);
  o.nummering.NummerVan = 1;
  o.nummering.NummerTot = 3;
  o.nummering.NummerStap = 1;
  const EtiketFormaat f = Etiket(100, 50);
  for (int ppm : {8, 12}) {
    // Drawn ahead on several threads, as a real job is.
    const Afdruk a = Druk(o, f, ppm, 3);
    ASSERT_EQ(a.uitkomst, Jobuitkomst::Klaar) << a.waarom.toStdString();
    EXPECT_EQ(Gelezen(a, o, code128, f, ppm, F::Code128),
              (std::vector<std::string>{"ZENDING-1", "ZENDING-2", "ZENDING-3"}));
    EXPECT_EQ(Gelezen(a, o, qr, f, ppm, F::QRCode),
              (std::vector<std::string>{"https://vellora.example/z/1", "https://vellora.example/z/2",
                                        "https://vellora.example/z/3"}));
  }
}

TEST(GenummerdeStreepjescode, ListValuesAndTheCheckDigitFollowTheCopy) {
  Ontwerp o;
  const int ean = Code(o, S::Ean13, QStringLiteral("[A]"), -20, -20, 40, 25);
  const int dm = Code(o, S::DataMatrix, QStringLiteral("INV-[B]"), 25, -10, 15, 15);
  for (const char* rij : {"590123412345", "400638133393", "871234567890"})
    o.nummering.NummerLijst.VoegRijToe({QString::fromLatin1(rij), QString::fromLatin1(rij).right(4), {}, {}, {}});
  const EtiketFormaat f = Etiket(100, 50);
  const Afdruk a = Druk(o, f, 12);
  ASSERT_EQ(a.uitkomst, Jobuitkomst::Klaar) << a.waarom.toStdString();
  EXPECT_EQ(Gelezen(a, o, ean, f, 12, F::EAN13),
            (std::vector<std::string>{"5901234123457", "4006381333931", "8712345678906"}));
  EXPECT_EQ(Gelezen(a, o, dm, f, 12, F::DataMatrix), (std::vector<std::string>{"INV-2345", "INV-3393", "INV-7890"}));
}

TEST(StreepjescodeDieNietKan, IsRefusedBeforeTheJobWithTheElementNamed) {
  const EtiketFormaat f = Etiket(100, 50);
  Ontwerp o;
  Code(o, S::Code128, QStringLiteral("GOED"), -40, -20, 50, 12);
  Code(o, S::Ean13, QStringLiteral("12345"), -40, 0, 40, 20);
  const Afdruk fout = Druk(o, f, 8);
  ASSERT_TRUE(std::holds_alternative<QString>(fout.job));
  EXPECT_EQ(std::get<QString>(fout.job), QStringLiteral("Streepjescode 2: Een EAN-13 bestaat uit 12 of 13 cijfers."));

  // A QR Code of 33 modules with its quiet zones is 82 dots at two dots a module.
  Ontwerp klein;
  Code(klein, S::QrCode, QStringLiteral("https://vellora.example/zending/00042"), 0, 0, 7, 7);
  const Afdruk te = Druk(klein, f, 8);
  ASSERT_TRUE(std::holds_alternative<QString>(te.job));
  EXPECT_EQ(std::get<QString>(te.job),
            QStringLiteral("Streepjescode 1: Het vak is te smal voor deze streepjescode, ook met modules van 2 punten "
                           "(0,25 mm), de kleinste voor een QR Code."));
  // The same box at 12 dots per mm holds it.
  EXPECT_TRUE(std::holds_alternative<Job>(Druk(klein, f, 12).job));
}

TEST(StreepjescodeDieNietKan, ACopyWhoseDataIsInvalidStopsTheJobAfterTheLabelsBeforeIt) {
  // The first copy is sound, so only printing finds the second.
  Ontwerp o;
  Code(o, S::Ean13, QStringLiteral("[A]"), -22.5f, -12, 45, 25);
  for (const char* rij : {"590123412345", "59012341234X", "400638133393"})
    o.nummering.NummerLijst.VoegRijToe({QString::fromLatin1(rij), {}, {}, {}, {}});
  // Two labels a sheet: the first sheet ends after copy 1, with one label.
  const EtiketFormaat f = Etiket(50, 30, 2, 1);
  for (int werkers : {1, 2}) {
    const Afdruk a = Druk(o, f, 8, werkers);
    ASSERT_TRUE(std::holds_alternative<Job>(a.job));
    EXPECT_EQ(a.uitkomst, Jobuitkomst::Onafdrukbaar);
    EXPECT_EQ(a.waarom, QStringLiteral("Streepjescode 1, exemplaar 2: Een EAN-13 bestaat alleen uit cijfers."));
    ASSERT_TRUE(a.lezing.fout.isEmpty());
    ASSERT_EQ(a.lezing.vellen.size(), 1u);
    EXPECT_TRUE(a.lezing.vellen[0].gesloten);
    ASSERT_EQ(a.labels.size(), 1u);
    EXPECT_EQ(Scan(a.labels[0], F::EAN13).tekst, "5901234123457");
  }
}

TEST(StreepjescodeDieNietKan, ALabelThatWouldBeginASheetLeavesNoEmptySheetBehind) {
  // One label a sheet: copy 2 would begin the second sheet.
  Ontwerp o;
  Code(o, S::Code128, QStringLiteral("[A]"), -20, -10, 40, 15);
  o.nummering.NummerLijst.VoegRijToe({QStringLiteral("EEN"), {}, {}, {}, {}});
  o.nummering.NummerLijst.VoegRijToe({QStringLiteral("Ω"), {}, {}, {}, {}});
  o.nummering.NummerLijst.VoegRijToe({QStringLiteral("DRIE"), {}, {}, {}, {}});
  const Afdruk a = Druk(o, Etiket(50, 30), 12);
  EXPECT_EQ(a.uitkomst, Jobuitkomst::Onafdrukbaar);
  EXPECT_EQ(a.waarom, QStringLiteral("Streepjescode 1, exemplaar 2: Een Code 128 kan het teken 'Ω' niet bevatten."));
  ASSERT_EQ(a.lezing.vellen.size(), 1u);
  EXPECT_TRUE(a.lezing.vellen[0].gesloten);
  EXPECT_EQ(a.labels.size(), 1u);
}

TEST(StreepjescodeDieNietKan, TheWindowsSinglePassDrawingStopsTooAndSaysWhy) {
  Ontwerp o;
  Code(o, S::QrCode, QStringLiteral("https://vellora.example/zending/00042"), 0, 0, 4, 4);
  const EtiketFormaat f = Etiket(50, 30);
  EtiketRaster raster(o, f, 8, o.nummering, {});
  Afdrukopdracht opdracht;
  opdracht.formaat = f;
  QBuffer uit;
  uit.open(QIODevice::WriteOnly);
  VelStand stand;
  QString waarom;
  EXPECT_EQ(AfdrukkenSATO(
                opdracht, stand, [&](float x, float y, int n) { return raster.DrukEenExemplaarSATO(x, y, n); }, uit, {},
                &waarom),
            Jobuitkomst::Onafdrukbaar);
  EXPECT_EQ(waarom, QStringLiteral("Streepjescode 1: Het vak is te smal voor deze streepjescode, ook met modules van 2 "
                                   "punten (0,25 mm), de kleinste voor een QR Code."));
  EXPECT_TRUE(uit.data().isEmpty());
}

TEST(StreepjescodeOpHetScherm, ShowsThePrintersSymbolScaledToTheScreen) {
  Ontwerp o;
  const int i = Code(o, S::QrCode, QStringLiteral("Scherm 42"), -10, -10, 20, 20);
  const EtiketFormaat f = Etiket(30, 30);
  const auto teken = [&](float pixelsPerMm, int printer) {
    QImage beeld(int(30 * pixelsPerMm), int(30 * pixelsPerMm), QImage::Format_RGB32);
    beeld.fill(Qt::white);
    QPainter p(&beeld);
    p.setRenderHint(QPainter::Antialiasing);
    EXPECT_FALSE(StreepjescodeOpDC(o.voorwerp(i), f, p, {pixelsPerMm, pixelsPerMm, 0, 0, printer}));
    return beeld;
  };
  // At the printer's own scale the screen gets the printer's dots exactly.
  const QImage printer = teken(8, 0);
  EXPECT_EQ(teken(8, 8), printer);
  // Twice as large: the same modules, which still scan.
  EXPECT_EQ(Scan(EenBit(teken(16, 8)), F::QRCode).tekst, "Scherm 42");
  // A screen of its own scale shows the 12-dot symbol, not one laid out for the screen.
  EXPECT_EQ(Scan(EenBit(teken(24, 12)), F::QRCode).tekst, "Scherm 42");
  // A numbered code shows as its first copy.
  o.voorwerp(i).code().Gegevens = QStringLiteral("Scherm [#]");
  EXPECT_EQ(Scan(EenBit(teken(24, 12)), F::QRCode).tekst, "Scherm 1");
}

TEST(StreepjescodeDialoog, DataIsCheckedAsTheFirstCopyMakesIt) {
  Streepjescode c;
  c.Soort = S::Ean13;
  Nummering n;
  c.Gegevens = QStringLiteral("59012341234");
  EXPECT_EQ(FoutInStreepjescode(c, n), QStringLiteral("Een EAN-13 bestaat uit 12 of 13 cijfers."));
  c.Gegevens = QStringLiteral("59012341234[#]");
  EXPECT_EQ(FoutInStreepjescode(c, n), std::nullopt);
  n.NummerVan = 10, n.NummerTot = 20, n.NummerStap = 1;
  EXPECT_EQ(FoutInStreepjescode(c, n), QStringLiteral("Het controlecijfer klopt niet: het moet 9 zijn."));
  // A list column has no values before the list is made.
  c.Gegevens = QStringLiteral("[A]");
  EXPECT_EQ(FoutInStreepjescode(c, n), std::nullopt);
}

TEST(StreepjescodeDialoog, ANewCodeIsCentredInTheBoxItsSymbolWantsAndAnEditKeepsItsPlace) {
  Ontwerp o;
  Streepjescode c;
  c.Soort = S::Ean13;
  c.Gegevens = QStringLiteral("590123412345");
  c.Hoogte = 20;
  const int i = NieuweStreepjescode(o, c, 12);
  const Voorwerp& v = o.voorwerp(i);
  // 113 modules with quiet zones at 4 dots each.
  EXPECT_FLOAT_EQ(v.Breedte, 113 * 4 / 12.0f);
  EXPECT_FLOAT_EQ(v.Hoogte, 20);
  EXPECT_FLOAT_EQ(v.Links, -v.Breedte / 2);
  EXPECT_EQ(o.AantalStreepjescodes(), 1);
  EXPECT_TRUE(o.IsConsistent());

  c.Hoogte = 12;
  c.TekstTonen = false;
  WijzigStreepjescode(o, i, c);
  EXPECT_FLOAT_EQ(o.voorwerp(i).Hoogte, 12);
  EXPECT_FLOAT_EQ(o.voorwerp(i).Links, -113 * 4 / 24.0f);
  EXPECT_EQ(StreepjescodeVan(o, i), c);
}

namespace {
// A job made and run with `aantal` copies of every number, and the labels
// the printer makes of its stream: every label block times its sheet's quantity.
struct Gelopen {
  Afdruk afdruk;
  qint64 etiketten = -1;
  qint64 uitStroom = 0;
};

Gelopen Loop(const Ontwerp& o, const EtiketFormaat& f, int ppm, qint16 aantal, int werkers) {
  Instellingen inst;
  inst.Printer = ppm == 8 ? 1 : 2;
  Gelopen g{{MaakJob({o, f, inst, 0, 0, aantal, false}), Jobuitkomst::Klaar, {}, {}, {}}};
  const Job* job = std::get_if<Job>(&g.afdruk.job);
  if (!job) return g;
  QBuffer uit;
  uit.open(QIODevice::WriteOnly);
  VelStand stand;
  g.afdruk.uitkomst = DrukJob(*job, stand, uit, {}, werkers, &g.afdruk.waarom, &g.etiketten);
  g.afdruk.lezing = sbpl::Lees(uit.data());
  for (const sbpl::Vel& v : g.afdruk.lezing.vellen) {
    g.uitStroom += qint64(v.labels.size()) * v.aantal;
    for (const sbpl::Label& l : v.labels) g.afdruk.labels.push_back(l.beeld);
  }
  return g;
}
}  // namespace

TEST(StreepjescodeDieNietKan, TheFirstCopyThatFailsIsNamedWithTheLabelsPrintedBeforeIt) {
  // 98 and 99 make twelve digits; 100 and 101 thirteen with a wrong check digit.
  Ontwerp o;
  Code(o, S::Ean13, QStringLiteral("8712345678[#]"), -22.5f, -12, 45, 25);
  o.nummering.NummerVan = 98, o.nummering.NummerTot = 101, o.nummering.NummerStap = 1;
  const EtiketFormaat f = Etiket(50, 30);
  for (int werkers : {1, 2}) {
    SCOPED_TRACE(werkers);
    // Three of every number on a sheet of one: each label block is printed three times.
    const Gelopen g = Loop(o, f, 8, 3, werkers);
    ASSERT_TRUE(std::holds_alternative<Job>(g.afdruk.job)) << std::get<QString>(g.afdruk.job).toStdString();
    EXPECT_EQ(g.afdruk.uitkomst, Jobuitkomst::Onafdrukbaar);
    EXPECT_EQ(g.afdruk.waarom,
              QStringLiteral("Streepjescode 1, exemplaar 100: Het controlecijfer klopt niet: het moet 4 zijn."));
    ASSERT_EQ(g.afdruk.labels.size(), 2u);
    EXPECT_EQ(Scan(g.afdruk.labels[0], F::EAN13).tekst, "8712345678982");
    EXPECT_EQ(Scan(g.afdruk.labels[1], F::EAN13).tekst, "8712345678999");
    EXPECT_EQ(g.uitStroom, 6);
    EXPECT_EQ(g.etiketten, 6);
    EXPECT_EQ(AfgedruktZin(g.etiketten), QStringLiteral("6 etiketten zijn afgedrukt."));
  }
  // Two labels a sheet, one copy each: 98 and 99 on the first sheet, which is full.
  const Gelopen twee = Loop(o, Etiket(50, 30, 2, 1), 8, 1, 1);
  EXPECT_EQ(twee.etiketten, 2);
  EXPECT_EQ(twee.uitStroom, 2);
}

TEST(StreepjescodeDieNietKan, ABarcodeNotWhollyOnTheLabelIsRefusedBeforeAnythingIsSent) {
  const auto bezwaar = [](const EtiketFormaat& f, float links, float boven, float breedte, float hoogte,
                          int ppm) -> std::optional<QString> {
    Ontwerp o;
    Code(o, S::QrCode, QStringLiteral("RAND"), -5, -5, 10, 10);
    Code(o, S::QrCode, QStringLiteral("RAND"), links, boven, breedte, hoogte);
    const Afdruk a = Druk(o, f, ppm);
    if (const QString* m = std::get_if<QString>(&a.job)) return *m;
    return std::nullopt;
  };
  const QString melding =
      QStringLiteral("Streepjescode 2 ligt niet helemaal op het etiket; afgesneden is ze niet te lezen.");
  const EtiketFormaat recht = Etiket(50, 30);
  for (int ppm : {8, 12}) {
    SCOPED_TRACE(ppm);
    // Against the edges it is on the label; a millimetre past any of them it is not.
    EXPECT_EQ(bezwaar(recht, 15, 5, 10, 10, ppm), std::nullopt);
    EXPECT_EQ(bezwaar(recht, -25, -15, 10, 10, ppm), std::nullopt);
    EXPECT_EQ(bezwaar(recht, 16, 0, 10, 10, ppm), melding);
    EXPECT_EQ(bezwaar(recht, -26, 0, 10, 10, ppm), melding);
    EXPECT_EQ(bezwaar(recht, 0, 6, 10, 10, ppm), melding);
    EXPECT_EQ(bezwaar(recht, 0, -16, 10, 10, ppm), melding);
  }
  // A round label of 40 mm: a 10 mm box in its bounding square's corner has a
  // corner 25 mm from the centre (outside); nearer the centre, 19.8 mm, it is inside.
  EtiketFormaat rond = Etiket(40, 40);
  rond.Vorm = 1;
  EXPECT_EQ(bezwaar(rond, 10, 10, 10, 10, 8), melding);
  EXPECT_EQ(bezwaar(rond, 4, 4, 10, 10, 8), std::nullopt);
  // The same box on a square label of that size lies on it.
  EXPECT_EQ(bezwaar(Etiket(40, 40), 10, 10, 10, 10, 8), std::nullopt);
}
