#pragma once

#include <optional>

namespace quintara {

// The window's outer size never exceeds this (twips).
inline constexpr int kLargestOuterWidth = 12120;
inline constexpr int kLargestOuterHeight = 8700;
// The window's outer size at its design size (client area 8880 x 5850 plus the frame).
inline constexpr int kDesignOuterWidth = 9000;
inline constexpr int kDesignOuterHeight = 6555;

// The window's outer size (twips).
struct OuterSize {
  int width;
  int height;
};

// The last shown row for an outer window height.
int RowMaxForHeight(int outerHeight);

// The last shown column for an outer window width; none for a width below the first band or
// in a gap between two bands, where the shown columns stay as they were.
std::optional<int> ColMaxForWidth(int outerWidth);

}  // namespace quintara
