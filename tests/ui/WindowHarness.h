#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "opponent/Die.h"
#include "ui/Bars.h"
#include "ui/ClientArea.h"
#include "ui/MainWindow.h"
#include "ui/MessageBoxes.h"
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

// Notes each box as "caption: text" and answers each question with the next answer, else No.
struct ScriptedBoxes : ui::MessageBoxes {
  ScriptedBoxes(QStringList& to, QList<bool>& from) : log(to), answers(from) {}
  void inform(const QString& text, const QString& caption) override { ask(text, caption); }
  bool ask(const QString& text, const QString& caption) override {
    if (whenShown) whenShown();
    log << caption + ": " + text;
    return !answers.isEmpty() && answers.takeFirst();
  }
  QStringList& log;
  QList<bool>& answers;
  std::function<void()> whenShown;  // as the box would open
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

// The main window on screen, with a seeded die, a recording chime and scripted boxes; the mouse
// goes through the window as the platform delivers it.
struct WindowHarness {
  explicit WindowHarness(std::chrono::milliseconds growth = {}, unsigned seed = 4) : die(seed) {
    window.setGrowthDuration(growth);
    window.setPointSound(std::make_unique<RecordingSound>(sounds));
    window.setMessageBoxes(std::unique_ptr<ScriptedBoxes>(scripted));
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
  }
  void MoveTo(QPoint pixel) {
    QTest::mouseMove(window.windowHandle(), client().mapTo(&window, pixel));
  }

  SeededDie die;
  QStringList sounds, boxes;
  QList<bool> answers;
  ScriptedBoxes* scripted = new ScriptedBoxes(boxes, answers);  // owned by the window
  ui::MainWindow window{die};
};

}  // namespace quintara::testing
