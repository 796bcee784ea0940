#include "WindowHarness.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QMessageBox>
#include <QTest>

#include "ui/SheetWidget.h"
#include "ui/Twips.h"

namespace quintara::testing {

WindowHarness::WindowHarness(std::chrono::milliseconds growth) : window_(die_) {
  window_.setGrowthDuration(growth);
  window_.setPointSound(std::make_unique<RecordingSound>(sounds));
  window_.show();
  if (!QTest::qWaitForWindowExposed(&window_)) qFatal("the window did not show");
}

void WindowHarness::ScriptBoxes() {
  window_.setMessageBoxes(std::make_unique<ScriptedBoxes>(boxes, answers));
}

QPoint WindowHarness::Crossing(int index) {
  return QPoint(CrossingX(index) / ui::kTwipsPerPixel, CrossingY(index) / ui::kTwipsPerPixel);
}

QColor WindowHarness::PixelAt(QPoint clientPixel) {
  const QImage image = client().grab().toImage();
  return image.pixelColor(clientPixel);
}

QPoint WindowHarness::Find(const QColor& colour, const QRect& area) {
  const QImage image = client().grab().toImage();
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (image.valid(x, y) && image.pixelColor(x, y) == colour) return QPoint(x, y);
    }
  }
  return QPoint(-1, -1);
}

QPoint WindowHarness::InWindow(QPoint clientPixel) {
  return client().mapTo(&window_, clientPixel);
}

void WindowHarness::Click(QPoint clientPixel) {
  QTest::mouseClick(window_.windowHandle(), Qt::LeftButton, Qt::NoModifier, InWindow(clientPixel));
}

void WindowHarness::MoveTo(QPoint clientPixel) {
  QTest::mouseMove(window_.windowHandle(), InWindow(clientPixel));
}

void WindowHarness::ResizeClient(QSize pixels) {
  const QSize before = client().size();
  window_.resizeClient(pixels);
  QTest::qWait(1);
  QTRY_VERIFY_WITH_TIMEOUT(client().size() != before || client().size() == pixels, 2000);
  QApplication::processEvents();
}

MessageBoxAnswerer::MessageBoxAnswerer() {
  QApplication::instance()->installEventFilter(this);
  poll_.setInterval(10);
  QObject::connect(&poll_, &QTimer::timeout, this, [this] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    ++count;
    caption = box->windowTitle();
    text = box->text();
    QAbstractButton* answer = box->button(QMessageBox::Yes);
    if (answer == nullptr) answer = box->button(QMessageBox::Ok);
    if (answer != nullptr) answer->click();
  });
  poll_.start();
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
  QApplication::instance()->removeEventFilter(this);
}

bool MessageBoxAnswerer::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show && qobject_cast<QMessageBox*>(watched) && whenShown) {
    whenShown();
  }
  return false;
}

}  // namespace quintara::testing
