#include "ui/MessageBoxes.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>

namespace quintara::ui {
namespace {

// The caption is the box's name for a screen reader, which reads its text from the box itself.
void Label(QMessageBox& box, const QString& caption) {
  box.setObjectName("messageBox");
  box.setAccessibleName(caption);
}

// The buttons read in the game's language even where Qt's translation is missing, or a desktop
// theme names standard buttons in its own language.
void NameButtons(QMessageBox& box) {
  if (QAbstractButton* yes = box.button(QMessageBox::Yes))
    yes->setText(QCoreApplication::translate("MessageBoxes", "&Oui"));
  if (QAbstractButton* no = box.button(QMessageBox::No))
    no->setText(QCoreApplication::translate("MessageBoxes", "&Non"));
  if (QAbstractButton* ok = box.button(QMessageBox::Ok))
    ok->setText(QCoreApplication::translate("MessageBoxes", "OK"));
}

}  // namespace

QMessageBox* OpenMessageBox(QWidget* parent, const QString& text, const QString& caption,
                            bool yesNo) {
  auto* box = new QMessageBox(QMessageBox::NoIcon, caption, text,
                              yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
  box->setAttribute(Qt::WA_DeleteOnClose);
  Label(*box, caption);
  NameButtons(*box);
  box->open();
  return box;
}

}  // namespace quintara::ui
