#include "board/ShownArea.h"

#include <array>
#include <climits>

namespace quintara {
namespace {

// Each threshold that the height exceeds adds one row; heights up to 6539 remove none.
struct HeightThreshold {
  int exceeded;
  int rowMax;
};
constexpr std::array<HeightThreshold, 8> kRowsByHeight = {{
    {INT_MIN, 21},
    {6539, 15},
    {6899, 16},
    {7259, 17},
    {7619, 18},
    {7979, 19},
    {8339, 20},
    {8699, 21},
}};

// Inclusive width bands; widths between them leave the columns alone.
struct WidthBand {
  int from;
  int to;
  int colMax;
};
constexpr std::array<WidthBand, 10> kColumnsByWidth = {{
    {8730, 9075, 20},
    {9085, 9435, 21},
    {9445, 9795, 22},
    {9805, 10155, 23},
    {10165, 10515, 24},
    {10525, 10875, 25},
    {10895, 11235, 26},
    {11245, 11595, 27},
    {11605, 11945, 28},
    {11955, INT_MAX, 29},
}};

}  // namespace

int RowMaxForHeight(int outerHeight) {
  int rowMax = kRowsByHeight.front().rowMax;
  for (const HeightThreshold& threshold : kRowsByHeight) {
    if (outerHeight > threshold.exceeded) rowMax = threshold.rowMax;
  }
  return rowMax;
}

std::optional<int> ColMaxForWidth(int outerWidth) {
  for (const WidthBand& band : kColumnsByWidth) {
    if (outerWidth >= band.from && outerWidth <= band.to) return band.colMax;
  }
  return std::nullopt;
}

}  // namespace quintara
