#pragma once

#include "opponent/Die.h"

namespace quintara {

// The program's die, made at the first call: seeded from the clock, or, when the environment
// variable QUINTARA_DIE_SEED holds a whole number (0 to 4294967295), a die of that seed, so that
// a run can be played again exactly (the tests of the real program).
DieSource& ProgramDie();

}  // namespace quintara
