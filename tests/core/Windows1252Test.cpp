// Names in Windows-1252, both ways against the C library's converter.
#include <gtest/gtest.h>
#include <iconv.h>

#include <array>
#include <random>

#include "game/Windows1252.h"

namespace quintara {
namespace {

// Converts the one character at the start of `in` with iconv; false when iconv refuses it.
bool ConvertOne(iconv_t cd, std::string_view& in, std::string& out) {
  std::array<char, 4> buffer{};
  char* source = const_cast<char*>(in.data());
  char* target = buffer.data();
  std::size_t left = in.size(), room = buffer.size();
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  iconv(cd, &source, &left, &target, &room);
  out.append(buffer.data(), target);
  in.remove_prefix(in.size() - left);
  return target != buffer.data();
}

TEST(Windows1252, AgreesWithTheCLibraryBothWays) {
  const iconv_t fromCodePage = iconv_open("UTF-8", "WINDOWS-1252");
  const iconv_t toUtf32 = iconv_open("UTF-32LE", "UTF-8");
  const iconv_t toCodePage = iconv_open("WINDOWS-1252", "UTF-32LE");
  ASSERT_NE(toCodePage, reinterpret_cast<iconv_t>(-1));
  for (int byte = 0; byte < 256; ++byte) {
    const std::string in(1, static_cast<char>(byte));
    std::string_view rest = in;
    std::string expected;
    if (!ConvertOne(fromCodePage, rest, expected)) expected += '?';
    ASSERT_EQ(FromWindows1252(in), expected) << byte;
    ASSERT_EQ(ToWindows1252(expected), expected == "?" ? "?" : in) << byte;
  }
  // UTF-8's boundaries, then random strings; a broken byte or a foreign character gives one '?'.
  const std::vector<std::string> boundaries = {
      "\x7F",         "\xC2\x80",     "\xDF\xBF",         "\xE0\xA0\x80",    "\xED\x9F\xBF",
      "\xEE\x80\x80", "\xEF\xBF\xBF", "\xF0\x90\x80\x80", "\xF4\x8F\xBF\xBF"};
  const std::string edges(
      "\x00\x41\x7F\x80\x8F\x90\x9F\xA0\xBF\xC0\xC1\xC2\xDF\xE0\xED\xEF\xF0\xF4\xF5\xFF", 20);
  std::mt19937 random(12);
  for (std::size_t round = 0; round < 50000; ++round) {
    std::string bytes = round < boundaries.size() ? boundaries[round] : "", expected;
    for (int k = round < boundaries.size() ? 0 : static_cast<int>(random() % 9); k > 0; --k)
      bytes += random() % 2 == 0 ? edges[random() % edges.size()] : static_cast<char>(random());
    for (std::string_view rest = bytes; !rest.empty();) {
      std::string utf32;
      const bool read = ConvertOne(toUtf32, rest, utf32);
      std::string_view one = utf32;
      if (!read) rest.remove_prefix(1);
      if (!read || !ConvertOne(toCodePage, one, expected)) expected += '?';
    }
    ASSERT_EQ(ToWindows1252(bytes), expected) << ::testing::PrintToString(bytes);
  }
  for (const iconv_t cd : {fromCodePage, toUtf32, toCodePage}) iconv_close(cd);
}

}  // namespace
}  // namespace quintara
