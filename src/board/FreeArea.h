#pragma once

#include "board/Sheet.h"

namespace quintara {

inline constexpr int FreeAreaSize = 12;

// The square of FreeAreaSize x FreeAreaSize intersections whose top-left is `topLeft` is
// wholly playable and holds no point.
bool IsFreeArea(const Sheet& sheet, int topLeft);

// Some intersection of the shown area is playable and holds no point: there is a move to make.
bool HasFreeIntersection(const Sheet& sheet);

}  // namespace quintara
