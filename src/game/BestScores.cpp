#include "game/BestScores.h"

#include "game/ScoreFile.h"
#include "game/Texts.h"

namespace quintara {
namespace {

constexpr int kPlacesExamined = 6;
constexpr int kPlacesShown = 3;
constexpr const char* kLineEnd = "\r\n";

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

std::string BestScoresText(const BestScores& scores) {
  std::string text = std::string(13, ' ') + "JOUEURS" + std::string(55, ' ') + "SCORES" + kLineEnd;
  text += kLineEnd;
  for (int place = 0; place < kPlacesShown; ++place) {
    const BestScore& entry = scores[static_cast<std::size_t>(place)];
    const std::string name = entry.name ? texts::IsolatedName(*entry.name) : "";
    text += "  " + name + std::string(74, ' ') + entry.points.value_or("") + kLineEnd;
  }
  return text;
}

}  // namespace quintara
