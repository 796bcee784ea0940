#pragma once

#include <QLabel>

namespace quintara::ui {

// A one-line label whose text never widens its layout: it shows as much of the text as its
// width allows, ending in "…", and keeps the whole text for screen readers and as its tooltip.
class ElidedLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ElidedLabel(QWidget* parent = nullptr);

  void setFullText(const QString& text);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void elide();

  QString fullText_;
};

}  // namespace quintara::ui
