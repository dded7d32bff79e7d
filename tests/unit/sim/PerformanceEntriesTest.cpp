// The simulated sensors, clocks, limits and fans: admission checks of every entry, layouts that
// never write past their declared size, and the live model (load, fans, temperature, clocks).
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "SimTestSupport.h"
#include "gpu/structs/ClockStructs.h"
#include "gpu/structs/CoolerStructs.h"
#include "gpu/structs/PolicyStructs.h"
#include "gpu/structs/SensorStructs.h"
#include "sim/PerformanceBoards.h"

namespace {

using sim::PhysicalGpuHandle;
using simtest::ActiveDriver;

// One entry called with a zeroed structure of its largest version, or with a null structure.
struct EntryCall {
  const char* name;
  std::function<NvStatus(ActiveDriver&, NvPhysicalGpuHandle, bool null)> call;
};

void PrintTo(const EntryCall& c, std::ostream* out) {
  *out << c.name;
}

template <class Fn, class Structure>
EntryCall Versioned(const char* name, uint32_t id, uint32_t version) {
  return {name, [id, version](ActiveDriver& d, NvPhysicalGpuHandle gpu, bool null) {
            Structure structure{};
            structure.version = version;
            return d.Get<Fn>(id)(gpu, null ? nullptr : &structure);
          }};
}

template <class Fn, class Structure>
EntryCall Selected(const char* name, uint32_t id, uint32_t version, uint32_t selector) {
  return {name, [id, version, selector](ActiveDriver& d, NvPhysicalGpuHandle gpu, bool null) {
            Structure structure{};
            structure.version = version;
            return d.Get<Fn>(id)(gpu, selector, null ? nullptr : &structure);
          }};
}

std::vector<EntryCall> AreaEntries() {
  return {
      Selected<nvfn::GpuGetThermalSettings, NvThermalSettings>(
          "ThermalSettings", kIdGpuGetThermalSettings, kNvThermalSettingsVer2, 15),
      Selected<nvfn::GpuGetCoolerSettings, NvCoolerSettings>(
          "CoolerSettings", kIdGpuGetCoolerSettings, kNvCoolerSettingsVer4, 7),
      Versioned<nvfn::GpuGetAllClockFrequencies, NvClockFrequencies>(
          "ClockFrequencies", kIdGpuGetAllClockFrequencies, kNvClockFrequenciesVer3),
      Versioned<nvfn::GpuClientFanCoolersGetStatus, NvFanCoolerStatus>(
          "FanCoolersGetStatus", kIdGpuClientFanCoolersGetStatus, kNvFanCoolerStatusVer1),
      Versioned<nvfn::GpuGetPstates20, NvPstates20Info>("GetPstates20", kIdGpuGetPstates20,
                                                        kNvPstates20Ver3),
      Versioned<nvfn::GpuSetPstates20, NvPstates20Info>("SetPstates20", kIdGpuSetPstates20,
                                                        kNvPstates20Ver3),
      {"GetCurrentPstate",
       [](ActiveDriver& d, NvPhysicalGpuHandle gpu, bool null) {
         uint32_t pstate = 0;
         return d.Get<nvfn::GpuGetCurrentPstate>(kIdGpuGetCurrentPstate)(gpu,
                                                                         null ? nullptr : &pstate);
       }},
      Versioned<nvfn::GpuClockClientClkDomainsGetInfo, NvClockDomainsInfo>(
          "ClkDomainsGetInfo", kIdGpuClockClientClkDomainsGetInfo, kNvClockDomainsInfoVer1),
      Versioned<nvfn::GpuClockClientClkVfPointsGetInfo, NvVfPointsInfo>(
          "VfPointsGetInfo", kIdGpuClockClientClkVfPointsGetInfo, kNvVfPointsInfoVer1),
      Versioned<nvfn::GpuClockClientClkVfPointsGetControl, NvVfPointsControl>(
          "VfPointsGetControl", kIdGpuClockClientClkVfPointsGetControl, kNvVfPointsControlVer1),
      Versioned<nvfn::GpuClientPowerPoliciesGetInfo, NvPowerPoliciesInfo>(
          "PowerGetInfo", kIdGpuClientPowerPoliciesGetInfo, kNvPowerPoliciesInfoVer2),
      Versioned<nvfn::GpuClientPowerPoliciesGetStatus, NvPowerPoliciesStatus>(
          "PowerGetStatus", kIdGpuClientPowerPoliciesGetStatus, kNvPowerPoliciesStatusVer2),
      Versioned<nvfn::GpuClientPowerPoliciesSetStatus, NvPowerPoliciesStatus>(
          "PowerSetStatus", kIdGpuClientPowerPoliciesSetStatus, kNvPowerPoliciesStatusVer2),
      Versioned<nvfn::GpuClientThermalPoliciesGetInfo, NvThermalPoliciesInfo>(
          "ThermalGetInfo", kIdGpuClientThermalPoliciesGetInfo, kNvThermalPoliciesInfoVer3),
      Versioned<nvfn::GpuClientThermalPoliciesGetStatus, NvThermalPoliciesStatus>(
          "ThermalGetStatus", kIdGpuClientThermalPoliciesGetStatus, kNvThermalPoliciesStatusVer3),
      Versioned<nvfn::GpuClientThermalPoliciesSetStatus, NvThermalPoliciesStatus>(
          "ThermalSetStatus", kIdGpuClientThermalPoliciesSetStatus, kNvThermalPoliciesStatusVer3),
      Selected<nvfn::GpuSetCoolerLevels, NvCoolerLevels>("SetCoolerLevels", kIdGpuSetCoolerLevels,
                                                         kNvCoolerLevelsVer1, 7),
      Versioned<nvfn::GpuClientFanCoolersSetControl, NvFanCoolerControl>(
          "FanCoolersSetControl", kIdGpuClientFanCoolersSetControl, kNvFanCoolerControlVer1),
  };
}

class AreaEntry : public testing::TestWithParam<EntryCall> {};

TEST_P(AreaEntry, AdmitsOnlyInitialisedCallsWithAStructureAndAKnownGpu) {
  {
    ActiveDriver uninitialised(sim::DemoScenario(), false);
    EXPECT_EQ(GetParam().call(uninitialised, PhysicalGpuHandle(0), false), kNvApiNotInitialized);
  }
  ActiveDriver driver;
  EXPECT_EQ(GetParam().call(driver, PhysicalGpuHandle(0), false), kNvOk);
  EXPECT_EQ(GetParam().call(driver, PhysicalGpuHandle(0), true), kNvInvalidArgument);
  EXPECT_EQ(GetParam().call(driver, PhysicalGpuHandle(1), false), kNvExpectedPhysicalGpuHandle);
  EXPECT_EQ(GetParam().call(driver, sim::PhantomGpuHandle(0), false), kNvExpectedPhysicalGpuHandle);
}

INSTANTIATE_TEST_SUITE_P(Entries, AreaEntry, testing::ValuesIn(AreaEntries()),
                         [](const testing::TestParamInfo<EntryCall>& info) {
                           return std::string(info.param.name);
                         });

TEST(AreaEntries, BoardWithoutAnInterfaceAnswersNotSupported) {
  sim::GpuModel gpu;  // no P-states, VF points, policies or fan coolers
  gpu.deviceId = 0x1234;
  sim::Scenario scenario;
  scenario.gpus = {gpu};
  ActiveDriver driver(scenario);
  for (const EntryCall& entry : AreaEntries()) {
    const std::string name = entry.name;
    const bool always = name == "ThermalSettings" || name == "CoolerSettings" ||
                        name == "ClockFrequencies" || name == "SetCoolerLevels";
    EXPECT_EQ(entry.call(driver, PhysicalGpuHandle(0), false), always ? kNvOk : kNvNotSupported)
        << name;
  }
}

// Fills a buffer with a marker, answers one cooler-settings version into it and reports how
// many bytes changed past the size that version declares.
size_t BytesWrittenPast(ActiveDriver& driver, uint32_t version, NvCoolerSettings& settings) {
  std::memset(static_cast<void*>(&settings), 0xCD, sizeof settings);
  settings.version = version;
  EXPECT_EQ(driver.Get<nvfn::GpuGetCoolerSettings>(kIdGpuGetCoolerSettings)(PhysicalGpuHandle(0), 7,
                                                                            &settings),
            kNvOk);
  const auto* bytes = reinterpret_cast<const uint8_t*>(&settings);
  size_t changed = 0;
  for (size_t i = version & 0xFFFFu; i < sizeof settings; ++i) changed += bytes[i] != 0xCD;
  return changed;
}

TEST(CoolerSettingsLayouts, EachVersionKeepsToItsOwnSizeAndEntryStride) {
  sim::Scenario scenario = sim::DemoScenario();
  scenario.gpus[0].coolers.coolers = 2;
  scenario.gpus[0].coolers.minLevel = 25;
  ActiveDriver driver(scenario);
  for (uint32_t version : {kNvCoolerSettingsVer4, kNvCoolerSettingsVer2, kNvCoolerSettingsVer1,
                           kNvCoolerSettingsShortVer1}) {
    NvCoolerSettings settings;
    EXPECT_EQ(BytesWrittenPast(driver, version, settings), 0u) << std::hex << version;
    EXPECT_EQ(settings.count, 2u);
    EXPECT_EQ(settings.cooler[0].defaultMinLevel, 25u);
    // Cooler 1 begins 68 bytes after cooler 0 in the largest layout, 48 in the others.
    const size_t stride = version == kNvCoolerSettingsVer4 ? 68 : 48;
    uint32_t secondMin = 0;
    std::memcpy(&secondMin, reinterpret_cast<const uint8_t*>(&settings) + 16 + stride, 4);
    EXPECT_EQ(secondMin, 25u) << std::hex << version;
  }
}

TEST(PstatesLayouts, VersionOneAnswerEndsBeforeTheOverVoltageSection) {
  sim::Scenario scenario = sim::DemoScenario();
  sim::SetPstatesPerformance(scenario.gpus[0]);
  ActiveDriver driver(scenario);
  NvPstates20Info info;
  std::memset(static_cast<void*>(&info), 0xCD, sizeof info);
  info.version = kNvPstates20Ver1;
  ASSERT_EQ(driver.Get<nvfn::GpuGetPstates20>(kIdGpuGetPstates20)(PhysicalGpuHandle(0), &info),
            kNvOk);
  EXPECT_EQ(info.numPstates, 3u);
  EXPECT_EQ(info.ov.numVoltages, 0xCDCDCDCDu);
  info.version = kNvPstates20Ver2;
  ASSERT_EQ(driver.Get<nvfn::GpuGetPstates20>(kIdGpuGetPstates20)(PhysicalGpuHandle(0), &info),
            kNvOk);
  EXPECT_EQ(info.ov.numVoltages, 1u);
}

TEST(PstatesWrites, ARefusedEntryChangesNothing) {
  sim::Scenario scenario = sim::DemoScenario();
  sim::SetPstatesPerformance(scenario.gpus[0]);
  ActiveDriver driver(scenario);
  auto set = driver.Get<nvfn::GpuSetPstates20>(kIdGpuSetPstates20);
  NvPstates20Info request{};
  request.version = kNvPstates20Ver1;
  request.numPstates = 1;
  request.numClocks = 2;
  request.pstates[0].clocks[0] = NvPstateClock{0, 0, 0, {100000, 0, 0}, {}};
  request.pstates[0].clocks[1] = NvPstateClock{4, 0, 0, {2000000, 0, 0}, {}};  // above 1 GHz
  EXPECT_EQ(set(PhysicalGpuHandle(0), &request), kNvInvalidArgument);
  request.numClocks = 9;
  EXPECT_EQ(set(PhysicalGpuHandle(0), &request), kNvInvalidArgument);
  NvPstates20Info read{};
  read.version = kNvPstates20Ver3;
  ASSERT_EQ(driver.Get<nvfn::GpuGetPstates20>(kIdGpuGetPstates20)(PhysicalGpuHandle(0), &read),
            kNvOk);
  EXPECT_EQ(read.pstates[0].clocks[0].freqDeltaKHz.value, 0);
}

// n thermal readings of GPU 0; the last temperature.
int32_t ReadTemperatures(ActiveDriver& driver, int n) {
  NvThermalSettings settings{};
  for (int i = 0; i < n; ++i) {
    settings.version = kNvThermalSettingsVer2;
    EXPECT_EQ(driver.Get<nvfn::GpuGetThermalSettings>(kIdGpuGetThermalSettings)(
                  PhysicalGpuHandle(0), 15, &settings),
              kNvOk);
  }
  return settings.sensor[0].currentTemp;
}

void SetAllFans(ActiveDriver& driver, uint32_t level) {
  NvCoolerLevels levels{};
  levels.version = kNvCoolerLevelsVer1;
  levels.cooler[0] = {level, kNvCoolerPolicyManual};
  ASSERT_EQ(
      driver.Get<nvfn::GpuSetCoolerLevels>(kIdGpuSetCoolerLevels)(PhysicalGpuHandle(0), 7, &levels),
      kNvOk);
}

TEST(LiveModel, TemperatureFollowsLoadAndFanLevel) {
  sim::Scenario scenario = sim::DemoScenario();
  scenario.gpus[0].sensors.loadPattern = {100};
  // Entries reach the innermost active driver, so each board runs in a scope of its own.
  const auto settled = [&scenario](uint32_t fanLevel) {
    ActiveDriver driver(scenario);
    SetAllFans(driver, fanLevel);
    return ReadTemperatures(driver, 40);
  };
  const int32_t start = scenario.gpus[0].sensors.startC;
  const int32_t slow = settled(30);
  const int32_t fast = settled(100);
  EXPECT_GT(fast, start);
  EXPECT_GT(slow, fast + 10);
  // Idle again: back towards ambient.
  scenario.gpus[0].sensors.loadPattern = {0};
  ActiveDriver idle(scenario);
  EXPECT_EQ(ReadTemperatures(idle, 60), scenario.gpus[0].sensors.ambientC);
}

TEST(LiveModel, CurrentClocksFollowLoadAndOffset) {
  sim::Scenario scenario = sim::DemoScenario();
  scenario.gpus[0].sensors.loadPattern = {100};
  ActiveDriver driver(scenario);
  auto clocks = [&driver] {
    NvClockFrequencies frequencies{};
    frequencies.version = kNvClockFrequenciesVer3;
    EXPECT_EQ(driver.Get<nvfn::GpuGetAllClockFrequencies>(kIdGpuGetAllClockFrequencies)(
                  PhysicalGpuHandle(0), &frequencies),
              kNvOk);
    return frequencies.domain[0].frequencyKHz;
  };
  EXPECT_EQ(clocks(), 210000u);  // no reading yet: idle
  ReadTemperatures(driver, 1);
  EXPECT_EQ(clocks(), 2520000u);  // full load: boost
  NvPstates20Info request{};
  request.version = kNvPstates20Ver1;
  request.numPstates = 1;
  request.numClocks = 1;
  request.pstates[0].clocks[0] = NvPstateClock{0, 0, 0, {100000, 0, 0}, {}};
  ASSERT_EQ(driver.Get<nvfn::GpuSetPstates20>(kIdGpuSetPstates20)(PhysicalGpuHandle(0), &request),
            kNvOk);
  EXPECT_EQ(clocks(), 2620000u);
}

}  // namespace

namespace {

TEST(LiveModel, PoliciesAddedBetweenCallsStartAtTheirModelLimits) {
  ActiveDriver driver;
  auto status = [&driver] {
    NvPowerPoliciesStatus reply{};
    reply.version = kNvPowerPoliciesStatusVer2;
    EXPECT_EQ(driver.Get<nvfn::GpuClientPowerPoliciesGetStatus>(kIdGpuClientPowerPoliciesGetStatus)(
                  PhysicalGpuHandle(0), &reply),
              kNvOk);
    return reply;
  };
  EXPECT_EQ(status().count, 1u);
  sim::PowerPolicyModel added = driver.simulator.scenario().gpus[0].policies.power[0];
  added.id = 7;
  added.limitPcm = 90000;
  driver.simulator.scenario().gpus[0].policies.power.push_back(added);
  const NvPowerPoliciesStatus reply = status();
  EXPECT_EQ(reply.count, 2u);
  EXPECT_EQ(reply.entries[1].policyId, 7u);
  EXPECT_EQ(reply.entries[1].limit, 90000u);
}

}  // namespace
