#pragma once

#include <initializer_list>
#include <string>

// The marks that the translation files' tool (Qt's lupdate) gathers the game's texts by: it
// reads them as Qt's Q_DECLARE_TR_FUNCTIONS, QT_TR_NOOP and QT_TR_N_NOOP (see the build's
// translations). They leave the French text as it is; macros, as the tool reads them by name.
// NOLINTBEGIN(cppcoreguidelines-macro-usage)
#define TRANSLATION_CONTEXT(name)
#define GAME_TEXT(french) french
#define GAME_COUNTED_TEXT(french) french
// NOLINTEND(cppcoreguidelines-macro-usage)

namespace quintara {

// The player's language. The game's texts are written in French and found in the translations
// by their French words; this default keeps them as written.
class Language {
 public:
  virtual ~Language() = default;

  // A text in the player's words, with %n replaced by count when it has one.
  virtual std::string Translate(const char* french, int count) const;

  std::string Translate(const char* french) const { return Translate(french, -1); }
  // A whole sentence: the text in the player's words, then %1, %2... replaced by the arguments
  // in one pass, so an argument's own "%1" stays as typed and a translation may reorder them.
  std::string Sentence(const char* french, std::initializer_list<std::string> arguments) const;
};

// Replaces %1 to %9 in text by the arguments, left to right, in one pass; any other % stays.
std::string FillIn(const std::string& text, std::initializer_list<std::string> arguments);

}  // namespace quintara
