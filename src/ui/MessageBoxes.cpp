#include "ui/MessageBoxes.h"

#include <QMessageBox>

namespace quintara::ui {
namespace {

// The caption and the text are what the player reads; a screen reader gets the same.
void Label(QMessageBox& box, const QString& text, const QString& caption) {
  box.setObjectName("messageBox");
  box.setAccessibleName(caption);
  box.setAccessibleDescription(text);
}

}  // namespace

void QtMessageBoxes::inform(const QString& text, const QString& caption) {
  QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent_);
  Label(box, text, caption);
  box.exec();
}

bool QtMessageBoxes::ask(const QString& text, const QString& caption) {
  QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Yes | QMessageBox::No, parent_);
  Label(box, text, caption);
  return box.exec() == QMessageBox::Yes;
}

}  // namespace quintara::ui
