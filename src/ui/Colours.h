#pragma once

#include <QColor>

#include "board/Geometry.h"

class QWidget;

namespace quintara::ui {

// The game's own look, the same on every desktop: black on the window's light grey.
// The grey is taken by the sheet, the four bars and the rules' panel; the black by the grid,
// the cross-hair's ring and every text on them.
inline const QColor kWindowBackground(224, 224, 224);
inline const QColor kWindowText(0, 0, 0);
inline const QColor kHoverMarkerColour(255, 255, 0);
// The hint's mark: a blue apart from the sides' red and green and the marker's yellow.
inline const QColor kHintMarkColour(0, 80, 255);

// A widget and everything in it take the game's look instead of the desktop's palette and
// style sheet (the application's style sheet yields to a widget's own).
void UseGameColours(QWidget& widget);

// A colour as the game keeps it: a 24-bit RGB number with red in the low byte.
inline QColor FromRgbNumber(PointColour colour) {
  const int rgb = RgbNumber(colour);
  return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

// QuickBASIC colour numbers as Visual Basic shows them: 0 black, 2 dark green, 12 bright red.
inline QColor FromColourNumber(ColourNumber colourNumber) {
  switch (colourNumber) {
    case ColourNumber::kDarkGreen: return QColor(0x00, 0x80, 0x00);
    case ColourNumber::kBrightRed: return QColor(0xFF, 0x00, 0x00);
    default: return QColor(0x00, 0x00, 0x00);
  }
}

}  // namespace quintara::ui
