#include "PerformanceKeys.h"

#include <cstdint>
#include <vector>

#include "ScenarioValues.h"
#include "TextFormat.h"

namespace sim {
namespace {

constexpr size_t kMaxPstates = 16;
constexpr size_t kMaxPstateClocks = 8;
constexpr size_t kMaxVfDomains = 32;
constexpr size_t kMaxPolicies = 4;
constexpr size_t kMaxLoadPattern = 256;
constexpr size_t kMaxDisabledPoints = 255;

// Comma-separated signed 32-bit numbers, 1 to maxCount of them.
bool ParseSignedList(std::string_view text, size_t maxCount, std::vector<int32_t>& out) {
  std::vector<int32_t> values;
  while (true) {
    const size_t comma = text.find(',');
    int32_t value = 0;
    if (!ParseStatusValue(TrimBlanks(text.substr(0, comma)), value)) return false;
    values.push_back(value);
    if (values.size() > maxCount) return false;
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  out = std::move(values);
  return true;
}

// Reads one key's value and reports what went wrong in the scenario's own words.
class KeyReader {
 public:
  KeyReader(std::string_view key, std::string_view value, std::string& message)
      : key_(key), value_(value), message_(message) {}

  AreaKeyResult Unsigned(uint64_t max, uint32_t& out) {
    uint64_t number = 0;
    if (!ParseUnsignedValue(value_, max, number)) {
      return Bad("a number from 0 to " + Decimal(static_cast<int64_t>(max)));
    }
    out = static_cast<uint32_t>(number);
    return AreaKeyResult::kSet;
  }
  AreaKeyResult Signed(int32_t& out) {
    if (!ParseStatusValue(value_, out)) return Bad("a signed 32-bit number");
    return AreaKeyResult::kSet;
  }
  AreaKeyResult Flag(bool& out) {
    if (!ParseBoolValue(value_, out)) return Bad("true or false");
    return AreaKeyResult::kSet;
  }
  AreaKeyResult UnsignedList(size_t minCount, size_t maxCount, uint32_t max,
                             std::vector<uint32_t>& out) {
    std::vector<uint32_t> values;
    bool fits = ParseNumberList(value_, maxCount, values) && values.size() >= minCount;
    for (uint32_t v : values) fits = fits && v <= max;
    if (!fits) {
      return Bad(Decimal(static_cast<int64_t>(minCount)) + " to " +
                 Decimal(static_cast<int64_t>(maxCount)) + " numbers from 0 to " + Decimal(max) +
                 " separated by commas");
    }
    out = std::move(values);
    return AreaKeyResult::kSet;
  }
  AreaKeyResult SignedList(size_t count, std::vector<int32_t>& out) {
    if (!ParseSignedList(value_, count, out) || out.size() != count) {
      return Bad(Decimal(static_cast<int64_t>(count)) + " signed numbers separated by commas");
    }
    return AreaKeyResult::kSet;
  }
  AreaKeyResult SignedPair(int32_t& low, int32_t& high) {
    std::vector<int32_t> values;
    const AreaKeyResult result = SignedList(2, values);
    if (result != AreaKeyResult::kSet) return result;
    if (values[0] > values[1]) return Bad("a minimum, then a maximum not below it");
    low = values[0];
    high = values[1];
    return AreaKeyResult::kSet;
  }
  AreaKeyResult Clocks(DomainClocks& out) {
    std::vector<uint32_t> values;
    const AreaKeyResult result = UnsignedList(3, 3, UINT32_MAX, values);
    if (result != AreaKeyResult::kSet) return result;
    out = DomainClocks{values[0], values[1], values[2]};
    return AreaKeyResult::kSet;
  }

 private:
  AreaKeyResult Bad(const std::string& expected) {
    message_ = "'" + std::string(key_) + "' needs " + expected;
    return AreaKeyResult::kBadValue;
  }

  std::string_view key_;
  std::string_view value_;
  std::string& message_;
};

AreaKeyResult SetSensorKey(SensorModel& sensors, std::string_view key, KeyReader& read) {
  if (key == "ambient_c") return read.Signed(sensors.ambientC);
  if (key == "start_c") return read.Signed(sensors.startC);
  if (key == "load_rise_c") return read.Signed(sensors.loadRiseC);
  if (key == "fan_cooling_c") return read.Signed(sensors.fanCoolingC);
  if (key == "load_pattern") return read.UnsignedList(1, kMaxLoadPattern, 100, sensors.loadPattern);
  if (key == "sensors") {
    const AreaKeyResult result = read.Unsigned(3, sensors.sensors);
    if (result == AreaKeyResult::kSet && sensors.sensors == 0) sensors.sensors = 1;
    return result;
  }
  if (key == "base_clocks") return read.Flag(sensors.answersBaseClocks);
  if (key == "graphics_khz") return read.Clocks(sensors.graphics);
  if (key == "memory_khz") return read.Clocks(sensors.memory);
  if (key == "processor_khz") return read.Clocks(sensors.processor);
  return AreaKeyResult::kUnknownKey;
}

AreaKeyResult SetCoolerKey(CoolerModel& coolers, std::string_view key, KeyReader& read) {
  if (key == "coolers") return read.Unsigned(20, coolers.coolers);
  if (key == "min_level") return read.Unsigned(100, coolers.minLevel);
  if (key == "max_level") return read.Unsigned(100, coolers.maxLevel);
  if (key == "fan_coolers") return read.Unsigned(32, coolers.fanCoolers);
  if (key == "max_rpm") return read.Unsigned(UINT32_MAX / 100, coolers.maxRpm);
  return AreaKeyResult::kUnknownKey;
}

AreaKeyResult Reported(KeyReader& read, std::optional<uint32_t>& out) {
  uint32_t value = 0;
  const AreaKeyResult result = read.Unsigned(UINT32_MAX, value);
  if (result == AreaKeyResult::kSet) out = value;
  return result;
}

AreaKeyResult SetClockKey(ClockModel& clocks, std::string_view key, KeyReader& read) {
  if (key == "base_voltage_uv") return read.Unsigned(UINT32_MAX, clocks.baseVoltageUv);
  if (key == "base_voltage_delta_uv") {
    return read.SignedPair(clocks.baseVoltageDeltaMinUv, clocks.baseVoltageDeltaMaxUv);
  }
  if (key == "over_voltage_editable") return read.Flag(clocks.overVoltageEditable);
  if (key == "over_voltage_uv") {
    return read.SignedPair(clocks.overVoltageMinUv, clocks.overVoltageMaxUv);
  }
  if (key == "vf_disabled_points") {
    return read.UnsignedList(1, kMaxDisabledPoints, 254, clocks.vfDisabledPoints);
  }
  if (key == "reported_clocks") return Reported(read, clocks.reportedClocks);
  if (key == "reported_base_voltages") return Reported(read, clocks.reportedBaseVoltages);
  if (key == "reported_over_voltages") return Reported(read, clocks.reportedOverVoltages);
  return AreaKeyResult::kUnknownKey;
}

// The P-state's clock of a domain, added on its first key.
PstateClockModel& ClockOf(PstateModel& pstate, uint32_t domain) {
  for (PstateClockModel& clock : pstate.clocks) {
    if (clock.domain == domain) return clock;
  }
  PstateClockModel clock;
  clock.domain = domain;
  pstate.clocks.push_back(clock);
  return pstate.clocks.back();
}

AreaKeyResult SetPstateKey(PstateModel& pstate, std::string_view key, KeyReader& read) {
  if (key == "id") return read.Unsigned(15, pstate.id);
  struct Domain {
    std::string_view prefix;
    uint32_t id;
  };
  for (const Domain domain :
       {Domain{"graphics_", 0}, Domain{"memory_", 4}, Domain{"processor_", 7}}) {
    if (key.substr(0, domain.prefix.size()) != domain.prefix) continue;
    const std::string_view field = key.substr(domain.prefix.size());
    if (field != "khz" && field != "voltage_uv" && field != "voltage_domain" &&
        field != "offset_khz") {
      return AreaKeyResult::kUnknownKey;
    }
    static_assert(kMaxPstateClocks >= 3, "every domain fits a P-state");
    PstateClockModel& clock = ClockOf(pstate, domain.id);
    if (field == "khz") {
      std::vector<uint32_t> values;
      const AreaKeyResult result = read.UnsignedList(1, 2, UINT32_MAX, values);
      if (result != AreaKeyResult::kSet) return result;
      clock.range = values.size() == 2;
      clock.minKHz = values[0];
      clock.maxKHz = clock.range ? values[1] : 0;
      return result;
    }
    if (field == "voltage_domain") return read.Unsigned(UINT32_MAX, clock.voltageDomain);
    if (field == "offset_khz") return read.SignedPair(clock.offsetMinKHz, clock.offsetMaxKHz);
    std::vector<uint32_t> volts;
    const AreaKeyResult result = read.UnsignedList(2, 2, UINT32_MAX, volts);
    if (result == AreaKeyResult::kSet) {
      clock.minVoltageUv = volts[0];
      clock.maxVoltageUv = volts[1];
    }
    return result;
  }
  return AreaKeyResult::kUnknownKey;
}

AreaKeyResult SetVfDomainKey(VfDomainModel& domain, std::string_view key, KeyReader& read) {
  if (key == "domain") return read.Unsigned(UINT32_MAX, domain.domain);
  if (key == "disabled") return read.Flag(domain.disabled);
  if (key == "offset_khz") return read.SignedPair(domain.offsetMinKHz, domain.offsetMaxKHz);
  if (key == "points") {
    std::vector<uint32_t> points;
    const AreaKeyResult result = read.UnsignedList(2, 2, 255, points);
    if (result == AreaKeyResult::kSet) {
      domain.firstPoint = points[0];
      domain.lastPoint = points[1];
    }
    return result;
  }
  return AreaKeyResult::kUnknownKey;
}

AreaKeyResult SetPowerPolicyKey(PowerPolicyModel& policy, std::string_view key, KeyReader& read) {
  if (key == "id") return read.Unsigned(UINT32_MAX, policy.id);
  if (key == "limit_pcm") return read.Unsigned(UINT32_MAX, policy.limitPcm);
  if (key == "limits_pcm") {
    std::vector<uint32_t> limits;
    const AreaKeyResult result = read.UnsignedList(3, 3, UINT32_MAX, limits);
    if (result == AreaKeyResult::kSet) {
      policy.minPcm = limits[0];
      policy.defaultPcm = limits[1];
      policy.maxPcm = limits[2];
    }
    return result;
  }
  return AreaKeyResult::kUnknownKey;
}

AreaKeyResult SetThermalPolicyKey(ThermalPolicyModel& policy, std::string_view key,
                                  KeyReader& read) {
  if (key == "controller") return read.Signed(policy.controller);
  if (key == "limit") return read.Signed(policy.limitRaw);
  if (key == "priority") return read.Flag(policy.priority);
  if (key == "limits") {
    std::vector<int32_t> limits;
    const AreaKeyResult result = read.SignedList(3, limits);
    if (result == AreaKeyResult::kSet) {
      policy.minRaw = limits[0];
      policy.defaultRaw = limits[1];
      policy.maxRaw = limits[2];
    }
    return result;
  }
  return AreaKeyResult::kUnknownKey;
}

template <class Entry>
bool Append(std::vector<Entry>& entries, size_t max, const std::string& area,
            std::string& message) {
  if (entries.size() >= max) {
    message = "more than " + Decimal(static_cast<int64_t>(max)) + " [gpu." + area +
              "] sections for one [gpu]";
    return false;
  }
  entries.emplace_back();
  return true;
}

}  // namespace

bool IsPerformanceArea(const std::string& area) {
  return area == "sensors" || area == "coolers" || area == "clocks" ||
         IsRepeatedPerformanceArea(area);
}

bool IsRepeatedPerformanceArea(const std::string& area) {
  return area == "pstate" || area == "vf_domain" || area == "power_policy" ||
         area == "thermal_policy";
}

bool StartPerformanceArea(const std::string& area, GpuModel& gpu, std::string& message) {
  if (area == "pstate") return Append(gpu.clocks.pstates, kMaxPstates, area, message);
  if (area == "vf_domain") return Append(gpu.clocks.vfDomains, kMaxVfDomains, area, message);
  if (area == "power_policy") return Append(gpu.policies.power, kMaxPolicies, area, message);
  if (area == "thermal_policy") return Append(gpu.policies.thermal, kMaxPolicies, area, message);
  return true;
}

AreaKeyResult SetPerformanceAreaKey(const std::string& area, GpuModel& gpu, std::string_view key,
                                    std::string_view value, std::string& message) {
  KeyReader read(key, value, message);
  if (area == "sensors") return SetSensorKey(gpu.sensors, key, read);
  if (area == "coolers") return SetCoolerKey(gpu.coolers, key, read);
  if (area == "clocks") return SetClockKey(gpu.clocks, key, read);
  if (area == "pstate") return SetPstateKey(gpu.clocks.pstates.back(), key, read);
  if (area == "vf_domain") return SetVfDomainKey(gpu.clocks.vfDomains.back(), key, read);
  if (area == "power_policy") return SetPowerPolicyKey(gpu.policies.power.back(), key, read);
  if (area == "thermal_policy") return SetThermalPolicyKey(gpu.policies.thermal.back(), key, read);
  return AreaKeyResult::kUnknownKey;
}

}  // namespace sim
