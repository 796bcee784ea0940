#pragma once

#include "opponent/Turn.h"

namespace quintara {

// Chooses and places the computer's point: the 18-step cascade, first placement wins.
void ComputerTurn(Turn& turn);

// The two last resorts, when no rule has placed a point.
void NeighbourFallback(Turn& turn);
void BoxFallback(Turn& turn);

}  // namespace quintara
