#include "ui/Colours.h"

#include <QWidget>

namespace quintara::ui {

void UseGameColours(QWidget& widget) {
  widget.setStyleSheet(QStringLiteral("QWidget { color: %1; background-color: %2; }")
                           .arg(kWindowText.name(), kWindowBackground.name()));
}

}  // namespace quintara::ui
