#pragma once

#include <string>
#include <vector>

#include "board/Geometry.h"
#include "board/Sheet.h"

namespace quintara::testing {

// ASCII laid from (row, column), blanks skipped: O/A red, X/H green, o/x a finished game's, #
// closed.
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

// The design-size sheet (rows 2-15, columns 2-20) filled with no five.
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
