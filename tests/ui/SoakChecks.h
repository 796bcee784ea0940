#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

#include "board/Geometry.h"

namespace quintara {
class Game;
namespace ui {
class frmJeuxDePoints;
}
}  // namespace quintara

namespace quintara::testing {

// What one event may do to the sheet.
enum class EventReach {
  kNoPoint,   // a mouse move, a cross-hair arrow, a resize, a window that only shows things
  kOnePoint,  // a click or Enter: one point for the player, one reply from the computer
  kMaySweep,  // a menu that may start a new sheet (and so end the running game)
};

// The sheet as it stood before an event, to hold the state after it against.
struct SheetSnapshot {
  std::array<int, kPointRecordCount> colour{};
  std::array<bool, kPointRecordCount> closed{};
  int red = 0;
  int green = 0;
  int closedCount = 0;
  std::size_t drawings = 0;

  static SheetSnapshot Of(const Game& game);
};

// Whether the window's game holds together after an event that started from `before`; the first
// broken rule, or nothing. Cheap enough to run after every event: one pass over the sheet and a
// few labels.
std::optional<QString> BrokenRule(const ui::frmJeuxDePoints& window, const SheetSnapshot& before,
                                  const SheetSnapshot& after, EventReach reach);

}  // namespace quintara::testing
