#pragma once

#include "opponent/Turn.h"

namespace quintara {

// How many points of the side a line rule starts from.
enum class LinePoints : int { kOne = 1, kTwo = 2, kThree = 3, kFour = 4 };

// Completes or blocks a line of PointCount points of the side of `Colour` through the anchor;
// the point chosen is always the computer's.
void LineRules(Turn& turn, int Anchor, LinePoints PointCount, PointColour Colour);

}  // namespace quintara
