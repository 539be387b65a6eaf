#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPicture>

#include "files/BewaarEtiket.h"
#include "files/LeesEtiket.h"
#include "files/EtiketBestandHulp.h"
#include "support/TestCatalogus.h"
#include "support/Tijdelijk.h"

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
  Ontwerp o;
  NieuweTekstlijn(o, QString(40000, u'a'), 0, 0);
  NieuweTekstlijn(o, QStringLiteral("daarna"), 0, 5);
  BewaarResultaat r;
  const QByteArray b = Bewaar(o, 1, &r);
  EXPECT_TRUE(r.TekstIngekort);
  EXPECT_FALSE(r.TekensVervangen);
  EXPECT_TRUE(r.Waarschuwing().contains(QStringLiteral("32767")));
  EXPECT_EQ(b.mid(17, 2), QByteArray::fromHex("ff7f"));
  const GelezenEtiket e = Lees(b);
  ASSERT_EQ(e.Lijnen.size(), 2u);
  EXPECT_EQ(e.Lijnen[0].Tekst, QString(32767, u'a'));
  EXPECT_EQ(e.Lijnen[1].Tekst, QStringLiteral("daarna"));
}

TEST(BewaarEtiket, EveryFigureIsStoredAsAOneBitBitmapOfItsRecordedSize) {
  Ontwerp o;
  // A vector picture (pasted) is drawn at the recorded size first.
  const int vec = o.NieuwVoorwerp(Figuur);
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
  const int leeg = o.NieuwVoorwerp(Figuur);
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
  const int reus = o.NieuwVoorwerp(Figuur);
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
