#include "controls/PlotModel.h"

#include <cwctype>
#include <limits>

PlotArea PlotAreaFor(int clientWidth, int clientHeight) {
  PlotArea area;
  area.width = area.right = (clientWidth / 5) * 5 + 1;
  area.height = area.bottom = (clientHeight / 5) * 5 + 1;
  return area;
}

int PlotY(const PlotArea& area, int percent) {
  // Wide arithmetic: a sample far outside the range must not overflow.
  const long long y = area.bottom - (static_cast<long long>(percent) * area.height / 101) - 1;
  if (y < area.top) return area.top;
  if (y > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  return int(y);
}

std::vector<PlotSegment> LayOutSeries(PlotSeries& series, const PlotArea& area) {
  std::vector<PlotSegment> segments;
  const int count = int(series.points.size());
  for (int i = 0; i + 1 < count; ++i) {
    PlotPoint& from = series.points[size_t(i)];
    if (from.percent == -1) continue;
    PlotPoint& to = series.points[size_t(i) + 1];
    PlotSegment s;
    s.index = i;
    s.y1 = PlotY(area, from.percent);
    s.y2 = PlotY(area, to.percent);
    s.x1 = area.left + i - 1;
    s.x2 = area.left + i;
    from.y = s.y1;
    from.x = s.x1;
    to.y = s.y2;
    to.x = s.x2;
    segments.push_back(s);
  }
  return segments;
}

uint32_t BlendPlotColour(uint32_t blend, uint32_t series, float factor) {
  uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const float b = float((blend >> shift) & 0xFF);
    const float s = float((series >> shift) & 0xFF);
    float v = (1.0f - factor) * b + factor * s;
    if (v < 0.0f) v = 0.0f;
    if (v > 255.0f) v = 255.0f;
    out |= uint32_t(v) << shift;
  }
  return out;
}

std::vector<int> PlotGridLines(int extent, int offset) {
  std::vector<int> lines;
  const int end = (extent / 5) * 5 + 1;
  for (int k = 0; 5 * k < end; ++k) lines.push_back(5 * k + offset);
  return lines;
}

int PlotPercent(int raw, int minimum, int maximum) {
  if (maximum == minimum) return 0;
  const double p = (double(raw) - double(minimum)) / (double(maximum) - double(minimum)) * 100.0;
  if (p > 1e6) return 1000000;
  if (p < -1e6) return -1000000;
  return int(p);
}

bool SameSeriesName(const std::wstring& a, const std::wstring& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::towlower(wint_t(a[i])) != std::towlower(wint_t(b[i]))) return false;
  }
  return true;
}

bool PlotModel::AddSeries(const std::wstring& name, int minimum, int maximum, int clientWidth,
                          int clientHeight) {
  if (clientWidth < 0 || clientHeight < 0) return false;
  area_ = PlotAreaFor(clientWidth, clientHeight);
  PlotSeries series;
  series.name = name;
  series.minimum = minimum;
  series.maximum = maximum;
  series.points.assign(size_t(area_.width), PlotPoint{});
  series_.push_back(std::move(series));
  return true;
}

bool PlotModel::AddPoint(const std::wstring& name, int percent, int raw,
                         const std::wstring& label) {
  bool found = false;
  for (PlotSeries& series : series_) {
    if (!SameSeriesName(series.name, name) || series.points.empty()) continue;
    found = true;
    for (size_t i = 0; i + 1 < series.points.size(); ++i) {
      series.points[i] = std::move(series.points[i + 1]);
    }
    PlotPoint& last = series.points.back();
    last = PlotPoint{};
    last.percent = percent;
    last.raw = raw;
    last.label = label;
  }
  return found;
}
