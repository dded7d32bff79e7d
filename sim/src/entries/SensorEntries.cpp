// Sensor readings: thermal settings (each reading is one step of the temperature model), cooler
// settings in their four layouts, and the current, base and boost clock frequencies.
#include <algorithm>

#include "CallContext.h"
#include "Dispatch.h"
#include "EntryTable.h"
#include "Performance.h"
#include "TextFormat.h"
#include "gpu/structs/SensorStructs.h"

namespace sim {
namespace {

NvStatus NVAPI_CALL GpuGetThermalSettings(NvPhysicalGpuHandle gpu, uint32_t sensorIndex,
                                          NvThermalSettings* settings) {
  return Dispatch(
      kIdGpuGetThermalSettings,
      [&](CallContext& call) {
        call.DescribeGpu(gpu);
        call.Describe("sensor=" + Decimal(sensorIndex));
        if (settings != nullptr) call.SetVersion(settings->version);
      },
      [&](CallContext& call) {
        const NvStatus checked =
            CheckCall(call, settings, settings != nullptr ? settings->version : 0,
                      {kNvThermalSettingsVer1, kNvThermalSettingsVer2});
        if (checked != kNvOk) return checked;
        const GpuModel& model = *call.Gpu();
        const uint32_t sensors = std::clamp<uint32_t>(model.sensors.sensors, 1, 3);
        if (sensorIndex != kNvThermalSensorsAll && sensorIndex >= sensors) {
          return NvStatus{kNvInvalidArgument};
        }
        PerformanceState& state = PerformanceOf(call);
        StepTemperature(model, state);
        const int32_t temperature = static_cast<int32_t>(state.temperatureC);
        const uint32_t version = settings->version;
        *settings = NvThermalSettings{};
        settings->version = version;
        const InterfaceBehaviour* behaviour = call.behaviour();
        settings->count = behaviour != nullptr && behaviour->reportedCount.has_value()
                              ? *behaviour->reportedCount
                              : sensors;
        for (uint32_t i = 0; i < sensors; ++i) {
          NvThermalSensor& sensor = settings->sensor[i];
          sensor.controller = 1;  // the GPU's internal sensor
          sensor.defaultMinTemp = 0;
          sensor.defaultMaxTemp = 127;
          sensor.currentTemp = temperature - static_cast<int32_t>(i) * 3;
          sensor.target = 1;  // the GPU
        }
        call.Result("temperature=" + Decimal(temperature) + " load=" + Decimal(state.loadPercent));
        return NvStatus{kNvOk};
      });
}

// Builds one layout of the cooler settings: `Settings` is the structure, `count` the entries
// its array holds.
template <class Settings>
void FillCoolers(const GpuModel& model, const PerformanceState& state, uint32_t version,
                 uint32_t reported, void* out) {
  Settings settings{};
  const uint32_t capacity = sizeof settings.cooler / sizeof settings.cooler[0];
  settings.version = version;
  settings.count = reported;
  const uint32_t level = FanLevel(model, state, 0);
  for (uint32_t i = 0; i < std::min(model.coolers.coolers, capacity); ++i) {
    settings.cooler[i].defaultMinLevel = model.coolers.minLevel;
    settings.cooler[i].defaultMaxLevel = model.coolers.maxLevel;
    settings.cooler[i].currentLevel = level;
  }
  WritePrefix(out, &settings, sizeof settings);
}

NvStatus NVAPI_CALL GpuGetCoolerSettings(NvPhysicalGpuHandle gpu, uint32_t coolerIndex,
                                         NvCoolerSettings* settings) {
  return Dispatch(
      kIdGpuGetCoolerSettings,
      [&](CallContext& call) {
        call.DescribeGpu(gpu);
        call.Describe("cooler=" + Decimal(coolerIndex));
        if (settings != nullptr) call.SetVersion(settings->version);
      },
      [&](CallContext& call) {
        const uint32_t version = settings != nullptr ? settings->version : 0;
        const NvStatus checked = CheckCall(call, settings, version,
                                           {kNvCoolerSettingsVer4, kNvCoolerSettingsVer2,
                                            kNvCoolerSettingsVer1, kNvCoolerSettingsShortVer1});
        if (checked != kNvOk) return checked;
        const GpuModel& model = *call.Gpu();
        if (coolerIndex != kNvCoolersAll && coolerIndex >= model.coolers.coolers) {
          return NvStatus{kNvInvalidArgument};
        }
        const PerformanceState& state = PerformanceOf(call);
        const InterfaceBehaviour* behaviour = call.behaviour();
        uint32_t reported = model.coolers.coolers;
        if (behaviour != nullptr && behaviour->reportedCount.has_value()) {
          reported = *behaviour->reportedCount;
        }
        // The size the version word declares picks the layout; nothing past it is written.
        switch (version & 0xFFFFu) {
          case sizeof(NvCoolerSettings):
            FillCoolers<NvCoolerSettings>(model, state, version, reported, settings);
            break;
          case sizeof(NvCoolerSettingsMid):
            FillCoolers<NvCoolerSettingsMid>(model, state, version, reported, settings);
            break;
          case sizeof(NvCoolerSettingsShort):
            FillCoolers<NvCoolerSettingsShort>(model, state, version, reported, settings);
            break;
          default:
            return NvStatus{kNvIncompatibleStructVersion};
        }
        call.Result("count=" + Decimal(reported) + " level=" + Decimal(FanLevel(model, state, 0)));
        return NvStatus{kNvOk};
      });
}

NvStatus NVAPI_CALL GpuGetAllClockFrequencies(NvPhysicalGpuHandle gpu,
                                              NvClockFrequencies* frequencies) {
  return Dispatch(
      kIdGpuGetAllClockFrequencies,
      [&](CallContext& call) {
        call.DescribeGpu(gpu);
        if (frequencies != nullptr) {
          call.SetVersion(frequencies->version);
          call.Describe("type=" + Decimal(frequencies->clockType & 0xFu));
        }
      },
      [&](CallContext& call) {
        const NvStatus checked =
            CheckCall(call, frequencies, frequencies != nullptr ? frequencies->version : 0,
                      {kNvClockFrequenciesVer1, kNvClockFrequenciesVer2, kNvClockFrequenciesVer3});
        if (checked != kNvOk) return checked;
        const GpuModel& model = *call.Gpu();
        const PerformanceState& state = PerformanceOf(call);
        const uint32_t type = frequencies->clockType & 0xFu;
        uint32_t graphics = 0;
        uint32_t memory = 0;
        uint32_t processor = 0;
        const SensorModel& clocks = model.sensors;
        if (type == kNvClockTypeCurrent) {
          graphics = CurrentClockKHz(clocks.graphics, state.loadPercent, state.graphicsOffsetKHz);
          memory = CurrentClockKHz(clocks.memory, state.loadPercent, state.memoryOffsetKHz);
          processor = CurrentClockKHz(clocks.processor, state.loadPercent, 0);
        } else if (type == kNvClockTypeBase) {
          if (!clocks.answersBaseClocks) return NvStatus{kNvNotSupported};
          graphics = clocks.graphics.baseKHz;
          memory = clocks.memory.baseKHz;
          processor = clocks.processor.baseKHz;
        } else if (type == kNvClockTypeBoost) {
          graphics = clocks.graphics.boostKHz;
          memory = clocks.memory.boostKHz;
          processor = clocks.processor.boostKHz;
        } else {
          return NvStatus{kNvInvalidArgument};
        }
        const uint32_t version = frequencies->version;
        const uint32_t clockType = frequencies->clockType;
        *frequencies = NvClockFrequencies{};
        frequencies->version = version;
        frequencies->clockType = clockType;
        frequencies->domain[kNvClockDomainGraphics] = {1, graphics};
        frequencies->domain[kNvClockDomainMemory] = {1, memory};
        frequencies->domain[kNvClockDomainProcessor] = {1, processor};
        call.Result("graphics=" + Decimal(graphics) + " memory=" + Decimal(memory) +
                    " processor=" + Decimal(processor));
        return NvStatus{kNvOk};
      });
}

}  // namespace

void AddSensorEntries(std::vector<EntryInfo>& table) {
  table.push_back(MakeEntry<kIdGpuGetThermalSettings>(
      "NvAPI_GPU_GetThermalSettings", &GpuGetThermalSettings, EntryGate::kAfterInitialize));
  table.push_back(MakeEntry<kIdGpuGetCoolerSettings>(
      "NvAPI_GPU_GetCoolerSettings", &GpuGetCoolerSettings, EntryGate::kAfterInitialize));
  table.push_back(MakeEntry<kIdGpuGetAllClockFrequencies>(
      "NvAPI_GPU_GetAllClockFrequencies", &GpuGetAllClockFrequencies, EntryGate::kAfterInitialize));
}

}  // namespace sim
