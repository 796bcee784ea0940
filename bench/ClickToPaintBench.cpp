// The time from a click on the sheet to the painted reply, at each level, on crowded sheets.
// The real main window (on Qt's offscreen platform unless another is chosen) plays seeded games
// with the mouse until its sheet is crowded: finished games framed on it and at least
// kCrowdedPoints points. From then on each click is timed from the mouse press, through the
// game's turn and the computer's answer, to the end of a forced repaint of the whole window.
//
// Counters, in milliseconds: median_ms over all timed clicks, worst_ms the slowest one;
// points_on_sheet the mean number of points on the sheet when clicked.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

#include "Median.h"
#include "WindowPlay.h"
#include "board/ShownArea.h"

namespace quintara::bench {
namespace {

constexpr int kCrowdedPoints = 120;

bool Crowded(const Game& game) {
  return !game.Drawings().empty() && PointsOnSheet(game) >= kCrowdedPoints;
}

// One more game won by a side that has two sets and four games ends the match, and the match's
// end opens the statistics window modally; the player starts a new run before that.
bool MatchPoint(const Game& game) {
  const ScoreBoard& board = game.MatchScores();
  return (board.HumanSets == MatchWinSets - 1 && board.HumanGames == SetWinGames - 1) ||
         (board.ComputerSets == MatchWinSets - 1 && board.ComputerGames == SetWinGames - 1);
}

// A window at its largest size playing one seeded run at one level.
struct Run {
  Run(int level, unsigned seed) : die(seed), random(seed), window(die) {
    answers.whenEmpty = true;
    window.game().SetLevel(level);
    window.show();
    window.resizeClient(ui::ClientPixels(kLargestOuterWidth, kLargestOuterHeight));
    QApplication::processEvents();
  }
  testing::BoxAnswers answers;
  SeededDie die;
  std::mt19937 random;
  ui::MainWindow window;
};

void BM_ClickToPaintedReply(benchmark::State& state) {
  const int level = static_cast<int>(state.range(0));
  unsigned seed = 1;
  auto run = std::make_unique<Run>(level, seed);
  std::vector<double> samples;
  double points = 0;

  for (auto _ : state) {
    // Untimed: play on until the sheet is crowded, on a fresh run when a match would end.
    int index = 0;
    for (;;) {
      Game& game = run->window.game();
      if (MatchPoint(game)) {
        run = std::make_unique<Run>(level, ++seed);
        continue;
      }
      index = NearbyPlay(game, run->random);
      if (Crowded(game) && game.TurnColour() == HumanColour && index != 0) break;
      if (index == 0) {
        run = std::make_unique<Run>(level, ++seed);
        continue;
      }
      ClickSheet(run->window, index);
    }
    QApplication::processEvents();
    points += PointsOnSheet(run->window.game());

    const auto start = std::chrono::steady_clock::now();
    ClickSheet(run->window, index);
    run->window.repaint();
    const auto stop = std::chrono::steady_clock::now();

    if (!run->window.game().CurrentSheet().HasPoint(index)) {
      state.SkipWithError("the click placed no point");
      break;
    }
    const double seconds = std::chrono::duration<double>(stop - start).count();
    state.SetIterationTime(seconds);
    samples.push_back(seconds * 1e3);
  }

  state.counters["median_ms"] = Median(samples);
  state.counters["worst_ms"] =
      samples.empty() ? 0 : *std::max_element(samples.begin(), samples.end());
  state.counters["points_on_sheet"] = samples.empty() ? 0 : points / double(samples.size());
  state.SetLabel("level " + std::to_string(level) + ", crowded sheet");
}

BENCHMARK(BM_ClickToPaintedReply)
    ->DenseRange(1, 4)
    ->ArgName("level")
    ->Iterations(200)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quintara::bench

int main(int argc, char** argv) {
  // Offscreen unless a platform is chosen: the benchmark needs no display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The offscreen platform's notes on window hints would bury the figures.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
