#pragma once

#include <QLabel>

namespace quintara::ui {

// A count under a coloured bar. Screen readers read a label by its accessible name, which says
// what the count is for (the label's object name) and then the number.
inline void ShowCount(QLabel& label, int count) {
  label.setNum(count);
  label.setAccessibleName(label.objectName() + QStringLiteral(" : ") + label.text());
}

// The same with the whole name given, the number in it.
inline void ShowCount(QLabel& label, int count, const QString& name) {
  label.setNum(count);
  label.setAccessibleName(name);
}

}  // namespace quintara::ui
