#include "board/MoveList.h"

namespace quintara {

int MoveList::Record(int index) {
  for (int slot = 1; slot <= kSlots; ++slot) {
    if (slots_[static_cast<std::size_t>(slot)] == 0) {
      slots_[static_cast<std::size_t>(slot)] = index;
      return slot;
    }
  }
  return 0;
}

int MoveList::Count() const {
  int count = 0;
  while (count < kSlots && Filled(count + 1)) ++count;
  return count;
}

}  // namespace quintara
