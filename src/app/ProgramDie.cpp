#include "app/ProgramDie.h"

#include <charconv>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string_view>

namespace quintara {
namespace {

std::optional<unsigned> SeedFrom(const char* text) {
  if (text == nullptr) return std::nullopt;
  const std::string_view digits(text);
  const char* end = std::to_address(digits.end());
  unsigned seed = 0;
  const auto [last, error] = std::from_chars(digits.data(), end, seed);
  if (error != std::errc() || last != end || digits.empty()) return std::nullopt;
  return seed;
}

std::unique_ptr<DieSource> MakeDie() {
  const std::optional<unsigned> seed = SeedFrom(std::getenv("QUINTARA_DIE_SEED"));
  if (seed) return std::make_unique<SeededDie>(*seed);
  return std::make_unique<ClockDie>();
}

}  // namespace

DieSource& ProgramDie() {
  static const std::unique_ptr<DieSource> die = MakeDie();
  return *die;
}

}  // namespace quintara
