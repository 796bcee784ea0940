#include "board/GameBox.h"

#include "board/Geometry.h"

namespace quintara {

void GameBox::ExtendGameBox(int index) {
  const int y = HitAreaTop(index);
  const int x = HitAreaLeft(index);
  if (y < BoxTop) {
    BoxTop = y;
    BoxTopIndex = index;
  }
  if (y > BoxBottom) {
    BoxBottom = y;
    BoxBottomIndex = index;
  }
  if (x < BoxLeft) {
    BoxLeft = x;
    BoxLeftIndex = index;
  }
  if (x > BoxRight) {
    BoxRight = x;
    BoxRightIndex = index;
  }
}

void GameBox::ResetPositions() {
  BoxTop = kUnsetTop;
  BoxLeft = kUnsetLeft;
  BoxBottom = kUnsetBottom;
  BoxRight = kUnsetRight;
}

}  // namespace quintara
