#include "opponent/ExtendOwnLineRules.h"

#include <array>
#include <span>

#include "opponent/Levels.h"
#include "opponent/Pattern.h"

namespace quintara {
namespace {

// Tests written in words after a pattern, each on one place (offset from the anchor).
enum class Check { kPlayable, kNotX, kNoPoint };

struct PlaceCheck {
  int offset;
  Check check;
};

struct Checks {
  std::array<PlaceCheck, 6> list{};
  int count = 0;
};

constexpr PlaceCheck Playable(int offset) {
  return {offset, Check::kPlayable};
}
constexpr PlaceCheck NotX(int offset) {
  return {offset, Check::kNotX};
}
constexpr PlaceCheck NoPoint(int offset) {
  return {offset, Check::kNoPoint};
}

template <typename... Each>
consteval Checks All(Each... each) {
  static_assert(sizeof...(each) <= 6);
  return Checks{{each...}, static_cast<int>(sizeof...(each))};
}
constexpr Checks kNoChecks{};

bool Holds(const Checks& checks, const LineReader& line) {
  for (int i = 0; i < checks.count; ++i) {
    const PlaceCheck& place = checks.list[static_cast<std::size_t>(i)];
    switch (place.check) {
      case Check::kPlayable:
        if (!line.Playable(place.offset)) return false;
        break;
      case Check::kNotX:
        if (!line.NotOther(place.offset)) return false;
        break;
      case Check::kNoPoint:
        if (!line.Empty(place.offset)) return false;
        break;
    }
  }
  return true;
}

// The eight shapes; `*` is the target and must hold no point.
constexpr Pattern kShape1 = CompilePattern(".*[O]OOX");
constexpr Pattern kShape2 = CompilePattern(".[O]O*OX");
constexpr Pattern kShape3 = CompilePattern("X[O]O*O.");
constexpr Pattern kShape4 = CompilePattern(".[O]*OOX");
constexpr Pattern kShape5 = CompilePattern("X[O]*OO.");
constexpr Pattern kShape6 = CompilePattern("X[O]OO*");
constexpr Pattern kShape7 = CompilePattern("XOO[O]*.");
constexpr Pattern kShape8 = CompilePattern("*OO[O]X");

struct ExtendRule {
  int step = 0;
  Pattern trigger;
  unsigned levels = kAllLevels;  // part of the trigger: at other levels the rule is skipped
  Checks triggerAlso;
  Checks extra;  // when these fail the chain ends without a point
};

// clang-format off
constexpr std::array<ExtendRule, 32> kExtendRules = {{
    // Horizontal
    {kHorizontal, kShape1, kAllLevels, kNoChecks, All(Playable(-2), NotX(-2))},
    {kHorizontal, kShape2, kAllLevels, kNoChecks, kNoChecks},
    {kHorizontal, kShape3, kAllLevels, kNoChecks, kNoChecks},
    {kHorizontal, kShape4, kAllLevels, kNoChecks, kNoChecks},
    {kHorizontal, kShape5, kAllLevels, kNoChecks, kNoChecks},
    {kHorizontal, kShape6, kAllLevels, All(Playable(+4)), kNoChecks},
    {kHorizontal, kShape7, kAllLevels, kNoChecks, All(Playable(+2), NotX(+2))},
    {kHorizontal, kShape8, kAllLevels, All(Playable(-4)),
     All(Playable(-3), Playable(-2), Playable(-1), Playable(0), NotX(-4))},
    // Vertical
    {kVertical, kShape1, kAllLevels, kNoChecks, All(Playable(-2), NotX(-2))},
    {kVertical, kShape2, kAllLevels, kNoChecks, kNoChecks},
    {kVertical, kShape3, kLevel4Only, kNoChecks, kNoChecks},
    {kVertical, kShape4, kAllLevels, kNoChecks, kNoChecks},
    {kVertical, kShape5, kAllLevels, kNoChecks, kNoChecks},
    {kVertical, kShape6, kAllLevels, All(Playable(+4)),
     All(Playable(-1), Playable(0), Playable(+1), Playable(+2), Playable(+3), NotX(+4))},
    {kVertical, kShape7, kAllLevels, kNoChecks, All(Playable(+2), NotX(+2))},
    {kVertical, kShape8, kAllLevels, All(Playable(-4)),
     All(Playable(-3), Playable(-2), Playable(-1), Playable(0), NotX(-4))},
    // Diagonal down-right
    {kDownRight, kShape1, kAllLevels, kNoChecks, All(Playable(-2), NotX(-2))},
    {kDownRight, kShape2, kAllLevels, kNoChecks, kNoChecks},
    {kDownRight, kShape3, kLevel4Only, kNoChecks, kNoChecks},
    {kDownRight, kShape4, kAllLevels, kNoChecks, kNoChecks},
    {kDownRight, kShape5, kAllLevels, kNoChecks, kNoChecks},
    {kDownRight, kShape6, kAllLevels, kNoChecks, All(Playable(+4), NotX(+4))},
    {kDownRight, kShape7, kAllLevels, kNoChecks, All(Playable(+2), NotX(+2))},
    {kDownRight, kShape8, kAllLevels, kNoChecks, All(Playable(-4), NotX(-4))},
    // Diagonal down-left
    {kDownLeft, kShape1, kAllLevels, kNoChecks, All(Playable(-2), NotX(-2))},
    {kDownLeft, kShape2, kAllLevels, kNoChecks, kNoChecks},
    {kDownLeft, kShape3, kLevel4Only, kNoChecks, kNoChecks},
    {kDownLeft, kShape4, kAllLevels, kNoChecks, kNoChecks},
    {kDownLeft, kShape5, kLevel4Only, kNoChecks, kNoChecks},
    {kDownLeft, kShape6, kAllLevels, All(NoPoint(+4)), All(Playable(+4), NotX(+4))},
    {kDownLeft, kShape7, kAllLevels, kNoChecks, All(Playable(+2), NotX(+2))},
    {kDownLeft, kShape8, kAllLevels, All(NoPoint(-4)), All(Playable(-4), NotX(-4))},
}};
// clang-format on

// The table holds the rules of one direction together, eight by eight.
constexpr std::size_t kRulesPerDirection = 8;
consteval bool GroupedByDirection() {
  for (std::size_t i = 0; i < kExtendRules.size(); ++i) {
    if (kExtendRules[i].step != kExtendRules[i - i % kRulesPerDirection].step) return false;
  }
  return true;
}
static_assert(GroupedByDirection());

bool TriggerHolds(const ExtendRule& rule, const LineReader& line, int level) {
  if (!RunsAtLevel(rule.levels, level)) return false;
  return line.Holds(rule.trigger, TargetTest::kMustBeEmpty) && Holds(rule.triggerAlso, line);
}

// The chain of the 32 rules for one anchor, each direction's line read once: the first rule
// whose trigger holds ends the whole chain.
void RunChainFor(Turn& turn, int anchor) {
  const std::span<const ExtendRule> rules(kExtendRules);
  for (std::size_t first = 0; first < rules.size(); first += kRulesPerDirection) {
    const LineReader line(turn.sheet, anchor, rules[first].step, ComputerColour);
    const bool ended = RunChain(
        rules.subspan(first, kRulesPerDirection),
        [&](const ExtendRule& rule) { return TriggerHolds(rule, line, turn.level); },
        [&](const ExtendRule& rule) {
          if (Holds(rule.extra, line)) turn.ChooseComputerPoint(line.At(rule.trigger.target));
        });
    if (ended) return;
  }
}

}  // namespace

void ExtendOwnLineRules(Turn& turn) {
  if (!turn.ComputerMoves.Filled(3) && turn.level != 4) return;
  // The range follows the human's count: when the computer opened the game, its newest point
  // is not tried.
  for (int j = turn.HumanMoveNumber - 1; j >= 1 && !turn.ComputerHasPlayed(); --j) {
    const int anchor = turn.ComputerMoves[j];
    if (anchor == 0) continue;  // a turn in which the computer placed nothing
    RunChainFor(turn, anchor);
  }
}

}  // namespace quintara
