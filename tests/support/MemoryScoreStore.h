#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "game/BestScores.h"
#include "game/ScoreStore.h"

namespace quintara::testing {

// The best-scores file in memory: absent, present with bytes, unreadable or unwritable.
class MemoryScoreStore : public ScoreStore {
 public:
  ReadResult Read() override {
    if (unreadable) return {ReadStatus::kUnreadable, "", "accès refusé"};
    return {file ? ReadStatus::kRead : ReadStatus::kMissing, file.value_or(""), ""};
  }
  bool Write(const std::string& bytes, std::string& reason) override {
    if (unwritable) reason = "aucun dossier ne peut être écrit";
    if (!unwritable) file = bytes;
    return !unwritable;
  }

  std::optional<std::string> file;
  bool unreadable = false;
  bool unwritable = false;
};

// A best-scores list as its filled places, best first, and back.
using Table = std::vector<std::pair<std::string, int>>;
inline Table Filled(const BestScores& scores) {
  Table table;
  for (const BestScore& e : scores) {
    if (e.name) table.emplace_back(*e.name, e.Points().value_or(-1));
  }
  return table;
}
inline BestScores Entries(const Table& table) {
  BestScores scores;
  for (std::size_t k = 0; k < table.size(); ++k)
    scores[k] = {table[k].first, std::to_string(table[k].second)};
  return scores;
}

}  // namespace quintara::testing
