#include "fan/FanControlTable.h"

namespace {
constexpr uint32_t kFullSpeedAboveC = 100;
}

void ApplyFanCurve(FanControlTable& table, const FanCurve& curve) {
  table.segmentCount = 0;
  table.appliedSegment = 0;
  // Unsigned arithmetic: a curve handed in with odd values wraps instead of overflowing.
  uint32_t previousEnd = 0;
  for (const FanCurvePoint& point : curve) {
    if (point.enabled == 0) continue;
    const uint32_t end = static_cast<uint32_t>(point.end);
    table.rows[table.segmentCount] =
        FanSegment{previousEnd * 10u, end * 10u, 100u - 10u * static_cast<uint32_t>(point.level)};
    previousEnd = end;
    ++table.segmentCount;
  }
}

FanStepResult RunFanCurveStep(FanControlTable& table, int32_t fanMode, int32_t fanCoolerModel,
                              FanControlSink& fans) {
  FanStepResult result;
  if (table.segmentCount == 0 || fanMode != kCurveStepFanMode) return result;
  const uint32_t t = fans.ReadTemperature();
  table.lastTemperature = t;
  result.read = true;
  for (uint32_t i = 0; i < table.segmentCount; ++i) {
    if (table.rows[i].lowC < t && t <= table.rows[i].highC) {
      table.currentSegment = i + 1;
      break;
    }
  }
  if (table.currentSegment == table.appliedSegment) return result;
  // A row remembered from a longer table that Apply replaced is not a row of this one: nothing
  // is sent until the temperature matches a row again.
  if (table.currentSegment > table.segmentCount) return result;

  int32_t level = static_cast<int32_t>(table.rows[table.currentSegment - 1].levelPct);
  if (level < table.levelMinimum) level = table.levelMinimum;
  if (level > table.levelMaximum) level = table.levelMaximum;
  if (t > kFullSpeedAboveC) level = 100;
  if (fanCoolerModel == 0) {
    fans.SetCoolerLevel(level);
  } else {
    fans.SetFanCoolerManual(1, level);
    fans.SetFanCoolerManual(2, level);
  }
  table.appliedSegment = table.currentSegment;
  result.sent = true;
  result.level = level;
  return result;
}
