// The user's own formats and the stock sheets read from template files.
#include <gtest/gtest.h>

#include "files/EigenFormaten.h"
#include "files/Voorraadvellen.h"
#include "support/TestCatalogus.h"
#include "support/Tijdelijk.h"

using namespace files;

namespace {

EtiketFormaat Vel() {
  EtiketFormaat f;
  f.Naam = QStringLiteral("Mijn vel");
  f.Breedte = 60;
  f.Hoogte = 30;
  f.Kolommen = 3;
  f.Rijen = 9;
  f.HorizontaleSteek = 65;
  f.VerticaleSteek = 31;
  f.LinkerOffset = 8;
  f.BovenOffset = 9;
  f.VelBreedte = 210;
  f.VelHoogte = 297;
  return f;
}

// Products as a maker might describe them, with the numbers worked out by
// hand below.
const char* kSjablonen = R"(<?xml version="1.0"?>
<Glabels-templates>
  <Template brand="Merk" part="R1" size="A4" _description="rect">
    <Label-rectangle id="0" width="2in" height="72" round="1cm">
      <Markup-margin size="5"/>
      <Layout nx="2" ny="3" x0="10mm" y0="1pc" dx="60mm" dy="1.5in"/>
    </Label-rectangle>
  </Template>
  <Template brand="Merk" part="R1-B" equiv="R1"/>
  <Template brand="Merk" part="Rond" size="Other" width="100mm" height="50mm">
    <Label-round id="0" radius="20mm"><Layout nx="2" ny="1" x0="5mm" y0="5mm" dx="45mm" dy="45mm"/></Label-round>
  </Template>
  <Template brand="Merk" part="Ovaal" size="US-Letter">
    <Label-ellipse id="0" width="3in" height="1in"><Layout nx="1" ny="4" x0="1in" y0="1in" dx="3in" dy="2in"/></Label-ellipse>
  </Template>
  <Template brand="Merk" part="CD" size="A4">
    <Label-cd id="0" radius="58mm" hole="20mm"><Layout nx="1" ny="2" x0="10mm" y0="10mm" dx="0" dy="130mm"/></Label-cd>
  </Template>
  <Template brand="Merk" part="Twee" size="A4">
    <Label-rectangle id="0" width="50mm" height="20mm">
      <Layout nx="1" ny="2" x0="10mm" y0="10mm" dx="50mm" dy="30mm"/>
      <Layout nx="1" ny="2" x0="110mm" y0="10mm" dx="50mm" dy="30mm"/>
    </Label-rectangle>
  </Template>
  <Template brand="Merk" part="CD-B" equiv="CD"/>
</Glabels-templates>
)";

}  // namespace

TEST(Voorraadvellen, ReadsShapesGridsUnitsAndAliases) {
  TempFolder tmp;
  const QString pad = tmp.write(QStringLiteral("merk-templates.xml"), kSjablonen);
  const Voorraadvellen v = LeesVoorraadvellen(QString(), {pad});
  // The CD, the sheet of two grids and the CD's alias are left out.
  EXPECT_EQ(v.overgeslagen, 3);
  ASSERT_EQ(v.formaten.size(), 4u);
  const FormatenTabel tabel(v.formaten);

  const EtiketFormaat& r = tabel.formaat(tabel.ZoekFormaat(QStringLiteral("Merk R1")));
  EXPECT_EQ(r.Vorm, 0);
  EXPECT_FLOAT_EQ(r.Breedte, 50.8f);  // 2 in
  EXPECT_FLOAT_EQ(r.Hoogte, 25.4f);   // 72 pt
  EXPECT_FLOAT_EQ(r.Hoekstraal, 10);  // 1 cm
  EXPECT_FLOAT_EQ(r.LinkerOffset, 10);
  EXPECT_FLOAT_EQ(r.BovenOffset, 25.4f / 6);  // 1 pica
  EXPECT_FLOAT_EQ(r.HorizontaleSteek, 60);
  EXPECT_FLOAT_EQ(r.VerticaleSteek, 38.1f);
  EXPECT_EQ(r.Kolommen, 2);
  EXPECT_EQ(r.Rijen, 3);
  EXPECT_FLOAT_EQ(r.VelBreedte, 210);
  EXPECT_FLOAT_EQ(r.VelHoogte, 297);

  const EtiketFormaat& alias = tabel.formaat(tabel.ZoekFormaat(QStringLiteral("Merk R1-B")));
  EXPECT_FLOAT_EQ(alias.Breedte, 50.8f);
  EXPECT_EQ(alias.Rijen, 3);

  const EtiketFormaat& rond = tabel.formaat(tabel.ZoekFormaat(QStringLiteral("Merk Rond")));
  EXPECT_EQ(rond.Vorm, 1);
  EXPECT_FALSE(rond.Ovaal);
  EXPECT_FLOAT_EQ(rond.Breedte, 40);
  EXPECT_FLOAT_EQ(rond.VelBreedte, 100);
  EXPECT_FLOAT_EQ(rond.VelHoogte, 50);

  const EtiketFormaat& ovaal = tabel.formaat(tabel.ZoekFormaat(QStringLiteral("Merk Ovaal")));
  EXPECT_TRUE(ovaal.Ovaal);
  EXPECT_FLOAT_EQ(ovaal.Breedte, 76.2f);
  EXPECT_FLOAT_EQ(ovaal.Hoogte, 25.4f);
  EXPECT_FLOAT_EQ(ovaal.VelBreedte, 215.9f);
}

TEST(EigenFormaten, BadValuesGetAClearMessage) {
  EXPECT_FALSE(FormaatBezwaar(Vel()));
  const auto bezwaar = [](auto wijzig) {
    EtiketFormaat f = Vel();
    wijzig(f);
    return FormaatBezwaar(f).value_or(QStringLiteral("(geen)"));
  };
  EXPECT_EQ(bezwaar([](EtiketFormaat& f) { f.Hoogte = -3; }), QStringLiteral("De hoogte mag niet negatief zijn."));
  EXPECT_EQ(bezwaar([](EtiketFormaat& f) { f.Breedte = 0; }), QStringLiteral("De breedte moet groter zijn dan 0."));
  EXPECT_EQ(bezwaar([](EtiketFormaat& f) { f.HorizontaleSteek = 55; }),
            QStringLiteral("De etiketten naast elkaar overlappen: de horizontale steek (55 mm) is kleiner dan de "
                           "breedte (60 mm)."));
  EXPECT_EQ(bezwaar([](EtiketFormaat& f) { f.VerticaleSteek = 29.5f; }),
            QStringLiteral("De etiketten onder elkaar overlappen: de verticale steek (29.5 mm) is kleiner dan de "
                           "hoogte (30 mm)."));
  // 8 + 2 x 65 + 60 = 198 fits in 210; 3 more mm on the left do not.
  EXPECT_EQ(bezwaar([](EtiketFormaat& f) { f.LinkerOffset = 21; }),
            QStringLiteral("De etiketten vallen rechts van het vel af: ze lopen tot 211 mm, het vel is 210 mm breed."));
  // 9 + 8 x 31 + 30 = 287; 11 more mm below.
  EXPECT_EQ(bezwaar([](EtiketFormaat& f) { f.Rijen = 10; }),
            QStringLiteral("De etiketten vallen onder van het vel af: ze lopen tot 318 mm, het vel is 297 mm hoog."));
  EXPECT_EQ(bezwaar([](EtiketFormaat& f) { f.Naam = QStringLiteral("  "); }), QStringLiteral("Geef het formaat een naam."));
  // One column needs no pitch.
  EXPECT_EQ(bezwaar([](EtiketFormaat& f) {
              f.Kolommen = 1;
              f.HorizontaleSteek = 0;
            }),
            QStringLiteral("(geen)"));
}

TEST(EigenFormaten, AreKeptBesideTheSettingsAndComeAfterTheCatalogue) {
  TempFolder tmp;
  const QString pad = EigenFormatenPad(tmp.path(QStringLiteral("Vellora/Vellora.ini")));
  EXPECT_EQ(pad, tmp.path(QStringLiteral("Vellora/formaten.json")));
  EXPECT_TRUE(LeesEigenFormaten(pad).empty());
  EtiketFormaat rond = Vel();
  rond.Naam = QStringLiteral("Rond 25");
  rond.Vorm = 1;
  rond.Breedte = rond.Hoogte = 25;
  rond.HorizontaleSteek = 30;
  ASSERT_FALSE(BewaarEigenFormaten(pad, {Vel(), rond}));
  const auto gelezen = LeesEigenFormaten(pad);
  ASSERT_EQ(gelezen.size(), 2u);
  EXPECT_EQ(gelezen[1].Naam, QStringLiteral("Rond 25"));
  EXPECT_EQ(gelezen[1].Vorm, 1);
  EXPECT_FLOAT_EQ(gelezen[0].VerticaleSteek, 31);
  EXPECT_FLOAT_EQ(gelezen[0].VelHoogte, 297);

  // The shipped catalogue keeps its indexes; a name it has is not offered twice.
  EtiketFormaat dubbel = Vel();
  dubbel.Naam = QStringLiteral("Rond 40");
  const FormatenTabel alle = VoegFormatenSamen(TestCatalogus(), {gelezen[0], dubbel}, {rond, gelezen[1]});
  EXPECT_EQ(alle.AantalFormaten(), 7);
  EXPECT_EQ(alle.ZoekFormaat(QStringLiteral("Rond 40")), 2);
  EXPECT_EQ(alle.ZoekFormaat(QStringLiteral("Mijn vel")), 6);
  EXPECT_EQ(alle.ZoekFormaat(QStringLiteral("Rond 25")), 7);
  EXPECT_EQ(alle.EersteVoorraad(), 7);

  // A damaged file says so and offers nothing.
  tmp.write(QStringLiteral("Vellora/formaten.json"), "{ kapot");
  QString fout;
  EXPECT_TRUE(LeesEigenFormaten(pad, &fout).empty());
  EXPECT_TRUE(fout.startsWith(QStringLiteral("De eigen etiketformaten in "))) << fout.toStdString();
}
