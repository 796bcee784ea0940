#include "app/ProgramDie.h"

#include <charconv>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>

namespace quintara {
namespace {

std::optional<unsigned> SeedFrom(const char* text) {
  if (text == nullptr) return std::nullopt;
  unsigned seed = 0;
  const char* end = text + std::strlen(text);
  const auto [last, error] = std::from_chars(text, end, seed);
  if (error != std::errc() || last != end || last == text) return std::nullopt;
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
