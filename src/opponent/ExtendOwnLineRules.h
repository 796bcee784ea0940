#pragma once

#include "opponent/Turn.h"

namespace quintara {

// Turns a three of the computer closed by a human point into a four open at the other end.
void ExtendOwnLineRules(Turn& turn);

}  // namespace quintara
