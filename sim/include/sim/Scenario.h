// Everything one simulated driver instance is started with.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "sim/DriverVersionModel.h"
#include "sim/GpuModel.h"
#include "sim/InterfaceBehaviour.h"

namespace sim {

struct Scenario {
  // Model order: physical GPU handle PhysicalGpuHandle(i) belongs to gpus[i], TCC or not.
  std::vector<GpuModel> gpus;
  uint32_t displayCount = 0;
  // What the driver-version query answers.
  DriverVersionModel driverVersion;
  // Per interface ID; IDs not listed behave normally.
  std::map<uint32_t, InterfaceBehaviour> interfaces;

  // The behaviour configured for an ID, or nullptr.
  const InterfaceBehaviour* FindInterface(uint32_t id) const;
};

bool operator==(const Scenario& a, const Scenario& b);
inline bool operator!=(const Scenario& a, const Scenario& b) {
  return !(a == b);
}

}  // namespace sim
