// Module widths in whole printer dots: which one a box gets, and what the
// drawn symbol looks like at it.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "barcodes/Scan.h"
#include "barcodes/TekenStreepjescode.h"

using namespace barcodes;

namespace {

using S = StreepjescodeSoort;
using Uitkomst = StreepjescodeTekening::Uitkomst;

// "Vellora" is a QR Code of 21 modules; with its quiet zones 29 modules a side.
// An EAN-13 is 95 modules, 113 with its quiet zones.
struct Keuze {
  S soort;
  const char* gegevens;
  bool tekst;
  int module;  // as set in the dialog; 0 is "automatisch"
  int breedte, hoogte, ppm;
  int gekozen;  // module width drawn, or 0 when the box is too small
  const char* melding;
};

const Keuze kKeuzes[] = {
    {S::QrCode, "Vellora", false, 0, 145, 145, 12, 5, ""},
    {S::QrCode, "Vellora", false, 0, 144, 400, 12, 4, ""},  // the width decides
    {S::QrCode, "Vellora", false, 0, 400, 144, 12, 4, ""},  // the height decides
    {S::QrCode, "Vellora", false, 2, 300, 300, 8, 2, ""},   // a fixed width is honoured
    {S::QrCode, "Vellora", false, 6, 145, 145, 12, 0,
     "Het vak is te smal voor deze streepjescode met modules van 6 punten."},
    // Automatic stays at two dots a module or more, and within the symbology's range.
    {S::QrCode, "Vellora", false, 0, 57, 57, 8, 0,
     "Het vak is te smal voor deze streepjescode, ook met modules van 2 punten (0,25 mm), de kleinste voor een QR "
     "Code."},
    {S::QrCode, "Vellora", false, 0, 58, 57, 8, 0,
     "Het vak is te laag voor deze streepjescode, ook met modules van 2 punten (0,25 mm), de kleinste voor een QR "
     "Code."},
    {S::QrCode, "Vellora", false, 0, 58, 58, 12, 2, ""},
    // EAN-13 from GS1's 0.264 mm: 3 dots at 8 dots/mm (2 would be 0.25 mm), 4 at 12.
    {S::Ean13, "590123412345", true, 0, 338, 200, 8, 0,
     "Het vak is te smal voor deze streepjescode, ook met modules van 3 punten (0,375 mm), de kleinste voor een "
     "EAN-13."},
    {S::Ean13, "590123412345", true, 0, 339, 200, 8, 3, ""},
    {S::Ean13, "590123412345", true, 0, 451, 300, 12, 0,
     "Het vak is te smal voor deze streepjescode, ook met modules van 4 punten (0,333 mm), de kleinste voor een "
     "EAN-13."},
    {S::Ean13, "590123412345", true, 0, 480, 300, 12, 4, ""},  // 40 mm at 12 dots/mm
    // A fixed module below the minimum is the user's choice.
    {S::Ean13, "590123412345", true, 3, 320, 200, 8, 0,
     "Het vak is te smal voor deze streepjescode met modules van 3 punten."},
    {S::Ean13, "590123412345", true, 1, 320, 200, 8, 1, ""},
    // Bars need ten modules of height and the line under them its own.
    {S::Ean13, "590123412345", true, 0, 1200, 100, 8, 5, ""},
    {S::Ean13, "590123412345", true, 0, 1200, 75, 8, 4, ""},
    // ... and no more than GS1's 0.66 mm: 5 dots at 8 dots/mm, 7 at 12.
    {S::Ean13, "590123412345", false, 0, 1200, 100, 8, 5, ""},
    {S::Ean13, "590123412345", false, 0, 1200, 150, 12, 7, ""},
    {S::Ean13, "590123412345", true, 0, 1200, 25, 8, 0,
     "Het vak is te laag voor deze streepjescode, ook met modules van 3 punten (0,375 mm), de kleinste voor een "
     "EAN-13."},
    {S::Ean13, "590123412345", true, 2, 1200, 35, 8, 0,
     "Het vak is te laag voor deze streepjescode met modules van 2 punten."},
    // Code 128 from 0.19 mm: 2 dots at 8 dots/mm, 3 at 12; no upper bound.
    {S::Code128, "VL-42", false, 0, 2 * 110, 40, 8, 2, ""},
    {S::Code128, "VL-42", false, 0, 3 * 110 - 1, 40, 12, 0,
     "Het vak is te smal voor deze streepjescode, ook met modules van 3 punten (0,25 mm), de kleinste voor een "
     "Code 128."},
    {S::Code128, "VL-42", false, 0, 20 * 110, 400, 12, 20, ""},
};

void PrintTo(const Keuze& k, std::ostream* os) {
  *os << SoortNaam(k.soort).toStdString() << " module " << k.module << " in " << k.breedte << "x" << k.hoogte << " at "
      << k.ppm;
}

struct KeuzeTest : ::testing::TestWithParam<Keuze> {};

TEST_P(KeuzeTest, BoxGetsTheLargestModuleThatFitsOrTheFixedOne) {
  const Keuze& k = GetParam();
  Streepjescode code;
  code.Soort = k.soort;
  code.Gegevens = QString::fromUtf8(k.gegevens);
  code.TekstTonen = k.tekst;
  code.Modulebreedte = qint16(k.module);
  const StreepjescodeTekening t = TekenStreepjescode(code, QSize(k.breedte, k.hoogte), k.ppm);
  if (k.gekozen == 0) {
    EXPECT_EQ(t.uitkomst, Uitkomst::PastNiet);
    EXPECT_EQ(t.Fout.toStdString(), k.melding);
    EXPECT_TRUE(t.Beeld.isNull());
    return;
  }
  ASSERT_EQ(t.uitkomst, Uitkomst::Getekend) << t.Fout.toStdString();
  EXPECT_EQ(t.indeling.Module, k.gekozen);
}

INSTANTIATE_TEST_SUITE_P(Vakken, KeuzeTest, ::testing::ValuesIn(kKeuzes));

// The lengths of the runs of equal dots in a line of the picture, from the
// first black dot to the last; also where the black starts and ends.
struct Lopen {
  std::vector<int> lengtes;
  int eersteZwart = -1, laatsteZwart = -1;
};

Lopen LopenIn(const QImage& beeld, bool rij, int waar) {
  const int n = rij ? beeld.width() : beeld.height();
  auto zwart = [&](int i) { return (rij ? beeld.pixelIndex(i, waar) : beeld.pixelIndex(waar, i)) == 1; };
  Lopen l;
  for (int i = 0; i < n; ++i)
    if (zwart(i)) {
      if (l.eersteZwart < 0) l.eersteZwart = i;
      l.laatsteZwart = i;
    }
  for (int i = l.eersteZwart; i >= 0 && i <= l.laatsteZwart;) {
    int j = i;
    while (j <= l.laatsteZwart && zwart(j) == zwart(i)) ++j;
    l.lengtes.push_back(j - i);
    i = j;
  }
  return l;
}

TEST(ModulebreedteTest, LinearBarsAreWholeModulesWithQuietZonesInsideTheBox) {
  Streepjescode code;
  code.Soort = S::Ean13;
  code.Gegevens = QStringLiteral("590123412345");
  for (int ppm : {8, 12}) {
    SCOPED_TRACE(ppm);
    const QSize vak(50 * ppm, 20 * ppm);
    const StreepjescodeTekening t = TekenStreepjescode(code, vak, ppm);
    ASSERT_EQ(t.uitkomst, Uitkomst::Getekend);
    const int k = t.indeling.Module;
    ASSERT_GE(k, 2);
    for (int y : {0, t.indeling.Symbool.bottom()}) {
      const Lopen l = LopenIn(t.Beeld, true, y);
      ASSERT_FALSE(l.lengtes.empty());
      for (int lengte : l.lengtes) EXPECT_EQ(lengte % k, 0) << lengte;
      EXPECT_GE(l.eersteZwart, 11 * k);
      EXPECT_GE(vak.width() - 1 - l.laatsteZwart, 7 * k);
    }
    // The line under the bars is the caller's, with the computed check digit:
    // the first digit in the quiet zone, the others in two groups between the
    // guards, which reach halfway down into the line.
    EXPECT_EQ(t.Tekst, QStringLiteral("5901234123457"));
    const QRect& bars = t.indeling.Symbool;
    ASSERT_EQ(t.indeling.TekstDelen.size(), 3u);
    const std::vector<std::pair<QString, QRect>> verwacht = {
        {QStringLiteral("5"), QRect(bars.left() - 8 * k, bars.bottom() + 1, 7 * k, vak.height() - bars.height())},
        {QStringLiteral("901234"), QRect(bars.left() + 3 * k, bars.bottom() + 1, 42 * k, vak.height() - bars.height())},
        {QStringLiteral("123457"),
         QRect(bars.left() + 50 * k, bars.bottom() + 1, 42 * k, vak.height() - bars.height())},
    };
    for (size_t i = 0; i < verwacht.size(); ++i) {
      EXPECT_EQ(t.indeling.TekstDelen[i].Tekst, verwacht[i].first);
      EXPECT_EQ(t.indeling.TekstDelen[i].Vak, verwacht[i].second);
    }
    EXPECT_EQ(t.indeling.TekstVak.bottom(), vak.height() - 1);
    const Lopen guards = LopenIn(t.Beeld, true, bars.bottom() + 1);
    EXPECT_EQ(guards.eersteZwart, bars.left());
    EXPECT_EQ(guards.laatsteZwart, bars.right());
    for (const TekstDeel& deel : t.indeling.TekstDelen)
      for (int x = deel.Vak.left(); x <= deel.Vak.right(); ++x)
        ASSERT_EQ(t.Beeld.pixelIndex(x, bars.bottom() + 1), 0) << x;
    EXPECT_EQ(LopenIn(t.Beeld, true, vak.height() - 1).eersteZwart, -1);
  }
}

// How each code's line is cut up, and every piece inside the box.
struct Regel {
  S soort;
  const char* gegevens;
  std::vector<const char*> delen;
};

const Regel kRegels[] = {
    {S::Ean13, "590123412345", {"5", "901234", "123457"}},      {S::Ean8, "9638507", {"9638", "5074"}},
    {S::UpcA, "03600029145", {"0", "36000", "29145", "2"}},     {S::Code128, "VL-42", {"VL-42"}},
    {S::Gs1_128, "[01]09501101530003", {"(01)09501101530003"}}, {S::Interleaved2of5, "123456", {"123456"}},
};

struct RegelTest : ::testing::TestWithParam<Regel> {};

TEST_P(RegelTest, HumanReadableLineIsCutIntoItsPiecesInsideTheBox) {
  const Regel& r = GetParam();
  Streepjescode code;
  code.Soort = r.soort;
  code.Gegevens = QString::fromUtf8(r.gegevens);
  const QSize vak(1000, 200);
  const StreepjescodeTekening t = TekenStreepjescode(code, vak, 12);
  ASSERT_EQ(t.uitkomst, Uitkomst::Getekend);
  ASSERT_EQ(t.indeling.TekstDelen.size(), r.delen.size());
  for (size_t i = 0; i < r.delen.size(); ++i) {
    const TekstDeel& deel = t.indeling.TekstDelen[i];
    EXPECT_EQ(deel.Tekst.toStdString(), r.delen[i]);
    EXPECT_TRUE(QRect(QPoint(0, 0), vak).contains(deel.Vak)) << i;
    EXPECT_EQ(deel.Vak.bottom(), vak.height() - 1);
    if (i > 0) {
      EXPECT_GT(deel.Vak.left(), t.indeling.TekstDelen[i - 1].Vak.right());
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Lineair, RegelTest, ::testing::ValuesIn(kRegels));

TEST(ModulebreedteTest, Itf14HasBearerBarsOverItsQuietZones) {
  Streepjescode code;
  code.Soort = S::Itf14;
  code.Gegevens = QStringLiteral("9501101530003");
  const StreepjescodeTekening t = TekenStreepjescode(code, QSize(800, 250), 8);
  ASSERT_EQ(t.uitkomst, Uitkomst::Getekend);
  const int k = t.indeling.Module;
  const QRect& bars = t.indeling.Symbool;
  for (int y : {bars.top() - 1, bars.top() - 5 * k, bars.bottom() + 1, bars.bottom() + 5 * k}) {
    const Lopen l = LopenIn(t.Beeld, true, y);
    EXPECT_EQ(l.lengtes, std::vector<int>{bars.width() + 20 * k}) << y;
    EXPECT_EQ(l.eersteZwart, bars.left() - 10 * k) << y;
  }
  EXPECT_EQ(bars.top(), 5 * k);
  EXPECT_EQ(LopenIn(t.Beeld, true, bars.bottom() + 5 * k + 1).eersteZwart, -1);
  EXPECT_EQ(t.indeling.TekstVak.top(), bars.bottom() + 5 * k + 1);
}

TEST(ModulebreedteTest, WithoutTheLineTheBarsTakeTheWholeHeight) {
  Streepjescode code;
  code.Soort = S::Code128;
  code.Gegevens = QStringLiteral("VELLORA");
  code.TekstTonen = false;
  const StreepjescodeTekening t = TekenStreepjescode(code, QSize(400, 120), 8);
  ASSERT_EQ(t.uitkomst, Uitkomst::Getekend);
  EXPECT_TRUE(t.Tekst.isEmpty());
  EXPECT_TRUE(t.indeling.TekstVak.isEmpty());
  EXPECT_EQ(LopenIn(t.Beeld, true, 119).lengtes, LopenIn(t.Beeld, true, 0).lengtes);
}

TEST(ModulebreedteTest, MatrixModulesAreWholeSquaresWithQuietZonesInsideTheBox) {
  Streepjescode code;
  code.Soort = S::QrCode;
  code.Gegevens = QStringLiteral("Vellora");
  code.TekstTonen = true;  // has no meaning for a two-dimensional code
  const QSize vak(150, 170);
  const StreepjescodeTekening t = TekenStreepjescode(code, vak, 12);
  ASSERT_EQ(t.uitkomst, Uitkomst::Getekend);
  const int k = t.indeling.Module;
  ASSERT_EQ(k, 5);
  EXPECT_TRUE(t.Tekst.isEmpty());
  for (int i = 0; i < 21; ++i) {
    const int midden = t.indeling.Symbool.top() + i * k + k / 2;
    for (bool rij : {true, false}) {
      const Lopen l = LopenIn(t.Beeld, rij, rij ? midden : t.indeling.Symbool.left() + i * k + k / 2);
      for (int lengte : l.lengtes) EXPECT_EQ(lengte % k, 0) << lengte;
      EXPECT_GE(l.eersteZwart, 4 * k);
      EXPECT_GE((rij ? vak.width() : vak.height()) - 1 - l.laatsteZwart, 4 * k);
    }
  }
}

TEST(ModulebreedteTest, NewElementBoxFitsModulesOfAThirdOfAMillimetre) {
  Streepjescode code;
  code.Soort = S::Ean13;
  code.Gegevens = QStringLiteral("4006381333931");
  code.Hoogte = 20;
  for (auto [ppm, module] : {std::pair{8, 3}, std::pair{12, 4}}) {
    const QSize vak = GewensteMaat(code, ppm);
    EXPECT_EQ(vak.height(), 20 * ppm);
    const StreepjescodeTekening t = TekenStreepjescode(code, vak, ppm);
    ASSERT_EQ(t.uitkomst, Uitkomst::Getekend);
    EXPECT_EQ(t.indeling.Module, module);
    EXPECT_EQ(Scan(t.Beeld, ZXing::BarcodeFormat::EAN13).tekst, "4006381333931");
  }
  code.Gegevens = QStringLiteral("40063813339");
  EXPECT_TRUE(GewensteMaat(code, 8).isEmpty());
}

}  // namespace

TEST(ModulebreedteTest, Code39WideElementsAreThreeTimesTheNarrowOnesAndScan) {
  Streepjescode code;
  code.Soort = S::Code39;
  code.Gegevens = QStringLiteral("VL-39");
  code.TekstTonen = false;
  for (int ppm : {8, 12})
    for (int k : {2, 3}) {
      SCOPED_TRACE(testing::Message() << k << " dots at " << ppm);
      code.Modulebreedte = qint16(k);
      const StreepjescodeTekening t = TekenStreepjescode(code, QSize(1200, 120), ppm);
      ASSERT_EQ(t.uitkomst, Uitkomst::Getekend) << t.Fout.toStdString();
      // Bars and spaces as printed: narrow ones k dots, wide ones 3k.
      const Lopen l = LopenIn(t.Beeld, true, 60);
      std::set<int> breedtes(l.lengtes.begin(), l.lengtes.end());
      EXPECT_EQ(breedtes, (std::set<int>{k, 3 * k}));
      EXPECT_EQ(Scan(t.Beeld, ZXing::BarcodeFormat::Code39).tekst, "VL-39");
    }
}

TEST(ModulebreedteTest, ALayoutThatDoesNotMatchItsBoxDrawsOnlyInsideIt) {
  // Modules of 40 dots from outside the box's left and top, bars running far
  // below it: everything that falls inside is drawn, nothing is written elsewhere.
  const Codering c = CodeerStreepjescode(S::Ean13, QStringLiteral("590123412345"));
  ASSERT_TRUE(c.Gelukt());
  Indeling in;
  in.Module = 40;
  in.Symbool = QRect(-100, -50, 95 * 40, 100000);
  in.TekstVak = QRect(0, 100, 50, 4000);
  const QImage beeld = TekenModules(c.modules, in, QSize(203, 37));
  ASSERT_EQ(beeld.size(), QSize(203, 37));
  // The start guard's second bar (module 2, dots -20 to 19) is dark in every row;
  // module 3 (20 to 59), the first of a left-hand digit, is light.
  for (int y : {0, 36}) {
    EXPECT_EQ(beeld.pixelIndex(0, y), 1);
    EXPECT_EQ(beeld.pixelIndex(19, y), 1);
    EXPECT_EQ(beeld.pixelIndex(20, y), 0);
  }
}
