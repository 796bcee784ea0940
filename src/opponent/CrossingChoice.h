#pragma once

#include <optional>

#include "opponent/Turn.h"

namespace quintara {

// Chooses between the two ends of a line by what lies across each end: human points the end
// would cut off, computer points it would join, a free place followed by a point. Places the
// computer's point on the end found, or nothing, so that the caller's die decides. The skipped
// direction, if any, is left unread both ways.
void CrossingChoice(Turn& turn, int FirstEnd, int SecondEnd,
                    std::optional<int> skippedDirection = std::nullopt);

}  // namespace quintara
