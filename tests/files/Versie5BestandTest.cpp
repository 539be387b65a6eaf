// Figures that dither, in the design file: version 5.0 keeps the way and
// the grey values in block 1, read back here field by field; older
// versions are what they were; a damaged block is refused.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>

#include "files/BewaarEtiket.h"
#include "files/EtiketBestandHulp.h"
#include "files/EtiketToepassen.h"
#include "files/LeesEtiket.h"
#include "model/ZwartWit.h"
#include "support/TestCatalogus.h"

using namespace files;

namespace {

const QString kFormaat = QStringLiteral("89 x 36");

QImage Verloop(int w, int h) {
  QImage g(w, h, QImage::Format_Grayscale8);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) g.scanLine(y)[x] = uchar(x * 254 / (w - 1));
  return g;
}

// A text line, a plain figure, and a figure of grey values that dithers.
Ontwerp MetVerloop(Omzetting omzetting) {
  Ontwerp o;
  NieuweTekstlijn(o, QStringLiteral("Koffie"), -40, -15);
  NieuweFiguur(o, Bitmap(16, 8, [](int x, int y) { return (x + y) % 3 == 0; }), 10, 0);
  const QImage grijs = Verloop(30, 12);
  const int n = o.NieuwVoorwerp(SoortVoorwerp::Figuur);
  auto b = std::make_unique<Beeld>();
  b->raster = NaarZwartWit(grijs);
  b->grijs = grijs;
  o.voorwerp(n).beeld().ZetAfbeelding(std::move(b), 30, 12);
  o.voorwerp(n).alsFiguur()->omzetting = omzetting;
  o.voorwerp(n).Links = -30;
  o.voorwerp(n).Boven = 0;
  o.voorwerp(n).Breedte = 30;
  o.voorwerp(n).Hoogte = 12;
  return o;
}

LeesUitkomst Lees(const QByteArray& b) { return LeesEtiketUit(b, TestCatalogus()); }

qint16 I16(const QByteArray& b, qsizetype at) { return qint16(quint8(b[at]) | quint8(b[at + 1]) << 8); }
qint32 I32(const QByteArray& b, qsizetype at) {
  return qint32(quint32(quint8(b[at])) | quint32(quint8(b[at + 1])) << 8 | quint32(quint8(b[at + 2])) << 16 |
                quint32(quint8(b[at + 3])) << 24);
}

}  // namespace

TEST(OmzettingBestand, VersionFiveIsVersionFourAndOneBlockOfTheWayAndTheGreys) {
  const Ontwerp o = MetVerloop({OmzetSoort::Drempel, 90});
  EXPECT_TRUE(GebruiktVersie5(o));
  EXPECT_EQ(BewaarVersie(o, 0), kBestTypeVersie5);
  const QByteArray vijf = EtiketBytes(kBestTypeVersie5, o, kFormaat);
  const QByteArray vier = EtiketBytes(kBestTypeVersie4, o, kFormaat);
  ASSERT_FALSE(vijf.isEmpty());
  // Magic 21336, then version 4.0's bytes, then the section.
  EXPECT_EQ(vijf.left(4), Bytes().i32(21336).bytes());
  EXPECT_EQ(vijf.mid(4, vier.size() - 4), vier.mid(4));
  const QByteArray sectie = vijf.mid(vier.size());
  EXPECT_EQ(I16(sectie, 0), 1);  // one block
  EXPECT_EQ(I16(sectie, 2), 1);  // tag 1
  EXPECT_EQ(I32(sectie, 4), sectie.size() - 8);
  EXPECT_EQ(I16(sectie, 8), 1);   // one entry
  EXPECT_EQ(I16(sectie, 10), 2);  // the second figure
  EXPECT_EQ(I16(sectie, 12), 1);  // threshold
  EXPECT_EQ(I16(sectie, 14), 90);
  EXPECT_EQ(I16(sectie, 16), -1);  // grey values follow
  EXPECT_EQ(I32(sectie, 18), sectie.size() - 22);
  QBuffer png;
  png.setData(sectie.mid(22));
  QImage grijs = QImageReader(&png, "png").read().convertToFormat(QImage::Format_Grayscale8);
  EXPECT_EQ(grijs, Verloop(30, 12));

  // Read back: the way and the greys, the rest as version 4.0 gives it.
  const LeesUitkomst r = Lees(vijf);
  ASSERT_TRUE(std::holds_alternative<GelezenEtiket>(r));
  Ontwerp terug;
  PasEtiketToe(std::get<GelezenEtiket>(r), terug, {});
  EXPECT_EQ(terug.BestType, kBestTypeVersie5);
  ASSERT_EQ(terug.AantalVoorwerpen(), 3);
  EXPECT_TRUE(terug.voorwerp(2).alsFiguur()->omzetting.IsStandaard());
  EXPECT_EQ(terug.voorwerp(3).alsFiguur()->omzetting, (Omzetting{OmzetSoort::Drempel, 90}));
  EXPECT_EQ(terug.voorwerp(3).beeld().Afbeelding->grijs, Verloop(30, 12));
  // And written again, the same bytes.
  EXPECT_EQ(EtiketBytes(kBestTypeVersie5, terug, kFormaat), vijf);
}

TEST(OmzettingBestand, OlderVersionsAndPlainDesignsAreWrittenAsBefore) {
  const Ontwerp gewoon = MetVerloop({});
  EXPECT_FALSE(GebruiktVersie5(gewoon));
  EXPECT_EQ(BewaarVersie(gewoon, 0), 1);
  EXPECT_FALSE(OudeVersieVerliest(gewoon, 2));
  const Ontwerp omgezet = MetVerloop({OmzetSoort::FloydSteinberg});
  for (qint16 versie : {qint16(1), qint16(2), kBestTypeVersie4}) {
    EXPECT_TRUE(OudeVersieVerliest(omgezet, versie)) << versie;
    EXPECT_EQ(EtiketBytes(versie, omgezet, kFormaat), EtiketBytes(versie, gewoon, kFormaat)) << versie;
  }
}

TEST(OmzettingBestand, AGreyPictureInAnOldFileKeepsItsGreys) {
  QByteArray png;
  QBuffer b(&png);
  b.open(QIODevice::WriteOnly);
  Verloop(30, 12).save(&b, "PNG");
  const QByteArray bestand =
      Bytes().i32(21333).str("89 x 36").i16(0).i16(1).f32(-10).f32(-5).f32(20).f32(10).picture(png);
  const LeesUitkomst r = Lees(bestand);
  ASSERT_TRUE(std::holds_alternative<GelezenEtiket>(r));
  const FiguurRecord& f = std::get<GelezenEtiket>(r).Figuren.at(0);
  EXPECT_EQ(f.Grijs, Verloop(30, 12));
  // Every pixel but the white end (254 is not white) prints by the plain rule.
  EXPECT_EQ(f.Afbeelding.pixelIndex(29, 0), 1);
}

TEST(OmzettingBestand, ADamagedBlockIsRefusedWhole) {
  const QByteArray vier = EtiketBytes(kBestTypeVersie4, MetVerloop({}), kFormaat);
  const QByteArray kop = Bytes().i32(21336).raw(vier.mid(4));
  const auto blok = [](qint16 tag, const QByteArray& inhoud) { return Bytes().i16(tag).i32(qint32(inhoud.size())).raw(inhoud).bytes(); };
  const auto entry = [](qint16 figuur, qint16 soort, qint16 drempel) {
    return Bytes().i16(1).i16(figuur).i16(soort).i16(drempel).i16(0).bytes();
  };
  // Sound: the second figure, ordered, no greys of its own.
  const QByteArray goed = kop + Bytes().i16(1).raw(blok(1, entry(2, 4, 128))).bytes();
  const LeesUitkomst r = Lees(goed);
  ASSERT_TRUE(std::holds_alternative<GelezenEtiket>(r));
  EXPECT_EQ(std::get<GelezenEtiket>(r).Figuren.at(1).omzetting.Soort, OmzetSoort::Geordend);

  QByteArray klein;
  {
    QBuffer b(&klein);
    b.open(QIODevice::WriteOnly);
    Verloop(29, 12).save(&b, "PNG");
  }
  const QByteArray slecht[] = {
      kop + Bytes().i16(1).raw(blok(9, {})).bytes(),                                        // unknown tag
      kop + Bytes().i16(2).raw(blok(1, entry(2, 4, 128))).raw(blok(1, entry(1, 4, 128))).bytes(),  // tag twice
      kop + Bytes().i16(1).raw(blok(1, entry(2, 4, 128) + "x")).bytes(),                   // bytes left in the block
      kop + Bytes().i16(1).i16(1).i32(20).raw(entry(2, 4, 128)).bytes(),                   // block longer than the file
      kop + Bytes().i16(1).raw(blok(1, entry(3, 4, 128))).bytes(),                         // no third figure
      kop + Bytes().i16(1).raw(blok(1, entry(0, 4, 128))).bytes(),
      kop + Bytes().i16(1).raw(blok(1, entry(2, 5, 128))).bytes(),                         // no such way
      kop + Bytes().i16(1).raw(blok(1, entry(2, 0, 128))).bytes(),                         // the plain way is not listed
      kop + Bytes().i16(1).raw(blok(1, entry(2, 1, 256))).bytes(),
      kop + Bytes().i16(1).raw(blok(1, Bytes().i16(1).i16(2).i16(2).i16(128).i16(-1).picture(klein))).bytes(),
      kop + Bytes().i16(1).raw(blok(1, Bytes().i16(1).i16(2).i16(2).i16(128).i16(-1).picture("GIF89a"))).bytes(),
      kop,  // no section at all
  };
  for (const QByteArray& b : slecht) {
    const LeesUitkomst u = Lees(b);
    ASSERT_TRUE(std::holds_alternative<LeesFout>(u)) << &b - slecht;
    EXPECT_EQ(std::get<LeesFout>(u).soort, LeesFout::Beschadigd) << &b - slecht;
  }
}

TEST(PassendBestand, FittingLinesAreBlockThreeByTheirNumberAmongTheLines) {
  Ontwerp o = MetVerloop({});
  NieuweTekstlijn(o, QStringLiteral("Lang"), -40, 5);
  o.voorwerp(4).alsTekstlijn()->passend = {true, 7};
  EXPECT_TRUE(GebruiktVersie5(o));
  EXPECT_EQ(Versie5Inhoud(o), QStringList{QStringLiteral("tekstlijnen die kleiner worden tot ze in hun vak passen")});
  const QByteArray vijf = EtiketBytes(kBestTypeVersie5, o, kFormaat);
  const QByteArray vier = EtiketBytes(kBestTypeVersie4, o, kFormaat);
  // One block, tag 3, 6 bytes: one entry, the second line, 7 points.
  EXPECT_EQ(vijf.mid(vier.size()), Bytes().i16(1).i16(3).i32(6).i16(1).i16(2).i16(7).bytes());
  Ontwerp terug;
  const LeesUitkomst r = Lees(vijf);
  ASSERT_TRUE(std::holds_alternative<GelezenEtiket>(r));
  PasEtiketToe(std::get<GelezenEtiket>(r), terug, {});
  // Text lines come first when read: the fitting one is element 2.
  EXPECT_EQ(terug.voorwerp(2).alsTekstlijn()->passend, (Passend{true, 7}));
  EXPECT_FALSE(terug.voorwerp(1).alsTekstlijn()->passend.Aan);
  const QByteArray kop = Bytes().i32(21336).raw(vier.mid(4));
  for (const QByteArray& slecht : {kop + Bytes().i16(1).i16(3).i32(6).i16(1).i16(3).i16(7).bytes(),
                                   kop + Bytes().i16(1).i16(3).i32(6).i16(1).i16(1).i16(0).bytes(),
                                   kop + Bytes().i16(1).i16(3).i32(6).i16(1).i16(1).i16(1001).bytes()})
    EXPECT_TRUE(std::holds_alternative<LeesFout>(Lees(slecht)));
}
