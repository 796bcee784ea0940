#include "SoakChecks.h"

#include <QLabel>

#include "board/ShownArea.h"
#include "game/Game.h"
#include "ui/Bars.h"
#include "ui/ClientArea.h"
#include "ui/Colours.h"
#include "ui/RightPanel.h"
#include "ui/Twips.h"
#include "ui/frmJeuxDePoints.h"

namespace quintara::testing {
namespace {

bool ShowsCount(const QLabel* label, int count) {
  return label != nullptr && label->text() == QString::number(count);
}

std::optional<QString> Broken(const QString& rule, int index = -1) {
  if (index < 0) return rule;
  return QStringLiteral("%1 (intersection %2: row %3, column %4)")
      .arg(rule)
      .arg(index)
      .arg(RowOf(index))
      .arg(ColumnOf(index));
}

// Every intersection on its own, and the shown area.
std::optional<QString> BrokenOnSheet(const ui::frmJeuxDePoints& window) {
  const Game& game = window.game();
  const Sheet& sheet = game.CurrentSheet();
  if (sheet.RowMax() < kFirstPlayableRow || sheet.RowMax() > kLastPlayableRow ||
      sheet.ColMax() < kFirstPlayableColumn || sheet.ColMax() > kLastPlayableColumn) {
    return Broken(QStringLiteral("shown area %1 rows, %2 columns out of the sheet")
                      .arg(sheet.RowMax())
                      .arg(sheet.ColMax()));
  }
  // The shown area is the window's, once the window has settled.
  const QSize client = window.client().size();
  QSize outer = ui::OuterTwips(client);
  if (outer.width() > kLargestOuterWidth || outer.height() > kLargestOuterHeight) {
    outer = QSize(kLargestOuterWidth, kLargestOuterHeight);
  }
  if (outer != QSize(game.OuterWidth(), game.OuterHeight())) {
    return Broken(QStringLiteral("the game takes the window for %1 x %2 twips, it is %3 x %4")
                      .arg(game.OuterWidth())
                      .arg(game.OuterHeight())
                      .arg(outer.width())
                      .arg(outer.height()));
  }
  for (int index = 0; index <= kLastPointRecord; ++index) {
    const Intersection& at = sheet.At(index);
    if (at.colour != kNoPoint && at.colour != HumanColour && at.colour != ComputerColour) {
      return Broken(QStringLiteral("colour %1 is neither side's").arg(at.colour), index);
    }
    const bool onGrid = index >= kFirstGridIndex && index <= kLastIntersection;
    if (!onGrid && (at.HasPoint() || at.Playable || at.Closed)) {
      return Broken(QStringLiteral("a record off the grid is used"), index);
    }
    if (!at.Playable) continue;
    if (at.Closed) return Broken(QStringLiteral("closed yet playable"), index);
    const int row = RowOf(index);
    const int column = ColumnOf(index);
    if (row < kFirstPlayableRow || row > sheet.RowMax() || column < kFirstPlayableColumn ||
        column > sheet.ColMax()) {
      return Broken(QStringLiteral("playable outside rows 2..%1, columns 2..%2")
                        .arg(sheet.RowMax())
                        .arg(sheet.ColMax()),
                    index);
    }
    if (CrossingX(index) / ui::kTwipsPerPixel >= client.width() ||
        CrossingY(index) / ui::kTwipsPerPixel >= client.height()) {
      return Broken(QStringLiteral("playable beyond the window's edge"), index);
    }
  }
  return std::nullopt;
}

// What the event did to the points and the closed zones.
std::optional<QString> BrokenByEvent(const SheetSnapshot& before, const SheetSnapshot& after,
                                     const Sheet& sheet, EventReach reach) {
  bool pointGone = false;
  for (int index = 0; index <= kLastPointRecord; ++index) {
    const auto slot = static_cast<std::size_t>(index);
    if (before.colour[slot] != kNoPoint && after.colour[slot] != before.colour[slot]) {
      pointGone = true;
    }
  }
  const bool newSheet = pointGone || after.drawings < before.drawings;
  if (newSheet) {
    if (reach != EventReach::kMaySweep && reach != EventReach::kOnePoint) {
      return Broken(QStringLiteral("a point vanished without a new sheet"));
    }
    // Nothing but the computer's opening point can follow a new sheet in the same event.
    if (after.closedCount != 0 || after.drawings != 0 || after.green != 0 || after.red > 1) {
      return Broken(QStringLiteral("a new sheet left %1 closed, %2 drawings, %3 green, %4 red")
                        .arg(after.closedCount)
                        .arg(after.drawings)
                        .arg(after.green)
                        .arg(after.red));
    }
    return std::nullopt;
  }

  for (int index = 0; index <= kLastPointRecord; ++index) {
    const auto slot = static_cast<std::size_t>(index);
    if (before.closed[slot] && !after.closed[slot]) {
      return Broken(QStringLiteral("a closed zone reopened"), index);
    }
    if (after.colour[slot] == before.colour[slot]) continue;
    if (before.closed[slot]) return Broken(QStringLiteral("played in a closed zone"), index);
    if (!sheet.InShownArea(index)) {
      return Broken(QStringLiteral("played outside the shown area"), index);
    }
  }
  const int red = after.red - before.red;
  const int green = after.green - before.green;
  const int maxPoints = reach == EventReach::kNoPoint ? 0 : 1;
  if (red > maxPoints || green > maxPoints) {
    return Broken(QStringLiteral("%1 red and %2 green points in one event").arg(red).arg(green));
  }
  if (reach == EventReach::kNoPoint && after.closedCount != before.closedCount) {
    return Broken(QStringLiteral("a zone closed without a point"));
  }
  return std::nullopt;
}

// The right-hand panel shows what the game counts.
std::optional<QString> BrokenOnPanel(const ui::frmJeuxDePoints& window) {
  const Game& game = window.game();
  const ScoreBoard& scores = game.MatchScores();
  const ui::RightPanel& panel = window.client().rightPanel();
  const ui::ScoreBoardPanel& board = panel.scoreBoard();
  if (!ShowsCount(&board.greenGames(), scores.HumanGames) ||
      !ShowsCount(&board.redGames(), scores.ComputerGames) ||
      !ShowsCount(board.findChild<QLabel*>(QStringLiteral("Manches Joueur 1")), scores.HumanSets) ||
      !ShowsCount(board.findChild<QLabel*>(QStringLiteral("Manches Joueur 2")),
                  scores.ComputerSets)) {
    return Broken(QStringLiteral("the board shows %1-%2 games, the game counts %3-%4 games "
                                 "and %5-%6 sets")
                      .arg(board.greenGames().text(), board.redGames().text())
                      .arg(scores.HumanGames)
                      .arg(scores.ComputerGames)
                      .arg(scores.HumanSets)
                      .arg(scores.ComputerSets));
  }
  if (board.setsShown() != scores.SetsShown) {
    return Broken(QStringLiteral("the sets are shown when they should not be, or the reverse"));
  }
  if (scores.HumanGames >= SetWinGames || scores.ComputerGames >= SetWinGames ||
      scores.HumanGames < 0 || scores.ComputerGames < 0) {
    return Broken(QStringLiteral("a set that should have ended"));
  }
  if (panel.statusLine().text() != QString::fromStdString(game.StatusText()) ||
      panel.turnIndicator().colour() != ui::FromRgbNumber(game.TurnColour())) {
    return Broken(QStringLiteral("the turn shown is not the game's"));
  }
  if (window.client().topBar().levelText().text() !=
      QStringLiteral("Niveau %1").arg(game.Level())) {
    return Broken(QStringLiteral("the level shown is not the game's"));
  }
  return std::nullopt;
}

}  // namespace

SheetSnapshot SheetSnapshot::Of(const Game& game) {
  SheetSnapshot snapshot;
  const Sheet& sheet = game.CurrentSheet();
  for (int index = 0; index <= kLastPointRecord; ++index) {
    const auto slot = static_cast<std::size_t>(index);
    const Intersection& at = sheet.At(index);
    snapshot.colour[slot] = at.colour;
    snapshot.closed[slot] = at.Closed;
    snapshot.red += at.colour == ComputerColour ? 1 : 0;
    snapshot.green += at.colour == HumanColour ? 1 : 0;
    snapshot.closedCount += at.Closed ? 1 : 0;
  }
  snapshot.drawings = game.Drawings().size();
  return snapshot;
}

std::optional<QString> BrokenRule(const ui::frmJeuxDePoints& window, const SheetSnapshot& before,
                                  const SheetSnapshot& after, EventReach reach) {
  const Game& game = window.game();
  if (game.State().GameOver) return Broken(QStringLiteral("GameOver left set"));
  if (game.State().ComputerHasPlayed) return Broken(QStringLiteral("ComputerHasPlayed left set"));
  if (auto broken = BrokenOnSheet(window)) return broken;
  if (auto broken = BrokenByEvent(before, after, game.CurrentSheet(), reach)) return broken;
  return BrokenOnPanel(window);
}

}  // namespace quintara::testing
