#pragma once

#include <QWidget>

namespace quintara::ui {

// What happened, for a screen reader: an empty widget of the notification role, which readers
// speak (its name) whenever it comes into view. It covers no pixel: a sighted player sees
// nothing of it.
class Announcer : public QWidget {
  Q_OBJECT

 public:
  explicit Announcer(QWidget* parent);
  // Has readers say the words now; nothing when no reader listens.
  void say(const QString& words);
};

}  // namespace quintara::ui
