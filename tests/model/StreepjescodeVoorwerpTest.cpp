// The barcode as an element like the others: counted, copied on write,
// found under the pointer, left alone by text commands, and moved, deleted
// and undone through the editor's one change path with the screen kept right.
#include <gtest/gtest.h>

#include "editor/Bewerker.h"
#include "editor/Wijziging.h"
#include "model/Kenmerken.h"
#include "model/Ontwerp.h"
#include "printing/StreepjescodeOpdrachten.h"

using namespace editor;

namespace {

Streepjescode Qr(const QString& gegevens) {
  Streepjescode c;
  c.Soort = StreepjescodeSoort::QrCode;
  c.Gegevens = gegevens;
  return c;
}

FormatenTabel Formaten() {
  EtiketFormaat f;
  f.Naam = QStringLiteral("60 x 40");
  f.Breedte = 60;
  f.Hoogte = 40;
  return FormatenTabel({f});
}

}  // namespace

TEST(StreepjescodeVoorwerp, IsCountedAsAKindOfItsOwnAndTakesItsPlace) {
  Ontwerp o;
  o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn);
  o.NieuwVoorwerp(SoortVoorwerp::Figuur);
  const int code = o.NieuwVoorwerpOp(2, SoortVoorwerp::Streepjescodevoorwerp);
  EXPECT_EQ(code, 2);
  EXPECT_EQ(o.voorwerp(3).Soort(), SoortVoorwerp::Figuur);
  EXPECT_EQ(o.AantalStreepjescodes(), 1);
  EXPECT_EQ(o.AantalVoorwerpen(), 3);
  EXPECT_TRUE(o.IsConsistent());
  EXPECT_EQ(o.IndexVan(o.voorwerp(2).Id()), 2);
  EXPECT_THROW(o.NieuwVoorwerpOp(5, SoortVoorwerp::Tekstlijn), std::out_of_range);

  const Voorwerp& v = o.voorwerp(code);
  EXPECT_EQ(v.code(), Streepjescode{});
  EXPECT_EQ(v.alsTekst(), nullptr);
  EXPECT_EQ(v.alsBeeld(), nullptr);
  EXPECT_THROW(v.tekst(), std::logic_error);
  EXPECT_THROW(o.voorwerp(1).code(), std::logic_error);

  // Text commands leave it alone.
  EXPECT_FALSE(ZetLettertype(o, code, QStringLiteral("DejaVu Sans")));
  EXPECT_FALSE(ZetVet(o, code, true));

  o.VerwijderVoorwerp(code);
  EXPECT_EQ(o.AantalStreepjescodes(), 0);
  EXPECT_TRUE(o.IsConsistent());
}

TEST(StreepjescodeVoorwerp, ACopyOfTheDesignKeepsItsOwnDescription) {
  Ontwerp o;
  const int i = o.NieuwVoorwerp(SoortVoorwerp::Streepjescodevoorwerp);
  o.voorwerp(i).code() = Qr(QStringLiteral("een"));
  const Ontwerp kopie = o;
  EXPECT_TRUE(ZelfdeInhoud(o, kopie));
  o.voorwerp(i).code().Gegevens = QStringLiteral("twee");
  EXPECT_EQ(kopie.voorwerp(i).code().Gegevens, QStringLiteral("een"));
  EXPECT_FALSE(ZelfdeInhoud(o, kopie));
  o.voorwerp(i).code().Gegevens = QStringLiteral("een");
  o.voorwerp(i).code().Modulebreedte = 2;
  EXPECT_FALSE(ZelfdeInhoud(o, kopie));
}

TEST(StreepjescodeVoorwerp, IsAddedMovedAndDeletedAsOneStepEachWithTheScreenKeptRight) {
  const FormatenTabel formaten = Formaten();
  Bewerker b(formaten);
  b.BerekenSchaal(QSize(400, 300), QSizeF(6000, 4500));
  const QImage leeg = b.beeld().Beeld();
  int i = 0;
  {
    Wijziging w(b);
    i = NieuweStreepjescode(w.ontwerp(), Qr(QStringLiteral("https://vellora.example/1")), 12);
  }
  // Shown at once, and what a full repaint gives.
  EXPECT_NE(b.beeld().Beeld(), leeg);
  EXPECT_EQ(b.beeld().Beeld(), b.beeld().Volledig());
  const Voorwerp v = b.ontwerp().voorwerp(i);
  EXPECT_EQ(b.ontwerp().ZoekVoorwerp(v.Links + v.Breedte / 2, v.Boven + v.Hoogte / 2), i);

  {
    Wijziging w(b);
    float l = v.Links + 5, t = v.Boven + 3, br = v.Breedte * 1.5f, h = v.Hoogte * 1.5f;
    w.ontwerp().PlaatsVoorwerp(i, l, t, br, h);
  }
  EXPECT_EQ(b.beeld().Beeld(), b.beeld().Volledig());
  {
    Wijziging w(b);
    w.bewerking().VerwijderVoorwerp(i);
  }
  EXPECT_EQ(b.ontwerp().AantalStreepjescodes(), 0);
  EXPECT_EQ(b.beeld().Beeld(), leeg);

  // Back through the deletion and the move, to the box it was given.
  ASSERT_TRUE(b.Ongedaan());
  ASSERT_TRUE(b.Ongedaan());
  ASSERT_EQ(b.ontwerp().AantalStreepjescodes(), 1);
  EXPECT_TRUE(b.ontwerp().voorwerp(i).ZelfdeAls(v));
  EXPECT_EQ(b.beeld().Beeld(), b.beeld().Volledig());
  ASSERT_TRUE(b.Ongedaan());
  EXPECT_EQ(b.ontwerp().AantalVoorwerpen(), 0);
  EXPECT_EQ(b.beeld().Beeld(), leeg);
}

TEST(StreepjescodeVoorwerp, EverySettingOfABarcodeIsAChangeWithItsOwnStepAndPixels) {
  const FormatenTabel formaten = Formaten();
  Bewerker b(formaten);
  b.BerekenSchaal(QSize(600, 400), QSizeF(9000, 6000));
  Streepjescode c;
  c.Soort = StreepjescodeSoort::Code128;
  c.Gegevens = QStringLiteral("VL-1234");
  c.Modulebreedte = 3;
  int i = 0;
  {
    Wijziging w(b);
    i = NieuweStreepjescode(w.ontwerp(), c, 12);
  }
  // Each setting alone, as the dialog would change it.
  const std::vector<std::pair<const char*, std::function<void(Streepjescode&)>>> wijzigingen = {
      {"TekstTonen", [](Streepjescode& s) { s.TekstTonen = false; }},
      {"Modulebreedte", [](Streepjescode& s) { s.Modulebreedte = 2; }},
      {"Hoogte", [](Streepjescode& s) { s.Hoogte = 20; }},
      {"Gegevens", [](Streepjescode& s) { s.Gegevens = QStringLiteral("VL-9999"); }},
      {"Soort", [](Streepjescode& s) { s.Soort = StreepjescodeSoort::Code39; s.Gegevens = QStringLiteral("VL-1234"); }},
  };
  for (const auto& [naam, wijzig] : wijzigingen) {
    SCOPED_TRACE(naam);
    b.ZetBewaard();
    const QImage voor = b.beeld().Beeld();
    Streepjescode nieuw = StreepjescodeVan(b.ontwerp(), i);
    wijzig(nieuw);
    {
      Wijziging w(b);
      WijzigStreepjescode(w.ontwerp(), i, nieuw);
    }
    EXPECT_TRUE(b.Gewijzigd());
    EXPECT_NE(b.beeld().Beeld(), voor);
    EXPECT_EQ(b.beeld().Beeld(), b.beeld().Volledig());
    ASSERT_TRUE(b.Ongedaan());
    EXPECT_FALSE(b.Gewijzigd());
    EXPECT_EQ(b.beeld().Beeld(), voor);
  }
}
