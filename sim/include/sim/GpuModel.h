// One simulated graphics card as the driver describes it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sim/BoardInfoModel.h"
#include "sim/ClockModel.h"
#include "sim/CoolerModel.h"
#include "sim/DisplayModel.h"
#include "sim/LightingModel.h"
#include "sim/PolicyModel.h"
#include "sim/SensorModel.h"
#include "sim/VoltRailModel.h"

namespace sim {

// The identity of a board: what the PCI and VBIOS entries answer. The fields sit directly on the
// model; each later driver area (sensors, clocks, P-states, ...) adds its own model struct, in a
// header of its own, as a member here, so areas stay apart.
struct GpuModel {
  uint16_t vendorId = 0x10DE;
  uint16_t deviceId = 0;
  uint16_t subsystemVendorId = 0x10DE;
  uint16_t subsystemId = 0;
  uint32_t revision = 0xA1;
  std::string name;          // marketing name; the driver answers at most 63 characters
  std::string vbiosVersion;  // e.g. "95.02.18.80.87"; answered at most 63 characters long
  bool tcc = false;          // compute-only board: listed by the TCC enumeration, not the other

  // Sensors, clocks, power and thermal limits, fans.
  SensorModel sensors;
  CoolerModel coolers;
  ClockModel clocks;
  PolicyModel policies;
  // Voltage boost, connected displays and board information.
  VoltRailModel voltRails;
  std::vector<ConnectedDisplay> displays;
  BoardInfoModel board;
  // Lighting and the power reading of the status report.
  LightingModel lighting;
  PowerTopologyModel powerTopology;
};

bool operator==(const GpuModel& a, const GpuModel& b);
inline bool operator!=(const GpuModel& a, const GpuModel& b) {
  return !(a == b);
}

}  // namespace sim
