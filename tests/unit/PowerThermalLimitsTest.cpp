// Power and temperature limits and the thermal priority bit against the simulated driver: unit
// conversions, the last-entry rules, what is sent, and replies that claim more than they hold.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "TraceQueries.h"
#include "gpu/PowerThermalLimits.h"
#include "sim/PerformanceBoards.h"

namespace {

sim::Scenario LimitsBoard(void (*adjust)(sim::GpuModel&) = nullptr) {
  sim::GpuModel gpu = Board(0x2684);
  sim::SetVfFanCoolerPerformance(gpu);  // power 11..133 %, temperature 65..90 °C, default 84
  if (adjust != nullptr) adjust(gpu);
  return ScenarioOf({gpu});
}

sim::ThermalPolicyModel Thermal(int32_t controller, int32_t minRaw, int32_t defaultRaw,
                                int32_t maxRaw, int32_t limitRaw) {
  sim::ThermalPolicyModel policy;
  policy.controller = controller;
  policy.minRaw = minRaw;
  policy.defaultRaw = defaultRaw;
  policy.maxRaw = maxRaw;
  policy.limitRaw = limitRaw;
  return policy;
}

struct Conversion {
  int32_t raw;
  int32_t celsius;
};

TEST(TemperatureUnits, RawToCelsiusTruncatesTowardZero) {
  for (const Conversion c : {Conversion{21855, 85}, Conversion{21248, 83}, Conversion{255, 0},
                             Conversion{-21855, -85}, Conversion{0, 0}}) {
    EXPECT_EQ(TemperatureFromRaw(c.raw), c.celsius) << c.raw;
  }
}

TEST(TemperatureUnits, CelsiusToRawSaturatesOutsideTheDriverRange) {
  for (const Conversion c : {Conversion{21248, 83}, Conversion{-256, -1}, Conversion{0, 0},
                             Conversion{std::numeric_limits<int32_t>::max(), 8388608},
                             Conversion{std::numeric_limits<int32_t>::min(), -8388609}}) {
    EXPECT_EQ(TemperatureToRaw(c.celsius), c.raw) << c.celsius;
  }
}

TEST(PowerLimits, ReadAndWriteThroughTheCurrentGpu) {
  EnumeratedDriver d(LimitsBoard());
  d.table.status = 5;
  OcInfo info;
  ASSERT_EQ(ReadPowerLimits(d.table, info), 0);
  EXPECT_EQ(info.powerLimitMinPcm, 11000u);
  EXPECT_EQ(info.powerLimitDefaultPcm, 100000u);  // shown as 100 %
  EXPECT_EQ(info.powerLimitMaxPcm, 133000u);
  EXPECT_EQ(info.powerLimitPcm, 100000u);
  EXPECT_EQ(VersionsOf(d.simulator(), kIdGpuClientPowerPoliciesGetInfo),
            std::vector<uint32_t>{0x208C8});
  EXPECT_EQ(VersionsOf(d.simulator(), kIdGpuClientPowerPoliciesGetStatus),
            std::vector<uint32_t>{0x20558});

  info.powerLimitPcm = 110000;  // 110 %
  ASSERT_EQ(WritePowerLimit(-1, d.table, info), 0);
  EXPECT_EQ(LastArgs(d.simulator(), kIdGpuClientPowerPoliciesSetStatus),
            "handle=0x00001000 count=1 id=0 flags=0x00000000 limit=110000");
  EXPECT_EQ(VersionsOf(d.simulator(), kIdGpuClientPowerPoliciesSetStatus),
            std::vector<uint32_t>{0x20558});
  OcInfo back;
  ASSERT_EQ(ReadPowerLimits(d.table, back), 0);
  EXPECT_EQ(back.powerLimitPcm, 110000u);
  EXPECT_EQ(d.table.status, 5);  // none of these touches the status
}

TEST(PowerLimits, BoundsAndLimitComeFromTheLastEntry) {
  EnumeratedDriver d(LimitsBoard([](sim::GpuModel& g) {
    sim::PowerPolicyModel second = g.policies.power[0];
    second.id = 1;
    second.minPcm = 20000;
    second.defaultPcm = 90000;
    second.maxPcm = 120000;
    second.limitPcm = 95000;
    g.policies.power.push_back(second);
  }));
  OcInfo info;
  ASSERT_EQ(ReadPowerLimits(d.table, info), 0);
  EXPECT_EQ(info.powerLimitMinPcm, 20000u);
  EXPECT_EQ(info.powerLimitDefaultPcm, 90000u);
  EXPECT_EQ(info.powerLimitMaxPcm, 120000u);
  EXPECT_EQ(info.powerLimitPcm, 95000u);
  EXPECT_NE(LastArgs(d.simulator(), kIdGpuClientPowerPoliciesGetStatus).find("count=2"),
            std::string::npos);
}

TEST(PowerLimits, FailuresLeaveWhatWasNotRead) {
  {
    EnumeratedDriver d(LimitsBoard([](sim::GpuModel& g) { g.policies.powerValid = false; }));
    OcInfo info;
    info.powerLimitMaxPcm = 3;
    EXPECT_EQ(ReadPowerLimits(d.table, info), 1);
    EXPECT_EQ(WritePowerLimit(-1, d.table, info), 1);
    EXPECT_EQ(info.powerLimitMaxPcm, 3u);
    EXPECT_EQ(CallsOf(d.simulator(), kIdGpuClientPowerPoliciesGetStatus).size(), 0u);
    EXPECT_EQ(CallsOf(d.simulator(), kIdGpuClientPowerPoliciesSetStatus).size(), 0u);
  }
  {
    // The status query failing after a good info query keeps the new bounds.
    EnumeratedDriver d(LimitsBoard());
    d.Interface(kIdGpuClientPowerPoliciesGetStatus).forcedStatus = kNvError;
    OcInfo info;
    info.powerLimitPcm = 3;
    EXPECT_EQ(ReadPowerLimits(d.table, info), 1);
    EXPECT_EQ(info.powerLimitMaxPcm, 133000u);
    EXPECT_EQ(info.powerLimitPcm, 3u);
  }
  {
    EnumeratedDriver d(LimitsBoard());
    OcInfo info;
    info.powerLimitPcm = 140000;  // above the maximum: the driver refuses it
    EXPECT_EQ(WritePowerLimit(0, d.table, info), 1);
  }
}

TEST(PowerLimits, CountsPastTheEntriesAreNoReading) {
  for (uint32_t lying : {kIdGpuClientPowerPoliciesGetInfo, kIdGpuClientPowerPoliciesGetStatus}) {
    sim::Scenario scenario = LimitsBoard();
    scenario.interfaces[lying].reportedCount = 255;
    EnumeratedDriver d(std::move(scenario));
    OcInfo info;
    info.powerLimitPcm = 3;
    EXPECT_EQ(ReadPowerLimits(d.table, info), 1) << std::hex << lying;
    EXPECT_EQ(info.powerLimitPcm, 3u) << std::hex << lying;
  }
}

TEST(ThermalLimits, ReadWriteAndPriority) {
  EnumeratedDriver d(LimitsBoard());
  OcInfo info;
  ASSERT_EQ(ReadThermalLimits(d.table, info), 0);
  EXPECT_EQ(info.tempLimitMinC, 65);
  EXPECT_EQ(info.tempLimitDefaultC, 84);
  EXPECT_EQ(info.tempLimitMaxC, 90);
  EXPECT_EQ(info.tempLimitC, 84);
  EXPECT_EQ(VersionsOf(d.simulator(), kIdGpuClientThermalPoliciesGetInfo),
            std::vector<uint32_t>{0x30578});

  info.tempLimitC = 83;
  ASSERT_EQ(WriteThermalLimit(-1, d.table, info), 0);
  EXPECT_EQ(LastArgs(d.simulator(), kIdGpuClientThermalPoliciesSetStatus),
            "handle=0x00001000 count=1 controller=1 limit=21248 flags=0x00000000");
  EXPECT_EQ(VersionsOf(d.simulator(), kIdGpuClientThermalPoliciesSetStatus),
            std::vector<uint32_t>{0x30548});

  ASSERT_EQ(WriteThermalPriority(-1, d.table, 1), 0);
  EXPECT_EQ(LastArgs(d.simulator(), kIdGpuClientThermalPoliciesSetStatus),
            "handle=0x00001000 count=1 controller=1 limit=21248 flags=0x00000001");
  ASSERT_EQ(WriteThermalPriority(-1, d.table, 0), 0);
  EXPECT_EQ(LastArgs(d.simulator(), kIdGpuClientThermalPoliciesSetStatus),
            "handle=0x00001000 count=1 controller=1 limit=21248 flags=0x00000000");

  OcInfo back;
  ASSERT_EQ(ReadThermalLimits(d.table, back), 0);
  EXPECT_EQ(back.tempLimitC, 83);
}

TEST(ThermalLimits, TemperatureRawValuesReadTruncated) {
  EnumeratedDriver d(LimitsBoard(
      [](sim::GpuModel& g) { g.policies.thermal = {Thermal(1, 16639, 21855, 23295, 21855)}; }));
  OcInfo info;
  ASSERT_EQ(ReadThermalLimits(d.table, info), 0);
  EXPECT_EQ(info.tempLimitMinC, 64);
  EXPECT_EQ(info.tempLimitDefaultC, 85);
  EXPECT_EQ(info.tempLimitMaxC, 90);
  EXPECT_EQ(info.tempLimitC, 85);
}

TEST(ThermalLimits, OnlyControllerOneCountsAndALaterEntryWins) {
  EnumeratedDriver d(LimitsBoard([](sim::GpuModel& g) {
    g.policies.thermal = {Thermal(1, 60 * 256, 80 * 256, 88 * 256, 80 * 256),
                          Thermal(2, 10 * 256, 20 * 256, 30 * 256, 25 * 256),
                          Thermal(1, 61 * 256, 81 * 256, 89 * 256, 82 * 256)};
  }));
  OcInfo info;
  ASSERT_EQ(ReadThermalLimits(d.table, info), 0);
  EXPECT_EQ(info.tempLimitMinC, 61);
  EXPECT_EQ(info.tempLimitDefaultC, 81);
  EXPECT_EQ(info.tempLimitMaxC, 89);
  EXPECT_EQ(info.tempLimitC, 82);
  EXPECT_NE(LastArgs(d.simulator(), kIdGpuClientThermalPoliciesGetStatus).find("count=3"),
            std::string::npos);
}

TEST(ThermalLimits, WithoutControllerOneWritersFailAndTheReaderChangesNothing) {
  EnumeratedDriver d(LimitsBoard([](sim::GpuModel& g) {
    g.policies.thermal = {Thermal(2, 10 * 256, 20 * 256, 30 * 256, 25 * 256)};
  }));
  OcInfo info;
  info.tempLimitC = info.tempLimitMinC = info.tempLimitMaxC = info.tempLimitDefaultC = 3;
  EXPECT_EQ(ReadThermalLimits(d.table, info), 0);
  EXPECT_EQ(info.tempLimitC, 3);
  EXPECT_EQ(info.tempLimitMinC, 3);
  EXPECT_EQ(info.tempLimitMaxC, 3);
  EXPECT_EQ(info.tempLimitDefaultC, 3);
  d.simulator().ClearTrace();
  EXPECT_EQ(WriteThermalLimit(-1, d.table, info), 1);
  EXPECT_EQ(WriteThermalPriority(-1, d.table, 1), 1);
  EXPECT_EQ(CallsOf(d.simulator(), kIdGpuClientThermalPoliciesGetStatus).size(), 0u);
  EXPECT_EQ(CallsOf(d.simulator(), kIdGpuClientThermalPoliciesSetStatus).size(), 0u);
}

TEST(ThermalLimits, PriorityFlagTwoIsRefusedAfterOnlyTheInfoQuery) {
  EnumeratedDriver d(LimitsBoard());
  EXPECT_EQ(WriteThermalPriority(-1, d.table, 2), 1);
  ASSERT_EQ(d.simulator().Trace().size(), 1u);
  EXPECT_EQ(d.simulator().Trace()[0].id, kIdGpuClientThermalPoliciesGetInfo);
}

TEST(ThermalLimits, FailedStatusQueryKeepsTheOldLimitAndReportsSuccess) {
  EnumeratedDriver d(LimitsBoard());
  d.Interface(kIdGpuClientThermalPoliciesGetStatus).forcedStatus = kNvError;
  OcInfo info;
  info.tempLimitC = 70;
  EXPECT_EQ(ReadThermalLimits(d.table, info), 0);
  EXPECT_EQ(info.tempLimitMaxC, 90);
  EXPECT_EQ(info.tempLimitC, 70);
  EXPECT_EQ(WriteThermalPriority(-1, d.table, 1), 1);
  EXPECT_EQ(CallsOf(d.simulator(), kIdGpuClientThermalPoliciesSetStatus).size(), 0u);
}

TEST(ThermalLimits, InvalidOrOverlongInfoIsAFailedRead) {
  struct Case {
    const char* name;
    void (*adjust)(sim::Scenario&);
  };
  for (const Case c :
       {Case{"Invalid", [](sim::Scenario& s) { s.gpus[0].policies.thermalValid = false; }},
        Case{"Count255",
             [](sim::Scenario& s) {
               s.interfaces[kIdGpuClientThermalPoliciesGetInfo].reportedCount = 255;
             }},
        Case{"Failed", [](sim::Scenario& s) {
               s.interfaces[kIdGpuClientThermalPoliciesGetInfo].forcedStatus = kNvError;
             }}}) {
    sim::Scenario scenario = LimitsBoard();
    c.adjust(scenario);
    EnumeratedDriver d(std::move(scenario));
    OcInfo info;
    info.tempLimitMaxC = 3;
    EXPECT_EQ(ReadThermalLimits(d.table, info), 1) << c.name;
    EXPECT_EQ(WriteThermalLimit(-1, d.table, info), 1) << c.name;
    EXPECT_EQ(WriteThermalPriority(-1, d.table, 0), 1) << c.name;
    EXPECT_EQ(info.tempLimitMaxC, 3) << c.name;
  }
}

TEST(ThermalLimits, StatusCountPastTheEntriesLeavesTheLimit) {
  sim::Scenario scenario = LimitsBoard();
  scenario.interfaces[kIdGpuClientThermalPoliciesGetStatus].reportedCount = 200;
  EnumeratedDriver d(std::move(scenario));
  OcInfo info;
  info.tempLimitC = 70;
  EXPECT_EQ(ReadThermalLimits(d.table, info), 0);
  EXPECT_EQ(info.tempLimitMaxC, 90);
  EXPECT_EQ(info.tempLimitC, 70);
}

}  // namespace
