#pragma once

#include <array>
#include <chrono>

namespace quintara::ui {

// The sizes (twips) a computer point passes through as it grows in, its bounding square's
// top-left corner fixed: 200, 100, 300, 100, 450, 440..400, 350..100, 110..150, then 170.
inline constexpr auto kGrowthSizes = [] {
  std::array<int, 42> sizes{};
  std::size_t n = 0;
  for (int size : {200, 100, 300, 100, 450}) sizes[n++] = size;
  for (int size = 440; size >= 400; size -= 10) sizes[n++] = size;
  for (int size = 350; size >= 100; size -= 10) sizes[n++] = size;
  for (int size : {110, 120, 130, 140, 150, 170}) sizes[n++] = size;
  return sizes;
}();
static_assert(kGrowthSizes.back() == 170, "every size has its place");

inline constexpr std::chrono::milliseconds kDefaultGrowthDuration{250};

// The size shown after the given time of a growth that lasts `duration`: the sizes share the
// time equally, and from the end on the point keeps its last size.
int GrowthSizeAt(std::chrono::milliseconds elapsed, std::chrono::milliseconds duration);

}  // namespace quintara::ui
