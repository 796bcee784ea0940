#include "ui/PointGrowth.h"

namespace quintara::ui {

int GrowthSizeAt(std::chrono::milliseconds elapsed, std::chrono::milliseconds duration) {
  if (elapsed >= duration || duration.count() <= 0) return kGrowthSizes.back();
  if (elapsed.count() < 0) return kGrowthSizes.front();
  const auto step = static_cast<std::size_t>(
      elapsed.count() * static_cast<long long>(kGrowthSizes.size()) / duration.count());
  return kGrowthSizes[step];
}

}  // namespace quintara::ui
