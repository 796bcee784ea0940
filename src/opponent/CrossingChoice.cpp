#include "opponent/CrossingChoice.h"

#include <array>
#include <cstdlib>

#include "board/Geometry.h"
#include "opponent/Levels.h"
#include "opponent/Pattern.h"

namespace quintara {
namespace {

// What one of the cells E+h, E+2h, E+3h across an end E must hold. Whoever the caller read
// lines for, O here is always the computer's point and X the human's.
enum class Cell { kX, kO, kNoO, kNoX, kNoPoint, kNotTested };

struct Group {
  std::array<Cell, 3> cells;  // E+h, E+2h, E+3h
  int level;                  // the group is tried from this level on
  int cellsPlayable;          // before placing at E, this many cells from E+h on must be playable
};

constexpr Cell X = Cell::kX;
constexpr Cell O = Cell::kO;
constexpr Cell NoO = Cell::kNoO;  // an empty cell holds no O
constexpr Cell NoX = Cell::kNoX;
constexpr Cell NoPoint = Cell::kNoPoint;
constexpr Cell NotTested = Cell::kNotTested;

// In priority order; the first (group, end, half-direction) that matches decides, placed or not.
constexpr std::array<Group, 8> kGroups = {{
    // {E+h, E+2h, E+3h}, level, cells playable before placing at E
    /* G1 */ {{X, X, NoO}, 3, 3},
    /* G2 */ {{O, O, NoX}, 4, 0},
    /* G3 */ {{X, NoO, NotTested}, 4, 0},
    /* G4 */ {{O, NoX, NotTested}, 4, 0},
    /* G5 */ {{X, NotTested, NotTested}, 4, 0},
    /* G6 */ {{O, NotTested, NotTested}, 4, 0},
    /* G7 */ {{NoPoint, X, NotTested}, 4, 2},
    /* G8 */ {{NoPoint, O, NotTested}, 4, 2},
}};

// Towards lower indices first, then higher; each time diagonal down-left, vertical, diagonal
// down-right, horizontal.
constexpr std::array<int, 8> kHalfDirections = {-kDownLeft, -kVertical, -kDownRight, -kHorizontal,
                                                +kDownLeft, +kVertical, +kDownRight, +kHorizontal};

bool CellHolds(const LineReader& across, int k, Cell cell) {
  switch (cell) {
    case Cell::kX: return across.Other(k);
    case Cell::kO: return across.Own(k);
    case Cell::kNoO: return across.NotOwn(k);
    case Cell::kNoX: return across.NotOther(k);
    case Cell::kNoPoint: return across.Empty(k);
    case Cell::kNotTested: return true;
  }
  return true;
}

bool GroupHolds(const LineReader& across, const Group& group) {
  for (int k = 1; k <= 3; ++k) {
    if (!CellHolds(across, k, group.cells[static_cast<std::size_t>(k - 1)])) return false;
  }
  return true;
}

bool FirstCellsPlayable(const LineReader& across, int count) {
  for (int k = 1; k <= count; ++k) {
    if (across.NotPlayable(k)) return false;
  }
  return true;
}

}  // namespace

void CrossingChoice(Turn& turn, int FirstEnd, int SecondEnd, std::optional<int> skippedDirection) {
  if (!RunsAtLevel(kLevel3Up, turn.level)) return;

  const auto skipped = [&](int halfDirection) {
    return skippedDirection && std::abs(halfDirection) == *skippedDirection;
  };

  for (const Group& group : kGroups) {
    if (turn.level < group.level) continue;
    for (const int end : {FirstEnd, SecondEnd}) {
      for (const int halfDirection : kHalfDirections) {
        if (skipped(halfDirection)) continue;
        // O and X are the computer's and the human's colours here, whatever side the caller read.
        const LineReader across(turn.sheet, end, halfDirection, ComputerColour);
        if (!GroupHolds(across, group)) continue;
        if (FirstCellsPlayable(across, group.cellsPlayable)) turn.ChooseComputerPoint(end);
        return;
      }
    }
  }
}

}  // namespace quintara
