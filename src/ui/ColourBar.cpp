#include "ui/ColourBar.h"

#include <QWidget>

#include "ui/Twips.h"

namespace quintara::ui {

QWidget* NewColourBar(const QString& name, const QColor& colour, QWidget* parent) {
  auto* bar = new QWidget(parent);
  bar->setObjectName(name);
  bar->setAccessibleName(name);
  bar->setAutoFillBackground(true);
  QPalette colours = bar->palette();
  colours.setColor(QPalette::Window, colour);
  bar->setPalette(colours);
  bar->setMinimumSize(PixelSize(615, 135));
  bar->resize(PixelSize(615, 135));
  return bar;
}

}  // namespace quintara::ui
