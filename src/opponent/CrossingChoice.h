#pragma once

#include "opponent/Turn.h"

namespace quintara {

// Chooses between the two ends of a line by what lies across each end: human points the end
// would cut off, computer points it would join, a free place followed by a point. Places the
// computer's point on the end found, or nothing, so that the caller's die decides. A skip flag
// leaves both half-directions of its direction unread.
void CrossingChoice(Turn& turn, int FirstEnd, int SecondEnd, bool SkipDownLeft, bool SkipVertical,
                    bool SkipDownRight, bool SkipHorizontal);

}  // namespace quintara
