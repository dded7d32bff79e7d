// One row of the fan control table: temperatures in (lowC, highC] °C run the fans at levelPct %.
// The three values are compared as unsigned numbers.
#pragma once

#include <cstdint>

struct FanSegment {
  uint32_t lowC = 0;
  uint32_t highC = 0;
  uint32_t levelPct = 0;
};
