#pragma once

class QPainter;
class QRectF;

namespace quintara::ui {

// For players who cannot tell red from green: the red side's points and bars carry a white
// cross, the green side's nothing. Off at start, for the program's run.
bool RedSideMarked();
// Turns the marks on or off and repaints every widget.
void MarkRedSide(bool on);

// The cross on a red point, inside its disc.
void DrawPointMark(QPainter& painter, const QRectF& disc);
// Crosses along a red bar.
void DrawBarMarks(QPainter& painter, const QRectF& bar);

}  // namespace quintara::ui
