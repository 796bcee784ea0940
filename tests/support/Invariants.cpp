#include "support/Invariants.h"

#include "board/FiveInRow.h"
#include "game/Game.h"

namespace quintara::testing {
namespace {

std::string At(const std::string& rule, int index) {
  return rule + " at row " + std::to_string(RowOf(index)) + ", column " +
         std::to_string(ColumnOf(index));
}

bool Shown(const Sheet& sheet, int index) {
  const int row = RowOf(index);
  const int column = ColumnOf(index);
  return index >= kFirstGridIndex && index <= kLastIntersection && row >= kFirstPlayableRow &&
         row <= sheet.RowMax() && column >= kFirstPlayableColumn && column <= sheet.ColMax();
}

// Every intersection on its own: a point of one side or none, and playable exactly where it is
// shown and not closed.
std::optional<std::string> BrokenOnSheet(const Sheet& sheet) {
  if (sheet.RowMax() < kFirstPlayableRow || sheet.RowMax() > kLastPlayableRow ||
      sheet.ColMax() < kFirstPlayableColumn || sheet.ColMax() > kLastPlayableColumn) {
    return "the shown area leaves the sheet";
  }
  for (int index = 0; index <= kLastPointRecord; ++index) {
    const Intersection& at = sheet.At(index);
    if (at.colour != kNoPoint && at.colour != HumanColour && at.colour != ComputerColour) {
      return At("a point of neither side", index);
    }
    const bool onGrid = index >= kFirstGridIndex && index <= kLastIntersection;
    if (!onGrid && (at.HasPoint() || at.Closed)) return At("a record off the grid in use", index);
    if (at.Playable != (Shown(sheet, index) && !at.Closed)) {
      return At(at.Playable ? "playable though closed or out of sight" : "shown yet not playable",
                index);
    }
  }
  return std::nullopt;
}

// What the event did to the points, the closed zones and the drawings.
std::optional<std::string> BrokenByEvent(const Game& game, const Snapshot& before,
                                         EventReach reach) {
  const Sheet& sheet = game.CurrentSheet();
  const std::size_t drawings = game.Drawings().size();
  int closed = 0;
  bool swept = drawings < before.drawings;
  for (int index = 0; index <= kLastPointRecord; ++index) {
    const auto slot = static_cast<std::size_t>(index);
    closed += sheet.Closed(index) ? 1 : 0;
    if (before.colour[slot] != kNoPoint && sheet.ColourAt(index) != before.colour[slot]) {
      swept = true;
    }
  }
  if (swept) {
    if (reach == EventReach::kNoPoint) return "the sheet changed without a point or a menu";
    // Nothing but the computer's opening point may follow a new sheet in the same event.
    int green = 0;
    int red = 0;
    for (int index = 0; index <= kLastPointRecord; ++index) {
      green += sheet.ColourAt(index) == HumanColour ? 1 : 0;
      red += sheet.ColourAt(index) == ComputerColour ? 1 : 0;
    }
    if (closed != 0 || drawings != 0 || green != 0 || red > 1) return "a new sheet not clean";
    return std::nullopt;
  }

  int closedBefore = 0;
  int green = 0;
  int red = 0;
  for (int index = 0; index <= kLastPointRecord; ++index) {
    const auto slot = static_cast<std::size_t>(index);
    closedBefore += before.closed[slot] ? 1 : 0;
    if (before.closed[slot] && !sheet.Closed(index)) return At("a closed zone reopened", index);
    if (sheet.ColourAt(index) == before.colour[slot]) continue;
    if (before.closed[slot]) return At("played in a closed zone", index);
    if (!Shown(sheet, index)) return At("played out of sight", index);
    // A five is framed and closed in the event that made it.
    if (FindFiveInRow(sheet, index)) return At("a five left open", index);
    (sheet.ColourAt(index) == HumanColour ? green : red) += 1;
  }
  const int most = reach == EventReach::kNoPoint ? 0 : 1;
  if (green > most || red > most) {
    return std::to_string(green) + " green and " + std::to_string(red) + " red points in one event";
  }
  // A won game adds its winning line and its frame, and closes its zone.
  const std::size_t added = drawings - before.drawings;
  if (added != 0 && added != 2) return "a game ended with " + std::to_string(added) + " drawings";
  if ((added == 2) != (closed > closedBefore)) return "a zone closed without a won game";
  return std::nullopt;
}

}  // namespace

Snapshot Snapshot::Of(const Game& game) {
  Snapshot snapshot;
  for (int index = 0; index <= kLastPointRecord; ++index) {
    const auto slot = static_cast<std::size_t>(index);
    snapshot.colour[slot] = game.CurrentSheet().ColourAt(index);
    snapshot.closed[slot] = game.CurrentSheet().Closed(index);
  }
  snapshot.drawings = game.Drawings().size();
  return snapshot;
}

std::optional<std::string> BrokenRule(const Game& game, const Snapshot& before, EventReach reach) {
  if (game.State().GameOver) return "a won game left running";
  if (game.State().ComputerHasPlayed) return "the computer's turn left open";
  const ScoreBoard& scores = game.MatchScores();
  if (scores.HumanGames < 0 || scores.ComputerGames < 0 || scores.HumanGames >= SetWinGames ||
      scores.ComputerGames >= SetWinGames) {
    return "a set that should have ended";
  }
  if (auto broken = BrokenOnSheet(game.CurrentSheet())) return broken;
  return BrokenByEvent(game, before, reach);
}

}  // namespace quintara::testing
