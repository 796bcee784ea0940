#pragma once

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <functional>

#include "support/RecordingView.h"
#include "ui/ClientArea.h"
#include "ui/MessageBoxes.h"
#include "ui/PointSound.h"
#include "ui/Twips.h"
#include "ui/frmJeuxDePoints.h"

namespace quintara::testing {

// A chime that notes what it was told.
struct RecordingSound : ui::PointSound {
  explicit RecordingSound(QStringList& to) : log(to) {}
  void play() override { log << "play"; }
  void stop() override { log << "stop"; }
  QStringList& log;
};

// Each question takes the next answer (No when none is left); every box is noted as
// "caption: text", and `whenShown` runs as it would open.
struct ScriptedBoxes : ui::MessageBoxes {
  ScriptedBoxes(QStringList& to, QList<bool>& from) : log(to), answers(from) {}
  void inform(const QString& text, const QString& caption) override { Note(text, caption); }
  bool ask(const QString& text, const QString& caption) override {
    Note(text, caption);
    return !answers.isEmpty() && answers.takeFirst();
  }
  void Note(const QString& text, const QString& caption) {
    if (whenShown) whenShown();
    log << caption + ": " + text;
  }
  QStringList& log;
  QList<bool>& answers;
  std::function<void()> whenShown;
};

// Runs `act` on the modal window of type T that the next call opens (a dialog shown with exec()).
template <typename T>
void WhenModal(std::function<void(T*)> act) {
  QTimer::singleShot(0, [act] { act(qobject_cast<T*>(QApplication::activeModalWidget())); });
}

// The crossing of (row, column), in client-area pixels.
inline QPoint Pixel(int row, int column) {
  return QPoint(CrossingX(IndexOf(row, column)), CrossingY(IndexOf(row, column))) /
         ui::kTwipsPerPixel;
}

// The main window on screen, with a fixed die and a recording chime; its questions are answered
// from `answers` and noted in `boxes`.
struct WindowHarness {
  explicit WindowHarness(std::chrono::milliseconds growth = {}) {
    window.setGrowthDuration(growth);
    window.setPointSound(std::make_unique<RecordingSound>(sounds));
    window.setMessageBoxes(std::unique_ptr<ScriptedBoxes>(scripted));
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) qFatal("the window did not show");
  }
  Game& game() { return window.game(); }
  ui::ClientArea& client() { return window.client(); }

  QColor PixelAt(QPoint pixel) { return client().grab().toImage().pixelColor(pixel); }
  bool Shows(QColor colour, const QRect& area) {
    const QImage image = client().grab(area).toImage().convertToFormat(QImage::Format_RGB32);
    const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
    const auto* end = pixels + image.sizeInBytes() / 4;
    return std::find(pixels, end, colour.rgb()) != end;
  }
  // The player's mouse, through the window as the platform delivers it.
  void Click(QPoint pixel) {
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, client().mapTo(&window, pixel));
  }
  void MoveTo(QPoint pixel) {
    QTest::mouseMove(window.windowHandle(), client().mapTo(&window, pixel));
  }

  FixedDie die{{4}};
  QStringList sounds, boxes;
  QList<bool> answers;
  ScriptedBoxes* scripted = new ScriptedBoxes(boxes, answers);  // owned by the window
  ui::frmJeuxDePoints window{die};
};

}  // namespace quintara::testing
