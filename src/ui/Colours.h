#pragma once

#include <QColor>

#include "board/Geometry.h"

namespace quintara::ui {

// The window's light grey, taken by the sheet and the four bars.
inline const QColor kWindowBackground(224, 224, 224);
inline const QColor kHoverMarkerColour(255, 255, 0);

// A colour as the game keeps it: a 24-bit RGB number with red in the low byte.
inline QColor FromRgbNumber(int rgb) {
  return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

// QuickBASIC colour numbers as Visual Basic shows them: 0 black, 2 dark green, 12 bright red.
inline QColor FromColourNumber(int colourNumber) {
  switch (colourNumber) {
    case kColourNumberDarkGreen: return QColor(0x00, 0x80, 0x00);
    case kColourNumberBrightRed: return QColor(0xFF, 0x00, 0x00);
    default: return QColor(0x00, 0x00, 0x00);
  }
}

}  // namespace quintara::ui
