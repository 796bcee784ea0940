#include "game/SpokenWords.h"

#include "board/Geometry.h"

namespace quintara::spoken {
namespace {

// A point says more than the zone it lies in: a point is never played on, whatever the zone.
const char* StateWords(const Sheet& sheet, int index) {
  if (sheet.ColourAt(index) == HumanColour) return "point vert";
  if (sheet.ColourAt(index) == ComputerColour) return "point rouge";
  if (sheet.Closed(index)) return "zone fermée";
  if (!sheet.InShownArea(index)) return "zone non jouable";
  return "vide";
}

// "Ligne 7, colonne 8", its first word as written in `row`.
std::string Position(const char* row, int index) {
  return std::string(row) + " " + std::to_string(RowNumber(index)) + ", colonne " +
         std::to_string(ColumnNumber(index));
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

}  // namespace quintara::spoken
