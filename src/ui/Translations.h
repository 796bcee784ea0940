#pragma once

#include <QStringList>
#include <string>

#include "game/Language.h"

class QCoreApplication;

namespace quintara::ui {

// The languages the game speaks: its own French texts, and their English translation.
enum class PlayerLanguage { kFrench, kEnglish };

// The desktop's choice, from its languages in order of preference (as
// QLocale::system().uiLanguages() lists them): English when it asks for English before
// French, French otherwise (C and POSIX included).
PlayerLanguage ChooseLanguage(const QStringList& uiLanguages);

// Installs the game's texts and Qt's own (standard buttons, the edit fields' context menus) in
// `language` for the life of `application`, in place of any installed before.
void InstallTranslations(QCoreApplication& application, PlayerLanguage language);

// The game's own texts (see texts) in the installed language.
class TranslatedLanguage : public Language {
 public:
  std::string Translate(const char* french, int count) const override;
  using Language::Translate;
};

}  // namespace quintara::ui
