#include <gtest/gtest.h>

#include "ZipHulp.h"
#include "platform/ZipArchive.h"
#include "support/FakeFileDialogs.h"
#include "support/FakeMessageService.h"
#include "support/Tijdelijk.h"
#include "ui/BestandInvoegen.h"

using namespace ui;

namespace {

class BestandInvoegenTest : public ::testing::Test {
 protected:
  TempFolder tmp;
  FakeFileDialogs dialogen;
  FakeMessageService meldingen;
};

}  // namespace

TEST_F(BestandInvoegenTest, CancellingChangesNothing) {
  const GekozenPlaatje g = BestandInvoegen(QStringLiteral("  /etiketten/plaatjes/  "), dialogen, meldingen);
  EXPECT_TRUE(g.beeld.isNull());
  EXPECT_TRUE(g.map.isEmpty());
  EXPECT_TRUE(meldingen.shown.empty());
  // The dialog opened in the folder without its blanks, on the picture filters.
  EXPECT_EQ(dialogen.lastFolder, QStringLiteral("/etiketten/plaatjes/"));
  EXPECT_EQ(dialogen.lastFilters, PlaatjeFilters());
  EXPECT_EQ(dialogen.lastCaption, QStringLiteral("Bestand invoegen"));
}

TEST_F(BestandInvoegenTest, AChosenPictureComesBackWithItsFolder) {
  const QString pad = tmp.write(QStringLiteral("logo.bmp"), BmpVan(Proefbeeld()));
  dialogen.answers.push_back({pad, {}});
  const GekozenPlaatje g = BestandInvoegen(tmp.root(), dialogen, meldingen);
  ASSERT_FALSE(g.beeld.isNull());
  EXPECT_EQ(g.beeld.size(), QSize(6, 4));
  EXPECT_EQ(g.map, tmp.root() + u'/');
  EXPECT_TRUE(meldingen.shown.empty());
}

TEST_F(BestandInvoegenTest, AFileThatCannotBeReadIsReportedUnderFout) {
  const QString pad = tmp.write(QStringLiteral("adres.vlg"), "geen archief");
  dialogen.answers.push_back({pad, {}});
  const GekozenPlaatje g = BestandInvoegen(tmp.root(), dialogen, meldingen);
  EXPECT_TRUE(g.beeld.isNull());
  EXPECT_TRUE(g.map.isEmpty());
  ASSERT_EQ(meldingen.shown.size(), 1u);
  EXPECT_EQ(meldingen.shown[0].icon, platform::MessageService::Icon::Exclamation);
  EXPECT_EQ(meldingen.shown[0].title, QStringLiteral("Fout"));
  EXPECT_EQ(meldingen.shown[0].text, QStringLiteral("Fout bij het lezen van archief\n") + pad +
                                         QStringLiteral("\n\nHet archief is beschadigd of is geen zip-archief."));
}

TEST_F(BestandInvoegenTest, TheCallersBoundsApply) {
  const QString pad = tmp.path(QStringLiteral("roos.VLG"));
  ASSERT_TRUE(MaakZip(pad, {{"roos.bmp", BmpVan(Proefbeeld())}}));
  platform::LibzipReader zip;
  PlaatjeGrenzen grenzen;
  grenzen.maxPunten = 10;
  dialogen.answers.push_back({pad, {}});
  EXPECT_TRUE(BestandInvoegen(tmp.root(), dialogen, meldingen, nullptr, zip, grenzen).beeld.isNull());
  ASSERT_EQ(meldingen.shown.size(), 1u);
  EXPECT_TRUE(meldingen.shown[0].text.endsWith(QStringLiteral("ten hoogste 10 beeldpunten.")));
}
