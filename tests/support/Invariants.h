#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "board/Geometry.h"
#include "game/Game.h"

namespace quintara::testing {

enum class EventReach {
  kNoPoint,   // a mouse move, an arrow, a resize, a window that only shows things
  kOnePoint,  // a click or Enter: the player's point and the computer's reply, a new sheet
  kMaySweep,  // a menu that may start a new sheet
};

// The sheet as it stood before an event.
struct Snapshot {
  std::array<PointColour, kPointRecordCount> colour{};
  std::array<bool, kPointRecordCount> closed{};
  std::size_t drawings = 0;
  static Snapshot Of(const Game& game);
};

// The first rule of the game that an event broke, from `before` to now, or nothing.
std::optional<std::string> BrokenRule(const Game& game, const Snapshot& before, EventReach reach);

}  // namespace quintara::testing
