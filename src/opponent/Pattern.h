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

#include <algorithm>
#include <string_view>

#include "board/Sheet.h"

namespace quintara {

// A line read for one side keeps the packing of LineBits.h, its sides exchanged when it is read
// for the human: own points in the computer's bits, other points in the human's. Every rule
// reads within the reach, so a whole pattern is tested with one mask.
namespace own_bits {
inline constexpr line_bits::Bits kOwn = line_bits::kComputer;
inline constexpr line_bits::Bits kOther = line_bits::kHuman;
}  // namespace own_bits

struct Pattern {
  bool hasTarget = false;
  int target = 0;  // offset of `*`

  // The places' letters as line bits: the pattern holds where (line & mask) == value.
  line_bits::Bits mask = 0;
  line_bits::Bits value = 0;
  line_bits::Bits targetPoint = 0;     // the target's point bits, which must be clear when tested
  line_bits::Bits placesPlayable = 0;  // the O, . and - places' playable bits
};

namespace pattern_detail {
// Never defined: reaching it while compiling a pattern makes a malformed pattern a compile error.
void BadPattern();

// What a letter tests at its place, as the bits of that place.
struct LetterTest {
  line_bits::Bits mask;
  line_bits::Bits value;
  bool playable;  // the place counts among the places that must be playable
};

consteval LetterTest TestOf(char letter) {
  using namespace line_bits;
  using namespace own_bits;
  switch (letter) {
    case 'O': return {kOwn, kOwn, true};
    case 'X': return {kOther, kOther, false};
    case '.': return {kPoint, 0, true};
    case '-': return {kOther, 0, true};
    default: BadPattern(); return {};
  }
}

consteval void AddPlace(Pattern& pattern, int offset, LetterTest test) {
  using namespace line_bits;
  if (!InReach(offset)) BadPattern();
  pattern.mask |= At(offset, test.mask);
  pattern.value |= At(offset, test.value);
  if (test.playable) pattern.placesPlayable |= At(offset, kPlayable);
}
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
        if (!line_bits::InReach(offset)) pattern_detail::BadPattern();
        pattern.hasTarget = true;
        pattern.target = offset;
        pattern.targetPoint = line_bits::At(offset, line_bits::kPoint);
        break;
      case 'O':
      case 'X':
      case '.':
      case '-': pattern_detail::AddPlace(pattern, offset, pattern_detail::TestOf(c)); break;
      case '?': break;
      default: pattern_detail::BadPattern();
    }
  }
  return pattern;
}

// Whether the target of a pattern must hold no point for the pattern to hold.
enum class TargetTest { kMustBeEmpty, kNotTested };

// One direction through a reference place, read for one side. The places within reach are read
// once, when the reader is made: a rule reads a line only while the sheet stays as it is.
class LineReader {
 public:
  LineReader(const Sheet& sheet, int reference, int step, PointColour ownColour)
      : sheet_(sheet),
        reference_(reference),
        step_(step),
        forHuman_(ownColour == HumanColour),
        bits_(ForSide(sheet.LineAt(reference, step))) {}

  int At(int k) const { return reference_ + k * step_; }
  int Step() const { return step_; }
  // The line through the place k steps along, in another direction, read for the same side.
  LineReader Across(int k, int step) const {
    return {sheet_, At(k), step, forHuman_ ? HumanColour : ComputerColour};
  }
  bool Own(int k) const { return Has(k, own_bits::kOwn); }
  bool Other(int k) const { return Has(k, own_bits::kOther); }
  bool Empty(int k) const { return !Has(k, line_bits::kPoint); }
  bool NotOther(int k) const { return !Other(k); }
  bool NotOwn(int k) const { return !Own(k); }
  bool Playable(int k) const { return Has(k, line_bits::kPlayable); }
  bool NotPlayable(int k) const { return !Playable(k); }

  bool Holds(const Pattern& pattern, TargetTest targetTest = TargetTest::kMustBeEmpty) const {
    const line_bits::Bits mask =
        pattern.mask | (targetTest == TargetTest::kMustBeEmpty ? pattern.targetPoint : 0);
    return (bits_ & mask) == pattern.value;
  }

  // Every place the pattern tests as O, . or - is playable.
  bool TestedPlacesPlayable(const Pattern& pattern) const {
    return (bits_ & pattern.placesPlayable) == pattern.placesPlayable;
  }

 private:
  line_bits::Bits ForSide(line_bits::Bits line) const {
    return forHuman_ ? line_bits::SwapSides(line) : line;
  }
  bool Has(int k, line_bits::Bits bits) const {
    if (line_bits::InReach(k)) return (bits_ & line_bits::At(k, bits)) != 0;
    return (ForSide(sheet_.LineAt(At(k), step_)) & line_bits::At(0, bits)) !=
           0;  // beyond the reach, where no rule reads
  }

  const Sheet& sheet_;
  int reference_;
  int step_;
  bool forHuman_;
  line_bits::Bits bits_;
};

// A rule chain: rules are tried in table order and the first whose trigger holds ends the
// chain, whatever its action then does (its extra tests fail, or its placement is refused).
// Returns whether a trigger held.
template <typename Rules, typename Trigger, typename Action>
bool RunChain(const Rules& rules, Trigger triggerHolds, Action act) {
  const auto first = std::ranges::find_if(rules, triggerHolds);
  if (first == std::ranges::end(rules)) return false;
  act(*first);
  return true;
}

}  // namespace quintara
