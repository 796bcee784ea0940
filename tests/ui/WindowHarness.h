#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "opponent/Die.h"
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

using Step = std::function<void(QDialog*)>;

// Every dialog and message box that opens, noted as the player meets it ("caption" or "caption
// | text | buttons", and the box's name for a reader when it is not its caption), then handled in
// its own loop by the next of `steps`, a dialog that its step leaves open closed; without a step,
// a box with OK alone is closed with it, a question answered with the next of `answers` (Yes or
// No), else No, unless `answering` is off (a test answers it itself), and another dialog goes to
// `otherwise`.
class Modals : public QObject {
 public:
  Modals() { qApp->installEventFilter(this); }

  QStringList seen;
  QList<Step> steps;
  QList<bool> answers;
  bool answering = true;
  Step otherwise;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* window = qobject_cast<QDialog*>(watched);
    if (window && event->type() == QEvent::Show)
      QTimer::singleShot(0, window, [this, window] { Handle(window); });
    return false;
  }

 private:
  void Handle(QDialog* window) {
    QString line = window->windowTitle();
    auto* box = qobject_cast<QMessageBox*>(window);
    if (box != nullptr) {
      line += " | " + box->text() + " |";
      for (QAbstractButton* button : box->buttons()) line += " " + button->text();
      if (box->accessibleName() != box->windowTitle()) line += " [" + box->accessibleName() + "]";
    }
    seen << line;
    if (!steps.isEmpty()) {
      steps.takeFirst()(window);
      if (window->isVisible()) seen << "(left open)", window->reject();
    } else if (box != nullptr && answering) {
      const bool yes = !answers.isEmpty() && answers.takeFirst();
      QAbstractButton* ok = box->button(QMessageBox::Ok);
      (ok != nullptr ? ok : box->button(yes ? QMessageBox::Yes : QMessageBox::No))->click();
    } else if (box == nullptr && otherwise) {
      otherwise(window);
    }
  }
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

// The main window on screen, with a seeded die, a recording chime, and its dialogs and boxes
// noted and handled by `modals`; the mouse goes through the window as the platform delivers it.
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
  Modals modals;
  ui::MainWindow window{die};
};

}  // namespace quintara::testing
