// The curve editor's geometry: a grid picture of ten by ten cells, the cell a click lands in and
// the staircase line a curve is drawn as. Kept apart from the control so it is tested natively.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "fan/FanCurvePoint.h"

// The notification the editor sends its parent after every SetCurve and every click
// (WM_USER + 100; wParam and lParam 0). The parent reads the curve back with GetCurve.
constexpr unsigned kFanCurveChangedMessage = 0x464;

struct GridCell {
  int column = 0;  // 0..9, 10 °C each from the left
  int row = 0;     // 0..9 from the top: row 0 is 100 %, row 9 is 10 %
};

struct GridPoint {
  int x = 0;
  int y = 0;
  bool operator==(const GridPoint& o) const { return x == o.x && y == o.y; }
};

struct FanCurveGrid {
  int width = 0;
  int height = 0;
  int cellWidth = 0;
  int cellHeight = 0;
  int originX = 0;  // the column the staircase starts at

  // Metrics of a grid picture of `width` × `height` pixels (cells by integer division).
  static FanCurveGrid OfSize(int width, int height);

  // The cell under client point (x, y); none outside the ten by ten cells (or with no grid).
  std::optional<GridCell> CellAt(int x, int y) const;
};

// A click on `cell`: that column's point ends at its right edge at the clicked level; the other
// nine points and every `enabled` flag stay as they are.
void SetPointFromClick(FanCurve& curve, const GridCell& cell);

// The staircase through the enabled points: from the bottom-left corner, for each enabled point a
// vertical at the left edge of its span to its level and a horizontal to its right edge, then up
// to the top at the last enabled point's right edge and along the top to the right border.
std::vector<GridPoint> StaircaseOf(const FanCurve& curve, const FanCurveGrid& grid);
