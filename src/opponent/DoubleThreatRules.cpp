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
  int C1 = 0;
  std::optional<int> C2;
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

// Read with the computer as own side: X is always the human's colour 65280.
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
    {'A', 34}, {'B', 34}, {'A', 35}, {'B', 35}, {'A', 36}, {'B', 36}, {'A', 1}, {'B', 1},
    {'C', 34}, {'D', 34}, {'C', 35}, {'D', 35}, {'C', 36}, {'D', 36}, {'C', 1}, {'D', 1},
    {'E', 34}, {'E', 35}, {'E', 36}, {'E', 1},
    {'F', 34}, {'F', 35}, {'F', 36}, {'F', 1},
    {'G', 35}, {'G', 34}, {'G', 36}, {'G', 1},
    {'H', 34}, {'H', 35}, {'H', 36}, {'H', 1},
    {'I', 34}, {'I', 35}, {'I', 36}, {'I', 1},
}};
// clang-format on

// TwoRules (mode 21, level 4): a point on the candidate makes an open two of the computer.
// L and M are raw strings so that their "??" is never read as a trigraph.
constexpr std::array<Family, 5> kTwoFamilies = {{
    /* J */ {CompilePattern("--O*-"), true},
    /* K */ {CompilePattern("-*O--"), true},
    /* L */ {CompilePattern(R"(-O.*-??-)"), true},
    /* M */ {CompilePattern(R"(-??-*.O-)"), true},
    /* N */ {CompilePattern("--*O-"), true},
}};

// clang-format off
constexpr std::array<CandidateRule, 20> kTwoRules = {{
    {'J', 34}, {'J', 35}, {'J', 36}, {'J', 1},
    {'K', 34}, {'K', 35}, {'K', 36}, {'K', 1},
    {'L', 34}, {'L', 35}, {'L', 36}, {'L', 1},
    {'M', 34}, {'M', 35}, {'M', 36}, {'M', 1},
    {'N', 35}, {'N', 34}, {'N', 36}, {'N', 1},
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

// The candidate's four lines, in the order of kLineDirections.
struct CandidateLines {
  std::array<LineReader, 4> lines;
  int triggerDirection;  // never read: the rules of that line are passed over

  CandidateLines(const Sheet& sheet, int candidate, int triggerStep, int ownColour)
      : lines{LineReader(sheet, candidate, kLineDirections[0], ownColour),
              LineReader(sheet, candidate, kLineDirections[1], ownColour),
              LineReader(sheet, candidate, kLineDirections[2], ownColour),
              LineReader(sheet, candidate, kLineDirections[3], ownColour)},
        triggerDirection(DirectionIndex(triggerStep)) {}
};

// Goes through one list for a candidate: the first rule whose pattern holds decides alone.
template <std::size_t F, std::size_t N>
void TryList(Turn& turn, int candidate, const CandidateLines& candidateLines,
             const std::array<Family, F>& families, const std::array<IndexedRule, N>& rules) {
  for (const IndexedRule& rule : rules) {
    if (rule.direction == candidateLines.triggerDirection) continue;
    const LineReader& line = candidateLines.lines[static_cast<std::size_t>(rule.direction)];
    const Family& family = families[rule.family];
    if (!line.Holds(family.pattern, TargetTest::kNotTested)) continue;
    if (!family.playabilityTest || line.TestedPlacesPlayable(family.pattern)) {
      turn.PlaceComputerPoint(candidate);
    }
    return;
  }
}

void CandidateCheck(Turn& turn, int candidate, int triggerStep, int ownColour, bool twoRules) {
  const CandidateLines lines(turn.sheet, candidate, triggerStep, ownColour);
  TryList(turn, candidate, lines, kThreeFamilies, kThreeRulesIndexed);
  if (twoRules && turn.level == 4 && !turn.ComputerHasPlayed()) {
    TryList(turn, candidate, lines, kTwoFamilies, kTwoRulesIndexed);
  }
}

// The first trigger whose pattern holds is the only one used in this direction.
template <std::size_t N>
void TriggerStep(Turn& turn, int Anchor, int step, int ownColour,
                 const std::array<Trigger, N>& triggers, bool twoRules) {
  const LineReader line(turn.sheet, Anchor, step, ownColour);
  for (const Trigger& trigger : triggers) {
    if (!line.Holds(trigger.pattern)) continue;
    if (trigger.closedEnd) {
      const int end = *trigger.closedEnd;
      if (!line.Other(end) && !line.NotPlayable(end)) return;
    }
    CandidateCheck(turn, line.At(trigger.C1), step, ownColour, twoRules);
    if (trigger.C2 && !turn.ComputerHasPlayed()) {
      CandidateCheck(turn, line.At(*trigger.C2), step, ownColour, twoRules);
    }
    return;
  }
}

}  // namespace

void DoubleThreatRules(Turn& turn, int Anchor, int Mode, int Colour) {
  if (Mode != 2 && Mode != 3 && Mode != 21) return;
  if (Mode == 3 && turn.level == 1) return;
  for (const int step : kLineDirections) {
    switch (Mode) {
      case 2: TriggerStep(turn, Anchor, step, Colour, kMode2Triggers, false); break;
      case 3: TriggerStep(turn, Anchor, step, Colour, kMode3Triggers, false); break;
      // Mode 21 always works for the computer against the human, whatever side it was given.
      case 21: TriggerStep(turn, Anchor, step, ComputerColour, kMode21Triggers, true); break;
    }
    if (turn.ComputerHasPlayed()) return;
  }
}

}  // namespace quintara
