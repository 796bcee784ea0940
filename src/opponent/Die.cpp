#include "opponent/Die.h"

#include <chrono>

namespace quintara {

ClockDie::ClockDie()
    : generator_(static_cast<std::mt19937::result_type>(
          std::chrono::system_clock::now().time_since_epoch().count())) {}

int ClockDie::Roll() {
  return faces_(generator_);
}

}  // namespace quintara
