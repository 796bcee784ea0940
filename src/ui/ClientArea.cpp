#include "ui/ClientArea.h"

#include <algorithm>

#include "ui/Bars.h"
#include "ui/Colours.h"
#include "ui/RightPanel.h"
#include "ui/SheetWidget.h"
#include "ui/Twips.h"

namespace quintara::ui {
namespace {

constexpr int kTopBarHeight = 680;
constexpr int kLeftBarWidth = 680;
constexpr int kStatusBarHeight = 430;

}  // namespace

ClientArea::ClientArea(const Game& game, QWidget* parent)
    : QWidget(parent),
      sheet_(new SheetWidget(game, this)),
      topBar_(new TopBar(this)),
      leftBar_(new LeftBar(this)),
      rightPanel_(new RightPanel(this)),
      statusBar_(new StatusBar(this)) {
  setObjectName("clientArea");
  UseGameColours(*this);
  // The arrows keep working after a click on a bar: the sheet takes the focus instead.
  for (QWidget* bar : {static_cast<QWidget*>(topBar_), static_cast<QWidget*>(leftBar_),
                       static_cast<QWidget*>(rightPanel_), static_cast<QWidget*>(statusBar_)}) {
    bar->setFocusProxy(sheet_);
  }
}

void ClientArea::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const int width = this->width();
  const int height = this->height();
  // Whole pixels towards the outer edges, so that no crossing inside the playing area falls
  // under a bar.
  const int top = kTopBarHeight / kTwipsPerPixel;
  const int bottom = kStatusBarHeight / kTwipsPerPixel;
  const int left = kLeftBarWidth / kTwipsPerPixel;
  const int right = kRightPanelWidth / kTwipsPerPixel;
  const int between = std::max(0, height - top - bottom);

  sheet_->setGeometry(0, 0, width, height);
  topBar_->setGeometry(0, 0, width, top);
  statusBar_->setGeometry(0, height - bottom, width, bottom);
  leftBar_->setGeometry(0, top, left, between);
  rightPanel_->setGeometry(width - right, top, right, between);
  emit resized();
}

}  // namespace quintara::ui
