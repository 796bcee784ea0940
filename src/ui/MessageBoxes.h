#pragma once

#include <QString>

class QCoreApplication;
class QWidget;

namespace quintara::ui {

// Installs Qt's French translation of its own texts (standard buttons, the edit fields' context
// menus) for the life of `application`; false when the translation is not installed.
bool LoadQtFrenchTexts(QCoreApplication& application);

// The window's modal questions; tests put their own answers in its place.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // A message with an OK button.
  virtual void inform(const QString& text, const QString& caption) = 0;
  // A message with Yes and No buttons; true for Yes.
  virtual bool ask(const QString& text, const QString& caption) = 0;
};

// Real message boxes, modal over the window, their buttons named in French.
class QtMessageBoxes : public MessageBoxes {
 public:
  explicit QtMessageBoxes(QWidget* parent) : parent_(parent) {}
  void inform(const QString& text, const QString& caption) override;
  bool ask(const QString& text, const QString& caption) override;

 private:
  QWidget* parent_;
};

}  // namespace quintara::ui
