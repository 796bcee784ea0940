#include "opponent/LineRules.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "board/Geometry.h"
#include "opponent/CrossingChoice.h"
#include "opponent/Pattern.h"

namespace quintara {
namespace {

// Places along the line are written as steps from the anchor A: +4 is A+4s, -1 is A-s.

struct Cells {
  std::array<int, 6> offsets{};
  int count = 0;
};

template <typename... Offsets>
consteval Cells IfPlayable(Offsets... offsets) {
  static_assert(sizeof...(offsets) <= 6);
  return Cells{{offsets...}, static_cast<int>(sizeof...(offsets))};
}

// The tests written after a pattern, which decide with it whether the rule holds.
enum class FurtherKind { kNone, kNotPlayable, kXOrNotPlayable };

struct FurtherTest {
  FurtherKind kind = FurtherKind::kNone;
  int offset = 0;
};

constexpr FurtherTest kNoTest{};  // the tables' "-"
consteval FurtherTest NotPlayable(int offset) {
  return {FurtherKind::kNotPlayable, offset};
}
consteval FurtherTest XOrNotPlayable(int offset) {
  return {FurtherKind::kXOrNotPlayable, offset};
}

// What a rule does once it holds. T1 and T2 are the two ends of a line; the die gives T1 on
// 4, 5 or 6 and T2 on 1, 2 or 3. "Past" cells lie one step beyond T1 and beyond T2.
enum class ActionKind {
  // If `cells` are playable: place at T1 (the pattern's `*`).
  kPlaceAt,
  // If `cells` are playable: at level 4 first CrossingChoice on T1 and T2; then T1 / T2 by the die.
  kCrossingThenDie,
  // L4.1, L4.2. If `cells` are playable: T1 / T2 by the die. Otherwise, if T2 is not playable:
  // place at T1. Otherwise, if T1 is not playable: place at T2.
  kOpenFour,
  // L3.1. If both past cells are playable: as kCrossingThenDie. Otherwise, for the computer's
  // own line only: if the cell past T1 is not playable, place at T2; otherwise, if the cell
  // past T2 is not playable, place at T1.
  kOpenThree,
  // L2.2. If both past cells hold no point and are playable: at level 4 first CrossingChoice on
  // T1 and T2; then, if the computer has not yet played, T1 / T2 by the die. Otherwise, if the
  // cell past T2 is X and it and `cells` are playable: place at T1. Otherwise, if the cell past
  // T1 is X and playable: place at T2.
  kOpenTwo,
  // L2.3. If both past cells hold no point and are playable: at level 4 CrossingChoice on T1
  // and T2. Nothing else.
  kCrossingOnly,
};

struct LineAction {
  ActionKind kind;
  Cells cells;
  int t1 = 0;
  int t2 = 0;
  int pastT1 = 0;
  int pastT2 = 0;
};

struct Ends {
  int t1;
  int t2;
};
consteval Ends ByDie(int t1, int t2) {
  return {t1, t2};
}
consteval Ends CrossingOn(int t1, int t2) {
  return {t1, t2};
}
consteval Ends PastEnds(int pastT1, int pastT2) {
  return {pastT1, pastT2};
}

consteval LineAction PlaceAt(int target, Cells playable = {}) {
  return {ActionKind::kPlaceAt, playable, target};
}
consteval LineAction CrossingThenDie(Ends ends, Cells playable = {}) {
  return {ActionKind::kCrossingThenDie, playable, ends.t1, ends.t2};
}
consteval LineAction OpenFour(Cells playable, Ends ends) {
  return {ActionKind::kOpenFour, playable, ends.t1, ends.t2};
}
consteval LineAction OpenThree(Ends ends, Ends past) {
  return {ActionKind::kOpenThree, {}, ends.t1, ends.t2, past.t1, past.t2};
}
consteval LineAction OpenTwo(Ends ends, Ends past, Cells alsoPlayable) {
  return {ActionKind::kOpenTwo, alsoPlayable, ends.t1, ends.t2, past.t1, past.t2};
}
consteval LineAction CrossingOnly(Ends ends, Ends past) {
  return {ActionKind::kCrossingOnly, {}, ends.t1, ends.t2, past.t1, past.t2};
}

struct LineRule {
  Pattern pattern;
  FurtherTest further;
  LineAction action;
};

consteval LineRule Rule(std::string_view pattern, FurtherTest further, LineAction action) {
  const Pattern compiled = CompilePattern(pattern);
  // A rule that places at a single target names the pattern's `*`.
  if (action.kind == ActionKind::kPlaceAt && (!compiled.hasTarget || compiled.target != action.t1))
    pattern_detail::BadPattern();
  return {compiled, further, action};
}

// clang-format off
constexpr std::array kLinesOfFour = {
  //          pattern      further tests       action
  /* L4.1  */ Rule(".[O]OOO.",  kNoTest,            OpenFour(IfPlayable(-1, +1, +2, +3, +4),
                                                             ByDie(+4, -1))),
  /* L4.2  */ Rule(".OOO[O].",  kNoTest,            OpenFour(IfPlayable(+1, -1, -2, -3, -4),
                                                             ByDie(-4, +1))),
  /* L4.3  */ Rule("X[O]OOO*",  kNoTest,            PlaceAt(+4, IfPlayable(+1, +2, +3, +4))),
  /* L4.4  */ Rule("*[O]OOOX",  kNoTest,            PlaceAt(-1, IfPlayable(-1, +1, +2, +3))),
  /* L4.5  */ Rule("?OOO[O]*",  NotPlayable(-4),    PlaceAt(+1)),
  /* L4.6  */ Rule("XOOO[O]*",  kNoTest,            PlaceAt(+1)),
  /* L4.7  */ Rule("*OOO[O]?",  NotPlayable(+1),    PlaceAt(-4)),
  /* L4.8  */ Rule("*OOO[O]?",  XOrNotPlayable(+1), PlaceAt(-4)),
  /* L4.9  */ Rule("[O]OO*O",   kNoTest,            PlaceAt(+3)),
  /* L4.10 */ Rule("O*OO[O]",   kNoTest,            PlaceAt(-3)),
  /* L4.11 */ Rule("OOO*[O]",   kNoTest,            PlaceAt(-1)),
  /* L4.12 */ Rule("[O]O*OO",   kNoTest,            PlaceAt(+2)),
};

constexpr std::array kLinesOfThree = {
  /* L3.1  */ Rule("..[O]OO..", kNoTest,            OpenThree(ByDie(+3, -1), PastEnds(+4, -2))),
  /* L3.2  */ Rule("..OO[O]..", kNoTest,            CrossingThenDie(ByDie(-3, +1),
                                                                    IfPlayable(-3, -2, -1, +1))),
  /* L3.3  */ Rule(".*[O]OO.X", kNoTest,            PlaceAt(-1, IfPlayable(-1, +3, +4))),
  /* L3.4  */ Rule("X.[O]OO*.", kNoTest,            PlaceAt(+3,
                                                            IfPlayable(-2, -1, +1, +2, +3, +4))),
  /* L3.5  */ Rule(".*OO[O].X", kNoTest,            PlaceAt(-3,
                                                            IfPlayable(-4, -3, -2, -1, +1, +2))),
  /* L3.6  */ Rule("X.OO[O]*.", kNoTest,            PlaceAt(+1,
                                                            IfPlayable(-4, -3, -2, -1, +1, +2))),
  /* L3.7  */ Rule(".[O]O*O.",  kNoTest,            PlaceAt(+2, IfPlayable(-1, +1, +2, +3, +4))),
  /* L3.8  */ Rule(".O*O[O].",  kNoTest,            PlaceAt(-2, IfPlayable(-4, -3, -2, -1, +1))),
  /* L3.9  */ Rule(".OO*[O].",  kNoTest,            PlaceAt(-1, IfPlayable(-4, -3, -2, -1, +1))),
  /* L3.10 */ Rule(".[O]*OO.",  kNoTest,            PlaceAt(+1, IfPlayable(-1, +1, +2, +3, +4))),
  /* L3.11 */ Rule("X.[O]OO.X", kNoTest,            CrossingThenDie(ByDie(+3, -1),
                                                                    IfPlayable(-1, +3))),
};

constexpr std::array kLinesOfTwo = {
  /* L2.1  */ Rule(".[O]*O.",   kNoTest,            PlaceAt(+1, IfPlayable(-1, +1, +2, +3))),
  /* L2.2  */ Rule(".[O]O.",    kNoTest,            OpenTwo(ByDie(+2, -1),
                                                            PastEnds(+3, -2), IfPlayable(+1))),
  /* L2.3  */ Rule(".O[O].",    kNoTest,            CrossingOnly(CrossingOn(-2, +1),
                                                                 PastEnds(-3, +2))),
};

constexpr std::array kSinglePoints = {
  /* L1.1  */ Rule("..[O]..",   kNoTest,            CrossingThenDie(ByDie(+1, -1))),
  /* L1.2  */ Rule("..*[O].X",  kNoTest,            PlaceAt(-1)),
  /* L1.3  */ Rule("X.[O]*..",  kNoTest,            PlaceAt(+1)),
};
// clang-format on

std::span<const LineRule> RulesFor(LinePoints PointCount) {
  switch (PointCount) {
    case LinePoints::kFour: return kLinesOfFour;
    case LinePoints::kThree: return kLinesOfThree;
    case LinePoints::kTwo: return kLinesOfTwo;
    case LinePoints::kOne: return kSinglePoints;
  }
  return {};
}

// One direction's reading for one call: the line through the anchor, and what the actions need.
struct LineContext {
  Turn& turn;
  const LineReader& line;
  int step;
  int DieRoll;
  PointColour OwnColour;
  bool skipThisDirection;  // the lines of two keep CrossingChoice off their own direction

  bool AllPlayable(const Cells& cells) const {
    for (int i = 0; i < cells.count; ++i) {
      if (line.NotPlayable(cells.offsets[static_cast<std::size_t>(i)])) return false;
    }
    return true;
  }
  bool EmptyAndPlayable(int k) const { return line.Empty(k) && line.Playable(k); }

  void PlaceAt(int k) const { turn.ChooseComputerPoint(line.At(k)); }
  void ByDie(int t1, int t2) const { PlaceAt(DieRoll >= 4 ? t1 : t2); }
  void CrossingChoiceAtLevel4(int firstEnd, int secondEnd) const {
    if (turn.level != 4) return;
    CrossingChoice(turn, line.At(firstEnd), line.At(secondEnd),
                   skipThisDirection ? std::optional(step) : std::nullopt);
  }
};

bool FurtherHolds(const LineReader& line, const FurtherTest& further) {
  switch (further.kind) {
    case FurtherKind::kNone: return true;
    case FurtherKind::kNotPlayable: return line.NotPlayable(further.offset);
    case FurtherKind::kXOrNotPlayable:
      return line.Other(further.offset) || line.NotPlayable(further.offset);
  }
  return true;
}

void Act(const LineContext& at, const LineAction& action) {
  const int t1 = action.t1;
  const int t2 = action.t2;
  switch (action.kind) {
    case ActionKind::kPlaceAt:
      if (at.AllPlayable(action.cells)) at.PlaceAt(t1);
      return;
    case ActionKind::kCrossingThenDie:
      if (!at.AllPlayable(action.cells)) return;
      at.CrossingChoiceAtLevel4(t1, t2);
      at.ByDie(t1, t2);  // refused when CrossingChoice has placed
      return;
    case ActionKind::kOpenFour:
      if (at.AllPlayable(action.cells)) {
        at.ByDie(t1, t2);
      } else if (at.line.NotPlayable(t2)) {
        at.PlaceAt(t1);
      } else if (at.line.NotPlayable(t1)) {
        at.PlaceAt(t2);
      }
      return;
    case ActionKind::kOpenThree:
      if (at.line.Playable(action.pastT1) && at.line.Playable(action.pastT2)) {
        at.CrossingChoiceAtLevel4(t1, t2);
        at.ByDie(t1, t2);
      } else if (at.OwnColour != ComputerColour) {
        // The human's three is not blocked by this rule.
      } else if (at.line.NotPlayable(action.pastT1)) {
        at.PlaceAt(t2);
      } else if (at.line.NotPlayable(action.pastT2)) {
        at.PlaceAt(t1);
      }
      return;
    case ActionKind::kOpenTwo:
      if (at.EmptyAndPlayable(action.pastT1) && at.EmptyAndPlayable(action.pastT2)) {
        at.CrossingChoiceAtLevel4(t1, t2);
        if (!at.turn.ComputerHasPlayed()) at.ByDie(t1, t2);
      } else if (at.line.Other(action.pastT2) && at.line.Playable(action.pastT2) &&
                 at.AllPlayable(action.cells)) {
        at.PlaceAt(t1);
      } else if (at.line.Other(action.pastT1) && at.line.Playable(action.pastT1)) {
        at.PlaceAt(t2);
      }
      return;
    case ActionKind::kCrossingOnly:
      if (at.EmptyAndPlayable(action.pastT1) && at.EmptyAndPlayable(action.pastT2)) {
        at.CrossingChoiceAtLevel4(t1, t2);
      }
      return;
  }
}

}  // namespace

void LineRules(Turn& turn, int Anchor, LinePoints PointCount, PointColour Colour) {
  // The die is thrown on every call, whether or not a rule uses it.
  const int DieRoll = turn.RollDie();
  const std::span<const LineRule> rules = RulesFor(PointCount);
  if (rules.empty()) return;

  for (const int step : kLineDirections) {
    const LineReader line(turn.sheet, Anchor, step, Colour);
    const LineContext context{turn, line, step, DieRoll, Colour, PointCount == LinePoints::kTwo};
    // The first rule that holds ends this direction's list, whether or not it places.
    RunChain(
        rules,
        [&](const LineRule& rule) {
          return line.Holds(rule.pattern, TargetTest::kMustBeEmpty) &&
                 FurtherHolds(line, rule.further);
        },
        [&](const LineRule& rule) { Act(context, rule.action); });
    if (turn.ComputerHasPlayed()) return;
  }
}

}  // namespace quintara
