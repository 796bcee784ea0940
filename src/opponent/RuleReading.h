#pragma once

// Two ways of reading a rule list faster that change no result.
//
// CompileRule compiles a pattern with its O and X places tested first: all places must hold, so
// the order changes nothing, but an O or X place fails far more often than a . or - place, and
// a rule that does not hold is left after a read or two.
//
// Every pattern of the double-threat and own-line lists has an own point close to its reference
// place; the nearest one is its key place (KeyBit). A pattern can hold only where its key place
// holds an own point, so a list first reads its key places once (OwnAt) and tests only the
// patterns whose key place does.

#include <array>
#include <bit>
#include <string_view>

#include "opponent/Pattern.h"

namespace quintara {

consteval Pattern CompileRule(std::string_view text) {
  const Pattern pattern = CompilePattern(text);
  Pattern ordered = pattern;
  int next = 0;
  for (const bool points : {true, false}) {
    for (int i = 0; i < pattern.count; ++i) {
      const PatternPlace& place = pattern.places[static_cast<std::size_t>(i)];
      const bool isPoint = place.letter == 'O' || place.letter == 'X';
      if (isPoint == points) ordered.places[static_cast<std::size_t>(next++)] = place;
    }
  }
  return ordered;
}

// Places up to four steps from the reference, as bits (bit k + 4 for k steps).
inline constexpr int kKeyReach = 4;
constexpr unsigned PlaceBit(int k) {
  return 1u << (k + kKeyReach);
}

consteval unsigned KeyBit(const Pattern& pattern) {
  int key = 0;
  for (int i = 0; i < pattern.count; ++i) {
    const PatternPlace& place = pattern.places[static_cast<std::size_t>(i)];
    const int distance = place.offset < 0 ? -place.offset : place.offset;
    const int best = key < 0 ? -key : key;
    if (place.letter == 'O' && distance <= kKeyReach && (key == 0 || distance < best)) {
      key = place.offset;
    }
  }
  if (key == 0) pattern_detail::BadPattern();  // no own point to key the pattern on
  return PlaceBit(key);
}

// The key places of a list, whatever direction its rules read.
template <typename Rule, std::size_t N, typename PatternOf>
consteval unsigned KeyPlaces(const std::array<Rule, N>& rules, PatternOf patternOf) {
  unsigned places = 0;
  for (const Rule& rule : rules) places |= KeyBit(patternOf(rule));
  return places;
}

// Which of the places hold an own point.
inline unsigned OwnAt(const LineReader& line, unsigned places) {
  unsigned own = 0;
  for (unsigned rest = places; rest != 0; rest &= rest - 1) {
    const int k = std::countr_zero(rest) - kKeyReach;
    if (line.Own(k)) own |= PlaceBit(k);
  }
  return own;
}

}  // namespace quintara
