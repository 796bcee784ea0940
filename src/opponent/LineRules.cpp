#include "opponent/LineRules.h"

namespace quintara {

void LineRules(Turn& turn, int Anchor, int PointCount, int Colour) {
  // The die is thrown on every call, whether or not a rule uses it.
  turn.die.Roll();
  (void)Anchor;
  (void)PointCount;
  (void)Colour;
}

}  // namespace quintara
