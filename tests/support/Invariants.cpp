#include "support/Invariants.h"

#include <algorithm>

#include "board/FiveInRow.h"
#include "board/FreeArea.h"
#include "game/Game.h"

namespace quintara::testing {
namespace {

std::string At(const std::string& rule, int index) {
  return rule + " at row " + std::to_string(RowOf(index)) + ", column " +
         std::to_string(ColumnOf(index));
}

bool Shown(const Sheet& sheet, int index) {
  return index >= kFirstGridIndex && index <= kLastIntersection && RowOf(index) >= 2 &&
         RowOf(index) <= sheet.RowMax() && ColumnOf(index) >= 2 &&
         ColumnOf(index) <= sheet.ColMax();
}

}  // namespace

Snapshot Snapshot::Of(const Game& game) {
  Snapshot snapshot;
  for (int index = 0; index <= kLastPointRecord; ++index) {
    snapshot.colour[static_cast<std::size_t>(index)] = game.CurrentSheet().ColourAt(index);
    snapshot.closed[static_cast<std::size_t>(index)] = game.CurrentSheet().Closed(index);
  }
  snapshot.drawings = game.Drawings().size();
  return snapshot;
}

std::optional<std::string> BrokenRule(const Game& game, const Snapshot& before, EventReach reach) {
  const Sheet& sheet = game.CurrentSheet();
  const ScoreBoard& scores = game.MatchScores();
  if (game.State().GameOver || game.State().ComputerHasPlayed) return "a turn left unfinished";
  if (std::max(scores.HumanGames, scores.ComputerGames) >= SetWinGames ||
      std::min(scores.HumanGames, scores.ComputerGames) < 0) {
    return "a set that should have ended";
  }
  if (sheet.RowMax() > kLastPlayableRow || sheet.ColMax() > kLastPlayableColumn) {
    return "the shown area leaves the sheet";
  }
  // Each intersection: a point of one side or none, playable exactly where shown and not closed.
  bool swept = game.Drawings().size() < before.drawings;  // a new sheet
  for (int index = 0; index <= kLastPointRecord; ++index) {
    const Intersection& at = sheet.At(index);
    if (at.colour != kNoPoint && at.colour != HumanColour && at.colour != ComputerColour) {
      return At("a point of neither side", index);
    }
    if (at.Playable != (Shown(sheet, index) && !at.Closed)) {
      return At(at.Playable ? "playable though closed or out of sight" : "shown yet not playable",
                index);
    }
    const PointColour was = before.colour[static_cast<std::size_t>(index)];
    swept = swept || (was != kNoPoint && at.colour != was);
  }
  if (swept && reach == EventReach::kNoPoint) return "the sheet changed without a click or menu";
  // What the event did: after a new sheet nothing but the computer's opening point; else at most
  // one point of each side, out of closed zones and in sight, and a five framed and closed.
  int green = 0;
  int red = 0;
  int newlyClosed = 0;
  for (int index = 0; index <= kLastPointRecord; ++index) {
    const auto slot = static_cast<std::size_t>(index);
    if (swept) {
      if (sheet.Closed(index)) return At("closed on a new sheet", index);
      (sheet.ColourAt(index) == HumanColour ? green : red) += sheet.HasPoint(index);
      continue;
    }
    if (before.closed[slot] && !sheet.Closed(index)) return At("a closed zone reopened", index);
    newlyClosed += sheet.Closed(index) && !before.closed[slot] ? 1 : 0;
    if (sheet.ColourAt(index) == before.colour[slot]) continue;
    if (before.closed[slot]) return At("played in a closed zone", index);
    if (!Shown(sheet, index)) return At("played out of sight", index);
    if (FindFiveInRow(sheet, index)) return At("a five left open", index);
    (sheet.ColourAt(index) == HumanColour ? green : red) += 1;
  }
  if (swept) {
    if (!game.Drawings().empty() || green != 0 || red > 1) return "a new sheet not clean";
    return std::nullopt;
  }
  if (green + red > 0 && !HasFreeIntersection(sheet)) return "a point left nobody a crossing";
  const int most = reach == EventReach::kNoPoint ? 0 : 1;
  if (green > most || red > most) {
    return std::to_string(green) + " green and " + std::to_string(red) + " red points in one event";
  }
  const std::size_t added = game.Drawings().size() - before.drawings;
  if ((added != 0 && added != 2) || (added == 2) != (newlyClosed > 0)) {
    return "a game ended without its line, frame and closed zone";
  }
  if (added == 2) {
    const SheetDrawing& line = game.Drawings()[game.Drawings().size() - 2];
    const SheetDrawing& frame = game.Drawings().back();
    for (const auto& [x, y] : {std::pair(line.x1, line.y1), {line.x2, line.y2}}) {
      if (x < frame.x1 || x > frame.x2 || y < frame.y1 || y > frame.y2)
        return "a line out of its frame";
    }
  }
  return std::nullopt;
}

}  // namespace quintara::testing
