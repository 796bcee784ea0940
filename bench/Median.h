#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace quintara::bench {

// The middle value of the samples (the upper one of an even count); 0 when there is none.
inline double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
  std::nth_element(values.begin(), middle, values.end());
  return *middle;
}

}  // namespace quintara::bench
