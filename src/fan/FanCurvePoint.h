// One point of a fan curve: a grid row (level 0 = 100 %, 9 = 10 %), the column end (×10 °C)
// and whether the point takes part. A curve is exactly ten points, one per 10 °C column.
#pragma once

#include <array>
#include <cstdint>

struct FanCurvePoint {
  int32_t level = 0;
  int32_t end = 0;
  int32_t enabled = 0;
};

constexpr int kFanCurvePoints = 10;
using FanCurve = std::array<FanCurvePoint, kFanCurvePoints>;

// The diagonal: 10 % for 0–10 °C up to 100 % for 90–100 °C, every point enabled.
inline FanCurve DefaultFanCurve() {
  FanCurve curve{};
  for (int i = 0; i < kFanCurvePoints; ++i) curve[i] = FanCurvePoint{9 - i, i + 1, 1};
  return curve;
}
