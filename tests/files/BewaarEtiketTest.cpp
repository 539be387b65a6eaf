#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPicture>
#include <cmath>
#include <functional>
#include <limits>

#include "files/BewaarEtiket.h"
#include "files/EtiketBestandHulp.h"
#include "files/LeesEtiket.h"
#include "support/TestCatalogus.h"
#include "support/Tijdelijk.h"

using namespace files;

namespace {

const QString kFormaat = QStringLiteral("89 x 36");

QByteArray Bewaar(const Ontwerp& o, qint16 bestType, BewaarResultaat* r = nullptr) {
  BewaarResultaat eigen;
  const QByteArray b = EtiketBytes(bestType, o, kFormaat, &eigen);
  EXPECT_TRUE(eigen.Gelukt()) << eigen.Melding().toStdString();
  if (r) *r = eigen;
  return b;
}

GelezenEtiket Lees(const QByteArray& b) {
  auto r = LeesEtiketUit(b, TestCatalogus());
  if (auto* f = std::get_if<LeesFout>(&r)) {
    ADD_FAILURE() << f->Melding().toStdString();
    return {};
  }
  return std::get<GelezenEtiket>(std::move(r));
}

QByteArray Bestand(const QString& pad) {
  QFile f(pad);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A 1-bit BMP put together by hand: 62 bytes of headers and palette, then
// the rows from the bottom up, each padded with zeros to 4 bytes.
QByteArray Bmp1Bit(int w, int h, const QList<QByteArray>& rijenVanOnder) {
  const int regel = (w + 31) / 32 * 4;
  Bytes b;
  b.raw("BM").i32(62 + regel * h).i32(0).i32(62);
  b.i32(40).i32(w).i32(h).i16(1).i16(1).i32(0).i32(regel * h).i32(3780).i32(3780).i32(2).i32(2);
  b.i32(0x00FFFFFF).i32(0);
  for (const QByteArray& r : rijenVanOnder) b.raw(r);
  return b;
}

// Text line record of NieuweTekstlijn's defaults.
Bytes& Lijn(Bytes& b, const QByteArray& tekst, float links, float boven) {
  return b.str(tekst).i16(12).str("DejaVu Sans").i16(0).i16(0).i16(0).i16(0)
      .f32(links).f32(boven).f32(30).f32(12 / 72.0f * 25.4f);
}

}  // namespace

TEST(BewaarEtiket, AnEmptyDesignIsTheMagicTheNameAndZeroCounts) {
  const Ontwerp leeg;
  const QByteArray naam = QByteArray::fromHex("0700") + "89 x 36";
  EXPECT_EQ(Bewaar(leeg, 1), QByteArray::fromHex("55530000") + naam + QByteArray::fromHex("00000000"));
  EXPECT_EQ(Bewaar(leeg, 2), QByteArray::fromHex("56530000") + naam + QByteArray::fromHex("000000000000"));
  // A design never saved (0) and any other value write version 1.
  EXPECT_EQ(Bewaar(leeg, 0), Bewaar(leeg, 1));
  EXPECT_EQ(Bewaar(leeg, 7), Bewaar(leeg, 1));
  // A string of no characters is its length alone.
  EXPECT_EQ(EtiketBytes(1, leeg, QString()), QByteArray::fromHex("55530000" "0000" "0000" "0000"));
}

TEST(BewaarEtiket, ATextLineRecordHoldsItsFieldsInFileOrderWithBooleansAsStored) {
  Ontwerp o;
  const int n = NieuweTekstlijn(o, QStringLiteral("Prijs € 5,-"), -20.5f, 3.25f);
  Voorwerp& v = o.voorwerp(n);
  v.tekst().Vet = true;
  v.tekst().Cursief = Bool16::fromRaw(1);  // as some files hold it
  v.tekst().Uitlijning = 2;
  v.tekst().Lettergrootte = 14;
  v.Hoogte = 4.9388f;

  BewaarResultaat r;
  const QByteArray b = Bewaar(o, 1, &r);
  Bytes verwacht;
  verwacht.i32(21333).str("89 x 36").i16(1).i16(0);
  verwacht.str("Prijs \x80 5,-").i16(14).str("DejaVu Sans").i16(-1).i16(1).i16(0).i16(2);
  verwacht.f32(-20.5f).f32(3.25f).f32(30).f32(4.9388f);
  EXPECT_EQ(b, verwacht.bytes());
  EXPECT_FALSE(r.TekstAangepast());
  EXPECT_TRUE(r.Waarschuwing().isEmpty());
}

TEST(BewaarEtiket, TextLinesComeFirstThenFiguresThenRoundTextsEachInTableOrder) {
  Ontwerp o;
  // 3 x 2 picture: top row black-white-black, bottom row white-black-white.
  const int fig = NieuweFiguur(o, Bitmap(3, 2, [](int x, int y) { return (x + y) % 2 == 0; }), 1, 2);
  NieuweTekstlijn(o, QStringLiteral("A"), -40, -15);
  NieuweRondeTekst(o, QStringLiteral("Rondom"));
  NieuweTekstlijn(o, QStringLiteral("B"), -40, 0);
  Voorwerp& f = o.voorwerp(fig);
  f.beeld().BronX = 1;
  f.beeld().BronY = 0;
  f.beeld().BronBreedte = 2;
  f.beeld().BronHoogte = 2;

  const QByteArray bmp = Bmp1Bit(3, 2, {QByteArray::fromHex("40000000"), QByteArray::fromHex("a0000000")});
  Bytes v2;
  v2.i32(21334).str("89 x 36").i16(2).i16(1).i16(1);
  Lijn(v2, "A", -40, -15);
  Lijn(v2, "B", -40, 0);
  v2.f32(1).f32(2).f32(20).f32(10).i32(1).i32(0).i32(2).i32(2).picture(bmp);
  // Radius, reference angle, then the direction.
  v2.str("Rondom").i16(10).str("Liberation Sans").i16(0).i16(0).i16(0).i16(2);
  v2.f32(15.5f).f32(90).i16(-1).f32(-16).f32(-16).f32(32).f32(32);
  EXPECT_EQ(Bewaar(o, 2), v2.bytes());

  // Version 1 drops the round text and the crop rectangle, silently.
  Bytes v1;
  v1.i32(21333).str("89 x 36").i16(2).i16(1);
  Lijn(v1, "A", -40, -15);
  Lijn(v1, "B", -40, 0);
  v1.f32(1).f32(2).f32(20).f32(10).picture(bmp);
  BewaarResultaat r;
  EXPECT_EQ(Bewaar(o, 1, &r), v1.bytes());
  EXPECT_FALSE(r.TekstAangepast());

  // Any picture loader reads the stored picture as the figure.
  const QImage terug = QImage::fromData(bmp, "BMP");
  EXPECT_EQ(terug.size(), QSize(3, 2));
  EXPECT_TRUE(Toont(terug, [](int x, int y) { return (x + y) % 2 == 0; }));
}

TEST(BewaarEtiket, CharactersOutsideTheCodePageBecomeAQuestionMarkAndAreReported) {
  Ontwerp o;
  NieuweTekstlijn(o, QStringLiteral("Tel → 010 ") + QString::fromUtf8("\xF0\x9F\x98\x80"), 0, 0);
  BewaarResultaat r;
  const QByteArray b = Bewaar(o, 2, &r);
  EXPECT_TRUE(b.contains(QByteArray::fromHex("0b00") + "Tel ? 010 ?"));  // one "?" for the pair
  EXPECT_TRUE(r.TekensVervangen);
  EXPECT_FALSE(r.TekstIngekort);
  EXPECT_EQ(r.Waarschuwing(), QStringLiteral("Sommige tekens kunnen niet in een Vellora bestand\n"
                                             "worden bewaard en zijn vervangen door \"?\"."));

  // Font names go through the same code page.
  Ontwerp o2;
  o2.voorwerp(NieuweRondeTekst(o2, QStringLiteral("x"))).tekst().Lettertype = QStringLiteral("Ꮪans");
  Bewaar(o2, 2, &r);
  EXPECT_TRUE(r.TekensVervangen);
}

TEST(BewaarEtiket, ATextTooLongForAStringIsCutAndReportedAndTheFileStaysReadable) {
  // The longest text a string holds is kept whole and unreported; one
  // character more is cut to it.
  for (const int lengte : {32767, 32768}) {
    SCOPED_TRACE(lengte);
    Ontwerp o;
    NieuweTekstlijn(o, QString(lengte, u'a'), 0, 0);
    NieuweTekstlijn(o, QStringLiteral("daarna"), 0, 5);
    BewaarResultaat r;
    const QByteArray b = Bewaar(o, 1, &r);
    EXPECT_EQ(r.TekstIngekort, lengte > 32767);
    EXPECT_FALSE(r.TekensVervangen);
    EXPECT_EQ(r.Waarschuwing().contains(QStringLiteral("32767")), lengte > 32767);
    EXPECT_EQ(b.mid(17, 2), QByteArray::fromHex("ff7f"));
    const GelezenEtiket e = Lees(b);
    ASSERT_EQ(e.Lijnen.size(), 2u);
    EXPECT_EQ(e.Lijnen[0].Tekst, QString(32767, u'a'));
    EXPECT_EQ(e.Lijnen[1].Tekst, QStringLiteral("daarna"));
  }
}

TEST(BewaarEtiket, EveryFigureIsStoredAsAOneBitBitmapOfItsRecordedSize) {
  Ontwerp o;
  // A vector picture (pasted) is drawn at the recorded size first.
  const int vec = o.NieuwVoorwerp(SoortVoorwerp::Figuur);
  {
    auto b = std::make_unique<Beeld>();
    QPainter p(&b->vector);
    p.fillRect(QRect(0, 0, 50, 50), Qt::white);
    p.fillRect(QRect(0, 0, 25, 50), Qt::blue);
    p.end();
    b->isVector = true;
    o.voorwerp(vec).beeld().ZetAfbeelding(std::move(b), 40, 8);
  }
  // Colours: only exact white stays white.
  QImage kleur(3, 1, QImage::Format_RGB32);
  kleur.setPixel(0, 0, qRgb(255, 255, 255));
  kleur.setPixel(1, 0, qRgb(254, 255, 255));
  kleur.setPixel(2, 0, qRgb(255, 0, 0));
  NieuweFiguur(o, kleur, 0, 0);
  // A figure whose picture is gone keeps its size, all white.
  const int leeg = o.NieuwVoorwerp(SoortVoorwerp::Figuur);
  o.voorwerp(leeg).beeld().BeeldBreedte = 7;
  o.voorwerp(leeg).beeld().BeeldHoogte = 3;
  // A picture smaller than recorded lies on a white box of that size.
  const int klein = NieuweFiguur(o, Bitmap(2, 2, [](int, int) { return true; }), 0, 0);
  o.voorwerp(klein).beeld().BeeldBreedte = 4;
  o.voorwerp(klein).beeld().BronBreedte = 4;

  const GelezenEtiket e = Lees(Bewaar(o, 2));
  ASSERT_EQ(e.Figuren.size(), 4u);
  EXPECT_EQ(e.Figuren[0].Afbeelding.size(), QSize(40, 8));
  EXPECT_TRUE(Toont(e.Figuren[0].Afbeelding, [](int x, int) { return x < 20; }));
  EXPECT_TRUE(Toont(e.Figuren[1].Afbeelding, [](int x, int) { return x > 0; }));
  EXPECT_EQ(e.Figuren[2].Afbeelding.size(), QSize(7, 3));
  EXPECT_TRUE(Toont(e.Figuren[2].Afbeelding, [](int, int) { return false; }));
  EXPECT_EQ(e.Figuren[3].Afbeelding.size(), QSize(4, 2));
  EXPECT_TRUE(Toont(e.Figuren[3].Afbeelding, [](int x, int) { return x < 2; }));
  // Saving changes nothing in the design.
  EXPECT_TRUE(o.voorwerp(vec).beeld().Afbeelding->isVector);
  EXPECT_EQ(o.voorwerp(klein).beeld().Afbeelding->raster.size(), QSize(2, 2));
}

TEST(BewaarEtiket, SavingTheSameDesignTwiceGivesTheSameBytes) {
  Ontwerp o;
  // Odd widths leave padding in every row of the picture.
  NieuweFiguur(o, Bitmap(13, 5, [](int x, int y) { return x == y; }), 0, 0);
  NieuweFiguur(o, Bitmap(33, 2, [](int x, int) { return x == 32; }), 0, 0);
  const QByteArray a = Bewaar(o, 2);
  EXPECT_EQ(Bewaar(o, 2), a);
  const GelezenEtiket e = Lees(a);
  ASSERT_EQ(e.Figuren.size(), 2u);
  EXPECT_TRUE(Toont(e.Figuren[0].Afbeelding, [](int x, int y) { return x == y; }));
  EXPECT_TRUE(Toont(e.Figuren[1].Afbeelding, [](int x, int) { return x == 32; }));
}

TEST(BewaarEtiketBestand, WritesTheFileAndReplacesAnOldOneCompletely) {
  TempFolder tmp;
  const QString pad = tmp.write(QStringLiteral("oud.VLO"), QByteArray(5000, 'x'));
  Ontwerp o;
  NieuweTekstlijn(o, QStringLiteral("Nieuw"), 0, 0);
  const BewaarResultaat r = BewaarEtiket(pad, 2, o, kFormaat);
  ASSERT_TRUE(r.Gelukt()) << r.Melding().toStdString();
  EXPECT_EQ(Bestand(pad), Bewaar(o, 2));
  EXPECT_EQ(QDir(tmp.root()).entryList(QDir::Files), QStringList{QStringLiteral("oud.VLO")});
}

TEST(BewaarEtiketBestand, AFailedSaveNamesTheFileAndLeavesTheOldOneAsItWas) {
  TempFolder tmp;
  Ontwerp o;
  NieuweTekstlijn(o, QStringLiteral("Nieuw"), 0, 0);

  // The folder is a regular file: nothing can be created in it.
  const QString geenMap = tmp.write(QStringLiteral("geen-map"), "inhoud");
  const QString pad = geenMap + QStringLiteral("/ontwerp.VLO");
  BewaarResultaat r = BewaarEtiket(pad, 2, o, kFormaat);
  EXPECT_FALSE(r.Gelukt());
  EXPECT_EQ(r.fout, BewaarResultaat::Schrijven);
  EXPECT_EQ(r.Melding(), QStringLiteral("Vellora kan het bestand\nniet bewaren.\n\n") + pad);
  EXPECT_EQ(Bestand(geenMap), QByteArray("inhoud"));

  // A save that fails half-way keeps the old file and leaves nothing behind.
  const QByteArray oud = Bewaar(o, 1);
  const QString bestaand = tmp.write(QStringLiteral("etiket.VLO"), oud);
  const int reus = o.NieuwVoorwerp(SoortVoorwerp::Figuur);
  o.voorwerp(reus).beeld().BeeldBreedte = 10000;
  o.voorwerp(reus).beeld().BeeldHoogte = 10000;
  r = BewaarEtiket(bestaand, 2, o, kFormaat);
  EXPECT_EQ(r.fout, BewaarResultaat::FiguurTeGroot);
  EXPECT_EQ(r.Melding(), QStringLiteral("Een figuur in dit ontwerp is te groot om te bewaren.\n"
                                        "Vellora kan het bestand niet bewaren.\n\n") + bestaand);
  EXPECT_EQ(Bestand(bestaand), oud);
  EXPECT_EQ(QDir(tmp.root()).entryList(QDir::Files),
            (QStringList{QStringLiteral("etiket.VLO"), QStringLiteral("geen-map")}));

  // A folder in the place of the file cannot be replaced either.
  QDir(tmp.root()).mkdir(QStringLiteral("map.VLO"));
  r = BewaarEtiket(tmp.path(QStringLiteral("map.VLO")), 2, Ontwerp(), kFormaat);
  EXPECT_EQ(r.fout, BewaarResultaat::Schrijven);
  EXPECT_TRUE(QFileInfo(tmp.path(QStringLiteral("map.VLO"))).isDir());
}

namespace {

// A design of one element of each kind, all within the bounds, and a way
// to spoil one of its values.
struct Grensgeval {
  const char* naam;
  std::function<void(Ontwerp&)> bederf;
  QString voorwerp;
  QString waarde;
};

Ontwerp GeldigOntwerp() {
  Ontwerp o;
  NieuweTekstlijn(o, QStringLiteral("Kaas"), -40, -15);
  NieuweFiguur(o, Bitmap(8, 4, [](int x, int) { return x < 4; }), 1, 2);
  NieuweRondeTekst(o, QStringLiteral("Rondom"));
  NieuweTekstlijn(o, QStringLiteral("Een regel die langer is dan dertig tekens"), -40, 0);
  return o;
}

}  // namespace

TEST(BewaarEtiketGrenzen, EveryValueTheReaderRefusesStopsTheSaveNamesTheElementAndKeepsTheOldFile) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  const float netTeVeel = std::nextafter(kMaxMaat, inf);
  const QString buiten = QStringLiteral(" is geen getal tussen -1000000 en 1000000");
  const QString kaas = QStringLiteral("Tekstlijn 1 (\"Kaas\")");
  const QString figuur = QStringLiteral("Figuur 1");
  const QString rond = QStringLiteral("Ronde tekst 1 (\"Rondom\")");
  const QString bijgesneden = QStringLiteral("het bijgesneden deel ligt niet binnen de figuur");
  auto v = [](Ontwerp& o, int i) -> Voorwerp& { return o.voorwerp(i); };
  const Grensgeval gevallen[] = {
      {"left not a number", [&](Ontwerp& o) { v(o, 1).Links = nan; }, kaas, "de linkerkant" + buiten},
      {"top infinite", [&](Ontwerp& o) { v(o, 1).Boven = -inf; }, kaas, "de bovenkant" + buiten},
      {"width just past the bound", [&](Ontwerp& o) { v(o, 2).Breedte = netTeVeel; }, figuur, "de breedte" + buiten},
      {"height far below", [&](Ontwerp& o) { v(o, 2).Hoogte = -2e6f; }, figuur, "de hoogte" + buiten},
      {"crop left of the picture", [&](Ontwerp& o) { v(o, 2).beeld().BronX = -1; }, figuur, bijgesneden},
      {"crop past the picture", [&](Ontwerp& o) { v(o, 2).beeld().BronY = 1; }, figuur, bijgesneden},
      {"crop of negative width",
       [&](Ontwerp& o) {
         v(o, 2).beeld().BronX = 6;
         v(o, 2).beeld().BronBreedte = -3;
       },
       figuur, bijgesneden},
      {"radius", [&](Ontwerp& o) { v(o, 3).cirkel().Straal = 1e30f; }, rond, "de straal" + buiten},
      {"reference angle", [&](Ontwerp& o) { v(o, 3).cirkel().Referentiepunt = 2e6f; }, rond,
       "het referentiepunt" + buiten},
      {"round text box", [&](Ontwerp& o) { v(o, 3).Links = nan; }, rond, "de linkerkant" + buiten},
      {"the second line, its text shortened", [&](Ontwerp& o) { v(o, 4).Breedte = inf; },
       QStringLiteral("Tekstlijn 2 (\"Een regel die langer is dan de...\")"), "de breedte" + buiten},
  };

  TempFolder tmp;
  const QByteArray oud = Bewaar(GeldigOntwerp(), 2);
  const QString pad = tmp.write(QStringLiteral("etiket.VLO"), oud);
  for (const Grensgeval& g : gevallen) {
    SCOPED_TRACE(g.naam);
    Ontwerp o = GeldigOntwerp();
    g.bederf(o);
    const BewaarResultaat r = BewaarEtiket(pad, 2, o, kFormaat);
    EXPECT_EQ(r.fout, BewaarResultaat::WaardeBuitenGrens);
    EXPECT_EQ(r.VoorwerpNaam.toStdString(), g.voorwerp.toStdString());
    EXPECT_EQ(r.Waarde.toStdString(), g.waarde.toStdString());
    EXPECT_EQ(Bestand(pad), oud);
    EXPECT_EQ(QDir(tmp.root()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("etiket.VLO")});
  }

  Ontwerp o = GeldigOntwerp();
  o.voorwerp(3).cirkel().Referentiepunt = 2e6f;
  const BewaarResultaat r = BewaarEtiket(pad, 2, o, kFormaat);
  EXPECT_EQ(r.Melding(), QStringLiteral("Ronde tekst 1 (\"Rondom\") kan niet worden bewaard:\n"
                                        "het referentiepunt is geen getal tussen -1000000 en 1000000.\n"
                                        "Vellora kan het bestand niet bewaren.\n\n") +
                             pad);

  // Version 1 writes neither round texts nor crop rectangles, so their
  // values do not stop it.
  o.voorwerp(2).beeld().BronX = -1;
  BewaarResultaat v1;
  const QByteArray b1 = EtiketBytes(1, o, kFormaat, &v1);
  EXPECT_TRUE(v1.Gelukt()) << v1.Melding().toStdString();
  EXPECT_EQ(Lees(b1).Figuren.size(), 1u);

  // A format name that would not come back as it is cannot be found again.
  EtiketBytes(2, GeldigOntwerp(), QStringLiteral("89 × 36 →"), &v1);
  EXPECT_EQ(v1.fout, BewaarResultaat::WaardeBuitenGrens);
  EXPECT_EQ(v1.VoorwerpNaam, QStringLiteral("Het formaat \"89 × 36 →\""));
  EXPECT_EQ(v1.Waarde, QStringLiteral("de naam past niet in een Vellora bestand"));
}

TEST(BewaarEtiketGrenzen, TheWriterAndTheReaderDrawTheLineAtTheSameValue) {
  // The extremes themselves are written and read back.
  Ontwerp o = GeldigOntwerp();
  o.voorwerp(1).Links = -kMaxMaat;
  o.voorwerp(3).cirkel().Referentiepunt = kMaxMaat;
  Voorwerp& f = o.voorwerp(2);
  f.beeld().BronX = 8;  // a crop of no width at the picture's right edge
  f.beeld().BronBreedte = 0;
  const QByteArray b = Bewaar(o, 2);
  const GelezenEtiket e = Lees(b);
  ASSERT_EQ(e.RondeTeksten.size(), 1u);
  EXPECT_EQ(e.RondeTeksten[0].Referentiepunt, kMaxMaat);
  EXPECT_EQ(e.Lijnen[0].Links, -kMaxMaat);
  EXPECT_EQ(e.Figuren[0].BronX, 8);

  // One step further is refused by both: the writer before it writes, the
  // reader in the bytes of the file above with that one value changed.
  const float verder = std::nextafter(kMaxMaat, std::numeric_limits<float>::infinity());
  o.voorwerp(3).cirkel().Referentiepunt = verder;
  BewaarResultaat r;
  EXPECT_TRUE(EtiketBytes(2, o, kFormaat, &r).isEmpty());
  EXPECT_EQ(r.fout, BewaarResultaat::WaardeBuitenGrens);
  QByteArray bedorven = b;
  const QByteArray grens = Bytes().f32(kMaxMaat).bytes();
  ASSERT_EQ(bedorven.count(grens), 1);
  bedorven.replace(grens, Bytes().f32(verder).bytes());
  EXPECT_TRUE(std::holds_alternative<LeesFout>(LeesEtiketUit(bedorven, TestCatalogus())));
}

TEST(BewaarEtiketGrenzen, TheSizeWorkedOutBeforeTheSaveIsTheSizeOfTheFileWritten) {
  Ontwerp o = GeldigOntwerp();
  // Odd picture widths pad their rows; text is cut and replaced as written.
  NieuweFiguur(o, Bitmap(33, 3, [](int x, int y) { return x == y; }), 0, 0);
  NieuweTekstlijn(o, QString(40000, QLatin1Char('x')), 0, 0);
  NieuweTekstlijn(o, QStringLiteral("→ 5 €"), 0, 0);
  const int code = o.NieuwVoorwerp(SoortVoorwerp::Streepjescodevoorwerp);
  o.voorwerp(code).code().Gegevens = QStringLiteral("590123412345");
  for (qint16 versie : {qint16(1), qint16(2), kBestTypeVersie4}) {
    SCOPED_TRACE(versie);
    BewaarResultaat r;
    const QByteArray b = EtiketBytes(versie, o, kFormaat, &r);
    ASSERT_FALSE(b.isEmpty()) << r.Melding().toStdString();
    EXPECT_EQ(BestandGrootte(versie, o, kFormaat), b.size());
  }
}

TEST(BewaarEtiketGrenzen, AFileOfTheLargestSizeIsWrittenAndReadAndOneByteMoreIsNotWritten) {
  // Text lines of 32000 characters in "DejaVu Sans", 41 bytes around each
  // text; 17 bytes of version 1 header with "89 x 36": the last line takes
  // what is left of 64 MiB.
  const qint64 grens = qint64(64) << 20;
  const QString lang(32000, QLatin1Char('x'));
  const int volle = int((grens - 17) / (32000 + 41));
  const qint64 rest = grens - 17 - qint64(volle) * (32000 + 41) - 41;
  Ontwerp o;
  for (int i = 0; i < volle; ++i) NieuweTekstlijn(o, lang, 0, 0);
  const int laatste = NieuweTekstlijn(o, QString(rest, QLatin1Char('y')), 0, 0);

  TempFolder tmp;
  const QString pad = tmp.path(QStringLiteral("groot.VLO"));
  BewaarResultaat r = BewaarEtiket(pad, 1, o, kFormaat);
  ASSERT_TRUE(r.Gelukt()) << r.Melding().toStdString();
  EXPECT_EQ(QFileInfo(pad).size(), grens);
  const LeesUitkomst terug = LeesEtiket(pad, TestCatalogus());
  ASSERT_TRUE(std::holds_alternative<GelezenEtiket>(terug)) << std::get<LeesFout>(terug).Melding().toStdString();
  EXPECT_EQ(std::get<GelezenEtiket>(terug).Lijnen.size(), size_t(volle + 1));

  // One character more: refused before a byte is written, the old file kept.
  o.voorwerp(laatste).tekst().Tekst += u'y';
  const QString nieuw = tmp.path(QStringLiteral("nieuw.VLO"));
  r = BewaarEtiket(nieuw, 1, o, kFormaat);
  EXPECT_EQ(r.fout, BewaarResultaat::BestandTeGroot);
  EXPECT_EQ(r.Melding(), QStringLiteral("Dit ontwerp is te groot om te bewaren: het bestand zou 65 MB worden,\n"
                                        "ten hoogste 64 MB.\nVellora kan het bestand niet bewaren.\n\n") +
                             nieuw);
  EXPECT_FALSE(QFileInfo::exists(nieuw));
  EXPECT_EQ(BewaarEtiket(pad, 1, o, kFormaat).fout, BewaarResultaat::BestandTeGroot);
  EXPECT_EQ(QFileInfo(pad).size(), grens);
  EXPECT_EQ(QDir(tmp.root()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("groot.VLO")});
}
