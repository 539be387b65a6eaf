// The undo list on its own: which changes make a step, what undo and redo
// hand back, and what is forgotten. A state is told apart by its number.
#include <gtest/gtest.h>

#include "editor/Geschiedenis.h"

using namespace editor;

namespace {

Stap Staat(quint64 nummer) {
  Stap s;
  s.stand = nummer;
  return s;
}

// Undoes everything, the numbers of the states handed back in order.
std::vector<quint64> AllesOngedaan(Geschiedenis& g, quint64 nu) {
  std::vector<quint64> terug;
  while (auto s = g.Ongedaan(Staat(nu))) {
    terug.push_back(s->stand);
    nu = s->stand;
  }
  return terug;
}

}  // namespace

TEST(Geschiedenis, ChangesWithOneKeyInARowMakeOneStepAndAnythingElseStartsANewOne) {
  Geschiedenis g;
  g.Leg(Staat(1), QStringLiteral("lijn 1"));
  g.Leg(Staat(2), QStringLiteral("lijn 1"));  // typing on: the same step
  g.Leg(Staat(3), QStringLiteral("lijn 2"));  // another line
  g.Leg(Staat(4));                            // a command without a key
  g.Leg(Staat(5));                            // and another: never joined
  g.Leg(Staat(6), QStringLiteral("lijn 2"));
  g.Onderbreek();                             // a save, say
  g.Leg(Staat(7), QStringLiteral("lijn 2"));
  EXPECT_EQ(AllesOngedaan(g, 8), (std::vector<quint64>{7, 6, 5, 4, 3, 1}));
}

TEST(Geschiedenis, UndoAndRedoWalkBackAndForthAndANewChangeForgetsWhatCouldBeRedone) {
  Geschiedenis g;
  g.Leg(Staat(1));
  g.Leg(Staat(2));
  EXPECT_FALSE(g.KanOpnieuw());
  ASSERT_EQ(g.Ongedaan(Staat(3))->stand, 2u);
  ASSERT_EQ(g.Ongedaan(Staat(2))->stand, 1u);
  EXPECT_FALSE(g.Ongedaan(Staat(1)));
  EXPECT_TRUE(g.KanOpnieuw());
  EXPECT_EQ(g.Opnieuw(Staat(1))->stand, 2u);
  EXPECT_EQ(g.Opnieuw(Staat(2))->stand, 3u);
  EXPECT_FALSE(g.Opnieuw(Staat(3)));

  ASSERT_EQ(g.Ongedaan(Staat(3))->stand, 2u);
  g.Leg(Staat(2));  // a change instead of redo
  EXPECT_FALSE(g.KanOpnieuw());
  EXPECT_FALSE(g.Opnieuw(Staat(9)));
  EXPECT_EQ(AllesOngedaan(g, 9), (std::vector<quint64>{2, 1}));
}

TEST(Geschiedenis, TypingAfterAnUndoIsAStepOfItsOwn) {
  Geschiedenis g;
  g.Leg(Staat(1));
  g.Leg(Staat(2), QStringLiteral("lijn 1"));
  ASSERT_EQ(g.Ongedaan(Staat(3))->stand, 2u);
  // The same line typed in again after the undo: undo must come back to
  // the state the undo gave, not skip past it.
  g.Leg(Staat(2), QStringLiteral("lijn 1"));
  EXPECT_EQ(g.Ongedaan(Staat(4))->stand, 2u);
}

TEST(Geschiedenis, TheOldestStepsGoBeyondAHundredAndWisForgetsAll) {
  Geschiedenis g;
  for (quint64 i = 0; i < Geschiedenis::kMaxStappen + 5; ++i) g.Leg(Staat(i));
  EXPECT_EQ(g.AantalStappen(), Geschiedenis::kMaxStappen);
  const std::vector<quint64> terug = AllesOngedaan(g, 1000);
  ASSERT_EQ(terug.size(), Geschiedenis::kMaxStappen);
  EXPECT_EQ(terug.front(), Geschiedenis::kMaxStappen + 4);
  EXPECT_EQ(terug.back(), 5u);

  g.Leg(Staat(1), QStringLiteral("lijn 1"));
  g.Wis();
  EXPECT_FALSE(g.KanOngedaan());
  EXPECT_FALSE(g.KanOpnieuw());
  g.Leg(Staat(2), QStringLiteral("lijn 1"));  // after Wis, no step to join
  EXPECT_EQ(g.AantalStappen(), 1u);
}
