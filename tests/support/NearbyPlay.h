#pragma once

#include <algorithm>
#include <cstdlib>
#include <random>
#include <vector>

#include "board/Geometry.h"
#include "game/Game.h"

namespace quintara::testing {

// A random player's choice: a free playable intersection within two rows and columns of the
// running game's points, else anywhere free; 0 when nothing is free.
inline int NearbyPlay(const Game& game, std::mt19937& random) {
  const GameState& state = game.State();
  std::vector<int> points;
  for (const MoveList* moves : {&state.HumanMoves, &state.ComputerMoves}) {
    for (int slot = 1; moves->Filled(slot); ++slot) points.push_back((*moves)[slot]);
  }
  std::vector<int> near;
  std::vector<int> anywhere;
  for (int index = kFirstGridIndex; index <= kLastIntersection; ++index) {
    if (!game.CurrentSheet().Playable(index) || game.CurrentSheet().HasPoint(index)) continue;
    anywhere.push_back(index);
    const auto close = [&](int point) {
      return std::abs(RowOf(point) - RowOf(index)) <= 2 &&
             std::abs(ColumnOf(point) - ColumnOf(index)) <= 2;
    };
    if (std::ranges::any_of(points, close)) near.push_back(index);
  }
  const std::vector<int>& from = near.empty() ? anywhere : near;
  if (from.empty()) return 0;
  return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
}

}  // namespace quintara::testing
