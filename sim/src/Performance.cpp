#include "Performance.h"

#include <algorithm>
#include <cstring>

namespace sim {
namespace {

constexpr int32_t kAutoQuietBelowC = 40;  // automatic fans stay at the minimum level below this
constexpr int32_t kAutoFullAtC = 85;      // and reach the maximum level here

size_t IndexOf(const CallContext& call) {
  return static_cast<size_t>(call.Gpu() - call.scenario().gpus.data());
}

}  // namespace

// Keeps the per-entry state in step with the model, which a test may change between calls:
// entries the model gained start at their model values, entries it lost are dropped.
void MatchModel(const GpuModel& model, PerformanceState& state) {
  const std::vector<PowerPolicyModel>& power = model.policies.power;
  for (size_t k = state.powerLimitsPcm.size(); k < power.size(); ++k) {
    state.powerLimitsPcm.push_back(power[k].limitPcm);
  }
  state.powerLimitsPcm.resize(power.size());
  const std::vector<ThermalPolicyModel>& thermal = model.policies.thermal;
  for (size_t k = state.thermalLimitsRaw.size(); k < thermal.size(); ++k) {
    state.thermalLimitsRaw.push_back(thermal[k].limitRaw);
    state.thermalPriority.push_back(thermal[k].priority);
  }
  state.thermalLimitsRaw.resize(thermal.size());
  state.thermalPriority.resize(thermal.size());
  state.fans.resize(std::max<uint32_t>(1, model.coolers.fanCoolers));
}

PerformanceState& PerformanceOf(CallContext& call) {
  const GpuModel& model = *call.Gpu();
  auto& boards = call.state().performance;
  const size_t index = IndexOf(call);
  auto found = boards.find(index);
  if (found == boards.end()) {
    PerformanceState state;
    state.temperatureC = model.sensors.startC;
    found = boards.emplace(index, std::move(state)).first;
  }
  MatchModel(model, found->second);
  return found->second;
}

uint32_t FanLevel(const GpuModel& model, const PerformanceState& state, size_t index) {
  if (index < state.fans.size() && state.fans[index].manual) return state.fans[index].level;
  const uint32_t low = model.coolers.minLevel;
  const uint32_t high = std::max(model.coolers.maxLevel, low);
  const double t = state.temperatureC;
  if (t <= kAutoQuietBelowC) return low;
  if (t >= kAutoFullAtC) return high;
  const double share = (t - kAutoQuietBelowC) / (kAutoFullAtC - kAutoQuietBelowC);
  return low + static_cast<uint32_t>(share * (high - low));
}

uint32_t MeanFanLevel(const GpuModel& model, const PerformanceState& state) {
  uint64_t sum = 0;
  for (size_t i = 0; i < state.fans.size(); ++i) sum += FanLevel(model, state, i);
  return state.fans.empty() ? 0 : static_cast<uint32_t>(sum / state.fans.size());
}

void StepTemperature(const GpuModel& model, PerformanceState& state) {
  const SensorModel& sensors = model.sensors;
  const std::vector<uint32_t>& pattern = sensors.loadPattern;
  state.loadPercent =
      pattern.empty() ? 0 : std::min<uint32_t>(100, pattern[state.steps % pattern.size()]);
  ++state.steps;
  const double fan = std::min<uint32_t>(100, MeanFanLevel(model, state));
  double target = sensors.ambientC + sensors.loadRiseC * (state.loadPercent / 100.0) -
                  sensors.fanCoolingC * (fan / 100.0);
  target = std::max(target, static_cast<double>(sensors.ambientC));
  state.temperatureC += (target - state.temperatureC) / 5.0;
}

uint32_t CurrentClockKHz(const DomainClocks& clocks, uint32_t loadPercent, int32_t offsetKHz) {
  if (loadPercent == 0) return clocks.idleKHz;
  const int64_t top = std::max<int64_t>(int64_t{clocks.boostKHz} + offsetKHz, clocks.idleKHz);
  const int64_t clock = clocks.idleKHz + (top - clocks.idleKHz) * loadPercent / 100;
  return static_cast<uint32_t>(clock);
}

NvStatus CheckCall(CallContext& call, const void* structure, uint32_t versionWord,
                   std::initializer_list<uint32_t> natural) {
  if (structure == nullptr) {
    call.Result("null pointer");
    return kNvInvalidArgument;
  }
  if (call.Gpu() == nullptr) return kNvExpectedPhysicalGpuHandle;
  if (!call.AcceptsVersion(versionWord, natural)) {
    call.Result("version refused");
    return kNvIncompatibleStructVersion;
  }
  return kNvOk;
}

void WritePrefix(void* out, const void* full, uint32_t size) {
  std::memcpy(out, full, size);
}

}  // namespace sim
