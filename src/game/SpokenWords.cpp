#include "game/SpokenWords.h"

#include "board/Geometry.h"
#include "game/Texts.h"

namespace quintara::spoken {
namespace {

// A point says more than the zone it lies in: a point is never played on, whatever the zone.
const char* StateWords(const Sheet& sheet, int index) {
  const bool closed = sheet.Closed(index);
  if (sheet.ColourAt(index) == HumanColour)
    return closed ? texts::kClosedGreenPoint : texts::kGreenPoint;
  if (sheet.ColourAt(index) == ComputerColour)
    return closed ? texts::kClosedRedPoint : texts::kRedPoint;
  if (closed) return texts::kClosedCrossing;
  if (!sheet.InShownArea(index)) return texts::kOutOfPlay;
  return texts::kEmptyCrossing;
}

std::string Won(const Language& language, const char* byName, const char* byComputer,
                const Side& winner, int green, int red) {
  if (winner.computer)
    return language.Sentence(byComputer, {std::to_string(green), std::to_string(red)});
  return language.Sentence(
      byName, {texts::IsolatedName(winner.name), std::to_string(green), std::to_string(red)});
}

}  // namespace

int RowNumber(int index) {
  return RowOf(index) - kFirstPlayableRow + 1;
}

int ColumnNumber(int index) {
  return ColumnOf(index) - kFirstPlayableColumn + 1;
}

std::string PositionWords(const Language& language, const char* words, int index) {
  return language.Sentence(words,
                           {std::to_string(RowNumber(index)), std::to_string(ColumnNumber(index))});
}

std::string IntersectionWords(const Language& language, const Sheet& sheet, int index) {
  return PositionWords(language, StateWords(sheet, index), index);
}

std::string ComputerPointWords(const Language& language, int index) {
  return PositionWords(language, texts::kComputerPoint, index);
}

std::string GameWonWords(const Language& language, const Side& winner, int green, int red) {
  return Won(language, texts::kGameWon, texts::kGameWonByComputer, winner, green, red);
}

std::string SetWonWords(const Language& language, const Side& winner, int green, int red) {
  return Won(language, texts::kSetWon, texts::kSetWonByComputer, winner, green, red);
}

std::string CountWords(const Language& language, bool sets, const Side& side, int count) {
  if (side.computer) {
    return language.Sentence(sets ? texts::kSetsCountOfComputer : texts::kGamesCountOfComputer,
                             {std::to_string(count)});
  }
  return language.Sentence(sets ? texts::kSetsCount : texts::kGamesCount,
                           {texts::IsolatedName(side.name), std::to_string(count)});
}

std::string SheetGrownWords(const Language& language, const Sheet& sheet) {
  return language.Sentence(
      texts::kSheetGrown,
      {language.Translate(texts::kRows, RowNumber(IndexOf(sheet.RowMax(), 0))),
       language.Translate(texts::kColumns, ColumnNumber(IndexOf(0, sheet.ColMax())))});
}

std::string TurnWords(const std::string& statusText) {
  return statusText.substr(0, statusText.find_last_not_of(' ') + 1);
}

}  // namespace quintara::spoken
