#include "sim/PerformanceBoards.h"

namespace sim {
namespace {

constexpr int32_t kRawPerC = 256;

PstateClockModel Range(uint32_t domain, uint32_t minKHz, uint32_t maxKHz, uint32_t minUv,
                       uint32_t maxUv, int32_t offsetMinKHz, int32_t offsetMaxKHz) {
  PstateClockModel clock;
  clock.domain = domain;
  clock.range = true;
  clock.minKHz = minKHz;
  clock.maxKHz = maxKHz;
  clock.minVoltageUv = minUv;
  clock.maxVoltageUv = maxUv;
  clock.offsetMinKHz = offsetMinKHz;
  clock.offsetMaxKHz = offsetMaxKHz;
  return clock;
}

PstateClockModel Single(uint32_t domain, uint32_t freqKHz, int32_t offsetMinKHz = 0,
                        int32_t offsetMaxKHz = 0) {
  PstateClockModel clock;
  clock.domain = domain;
  clock.minKHz = freqKHz;
  clock.offsetMinKHz = offsetMinKHz;
  clock.offsetMaxKHz = offsetMaxKHz;
  return clock;
}

VfDomainModel VfDomain(uint32_t domain, int32_t offsetMinKHz, int32_t offsetMaxKHz,
                       uint32_t firstPoint, uint32_t lastPoint) {
  VfDomainModel vf;
  vf.domain = domain;
  vf.offsetMinKHz = offsetMinKHz;
  vf.offsetMaxKHz = offsetMaxKHz;
  vf.firstPoint = firstPoint;
  vf.lastPoint = lastPoint;
  return vf;
}

ThermalPolicyModel GpuThermal(int32_t minC, int32_t defaultC, int32_t maxC) {
  ThermalPolicyModel policy;
  policy.controller = 1;
  policy.minRaw = minC * kRawPerC;
  policy.defaultRaw = defaultC * kRawPerC;
  policy.maxRaw = maxC * kRawPerC;
  policy.limitRaw = policy.defaultRaw;
  return policy;
}

PowerPolicyModel Power(uint32_t minPcm, uint32_t maxPcm) {
  PowerPolicyModel policy;
  policy.id = 0;
  policy.minPcm = minPcm;
  policy.defaultPcm = 100000;
  policy.maxPcm = maxPcm;
  policy.limitPcm = 100000;
  return policy;
}

// Idle for a while, a climb to full load, a long plateau and the way back down.
const std::vector<uint32_t> kLoadCycle = {0,   0,   0,   5,   10,  20,  35,  50,  65, 80, 95,
                                          100, 100, 100, 100, 100, 100, 100, 100, 90, 75, 60,
                                          45,  30,  20,  10,  5,   0,   0,   0,   40, 40, 40};

}  // namespace

void SetVfFanCoolerPerformance(GpuModel& gpu) {
  gpu.sensors.ambientC = 28;
  gpu.sensors.startC = 34;
  gpu.sensors.loadRiseC = 60;
  gpu.sensors.fanCoolingC = 22;
  gpu.sensors.loadPattern = kLoadCycle;
  gpu.sensors.sensors = 1;
  gpu.sensors.graphics = {210000, 2235000, 2520000};
  gpu.sensors.memory = {405000, 10501000, 10501000};
  gpu.sensors.processor = {420000, 1980000, 2340000};

  gpu.coolers.coolers = 1;
  gpu.coolers.minLevel = 30;
  gpu.coolers.maxLevel = 100;
  gpu.coolers.fanCoolers = 2;
  gpu.coolers.maxRpm = 3000;

  gpu.clocks.pstates = {
      {0,
       {Range(0, 210000, 3105000, 880000, 1100000, -1000000, 1000000),
        Range(4, 405000, 10501000, 0, 0, -1000000, 3000000), Range(7, 420000, 2625000, 880000, 1100000, 0, 0)}},
      {2, {Range(0, 210000, 2520000, 880000, 1050000, 0, 0), Single(4, 10251000)}},
      {8, {Single(0, 210000), Single(4, 405000), Single(7, 420000)}},
  };
  gpu.clocks.baseVoltageUv = 1050000;
  gpu.clocks.overVoltageEditable = false;
  gpu.clocks.vfDomains = {VfDomain(0, -1000000, 1000000, 0, 126),
                          VfDomain(4, -1000000, 3000000, 127, 142)};

  gpu.policies.power = {Power(11000, 133000)};
  gpu.policies.thermal = {GpuThermal(65, 84, 90)};
}

void SetVfPerformance(GpuModel& gpu) {
  gpu.sensors.ambientC = 30;
  gpu.sensors.startC = 36;
  gpu.sensors.loadRiseC = 50;
  gpu.sensors.fanCoolingC = 20;
  gpu.sensors.loadPattern = {0, 20, 60, 100, 100, 100, 60, 20};
  gpu.sensors.graphics = {139000, 1607000, 1733000};
  gpu.sensors.memory = {405000, 5005000, 5005000};
  gpu.sensors.processor = {278000, 1480000, 1600000};

  gpu.coolers.coolers = 1;
  gpu.coolers.minLevel = 0;
  gpu.coolers.maxLevel = 100;
  gpu.coolers.fanCoolers = 0;

  gpu.clocks.pstates = {
      {0,
       {Range(0, 139000, 1911000, 800000, 1093000, -200000, 1000000),
        Single(4, 5005000, -500000, 1000000)}},
      {8, {Single(0, 139000), Single(4, 405000)}},
  };
  gpu.clocks.baseVoltageUv = 1062000;
  gpu.clocks.overVoltageEditable = true;
  gpu.clocks.overVoltageMinUv = 0;
  gpu.clocks.overVoltageMaxUv = 100000;
  gpu.clocks.vfDomains = {VfDomain(0, -200000, 1000000, 0, 79),
                          VfDomain(4, -500000, 1000000, 80, 95)};

  gpu.policies.power = {Power(50000, 120000)};
  gpu.policies.thermal = {GpuThermal(60, 83, 92)};
}

void SetPstatesPerformance(GpuModel& gpu) {
  gpu.sensors.ambientC = 32;
  gpu.sensors.startC = 40;
  gpu.sensors.loadRiseC = 45;
  gpu.sensors.fanCoolingC = 18;
  gpu.sensors.loadPattern = {0, 50, 100, 100, 50};
  gpu.sensors.graphics = {135000, 1000000, 1076000};
  gpu.sensors.memory = {324000, 3505000, 3505000};
  gpu.sensors.processor = {270000, 1000000, 1076000};

  gpu.coolers.coolers = 1;
  gpu.coolers.minLevel = 20;
  gpu.coolers.maxLevel = 100;
  gpu.coolers.fanCoolers = 0;

  gpu.clocks.pstates = {
      {0,
       {Range(0, 135000, 1202000, 850000, 1187000, -135000, 300000),
        Single(4, 3505000, -500000, 1000000), Range(7, 270000, 1202000, 850000, 1187000, 0, 0)}},
      {5, {Single(0, 405000), Single(4, 810000)}},
      {8, {Single(0, 135000), Single(4, 324000)}},
  };
  gpu.clocks.baseVoltageUv = 1187000;
  gpu.clocks.overVoltageEditable = true;
  gpu.clocks.overVoltageMinUv = 0;
  gpu.clocks.overVoltageMaxUv = 87500;

  gpu.policies.power = {Power(50000, 110000)};
  gpu.policies.thermal = {GpuThermal(60, 83, 91)};
}

}  // namespace sim
