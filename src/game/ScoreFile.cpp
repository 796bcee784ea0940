#include "game/ScoreFile.h"

#include <cstdint>
#include <optional>

#include "game/Windows1252.h"

namespace quintara {
namespace {

constexpr std::uint16_t kTypeEmpty = 0;
constexpr std::uint16_t kTypeText = 8;

void PutWord(std::string& out, std::size_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

void PutValue(std::string& out, const std::optional<std::string>& bytes) {
  if (!bytes) {
    PutWord(out, kTypeEmpty);
    return;
  }
  const std::string_view text =
      std::string_view(*bytes).substr(0, static_cast<std::size_t>(kLongestText));
  PutWord(out, kTypeText);
  PutWord(out, text.size());
  out += text;
}

// Reads the tagged values one by one; once something is damaged, every later value is empty.
class ValueReader {
 public:
  explicit ValueReader(std::string_view bytes) : bytes_(bytes) {}

  std::optional<std::string> Next() {
    std::uint16_t type = 0;
    if (damaged_ || !Word(type)) return Stop();
    if (type == kTypeEmpty) return std::nullopt;
    std::uint16_t length = 0;
    if (type != kTypeText || !Word(length) || length > kLongestText ||
        length > bytes_.size() - position_) {
      return Stop();
    }
    std::string text(bytes_.substr(position_, length));
    position_ += length;
    return text;
  }

 private:
  bool Word(std::uint16_t& value) {
    if (bytes_.size() - position_ < 2) return false;
    value = static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes_[position_]) |
                                       static_cast<std::uint8_t>(bytes_[position_ + 1]) << 8);
    position_ += 2;
    return true;
  }
  std::optional<std::string> Stop() {
    damaged_ = true;
    return std::nullopt;
  }

  std::string_view bytes_;
  std::size_t position_ = 0;
  bool damaged_ = false;
};

}  // namespace

std::string EncodeScoreFile(const BestScores& scores) {
  std::string out;
  for (const BestScore& entry : scores) {
    PutValue(out, entry.name ? std::optional(ToWindows1252(*entry.name)) : std::nullopt);
    PutValue(out, entry.points);
  }
  return out;
}

BestScores DecodeScoreFile(std::string_view bytes) {
  BestScores scores;
  ValueReader reader(bytes);
  for (BestScore& entry : scores) {
    if (const auto name = reader.Next()) entry.name = FromWindows1252(*name);
    if (const auto points = reader.Next()) entry.points = std::to_string(PointsValue(*points));
  }
  return scores;
}

int PointsValue(std::string_view text) {
  if (text.empty() || text.size() > 5) return 0;
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return 0;
    value = value * 10 + (c - '0');
  }
  return value <= kLongestText ? value : 0;
}

}  // namespace quintara
