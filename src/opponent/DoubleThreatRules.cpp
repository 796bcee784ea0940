#include "opponent/DoubleThreatRules.h"

#include <array>
#include <optional>

#include "opponent/Pattern.h"

namespace quintara {
namespace {

// --- Triggers: a short line of the side through the anchor, and where it would grow ----------

struct Trigger {
  Pattern pattern;
  // A place that must hold an X point or be not playable (the closed end of a three).
  std::optional<int> closedEnd;
  // Where the line would grow, examined in this order (C1, then C2 when there is one).
  int firstCandidate = 0;
  std::optional<int> secondCandidate;
};

constexpr std::array<Trigger, 4> kMode2Triggers = {{
    {CompilePattern("-.O[O].-"), {}, +1, +2},
    {CompilePattern("..[O].O."), {}, +1, {}},
    {CompilePattern("..[O]O.-"), {}, -1, -2},
    {CompilePattern(".[O].O-"), {}, -1, -2},
}};

constexpr std::array<Trigger, 2> kMode3Triggers = {{
    {CompilePattern("?OO[O].-"), -3, +1, +2},
    {CompilePattern("-.[O]OO?"), +3, -1, -2},
}};

// Read with the computer as own side: X is always the human's point.
constexpr std::array<Trigger, 1> kMode21Triggers = {{
    {CompilePattern(".[X]X.."), {}, -1, +2},
}};

// --- Candidate rules: a second line through the candidate `*`, in another direction ----------

struct Family {
  Pattern pattern;
  bool playabilityTest = false;
};

struct CandidateRule {
  char family;
  int step;
};

// ThreeRules: a point on the candidate makes a three of the side.
constexpr std::array<Family, 9> kThreeFamilies = {{
    /* A */ {CompilePattern("-OO*-"), true},
    /* B */ {CompilePattern("-O.O*-"), true},
    /* C */ {CompilePattern("-*OO-"), true},
    /* D */ {CompilePattern("-*O.O-"), true},
    /* E */ {CompilePattern("-OO.*-"), true},
    /* F */ {CompilePattern("-*.OO-"), true},
    /* G */ {CompilePattern("-O*O-"), true},
    /* H */ {CompilePattern("-O*.O-"), false},
    /* I */ {CompilePattern("-O.*O-"), false},
}};

// clang-format off
constexpr std::array<CandidateRule, 36> kThreeRules = {{
    {'A', kDownLeft}, {'B', kDownLeft}, {'A', kVertical}, {'B', kVertical},
    {'A', kDownRight}, {'B', kDownRight}, {'A', kHorizontal}, {'B', kHorizontal},
    {'C', kDownLeft}, {'D', kDownLeft}, {'C', kVertical}, {'D', kVertical},
    {'C', kDownRight}, {'D', kDownRight}, {'C', kHorizontal}, {'D', kHorizontal},
    {'E', kDownLeft}, {'E', kVertical}, {'E', kDownRight}, {'E', kHorizontal},
    {'F', kDownLeft}, {'F', kVertical}, {'F', kDownRight}, {'F', kHorizontal},
    {'G', kVertical}, {'G', kDownLeft}, {'G', kDownRight}, {'G', kHorizontal},
    {'H', kDownLeft}, {'H', kVertical}, {'H', kDownRight}, {'H', kHorizontal},
    {'I', kDownLeft}, {'I', kVertical}, {'I', kDownRight}, {'I', kHorizontal},
}};
// clang-format on

// TwoRules (mode 21, level 4): a point on the candidate makes an open two of the computer.
// L and M are raw strings: in an ordinary literal their "??-" draws GCC's -Wtrigraphs warning.
constexpr std::array<Family, 5> kTwoFamilies = {{
    /* J */ {CompilePattern("--O*-"), true},
    /* K */ {CompilePattern("-*O--"), true},
    /* L */ {CompilePattern(R"(-O.*-??-)"), true},
    /* M */ {CompilePattern(R"(-??-*.O-)"), true},
    /* N */ {CompilePattern("--*O-"), true},
}};

// clang-format off
constexpr std::array<CandidateRule, 20> kTwoRules = {{
    {'J', kDownLeft}, {'J', kVertical}, {'J', kDownRight}, {'J', kHorizontal},
    {'K', kDownLeft}, {'K', kVertical}, {'K', kDownRight}, {'K', kHorizontal},
    {'L', kDownLeft}, {'L', kVertical}, {'L', kDownRight}, {'L', kHorizontal},
    {'M', kDownLeft}, {'M', kVertical}, {'M', kDownRight}, {'M', kHorizontal},
    {'N', kVertical}, {'N', kDownLeft}, {'N', kDownRight}, {'N', kHorizontal},
}};
// clang-format on

template <std::size_t N>
constexpr bool EachFamilyOncePerDirection(const std::array<CandidateRule, N>& rules, char first) {
  for (std::size_t f = 0; f < N / 4; ++f) {
    for (const int step : kLineDirections) {
      int seen = 0;
      for (const CandidateRule& rule : rules) {
        if (rule.family == first + static_cast<char>(f) && rule.step == step) ++seen;
      }
      if (seen != 1) return false;
    }
  }
  return true;
}
static_assert(EachFamilyOncePerDirection(kThreeRules, 'A'));
static_assert(EachFamilyOncePerDirection(kTwoRules, 'J'));

// Each rule of a list with its family and its line, worked out once.
struct IndexedRule {
  std::size_t family;
  int direction;  // in kLineDirections
};

template <std::size_t N>
consteval std::array<IndexedRule, N> Indexed(char firstFamily,
                                             const std::array<CandidateRule, N>& rules) {
  std::array<IndexedRule, N> indexed{};
  for (std::size_t i = 0; i < N; ++i) {
    indexed[i] = {static_cast<std::size_t>(rules[i].family - firstFamily),
                  DirectionIndex(rules[i].step)};
  }
  return indexed;
}
constexpr auto kThreeRulesIndexed = Indexed('A', kThreeRules);
constexpr auto kTwoRulesIndexed = Indexed('J', kTwoRules);

// The candidate's four lines, read for the trigger's side, in the order of kLineDirections.
struct CandidateLines {
  std::array<LineReader, 4> lines;
  int triggerDirection;  // the trigger's own line: its rules are passed over

  CandidateLines(const LineReader& trigger, int k)
      : lines{trigger.Across(k, kLineDirections[0]), trigger.Across(k, kLineDirections[1]),
              trigger.Across(k, kLineDirections[2]), trigger.Across(k, kLineDirections[3])},
        triggerDirection(DirectionIndex(trigger.Step())) {}
};

// Goes through one list for a candidate: the first rule whose pattern holds decides alone.
template <std::size_t F, std::size_t N>
void TryList(Turn& turn, int candidate, const CandidateLines& candidateLines,
             const std::array<Family, F>& families, const std::array<IndexedRule, N>& rules) {
  const auto lineOf = [&](const IndexedRule& rule) -> const LineReader& {
    return candidateLines.lines[static_cast<std::size_t>(rule.direction)];
  };
  RunChain(
      rules,
      [&](const IndexedRule& rule) {
        return rule.direction != candidateLines.triggerDirection &&
               lineOf(rule).Holds(families[rule.family].pattern, TargetTest::kNotTested);
      },
      [&](const IndexedRule& rule) {
        const Family& family = families[rule.family];
        if (!family.playabilityTest || lineOf(rule).TestedPlacesPlayable(family.pattern)) {
          turn.ChooseComputerPoint(candidate);
        }
      });
}

// The candidate k steps from the anchor along the trigger's line.
void CandidateCheck(Turn& turn, const LineReader& trigger, int k, bool twoRules) {
  const CandidateLines lines(trigger, k);
  const int candidate = trigger.At(k);
  TryList(turn, candidate, lines, kThreeFamilies, kThreeRulesIndexed);
  if (twoRules && turn.level == 4 && !turn.ComputerHasPlayed()) {
    TryList(turn, candidate, lines, kTwoFamilies, kTwoRulesIndexed);
  }
}

// The first trigger whose pattern holds is the only one used in this direction.
template <std::size_t N>
void TriggerStep(Turn& turn, const LineReader& line, const std::array<Trigger, N>& triggers,
                 bool twoRules) {
  RunChain(
      triggers, [&](const Trigger& trigger) { return line.Holds(trigger.pattern); },
      [&](const Trigger& trigger) {
        if (trigger.closedEnd) {
          const int end = *trigger.closedEnd;
          if (!line.Other(end) && !line.NotPlayable(end)) return;
        }
        CandidateCheck(turn, line, trigger.firstCandidate, twoRules);
        if (trigger.secondCandidate && !turn.ComputerHasPlayed()) {
          CandidateCheck(turn, line, *trigger.secondCandidate, twoRules);
        }
      });
}

}  // namespace

void DoubleThreatRules(Turn& turn, int Anchor, ThreatMode Mode, PointColour Colour) {
  if (Mode == ThreatMode::kThree && turn.level == 1) return;
  // Mode 21 always works for the computer against the human, whatever side it was given.
  const PointColour ownColour = Mode == ThreatMode::kBlockOpenTwo ? ComputerColour : Colour;
  for (const int step : kLineDirections) {
    const LineReader line(turn.sheet, Anchor, step, ownColour);
    switch (Mode) {
      case ThreatMode::kTwo: TriggerStep(turn, line, kMode2Triggers, false); break;
      case ThreatMode::kThree: TriggerStep(turn, line, kMode3Triggers, false); break;
      case ThreatMode::kBlockOpenTwo: TriggerStep(turn, line, kMode21Triggers, true); break;
    }
    if (turn.ComputerHasPlayed()) return;
  }
}

}  // namespace quintara
