#include "fan/FanCurveGrid.h"

#include <algorithm>

FanCurveGrid FanCurveGrid::OfSize(int width, int height) {
  FanCurveGrid grid;
  if (width <= 0 || height <= 0) return grid;
  grid.width = width;
  grid.height = height;
  grid.cellWidth = width / kFanCurvePoints;
  grid.cellHeight = height / kFanCurvePoints;
  return grid;
}

std::optional<GridCell> FanCurveGrid::CellAt(int x, int y) const {
  if (cellWidth <= 0 || cellHeight <= 0 || x < 0 || y < 0) return std::nullopt;
  const int column = x / cellWidth;
  const int row = y / cellHeight;
  if (column >= kFanCurvePoints || row >= kFanCurvePoints) return std::nullopt;
  return GridCell{column, row};
}

void SetPointFromClick(FanCurve& curve, const GridCell& cell) {
  if (cell.column < 0 || cell.column >= kFanCurvePoints) return;
  FanCurvePoint& point = curve[static_cast<size_t>(cell.column)];
  point.end = cell.column + 1;
  point.level = cell.row;
}

std::vector<GridPoint> StaircaseOf(const FanCurve& curve, const FanCurveGrid& grid) {
  std::vector<GridPoint> line;
  line.reserve(2 * kFanCurvePoints + 3);
  line.push_back({0, grid.height});
  int begin = grid.originX;
  for (const FanCurvePoint& point : curve) {
    if (point.enabled == 0) continue;
    // Values from outside the editor are held to the picture.
    const int level = std::clamp<int32_t>(point.level, 0, kFanCurvePoints);
    const int end = std::clamp<int32_t>(point.end, 0, kFanCurvePoints);
    const int y = level * grid.cellHeight;
    line.push_back({begin * grid.cellWidth, y});
    line.push_back({end * grid.cellWidth, y});
    begin = end;
  }
  line.push_back({begin * grid.cellWidth, 0});
  line.push_back({grid.width, 0});
  return line;
}
