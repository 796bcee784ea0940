#pragma once

#include <string>

#include "board/Sheet.h"
#include "game/Language.h"

namespace quintara::spoken {

// What a screen reader says about the sheet, in short phrases of the player's language, the
// position first. Rows and columns are counted as the player counts them on the sheet: the
// first shown row and column are 1, whatever the window's size.
int RowNumber(int index);
int ColumnNumber(int index);

// An intersection and what lies there: "Ligne 7, colonne 8, vide", "..., point vert",
// "..., point rouge", "..., zone fermée", "..., point vert, zone fermée" (a finished game's
// point), or "..., zone non jouable" outside the shown area.
std::string IntersectionWords(const Language& language, const Sheet& sheet, int index);

// Where the computer has just placed its point: "Ordinateur : ligne 7, colonne 8".
std::string ComputerPointWords(const Language& language, int index);
// Any of the game's sentences on one crossing, its row %1 and its column %2.
std::string PositionWords(const Language& language, const char* words, int index);

// A side as a sentence names it: the computer, or a player by name (isolated, see texts).
struct Side {
  std::string name;
  bool computer = false;
};

// The end of a game or a set, with the new count, green's first: "Partie gagnée par
// l'ordinateur. Parties : 0 à 1", "Manche gagnée par Joueur 1. Manches : 1 à 0".
std::string GameWonWords(const Language& language, const Side& winner, int green, int red);
std::string SetWonWords(const Language& language, const Side& winner, int green, int red);

// A count of the score board as a player says it: "Parties gagnées par Joueur 1 : 2", or
// "Manches ..." for sets.
std::string CountWords(const Language& language, bool sets, const Side& side, int count);

// The window grew to hold more of the sheet: "Feuille agrandie : 20 lignes, 28 colonnes".
std::string SheetGrownWords(const Language& language, const Sheet& sheet);

// Whose turn it is, as the status line says it, without its trailing blanks.
std::string TurnWords(const std::string& statusText);

}  // namespace quintara::spoken
