#include <gtest/gtest.h>

#include "files/Bestandsnaam.h"

using namespace files;

TEST(Bestandsnaam, ZonderPadTakesWhatFollowsTheLastSeparatorOfEitherKind) {
  EXPECT_EQ(ZonderPad(QStringLiteral("/home/an/etiketten/adres.VLO")), QStringLiteral("adres.VLO"));
  EXPECT_EQ(ZonderPad(QStringLiteral("C:\\Etiketten\\adres.VLO")), QStringLiteral("adres.VLO"));
  EXPECT_EQ(ZonderPad(QStringLiteral("adres.VLO")), QStringLiteral("adres.VLO"));
  EXPECT_EQ(ZonderPad(QStringLiteral("/map/")), QString());
  EXPECT_EQ(MapVan(QStringLiteral("/home/an/adres.VLO")), QStringLiteral("/home/an/"));
  EXPECT_EQ(MapVan(QStringLiteral("adres.VLO")), QString());
}

TEST(Bestandsnaam, OnlyTheTypedNameIsUpperCasedAndExtended) {
  EXPECT_EQ(OntwerpNaam(QStringLiteral("/home/an/Etiketten/test")), QStringLiteral("/home/an/Etiketten/TEST.VLO"));
  EXPECT_EQ(OntwerpNaam(QStringLiteral("/home/an/Etiketten/test.lbl")), QStringLiteral("/home/an/Etiketten/test.lbl"));
  // A period in a folder name does not count.
  EXPECT_EQ(OntwerpNaam(QStringLiteral("/home/an.b/doos")), QStringLiteral("/home/an.b/DOOS.VLO"));
  EXPECT_EQ(VensterTitel(QString()), QStringLiteral("Vellora"));
  EXPECT_EQ(VensterTitel(QStringLiteral("C:\\Etiketten\\adres.VLO")), QStringLiteral("Vellora - adres.VLO"));
}
