#pragma once

#include <array>

#include "board/Geometry.h"
#include "board/LineBits.h"
#include "board/ShownArea.h"

namespace quintara {

struct Intersection {
  PointColour colour = kNoPoint;
  bool Playable = false;
  bool Closed = false;

  bool HasPoint() const { return colour != kNoPoint; }
};

// Rows topRow..bottomRow and columns leftColumn..rightColumn.
struct GridRectangle {
  int topRow;
  int leftColumn;
  int bottomRow;
  int rightColumn;
};

// The sheet of squared paper: every intersection's point, `Playable` and `Closed`, and the
// shown area that the window size allows.
class Sheet {
 public:
  Sheet();

  // Bounds-safe read: any index outside the point records reads as an empty intersection
  // that is neither playable nor closed. Inline: re-reading the packed lines reads every place.
  const Intersection& At(int index) const {
    static constexpr Intersection kOutside{};
    if (index < 0 || index > kLastPointRecord) return kOutside;
    return records_[static_cast<std::size_t>(index)];
  }
  bool HasPoint(int index) const { return At(index).HasPoint(); }
  PointColour ColourAt(int index) const { return At(index).colour; }
  bool Playable(int index) const { return At(index).Playable; }
  bool Closed(int index) const { return At(index).Closed; }

  // The line through `index` along `step` (a line direction or its opposite), packed as in
  // LineBits.h. Kept for every intersection and direction: the computer's rules read hundreds
  // of lines a turn.
  line_bits::Bits LineAt(int index, int step) const {
    const int direction = DirectionIndex(step < 0 ? -step : step);
    if (direction < 0 || index < 0 || index > kLastPointRecord) return ReadLine(index, step);
    const line_bits::Bits line =
        lines_[static_cast<std::size_t>(index)][static_cast<std::size_t>(direction)];
    return step < 0 ? line_bits::Reversed(line) : line;
  }

  // Puts a point on an intersection of the grid; indices off the grid are ignored.
  void PutPoint(int index, PointColour colour);

  // Closes every intersection of the rectangle, edges included.
  void CloseRectangle(const GridRectangle& rectangle);

  // Every point removed, nothing closed; the shown area stays as it is.
  void Clear();

  // Recomputes the shown area for the window's outer size (twips, already capped).
  void SetShownArea(OuterSize outer);
  int RowMax() const { return rowMax_; }
  int ColMax() const { return colMax_; }

  // The intersection lies in rows 2..RowMax and columns 2..ColMax.
  bool InShownArea(int index) const;

 private:
  void RefreshPlayable();
  line_bits::Bits PlaceBits(int index) const;
  line_bits::Bits ReadLine(int index, int step) const;
  void ReadAllLines();
  void ReadLinesThrough(int index);

  std::array<Intersection, kPointRecordCount> records_{};
  std::array<std::array<line_bits::Bits, kLineDirections.size()>, kPointRecordCount> lines_{};
  int rowMax_ = kLastPlayableRow;
  int colMax_ = 20;  // the design width's columns until a width in a band says otherwise
};

}  // namespace quintara
