#pragma once

#include <string>

#include "board/Geometry.h"
#include "support/AsciiBoard.h"

namespace quintara::testing {

// A picture with two marks that AsciiBoard does not know:
//   @  the anchor, drawn as a point of the side the rule reads for (O or X)
//   *  the intersection the computer is expected to take (left empty)
struct MarkedPicture {
  Picture picture;
  int anchor = 0;    // 0 when the picture has no @
  int expected = 0;  // 0 when the picture has no *: nothing may be placed
};

inline MarkedPicture Mark(Picture picture, char anchorLetter = 'O') {
  MarkedPicture marked{picture, 0, 0};
  for (std::size_t line = 0; line < marked.picture.lines.size(); ++line) {
    int column = picture.column;
    for (char& letter : marked.picture.lines[line]) {
      if (letter == ' ') continue;
      const int index = IndexOf(picture.row + static_cast<int>(line), column++);
      if (letter == '@') {
        marked.anchor = index;
        letter = anchorLetter;
      } else if (letter == '*') {
        marked.expected = index;
      }
    }
  }
  return marked;
}

}  // namespace quintara::testing
