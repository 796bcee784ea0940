#include "game/Windows1252.h"

#include <array>
#include <cstdint>

namespace quintara {
namespace {

// Code points of bytes 0x80..0x9F; 0 where the code page defines nothing.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char ByteFor(char32_t codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
    return static_cast<char>(codePoint);
  }
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] != 0 && kHighControls[i] == codePoint) return static_cast<char>(0x80 + i);
  }
  return '?';
}

void AppendUtf8(std::string& out, char32_t codePoint) {
  if (codePoint < 0x80) {
    out += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    out += static_cast<char>(0xC0 | (codePoint >> 6));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (codePoint >> 12));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
}

// The length of the well-formed UTF-8 sequence at the start of `bytes`, or 0 when it is broken:
// a stray continuation byte, a lead byte no sequence starts with, a short sequence, an overlong
// form, a surrogate or a code point above U+10FFFF.
std::size_t SequenceLength(std::string_view bytes, char32_t& codePoint) {
  const auto lead = static_cast<std::uint8_t>(bytes[0]);
  if (lead < 0x80) {
    codePoint = lead;
    return 1;
  }
  std::size_t length = 0;
  char32_t smallest = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    smallest = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    smallest = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    smallest = 0x10000;
  } else {
    return 0;
  }
  if (bytes.size() < length) return 0;
  codePoint = lead & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<std::uint8_t>(bytes[k]);
    if ((next & 0xC0) != 0x80) return 0;
    codePoint = (codePoint << 6) | (next & 0x3F);
  }
  const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
  if (codePoint < smallest || surrogate || codePoint > 0x10FFFF) return 0;
  return length;
}

}  // namespace

std::string ToWindows1252(std::string_view utf8) {
  std::string out;
  std::size_t i = 0;
  while (i < utf8.size()) {
    char32_t codePoint = 0;
    const std::size_t length = SequenceLength(utf8.substr(i), codePoint);
    out += length == 0 ? '?' : ByteFor(codePoint);
    i += length == 0 ? 1 : length;
  }
  return out;
}

std::string FromWindows1252(std::string_view bytes) {
  std::string out;
  for (const char c : bytes) {
    const auto byte = static_cast<std::uint8_t>(c);
    if (byte >= 0x80 && byte < 0xA0) {
      const char32_t codePoint = kHighControls[byte - 0x80];
      if (codePoint == 0) {
        out += '?';
      } else {
        AppendUtf8(out, codePoint);
      }
    } else {
      AppendUtf8(out, byte);
    }
  }
  return out;
}

}  // namespace quintara
