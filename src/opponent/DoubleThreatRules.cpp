#include "opponent/DoubleThreatRules.h"

#include <array>
#include <optional>

#include "opponent/Pattern.h"
#include "opponent/RuleReading.h"

namespace quintara {
namespace {

// --- Triggers: a short line of the side through the anchor, and where it would grow ----------

struct Trigger {
  Pattern pattern;
  // A place that must hold an X point or be not playable (the closed end of a three).
  std::optional<int> closedEnd;
  int C1;
  std::optional<int> C2;
  unsigned key = 0;  // filled by WithKeys
};

template <std::size_t N>
consteval std::array<Trigger, N> WithKeys(std::array<Trigger, N> triggers) {
  for (Trigger& trigger : triggers) trigger.key = KeyBit(trigger.pattern);
  return triggers;
}

constexpr std::array<Trigger, 4> kMode2Triggers = WithKeys<4>({{
    {CompileRule("-.O[O].-"), {}, +1, +2},
    {CompileRule("..[O].O."), {}, +1, {}},
    {CompileRule("..[O]O.-"), {}, -1, -2},
    {CompileRule(".[O].O-"), {}, -1, -2},
}});

constexpr std::array<Trigger, 2> kMode3Triggers = WithKeys<2>({{
    {CompileRule("?OO[O].-"), -3, +1, +2},
    {CompileRule("-.[O]OO?"), +3, -1, -2},
}});

// Read with the computer as own side: X is always the human's colour 65280.
constexpr std::array<Trigger, 1> kMode21Triggers = {{
    {CompileRule(".[X]X.."), {}, -1, +2},
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
    /* A */ {CompileRule("-OO*-"), true},
    /* B */ {CompileRule("-O.O*-"), true},
    /* C */ {CompileRule("-*OO-"), true},
    /* D */ {CompileRule("-*O.O-"), true},
    /* E */ {CompileRule("-OO.*-"), true},
    /* F */ {CompileRule("-*.OO-"), true},
    /* G */ {CompileRule("-O*O-"), true},
    /* H */ {CompileRule("-O*.O-"), false},
    /* I */ {CompileRule("-O.*O-"), false},
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
    /* J */ {CompileRule("--O*-"), true},
    /* K */ {CompileRule("-*O--"), true},
    /* L */ {CompileRule(R"(-O.*-??-)"), true},
    /* M */ {CompileRule(R"(-??-*.O-)"), true},
    /* N */ {CompileRule("--*O-"), true},
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

constexpr auto kFamilyPattern = [](const Family& family) { return family.pattern; };
constexpr auto kTriggerPattern = [](const Trigger& trigger) { return trigger.pattern; };
constexpr unsigned kMode2Keys = KeyPlaces(kMode2Triggers, kTriggerPattern);
constexpr unsigned kMode3Keys = KeyPlaces(kMode3Triggers, kTriggerPattern);

// Every rule, whatever its direction, is keyed on one of these places of the candidate's line.
constexpr unsigned kCandidateKeys =
    KeyPlaces(kThreeFamilies, kFamilyPattern) | KeyPlaces(kTwoFamilies, kFamilyPattern);

constexpr std::size_t DirectionIndex(int step) {
  for (std::size_t d = 0; d < kLineDirections.size(); ++d) {
    if (kLineDirections[d] == step) return d;
  }
  return 0;  // never reached: every rule has one of the four steps
}

// Each rule of a list with its family, its line and its key place, worked out once.
struct KeyedRule {
  std::size_t family;
  std::size_t direction;
  unsigned key;
};

template <std::size_t F, std::size_t N>
consteval std::array<KeyedRule, N> Keyed(const std::array<Family, F>& families, char firstFamily,
                                         const std::array<CandidateRule, N>& rules) {
  std::array<KeyedRule, N> keyed{};
  for (std::size_t i = 0; i < N; ++i) {
    const auto f = static_cast<std::size_t>(rules[i].family - firstFamily);
    keyed[i] = {f, DirectionIndex(rules[i].step), KeyBit(families[f].pattern)};
  }
  return keyed;
}
constexpr auto kThreeRulesKeyed = Keyed(kThreeFamilies, 'A', kThreeRules);
constexpr auto kTwoRulesKeyed = Keyed(kTwoFamilies, 'J', kTwoRules);

// The candidate's four lines (in the order of kLineDirections), and which of their key places
// hold an own point; the trigger's line is never read.
struct CandidateLines {
  std::array<LineReader, 4> lines;
  std::array<unsigned, 4> ownKeys{};

  CandidateLines(const Sheet& sheet, int candidate, int triggerStep, int ownColour)
      : lines{LineReader(sheet, candidate, kLineDirections[0], ownColour),
              LineReader(sheet, candidate, kLineDirections[1], ownColour),
              LineReader(sheet, candidate, kLineDirections[2], ownColour),
              LineReader(sheet, candidate, kLineDirections[3], ownColour)} {
    for (std::size_t d = 0; d < lines.size(); ++d) {
      if (kLineDirections[d] != triggerStep) ownKeys[d] = OwnAt(lines[d], kCandidateKeys);
    }
  }
  bool Empty() const { return ownKeys == std::array<unsigned, 4>{}; }
};

// Goes through one list for a candidate: the first rule whose pattern holds decides alone.
// Rules along the trigger direction have no own key point here and are passed over.
template <std::size_t F, std::size_t N>
void TryList(Turn& turn, int candidate, const CandidateLines& candidateLines,
             const std::array<Family, F>& families, const std::array<KeyedRule, N>& rules) {
  for (const KeyedRule& rule : rules) {
    if ((candidateLines.ownKeys[rule.direction] & rule.key) == 0) continue;
    const LineReader& line = candidateLines.lines[rule.direction];
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
  if (lines.Empty()) return;
  TryList(turn, candidate, lines, kThreeFamilies, kThreeRulesKeyed);
  if (twoRules && turn.level == 4 && !turn.ComputerHasPlayed()) {
    TryList(turn, candidate, lines, kTwoFamilies, kTwoRulesKeyed);
  }
}

// The first trigger whose pattern holds is the only one used in this direction. Modes 2 and 3
// read own points and are keyed like the candidate rules; mode 21 reads the human's pair.
template <std::size_t N>
void TriggerStep(Turn& turn, int Anchor, int step, int ownColour, unsigned keyPlaces,
                 const std::array<Trigger, N>& triggers, bool twoRules) {
  const LineReader line(turn.sheet, Anchor, step, ownColour);
  const bool keyed = keyPlaces != 0;
  const unsigned ownKeys = keyed ? OwnAt(line, keyPlaces) : 0;
  if (keyed && ownKeys == 0) return;
  for (const Trigger& trigger : triggers) {
    if (keyed && (ownKeys & trigger.key) == 0) continue;
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
      case 2: TriggerStep(turn, Anchor, step, Colour, kMode2Keys, kMode2Triggers, false); break;
      case 3: TriggerStep(turn, Anchor, step, Colour, kMode3Keys, kMode3Triggers, false); break;
      // Mode 21 always works for the computer against the human, whatever side it was given;
      // its trigger reads no own point and is not keyed.
      case 21: TriggerStep(turn, Anchor, step, ComputerColour, 0, kMode21Triggers, true); break;
    }
    if (turn.ComputerHasPlayed()) return;
  }
}

}  // namespace quintara
