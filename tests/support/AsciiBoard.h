#pragma once

#include <string>
#include <vector>

#include "board/Geometry.h"
#include "board/Sheet.h"

namespace quintara::testing {

// A small ASCII picture laid with its first letter at (row, column); blanks only space it out.
// '.' empty, O and X a red and a green point of the running game (A and H too, for a rule's
// anchor), o and x of an earlier game, '#' closed; any other letter leaves its intersection.
struct Picture {
  int row;
  int column;
  std::vector<std::string> lines;
};

constexpr int At(int row, int column) {
  return IndexOf(row, column);
}

template <typename Each>
void ForEachCell(const Picture& picture, Each each) {
  for (std::size_t line = 0; line < picture.lines.size(); ++line) {
    int column = picture.column;
    for (const char letter : picture.lines[line]) {
      if (letter != ' ') each(At(picture.row + static_cast<int>(line), column++), letter);
    }
  }
}

// Lays the picture through `LayPoint(index, colour, closed)`, as Game has it.
template <typename Board>
void Lay(Board& board, const Picture& picture) {
  ForEachCell(picture, [&](int index, char letter) {
    switch (letter == 'A' ? 'O' : letter == 'H' ? 'X' : letter) {
      case 'O': board.LayPoint(index, ComputerColour); break;
      case 'X': board.LayPoint(index, HumanColour); break;
      case 'o': board.LayPoint(index, ComputerColour, true); break;
      case 'x': board.LayPoint(index, HumanColour, true); break;
      case '#': board.LayPoint(index, kNoPoint, true); break;
      default: break;
    }
  });
}

// Rows 2 to 15 and columns 2 to 20, the sheet at the window's design size, filled with no five:
// a crossing is green (X) when (column + 2 x row) / 2, counted from the first crossing, is even.
inline Picture FullDesignSheet() {
  Picture picture{2, 2, std::vector<std::string>(14, std::string(19, 'O'))};
  for (std::size_t r = 0; r < 14; ++r) {
    for (std::size_t c = 0; c < 19; ++c) {
      if ((c + 2 * r) / 2 % 2 == 0) picture.lines[r][c] = 'X';
    }
  }
  return picture;
}

inline int CountPoints(const Sheet& sheet) {
  int count = 0;
  for (int index = 0; index <= kLastPointRecord; ++index) count += sheet.HasPoint(index);
  return count;
}

}  // namespace quintara::testing
