#include "gpu/Sensors.h"

#include <cstdio>
#include <cstring>

#include "gpu/structs/SensorStructs.h"

namespace {

constexpr uint32_t kThermalVersions[] = {kNvThermalSettingsVer2, kNvThermalSettingsVer1};
constexpr uint32_t kCoolerVersions[] = {kNvCoolerSettingsVer4, kNvCoolerSettingsVer2,
                                        kNvCoolerSettingsVer1, kNvCoolerSettingsShortVer1};
constexpr uint32_t kClockVersions[] = {kNvClockFrequenciesVer3, kNvClockFrequenciesVer2,
                                       kNvClockFrequenciesVer1};

static_assert(sizeof(NvCoolerSettings) == GpuTable::kCoolerSettingsSize,
              "the table's buffer holds the largest cooler-settings layout");

void PrintDiagnostic(const char* format, const char* text) {
  std::printf(format, text);
  std::fflush(stdout);
}

// Asks for one clock type through versions 3, 2, 1 into `clocks` (cleared by the caller); true
// on the first success.
bool QueryClocks(GpuTable& table, NvPhysicalGpuHandle gpu, NvClockType type,
                 NvClockFrequencies& clocks) {
  for (uint32_t version : kClockVersions) {
    clocks.version = version;
    clocks.clockType = type;
    if (table.api.GpuGetAllClockFrequencies(gpu, &clocks) == kNvOk) return true;
  }
  return false;
}

}  // namespace

int ReadTemperature(int index, GpuTable& table, int32_t& temperature) {
  const NvPhysicalGpuHandle gpu = table.Handle(index);
  for (uint32_t version : kThermalVersions) {
    NvThermalSettings settings{};
    settings.version = version;
    table.StoreStatusWithText(
        table.api.GpuGetThermalSettings(gpu, kNvThermalSensorsAll, &settings));
    if (table.status == kNvOk) {
      temperature = settings.sensor[0].currentTemp;
      table.lastTemperature = temperature;
      return 0;
    }
    temperature = 0;
    table.lastTemperature = 0;
    PrintDiagnostic("Get current state  %s\n", table.errorText);
  }
  return 1;
}

int ReadSensorTemperature(int index, GpuTable& table, int32_t& temperature) {
  NvThermalSettings settings{};
  settings.version = kNvThermalSettingsVer2;
  const NvStatus status =
      table.api.GpuGetThermalSettings(table.Handle(index), kNvThermalSensorsAll, &settings);
  table.status = status;
  // A failed call leaves the cleared structure, so the reading is 0.
  if (status != kNvOk) settings = NvThermalSettings{};
  std::printf("Temperature = %02d C\n", static_cast<int>(settings.sensor[0].currentTemp));
  temperature = settings.sensor[0].currentTemp;
  table.StoreStatusWithText(status);
  if (status != kNvOk) {
    PrintDiagnostic("Get temperature  %s\n", table.errorText);
    return 1;
  }
  std::fflush(stdout);
  table.lastTemperature = temperature;
  return 0;
}

int ReadCoolerSettings(int index, GpuTable& table, CoolerSettingsBuffer& buffer) {
  const NvPhysicalGpuHandle gpu = table.Handle(index);
  // The driver writes into a properly typed copy of the caller's buffer, which keeps whatever
  // an answer in a shorter layout does not cover.
  NvCoolerSettings settings;
  std::memcpy(&settings, buffer, sizeof settings);
  for (uint32_t version : kCoolerVersions) {
    settings.version = version;
    table.StoreStatusWithText(table.api.GpuGetCoolerSettings(gpu, kNvCoolersAll, &settings));
    if (table.status == kNvOk) {
      std::memcpy(buffer, &settings, sizeof settings);
      return 0;
    }
    settings.cooler[0].currentLevel = 0;
    settings.cooler[0].defaultMinLevel = 0;
    settings.cooler[0].defaultMaxLevel = 100;
    PrintDiagnostic("Get current state  %s\n", table.errorText);
  }
  std::memcpy(buffer, &settings, sizeof settings);
  return 1;
}

CoolerZero CoolerZeroOf(const CoolerSettingsBuffer& buffer) {
  NvCoolerSettings settings;
  std::memcpy(&settings, buffer, sizeof settings);
  CoolerZero zero;
  zero.defaultMinLevel = settings.cooler[0].defaultMinLevel;
  zero.defaultMaxLevel = settings.cooler[0].defaultMaxLevel;
  zero.currentLevel = settings.cooler[0].currentLevel;
  return zero;
}

int32_t ReadFanLevel(GpuTable& table) {
  if (ReadCoolerSettings(-1, table, table.coolerSettings) != 0) return 0;
  table.fanLevel = static_cast<int32_t>(CoolerZeroOf(table.coolerSettings).currentLevel);
  return table.fanLevel;
}

int ReadCurrentClocks(int index, GpuTable& table, OcInfo& info) {
  NvClockFrequencies clocks{};
  if (!QueryClocks(table, table.Handle(index), kNvClockTypeCurrent, clocks)) return 1;
  info.graphicsFreqKHz = clocks.domain[kNvClockDomainGraphics].frequencyKHz;
  info.memoryFreqKHz = clocks.domain[kNvClockDomainMemory].frequencyKHz;
  info.processorFreqKHz = clocks.domain[kNvClockDomainProcessor].frequencyKHz;
  return 0;
}

int ReadBaseBoostClocks(int index, GpuTable& table, OcInfo& info) {
  const NvPhysicalGpuHandle gpu = table.Handle(index);
  info.graphicsBaseKHz = 0;
  info.processorBaseKHz = 0;
  info.memoryBaseKHz = 0;
  info.graphicsBoostKHz = 0;
  info.processorBoostKHz = 0;
  info.memoryBoostKHz = 0;

  NvClockFrequencies clocks{};
  if (QueryClocks(table, gpu, kNvClockTypeBase, clocks)) {
    info.graphicsBaseKHz = clocks.domain[kNvClockDomainGraphics].frequencyKHz;
    info.processorBaseKHz = clocks.domain[kNvClockDomainProcessor].frequencyKHz;
    info.memoryBaseKHz = clocks.domain[kNvClockDomainMemory].frequencyKHz;
  }

  clocks = NvClockFrequencies{};
  if (!QueryClocks(table, gpu, kNvClockTypeBoost, clocks)) return 1;
  info.graphicsBoostKHz = clocks.domain[kNvClockDomainGraphics].frequencyKHz;
  info.processorBoostKHz = clocks.domain[kNvClockDomainProcessor].frequencyKHz;
  info.memoryBoostKHz = clocks.domain[kNvClockDomainMemory].frequencyKHz;
  return 0;
}
