// The bytes of the best-scores file, and the Windows-1252 names in it.
#include <gtest/gtest.h>

#include "game/ScoreFile.h"
#include "game/Windows1252.h"

namespace quintara {
namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (const int v : values) out += static_cast<char>(v);
  return out;
}
std::string Text(const std::string& text) {
  return Bytes({8, 0, int(text.size() & 0xFF), int(text.size() >> 8)}) + text;
}

// Twenty tagged values, place 1's name first; an empty name is text, an empty place type 0.
TEST(ScoreFile, WritesTwentyTaggedValuesInPlaceOrderAndReadsThemBack) {
  BestScores scores;
  std::string bytes = Text("Zo\xE9 \x80?") + Text("100") + Text("") + Text("7");
  scores[0] = {"Zoé €李", "100"};  // '?' for what the code page cannot hold
  scores[1] = {"", "7"};
  for (int k = 0; k < 16; ++k) bytes += Bytes({0, 0});
  EXPECT_EQ(EncodeScoreFile(scores), bytes);
  scores[0].name = "Zoé €?";
  EXPECT_EQ(DecodeScoreFile(bytes), scores);
  scores[0].name = std::string(40000, 'a');
  const BestScores longName = DecodeScoreFile(EncodeScoreFile(scores));
  EXPECT_EQ(longName[0].name->size(), 32767u);
  EXPECT_EQ(longName[1], scores[1]);
}

// What is whole is read, the rest is empty, nothing is read past the end; points that are not a
// number up to 32767 read as 0.
TEST(ScoreFile, ADamagedFileReadsWhatIsWholeAndLeavesTheRestEmpty) {
  using Entry = std::optional<std::string>;
  const std::string ann5 = Text("Ann") + Text("5");
  const std::vector<std::tuple<std::string, Entry, Entry, Entry>> cases = {
      {"", {}, {}, {}},
      {Bytes({8}), {}, {}, {}},
      {Bytes({8, 0, 3}), {}, {}, {}},
      {Text("Ann") + Bytes({8, 0, 9, 0, '1'}), "Ann", {}, {}},
      {Text("Ann") + Text(""), "Ann", "0", {}},
      {ann5 + Bytes({8, 0, 0, 0x80}) + std::string(32768, 'x'), "Ann", "5", {}},
      {ann5 + Bytes({3, 0, 1, 0, 'B'}), "Ann", "5", {}},
      {ann5 + std::string(36, '\0') + "old tail", "Ann", "5", {}},
      {Text("Ann") + Text("4x0") + Text("Bob"), "Ann", "0", "Bob"},
      {Text("Ann") + Text("-5") + Text("Bob"), "Ann", "0", "Bob"},
      {Text("Ann") + Text("32768") + Text("Bob"), "Ann", "0", "Bob"},
      {Text("Ann") + Text("000460") + Text("Bob"), "Ann", "0", "Bob"},
      {Text("Ann") + Text("0460") + Text("Bob"), "Ann", "460", "Bob"},
      {Text("Ann") + Text("32767") + Text("Bob"), "Ann", "32767", "Bob"}};
  for (const auto& [bytes, name1, points1, name2] : cases) {
    BestScores expected;
    expected[0] = {name1, points1};
    expected[1].name = name2;
    EXPECT_EQ(DecodeScoreFile(bytes), expected) << ::testing::PrintToString(bytes);
  }
}

TEST(Windows1252, EveryDefinedByteRoundTripsAndBrokenUtf8IsAQuestionMarkPerByte) {
  for (int byte = 1; byte < 256; ++byte) {
    const std::string one(1, static_cast<char>(byte));
    const bool undefined =
        byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
    EXPECT_EQ(ToWindows1252(FromWindows1252(one)), undefined ? "?" : one) << byte;
  }
  for (const auto& [utf8, bytes] : std::vector<std::pair<std::string, std::string>>{
           {"a\xC3", "a?"},
           {"\xE9t\xF8\xFF", "?t??"},
           {"\xC1\xBF\xE0\x9F\xBF\xC2\x80", "??????"},  // overlong
           {"\xED\xA0\x80\xED\xBF\xBF", "??????"},      // surrogates
           {"\xF4\x90\x80\x80", "????"},                // above U+10FFFF
           {"\xC2\xA0\xE2\x82\xAC\xF0\x9F\x98\x80", "\xA0\x80?"}}) {
    EXPECT_EQ(ToWindows1252(utf8), bytes) << ::testing::PrintToString(utf8);
  }
}

}  // namespace
}  // namespace quintara
