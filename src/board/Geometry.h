#pragma once

#include <array>
#include <cstddef>

namespace quintara {

// The sheet: 35 columns by 32 rows of intersections, numbered 400 + 35 x row + column; the last
// row holds columns 0..26 only, so the numbering ends at 1511. Indices 0..399 are a guard band
// that the line tests may read; point records run to 1591.
inline constexpr int kColumns = 35;
inline constexpr int kRows = 32;
inline constexpr int kFirstGridIndex = 400;
inline constexpr int kLastIntersection = 1511;
inline constexpr int kLastPointRecord = 1591;
inline constexpr int kPointRecordCount = kLastPointRecord + 1;

// The rows and columns that can ever be playable.
inline constexpr int kFirstPlayableRow = 2;
inline constexpr int kLastPlayableRow = 21;
inline constexpr int kFirstPlayableColumn = 2;
inline constexpr int kLastPlayableColumn = 29;

// Lengths in twips (1/1440 inch).
inline constexpr int kGridSpacing = 360;
inline constexpr int kHitAreaOffset =
    140;  // a hit area's top-left lies this far left of and above its crossing
inline constexpr int kPointDiameter = 170;
inline constexpr int kPointOffset =
    80;  // a point's bounding square starts this far left of and above its crossing

// Line directions as index steps, in the order most procedures read them.
inline constexpr int kVertical = kColumns;
inline constexpr int kHorizontal = 1;
inline constexpr int kDownRight = kColumns + 1;
inline constexpr int kDownLeft = kColumns - 1;
inline constexpr std::array<int, 4> kLineDirections = {kVertical, kHorizontal, kDownRight,
                                                       kDownLeft};

// Where a step stands in kLineDirections; -1 for any other step.
constexpr int DirectionIndex(int step) {
  for (std::size_t d = 0; d < kLineDirections.size(); ++d) {
    if (kLineDirections[d] == step) return static_cast<int>(d);
  }
  return -1;
}

constexpr int IndexOf(int row, int column) {
  return kFirstGridIndex + kColumns * row + column;
}

// The guard band sits at the top-left corner, on row 0 and column 0.
constexpr int RowOf(int index) {
  return index < kFirstGridIndex ? 0 : (index - kFirstGridIndex) / kColumns;
}
constexpr int ColumnOf(int index) {
  return index < kFirstGridIndex ? 0 : (index - kFirstGridIndex) % kColumns;
}

constexpr int CrossingX(int index) {
  return kGridSpacing * ColumnOf(index);
}
constexpr int CrossingY(int index) {
  return kGridSpacing * RowOf(index);
}
constexpr int HitAreaLeft(int index) {
  return CrossingX(index) - kHitAreaOffset;
}
constexpr int HitAreaTop(int index) {
  return CrossingY(index) - kHitAreaOffset;
}

// A point's colour, which names its side: a 24-bit RGB number with red in the low byte.
enum class PointColour : int {
  kNoPoint = 0,
  kComputer = 255,  // pure red, the computer or the second player
  kHuman = 65280,   // pure green, the first side
};
inline constexpr PointColour HumanColour = PointColour::kHuman;
inline constexpr PointColour ComputerColour = PointColour::kComputer;
inline constexpr PointColour kNoPoint = PointColour::kNoPoint;

constexpr int RgbNumber(PointColour colour) {
  return static_cast<int>(colour);
}

// QuickBASIC colour numbers, in which lines and frames are drawn and a game's result is kept.
enum class ColourNumber : int {
  kBlack = 0,
  kDarkGreen = 2,
  kBrightRed = 12,
};

}  // namespace quintara
