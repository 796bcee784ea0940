#include "ui/ElidedLabel.h"

namespace quintara::ui {

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  // Its width comes from the layout, never from its text.
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void ElidedLabel::setFullText(const QString& text) {
  fullText_ = text;
  setAccessibleName(text);
  setToolTip(text);
  elide();
}

void ElidedLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  elide();
}

void ElidedLabel::elide() {
  setText(fontMetrics().elidedText(fullText_, Qt::ElideRight, contentsRect().width()));
}

}  // namespace quintara::ui
