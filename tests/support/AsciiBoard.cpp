#include "support/AsciiBoard.h"

namespace quintara::testing {

int CountPoints(const Sheet& sheet) {
  int count = 0;
  for (int index = 0; index <= kLastPointRecord; ++index) count += sheet.HasPoint(index);
  return count;
}

}  // namespace quintara::testing
