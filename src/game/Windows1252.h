#pragma once

#include <string>
#include <string_view>

namespace quintara {

// Names in the score file are one byte per character in the Windows-1252 code page.

// UTF-8 to Windows-1252; a character the code page cannot hold becomes "?". Only well-formed
// UTF-8 is decoded: every byte of a broken sequence (a stray continuation byte, a cut-short or
// overlong sequence, a surrogate, a code point above U+10FFFF) becomes "?" of its own.
std::string ToWindows1252(std::string_view utf8);

// Windows-1252 to UTF-8; the five bytes the code page leaves undefined become "?".
std::string FromWindows1252(std::string_view bytes);

}  // namespace quintara
