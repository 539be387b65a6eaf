// Designs with barcodes in the design file: version 4.0 keeps them, versions
// 1 and 2 stay as they were.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "files/BewaarEtiket.h"
#include "files/EtiketBestandHulp.h"
#include "files/EtiketToepassen.h"
#include "files/LeesEtiket.h"
#include "support/TestCatalogus.h"

using namespace files;

namespace {

constexpr qint16 kVersie4 = kBestTypeVersie4;
const QString kFormaat = QStringLiteral("89 x 36");

int NieuweCode(Ontwerp& o, StreepjescodeSoort soort, const QString& gegevens, float links, float boven) {
  const int n = o.NieuwVoorwerp(SoortVoorwerp::Streepjescodevoorwerp);
  Voorwerp& v = o.voorwerp(n);
  v.code().Soort = soort;
  v.code().Gegevens = gegevens;
  v.Links = links;
  v.Boven = boven;
  v.Breedte = 30;
  v.Hoogte = 12;
  return n;
}

// Text lines, a figure and barcodes in the order a design read from a file has.
Ontwerp MetCodes() {
  Ontwerp o;
  NieuweTekstlijn(o, QStringLiteral("Kaas 500 g"), -40, -15);
  const int ean = NieuweCode(o, StreepjescodeSoort::Ean13, QStringLiteral("590123412345"), -40, -8);
  o.voorwerp(ean).code().Hoogte = 12;
  NieuweTekstlijn(o, QStringLiteral("€ 4,95"), 10, -15);
  NieuweFiguur(o, Bitmap(16, 8, [](int x, int y) { return (x + y) % 2 == 0; }), 10, 0);
  const int qr = NieuweCode(o, StreepjescodeSoort::QrCode, QStringLiteral("https://vellora.example/[#]"), 20, -10);
  o.voorwerp(qr).code().TekstTonen = false;
  o.voorwerp(qr).code().Modulebreedte = 3;
  return o;
}

LeesUitkomst Lees(const QByteArray& b) { return LeesEtiketUit(b, TestCatalogus()); }

Ontwerp Terug(const QByteArray& b) {
  Ontwerp o;
  const LeesUitkomst r = Lees(b);
  if (const LeesFout* f = std::get_if<LeesFout>(&r)) {
    ADD_FAILURE() << f->Melding().toStdString();
    return o;
  }
  PasEtiketToe(std::get<GelezenEtiket>(r), o, {});
  return o;
}

Ontwerp ZonderCodes(Ontwerp o) {
  for (int i = o.AantalVoorwerpen(); i >= 1; --i)
    if (o.voorwerp(i).Soort() == SoortVoorwerp::Streepjescodevoorwerp) o.VerwijderVoorwerp(i);
  return o;
}

// The version 2 part of a file followed by a barcode section of these bytes.
QByteArray MetSectie(const Bytes& sectie) {
  Ontwerp o;
  NieuweTekstlijn(o, QStringLiteral("A"), 0, 0);
  QByteArray b = EtiketBytes(2, o, kFormaat);
  b[0] = char(0x57);
  return b + sectie.bytes();
}

Bytes Record(qint16 index, qint16 soort, qint16 module, float hoogte, qint16 tekst = -1) {
  Bytes b;
  b.i16(index).f32(-10).f32(-5).f32(30).f32(12).i16(soort).str("4006381333931").i16(tekst).i16(module).f32(hoogte);
  return b;
}

}  // namespace

TEST(Versie4, TheBarcodeSectionFollowsTheVersion2LayoutFieldByField) {
  Ontwerp o;
  NieuweTekstlijn(o, QStringLiteral("A"), 0, 0);
  const int i = NieuweCode(o, StreepjescodeSoort::Code128, QStringLiteral("V-[#]"), -10.5f, 2);
  o.voorwerp(i).code().Modulebreedte = 2;
  o.voorwerp(i).code().Hoogte = 9.5f;
  const QByteArray v2 = EtiketBytes(2, ZonderCodes(o), kFormaat);
  const QByteArray v4 = EtiketBytes(kVersie4, o, kFormaat);
  EXPECT_EQ(v4.left(4), QByteArray("\x57\x53\x00\x00", 4));
  EXPECT_EQ(v4.mid(4, v2.size() - 4), v2.mid(4));
  EXPECT_EQ(v4.mid(v2.size()), Bytes()
                                   .i16(1)  // one barcode
                                   .i16(2)  // element 2 of the table
                                   .f32(-10.5f)
                                   .f32(2)
                                   .f32(30)
                                   .f32(12)
                                   .i16(4)  // Code 128
                                   .str("V-[#]")
                                   .i16(-1)  // human-readable line shown
                                   .i16(2)
                                   .f32(9.5f)
                                   .bytes());
}

TEST(Versie4, ADesignComesBackWithItsBarcodesInTheirPlacesAndSavesToTheSameBytes) {
  const Ontwerp o = MetCodes();
  const QByteArray bestand = EtiketBytes(kVersie4, o, kFormaat);
  const LeesUitkomst r = Lees(bestand);
  ASSERT_TRUE(std::holds_alternative<GelezenEtiket>(r));
  EXPECT_EQ(std::get<GelezenEtiket>(r).BestType, kVersie4);
  const Ontwerp terug = Terug(bestand);
  ASSERT_TRUE(terug.IsConsistent());
  EXPECT_EQ(terug.AantalStreepjescodes(), 2);
  ASSERT_EQ(terug.AantalVoorwerpen(), o.AantalVoorwerpen());
  for (int i = 1; i <= o.AantalVoorwerpen(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(terug.voorwerp(i).Soort(), o.voorwerp(i).Soort());
    if (o.voorwerp(i).Soort() == SoortVoorwerp::Figuur) continue;  // its picture is a new one
    EXPECT_TRUE(terug.voorwerp(i).ZelfdeAls(o.voorwerp(i)));
  }
  EXPECT_EQ(EtiketBytes(kVersie4, terug, kFormaat), bestand);
}

TEST(Versie4, OlderVersionsLeaveBarcodesOutAndAreWrittenAsWithoutThem) {
  const Ontwerp o = MetCodes();
  for (qint16 versie : {qint16(1), qint16(2)}) {
    SCOPED_TRACE(versie);
    EXPECT_EQ(EtiketBytes(versie, o, kFormaat), EtiketBytes(versie, ZonderCodes(o), kFormaat));
    EXPECT_TRUE(OudeVersieVerliest(o, versie));
    EXPECT_FALSE(OudeVersieVerliest(ZonderCodes(o), versie));
  }
  EXPECT_FALSE(OudeVersieVerliest(o, kVersie4));
  // Version 1 still asks about what it always lost.
  Ontwerp rond;
  NieuweRondeTekst(rond, QStringLiteral("Rond"));
  EXPECT_TRUE(OudeVersieVerliest(rond, 1));
  EXPECT_FALSE(OudeVersieVerliest(rond, 2));
}

TEST(Versie4, APlainSaveOfANewDesignWithBarcodesIsVersion4AndKeepsAChosenVersion) {
  const Ontwerp o = MetCodes();
  EXPECT_EQ(BewaarVersie(o, 0), kVersie4);
  EXPECT_EQ(BewaarVersie(ZonderCodes(o), 0), 1);
  EXPECT_EQ(BewaarVersie(o, 2), 2);
  EXPECT_EQ(BewaarVersie(ZonderCodes(o), kVersie4), kVersie4);
}

TEST(Versie4, ABarcodeTheReaderWouldRefuseIsNotSavedAndNamed) {
  Ontwerp o = MetCodes();
  o.voorwerp(5).code().Hoogte = std::numeric_limits<float>::infinity();
  BewaarResultaat r;
  EXPECT_TRUE(EtiketBytes(kVersie4, o, kFormaat, &r).isEmpty());
  EXPECT_EQ(r.fout, BewaarResultaat::WaardeBuitenGrens);
  EXPECT_EQ(r.VoorwerpNaam, QStringLiteral("Streepjescode 2"));
  // Version 2 does not keep it, so nothing stands in the way there.
  EXPECT_FALSE(EtiketBytes(2, o, kFormaat).isEmpty());
  o.voorwerp(5).code().Hoogte = 10;
  o.voorwerp(5).code().Modulebreedte = 11;
  EXPECT_TRUE(EtiketBytes(kVersie4, o, kFormaat, &r).isEmpty());
  EXPECT_EQ(r.Waarde, QStringLiteral("de modulebreedte is niet automatisch of 1 tot 10 punten"));
}

TEST(Versie4Fouten, ADamagedBarcodeSectionIsDamaged) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  // The one text line of MetSectie is element 1.
  ASSERT_TRUE(std::holds_alternative<GelezenEtiket>(Lees(MetSectie(Bytes().i16(1).raw(Record(2, 1, 0, 15))))));
  const struct {
    const char* wat;
    Bytes sectie;
  } gevallen[] = {
      {"no section", Bytes()},
      {"negative count", Bytes().i16(-1)},
      {"count beyond the records", Bytes().i16(2).raw(Record(2, 1, 0, 15))},
      {"index 0", Bytes().i16(1).raw(Record(0, 1, 0, 15))},
      {"index beyond the table", Bytes().i16(1).raw(Record(3, 1, 0, 15))},
      {"indexes not ascending", Bytes().i16(2).raw(Record(2, 1, 0, 15)).raw(Record(2, 1, 0, 15))},
      {"no symbology 0", Bytes().i16(1).raw(Record(1, 0, 0, 15))},
      {"no symbology 12", Bytes().i16(1).raw(Record(1, 12, 0, 15))},
      {"module 11", Bytes().i16(1).raw(Record(1, 1, 11, 15))},
      {"module -1", Bytes().i16(1).raw(Record(1, 1, -1, 15))},
      {"height not a number", Bytes().i16(1).raw(Record(1, 1, 0, nan))},
      {"trailing bytes", Bytes().i16(1).raw(Record(1, 1, 0, 15)).i16(0)},
  };
  for (const auto& g : gevallen) {
    const LeesUitkomst r = Lees(MetSectie(g.sectie));
    ASSERT_TRUE(std::holds_alternative<LeesFout>(r)) << g.wat;
    EXPECT_EQ(std::get<LeesFout>(r).soort, LeesFout::Beschadigd) << g.wat;
    EXPECT_EQ(std::get<LeesFout>(r).BestType, kVersie4) << g.wat;
  }
  // Every prefix of a sound file is cut short.
  const QByteArray geldig = EtiketBytes(kVersie4, MetCodes(), kFormaat);
  for (qsizetype n = 4; n < geldig.size(); ++n) {
    const LeesUitkomst r = Lees(geldig.left(n));
    ASSERT_TRUE(std::holds_alternative<LeesFout>(r)) << n;
  }
}
