#include <gtest/gtest.h>

#include "board/MoveList.h"

namespace quintara {
namespace {

// Each point takes the next slot; a full list takes no more and says so with slot 0.
TEST(MoveList, FillsInOrderAndRefusesWhenFull) {
  MoveList moves;
  for (int slot = 1; slot <= MoveList::kSlots; ++slot) ASSERT_EQ(moves.Record(100 + slot), slot);
  EXPECT_EQ(moves.Record(5), 0);
  EXPECT_EQ(moves.Count(), MoveList::kSlots);
  EXPECT_EQ(moves[MoveList::kSlots], 100 + MoveList::kSlots);
}

}  // namespace
}  // namespace quintara
