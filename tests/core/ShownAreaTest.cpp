#include <gtest/gtest.h>

#include "board/ShownArea.h"
#include "game/Game.h"
#include "support/GameFixture.h"

namespace quintara {
namespace {

using testing::At;
using testing::Picture;

struct HeightCase {
  int height;
  int rowMax;
};

class RowsByHeight : public ::testing::TestWithParam<HeightCase> {};

TEST_P(RowsByHeight, EachThresholdAddsOneRow) {
  EXPECT_EQ(RowMaxForHeight(GetParam().height), GetParam().rowMax);
}

INSTANTIATE_TEST_SUITE_P(BandEdges, RowsByHeight,
                         ::testing::Values(HeightCase{5000, 21}, HeightCase{6539, 21},
                                           HeightCase{6540, 15}, HeightCase{6899, 15},
                                           HeightCase{6900, 16}, HeightCase{7259, 16},
                                           HeightCase{7260, 17}, HeightCase{7619, 17},
                                           HeightCase{7620, 18}, HeightCase{7979, 18},
                                           HeightCase{7980, 19}, HeightCase{8339, 19},
                                           HeightCase{8340, 20}, HeightCase{8699, 20},
                                           HeightCase{8700, 21}, HeightCase{9999, 21}));

struct WidthCase {
  int width;
  int colMax;  // 0: the columns stay as they were
};

class ColumnsByWidth : public ::testing::TestWithParam<WidthCase> {};

TEST_P(ColumnsByWidth, BandsSetTheLastColumnAndGapsKeepIt) {
  const auto colMax = ColMaxForWidth(GetParam().width);
  EXPECT_EQ(colMax.value_or(0), GetParam().colMax);
}

INSTANTIATE_TEST_SUITE_P(
    BandEdges, ColumnsByWidth,
    ::testing::Values(
        WidthCase{8729, 0}, WidthCase{8730, 20}, WidthCase{9000, 20}, WidthCase{9075, 20},
        WidthCase{9076, 0}, WidthCase{9084, 0}, WidthCase{9085, 21}, WidthCase{9435, 21},
        WidthCase{9436, 0}, WidthCase{9445, 22}, WidthCase{9795, 22}, WidthCase{9805, 23},
        WidthCase{10155, 23}, WidthCase{10165, 24}, WidthCase{10515, 24}, WidthCase{10525, 25},
        WidthCase{10875, 25}, WidthCase{10876, 0}, WidthCase{10894, 0}, WidthCase{10895, 26},
        WidthCase{11235, 26}, WidthCase{11245, 27}, WidthCase{11595, 27}, WidthCase{11605, 28},
        WidthCase{11945, 28}, WidthCase{11954, 0}, WidthCase{11955, 29}, WidthCase{12120, 29}));

class ShownAreaOfTheGame : public testing::GameFixture {
 protected:
  // Playable exactly inside rows 2..RowMax and columns 2..ColMax, outside closed zones.
  void ExpectPlayableOnlyInsideShownArea(const std::string& when) {
    const Sheet& sheet = game.CurrentSheet();
    for (int index = -50; index <= kLastPointRecord + 50; ++index) {
      const bool inside = index >= kFirstGridIndex && index <= kLastIntersection &&
                          RowOf(index) >= 2 && RowOf(index) <= sheet.RowMax() &&
                          ColumnOf(index) >= 2 && ColumnOf(index) <= sheet.ColMax();
      ASSERT_EQ(sheet.Playable(index), inside && !sheet.Closed(index))
          << when << ", index " << index;
    }
  }
};

TEST_F(ShownAreaOfTheGame, DesignSizeShowsRowsTo15AndColumnsTo20) {
  EXPECT_EQ(game.CurrentSheet().RowMax(), 15);
  EXPECT_EQ(game.CurrentSheet().ColMax(), 20);
  ExpectPlayableOnlyInsideShownArea("design size");
}

TEST_F(ShownAreaOfTheGame, NoIntersectionOutsideTheShownAreaIsPlayableAtAnySize) {
  for (int width = 8000; width <= 12500; width += 5) {
    game.Form_Resize(width, 6555);
    ExpectPlayableOnlyInsideShownArea("width " + std::to_string(width));
  }
  for (int height = 6000; height <= 9000; height += 5) {
    game.Form_Resize(9000, height);
    ExpectPlayableOnlyInsideShownArea("height " + std::to_string(height));
  }
}

TEST_F(ShownAreaOfTheGame, WideningAtTheDesignHeightOpensNoRowBelowTheStatusBar) {
  game.Form_Resize(11955, 6555);
  EXPECT_EQ(game.CurrentSheet().ColMax(), 29);
  EXPECT_EQ(game.CurrentSheet().RowMax(), 15);
  EXPECT_FALSE(game.CurrentSheet().Playable(At(16, 25)));
  EXPECT_FALSE(game.CurrentSheet().Playable(At(21, 2)));
}

TEST_F(ShownAreaOfTheGame, AGapOrANarrowWidthKeepsTheColumnsItHad) {
  game.Form_Resize(9500, 8700);
  ASSERT_EQ(game.CurrentSheet().ColMax(), 22);
  game.Form_Resize(9800, 8700);  // gap
  EXPECT_EQ(game.CurrentSheet().ColMax(), 22);
  game.Form_Resize(8000, 8700);  // below the first band
  EXPECT_EQ(game.CurrentSheet().ColMax(), 22);
  EXPECT_FALSE(game.CurrentSheet().Playable(At(21, 23)));
}

TEST_F(ShownAreaOfTheGame, MaximisingIsCappedToTheLargestSheet) {
  game.Form_Resize(20000, 6555);  // too wide alone
  EXPECT_EQ(game.OuterHeight(), kLargestOuterHeight);
  game.Form_Resize(20000, 15000);
  EXPECT_EQ(game.OuterWidth(), kLargestOuterWidth);
  EXPECT_EQ(game.OuterHeight(), kLargestOuterHeight);
  EXPECT_EQ(game.CurrentSheet().RowMax(), 21);
  EXPECT_EQ(game.CurrentSheet().ColMax(), 29);
}

TEST_F(ShownAreaOfTheGame, ResizingNeverReopensAClosedZone) {
  Lay(Picture{3, 18, {"# # # # #", "# x o x #"}});
  for (int width = 8730; width <= 12120; width += 90) {
    game.Form_Resize(width, 8700 - (width - 8730) / 2);
    for (int column = 18; column <= 22; ++column) {
      ASSERT_FALSE(game.CurrentSheet().Playable(At(3, column))) << width;
      ASSERT_TRUE(game.CurrentSheet().Closed(At(4, column))) << width;
    }
  }
  ExpectPlayableOnlyInsideShownArea("after resizing across a closed zone");
}

TEST_F(ShownAreaOfTheGame, ANewSheetKeepsTheShownArea) {
  game.Form_Resize(9000, 6555);
  Lay(Picture{5, 5, {"# x o #"}});
  game.mnuNouvelle_Click();
  EXPECT_EQ(game.CurrentSheet().ColMax(), 20);
  EXPECT_FALSE(game.CurrentSheet().HasPoint(At(5, 6)));
  ExpectPlayableOnlyInsideShownArea("after a new sheet");
}

TEST(SheetReads, IndicesOutsideThePointRecordsReadAsEmptyAndUnplayable) {
  const Sheet sheet;
  for (const int index : {-100000, -36, -1, 1592, 1627, 40000}) {
    EXPECT_FALSE(sheet.HasPoint(index)) << index;
    EXPECT_FALSE(sheet.Playable(index)) << index;
    EXPECT_FALSE(sheet.Closed(index)) << index;
  }
}

}  // namespace
}  // namespace quintara
