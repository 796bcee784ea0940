#pragma once

#include <QLabel>

namespace quintara::ui {

// A count under a coloured bar. Its accessible name says what it counts, which hides the number
// from screen readers, so the number is also its accessible description.
inline void ShowCount(QLabel& label, int count) {
  label.setNum(count);
  label.setAccessibleDescription(label.text());
}

// A count that a screen reader reads by its name alone, which says the number too.
inline void ShowCount(QLabel& label, int count, const QString& name) {
  label.setNum(count);
  label.setAccessibleName(name);
}

}  // namespace quintara::ui
