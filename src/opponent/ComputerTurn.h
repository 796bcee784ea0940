#pragma once

#include <optional>

#include "opponent/Turn.h"

namespace quintara {

// Chooses the computer's point: the 18-step cascade, the first point a rule takes wins. Returns
// it, or nothing when no rule and no fallback finds one; the game places it.
std::optional<int> ComputerTurn(Turn& turn);

// The two last resorts, when no rule has placed a point.
void NeighbourFallback(Turn& turn);
void BoxFallback(Turn& turn);

}  // namespace quintara
