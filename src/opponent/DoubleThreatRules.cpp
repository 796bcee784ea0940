#include "opponent/DoubleThreatRules.h"

namespace quintara {

void DoubleThreatRules(Turn& turn, int Anchor, int Mode, int Colour) {
  (void)turn;
  (void)Anchor;
  (void)Mode;
  (void)Colour;
}

}  // namespace quintara
