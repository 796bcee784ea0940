#include "opponent/Die.h"

#include <chrono>

namespace quintara {

ClockDie::ClockDie()
    : SeededDie(
          static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count())) {}

}  // namespace quintara
