#pragma once

#include <string>

#include "board/Sheet.h"

namespace quintara::spoken {

// What a screen reader says about the sheet, in short French phrases, the position first.
// Rows and columns are counted as the player counts them on the sheet: the first shown row
// and column are 1, whatever the window's size.
int RowNumber(int index);
int ColumnNumber(int index);

// An intersection and what lies there: "Ligne 7, colonne 8, vide", "..., point vert",
// "..., point rouge", "..., zone fermée", or "..., zone non jouable" outside the shown area.
std::string IntersectionWords(const Sheet& sheet, int index);

// Where the computer has just placed its point: "Ordinateur : ligne 7, colonne 8".
std::string ComputerPointWords(int index);

}  // namespace quintara::spoken
