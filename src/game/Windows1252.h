#pragma once

#include <string>
#include <string_view>

namespace quintara {

// Names in the score file are one byte per character in the Windows-1252 code page.

// UTF-8 to Windows-1252; a character the code page cannot hold (or a broken UTF-8 sequence)
// becomes "?".
std::string ToWindows1252(std::string_view utf8);

// Windows-1252 to UTF-8; the five bytes the code page leaves undefined become "?".
std::string FromWindows1252(std::string_view bytes);

}  // namespace quintara
