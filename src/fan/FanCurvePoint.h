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
