#pragma once

#include <QLabel>
#include <QWidget>

namespace quintara::ui {

// One of the four bars glued to the edges of the client area, in the window's background.
class Bar : public QWidget {
  Q_OBJECT

 public:
  Bar(const QString& name, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// The top bar: the level text.
class TopBar : public Bar {
  Q_OBJECT

 public:
  explicit TopBar(QWidget* parent);
  void showLevel(int level);
  const QLabel& levelText() const { return *levelText_; }

 private:
  QLabel* levelText_;
};

// The left bar shows nothing.
class LeftBar : public Bar {
  Q_OBJECT

 public:
  explicit LeftBar(QWidget* parent) : Bar("LeftBar", parent) {}
};

// The bottom bar: what lies under the mouse.
class StatusBar : public Bar {
  Q_OBJECT

 public:
  explicit StatusBar(QWidget* parent);
  // Blank until the mouse moves over the sheet. Over a playable intersection the bar is blank;
  // anywhere else on the sheet it says so.
  void showHover(bool overPlayable);
  const QLabel& message() const { return *message_; }

 private:
  QLabel* message_;
};

}  // namespace quintara::ui
