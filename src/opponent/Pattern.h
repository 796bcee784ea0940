#pragma once

// The pattern notation shared by every rule family of the computer opponent.
//
// A pattern lists consecutive intersections along a direction, lowest index first, one letter
// per intersection:
//   O  holds a point of the own colour        X  holds a point of the other colour
//   .  holds no point                          -  holds no point of the other colour
//   ?  not tested                              *  the target
// The reference place is the anchor, written in brackets ([O] or [X], not tested itself), or the
// target `*` when the pattern has no anchor. Offsets count steps from that place.
// Whether the target must hold no point depends on the family: see TargetTest.
// Patterns are compiled when the program is compiled; nothing is parsed during a turn.

#include <array>
#include <string_view>

#include "board/Sheet.h"

namespace quintara {

struct PatternPlace {
  int offset;
  char letter;  // one of O X . - ?  (the target is kept apart)
};

struct Pattern {
  static constexpr int kMaxPlaces = 10;
  std::array<PatternPlace, kMaxPlaces> places{};
  int count = 0;
  bool hasTarget = false;
  int target = 0;  // offset of `*`
};

namespace pattern_detail {
// Never defined: reaching it while compiling a pattern makes a malformed pattern a compile error.
void BadPattern();
}  // namespace pattern_detail

consteval Pattern CompilePattern(std::string_view text) {
  // First pass: the reference place.
  int reference = -1;
  int position = 0;
  int targetPosition = -1;
  for (const char c : text) {
    if (c == '[') {
      reference = position;
      continue;
    }
    if (c == ']') continue;
    if (c == '*') targetPosition = position;
    ++position;
  }
  if (reference < 0) reference = targetPosition;
  if (reference < 0) pattern_detail::BadPattern();  // no anchor and no target

  Pattern pattern;
  position = 0;
  for (const char c : text) {
    if (c == '[' || c == ']') continue;
    const int offset = position - reference;
    ++position;
    if (offset == 0 && c != '*') continue;  // the anchor is a point of the side by construction
    switch (c) {
      case '*':
        pattern.hasTarget = true;
        pattern.target = offset;
        break;
      case 'O':
      case 'X':
      case '.':
      case '-':
        if (pattern.count == Pattern::kMaxPlaces) pattern_detail::BadPattern();
        pattern.places[static_cast<std::size_t>(pattern.count++)] = {offset, c};
        break;
      case '?': break;
      default: pattern_detail::BadPattern();
    }
  }
  return pattern;
}

// Whether the target of a pattern must hold no point for the pattern to hold.
enum class TargetTest { kMustBeEmpty, kNotTested };

// Reads the sheet along one direction from a reference place, for one side.
class LineReader {
 public:
  LineReader(const Sheet& sheet, int reference, int step, int ownColour)
      : sheet_(sheet),
        reference_(reference),
        step_(step),
        own_(ownColour),
        other_(OtherColour(ownColour)) {}

  int At(int k) const { return reference_ + k * step_; }
  bool Own(int k) const { return sheet_.ColourAt(At(k)) == own_; }
  bool Other(int k) const { return sheet_.ColourAt(At(k)) == other_; }
  bool Empty(int k) const { return !sheet_.HasPoint(At(k)); }
  bool NotOther(int k) const { return !Other(k); }
  bool NotOwn(int k) const { return !Own(k); }
  bool Playable(int k) const { return sheet_.Playable(At(k)); }
  bool NotPlayable(int k) const { return !Playable(k); }

  bool Holds(const Pattern& pattern, TargetTest targetTest = TargetTest::kMustBeEmpty) const {
    for (int i = 0; i < pattern.count; ++i) {
      const PatternPlace& place = pattern.places[static_cast<std::size_t>(i)];
      if (!Letter(place.letter, place.offset)) return false;
    }
    return !pattern.hasTarget || targetTest == TargetTest::kNotTested || Empty(pattern.target);
  }

  // Every place the pattern tests as O, . or - is playable.
  bool TestedPlacesPlayable(const Pattern& pattern) const {
    for (int i = 0; i < pattern.count; ++i) {
      const PatternPlace& place = pattern.places[static_cast<std::size_t>(i)];
      if (place.letter != 'X' && !Playable(place.offset)) return false;
    }
    return true;
  }

 private:
  bool Letter(char letter, int k) const {
    switch (letter) {
      case 'O': return Own(k);
      case 'X': return Other(k);
      case '.': return Empty(k);
      case '-': return NotOther(k);
      default: return true;
    }
  }

  const Sheet& sheet_;
  int reference_;
  int step_;
  int own_;
  int other_;
};

// A rule chain: rules are tried in table order and the first whose trigger holds ends the
// chain, whatever its action then does (its extra tests fail, or its placement is refused).
template <typename Rules, typename Trigger, typename Action>
void RunChain(const Rules& rules, Trigger triggerHolds, Action act) {
  for (const auto& rule : rules) {
    if (triggerHolds(rule)) {
      act(rule);
      return;
    }
  }
}

}  // namespace quintara
