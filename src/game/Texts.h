#pragma once

#include <string>

#include "game/Language.h"

namespace quintara {

// Every text the game itself shows or says, in French exactly as the player reads it: the
// source texts of the translations. %1, %2... are filled in by Language::Sentence, %n is a
// count with its plural forms.
struct texts {
  TRANSLATION_CONTEXT(Game)

  // The program's name, the same in every language.
  static constexpr const char* kApplicationTitle = "Quintara";

  static constexpr const char* kCannotPlayHere = GAME_TEXT("Vous ne pouvez plus jouer ici");
  static constexpr const char* kCannotPlayHereCaption = GAME_TEXT("ATTENTION !!!");
  static constexpr const char* kSheetTooSmall = GAME_TEXT(
      "Ordinateur constate que l'espace de jeu est devenu trop petit. Il va donc changer de "
      "feuille");
  // Every crossing in sight is taken or closed: nobody can play on.
  static constexpr const char* kDrawnGame = GAME_TEXT(
      "Plus aucune intersection n'est libre : la partie est nulle et ne compte pour personne. "
      "Une nouvelle feuille commence");
  static constexpr const char* kSheetFull =
      GAME_TEXT("Plus aucune intersection n'est libre. Une nouvelle feuille commence");
  // %1: the side's name when the game started.
  static constexpr const char* kYourTurn = GAME_TEXT("%1 A vous de jouer     ");
  static constexpr const char* kDefaultPlayerName1 = GAME_TEXT("Joueur 1");
  static constexpr const char* kDefaultPlayerName2 = GAME_TEXT("Ordinateur");
  // %1: the winner's name.
  static constexpr const char* kMatchWonByRed =
      GAME_TEXT("%1 remporte le match. La revenche quand vous voulez");
  static constexpr const char* kMatchWonByGreen = GAME_TEXT("%1 remporte le match. Bravo!");
  static constexpr const char* kPlayAgain = GAME_TEXT("Voulez vous rejouer");
  static constexpr const char* kGiveUpForNewSheet = GAME_TEXT(
      "Si vous changez de feuille alors que la partie n'est pas terminée le point ira à "
      "Ordinateur. Voulez vous tout de même changer de feuille?");
  static constexpr const char* kGiveUpForNewLevel = GAME_TEXT(
      "Si vous changez de niveau alors que la partie n'est pas terminée le point ira à "
      "Ordinateur. Voulez vous tout de même changer de niveau?");
  // %1: why, as the file's keeper tells it.
  static constexpr const char* kScoresNotSaved =
      GAME_TEXT("Les meilleurs scores n'ont pas pu être enregistrés : %1");

  // Said to a player who cannot see the sheet. %1 and %2: a row and a column.
  static constexpr const char* kEmptyCrossing = GAME_TEXT("Ligne %1, colonne %2, vide");
  static constexpr const char* kGreenPoint = GAME_TEXT("Ligne %1, colonne %2, point vert");
  static constexpr const char* kRedPoint = GAME_TEXT("Ligne %1, colonne %2, point rouge");
  static constexpr const char* kClosedCrossing = GAME_TEXT("Ligne %1, colonne %2, zone fermée");
  static constexpr const char* kClosedGreenPoint =
      GAME_TEXT("Ligne %1, colonne %2, point vert, zone fermée");
  static constexpr const char* kClosedRedPoint =
      GAME_TEXT("Ligne %1, colonne %2, point rouge, zone fermée");
  static constexpr const char* kOutOfPlay = GAME_TEXT("Ligne %1, colonne %2, zone non jouable");
  static constexpr const char* kComputerPoint = GAME_TEXT("Ordinateur : ligne %1, colonne %2");
  // %1: the winner's name; then the counts, green's first.
  static constexpr const char* kGameWon = GAME_TEXT("Partie gagnée par %1. Parties : %2 à %3");
  static constexpr const char* kGameWonByComputer =
      GAME_TEXT("Partie gagnée par l'ordinateur. Parties : %1 à %2");
  static constexpr const char* kSetWon = GAME_TEXT("Manche gagnée par %1. Manches : %2 à %3");
  static constexpr const char* kSetWonByComputer =
      GAME_TEXT("Manche gagnée par l'ordinateur. Manches : %1 à %2");
  // A count of the score board: %1 the side's name, %2 the count.
  static constexpr const char* kGamesCount = GAME_TEXT("Parties gagnées par %1 : %2");
  static constexpr const char* kGamesCountOfComputer =
      GAME_TEXT("Parties gagnées par l'ordinateur : %1");
  static constexpr const char* kSetsCount = GAME_TEXT("Manches gagnées par %1 : %2");
  static constexpr const char* kSetsCountOfComputer =
      GAME_TEXT("Manches gagnées par l'ordinateur : %1");
  // %1 and %2: the rows and the columns now in sight.
  static constexpr const char* kSheetGrown = GAME_TEXT("Feuille agrandie : %1, %2");
  static constexpr const char* kRows = GAME_COUNTED_TEXT("%n lignes");
  static constexpr const char* kColumns = GAME_COUNTED_TEXT("%n colonnes");
  static constexpr const char* kNewSheetWords = GAME_TEXT("Nouvelle feuille");
  // The player's helpers: a point taken back, a hint. %1 and %2: a row and a column.
  static constexpr const char* kTakenBack = GAME_TEXT("Coup annulé : ligne %1, colonne %2");
  static constexpr const char* kHint = GAME_TEXT("Conseil : ligne %1, colonne %2");
  static constexpr const char* kNoHint =
      GAME_TEXT("Les règles de l'ordinateur ne trouvent aucun coup à conseiller ici");
  // The sound chosen in the menu, confirmed.
  static constexpr const char* kSoundOnWords = GAME_TEXT("Son activé");
  static constexpr const char* kSoundOffWords = GAME_TEXT("Son désactivé");

  // A player's name inside one of the game's own sentences, isolated (U+2068 ... U+2069):
  // letters written right to left or direction marks in the name turn only the name itself
  // around.
  static std::string IsolatedName(const std::string& name) { return "\u2068" + name + "\u2069"; }
};

}  // namespace quintara
