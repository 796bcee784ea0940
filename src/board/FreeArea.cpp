#include "board/FreeArea.h"

namespace quintara {

bool IsFreeArea(const Sheet& sheet, int topLeft) {
  for (int row = 0; row < FreeAreaSize; ++row) {
    for (int column = 0; column < FreeAreaSize; ++column) {
      const int index = topLeft + kColumns * row + column;
      if (!sheet.Playable(index) || sheet.HasPoint(index)) return false;
    }
  }
  return true;
}

bool HasFreeIntersection(const Sheet& sheet) {
  for (int index = kFirstGridIndex; index <= kLastIntersection; ++index) {
    if (sheet.Playable(index) && !sheet.HasPoint(index)) return true;
  }
  return false;
}

}  // namespace quintara
