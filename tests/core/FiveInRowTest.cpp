// Five in a row against a brute-force count of runs by rows and columns, on random sheets.
#include <gtest/gtest.h>

#include <array>
#include <random>

#include "board/FiveInRow.h"
#include "board/ShownArea.h"
#include "support/AsciiBoard.h"

namespace quintara::testing {
namespace {

struct Way {
  int step;
  int rows;
  int columns;
};
constexpr std::array<Way, 4> kWays = {
    {{kVertical, 1, 0}, {kHorizontal, 0, 1}, {kDownRight, 1, 1}, {kDownLeft, 1, -1}}};

bool OfSide(const Sheet& sheet, int row, int column, int colour) {
  if (row < 0 || row >= kRows || column < 0 || column >= kColumns) return false;
  return sheet.ColourAt(At(row, column)) == colour && sheet.Playable(At(row, column));
}

TEST(FiveInRow, AgreesWithARunCounterOnRandomSheets) {
  std::mt19937 random(5);
  int fives = 0;
  for (int round = 0; round < 60; ++round) {
    Sheet sheet;
    sheet.SetShownArea({kLargestOuterWidth, kLargestOuterHeight});
    std::uniform_int_distribution<int> cell(0, 9);
    for (int index = 0; index <= kLastIntersection; ++index) {
      const int c = cell(random);
      if (c < 4) sheet.PutPoint(index, c < 3 ? HumanColour : ComputerColour);  // guard band too
      if (c == 9)
        sheet.CloseRectangle({RowOf(index), ColumnOf(index), RowOf(index), ColumnOf(index)});
    }
    for (int row = 0; row < kRows; ++row) {
      for (int column = 0; column < kColumns; ++column) {
        if (!sheet.Playable(At(row, column))) continue;  // where a new point always stands
        const int colour = sheet.ColourAt(At(row, column));
        const auto five = FindFiveInRow(sheet, At(row, column));
        // The first way, in the order vertical, horizontal, down-right, down-left, with a run of
        // five or more through the point; the run's highest end.
        const Way* way = nullptr;
        int highRow = 0;
        int highColumn = 0;
        for (const Way& w : kWays) {
          if (way != nullptr || colour == kNoPoint || !OfSide(sheet, row, column, colour)) break;
          int r = row;
          int c = column;
          while (OfSide(sheet, r + w.rows, c + w.columns, colour)) r += w.rows, c += w.columns;
          int length = 1;
          while (OfSide(sheet, r - length * w.rows, c - length * w.columns, colour)) ++length;
          if (length >= 5) {
            way = &w;
            highRow = r;
            highColumn = c;
          }
        }
        ASSERT_EQ(five.has_value(), way != nullptr) << row << ", " << column;
        if (way == nullptr) continue;
        ++fives;
        ASSERT_EQ(five->step, way->step);
        ASSERT_EQ(five->lowest, At(highRow - 4 * way->rows, highColumn - 4 * way->columns));
      }
    }
  }
  EXPECT_GT(fives, 50);
}

}  // namespace
}  // namespace quintara::testing
