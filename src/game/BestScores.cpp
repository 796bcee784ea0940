#include "game/BestScores.h"

#include "game/ScoreFile.h"

namespace quintara {
namespace {

constexpr int kPlacesExamined = 6;

}  // namespace

std::optional<int> BestScore::Points() const {
  if (!points) return std::nullopt;
  return PointsValue(*points);
}

int InsertBestScore(BestScores& scores, const std::string& name, int points) {
  for (int place = 1; place <= kPlacesExamined; ++place) {
    const auto& entry = scores[static_cast<std::size_t>(place - 1)];
    const std::optional<int> entryPoints = entry.Points();
    if (entryPoints && *entryPoints >= points) continue;
    for (int below = kBestScorePlaces; below > place; --below) {
      scores[static_cast<std::size_t>(below - 1)] = scores[static_cast<std::size_t>(below - 2)];
    }
    scores[static_cast<std::size_t>(place - 1)] = BestScore{name, std::to_string(points)};
    return place;
  }
  return 0;
}

}  // namespace quintara
