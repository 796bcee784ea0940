// The computer's turn at each level, over positions recorded from seeded games: early (the
// human's 3rd point), middle (10th) and crowded (20th or later, on a sheet that already holds
// finished games). Every call answers a copy of the recorded game, so each one starts from the
// same position; only the turn itself is timed.
//
// Counters, in microseconds: median_us over all calls, worst_position_us the slowest position's
// median, max_us the slowest single call (which includes the machine's noise).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "Median.h"
#include "board/FiveInRow.h"
#include "board/ShownArea.h"
#include "game/Game.h"
#include "support/NearbyPlay.h"

namespace quintara {
namespace {

class SilentView : public GameView {
 public:
  void PointPlaced(int, PointColour, bool) override {}
  void SheetDrawn() override {}
  void SheetCleared() override {}
  void PointsTakenBack() override {}
  void TurnChanged(PointColour, const std::string&) override {}
  void ScoresChanged() override {}
  void Announce(const std::string&) override {}
  void ShowMessage(const std::string&, const std::string&) override {}
  void AskYesNo(const std::string&, const std::string&) override {}
  void Maximise() override {}
  void ShowStatistics() override {}
  void ShowOpponentDialog() override {}
  void Quit() override {}
  void PlayPointSound() override {}
  void StopPointSound() override {}
};

SilentView gView;
SeededDie gDie(2026);

enum Stage { kEarly, kMiddle, kCrowded };

// A game the human has just played in, waiting for the computer's answer.
struct Position {
  Game game;
  int HumanMoveNumber;
};

// The human's point laid as the turn cycle records it, without the computer's answer; false
// when that point would end the game (the position is then dropped).
bool PlaceHumanPoint(Game& game, int index, int& HumanMoveNumber) {
  HumanMoveNumber = game.LayPoint(index, HumanColour);
  return !FindFiveInRow(game.CurrentSheet(), index);
}

bool ClosedGamesOnSheet(const Game& game) {
  return !game.Drawings().empty();
}

std::vector<Position> RecordPositions(int level, Stage stage) {
  constexpr std::size_t kWanted = 24;
  std::vector<Position> positions;
  for (unsigned seed = 1; seed <= 400 && positions.size() < kWanted; ++seed) {
    std::mt19937 random(seed);
    Game game(gView, gDie);
    game.SetLevel(level);
    game.SetSoundOn(false);
    game.Resize(kLargestOuterWidth, kLargestOuterHeight);
    for (int click = 0; click < 400 && positions.size() < kWanted; ++click) {
      const int index = testing::NearbyPlay(game, random);
      if (index == 0) break;
      const int next = game.State().HumanMoves.Count() + 1;
      const bool wanted =
          (stage == kEarly && next == 3) || (stage == kMiddle && next == 10) ||
          (stage == kCrowded && next >= 20 && next % 4 == 0 && ClosedGamesOnSheet(game));
      if (wanted && game.TurnColour() == HumanColour) {
        Position position{game, 0};
        if (PlaceHumanPoint(position.game, index, position.HumanMoveNumber)) {
          positions.push_back(std::move(position));
        }
      }
      game.ClickIntersection(index);
      // Every box closed, and another match whenever one ends.
      while (game.WaitingFor() != Game::Question::kNone) game.Answer(true);
    }
  }
  return positions;
}

void BM_ComputerTurn(benchmark::State& state) {
  const int level = static_cast<int>(state.range(0));
  const Stage stage = static_cast<Stage>(state.range(1));
  static std::vector<Position> recorded[5][3];
  std::vector<Position>& positions = recorded[level][stage];
  if (positions.empty()) positions = RecordPositions(level, stage);
  if (positions.empty()) {
    state.SkipWithError("no position recorded");
    return;
  }

  std::vector<std::vector<double>> samples(positions.size());
  std::size_t next = 0;
  for (auto _ : state) {
    const Position& position = positions[next];
    Game game(position.game);
    const auto start = std::chrono::steady_clock::now();
    game.ComputerTurn(position.HumanMoveNumber);
    const auto stop = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(game.State().ComputerHasPlayed);
    const double seconds = std::chrono::duration<double>(stop - start).count();
    state.SetIterationTime(seconds);
    samples[next].push_back(seconds * 1e6);
    next = (next + 1) % positions.size();
  }

  std::vector<double> all;
  double worstPosition = 0;
  double slowest = 0;
  for (const std::vector<double>& calls : samples) {
    all.insert(all.end(), calls.begin(), calls.end());
    worstPosition = std::max(worstPosition, bench::Median(calls));
    for (const double call : calls) slowest = std::max(slowest, call);
  }
  state.counters["positions"] = static_cast<double>(positions.size());
  state.counters["median_us"] = bench::Median(all);
  state.counters["worst_position_us"] = worstPosition;
  state.counters["max_us"] = slowest;
  static const char* const kStageNames[] = {"early", "middle", "crowded"};
  state.SetLabel(std::string("level ") + std::to_string(level) + ", " + kStageNames[stage]);
}

BENCHMARK(BM_ComputerTurn)
    ->ArgsProduct({{1, 2, 3, 4}, {kEarly, kMiddle, kCrowded}})
    ->ArgNames({"level", "stage"})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quintara

BENCHMARK_MAIN();
