#include <gtest/gtest.h>

#include <QFile>

#include "files/Catalogus.h"
#include "support/Tijdelijk.h"

using namespace files;

namespace {

const QString kPad = QStringLiteral("/opt/vellora/all.eft");

FormatenTabel Lees(const QByteArray& tekst) {
  auto r = LeesFormatenUit(tekst, kPad);
  if (auto* fout = std::get_if<CatalogusFout>(&r)) {
    ADD_FAILURE() << fout->Melding().toStdString();
    return {};
  }
  return std::get<FormatenTabel>(r);
}

CatalogusFout Fout(const QByteArray& tekst) {
  auto r = LeesFormatenUit(tekst, kPad);
  if (!std::holds_alternative<CatalogusFout>(r)) {
    ADD_FAILURE() << "read without error";
    return {};
  }
  return std::get<CatalogusFout>(r);
}

const QByteArray kEen = "\"89 x 36\",0,89,36,92,39,1,1,95,39,3,1.5,1,1,1,1\r\n";
const QByteArray kTwee = "\"Rond 40\",1,40,40,43,43,2,1,90,43,2,1.5,2,2,2,2\r\n";

}  // namespace

TEST(LeesFormaten, ReadsTheCountedEntriesAndIgnoresWhatFollows) {
  const FormatenTabel t = Lees("2\r\n" + kEen + kTwee + "\"Extra\",0,1,1,1,1,1,1,1,1,0,0,0,0,0,0\r\n");
  ASSERT_EQ(t.AantalFormaten(), 2);
  const EtiketFormaat& a = t.formaat(1);
  EXPECT_EQ(a.Naam, QStringLiteral("89 x 36"));
  EXPECT_EQ(a.Vorm, 0);
  EXPECT_FLOAT_EQ(a.Breedte, 89);
  EXPECT_FLOAT_EQ(a.Hoogte, 36);
  EXPECT_FLOAT_EQ(a.HorizontaleSteek, 92);
  EXPECT_FLOAT_EQ(a.VerticaleSteek, 39);
  EXPECT_EQ(a.Kolommen, 1);
  EXPECT_EQ(a.Rijen, 1);
  EXPECT_FLOAT_EQ(a.VelBreedte, 95);
  EXPECT_FLOAT_EQ(a.VelHoogte, 39);
  EXPECT_FLOAT_EQ(a.LinkerOffset, 3);
  EXPECT_FLOAT_EQ(a.BovenOffset, 1.5f);
  const EtiketFormaat& b = t.formaat(2);
  EXPECT_EQ(b.Vorm, 1);
  EXPECT_EQ(b.Kolommen, 2);
  EXPECT_FLOAT_EQ(b.OnderMarge, 2);
}

TEST(LeesFormaten, ItemsMaySpreadOverLinesAndNamesMayHoldCommas) {
  const FormatenTabel t = Lees(
      "1\n\"62 x 29, etiket\"\n0\n  62 , 29,\n65,32\n\n1,1,66,32\n2,1.5\n1,1,1,1");
  ASSERT_EQ(t.AantalFormaten(), 1);
  EXPECT_EQ(t.formaat(1).Naam, QStringLiteral("62 x 29, etiket"));
  EXPECT_FLOAT_EQ(t.formaat(1).Hoogte, 29);
  EXPECT_FLOAT_EQ(t.formaat(1).OnderMarge, 1);
}

TEST(LeesFormaten, NamesAreWindows1252AndUnquotedNamesWork) {
  const FormatenTabel t = Lees("1\nEtiket \xe9\xe9n ,0,10,10,10,10,1,1,10,10,0,0,0,0,0,0\n");
  EXPECT_EQ(t.formaat(1).Naam, QStringLiteral("Etiket één"));
}

TEST(LeesFormaten, DuplicateNamesFindTheFirst) {
  const FormatenTabel t = Lees("3\n" + kEen + kTwee + kEen.left(kEen.indexOf(',')) + ",0,50,30,53,33,1,1,54,33,2,1,1,1,1,1\n");
  EXPECT_EQ(t.ZoekFormaat(QStringLiteral("89 x 36")), 1);
  EXPECT_EQ(t.ZoekFormaat(QStringLiteral("Rond 40")), 2);
  EXPECT_EQ(t.ZoekFormaat(QStringLiteral("rond 40")), 0);  // case-sensitive
}

TEST(LeesFormaten, MissingOrBadItemsEndWithTheReadingMessage) {
  const QByteArray gevallen[] = {
      "3\n" + kEen + kTwee,                                   // count larger than the entries
      "2\n" + kEen + "\"Kort\",0,40,30\n",                    // entry cut short
      "1\n\"X\",0,vijftig,30,53,33,1,1,54,33,2,1,1,1,1,1\n",  // a text where a number belongs
      "1\n\"X\",0,50,30,53,33,1,1,54,33,2,1,1,1,,1\n",        // an empty number
      "1\n\"X\",0,50,30,53,33,1,99999,54,33,2,1,1,1,1,1\n",   // rows beyond 16 bits
      "1\n\"X\",0,0,30,53,33,1,1,54,33,2,1,1,1,1,1\n",        // a label without width
      "1\n\"X\",0,50,30,53,33,0,1,54,33,2,1,1,1,1,1\n",       // no columns
      "1\n\"X\",0,1e30,30,53,33,1,1,54,33,2,1,1,1,1,1\n",     // a width no printer could address
      "1\n\"X\",0,50,2731,53,33,1,1,54,33,2,1,1,1,1,1\n",     // past 32767 dots at 12 dots/mm
      "1\n\"X\",0,50,30,53,33,1,1,1e30,33,2,1,1,1,1,1\n",     // nor a sheet
      "1\n\"X\",0,50,30,53,33,1,1,54,33,2,1,1,-1e30,1,1\n",   // nor a margin
      "twee\n" + kEen,                                        // the count is no number
      "",                                                     // nothing at all
  };
  for (const QByteArray& tekst : gevallen) {
    SCOPED_TRACE(tekst.toStdString());
    const CatalogusFout f = Fout(tekst);
    EXPECT_EQ(f.soort, CatalogusFout::Lezen);
    EXPECT_EQ(f.Melding(), QStringLiteral("Fout bij het lezen van bestand\n/opt/vellora/all.eft\n\n"
                                          "Het programma wordt beëindigd"));
  }
}

TEST(LeesFormaten, NoFormatsAtAllIsFatalWithItsOwnMessage) {
  for (const QByteArray& tekst : {QByteArray("0\n"), QByteArray("-3\n") + kEen}) {
    const CatalogusFout f = Fout(tekst);
    EXPECT_EQ(f.soort, CatalogusFout::Leeg);
    EXPECT_EQ(f.Melding(), QStringLiteral("Het bestand bevat geen etiketformaten\n/opt/vellora/all.eft\n\n"
                                          "Het programma wordt beëindigd"));
  }
}

TEST(LeesFormaten, MissingFileEndsWithTheOpeningMessage) {
  TempFolder tmp;
  const QString pad = tmp.path(QStringLiteral("all.eft"));
  auto r = LeesFormaten(pad);
  ASSERT_TRUE(std::holds_alternative<CatalogusFout>(r));
  EXPECT_EQ(std::get<CatalogusFout>(r).Melding(),
            QStringLiteral("Fout bij het openen van bestand\n") + pad + QStringLiteral("\n\nHet programma wordt beëindigd"));
}

TEST(LeesFormaten, TheShippedCatalogueHoldsRealStock) {
  auto r = LeesFormaten(QStringLiteral(VELLORA_SOURCE_DIR "/data/all.eft"));
  ASSERT_TRUE(std::holds_alternative<FormatenTabel>(r));
  const FormatenTabel& t = std::get<FormatenTabel>(r);
  EXPECT_GE(t.AantalFormaten(), 25);
  EXPECT_FLOAT_EQ(t.formaat(1).Breedte, 89);
  EXPECT_FLOAT_EQ(t.formaat(1).Hoogte, 36);
  int rond = 0, meerKolommen = 0, meerRijen = 0;
  for (const EtiketFormaat& f : t.alle()) {
    SCOPED_TRACE(f.Naam.toStdString());
    rond += f.Vorm == 1;
    meerKolommen += f.Kolommen > 1;
    meerRijen += f.Rijen > 1;
    EXPECT_GE(f.HorizontaleSteek, f.Breedte);
    EXPECT_GE(f.VerticaleSteek, f.Hoogte);
    EXPECT_LE(f.LinkerOffset + (f.Kolommen - 1) * f.HorizontaleSteek + f.Breedte, f.VelBreedte + 0.01f);
    EXPECT_EQ(t.ZoekFormaat(f.Naam), &f - &t.alle()[0] + 1) << "names are unique";
  }
  EXPECT_GE(rond, 3);
  EXPECT_GE(meerKolommen, 3);
  EXPECT_GE(meerRijen, 1);
}
