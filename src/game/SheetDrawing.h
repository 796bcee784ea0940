#pragma once

#include "board/Geometry.h"

namespace quintara {

// A line drawn on the sheet (twips, client-area coordinates): a winning line, or one of the
// frames round a finished game. Both are drawn with the sheet's line setting of 2.
struct SheetDrawing {
  enum class Kind { kWinningLine, kFrame };
  Kind kind;
  int x1;
  int y1;
  int x2;
  int y2;
  ColourNumber colourNumber;
  int width;
};

}  // namespace quintara
