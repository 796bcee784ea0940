#include "opponent/ExtendOwnLineRules.h"

namespace quintara {

void ExtendOwnLineRules(Turn& turn) {
  (void)turn;
}

}  // namespace quintara
