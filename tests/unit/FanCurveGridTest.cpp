// The curve editor's geometry: which cell a click lands in, what a click does to the curve and
// the staircase a curve is drawn as.
#include <gtest/gtest.h>

#include <vector>

#include "fan/FanCurveGrid.h"

namespace {
const FanCurveGrid kGrid = FanCurveGrid::OfSize(430, 430);
}

TEST(FanCurveGrid, CellsOfTheFourHundredThirtyPixelGrid) {
  EXPECT_EQ(kGrid.cellWidth, 43);
  EXPECT_EQ(kGrid.cellHeight, 43);
  struct Case {
    int x, y;
    int column, row;
  };
  const Case cases[] = {
      {0, 0, 0, 0},     {42, 42, 0, 0},   {43, 0, 1, 0},    {0, 43, 0, 1},
      {215, 300, 5, 6}, {429, 429, 9, 9}, {100, 429, 2, 9},
  };
  for (const Case& c : cases) {
    const std::optional<GridCell> cell = kGrid.CellAt(c.x, c.y);
    ASSERT_TRUE(cell) << c.x << "," << c.y;
    EXPECT_EQ(cell->column, c.column) << c.x << "," << c.y;
    EXPECT_EQ(cell->row, c.row) << c.x << "," << c.y;
  }
}

TEST(FanCurveGrid, PointsOffTheCellsOrWithoutAGridLandNowhere) {
  for (const auto& [x, y] :
       std::vector<std::pair<int, int>>{{430, 10}, {10, 430}, {-1, 5}, {5, -1}}) {
    EXPECT_FALSE(kGrid.CellAt(x, y)) << x << "," << y;
  }
  // A picture that could not be loaded has no cells (and no division by a zero cell size).
  EXPECT_FALSE(FanCurveGrid{}.CellAt(10, 10));
  EXPECT_FALSE(FanCurveGrid::OfSize(9, 9).CellAt(0, 0));
}

TEST(FanCurveGrid, AClickSetsOnlyItsColumnAndKeepsTheEnabledFlag) {
  FanCurve curve = DefaultFanCurve();
  curve[6].enabled = 0;
  const FanCurve before = curve;
  SetPointFromClick(curve, GridCell{6, 0});
  for (int i = 0; i < kFanCurvePoints; ++i) {
    if (i == 6) continue;
    EXPECT_EQ(curve[i].level, before[i].level) << i;
    EXPECT_EQ(curve[i].end, before[i].end) << i;
  }
  EXPECT_EQ(curve[6].level, 0);
  EXPECT_EQ(curve[6].end, 7);
  EXPECT_EQ(curve[6].enabled, 0);

  // On a blank curve the column's end is filled in too.
  FanCurve blank{};
  SetPointFromClick(blank, GridCell{3, 9});
  EXPECT_EQ(blank[3].end, 4);
  EXPECT_EQ(blank[3].level, 9);
}

TEST(FanCurveGrid, StaircaseOfTheDiagonalEndsOnTheRightBorder) {
  const std::vector<GridPoint> line = StaircaseOf(DefaultFanCurve(), kGrid);
  ASSERT_EQ(line.size(), 23u);
  EXPECT_EQ(line[0], (GridPoint{0, 430}));
  EXPECT_EQ(line[1], (GridPoint{0, 387}));   // up the left edge to 10 %
  EXPECT_EQ(line[2], (GridPoint{43, 387}));  // across the first column
  EXPECT_EQ(line[3], (GridPoint{43, 344}));
  EXPECT_EQ(line[19], (GridPoint{387, 0}));  // the last column at 100 %
  EXPECT_EQ(line[20], (GridPoint{430, 0}));
  EXPECT_EQ(line[21], (GridPoint{430, 0}));  // the final climb lies on the right border
  EXPECT_EQ(line[22], (GridPoint{430, 0}));
}

TEST(FanCurveGrid, DisabledPointsAreLeftOutOfTheStaircase) {
  FanCurve curve = DefaultFanCurve();
  for (int i = 3; i < kFanCurvePoints; ++i) curve[i].enabled = 0;
  curve[5].enabled = 1;  // 60 % for 50–60 °C
  const std::vector<GridPoint> line = StaircaseOf(curve, kGrid);
  const std::vector<GridPoint> expected = {
      {0, 430},
      {0, 387},
      {43, 387},
      {43, 344},
      {86, 344},
      {86, 301},
      {129, 301},
      {129, 172},
      {258, 172},  // straight from the end of 30 °C to the level
                   // of the next point
      {258, 0},
      {430, 0},
  };
  EXPECT_EQ(line, expected);

  FanCurve none{};
  EXPECT_EQ(
      StaircaseOf(none, kGrid),
      (std::vector<GridPoint>{{0, 430}, {0, 0}, {430, 0}}));  // up the left edge, along the top
}

TEST(FanCurveGrid, OddValuesHandedInAreDrawnInsideThePicture) {
  FanCurve curve = DefaultFanCurve();
  curve[0] = FanCurvePoint{-50, 1, 1};
  curve[1] = FanCurvePoint{2000000000, 2000000000, 1};
  const std::vector<GridPoint> line = StaircaseOf(curve, kGrid);
  for (const GridPoint& p : line) {
    EXPECT_GE(p.x, 0);
    EXPECT_LE(p.x, 430);
    EXPECT_GE(p.y, 0);
    EXPECT_LE(p.y, 430);
  }
}
