#pragma once

// Answers the window's message boxes as a player does, through the event loop: each box that
// shows is noted as "caption: text" and, once the event that opened it is over, answered with the
// next of `answers` (Yes or No), else `answerFor` the question, else `whenEmpty`; a box with OK
// alone is closed with it.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>

namespace quintara::testing {

class BoxAnswers : public QObject {
 public:
  BoxAnswers() { qApp->installEventFilter(this); }

  QStringList shown;
  QList<bool> answers;
  bool whenEmpty = false;
  std::function<bool(const QString&)> answerFor;
  std::function<void(QMessageBox*)> whenShown;  // as each box shows
  bool answering = true;                        // false: noted only, a test answers them itself

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* box = qobject_cast<QMessageBox*>(watched);
    if (box == nullptr || event->type() != QEvent::Show) return false;
    shown << box->windowTitle() + ": " + box->text();
    if (whenShown) whenShown(box);
    if (!answering) return false;
    QAbstractButton* button = box->button(QMessageBox::Ok);
    if (button == nullptr) {
      const bool yes = !answers.isEmpty() ? answers.takeFirst()
                       : answerFor        ? answerFor(box->text())
                                          : whenEmpty;
      button = box->button(yes ? QMessageBox::Yes : QMessageBox::No);
    }
    QTimer::singleShot(0, button, &QAbstractButton::click);
    return false;
  }
};

}  // namespace quintara::testing
