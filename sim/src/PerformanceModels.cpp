// Comparison of the sensor, cooler, clock and policy models (scenario equality).
#include "sim/ClockModel.h"
#include "sim/CoolerModel.h"
#include "sim/PolicyModel.h"
#include "sim/SensorModel.h"

namespace sim {

bool operator==(const DomainClocks& a, const DomainClocks& b) {
  return a.idleKHz == b.idleKHz && a.baseKHz == b.baseKHz && a.boostKHz == b.boostKHz;
}

bool operator==(const SensorModel& a, const SensorModel& b) {
  return a.ambientC == b.ambientC && a.startC == b.startC && a.loadRiseC == b.loadRiseC &&
         a.fanCoolingC == b.fanCoolingC && a.loadPattern == b.loadPattern &&
         a.sensors == b.sensors && a.answersBaseClocks == b.answersBaseClocks &&
         a.graphics == b.graphics && a.memory == b.memory && a.processor == b.processor;
}

bool operator==(const CoolerModel& a, const CoolerModel& b) {
  return a.coolers == b.coolers && a.minLevel == b.minLevel && a.maxLevel == b.maxLevel &&
         a.fanCoolers == b.fanCoolers && a.maxRpm == b.maxRpm;
}

bool operator==(const PstateClockModel& a, const PstateClockModel& b) {
  return a.domain == b.domain && a.range == b.range && a.minKHz == b.minKHz &&
         a.maxKHz == b.maxKHz && a.voltageDomain == b.voltageDomain &&
         a.minVoltageUv == b.minVoltageUv && a.maxVoltageUv == b.maxVoltageUv &&
         a.offsetMinKHz == b.offsetMinKHz && a.offsetMaxKHz == b.offsetMaxKHz;
}

bool operator==(const PstateModel& a, const PstateModel& b) {
  return a.id == b.id && a.clocks == b.clocks;
}

bool operator==(const VfDomainModel& a, const VfDomainModel& b) {
  return a.domain == b.domain && a.disabled == b.disabled && a.offsetMinKHz == b.offsetMinKHz &&
         a.offsetMaxKHz == b.offsetMaxKHz && a.firstPoint == b.firstPoint &&
         a.lastPoint == b.lastPoint;
}

bool operator==(const ClockModel& a, const ClockModel& b) {
  return a.pstates == b.pstates && a.baseVoltageUv == b.baseVoltageUv &&
         a.baseVoltageDeltaMinUv == b.baseVoltageDeltaMinUv &&
         a.baseVoltageDeltaMaxUv == b.baseVoltageDeltaMaxUv &&
         a.overVoltageEditable == b.overVoltageEditable &&
         a.overVoltageMinUv == b.overVoltageMinUv && a.overVoltageMaxUv == b.overVoltageMaxUv &&
         a.vfDomains == b.vfDomains && a.vfDisabledPoints == b.vfDisabledPoints &&
         a.reportedClocks == b.reportedClocks && a.reportedBaseVoltages == b.reportedBaseVoltages &&
         a.reportedOverVoltages == b.reportedOverVoltages;
}

bool operator==(const PowerPolicyModel& a, const PowerPolicyModel& b) {
  return a.id == b.id && a.minPcm == b.minPcm && a.defaultPcm == b.defaultPcm &&
         a.maxPcm == b.maxPcm && a.limitPcm == b.limitPcm;
}

bool operator==(const ThermalPolicyModel& a, const ThermalPolicyModel& b) {
  return a.controller == b.controller && a.minRaw == b.minRaw && a.defaultRaw == b.defaultRaw &&
         a.maxRaw == b.maxRaw && a.limitRaw == b.limitRaw && a.priority == b.priority;
}

bool operator==(const PolicyModel& a, const PolicyModel& b) {
  return a.power == b.power && a.powerValid == b.powerValid && a.thermal == b.thermal &&
         a.thermalValid == b.thermalValid;
}

}  // namespace sim
