// A simulated board's power and thermal policies: their limits with minimum, default and
// maximum. Power limits are 1/1000 %, temperature limits 1/256 °C.
#pragma once

#include <cstdint>
#include <vector>

namespace sim {

struct PowerPolicyModel {
  uint32_t id = 0;
  uint32_t minPcm = 0;
  uint32_t defaultPcm = 0;
  uint32_t maxPcm = 0;
  uint32_t limitPcm = 0;  // the limit at start
};

struct ThermalPolicyModel {
  int32_t controller = 1;
  int32_t minRaw = 0;
  int32_t defaultRaw = 0;
  int32_t maxRaw = 0;
  int32_t limitRaw = 0;  // the limit at start
  bool priority = false;
};

struct PolicyModel {
  // Empty lists: the board does not answer that interface.
  std::vector<PowerPolicyModel> power;
  bool powerValid = true;
  std::vector<ThermalPolicyModel> thermal;
  bool thermalValid = true;
};

bool operator==(const PowerPolicyModel& a, const PowerPolicyModel& b);
bool operator==(const ThermalPolicyModel& a, const ThermalPolicyModel& b);
bool operator==(const PolicyModel& a, const PolicyModel& b);

}  // namespace sim
