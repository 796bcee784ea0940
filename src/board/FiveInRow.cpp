#include "board/FiveInRow.h"

namespace quintara {

std::optional<FiveFound> FindFiveInRow(const Sheet& sheet, int index) {
  const PointColour side = sheet.ColourAt(index);
  if (side != HumanColour && side != ComputerColour) return std::nullopt;
  const auto ofSide = [&](int p) { return sheet.ColourAt(p) == side && sheet.Playable(p); };

  for (const int step : kLineDirections) {
    // Walk past the upper end of the run, then count back through the new point.
    int p = index;
    while (ofSide(p)) p += step;
    int counted = 0;
    while (ofSide(p - step)) {
      p -= step;
      if (++counted == 5) return FiveFound{p, step};
    }
  }
  return std::nullopt;
}

}  // namespace quintara
