#include "support/AsciiBoard.h"

namespace quintara::testing {
namespace {

template <typename Each>
void ForEachCell(const Picture& picture, Each each) {
  for (std::size_t line = 0; line < picture.lines.size(); ++line) {
    int column = picture.column;
    for (const char letter : picture.lines[line]) {
      if (letter == ' ') continue;
      each(IndexOf(picture.row + static_cast<int>(line), column), letter);
      ++column;
    }
  }
}

}  // namespace

void Draw(Sheet& sheet, const Picture& picture) {
  ForEachCell(picture, [&](int index, char letter) {
    switch (letter) {
      case 'O': sheet.PutPoint(index, ComputerColour); break;
      case 'X': sheet.PutPoint(index, HumanColour); break;
      case 'o': sheet.PutPoint(index, ComputerColour); break;
      case 'x': sheet.PutPoint(index, HumanColour); break;
      default: break;
    }
    if (letter == '#' || letter == 'o' || letter == 'x') {
      const int row = RowOf(index);
      const int column = ColumnOf(index);
      sheet.CloseRectangle(row, column, row, column);
    }
  });
}

void SetUp(Sheet& sheet, GameState& state, const Picture& picture) {
  Draw(sheet, picture);
  ForEachCell(picture, [&](int index, char letter) {
    if (letter == 'O') {
      state.ComputerMoves.Record(index);
      ++state.ComputerMoveCount;
      state.ComputerNotYetPlayed = false;
      state.Box.ExtendGameBox(index);
    } else if (letter == 'X') {
      state.HumanMoves.Record(index);
      state.Box.ExtendGameBox(index);
    }
  });
}

int CountPoints(const Sheet& sheet) {
  int count = 0;
  for (int index = 0; index <= kLastPointRecord; ++index) count += sheet.HasPoint(index);
  return count;
}

std::string Show(const Sheet& sheet, int row, int column, int rows, int columns) {
  std::string out;
  for (int r = row; r < row + rows; ++r) {
    for (int c = column; c < column + columns; ++c) {
      const int index = IndexOf(r, c);
      const Intersection& cell = sheet.At(index);
      char letter = cell.Closed ? '#' : (cell.Playable ? '.' : '-');
      if (cell.colour == ComputerColour) letter = cell.Closed ? 'o' : 'O';
      if (cell.colour == HumanColour) letter = cell.Closed ? 'x' : 'X';
      out += letter;
      out += c + 1 < column + columns ? " " : "\n";
    }
  }
  return out;
}

}  // namespace quintara::testing
