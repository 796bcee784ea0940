#pragma once

#include <random>

namespace quintara {

// The opponent's only randomness: a die from 1 to 6 that chooses between the two ends of a line.
class DieSource {
 public:
  virtual ~DieSource() = default;
  virtual int Roll() = 0;
};

// The program's die: seeded from the clock once, one roll per call.
class ClockDie : public DieSource {
 public:
  ClockDie();
  int Roll() override;

 private:
  std::mt19937 generator_;
  std::uniform_int_distribution<int> faces_{1, 6};
};

}  // namespace quintara
