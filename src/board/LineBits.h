#pragma once

// One line of the sheet around a reference place, packed for the computer's rules: the nine
// places from four steps before the reference to four steps after, three bits each (a
// computer point, a human point, playable). A rule then tests a whole line with one mask.

#include <cstdint>

namespace quintara::line_bits {

using Bits = std::uint32_t;

inline constexpr int kReach = 4;
inline constexpr int kBitsPerPlace = 3;
inline constexpr Bits kComputer = 1;
inline constexpr Bits kHuman = 2;
inline constexpr Bits kPlayable = 4;
inline constexpr Bits kPoint = kComputer | kHuman;
inline constexpr Bits kPlace = kPoint | kPlayable;

constexpr bool InReach(int k) {
  return k >= -kReach && k <= kReach;
}

// The bits of the place k steps from the reference.
constexpr Bits At(int k, Bits bits) {
  return bits << (kBitsPerPlace * (k + kReach));
}

// The same bits at every place of the line.
constexpr Bits Everywhere(Bits bits) {
  Bits all = 0;
  for (int k = -kReach; k <= kReach; ++k) all |= At(k, bits);
  return all;
}

// The line with the computer's and the human's points exchanged.
constexpr Bits SwapSides(Bits line) {
  constexpr Bits computer = Everywhere(kComputer);
  constexpr Bits human = Everywhere(kHuman);
  return (line & ~(computer | human)) | ((line & computer) << 1) | ((line & human) >> 1);
}

// The line read in the opposite direction.
constexpr Bits Reversed(Bits line) {
  Bits reversed = 0;
  for (int k = -kReach; k <= kReach; ++k)
    reversed |= At(-k, (line >> (kBitsPerPlace * (k + kReach))) & kPlace);
  return reversed;
}

}  // namespace quintara::line_bits
