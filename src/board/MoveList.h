#pragma once

#include <array>

namespace quintara {

// One side's points of the running game: slots 1..700 in order of play, 0 = empty slot.
class MoveList {
 public:
  static constexpr int kSlots = 700;

  // Slots outside 1..700 read as empty.
  int operator[](int slot) const {
    return slot >= 1 && slot <= kSlots ? slots_[static_cast<std::size_t>(slot)] : 0;
  }
  bool Filled(int slot) const { return (*this)[slot] != 0; }

  // Writes the index into the first empty slot and returns that slot (0 when all are full).
  int Record(int index);

  // The number of points: the slots filled from slot 1 up to the first empty one.
  int Count() const;

  void Clear() { slots_.fill(0); }

 private:
  std::array<int, kSlots + 1> slots_{};
};

}  // namespace quintara
