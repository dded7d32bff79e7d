// The monitor graph's data and geometry: named series of percentage samples, one per pixel
// column of the plot area, and where each segment of a series is drawn.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct PlotPoint {
  int y = 0;  // where the point was last drawn
  int x = 0;
  int percent = -1;  // -1: no sample yet
  int raw = 0;
  std::wstring label;
};

struct PlotSeries {
  std::wstring name;
  uint32_t colour = 0x00A8FF;  // 0x00RRGGBB
  int penStyle = 0;
  int penWidth = 0;
  int minimum = 0;
  int maximum = 100;
  std::vector<PlotPoint> points;
};

// The plot area of a client rectangle w x h: both sides rounded down to whole 5-pixel cells,
// plus one pixel.
struct PlotArea {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int width = 0;
  int height = 0;
};
PlotArea PlotAreaFor(int clientWidth, int clientHeight);

// The y at which a sample of `percent` is drawn: counted up from the bottom, held at the top
// edge above 100 %, and below the bottom edge (out of sight) under 0 %.
int PlotY(const PlotArea& area, int percent);

// One line of a series, from point `index` to the next.
struct PlotSegment {
  int index = 0;
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// The line positions of a series; every point that is drawn keeps where it was drawn.
std::vector<PlotSegment> LayOutSeries(PlotSeries& series, const PlotArea& area);

// The pen colour: per channel (1 - factor) * blend + factor * series, truncated.
uint32_t BlendPlotColour(uint32_t blend, uint32_t series, float factor);

// Offsets of the grid lines along one side of `extent` pixels (5-pixel steps, shifted by
// `offset`): lines at 5k + offset while 5k < (extent / 5) * 5 + 1.
std::vector<int> PlotGridLines(int extent, int offset);

// Integer percentage of `raw` in [minimum, maximum] (0 for a range without width).
int PlotPercent(int raw, int minimum, int maximum);

class PlotModel {
 public:
  // Adds an empty series as wide as the plot area of the client size; false (nothing added)
  // for a negative size.
  bool AddSeries(const std::wstring& name, int minimum, int maximum, int clientWidth,
                 int clientHeight);
  // Shifts every series of that name (compared without regard to case) one sample left and
  // puts the new sample last; false when no series has the name.
  bool AddPoint(const std::wstring& name, int percent, int raw, const std::wstring& label);

  const PlotArea& area() const { return area_; }
  std::vector<PlotSeries>& series() { return series_; }
  const std::vector<PlotSeries>& series() const { return series_; }

 private:
  PlotArea area_;
  std::vector<PlotSeries> series_;
};

// Case-insensitive equality of series names (ASCII letters and the Latin-1 range).
bool SameSeriesName(const std::wstring& a, const std::wstring& b);
