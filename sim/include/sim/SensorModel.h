// What a simulated board's sensors report: how its temperature follows load and fan level, and
// its clocks at idle, base and boost.
#pragma once

#include <cstdint>
#include <vector>

namespace sim {

// Idle, base and boost clock of one clock domain, kHz. Under load the current clock moves from
// idle towards boost plus the domain's offset.
struct DomainClocks {
  uint32_t idleKHz = 0;
  uint32_t baseKHz = 0;
  uint32_t boostKHz = 0;
};

struct SensorModel {
  // Temperature, whole °C. Every thermal reading is one step: the load is the next entry of the
  // load pattern, and the temperature moves a fifth of the way to ambient + loadRise × load -
  // fanCooling × fan level (never below ambient).
  int32_t ambientC = 30;
  int32_t startC = 35;
  int32_t loadRiseC = 55;
  int32_t fanCoolingC = 25;
  std::vector<uint32_t> loadPattern{0};  // percent, 0..100
  uint32_t sensors = 1;                  // thermal sensors answered, 1..3
  bool answersBaseClocks = true;  // false: asking for the base clocks fails (an older driver)

  DomainClocks graphics{210000, 1500000, 1800000};
  DomainClocks memory{405000, 7000000, 7000000};
  DomainClocks processor{420000, 1700000, 2000000};
};

bool operator==(const SensorModel& a, const SensorModel& b);
bool operator==(const DomainClocks& a, const DomainClocks& b);

}  // namespace sim
