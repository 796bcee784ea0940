#include <gtest/gtest.h>

#include "board/ShownArea.h"
#include "game/SpokenWords.h"
#include "support/AsciiBoard.h"

namespace quintara {
namespace {

using spoken::ComputerPointWords;
using spoken::IntersectionWords;
using testing::At;
using testing::Picture;

// The player counts from the first shown crossing, at any window size; what the window hides
// is told apart from what is empty.
TEST(SpokenWords, CountRowsAndColumnsFromTheFirstShownCrossing) {
  Sheet sheet;
  sheet.SetShownArea({kDesignOuterWidth, kDesignOuterHeight});  // rows 2..15, columns 2..20
  EXPECT_EQ(IntersectionWords(sheet, At(16, 20)), "Ligne 15, colonne 19, zone non jouable");

  sheet.SetShownArea({kLargestOuterWidth, kLargestOuterHeight});
  EXPECT_EQ(IntersectionWords(sheet, At(16, 20)), "Ligne 15, colonne 19, vide");
  EXPECT_EQ(IntersectionWords(sheet, At(2, 2)), "Ligne 1, colonne 1, vide");
  EXPECT_EQ(IntersectionWords(sheet, At(21, 29)), "Ligne 20, colonne 28, vide");
}

// Both sides' points, in the running game or in a finished game's zone, and a closed zone
// that the window no longer shows.
TEST(SpokenWords, SayWhatLiesOnTheIntersection) {
  Sheet sheet;
  sheet.SetShownArea({kLargestOuterWidth, kLargestOuterHeight});
  testing::Draw(sheet, Picture{8, 9, {"X O x #"}});
  testing::Draw(sheet, Picture{20, 2, {"#"}});
  sheet.SetShownArea({kDesignOuterWidth, kDesignOuterHeight});
  const auto words = [&](int column) { return IntersectionWords(sheet, At(8, column)); };
  EXPECT_EQ(words(9), "Ligne 7, colonne 8, point vert");
  EXPECT_EQ(words(10), "Ligne 7, colonne 9, point rouge");
  EXPECT_EQ(words(11), "Ligne 7, colonne 10, point vert");
  EXPECT_EQ(words(12), "Ligne 7, colonne 11, zone fermée");
  EXPECT_EQ(IntersectionWords(sheet, At(20, 2)), "Ligne 19, colonne 1, zone fermée");
  EXPECT_EQ(ComputerPointWords(At(8, 9)), "Ordinateur : ligne 7, colonne 8");
}

}  // namespace
}  // namespace quintara
