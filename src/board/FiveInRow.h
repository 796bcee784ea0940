#pragma once

#include <optional>

#include "board/Sheet.h"

namespace quintara {

// Five or more of one colour in a row through a new point: the run's five highest-index
// points start at `lowest` and follow `step`.
struct FiveFound {
  int lowest;
  int step;
};

// Reads the directions vertical, horizontal, down-right, down-left and counts only points on
// playable intersections, so earlier games' points in closed zones never count.
std::optional<FiveFound> FindFiveInRow(const Sheet& sheet, int index);

}  // namespace quintara
