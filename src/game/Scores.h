#pragma once

#include <array>

#include "opponent/Levels.h"

namespace quintara {

inline constexpr int SetWinGames = 5;
inline constexpr int MatchWinSets = 3;

// The score board of the running match. The sets part is shown from the first set won in the
// run.
struct ScoreBoard {
  int HumanGames = 0;
  int ComputerGames = 0;
  int HumanSets = 0;
  int ComputerSets = 0;
  bool SetsShown = false;

  bool AllZero() const {
    return HumanGames == 0 && ComputerGames == 0 && HumanSets == 0 && ComputerSets == 0;
  }
};

// The statistics of the running match, per level (index 0 unused).
struct MatchStatistics {
  std::array<int, kHighestLevel + 1> HumanWinsAtLevel{};
  std::array<int, kHighestLevel + 1> ComputerWinsAtLevel{};
  int MatchPoints = 0;
};

}  // namespace quintara
