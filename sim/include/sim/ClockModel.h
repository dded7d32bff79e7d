// A simulated board's clock and voltage editing: its P-states 2.0 table with the offsets it
// allows, the core over-voltage, and the clock-domain / VF-point view of the same offsets.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace sim {

// One clock entry of a P-state. A range entry has a maximum above its minimum frequency.
struct PstateClockModel {
  uint32_t domain = 0;  // 0 graphics, 4 memory, 7 processor
  bool range = false;
  uint32_t minKHz = 0;  // the frequency of a single entry
  uint32_t maxKHz = 0;
  uint32_t voltageDomain = 0;
  uint32_t minVoltageUv = 0;
  uint32_t maxVoltageUv = 0;
  int32_t offsetMinKHz = 0;  // an editable entry accepts offsets in this range
  int32_t offsetMaxKHz = 0;
};

struct PstateModel {
  uint32_t id = 0;
  std::vector<PstateClockModel> clocks;  // at most 8
};

// One clock domain of the VF-point view; its points run from firstPoint to lastPoint.
struct VfDomainModel {
  uint32_t domain = 0;  // 0 graphics, 4 memory
  bool disabled = false;
  int32_t offsetMinKHz = 0;
  int32_t offsetMaxKHz = 0;
  uint32_t firstPoint = 0;  // written to the reply as one byte each
  uint32_t lastPoint = 0;
};

struct ClockModel {
  // P-states 2.0: empty means the board does not answer them. Offsets apply to P0.
  std::vector<PstateModel> pstates;
  uint32_t baseVoltageUv = 0;
  int32_t baseVoltageDeltaMinUv = 0;
  int32_t baseVoltageDeltaMaxUv = 0;
  bool overVoltageEditable = false;
  int32_t overVoltageMinUv = 0;
  int32_t overVoltageMaxUv = 0;
  // The clock-domain / VF-point interface: empty means the board does not answer it.
  std::vector<VfDomainModel> vfDomains;
  std::vector<uint32_t> vfDisabledPoints;  // points whose control entry does not count
  // A lying driver: counts reported instead of the real ones (at most the structure's capacity
  // is ever written).
  std::optional<uint32_t> reportedClocks;
  std::optional<uint32_t> reportedBaseVoltages;
  std::optional<uint32_t> reportedOverVoltages;
};

bool operator==(const PstateClockModel& a, const PstateClockModel& b);
bool operator==(const PstateModel& a, const PstateModel& b);
bool operator==(const VfDomainModel& a, const VfDomainModel& b);
bool operator==(const ClockModel& a, const ClockModel& b);

}  // namespace sim
