#pragma once

#include "opponent/Turn.h"

namespace quintara {

// Which triggers a double-threat rule looks for: a three (3), a two (2), or the human's open two
// read for the computer's own two (21).
enum class ThreatMode : int { kTwo = 2, kThree = 3, kBlockOpenTwo = 21 };

// Makes (own points) or prevents (the human's points) two threats at once through the anchor.
void DoubleThreatRules(Turn& turn, int Anchor, ThreatMode Mode, PointColour Colour);

}  // namespace quintara
