// Names are typed as UTF-8 and kept in Windows-1252: both ways against the C library's own
// converter, which refuses broken UTF-8 and the code page's undefined bytes as the game must.
#include <gtest/gtest.h>
#include <iconv.h>

#include <array>
#include <map>
#include <random>

#include "game/Windows1252.h"

namespace quintara {
namespace {

// One of the C library's converters, opened once (opening one loads its tables) and closed at
// exit.
iconv_t Converter(const char* to, const char* from) {
  static struct Open : std::map<std::string, iconv_t> {
    ~Open() {
      for (const auto& [name, cd] : *this) iconv_close(cd);
    }
  } open;
  const auto [at, added] = open.try_emplace(std::string(to) + from);
  if (added) at->second = iconv_open(to, from);
  return at->second;
}

// Converts the one character at the start of `in`; false when the converter refuses it.
bool ConvertOne(const char* to, const char* from, std::string_view& in, std::string& out) {
  const iconv_t cd = Converter(to, from);
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  std::array<char, 4> buffer{};  // room for one character
  std::size_t room = buffer.size();
  char* source = const_cast<char*>(in.data());
  std::size_t left = in.size();
  char* target = buffer.data();
  iconv(cd, &source, &left, &target, &room);
  if (target == buffer.data()) return false;
  out.append(buffer.data(), target);
  in.remove_prefix(in.size() - left);
  return true;
}

// Broken UTF-8 gives one "?" per byte, a character outside the code page one "?".
std::string ReferenceToWindows1252(std::string_view utf8) {
  std::string out;
  while (!utf8.empty()) {
    std::string utf32;
    if (!ConvertOne("UTF-32LE", "UTF-8", utf8, utf32)) {
      out += '?';
      utf8.remove_prefix(1);
    } else if (std::string_view one = utf32; !ConvertOne("WINDOWS-1252", "UTF-32LE", one, out)) {
      out += '?';
    }
  }
  return out;
}

TEST(Windows1252, AgreesWithTheCLibraryBothWays) {
  ASSERT_NE(Converter("WINDOWS-1252", "UTF-32LE"), reinterpret_cast<iconv_t>(-1));
  for (int byte = 0; byte < 256; ++byte) {
    const std::string in(1, static_cast<char>(byte));
    std::string_view rest = in;
    std::string expected;
    if (!ConvertOne("UTF-8", "WINDOWS-1252", rest, expected)) expected.assign(1, '?');
    ASSERT_EQ(FromWindows1252(in), expected) << byte;
    if (expected != "?") {
      ASSERT_EQ(ToWindows1252(expected), in) << byte;
    }
  }
  // The first and last code points of each length and around the surrogates, then random short
  // strings weighted towards the bytes where UTF-8's boundaries lie.
  const std::vector<std::string> boundaries = {
      "\x7F",         "\xC2\x80",     "\xDF\xBF",         "\xE0\xA0\x80",    "\xED\x9F\xBF",
      "\xEE\x80\x80", "\xEF\xBF\xBF", "\xF0\x90\x80\x80", "\xF4\x8F\xBF\xBF"};
  const std::string edges(
      "\x00\x41\x7F\x80\x8F\x90\x9F\xA0\xBF\xC0\xC1\xC2\xDF\xE0\xED\xEF\xF0\xF4\xF5\xFF", 20);
  std::mt19937 random(12);
  for (std::size_t round = 0; round < 50000; ++round) {
    std::string bytes = round < boundaries.size() ? boundaries[round] : "";
    for (int k = round < boundaries.size() ? 0 : static_cast<int>(random() % 9); k > 0; --k) {
      bytes += random() % 2 == 0 ? edges[random() % edges.size()] : static_cast<char>(random());
    }
    ASSERT_EQ(ToWindows1252(bytes), ReferenceToWindows1252(bytes))
        << ::testing::PrintToString(bytes);
  }
}

}  // namespace
}  // namespace quintara
