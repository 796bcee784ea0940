#pragma once

#include <random>

namespace quintara {

// The opponent's only randomness: a die from 1 to 6 that chooses between the two ends of a line.
class DieSource {
 public:
  virtual ~DieSource() = default;
  virtual int Roll() = 0;
};

// A die that rolls the same faces for the same seed: for replays, tests and benchmarks.
class SeededDie : public DieSource {
 public:
  explicit SeededDie(unsigned seed) : generator_(seed) {}
  int Roll() override { return faces_(generator_); }

 private:
  std::mt19937 generator_;
  std::uniform_int_distribution<int> faces_{1, 6};
};

// The program's die: seeded from the clock once, one roll per call.
class ClockDie : public SeededDie {
 public:
  ClockDie();
};

}  // namespace quintara
