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

void Sheet::PutPoint(int index, PointColour colour) {
  if (!OnGrid(index)) return;
  records_[static_cast<std::size_t>(index)].colour = colour;
  ReadLinesThrough(index);
}

void Sheet::CloseRectangle(const GridRectangle& rectangle) {
  for (int row = rectangle.topRow; row <= rectangle.bottomRow; ++row) {
    for (int column = rectangle.leftColumn; column <= rectangle.rightColumn; ++column) {
      const int index = IndexOf(row, column);
      if (!OnGrid(index)) continue;
      Intersection& cell = records_[static_cast<std::size_t>(index)];
      cell.Closed = true;
      cell.Playable = false;
    }
  }
  ReadAllLines();
}

void Sheet::Clear() {
  for (Intersection& cell : records_) {
    cell.colour = kNoPoint;
    cell.Closed = false;
  }
  RefreshPlayable();
}

void Sheet::SetShownArea(OuterSize outer) {
  rowMax_ = RowMaxForHeight(outer.height);
  if (const auto colMax = ColMaxForWidth(outer.width)) colMax_ = *colMax;
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
  ReadAllLines();
}

line_bits::Bits Sheet::PlaceBits(int index) const {
  const Intersection& place = At(index);
  return (place.colour == ComputerColour ? line_bits::kComputer : 0) |
         (place.colour == HumanColour ? line_bits::kHuman : 0) |
         (place.Playable ? line_bits::kPlayable : 0);
}

line_bits::Bits Sheet::ReadLine(int index, int step) const {
  line_bits::Bits line = 0;
  for (int k = -line_bits::kReach; k <= line_bits::kReach; ++k) {
    line |= line_bits::At(k, PlaceBits(index + k * step));
  }
  return line;
}

// Along each direction, a line is the one before it moved on by one place.
void Sheet::ReadAllLines() {
  for (std::size_t d = 0; d < kLineDirections.size(); ++d) {
    const int step = kLineDirections[d];
    for (int first = 0; first < step; ++first) {
      line_bits::Bits line = ReadLine(first, step);
      for (int index = first; index <= kLastPointRecord; index += step) {
        lines_[static_cast<std::size_t>(index)][d] = line;
        line = (line >> line_bits::kBitsPerPlace) |
               line_bits::At(line_bits::kReach, PlaceBits(index + (line_bits::kReach + 1) * step));
      }
    }
  }
}

// Only the lines whose reach covers `index` change when its place does.
void Sheet::ReadLinesThrough(int index) {
  const line_bits::Bits place = PlaceBits(index);
  for (std::size_t d = 0; d < kLineDirections.size(); ++d) {
    for (int k = -line_bits::kReach; k <= line_bits::kReach; ++k) {
      const int reference = index - k * kLineDirections[d];
      if (reference < 0 || reference > kLastPointRecord) continue;
      line_bits::Bits& line = lines_[static_cast<std::size_t>(reference)][d];
      line = (line & ~line_bits::At(k, line_bits::kPlace)) | line_bits::At(k, place);
    }
  }
}

}  // namespace quintara
