#pragma once

#include <QApplication>
#include <QColor>
#include <QPoint>
#include <QStringList>
#include <QTimer>
#include <chrono>
#include <functional>

#include "board/Geometry.h"
#include "support/RecordingView.h"
#include "ui/ClientArea.h"
#include "ui/MessageBoxes.h"
#include "ui/PointSound.h"
#include "ui/frmJeuxDePoints.h"

namespace quintara::testing {

// Pure colours as the window paints them.
inline const QColor kPureGreen(0x00, 0xFF, 0x00);
inline const QColor kPureRed(0xFF, 0x00, 0x00);
inline const QColor kPureYellow(0xFF, 0xFF, 0x00);
inline const QColor kBlack(0x00, 0x00, 0x00);

// A chime that notes what it was told.
class RecordingSound : public ui::PointSound {
 public:
  explicit RecordingSound(QStringList& log) : log_(log) {}
  void play() override { log_ << "play"; }
  void stop() override { log_ << "stop"; }

 private:
  QStringList& log_;
};

// The window's questions answered from a script: each question takes the next answer (No when
// none is left); every box is noted as "caption: text", and `whenShown` runs as it would open.
class ScriptedBoxes : public ui::MessageBoxes {
 public:
  ScriptedBoxes(QStringList& log, QList<bool>& answers) : log_(log), answers_(answers) {}
  void inform(const QString& text, const QString& caption) override { Note(text, caption); }
  bool ask(const QString& text, const QString& caption) override {
    Note(text, caption);
    return !answers_.isEmpty() && answers_.takeFirst();
  }
  std::function<void()> whenShown;

 private:
  void Note(const QString& text, const QString& caption) {
    if (whenShown) whenShown();
    log_ << caption + ": " + text;
  }
  QStringList& log_;
  QList<bool>& answers_;
};

// Runs `act` on the next modal window of type T that opens (a dialog shown with exec()).
template <typename T>
void WhenModal(std::function<void(T*)> act) {
  auto* poll = new QTimer;
  poll->setInterval(5);
  QObject::connect(poll, &QTimer::timeout, [poll, act] {
    auto* modal = qobject_cast<T*>(QApplication::activeModalWidget());
    if (modal == nullptr || !modal->isVisible()) return;
    poll->stop();
    poll->deleteLater();
    act(modal);
  });
  poll->start();
}

// The main window on screen at its design size, with a fixed die, points shown at their size at
// once and a recording chime.
class WindowHarness {
 public:
  explicit WindowHarness(std::chrono::milliseconds growth = std::chrono::milliseconds(0));

  ui::frmJeuxDePoints& window() { return window_; }
  Game& game() { return window_.game(); }
  ui::ClientArea& client() { return window_.client(); }

  // The crossing of an intersection, in client-area pixels.
  static QPoint Crossing(int index);
  // The colour of one pixel of the client area as it paints now.
  QColor PixelAt(QPoint clientPixel);
  // The first pixel of the colour in a rectangle of the client area, or (-1, -1).
  QPoint Find(const QColor& colour, const QRect& area);

  // The player's mouse, through the window as the platform delivers it.
  void Click(QPoint clientPixel);
  void ClickAt(int index) { Click(Crossing(index)); }
  void MoveTo(QPoint clientPixel);

  // From now on the window's questions are answered from `answers` and noted in `boxes`.
  ScriptedBoxes& ScriptBoxes();

  QStringList sounds;
  QStringList boxes;
  QList<bool> answers;

 private:
  QPoint InWindow(QPoint clientPixel);

  FixedDie die_{{4}};
  ui::frmJeuxDePoints window_;
};

}  // namespace quintara::testing
