#include "ui/ColourBar.h"

#include <QPainter>

#include "ui/Twips.h"

ColourBar::ColourBar(QColor colour, QWidget* parent) : QWidget(parent), colour_(colour) {
  setMinimumHeight(ToPixels(135));
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

QSize ColourBar::sizeHint() const {
  return PixelSize(615, 135);
}

void ColourBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), colour_);
}
