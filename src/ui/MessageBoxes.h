#pragma once

#include <QString>

class QMessageBox;
class QWidget;

namespace quintara::ui {

// Opens a message box, modal over `parent`, with an OK button or, `yesNo`, Yes and No buttons,
// named in the game's language. It returns at once; the box says which button closed it through its
// finished() signal (QMessageBox::Yes for Yes) and deletes itself.
QMessageBox* OpenMessageBox(QWidget* parent, const QString& text, const QString& caption,
                            bool yesNo);

}  // namespace quintara::ui
