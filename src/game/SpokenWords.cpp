#include "game/SpokenWords.h"

#include "board/Geometry.h"
#include "game/Texts.h"

namespace quintara::spoken {
namespace {

// A point says more than the zone it lies in: a point is never played on, whatever the zone.
std::string StateWords(const Sheet& sheet, int index) {
  const char* point = sheet.ColourAt(index) == HumanColour      ? "point vert"
                      : sheet.ColourAt(index) == ComputerColour ? "point rouge"
                                                                : nullptr;
  if (point != nullptr) return sheet.Closed(index) ? std::string(point) + ", zone fermée" : point;
  if (sheet.Closed(index)) return "zone fermée";
  if (!sheet.InShownArea(index)) return "zone non jouable";
  return "vide";
}

// "Ligne 7, colonne 8", its first word as written in `row`.
std::string Position(const char* row, int index) {
  return std::string(row) + " " + std::to_string(RowNumber(index)) + ", colonne " +
         std::to_string(ColumnNumber(index));
}

std::string Won(const char* what, const std::string& winner, const char* counts, int green,
                int red) {
  return std::string(what) + " gagnée par " + winner + ". " + counts + " : " +
         std::to_string(green) + " à " + std::to_string(red);
}

}  // namespace

int RowNumber(int index) {
  return RowOf(index) - kFirstPlayableRow + 1;
}

int ColumnNumber(int index) {
  return ColumnOf(index) - kFirstPlayableColumn + 1;
}

std::string IntersectionWords(const Sheet& sheet, int index) {
  return Position("Ligne", index) + ", " + StateWords(sheet, index);
}

std::string ComputerPointWords(int index) {
  return "Ordinateur : " + Position("ligne", index);
}

std::string SideWords(const std::string& name, bool computer) {
  return computer ? "l'ordinateur" : texts::IsolatedName(name);
}

std::string GameWonWords(const std::string& winner, int greenGames, int redGames) {
  return Won("Partie", winner, "Parties", greenGames, redGames);
}

std::string SetWonWords(const std::string& winner, int greenSets, int redSets) {
  return Won("Manche", winner, "Manches", greenSets, redSets);
}

std::string CountWords(const std::string& heading, const std::string& side, int count) {
  return heading + " gagnées par " + side + " : " + std::to_string(count);
}

std::string SheetGrownWords(const Sheet& sheet) {
  return "Feuille agrandie : " + std::to_string(RowNumber(IndexOf(sheet.RowMax(), 0))) +
         " lignes, " + std::to_string(ColumnNumber(IndexOf(0, sheet.ColMax()))) + " colonnes";
}

std::string TurnWords(const std::string& statusText) {
  return statusText.substr(0, statusText.find_last_not_of(' ') + 1);
}

}  // namespace quintara::spoken
