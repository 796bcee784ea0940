#pragma once

#include "opponent/Turn.h"

namespace quintara {

// Completes or blocks a line of PointCount (4, 3, 2 or 1) points of the side of `Colour`
// through the anchor; the point placed is always the computer's.
void LineRules(Turn& turn, int Anchor, int PointCount, int Colour);

}  // namespace quintara
