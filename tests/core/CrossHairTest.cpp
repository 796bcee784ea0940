#include <gtest/gtest.h>

#include "board/ShownArea.h"
#include "game/Game.h"
#include "support/GameFixture.h"

namespace quintara {
namespace {

using testing::At;
using testing::Picture;

const std::string kRefusal = "message ATTENTION !!!: Vous ne pouvez plus jouer ici";

class CrossHair : public testing::GameFixture {
 protected:
  void Press(int key, int times = 1) {
    for (int k = 0; k < times; ++k) game.txtPion_KeyDown(key);
  }
};

TEST_F(CrossHair, StartsAtRow3Column15AndEnterPlaysThere) {
  EXPECT_EQ(game.CrossHairIndex(), 520);
  EXPECT_EQ(At(3, 15), 520);
  Press(kKeyEnter);
  EXPECT_EQ(game.CurrentSheet().ColourAt(520), HumanColour);
  EXPECT_EQ(game.CurrentSheet().ColourAt(521), ComputerColour);
}

struct EdgeCase {
  const char* name;
  int key;
  int presses;
  int row;
  int column;
};
void PrintTo(const EdgeCase& c, std::ostream* os) {
  *os << c.name;
}

class CrossHairEdges : public CrossHair, public ::testing::WithParamInterface<EdgeCase> {};

// At the design size the shown area is rows 2..15 and columns 2..20.
TEST_P(CrossHairEdges, StopsAtTheEdgeOfTheShownArea) {
  Press(GetParam().key, GetParam().presses);
  EXPECT_EQ(game.CrossHairIndex(), At(GetParam().row, GetParam().column));
}

INSTANTIATE_TEST_SUITE_P(Design, CrossHairEdges,
                         ::testing::Values(EdgeCase{"right", kKeyRight, 40, 3, 20},
                                           EdgeCase{"left", kKeyLeft, 40, 3, 2},
                                           EdgeCase{"up", kKeyUp, 40, 2, 15},
                                           EdgeCase{"down", kKeyDown, 40, 15, 15},
                                           EdgeCase{"other_key", 65, 3, 3, 15}));

TEST_F(CrossHair, CrossesAFinishedGamesZoneWhereEnterIsRefused) {
  Lay(Picture{3, 16, {"# x #"}});
  Press(kKeyRight, 2);
  EXPECT_EQ(game.CrossHairIndex(), At(3, 17));
  Press(kKeyEnter);
  EXPECT_EQ(view.events, (std::vector<std::string>{kRefusal}));
  Press(kKeyRight, 2);
  EXPECT_EQ(game.CrossHairIndex(), At(3, 19));
}

TEST_F(CrossHair, AfterTheWindowShrinksEnterOutOfSightIsRefused) {
  game.Form_Resize(kLargestOuterWidth, kLargestOuterHeight);
  Press(kKeyRight, 12);
  ASSERT_EQ(game.CrossHairIndex(), At(3, 27));
  game.Form_Resize(9000, 6555);
  Press(kKeyEnter);
  EXPECT_EQ(view.events, (std::vector<std::string>{kRefusal}));
  EXPECT_FALSE(game.CurrentSheet().HasPoint(At(3, 27)));
  // The arrows still lead back into the shown area only.
  Press(kKeyLeft);
  EXPECT_EQ(game.CrossHairIndex(), At(3, 27));
  Press(kKeyDown);
  EXPECT_EQ(game.CrossHairIndex(), At(3, 27));
}

TEST_F(CrossHair, KeepsItsPlaceAcrossANewSheet) {
  Press(kKeyDown, 2);
  game.mnuNouvelle_Click();
  EXPECT_EQ(game.CrossHairIndex(), At(5, 15));
}

}  // namespace
}  // namespace quintara
