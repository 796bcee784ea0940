#pragma once

#include <QWidget>

namespace quintara {
class Game;
}

namespace quintara::ui {

class SheetWidget;
class TopBar;
class LeftBar;
class RightPanel;
class StatusBar;

// The client area below the menu bar: the sheet, with the four bars glued to its edges on top
// of it. The top and bottom bars run the whole width, the side bars fill the height between.
class ClientArea : public QWidget {
  Q_OBJECT

 public:
  ClientArea(const Game& game, QWidget* parent);

  SheetWidget& sheet() const { return *sheet_; }
  TopBar& topBar() const { return *topBar_; }
  RightPanel& rightPanel() const { return *rightPanel_; }
  StatusBar& statusBar() const { return *statusBar_; }

 signals:
  void resized();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  SheetWidget* sheet_;
  TopBar* topBar_;
  LeftBar* leftBar_;
  RightPanel* rightPanel_;
  StatusBar* statusBar_;
};

}  // namespace quintara::ui
