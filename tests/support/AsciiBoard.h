#pragma once

#include <string>
#include <vector>

#include "board/Geometry.h"
#include "board/Sheet.h"

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

// The intersection at (row, column), for the expectations of a test.
constexpr int At(int row, int column) {
  return IndexOf(row, column);
}

// Calls each(index, letter) for every letter of the picture, in reading order.
template <typename Each>
void ForEachCell(const Picture& picture, Each each) {
  for (std::size_t line = 0; line < picture.lines.size(); ++line) {
    int column = picture.column;
    for (const char letter : picture.lines[line]) {
      if (letter != ' ') each(At(picture.row + static_cast<int>(line), column++), letter);
    }
  }
}

// The one position builder: lays the picture through `LayPoint(index, colour, closed)` as
// Game has it, so O and X become the running game's points in reading order.
template <typename Board>
void Lay(Board& board, const Picture& picture) {
  ForEachCell(picture, [&](int index, char letter) {
    switch (letter) {
      case 'O': board.LayPoint(index, ComputerColour); break;
      case 'X': board.LayPoint(index, HumanColour); break;
      case 'o': board.LayPoint(index, ComputerColour, true); break;
      case 'x': board.LayPoint(index, HumanColour, true); break;
      case '#': board.LayPoint(index, kNoPoint, true); break;
      default: break;
    }
  });
}

// How many intersections hold a point.
int CountPoints(const Sheet& sheet);

// The picture of a rectangle of the sheet, in the same letters (blank-separated), for messages.
std::string Show(const Sheet& sheet, int row, int column, int rows, int columns);

}  // namespace quintara::testing
