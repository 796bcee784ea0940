#include "ui/frmJeuxDePoints.h"

#include <QEvent>

#include "board/ShownArea.h"
#include "game/Texts.h"
#include "ui/Bars.h"
#include "ui/ClientArea.h"
#include "ui/MessageBoxes.h"
#include "ui/PointSound.h"
#include "ui/RightPanel.h"
#include "ui/SheetWidget.h"
#include "ui/Twips.h"

namespace quintara::ui {

frmJeuxDePoints::frmJeuxDePoints(DieSource& die, QWidget* parent)
    : QMainWindow(parent),
      game_(*this, die),
      client_(new ClientArea(game_, this)),
      sound_(std::make_unique<SilentPointSound>()),
      boxes_(std::make_unique<QtMessageBoxes>(this)) {
  setObjectName("frmJeuxDePoints");
  setWindowTitle(quintara::texts::kApplicationTitle);
  setCentralWidget(client_);
  client_->setMinimumSize(ClientPixels(kSmallestOuterWidth, kSmallestOuterHeight));

  SheetWidget& sheet = client_->sheet();
  connect(&sheet, &SheetWidget::intersectionClicked, this, &frmJeuxDePoints::lblIntersection_Click);
  connect(&sheet, &SheetWidget::hovered, &client_->statusBar(), &StatusBar::showHover);
  connect(&sheet, &SheetWidget::growthsEnded, this, [this] {
    if (!stopSoundAfterGrowth_)
      return;
    stopSoundAfterGrowth_ = false;
    sound_->stop();
  });
  connect(client_, &ClientArea::resized, this, &frmJeuxDePoints::Form_Resize);

  refreshBars();
  resizeClient(QSize(ToPixels(kDesignClientWidth), ToPixels(kDesignClientHeight)));
}

frmJeuxDePoints::~frmJeuxDePoints() = default;

void frmJeuxDePoints::setPointSound(std::unique_ptr<PointSound> sound) {
  sound_ = std::move(sound);
}

void frmJeuxDePoints::setMessageBoxes(std::unique_ptr<MessageBoxes> boxes) {
  boxes_ = std::move(boxes);
}

void frmJeuxDePoints::setGrowthDuration(std::chrono::milliseconds duration) {
  client_->sheet().setGrowthDuration(duration);
}

void frmJeuxDePoints::resizeClient(QSize pixels) {
  // Whatever the window adds round the client area (the menu bar) stays as it is.
  const QSize chrome = size() - client_->size();
  const QSize added = client_->isVisible()
                          ? chrome
                          : QSize(0, menuWidget() ? menuWidget()->sizeHint().height() : 0);
  resize(added + pixels);
}

void frmJeuxDePoints::Form_Resize() {
  const QSize outer = OuterTwips(client_->size());
  if (outer.width() > kLargestOuterWidth || outer.height() > kLargestOuterHeight) {
    // Once the platform has finished with the size it is handing out now.
    QMetaObject::invokeMethod(this, &frmJeuxDePoints::showLargest, Qt::QueuedConnection);
  }
  // The game caps the size as well, so the shown area is right even before the window has
  // taken its new size.
  game_.Form_Resize(outer.width(), outer.height());
}

void frmJeuxDePoints::showLargest() {
  if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
    setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
  }
  resizeClient(ClientPixels(kLargestOuterWidth, kLargestOuterHeight));
}

void frmJeuxDePoints::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  // A maximised window becomes a normal window of the largest size.
  if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMaximized)) {
    QMetaObject::invokeMethod(this, &frmJeuxDePoints::showLargest, Qt::QueuedConnection);
  }
}

void frmJeuxDePoints::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  // Without a window manager nothing holds the window to its smallest size but the window.
  const QSize least = size().expandedTo(minimumSize());
  if (least != size()) {
    QMetaObject::invokeMethod(
        this, [this, least] { resize(least); }, Qt::QueuedConnection);
  }
}

void frmJeuxDePoints::lblIntersection_Click(int index) {
  game_.lblIntersection_Click(index);
  refreshBars();
}

void frmJeuxDePoints::refreshBars() {
  client_->topBar().showLevel(game_.level());
  client_->rightPanel().showTurn(game_.TurnColour(), QString::fromStdString(game_.StatusText()));
}

void frmJeuxDePoints::pointPlaced(int index, int /*colour*/, bool growing) {
  SheetWidget& sheet = client_->sheet();
  if (growing) {
    sheet.startGrowth(index);
  } else {
    sheet.update(SheetWidget::PointArea(index));
  }
}

void frmJeuxDePoints::sheetDrawn() {
  client_->sheet().update();
}

void frmJeuxDePoints::sheetCleared() {
  client_->sheet().cancelGrowths();
  client_->sheet().update();
}

void frmJeuxDePoints::turnChanged(int colour, const std::string& statusText) {
  client_->rightPanel().showTurn(colour, QString::fromStdString(statusText));
}

void frmJeuxDePoints::showMessage(const std::string& text, const std::string& caption) {
  // The player sees the sheet as it stands before the box takes the focus.
  repaint();
  boxes_->inform(QString::fromStdString(text), QString::fromStdString(caption));
}

bool frmJeuxDePoints::askYesNo(const std::string& text, const std::string& caption) {
  repaint();
  return boxes_->ask(QString::fromStdString(text), QString::fromStdString(caption));
}

void frmJeuxDePoints::maximise() {
  showLargest();
}

void frmJeuxDePoints::PlayPointSound() {
  sound_->play();
}

void frmJeuxDePoints::stopPointSound() {
  // The chime lasts as long as the growth of the point that is showing.
  if (client_->sheet().growing()) {
    stopSoundAfterGrowth_ = true;
  } else {
    sound_->stop();
  }
}

}  // namespace quintara::ui
