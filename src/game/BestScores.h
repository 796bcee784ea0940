#pragma once

#include <array>
#include <optional>
#include <string>

namespace quintara {

// One place of the best scores: the player's name and the points as decimal text, each absent
// for an empty entry.
struct BestScore {
  std::optional<std::string> name;
  std::optional<std::string> points;

  // The points as a number; an empty entry counts below any points.
  std::optional<int> Points() const;
  bool operator==(const BestScore&) const = default;
};

inline constexpr int kBestScorePlaces = 10;
using BestScores = std::array<BestScore, kBestScorePlaces>;

// Places 1 to 6 are examined in order: the first whose points are smaller than `points` takes
// the new entry and the places below move down, the tenth dropping out. Ties go below. Returns
// the place taken, or 0 when the list is unchanged.
int InsertBestScore(BestScores& scores, const std::string& name, int points);

// The statistics window shows places 1 to 3; the others stay in the file.
inline constexpr int kBestScoresShown = 3;

}  // namespace quintara
