#pragma once

#include <string>
#include <string_view>

#include "game/BestScores.h"

namespace quintara {

// The bytes of the best-scores file "Les scores": 20 tagged values, place 1 name, place 1
// points, ..., place 10 points. A value is a little-endian 16-bit type, 8 for text followed by a
// little-endian 16-bit length and that many Windows-1252 bytes, or 0 for an empty value.
inline constexpr const char* kScoreFileName = "Les scores";
inline constexpr int kLongestText = 32767;

std::string EncodeScoreFile(const BestScores& scores);

// Reads what is whole: a damaged or short file leaves the remaining entries empty, and points
// that are not a 16-bit decimal number read as 0. Never reads past the end.
BestScores DecodeScoreFile(std::string_view bytes);

// The number in a points text: decimal digits only, 0 to 32767; anything else is 0.
int PointsValue(std::string_view text);

}  // namespace quintara
