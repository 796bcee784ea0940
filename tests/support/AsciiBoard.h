#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "board/Geometry.h"
#include "board/Sheet.h"
#include "game/GameState.h"

namespace quintara::testing {

// Positions in tests are small ASCII pictures laid on the sheet with their top-left character
// at (row, column). Blanks only space the picture out. Letters:
//   .  empty            O  computer (red) point     X  human (green) point
//   #  closed, empty    o  closed red point         x  closed green point (an earlier game)
// Any other character leaves its intersection as the sheet has it.
struct Picture {
  int row;
  int column;
  std::vector<std::string> lines;
};

// Lays the picture on the sheet.
void Draw(Sheet& sheet, const Picture& picture);

// Lays the picture on the sheet and records the running game's points (O and X) in the move
// lists and the game box, in reading order: top to bottom, left to right.
void SetUp(Sheet& sheet, GameState& state, const Picture& picture);

// The intersection at (row, column), for the expectations of a test.
constexpr int At(int row, int column) {
  return IndexOf(row, column);
}

// How many intersections hold a point.
int CountPoints(const Sheet& sheet);

// The picture of a rectangle of the sheet, in the same letters (blank-separated), for messages.
std::string Show(const Sheet& sheet, int row, int column, int rows, int columns);

}  // namespace quintara::testing
