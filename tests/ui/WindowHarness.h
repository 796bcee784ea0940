#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "opponent/Die.h"
#include "support/BoxAnswers.h"
#include "ui/Bars.h"
#include "ui/ClientArea.h"
#include "ui/MainWindow.h"
#include "ui/OpponentDialog.h"
#include "ui/PointSound.h"
#include "ui/RightPanel.h"
#include "ui/SheetWidget.h"
#include "ui/Twips.h"

namespace quintara::testing {

struct RecordingSound : ui::PointSound {
  explicit RecordingSound(QStringList& to) : log(to) {}
  void play() override { log << "play"; }
  void stop() override { log << "stop"; }
  QStringList& log;
};

// Runs `act` on the modal window that the next call opens with exec().
template <typename T>
void WhenModal(std::function<void(T*)> act) {
  QTimer::singleShot(0, [act] { act(qobject_cast<T*>(QApplication::activeModalWidget())); });
}

// The crossing of (row, column), in client-area pixels.
inline QPoint Pixel(int row, int column) {
  return QPoint(CrossingX(IndexOf(row, column)), CrossingY(IndexOf(row, column))) /
         ui::kTwipsPerPixel;
}

// The main window on screen, with a seeded die, a recording chime, and its boxes answered from
// `answers` (else No); the mouse goes through the window as the platform delivers it.
struct WindowHarness {
  explicit WindowHarness(std::chrono::milliseconds growth = {}, unsigned seed = 4) : die(seed) {
    window.setGrowthDuration(growth);
    window.setPointSound(std::make_unique<RecordingSound>(sounds));
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) qFatal("the window did not show");
  }
  ui::ClientArea& client() { return window.client(); }
  QColor PixelAt(QPoint pixel) { return client().grab().toImage().pixelColor(pixel); }
  // The client area as the window last painted it, where grab() would paint it afresh.
  QImage Painted() {
    const QRect area(client().mapTo(&window, QPoint()), client().size());
    return window.screen()->grabWindow(window.winId()).toImage().copy(area);
  }
  void Click(QPoint pixel) {
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, client().mapTo(&window, pixel));
    Settle();
  }
  // Until the boxes and dialogs the last event opened are answered and closed.
  void Settle() {
    for (int k = 0; k < 100 && (window.game().WaitingFor() != Game::Question::kNone ||
                                QApplication::activeModalWidget() != nullptr);
         ++k)
      QCoreApplication::processEvents();
  }
  void MoveTo(QPoint pixel) {
    QTest::mouseMove(window.windowHandle(), client().mapTo(&window, pixel));
  }

  SeededDie die;
  QStringList sounds;
  BoxAnswers boxAnswers;
  QStringList& boxes = boxAnswers.shown;
  QList<bool>& answers = boxAnswers.answers;
  ui::MainWindow window{die};
};

}  // namespace quintara::testing
