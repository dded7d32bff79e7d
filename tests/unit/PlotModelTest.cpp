// The monitor graph's series, samples and where they are drawn.
#include <gtest/gtest.h>

#include "controls/PlotModel.h"

TEST(PlotGeometry, AreaIsRoundedToWholeCells) {
  struct Case {
    int w, h, width, height;
  };
  const Case cases[] = {{300, 75, 301, 76}, {304, 79, 301, 76}, {0, 0, 1, 1}, {4, 9, 1, 6}};
  for (const Case& c : cases) {
    const PlotArea a = PlotAreaFor(c.w, c.h);
    EXPECT_EQ(a.left, 0);
    EXPECT_EQ(a.top, 0);
    EXPECT_EQ(a.width, c.width) << c.w;
    EXPECT_EQ(a.right, c.width) << c.w;
    EXPECT_EQ(a.height, c.height) << c.h;
    EXPECT_EQ(a.bottom, c.height) << c.h;
  }
}

TEST(PlotGeometry, PercentToY) {
  const PlotArea area = PlotAreaFor(300, 75);  // 76 high
  struct Case {
    int percent, y;
  };
  const Case cases[] = {{100, 0}, {0, 75}, {50, 38}, {150, 0}, {-20, 90}, {1000000, 0}};
  for (const Case& c : cases) EXPECT_EQ(PlotY(area, c.percent), c.y) << c.percent;
  EXPECT_GT(PlotY(area, -20), area.bottom);  // below the bottom edge: out of sight
}

TEST(PlotGeometry, GridLinesAndPenColour) {
  EXPECT_EQ(PlotGridLines(12, -2), (std::vector<int>{-2, 3, 8}));
  EXPECT_EQ(PlotGridLines(10, 0), (std::vector<int>{0, 5, 10}));
  EXPECT_EQ(PlotGridLines(4, 0), (std::vector<int>{0}));
  // Factor 1: the series colour; factor 0: the blend colour; between: per channel.
  EXPECT_EQ(BlendPlotColour(0xFF0000, 0x00A8FF, 1.0f), 0x00A8FFu);
  EXPECT_EQ(BlendPlotColour(0x406040, 0x00A8FF, 0.0f), 0x406040u);
  EXPECT_EQ(BlendPlotColour(0xFF0000, 0x00A8FF, 0.5f), 0x7F547Fu);
}

TEST(PlotGeometry, PercentOfARange) {
  EXPECT_EQ(PlotPercent(1500, 0, 3000), 50);
  EXPECT_EQ(PlotPercent(2999, 0, 3000), 99);
  EXPECT_EQ(PlotPercent(-10, 0, 100), -10);
  EXPECT_EQ(PlotPercent(42, 7, 7), 0);  // a range without width gives a flat line at 0
}

TEST(PlotSeriesModel, SamplesShiftInFromTheRight) {
  PlotModel model;
  ASSERT_TRUE(model.AddSeries(L"Engine Clock MHz", 0, 3000, 10, 75));
  ASSERT_EQ(model.series().size(), 1u);
  PlotSeries& s = model.series()[0];
  ASSERT_EQ(s.points.size(), 11u);  // one point per pixel column of the plot area
  for (const PlotPoint& p : s.points) EXPECT_EQ(p.percent, -1);
  EXPECT_EQ(s.colour, 0x00A8FFu);

  // A fresh series draws nothing until it has two samples.
  EXPECT_TRUE(model.AddPoint(L"engine clock mhz", 40, 1200, L"a"));  // case does not matter
  EXPECT_TRUE(LayOutSeries(s, model.area()).empty());
  EXPECT_TRUE(model.AddPoint(L"ENGINE CLOCK MHZ", 100, 3000, L"b"));
  EXPECT_EQ(s.points[9].percent, 40);
  EXPECT_EQ(s.points[10].percent, 100);
  EXPECT_EQ(s.points[10].raw, 3000);
  EXPECT_EQ(s.points[10].label, L"b");

  const std::vector<PlotSegment> lines = LayOutSeries(s, model.area());
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].index, 9);
  EXPECT_EQ(lines[0].x1, 8);
  EXPECT_EQ(lines[0].x2, 9);
  EXPECT_EQ(lines[0].y1, 76 - 40 * 76 / 101 - 1);
  EXPECT_EQ(lines[0].y2, 0);
  EXPECT_EQ(s.points[9].x, 8);  // the points remember where they were drawn
  EXPECT_EQ(s.points[10].y, 0);

  // Another name changes nothing.
  EXPECT_FALSE(model.AddPoint(L"Fan Speed %", 5, 5, L""));
  EXPECT_EQ(s.points[10].percent, 100);

  // Filling the buffer drops the oldest sample first.
  for (int i = 0; i < 11; ++i) model.AddPoint(L"Engine Clock MHz", i, i, L"");
  EXPECT_EQ(s.points[0].percent, 0);
  EXPECT_EQ(s.points[10].percent, 10);
  EXPECT_EQ(LayOutSeries(s, model.area()).size(), 10u);
}

TEST(PlotSeriesModel, EveryMatchingSeriesIsFed) {
  PlotModel model;
  ASSERT_TRUE(model.AddSeries(L"Temperature C", 0, 100, 20, 20));
  ASSERT_TRUE(model.AddSeries(L"temperature c", 0, 100, 20, 20));
  EXPECT_TRUE(model.AddPoint(L"Temperature C", 33, 33, L""));
  EXPECT_EQ(model.series()[0].points.back().percent, 33);
  EXPECT_EQ(model.series()[1].points.back().percent, 33);
  EXPECT_FALSE(model.AddSeries(L"bad", 0, 1, -1, 5));
  EXPECT_EQ(model.series().size(), 2u);
  EXPECT_TRUE(SameSeriesName(L"Fan Speed %", L"FAN speed %"));
  EXPECT_FALSE(SameSeriesName(L"Fan Speed", L"Fan Speed %"));
}
