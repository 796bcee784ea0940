#pragma once

namespace quintara {

// The bounding box of the running game's points, as the hit-area positions (twips) of its
// extreme points and the intersections that hold them.
struct GameBox {
  // Set-up values lie beyond every position a point can have, so the first point sets all four.
  static constexpr int kUnsetTop = 9000;
  static constexpr int kUnsetLeft = 13000;  // right of the last column's hit area (12100)
  static constexpr int kUnsetBottom = -150;
  static constexpr int kUnsetRight = -500;

  int BoxTop = kUnsetTop;
  int BoxBottom = kUnsetBottom;
  int BoxLeft = kUnsetLeft;
  int BoxRight = kUnsetRight;
  int BoxTopIndex = 9000;
  int BoxBottomIndex = 0;
  int BoxLeftIndex = 9000;
  int BoxRightIndex = 0;

  // Widens the box to hold the point; on a tie the earlier point stays the extreme.
  void ExtendGameBox(int index);

  // Puts the four positions back to their set-up values (the indices stay).
  void ResetPositions();
};

}  // namespace quintara
