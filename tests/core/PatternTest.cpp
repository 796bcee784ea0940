// The compiled pattern matcher against a plain reading of the pattern's text, place by place, on
// random lines read for either side, in every direction and its opposite.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string_view>

#include "opponent/Pattern.h"
#include "support/TurnFixture.h"

namespace quintara::testing {
namespace {

struct Compiled {
  std::string_view text;
  Pattern pattern;
};
#define PATTERN(text)          \
  Compiled {                   \
    text, CompilePattern(text) \
  }
// Every letter, the anchor anywhere, and the target as reference place when there is no anchor.
constexpr std::array kPatterns = {
    PATTERN(".[O]OOO."), PATTERN("?OOO[O]*"),  PATTERN("..*[O].X"), PATTERN("X-*O"),
    PATTERN("-.O[O].-"), PATTERN(".[X]X.."),   PATTERN("-O.*O-"),   PATTERN(R"(-??-*.O-)"),
    PATTERN("*OO[O]X"),  PATTERN("X.[O]OO*."), PATTERN("[O]-"),     PATTERN("O*OO[O]"),
};
#undef PATTERN

// The pattern read letter by letter, the reference place at the anchor or else at the target:
// whether every place holds what its letter says, read for `own` (the anchor is not tested),
// and whether every place read as O, . or - is playable.
std::pair<bool, bool> Read(std::string_view text, const Sheet& sheet, int at, int step, int own,
                           TargetTest target) {
  const std::size_t bracket = text.find('[');
  int offset = -static_cast<int>(bracket != std::string_view::npos ? bracket : text.find('*'));
  bool holds = true;
  bool playable = true;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char letter = text[i];
    if (letter == '[' || letter == ']') continue;
    const int index = at + offset++ * step;
    if (i > 0 && text[i - 1] == '[') continue;
    const int colour = sheet.ColourAt(index);
    if (letter == 'O') holds &= colour == own;
    if (letter == 'X') holds &= colour == OtherColour(own);
    if (letter == '.') holds &= colour == kNoPoint;
    if (letter == '-') holds &= colour != OtherColour(own);
    if (letter == '*') holds &= target == TargetTest::kNotTested || colour == kNoPoint;
    if (letter == 'O' || letter == '.' || letter == '-') playable &= sheet.Playable(index);
  }
  return {holds, playable};
}

TEST(PatternMatcher, AgreesWithAPlainReadingOfThePattern) {
  std::mt19937 random(9);
  int held = 0;
  for (int round = 0; round < 80; ++round) {
    TurnFixture f;
    std::uniform_int_distribution<int> letter(0, 5);
    for (int row = 0; row < 32; ++row) {
      for (int column = 0; column < 35; ++column) {
        const int index = At(row, column);
        const char c = "..OX#x"[letter(random)];
        if (c == 'O' || c == 'X') f.sheet.PutPoint(index, c == 'O' ? ComputerColour : HumanColour);
        if (c == '#' || c == 'x') f.LayPoint(index, c == 'x' ? HumanColour : kNoPoint, true);
      }
    }
    const int at = At(std::uniform_int_distribution<int>(0, 23)(random),
                      std::uniform_int_distribution<int>(0, 34)(random));
    for (const int direction : kLineDirections) {
      for (const int step : {direction, -direction}) {
        for (const int own : {ComputerColour, HumanColour}) {
          const LineReader line(f.sheet, at, step, own);
          for (const Compiled& c : kPatterns) {
            for (const TargetTest target : {TargetTest::kMustBeEmpty, TargetTest::kNotTested}) {
              const auto [holds, playable] = Read(c.text, f.sheet, at, step, own, target);
              ASSERT_EQ(line.Holds(c.pattern, target), holds) << c.text << " at " << at;
              ASSERT_EQ(line.TestedPlacesPlayable(c.pattern), playable) << c.text;
              held += holds;
            }
          }
        }
      }
    }
  }
  EXPECT_GT(held, 300);
}

// Beyond its reach a reader reads the sheet itself; far outside the records nothing is there.
TEST(PatternMatcher, ReadsBeyondItsReachAndOutsideTheRecordsWithoutHarm) {
  TurnFixture f;
  f.SetUp(Picture{5, 5, {". . . . . O X ."}});
  const LineReader line(f.sheet, At(5, 5), kHorizontal, HumanColour);
  EXPECT_TRUE(line.Other(5) && line.Own(6) && line.Empty(7) && line.Playable(7));
  EXPECT_TRUE(line.Empty(-7) && line.NotPlayable(-7));
  const LineReader outside(f.sheet, 10, -kVertical, ComputerColour);
  EXPECT_TRUE(outside.Holds(CompilePattern("..[O]..")) && outside.NotPlayable(1));
}

}  // namespace
}  // namespace quintara::testing
