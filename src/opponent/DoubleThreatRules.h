#pragma once

#include "opponent/Turn.h"

namespace quintara {

// Makes (own points) or prevents (the human's points) two threats at once through the anchor;
// Mode is 3, 2 or 21.
void DoubleThreatRules(Turn& turn, int Anchor, int Mode, int Colour);

}  // namespace quintara
