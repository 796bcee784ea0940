#include "opponent/ComputerTurn.h"

#include <array>

#include "board/Geometry.h"
#include "opponent/DoubleThreatRules.h"
#include "opponent/ExtendOwnLineRules.h"
#include "opponent/Levels.h"
#include "opponent/LineRules.h"

namespace quintara {
namespace {

enum class Call { kLineRules, kDoubleThreatRules, kExtendOwnLineRules };
enum class Anchors { kNone, kComputer, kHuman };

using Condition = bool (*)(const Turn&);

bool Always(const Turn& /*turn*/) {
  return true;
}
bool ComputerHasEightPoints(const Turn& t) {
  return t.ComputerMoves.Filled(8);
}
bool HumanHasThreeToSevenPoints(const Turn& t) {
  return t.HumanMoves.Filled(3) && !t.HumanMoves.Filled(8);
}
bool ComputerHasSixPointsOrLevel4(const Turn& t) {
  return t.ComputerMoves.Filled(6) || t.level == 4;
}

// The rules a step calls, with the mode each family takes.
struct StepCall {
  Call family;
  LinePoints PointCount{};  // LineRules
  ThreatMode Mode{};        // DoubleThreatRules
};
constexpr StepCall Lines(LinePoints PointCount) {
  return {Call::kLineRules, PointCount, {}};
}
constexpr StepCall DoubleThreats(ThreatMode Mode) {
  return {Call::kDoubleThreatRules, {}, Mode};
}
constexpr StepCall kExtendOwnLine{Call::kExtendOwnLineRules};

struct CascadeStep {
  unsigned levels = kAllLevels;
  Condition condition = nullptr;
  StepCall call;
  Anchors anchors = Anchors::kNone;
  PointColour colour = kNoPoint;
};

// Steps 1 to 16 of the cascade, in order; the fallbacks (17, 18) follow in ComputerTurn.
constexpr std::array<CascadeStep, 16> kCascade = {{
    /*  1 */ {kAllLevels, Always, Lines(LinePoints::kFour), Anchors::kComputer, ComputerColour},
    /*  2 */ {kAllLevels, Always, Lines(LinePoints::kFour), Anchors::kHuman, HumanColour},
    /*  3 */
    {kLevel3Up, Always, DoubleThreats(ThreatMode::kThree), Anchors::kComputer, ComputerColour},
    /*  4 */ {kAllLevels, Always, Lines(LinePoints::kThree), Anchors::kComputer, ComputerColour},
    /*  5 */ {kLevel3Only, ComputerHasEightPoints, kExtendOwnLine, Anchors::kNone, kNoPoint},
    /*  6 */ {kAllLevels, Always, Lines(LinePoints::kThree), Anchors::kHuman, HumanColour},
    /*  7 */ {kLevel2Up, Always, DoubleThreats(ThreatMode::kThree), Anchors::kHuman, HumanColour},
    /*  8 */
    {kLevel3Up, Always, DoubleThreats(ThreatMode::kTwo), Anchors::kComputer, ComputerColour},
    /*  9 */ {kAllLevels, Always, Lines(LinePoints::kTwo), Anchors::kComputer, ComputerColour},
    /* 10 */
    {kLevel4Only, HumanHasThreeToSevenPoints, Lines(LinePoints::kTwo), Anchors::kHuman,
     HumanColour},
    /* 11 */ {kLevel2Up, Always, DoubleThreats(ThreatMode::kTwo), Anchors::kHuman, HumanColour},
    /* 12 */ {kLevel2Up, ComputerHasSixPointsOrLevel4, kExtendOwnLine, Anchors::kNone, kNoPoint},
    /* 13 */
    {kLevel4Only, Always, DoubleThreats(ThreatMode::kBlockOpenTwo), Anchors::kHuman, HumanColour},
    /* 14 */ {kLevel4Only, Always, kExtendOwnLine, Anchors::kNone, kNoPoint},
    /* 15 */ {kAllLevels, Always, Lines(LinePoints::kOne), Anchors::kComputer, ComputerColour},
    /* 16 */ {kAllLevels, Always, kExtendOwnLine, Anchors::kNone, kNoPoint},
}};

void CallRules(Turn& turn, const CascadeStep& step, int anchor) {
  if (step.call.family == Call::kLineRules) {
    LineRules(turn, anchor, step.call.PointCount, step.colour);
  } else {
    DoubleThreatRules(turn, anchor, step.call.Mode, step.colour);
  }
}

// Newest point first; empty slots are skipped and the loop ends as soon as the computer has
// played.
void OverAnchors(Turn& turn, const CascadeStep& step) {
  const bool computer = step.anchors == Anchors::kComputer;
  const MoveList& moves = computer ? turn.ComputerMoves : turn.HumanMoves;
  const int newest = computer ? turn.ComputerMoves.Count() : turn.HumanMoveNumber;
  for (int slot = newest; slot >= 1 && !turn.ComputerHasPlayed(); --slot) {
    const int anchor = moves[slot];
    if (anchor != 0) CallRules(turn, step, anchor);
  }
}

bool PlayableAndEmpty(const Turn& turn, int index) {
  return turn.sheet.Playable(index) && !turn.sheet.HasPoint(index);
}

}  // namespace

std::optional<int> ComputerTurn(Turn& turn) {
  for (const CascadeStep& step : kCascade) {
    if (turn.ComputerHasPlayed()) return turn.Point();
    if (!RunsAtLevel(step.levels, turn.level) || !step.condition(turn)) continue;
    if (step.call.family == Call::kExtendOwnLineRules) {
      ExtendOwnLineRules(turn);
    } else {
      OverAnchors(turn, step);
    }
  }
  if (turn.ComputerHasPlayed() || turn.HumanMoveNumber < 1) return turn.Point();
  NeighbourFallback(turn);
  if (!turn.ComputerHasPlayed()) BoxFallback(turn);
  return turn.Point();
}

void NeighbourFallback(Turn& turn) {
  const int last = turn.HumanMoves[turn.HumanMoveNumber];
  if (last == 0) return;
  // Right, left, above, below, above-left, below-right, below-left, above-right.
  constexpr std::array<int, 8> kNeighbours = {+kHorizontal, -kHorizontal, -kVertical, +kVertical,
                                              -kDownRight,  +kDownRight,  +kDownLeft, -kDownLeft};
  for (const int offset : kNeighbours) {
    if (PlayableAndEmpty(turn, last + offset)) {
      turn.ChooseComputerPoint(last + offset);
      return;
    }
  }
}

void BoxFallback(Turn& turn) {
  // Only the first place beyond the right end is tested for playability; the first test that
  // holds ends the turn whether or not the point is accepted.
  const GameBox& box = turn.box;
  const Sheet& sheet = turn.sheet;
  if (PlayableAndEmpty(turn, box.BoxRightIndex + kHorizontal)) {
    turn.ChooseComputerPoint(box.BoxRightIndex + kHorizontal);
  } else if (!sheet.HasPoint(box.BoxLeftIndex - kHorizontal)) {
    turn.ChooseComputerPoint(box.BoxLeftIndex - kHorizontal);
  } else if (!sheet.HasPoint(box.BoxBottomIndex + kVertical)) {
    turn.ChooseComputerPoint(box.BoxBottomIndex + kVertical);
  } else if (!sheet.HasPoint(box.BoxTopIndex - kVertical)) {
    turn.ChooseComputerPoint(box.BoxTopIndex - kVertical);
  }
}

}  // namespace quintara
