// A simulated board's fans: the cooler settings of the older interface and the fans of the
// per-fan cooler interface. Every fan is either automatic (its level follows the temperature
// between the minimum and maximum level) or manual at a level.
#pragma once

#include <cstdint>

namespace sim {

struct CoolerModel {
  uint32_t coolers = 1;  // coolers in the cooler settings, 1..20
  uint32_t minLevel = 30;
  uint32_t maxLevel = 100;
  // Fans of the per-fan cooler interface, ids 1..fanCoolers; 0: the board has no such interface.
  uint32_t fanCoolers = 0;
  uint32_t maxRpm = 3000;
};

bool operator==(const CoolerModel& a, const CoolerModel& b);

}  // namespace sim
