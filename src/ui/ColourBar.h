#pragma once

#include <QColor>
#include <QWidget>

// A small bar of one colour that marks a side: green for the first player, red for the second.
class ColourBar : public QWidget {
 public:
  explicit ColourBar(QColor colour, QWidget* parent = nullptr);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor colour_;
};
