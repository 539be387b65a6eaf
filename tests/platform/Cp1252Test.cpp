#include <gtest/gtest.h>

#include "platform/Cp1252.h"

using platform::fromCp1252;
using platform::toCp1252;

TEST(Cp1252, SpecialCharactersOfTheHighRangeMapBothWays) {
  const QString tekst = QStringLiteral("€ „Œ“ ‰ ™ ž Ÿ é ß");
  bool verlies = true;
  const QByteArray bytes = toCp1252(tekst, &verlies);
  EXPECT_FALSE(verlies);
  EXPECT_EQ(bytes.size(), tekst.size());
  EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0x80);  // euro
  EXPECT_EQ(static_cast<unsigned char>(bytes[2]), 0x84);  // low double quote
  EXPECT_EQ(fromCp1252(bytes), tekst);
}

TEST(Cp1252, EveryByteSurvivesARoundTrip) {
  QByteArray alle;
  for (int b = 0; b < 256; ++b) alle.append(char(b));
  bool verlies = true;
  EXPECT_EQ(toCp1252(fromCp1252(alle), &verlies), alle);
  EXPECT_FALSE(verlies);
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeOneQuestionMarkEach) {
  bool verlies = false;
  // A check mark, a Greek letter and one emoji (a surrogate pair).
  EXPECT_EQ(toCp1252(QStringLiteral("a✓bΩc😀d"), &verlies), QByteArray("a?b?c?d"));
  EXPECT_TRUE(verlies);
  EXPECT_EQ(platform::throughCp1252(QStringLiteral("x😀")), QStringLiteral("x?"));
}
