#include "support/AsciiBoard.h"

namespace quintara::testing {

int CountPoints(const Sheet& sheet) {
  int count = 0;
  for (int index = 0; index <= kLastPointRecord; ++index) count += sheet.HasPoint(index);
  return count;
}

std::string Show(const Sheet& sheet, int row, int column, int rows, int columns) {
  std::string out;
  for (int r = row; r < row + rows; ++r) {
    for (int c = column; c < column + columns; ++c) {
      const Intersection& cell = sheet.At(IndexOf(r, c));
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
