// The fan control table the main window keeps: the rows built from the last applied curve and
// what the 500 ms step last matched and sent. Nothing of it is stored; every start begins empty.
#pragma once

#include <array>
#include <cstdint>

#include "fan/FanControlSink.h"
#include "fan/FanCurvePoint.h"
#include "fan/FanSegment.h"

struct FanControlTable {
  std::array<FanSegment, kFanCurvePoints> rows{};
  uint32_t segmentCount = 0;
  // 1-based row the last matching temperature fell in; 0 = none yet. Apply keeps it.
  uint32_t currentSegment = 0;
  // 1-based row whose level was last sent to the fans; 0 = none, so the next step sends.
  uint32_t appliedSegment = 0;
  uint32_t lastTemperature = 0;
  // The clamp of every level sent: the range of the main window's fan graph.
  int32_t levelMinimum = 0;
  int32_t levelMaximum = 100;
};

// The fan mode of the overclock panel in which the step drives the fans.
constexpr int32_t kCurveStepFanMode = 2;

// Rebuilds the rows from `curve`: one row per enabled point, in column order, from where the
// previous enabled point ended to the point's end (×10 °C), at 100 − 10 × level %. The next step
// sends again; the current segment is left as it was.
void ApplyFanCurve(FanControlTable& table, const FanCurve& curve);

// What one step did with the fans.
struct FanStepResult {
  bool read = false;  // the curve was active and the temperature was read
  bool sent = false;  // a level went to the fans
  int32_t level = 0;  // the level sent
};

// One tick of timer 1, the curve half: only with rows and in fan mode 2. Reads the temperature,
// finds the row with lowC < T <= highC (none: the current segment stays), and when that row is
// not the one last sent, sends its level clamped to the table's range (100 % when T is above
// 100 °C) through the older interface (fanCoolerModel 0) or to fans 1 and 2 of the per-fan one.
FanStepResult RunFanCurveStep(FanControlTable& table, int32_t fanMode, int32_t fanCoolerModel,
                              FanControlSink& fans);
