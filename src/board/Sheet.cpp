#include "board/Sheet.h"

#include "board/ShownArea.h"

namespace quintara {
namespace {

bool OnGrid(int index) {
  return index >= kFirstGridIndex && index <= kLastIntersection;
}

}  // namespace

Sheet::Sheet() {
  RefreshPlayable();
}

void Sheet::PutPoint(int index, int colour) {
  if (OnGrid(index)) records_[static_cast<std::size_t>(index)].colour = colour;
}

void Sheet::CloseRectangle(int topRow, int leftColumn, int bottomRow, int rightColumn) {
  for (int row = topRow; row <= bottomRow; ++row) {
    for (int column = leftColumn; column <= rightColumn; ++column) {
      const int index = IndexOf(row, column);
      if (!OnGrid(index)) continue;
      Intersection& cell = records_[static_cast<std::size_t>(index)];
      cell.Closed = true;
      cell.Playable = false;
    }
  }
}

void Sheet::Clear() {
  for (Intersection& cell : records_) {
    cell.colour = kNoPoint;
    cell.Closed = false;
  }
  RefreshPlayable();
}

void Sheet::SetShownArea(int outerWidth, int outerHeight) {
  rowMax_ = RowMaxForHeight(outerHeight);
  if (const auto colMax = ColMaxForWidth(outerWidth)) colMax_ = *colMax;
  RefreshPlayable();
}

bool Sheet::InShownArea(int index) const {
  if (!OnGrid(index)) return false;
  const int row = RowOf(index);
  const int column = ColumnOf(index);
  return row >= kFirstPlayableRow && row <= rowMax_ && column >= kFirstPlayableColumn &&
         column <= colMax_;
}

void Sheet::RefreshPlayable() {
  for (int index = 0; index < kPointRecordCount; ++index) {
    Intersection& cell = records_[static_cast<std::size_t>(index)];
    cell.Playable = InShownArea(index) && !cell.Closed;
  }
}

}  // namespace quintara
