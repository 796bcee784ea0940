#pragma once

#include <QDialog>

class QScrollBar;
class QWidget;

namespace quintara::ui {

// The rules window: the rules drawn line by line on a panel taller than the window, moved up
// and down by a scroll bar. Screen readers meet them one paragraph at a time, heading included.
class RulesWindow : public QDialog {
  Q_OBJECT

 public:
  explicit RulesWindow(QWidget* parent = nullptr);

  QScrollBar* scrollBar() const { return scrollBar_; }
  QWidget* textPanel() const { return panel_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  // The wheel and the keys anywhere over the window move the bar as its own would, also when
  // the button "Annuler" has the focus.
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void scrollTo(int value);
  // Moves the bar for Up, Down, Page Up, Page Down, Home or End; false for any other key.
  bool scrollByKey(int key);

  QWidget* panel_;
  QScrollBar* scrollBar_;
};

}  // namespace quintara::ui
