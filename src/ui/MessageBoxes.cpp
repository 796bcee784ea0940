#include "ui/MessageBoxes.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

namespace quintara::ui {
namespace {

// The caption is the box's name for a screen reader, which reads its text from the box itself.
void Label(QMessageBox& box, const QString& caption) {
  box.setObjectName("messageBox");
  box.setAccessibleName(caption);
}

// The buttons read in French even where Qt's French translation is missing, or a desktop
// theme names standard buttons in its own language.
void NameButtonsInFrench(QMessageBox& box) {
  if (QAbstractButton* yes = box.button(QMessageBox::Yes)) yes->setText(QStringLiteral("&Oui"));
  if (QAbstractButton* no = box.button(QMessageBox::No)) no->setText(QStringLiteral("&Non"));
  if (QAbstractButton* ok = box.button(QMessageBox::Ok)) ok->setText(QStringLiteral("OK"));
}

}  // namespace

bool LoadQtFrenchTexts(QCoreApplication& application) {
  auto* translator = new QTranslator(&application);
  if (translator->load(QStringLiteral("qtbase_fr"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
      QCoreApplication::installTranslator(translator)) {
    return true;
  }
  delete translator;
  return false;
}

QMessageBox* OpenMessageBox(QWidget* parent, const QString& text, const QString& caption,
                            bool yesNo) {
  auto* box = new QMessageBox(QMessageBox::NoIcon, caption, text,
                              yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
  box->setAttribute(Qt::WA_DeleteOnClose);
  Label(*box, caption);
  NameButtonsInFrench(*box);
  box->open();
  return box;
}

}  // namespace quintara::ui
