#pragma once

#include <QString>

class QCoreApplication;
class QMessageBox;
class QWidget;

namespace quintara::ui {

// Installs Qt's French translation of its own texts (standard buttons, the edit fields' context
// menus) for the life of `application`; false when the translation is not installed.
bool LoadQtFrenchTexts(QCoreApplication& application);

// Opens a message box, modal over `parent`, with an OK button or, `yesNo`, Yes and No buttons,
// named in French. It returns at once; the box says which button closed it through its
// finished() signal (QMessageBox::Yes for Yes) and deletes itself.
QMessageBox* OpenMessageBox(QWidget* parent, const QString& text, const QString& caption,
                            bool yesNo);

}  // namespace quintara::ui
