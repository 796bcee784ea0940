#pragma once

#include <QDialog>

class QScrollBar;
class QWidget;

namespace quintara::ui {

// The rules window: the rules drawn line by line on a panel taller than the window, moved up
// and down by a scroll bar.
class frmApropos : public QDialog {
  Q_OBJECT

 public:
  explicit frmApropos(QWidget* parent = nullptr);

  QScrollBar* scrollBar() const { return scrollBar_; }
  QWidget* textPanel() const { return panel_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void VScroll_Change(int value);

  QWidget* panel_;
  QScrollBar* scrollBar_;
};

}  // namespace quintara::ui
