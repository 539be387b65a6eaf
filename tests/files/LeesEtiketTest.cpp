#include <gtest/gtest.h>

#include <QDir>
#include <QImageReader>
#include <cmath>
#include <limits>

#include "files/BewaarEtiket.h"
#include "files/EtiketToepassen.h"
#include "files/LeesEtiket.h"
#include "files/EtiketBestandHulp.h"
#include "support/TestCatalogus.h"
#include "support/Tijdelijk.h"

using namespace files;

namespace {

GelezenEtiket Lees(const QByteArray& b) {
  auto r = LeesEtiketUit(b, TestCatalogus());
  if (auto* f = std::get_if<LeesFout>(&r)) {
    ADD_FAILURE() << f->Melding().toStdString();
    return {};
  }
  return std::get<GelezenEtiket>(std::move(r));
}

LeesFout Fout(const LeesUitkomst& r) {
  if (!std::holds_alternative<LeesFout>(r)) {
    ADD_FAILURE() << "read without error";
    return {};
  }
  return std::get<LeesFout>(r);
}

LeesFout Fout(const QByteArray& b, const QString& pad = QStringLiteral("/etiketten/test.VLO")) {
  return Fout(LeesEtiketUit(b, TestCatalogus(), pad));
}

// What the main window does with a read design, minus the window: the
// elements in file order, each filled and placed.
Ontwerp Toepassen(const GelezenEtiket& e) {
  Ontwerp o;
  PasEtiketToe(e, o, {});
  return o;
}

Ontwerp Voorbeeld() {
  Ontwerp o;
  NieuweFiguur(o, Bitmap(21, 9, [](int x, int y) { return x % 3 == 0 || y == 4; }), -30, -12);
  const int a = NieuweTekstlijn(o, QStringLiteral("Appels één € 1,-"), -40, -15);
  o.voorwerp(a).tekst().Vet = true;
  o.voorwerp(a).tekst().Cursief = Bool16::fromRaw(1);
  o.voorwerp(a).tekst().Uitlijning = 1;
  NieuweRondeTekst(o, QStringLiteral("Vers van het land"));
  const int f = NieuweFiguur(o, Bitmap(40, 40, [](int x, int y) { return x > y; }), 10, -5);
  o.voorwerp(f).beeld().BronX = 5;
  o.voorwerp(f).beeld().BronY = 10;
  o.voorwerp(f).beeld().BronBreedte = 30;
  o.voorwerp(f).beeld().BronHoogte = 20;
  NieuweTekstlijn(o, QString(), -40, 10);  // an empty line is kept
  const int r = NieuweRondeTekst(o, QStringLiteral("Tegen de klok"));
  o.voorwerp(r).cirkel().Wijzerzin = false;
  o.voorwerp(r).cirkel().Referentiepunt = -45.5f;
  o.voorwerp(r).tekst().Onderlijnd = true;
  return o;
}

// A small valid version 2 file with one record of each kind, whose fields
// the damage cases below spoil one at a time.
struct V2 {
  qint16 lijnen = 1, figuren = 1, rond = 1;
  qint16 tekstLengte = 5;
  float links = -10;
  qint32 bronX = 0, bronY = 0, bronBreedte = 3, bronHoogte = 2;
  QByteArray plaatje = Encoded(Bitmap(3, 2, [](int x, int) { return x == 1; }), "BMP");
  qint32 plaatjeLengte = -2;  // -2: the picture's true length
  QByteArray staart;

  QByteArray bytes() const {
    Bytes b;
    b.i32(21334).str("Rond 40").i16(lijnen).i16(figuren).i16(rond);
    b.i16(tekstLengte).raw("Kaas!").i16(9).str("Arial").i16(0).i16(-1).i16(0).i16(0);
    b.f32(links).f32(-5).f32(20).f32(3.2f);
    b.f32(0).f32(0).f32(10).f32(5).i32(bronX).i32(bronY).i32(bronBreedte).i32(bronHoogte);
    b.i32(plaatjeLengte == -2 ? qint32(plaatje.size()) : plaatjeLengte).raw(plaatje);
    b.str("Rond").i16(8).str("Arial").i16(0).i16(0).i16(0).i16(2);
    b.f32(18).f32(270).i16(-1).f32(-19).f32(-19).f32(38).f32(38);
    return QByteArray(b) + staart;
  }
};

template <typename F>
V2 Met(F wijziging) {
  V2 v;
  wijziging(v);
  return v;
}

// The headers of a 1-bit BMP that says it is w x h, without rows.
QByteArray BmpKop(qint32 w, qint32 h) {
  const qint64 regel = (qint64(w) + 31) / 32 * 4;
  return Bytes().raw("BM").i32(qint32(62 + regel * h)).i32(0).i32(62)
      .i32(40).i32(w).i32(h).i16(1).i16(1).i32(0).i32(qint32(regel * h)).i32(0).i32(0).i32(2).i32(2)
      .i32(0x00FFFFFF).i32(0);
}

const QString kBeschadigd = QStringLiteral("Het bestand\n/etiketten/test.VLO\nis beschadigd of onvolledig.\n"
                                           "Vellora kan het bestand niet openen");

}  // namespace

TEST(LeesEtiket, ADesignReadAndSavedAgainGivesTheSameBytesInBothVersions) {
  const Ontwerp o = Voorbeeld();
  for (qint16 versie : {qint16(1), qint16(2)}) {
    SCOPED_TRACE(versie);
    const QByteArray bestand = EtiketBytes(versie, o, QStringLiteral("89 x 36"));
    const GelezenEtiket e = Lees(bestand);
    EXPECT_EQ(e.BestType, versie);
    EXPECT_EQ(e.FormaatNaam, QStringLiteral("89 x 36"));
    EXPECT_EQ(e.HuidigFormaat, 1);
    const Ontwerp terug = Toepassen(e);
    EXPECT_TRUE(terug.IsConsistent());
    EXPECT_EQ(EtiketBytes(versie, terug, e.FormaatNaam), bestand);
  }
}

TEST(LeesEtiket, RecordsComeBackWithEveryFieldAndTheFileOrderOfKinds) {
  const GelezenEtiket e = Lees(EtiketBytes(2, Voorbeeld(), QStringLiteral("Rond 40")));
  EXPECT_EQ(e.HuidigFormaat, 2);
  ASSERT_EQ(e.Lijnen.size(), 2u);
  ASSERT_EQ(e.Figuren.size(), 2u);
  ASSERT_EQ(e.RondeTeksten.size(), 2u);

  const TekstlijnRecord& a = e.Lijnen[0];
  EXPECT_EQ(a.Tekst, QStringLiteral("Appels één € 1,-"));
  EXPECT_EQ(a.Lettertype, QStringLiteral("DejaVu Sans"));
  EXPECT_EQ(a.Lettergrootte, 12);
  EXPECT_EQ(a.Vet.raw(), -1);
  EXPECT_EQ(a.Cursief.raw(), 1);  // kept as stored, and true
  EXPECT_TRUE(a.Cursief);
  EXPECT_FALSE(a.Onderlijnd);
  EXPECT_EQ(a.Uitlijning, 1);
  EXPECT_EQ(a.Links, -40);
  EXPECT_EQ(a.Boven, -15);
  EXPECT_TRUE(e.Lijnen[1].Tekst.isEmpty());

  const FiguurRecord& f = e.Figuren[1];
  EXPECT_TRUE(f.MetBron);
  EXPECT_EQ(QRect(f.BronX, f.BronY, f.BronBreedte, f.BronHoogte), QRect(5, 10, 30, 20));
  EXPECT_EQ(f.Afbeelding.size(), QSize(40, 40));
  EXPECT_EQ(f.Afbeelding.format(), QImage::Format_Mono);
  EXPECT_EQ(f.Afbeelding.color(0), qRgb(255, 255, 255));
  EXPECT_EQ(f.Afbeelding.color(1), qRgb(0, 0, 0));
  EXPECT_TRUE(Toont(f.Afbeelding, [](int x, int y) { return x > y; }));
  EXPECT_TRUE(Toont(e.Figuren[0].Afbeelding, [](int x, int y) { return x % 3 == 0 || y == 4; }));

  const RondeTekstRecord& r = e.RondeTeksten[1];
  EXPECT_EQ(r.Tekst, QStringLiteral("Tegen de klok"));
  EXPECT_FALSE(r.Wijzerzin);
  EXPECT_TRUE(e.RondeTeksten[0].Wijzerzin);
  EXPECT_EQ(r.Referentiepunt, -45.5f);
  EXPECT_EQ(r.Straal, 15.5f);
  EXPECT_EQ(r.Uitlijning, 2);
  EXPECT_TRUE(r.Onderlijnd);
  EXPECT_EQ(r.Breedte, 32);

  // Applied, text lines come first, then figures, then round texts.
  const Ontwerp o = Toepassen(e);
  ASSERT_EQ(o.AantalVoorwerpen(), 6);
  const SoortVoorwerp soorten[] = {SoortVoorwerp::Tekstlijn, SoortVoorwerp::Tekstlijn,  SoortVoorwerp::Figuur,
                                   SoortVoorwerp::Figuur,    SoortVoorwerp::RondeTekst, SoortVoorwerp::RondeTekst};
  for (int i = 1; i <= 6; ++i) EXPECT_EQ(o.voorwerp(i).Soort(), soorten[i - 1]) << i;
  EXPECT_EQ(o.AantalLijnen(), 2);
  EXPECT_EQ(o.AantalFiguren(), 2);
  EXPECT_EQ(o.AantalRondeTeksten(), 2);
}

TEST(LeesEtiket, AVersion1SaveLosesRoundTextsAndCropsAndShowsWholePictures) {
  const GelezenEtiket e = Lees(EtiketBytes(1, Voorbeeld(), QStringLiteral("89 x 36")));
  EXPECT_EQ(e.BestType, 1);
  EXPECT_EQ(e.Lijnen.size(), 2u);
  EXPECT_TRUE(e.RondeTeksten.empty());
  ASSERT_EQ(e.Figuren.size(), 2u);
  EXPECT_FALSE(e.Figuren[1].MetBron);
  const Ontwerp o = Toepassen(e);
  EXPECT_EQ(QRect(o.voorwerp(4).beeld().BronX, o.voorwerp(4).beeld().BronY, o.voorwerp(4).beeld().BronBreedte,
                  o.voorwerp(4).beeld().BronHoogte),
            QRect(0, 0, 40, 40));
}

TEST(LeesEtiket, ABooleanIsKeptAsStoredAndWrittenBackSo) {
  Bytes b;
  b.i32(21333).str("Vreemd").i16(1).i16(0);
  b.str("schuin").i16(10).str("Arial").i16(0).i16(1).i16(-1).i16(0).f32(-5).f32(-2).f32(10).f32(4);
  const GelezenEtiket e = Lees(b);
  ASSERT_EQ(e.Lijnen.size(), 1u);
  EXPECT_EQ(e.Lijnen[0].Cursief.raw(), 1);
  EXPECT_TRUE(e.Lijnen[0].Cursief);
  EXPECT_FALSE(e.Lijnen[0].Vet);
  EXPECT_EQ(e.HuidigFormaat, 4);
  EXPECT_EQ(EtiketBytes(1, Toepassen(e), e.FormaatNaam), b.bytes());
}

TEST(LeesEtiket, AnyPictureTypeIsReadByTheFigureRule) {
  // Only exact white (or nothing at all) stays white.
  QImage argb(5, 1, QImage::Format_ARGB32);
  argb.setPixel(0, 0, qRgba(255, 255, 255, 255));
  argb.setPixel(1, 0, qRgba(0, 0, 0, 0));
  argb.setPixel(2, 0, qRgba(254, 255, 255, 255));
  argb.setPixel(3, 0, qRgba(255, 0, 0, 128));
  argb.setPixel(4, 0, qRgba(0, 0, 0, 255));
  QImage palet(4, 1, QImage::Format_Indexed8);  // black first in the palette
  palet.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(200, 200, 200)});
  for (int x = 0; x < 4; ++x) palet.setPixel(x, 0, uint(x % 3));
  QImage rgb = argb.convertToFormat(QImage::Format_RGB32);
  rgb.setPixel(1, 0, qRgb(255, 255, 255));

  struct Geval {
    const char* naam;
    QByteArray plaatje;
    QString patroon;
  } gevallen[] = {
      {"png with alpha", Encoded(argb, "PNG"), "..XXX"},
      {"bmp 24 bit", Encoded(rgb, "BMP"), "..XXX"},
      {"png with palette", Encoded(palet, "PNG"), "X.XX"},
      {"jpeg", Encoded(QImage(Bitmap(4, 4, [](int, int) { return false; })).convertToFormat(QImage::Format_RGB32), "JPEG"),
       "...."},
  };
  for (const Geval& g : gevallen) {
    SCOPED_TRACE(g.naam);
    ASSERT_FALSE(g.plaatje.isEmpty());
    V2 v;
    v.plaatje = g.plaatje;
    v.bronBreedte = v.bronHoogte = 1;
    const GelezenEtiket e = Lees(v.bytes());
    ASSERT_EQ(e.Figuren.size(), 1u);
    const QImage& a = e.Figuren[0].Afbeelding;
    EXPECT_EQ(a.format(), QImage::Format_Mono);
    EXPECT_TRUE(Toont(a, [&](int x, int) { return g.patroon[x] == u'X'; }));
  }
}

TEST(LeesEtiket, ATopDownBitmapKeepsItsTopRowOnTop) {
  // 3 x 2, one bit, rows stored from the top (a negative height): the top
  // row black, the bottom one white.
  V2 v;
  v.plaatje = Bytes()
                  .raw("BM")
                  .i32(70)
                  .i32(0)
                  .i32(62)
                  .i32(40)
                  .i32(3)
                  .i32(-2)
                  .i16(1)
                  .i16(1)
                  .i32(0)
                  .i32(8)
                  .i32(0)
                  .i32(0)
                  .i32(2)
                  .i32(2)
                  .i32(0x00FFFFFF)
                  .i32(0)
                  .raw(QByteArray("\xE0\0\0\0\0\0\0\0", 8));
  const GelezenEtiket e = Lees(v.bytes());
  ASSERT_EQ(e.Figuren.size(), 1u);
  const QImage& a = e.Figuren[0].Afbeelding;
  ASSERT_EQ(a.size(), QSize(3, 2));
  EXPECT_TRUE(Toont(a, [](int, int y) { return y == 0; }));
}

TEST(LeesEtiketFouten, EachFailureHasItsOwnMessage) {
  EXPECT_STREQ(kFoutTitel, "Fout");
  TempFolder tmp;

  const QString nergens = tmp.path(QStringLiteral("nergens.VLO"));
  LeesFout f = Fout(LeesEtiket(nergens, TestCatalogus()));
  EXPECT_EQ(f.soort, LeesFout::NietGevonden);
  EXPECT_EQ(f.Melding(), QStringLiteral("Vellora kan het bestand\nniet vinden.\n\n") + nergens);

  QDir(tmp.root()).mkdir(QStringLiteral("map.VLO"));
  f = Fout(LeesEtiket(tmp.path(QStringLiteral("map.VLO")), TestCatalogus()));
  EXPECT_EQ(f.soort, LeesFout::NietTeOpenen);
  EXPECT_EQ(f.Melding(), QStringLiteral("Vellora kan het\nbestand niet openen"));

  const QString geenVellora = QStringLiteral("Het bestand is geen Vellora\nbestand of is beschadigd.\n"
                                             "Vellora kan het bestand niet openen");
  // An empty file, or one too short for the magic number, is no design file either.
  for (const QByteArray& b : {QByteArray("Beste klant,\r\n"), Bytes().i32(21337).str("89 x 36").i16(0).i16(0).bytes(),
                              Bytes().i32(21333 + 65536).str("89 x 36").i16(0).i16(0).bytes(), QByteArray(),
                              QByteArray("VS"), QByteArray("VS\0", 3)}) {
    f = Fout(LeesEtiket(tmp.write(QStringLiteral("brief.VLO"), b), TestCatalogus()));
    EXPECT_EQ(f.soort, LeesFout::GeenVellora);
    EXPECT_EQ(f.Melding(), geenVellora);
    EXPECT_EQ(f.BestType, 0);
  }

  // Letter case counts; the version was already known.
  f = Fout(Bytes().i32(21334).str("89 X 36").i16(0).i16(0).i16(0));
  EXPECT_EQ(f.soort, LeesFout::OnbekendFormaat);
  EXPECT_EQ(f.Melding(), QStringLiteral("Het formaat dat in dit ontwerp\nwordt gebruikt, is onbekend."));
  EXPECT_EQ(f.BestType, 2);
  // The format is looked up before the records are.
  EXPECT_EQ(Fout(Bytes().i32(21333).str("Onbekend").i16(-1)).soort, LeesFout::OnbekendFormaat);

  f = Fout(Met([](V2& v) { v.lijnen = 2; }).bytes());
  EXPECT_EQ(f.soort, LeesFout::Beschadigd);
  EXPECT_EQ(f.Melding(), kBeschadigd);
  EXPECT_EQ(f.BestType, 2);

  const QString goed = tmp.write(QStringLiteral("goed.VLO"), V2().bytes());
  EXPECT_TRUE(std::holds_alternative<GelezenEtiket>(LeesEtiket(goed, TestCatalogus())));
  EXPECT_EQ(Fout(LeesEtiket(tmp.write(QStringLiteral("leeg.VLO"), {}), TestCatalogus())).soort, LeesFout::GeenVellora);

  // A file far larger than any design is damaged, and not read into memory:
  // sparse, it claims 4 GB behind a valid start.
  QFile reus(tmp.write(QStringLiteral("reus.VLO"), V2().bytes()));
  ASSERT_TRUE(reus.resize(qint64(4) << 30));
  EXPECT_EQ(Fout(LeesEtiket(reus.fileName(), TestCatalogus())).soort, LeesFout::Beschadigd);
}

// Past the magic number, a file cut short is a damaged design file.
TEST(LeesEtiketFouten, EveryPrefixOfAValidFileIsDamaged) {
  Ontwerp o = Voorbeeld();
  for (const QByteArray& geldig : {V2().bytes(), EtiketBytes(1, o, QStringLiteral("89 x 36")),
                                   EtiketBytes(2, o, QStringLiteral("89 x 36"))}) {
    ASSERT_TRUE(std::holds_alternative<GelezenEtiket>(LeesEtiketUit(geldig, TestCatalogus())));
    for (qsizetype n = 4; n < geldig.size(); ++n) {
      const LeesFout f = Fout(geldig.left(n));
      ASSERT_EQ(f.soort, LeesFout::Beschadigd) << "prefix of " << n << " bytes";
    }
  }
}

TEST(LeesEtiketFouten, DamagedFieldsAreRefusedWithoutCrashOrHugeAllocation) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  QByteArray kortBmp = Encoded(Bitmap(3, 2, [](int, int) { return true; }), "BMP");
  kortBmp.chop(4);  // the last row is missing
  // A complete bitmap of 64 million pixels (8 MB at one bit each).
  const QByteArray groteVlakte = BmpKop(8000, 8000) + QByteArray(1000 * 8000, '\0');
  struct Geval {
    const char* naam;
    V2 v;
  } gevallen[] = {
      {"negative string length", Met([&](V2& v) { v.tekstLengte = -1; })},
      {"string longer than the file", Met([&](V2& v) { v.tekstLengte = 32767; })},
      {"negative count", Met([&](V2& v) { v.lijnen = -1; })},
      {"more text lines than stored", Met([&](V2& v) { v.lijnen = 2; })},
      {"more figures than stored", Met([&](V2& v) { v.figuren = 3; })},
      {"fewer round texts than stored", Met([&](V2& v) { v.rond = 0; })},
      {"a byte after the last record", Met([&](V2& v) { v.staart = QByteArray(1, '\0'); })},
      {"a whole record after the last", Met([&](V2& v) { v.staart = V2().bytes().mid(19, 40); })},
      {"negative picture length", Met([&](V2& v) { v.plaatjeLengte = -5; })},
      {"empty picture", Met([&](V2& v) { v.plaatje = {}; v.plaatjeLengte = 0; })},
      {"picture longer than the file", Met([&](V2& v) { v.plaatjeLengte = 0x7FFFFFFF; })},
      {"picture that is no picture", Met([&](V2& v) { v.plaatje = "geen plaatje, maar tekst"; })},
      {"picture in a vector format", Met([&](V2& v) {
         v.plaatje = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"3\" height=\"2\"><rect width=\"3\" height=\"2\"/></svg>";
       })},
      {"bitmap cut short", Met([&](V2& v) { v.plaatje = kortBmp; })},
      {"bitmap of 40000 x 40000", Met([&](V2& v) { v.plaatje = BmpKop(40000, 40000); })},
      {"picture of 8000 x 8000", Met([&](V2& v) { v.plaatje = groteVlakte; })},
      {"bitmap of 0 x 2", Met([&](V2& v) { v.plaatje = BmpKop(0, 2); })},
      {"png cut short",
       Met([&](V2& v) { v.plaatje = Encoded(Bitmap(3, 2, [](int, int) { return true; }), "PNG").left(40); })},
      {"position not a number", Met([&](V2& v) { v.links = nan; })},
      {"position infinite", Met([&](V2& v) { v.links = -inf; })},
      {"position beyond reason", Met([&](V2& v) { v.links = 1e30f; })},
      {"crop beyond the picture", Met([&](V2& v) { v.bronX = 2; })},
      {"negative crop", Met([&](V2& v) { v.bronY = -1; })},
      {"crop that overflows", Met([&](V2& v) { v.bronX = 0x7FFFFFFF; v.bronBreedte = 0x7FFFFFFF; })},
  };
  for (const Geval& g : gevallen) {
    SCOPED_TRACE(g.naam);
    const LeesFout f = Fout(g.v.bytes());
    EXPECT_EQ(f.soort, LeesFout::Beschadigd);
    EXPECT_EQ(f.Melding(), kBeschadigd);
  }
  // The unspoilt file reads.
  EXPECT_EQ(Lees(V2().bytes()).Figuren.size(), 1u);
}

TEST(LeesEtiketFouten, MoreElementsThanADesignHoldsAreRefused) {
  auto bestand = [](qint16 lijnen, qint16 rond) {
    Bytes b;
    b.i32(21334).str("89 x 36").i16(lijnen).i16(0).i16(rond);
    for (int i = 0; i < lijnen; ++i) b.str("").i16(8).str("").i16(0).i16(0).i16(0).i16(0).f32(0).f32(0).f32(1).f32(1);
    for (int i = 0; i < rond; ++i)
      b.str("").i16(8).str("").i16(0).i16(0).i16(0).i16(0).f32(5).f32(0).i16(0).f32(0).f32(0).f32(1).f32(1);
    return b.bytes();
  };
  EXPECT_EQ(Lees(bestand(32766, 1)).Lijnen.size(), 32766u);
  EXPECT_EQ(Fout(bestand(32767, 1)).soort, LeesFout::Beschadigd);
}

TEST(LeesEtiketFouten, APictureAboveTheLimitIsRefusedWhateverThePictureLoaderAllows) {
  // The loader's own limit is a setting of the whole program; ours holds
  // without it.
  const int eerder = QImageReader::allocationLimit();
  QImageReader::setAllocationLimit(0);
  V2 v;
  v.plaatje = BmpKop(8000, 8000) + QByteArray(1000 * 8000, '\0');
  const LeesUitkomst r = LeesEtiketUit(v.bytes(), TestCatalogus());
  v.plaatje = BmpKop(5000, 5000) + QByteArray(628 * 5000, '\0');
  const LeesUitkomst onder = LeesEtiketUit(v.bytes(), TestCatalogus());
  QImageReader::setAllocationLimit(eerder);
  EXPECT_EQ(Fout(r).soort, LeesFout::Beschadigd);
  EXPECT_TRUE(std::holds_alternative<GelezenEtiket>(onder));
}

TEST(LeesEtiketFouten, AllPicturesOfAFileTogetherHaveALimit) {
  QImage groot(5300, 5300, QImage::Format_Mono);  // 28 million pixels
  groot.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
  groot.fill(0);
  const QByteArray png = Encoded(groot, "PNG");
  auto bestand = [&](qint16 aantal) {
    Bytes b;
    b.i32(21333).str("89 x 36").i16(0).i16(aantal);
    for (int i = 0; i < aantal; ++i) b.f32(0).f32(0).f32(10).f32(10).picture(png);
    return b.bytes();
  };
  EXPECT_EQ(Lees(bestand(4)).Figuren.size(), 4u);
  EXPECT_EQ(Fout(bestand(5)).soort, LeesFout::Beschadigd);
}
