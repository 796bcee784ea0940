#pragma once

namespace quintara {

// The computer's four levels, "Niveau 1" to "Niveau 4".
inline constexpr int kLowestLevel = 1;
inline constexpr int kHighestLevel = 4;

// Levels as a set, for the rules that run at some levels only: bit n-1 stands for level n.
enum Levels : unsigned {
  kAllLevels = 0b1111,
  kLevel2Up = 0b1110,
  kLevel3Up = 0b1100,
  kLevel3Only = 0b0100,
  kLevel4Only = 0b1000,
};

constexpr bool RunsAtLevel(unsigned levels, int level) {
  return level >= kLowestLevel && level <= kHighestLevel &&
         (levels & (1U << (level - kLowestLevel))) != 0;
}

}  // namespace quintara
