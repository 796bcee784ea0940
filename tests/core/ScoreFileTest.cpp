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
  return Bytes({8, 0, static_cast<int>(text.size() & 0xFF), static_cast<int>(text.size() >> 8)}) +
         text;
}

const std::string kEmpty = Bytes({0, 0});

// "J0".."J9", appended: GCC 12 at -O3 warns falsely (-Wrestrict) on "J" + std::string.
std::string Player(int place) {
  return std::string("J").append(std::to_string(place));
}

TEST(ScoreFileBytes, AFullListWritesTwentyTextValuesInPlaceOrder) {
  BestScores scores;
  for (int place = 0; place < kBestScorePlaces; ++place) {
    scores[static_cast<std::size_t>(place)] = {Player(place), std::to_string(100 - place)};
  }
  std::string expected;
  for (int place = 0; place < kBestScorePlaces; ++place) {
    expected += Text(Player(place)) + Text(std::to_string(100 - place));
  }
  EXPECT_EQ(EncodeScoreFile(scores), expected);
  EXPECT_EQ(DecodeScoreFile(expected), scores);
}

TEST(ScoreFileBytes, EmptyEntriesAreTwoZeroBytesAndAnEmptyNameIsText) {
  BestScores scores;
  scores[0] = {"", "10"};
  std::string expected = Text("") + Text("10");
  for (int k = 0; k < 18; ++k) expected += kEmpty;
  EXPECT_EQ(EncodeScoreFile(scores), expected);
  EXPECT_EQ(DecodeScoreFile(expected), scores);
}

TEST(ScoreFileBytes, NamesAreWindows1252BothWays) {
  BestScores scores;
  scores[0] = {"Zoé €", "5"};
  const std::string bytes = EncodeScoreFile(scores);
  EXPECT_EQ(bytes.substr(0, 9), Bytes({8, 0, 5, 0, 'Z', 'o', 0xE9, ' ', 0x80}));
  EXPECT_EQ(DecodeScoreFile(bytes)[0].name, "Zoé €");
}

TEST(ScoreFileBytes, ACharacterTheCodePageCannotHoldIsWrittenAsAQuestionMark) {
  BestScores scores;
  scores[0] = {"李 Ω", "5"};
  const std::string bytes = EncodeScoreFile(scores);
  // The length counts the bytes written.
  EXPECT_EQ(bytes.substr(0, 7), Bytes({8, 0, 3, 0, '?', ' ', '?'}));
}

TEST(ScoreFileBytes, ALongNameIsCutTo32767Bytes) {
  BestScores scores;
  scores[0] = {std::string(40000, 'a'), "5"};
  const std::string bytes = EncodeScoreFile(scores);
  EXPECT_EQ(bytes.substr(0, 4), Bytes({8, 0, 0xFF, 0x7F}));
  EXPECT_EQ(DecodeScoreFile(bytes)[0].name->size(), 32767u);
  EXPECT_EQ(DecodeScoreFile(bytes)[0].points, "5");
}

TEST(Windows1252, RoundTripsEveryDefinedByte) {
  for (int byte = 1; byte < 256; ++byte) {
    if (byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D) continue;
    const std::string one(1, static_cast<char>(byte));
    EXPECT_EQ(ToWindows1252(FromWindows1252(one)), one) << byte;
  }
}

TEST(Windows1252, BrokenUtf8AndUndefinedBytesBecomeQuestionMarks) {
  EXPECT_EQ(ToWindows1252("a\xC3"), "a?");
  EXPECT_EQ(ToWindows1252("\xE9t\xE9"), "?t?");
  EXPECT_EQ(ToWindows1252("\xF8\xA9\xFF"), "???");  // no lead byte
  EXPECT_EQ(FromWindows1252("\x81\x8D\x8F\x90\x9D"), "?????");
}

// Damaged files: what is whole is read, the rest is empty, nothing is read past the end.
struct DamagedCase {
  const char* name;
  std::string bytes;
  std::optional<std::string> name1;
  std::optional<std::string> points1;
  std::optional<std::string> name2;
};
void PrintTo(const DamagedCase& c, std::ostream* os) {
  *os << c.name;
}

class DamagedScoreFile : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedScoreFile, ReadsWhatIsWholeAndLeavesTheRestEmpty) {
  const BestScores scores = DecodeScoreFile(GetParam().bytes);
  EXPECT_EQ(scores[0].name, GetParam().name1);
  EXPECT_EQ(scores[0].points, GetParam().points1);
  EXPECT_EQ(scores[1].name, GetParam().name2);
  for (std::size_t place = 2; place < scores.size(); ++place) EXPECT_EQ(scores[place], BestScore{});
}

INSTANTIATE_TEST_SUITE_P(
    Corpus, DamagedScoreFile,
    ::testing::Values(
        DamagedCase{"empty_file", "", std::nullopt, std::nullopt, std::nullopt},
        DamagedCase{"one_byte", Bytes({8}), std::nullopt, std::nullopt, std::nullopt},
        DamagedCase{"type_without_length", Bytes({8, 0}), std::nullopt, std::nullopt, std::nullopt},
        DamagedCase{"half_a_length", Bytes({8, 0, 3}), std::nullopt, std::nullopt, std::nullopt},
        DamagedCase{"length_past_the_end", Text("Ann") + Bytes({8, 0, 9, 0, '1'}), "Ann",
                    std::nullopt, std::nullopt},
        DamagedCase{"length_above_32767", Text("Ann") + Text("5") + Bytes({8, 0, 0, 0x80}) + "x",
                    "Ann", "5", std::nullopt},
        DamagedCase{"unknown_type", Text("Ann") + Text("5") + Bytes({3, 0, 1, 0, 'B'}), "Ann", "5",
                    std::nullopt},
        DamagedCase{"points_not_digits", Text("Ann") + Text("4x0") + Text("Bob"), "Ann", "0",
                    "Bob"},
        DamagedCase{"points_negative", Text("Ann") + Text("-5") + Text("Bob"), "Ann", "0", "Bob"},
        DamagedCase{"points_above_16_bits", Text("Ann") + Text("99999") + Text("Bob"), "Ann", "0",
                    "Bob"},
        DamagedCase{"points_empty_text", Text("Ann") + Text("") + Text("Bob"), "Ann", "0", "Bob"},
        DamagedCase{"bytes_after_twenty_values_ignored",
                    Text("Ann") + Text("7") + std::string(36, '\0') + "old tail", "Ann", "7",
                    std::nullopt}));

TEST(PointsValue, ReadsDecimalNumbersUpTo32767) {
  EXPECT_EQ(PointsValue("460"), 460);
  EXPECT_EQ(PointsValue("32767"), 32767);
  EXPECT_EQ(PointsValue("32768"), 0);
  EXPECT_EQ(PointsValue("0460"), 460);
  EXPECT_EQ(PointsValue("000460"), 0);
  EXPECT_EQ(PointsValue(" 46"), 0);
}

}  // namespace
}  // namespace quintara
