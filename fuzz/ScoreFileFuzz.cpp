// Feeds arbitrary bytes to the best-scores loader: it must never read out of bounds, and what it
// reads must survive being written and read again unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "game/ScoreFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const quintara::BestScores scores = quintara::DecodeScoreFile(bytes);
  if (quintara::DecodeScoreFile(quintara::EncodeScoreFile(scores)) != scores) std::abort();
  return 0;
}
