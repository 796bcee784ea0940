#include "WindowHarness.h"

#include <QImage>
#include <QTest>

#include "ui/Twips.h"

namespace quintara::testing {

WindowHarness::WindowHarness(std::chrono::milliseconds growth) : window_(die_) {
  window_.setGrowthDuration(growth);
  window_.setPointSound(std::make_unique<RecordingSound>(sounds));
  window_.show();
  if (!QTest::qWaitForWindowExposed(&window_)) qFatal("the window did not show");
}

ScriptedBoxes& WindowHarness::ScriptBoxes() {
  auto scripted = std::make_unique<ScriptedBoxes>(boxes, answers);
  ScriptedBoxes& made = *scripted;
  window_.setMessageBoxes(std::move(scripted));
  return made;
}

QPoint WindowHarness::Crossing(int index) {
  return QPoint(CrossingX(index) / ui::kTwipsPerPixel, CrossingY(index) / ui::kTwipsPerPixel);
}

QColor WindowHarness::PixelAt(QPoint clientPixel) {
  return client().grab().toImage().pixelColor(clientPixel);
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

}  // namespace quintara::testing
