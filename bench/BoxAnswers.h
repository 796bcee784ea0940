#pragma once

// Answers the window's message boxes as a player does, through the event loop: once the event
// that opened a box is over, a question is answered as `answerFor` its text says, else with
// `whenEmpty`; a box with OK alone is closed with it.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>

namespace quintara::testing {

class BoxAnswers : public QObject {
 public:
  BoxAnswers() { qApp->installEventFilter(this); }

  bool whenEmpty = false;
  std::function<bool(const QString&)> answerFor;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* box = qobject_cast<QMessageBox*>(watched);
    if (box == nullptr || event->type() != QEvent::Show) return false;
    QAbstractButton* button = box->button(QMessageBox::Ok);
    if (button == nullptr) {
      const bool yes = answerFor ? answerFor(box->text()) : whenEmpty;
      button = box->button(yes ? QMessageBox::Yes : QMessageBox::No);
    }
    QTimer::singleShot(0, button, &QAbstractButton::click);
    return false;
  }
};

}  // namespace quintara::testing
