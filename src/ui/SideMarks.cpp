#include "ui/SideMarks.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace quintara::ui {
namespace {

// A display setting of the run, like the sound; the points and bars read it as they paint.
bool marked = false;  // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)

// A white cross of two diagonals in the square of side `size` centred on `centre`.
void DrawCross(QPainter& painter, QPointF centre, double size) {
  const double half = size / 2;
  painter.save();
  painter.setPen(QPen(Qt::white, size / 4, Qt::SolidLine, Qt::FlatCap));
  painter.setBrush(Qt::NoBrush);
  painter.drawLine(centre + QPointF(-half, -half), centre + QPointF(half, half));
  painter.drawLine(centre + QPointF(-half, half), centre + QPointF(half, -half));
  painter.restore();
}

}  // namespace

bool RedSideMarked() {
  return marked;
}

void MarkRedSide(bool on) {
  marked = on;
  for (QWidget* widget : QApplication::allWidgets()) widget->update();
}

void DrawPointMark(QPainter& painter, const QRectF& disc) {
  DrawCross(painter, disc.center(), disc.width() * 0.5);
}

void DrawBarMarks(QPainter& painter, const QRectF& bar) {
  const double size = bar.height() * 0.7;
  for (double x = bar.left() + bar.height() / 2; x + size / 2 <= bar.right();
       x += bar.height() * 1.5)
    DrawCross(painter, QPointF(x, bar.center().y()), size);
}

}  // namespace quintara::ui
