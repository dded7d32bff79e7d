// A board's core voltage boost, set and read through the voltage-rail control.
#pragma once

#include <cstdint>

namespace sim {

struct VoltRailModel {
  uint8_t boostPercent = 0;  // what the board starts with, 0..100
};

inline bool operator==(const VoltRailModel& a, const VoltRailModel& b) {
  return a.boostPercent == b.boostPercent;
}

}  // namespace sim
