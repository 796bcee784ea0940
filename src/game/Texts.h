#pragma once

#include <string>

namespace quintara::texts {

// Every text the game itself shows, exactly as the player reads it.
inline constexpr const char* kApplicationTitle = "Quintara";
inline constexpr const char* kCannotPlayHere = "Vous ne pouvez plus jouer ici";
inline constexpr const char* kCannotPlayHereCaption = "ATTENTION !!!";
inline constexpr const char* kSheetTooSmall =
    "Ordinateur constate que l'espace de jeu est devenu trop petit. Il va donc changer de "
    "feuille";
// Every crossing in sight is taken or closed: nobody can play on.
inline constexpr const char* kDrawnGame =
    "Plus aucune intersection n'est libre : la partie est nulle et ne compte pour personne. "
    "Une nouvelle feuille commence";
inline constexpr const char* kSheetFull =
    "Plus aucune intersection n'est libre. Une nouvelle feuille commence";
inline constexpr const char* kTurnSuffix = " A vous de jouer     ";
inline constexpr const char* kDefaultPlayerName1 = "Joueur 1";
inline constexpr const char* kDefaultPlayerName2 = "Ordinateur";
inline constexpr const char* kMatchWonByRed = " remporte le match. La revenche quand vous voulez";
inline constexpr const char* kMatchWonByGreen = " remporte le match. Bravo!";
inline constexpr const char* kPlayAgain = "Voulez vous rejouer";
inline constexpr const char* kGiveUpForNewSheet =
    "Si vous changez de feuille alors que la partie n'est pas terminée le point ira à Ordinateur. "
    "Voulez vous tout de même changer de feuille?";
inline constexpr const char* kGiveUpForNewLevel =
    "Si vous changez de niveau alors que la partie n'est pas terminée le point ira à Ordinateur. "
    "Voulez vous tout de même changer de niveau?";
inline constexpr const char* kScoresNotSaved =
    "Les meilleurs scores n'ont pas pu être enregistrés : ";

// A player's name inside one of the game's own sentences, isolated (U+2068 ... U+2069): letters
// written right to left or direction marks in the name turn only the name itself around.
inline std::string IsolatedName(const std::string& name) {
  return "\u2068" + name + "\u2069";
}

}  // namespace quintara::texts
