// Temperature, cooler settings, fan level and clock readings against the simulated driver.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TraceQueries.h"
#include "gpu/ClockOffsets.h"
#include "gpu/Coolers.h"
#include "gpu/PowerThermalLimits.h"
#include "gpu/Sensors.h"
#include "gpu/structs/SensorStructs.h"
#include "sim/PerformanceBoards.h"

namespace {

// A board whose temperature stays at `celsius`: no load, ambient at the start value.
sim::Scenario SteadyBoard(int32_t celsius = 47) {
  sim::GpuModel gpu = Board(0x2684);
  sim::SetVfFanCoolerPerformance(gpu);
  gpu.sensors.loadPattern = {0};
  gpu.sensors.ambientC = celsius;
  gpu.sensors.startC = celsius;
  return ScenarioOf({gpu});
}

TEST(ReadTemperature, ReadsVersionTwoFirstAndKeepsTheReading) {
  EnumeratedDriver d(SteadyBoard(47));
  int32_t temperature = -1;
  testing::internal::CaptureStdout();
  EXPECT_EQ(ReadTemperature(-1, d.table, temperature), 0);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(temperature, 47);
  EXPECT_EQ(d.table.lastTemperature, 47);
  EXPECT_EQ(VersionsOf(d.simulator(), kIdGpuGetThermalSettings), std::vector<uint32_t>{0x20044});
  EXPECT_NE(LastArgs(d.simulator(), kIdGpuGetThermalSettings).find("sensor=15"), std::string::npos);
}

TEST(ReadTemperature, DriverWithVersionOneOnlyIsServedByTheSecondAttempt) {
  EnumeratedDriver d(SteadyBoard(52));
  d.Interface(kIdGpuGetThermalSettings).acceptedVersions = {0x10044};
  int32_t temperature = -1;
  testing::internal::CaptureStdout();
  EXPECT_EQ(ReadTemperature(-1, d.table, temperature), 0);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "Get current state  Incompatible structure version\n");
  EXPECT_EQ(temperature, 52);
  EXPECT_EQ(d.table.lastTemperature, 52);
  EXPECT_EQ(d.table.status, kNvOk);
  EXPECT_EQ(VersionsOf(d.simulator(), kIdGpuGetThermalSettings),
            (std::vector<uint32_t>{0x20044, 0x10044}));
}

TEST(ReadTemperature, BothVersionsFailingLeaveZeroAndTheStatusText) {
  EnumeratedDriver d(SteadyBoard());
  d.Interface(kIdGpuGetThermalSettings).forcedStatus = kNvError;
  d.table.lastTemperature = 60;
  int32_t temperature = -1;
  testing::internal::CaptureStdout();
  EXPECT_EQ(ReadTemperature(-1, d.table, temperature), 1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "Get current state  Generic error\nGet current state  Generic error\n");
  EXPECT_EQ(temperature, 0);
  EXPECT_EQ(d.table.lastTemperature, 0);
  EXPECT_EQ(d.table.status, kNvError);
  EXPECT_STREQ(d.table.errorText, "Generic error");
}

TEST(ReadSensorTemperature, PrintsTheReadingAndKeepsItOnSuccess) {
  EnumeratedDriver d(SteadyBoard(7));
  int32_t temperature = -1;
  testing::internal::CaptureStdout();
  EXPECT_EQ(ReadSensorTemperature(0, d.table, temperature), 0);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "Temperature = 07 C\n");
  EXPECT_EQ(temperature, 7);
  EXPECT_EQ(d.table.lastTemperature, 7);
}

TEST(ReadSensorTemperature, FailureReadsZeroAndLeavesLastTemperature) {
  EnumeratedDriver d(SteadyBoard());
  d.Interface(kIdGpuGetThermalSettings).acceptedVersions = {0x10044};
  d.table.lastTemperature = 61;
  int32_t temperature = -1;
  testing::internal::CaptureStdout();
  EXPECT_EQ(ReadSensorTemperature(0, d.table, temperature), 1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "Temperature = 00 C\nGet temperature  Incompatible structure version\n");
  EXPECT_EQ(temperature, 0);
  EXPECT_EQ(d.table.lastTemperature, 61);
  EXPECT_EQ(CallsOf(d.simulator(), kIdGpuGetThermalSettings).size(), 1u);
}

TEST(ReadCoolerSettings, TriesTheLayoutsFromTheLargestDown) {
  EnumeratedDriver d(SteadyBoard());
  d.Interface(kIdGpuGetCoolerSettings).acceptedVersions = {0x10098};
  testing::internal::CaptureStdout();
  EXPECT_EQ(ReadCoolerSettings(-1, d.table, d.table.coolerSettings), 0);
  const std::string line = "Get current state  Incompatible structure version\n";
  EXPECT_EQ(testing::internal::GetCapturedStdout(), line + line + line);
  EXPECT_EQ(VersionsOf(d.simulator(), kIdGpuGetCoolerSettings),
            (std::vector<uint32_t>{0x40558, 0x203C8, 0x103C8, 0x10098}));
  EXPECT_NE(LastArgs(d.simulator(), kIdGpuGetCoolerSettings).find("cooler=7"), std::string::npos);
  const CoolerZero zero = CoolerZeroOf(d.table.coolerSettings);
  EXPECT_EQ(zero.defaultMinLevel, 30u);
  EXPECT_EQ(zero.defaultMaxLevel, 100u);
  EXPECT_EQ(zero.currentLevel, 40u);  // automatic level at 47 °C
}

TEST(ReadFanLevel, FollowsTheFansAndStoresTheLevel) {
  EnumeratedDriver d(SteadyBoard());
  EXPECT_EQ(ReadFanLevel(d.table), 40);
  EXPECT_EQ(d.table.fanLevel, 40);
}

TEST(ReadFanLevel, BoardWithoutCoolerSettingsGivesZeroAndTheFallbackEntry) {
  EnumeratedDriver d(SteadyBoard());
  d.Interface(kIdGpuGetCoolerSettings).forcedStatus = kNvNotSupported;
  d.table.fanLevel = 44;
  testing::internal::CaptureStdout();
  EXPECT_EQ(ReadFanLevel(d.table), 0);
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(d.table.fanLevel, 44);
  const CoolerZero zero = CoolerZeroOf(d.table.coolerSettings);
  EXPECT_EQ(zero.currentLevel, 0u);
  EXPECT_EQ(zero.defaultMinLevel, 0u);
  EXPECT_EQ(zero.defaultMaxLevel, 100u);
  EXPECT_EQ(CallsOf(d.simulator(), kIdGpuGetCoolerSettings).size(), 4u);
}

TEST(ReadCurrentClocks, FallsBackThroughTheVersionsWithoutStoringTheStatus) {
  EnumeratedDriver d(SteadyBoard());
  d.Interface(kIdGpuGetAllClockFrequencies).acceptedVersions = {0x10108};
  d.table.status = 1234;
  OcInfo info;
  info.graphicsBaseKHz = 77;
  EXPECT_EQ(ReadCurrentClocks(-1, d.table, info), 0);
  EXPECT_EQ(d.table.status, 1234);
  EXPECT_EQ(VersionsOf(d.simulator(), kIdGpuGetAllClockFrequencies),
            (std::vector<uint32_t>{0x30108, 0x20108, 0x10108}));
  // Idle: 210 MHz arrives as 210 000 kHz.
  EXPECT_EQ(info.graphicsFreqKHz, 210000u);
  EXPECT_EQ(info.memoryFreqKHz, 405000u);
  EXPECT_EQ(info.processorFreqKHz, 420000u);
  EXPECT_EQ(info.graphicsBaseKHz, 77u);
}

TEST(ReadCurrentClocks, EveryVersionFailingLeavesTheRecord) {
  EnumeratedDriver d(SteadyBoard());
  d.Interface(kIdGpuGetAllClockFrequencies).forcedStatus = kNvError;
  OcInfo info;
  info.graphicsFreqKHz = 5;
  EXPECT_EQ(ReadCurrentClocks(-1, d.table, info), 1);
  EXPECT_EQ(info.graphicsFreqKHz, 5u);
  EXPECT_EQ(CallsOf(d.simulator(), kIdGpuGetAllClockFrequencies).size(), 3u);
}

TEST(ReadBaseBoostClocks, ReadsBaseThenBoost) {
  EnumeratedDriver d(SteadyBoard());
  OcInfo info;
  EXPECT_EQ(ReadBaseBoostClocks(0, d.table, info), 0);
  EXPECT_EQ(info.graphicsBaseKHz, 2235000u);
  EXPECT_EQ(info.memoryBaseKHz, 10501000u);
  EXPECT_EQ(info.processorBaseKHz, 1980000u);
  EXPECT_EQ(info.graphicsBoostKHz, 2520000u);
  EXPECT_EQ(info.memoryBoostKHz, 10501000u);
  EXPECT_EQ(info.processorBoostKHz, 2340000u);
  const std::vector<sim::TraceEntry> calls = CallsOf(d.simulator(), kIdGpuGetAllClockFrequencies);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_NE(calls[0].args.find("type=1"), std::string::npos);
  EXPECT_NE(calls[1].args.find("type=2"), std::string::npos);
}

TEST(ReadBaseBoostClocks, BaseFailingAndBoostAnsweringIsSuccessWithZeroBase) {
  sim::Scenario scenario = SteadyBoard();
  scenario.gpus[0].sensors.answersBaseClocks = false;
  EnumeratedDriver d(std::move(scenario));
  OcInfo info;
  info.graphicsBaseKHz = 9;
  EXPECT_EQ(ReadBaseBoostClocks(0, d.table, info), 0);
  EXPECT_EQ(info.graphicsBaseKHz, 0u);
  EXPECT_EQ(info.memoryBaseKHz, 0u);
  EXPECT_EQ(info.graphicsBoostKHz, 2520000u);
  EXPECT_EQ(CallsOf(d.simulator(), kIdGpuGetAllClockFrequencies).size(), 4u);
}

TEST(ReadBaseBoostClocks, FailureZeroesTheSixFields) {
  EnumeratedDriver d(SteadyBoard());
  d.Interface(kIdGpuGetAllClockFrequencies).forcedStatus = kNvError;
  OcInfo info;
  info.graphicsBaseKHz = info.memoryBoostKHz = info.processorBoostKHz = 9;
  info.graphicsFreqKHz = 9;
  EXPECT_EQ(ReadBaseBoostClocks(0, d.table, info), 1);
  EXPECT_EQ(info.graphicsBaseKHz, 0u);
  EXPECT_EQ(info.memoryBoostKHz, 0u);
  EXPECT_EQ(info.processorBoostKHz, 0u);
  EXPECT_EQ(info.graphicsFreqKHz, 9u);
  EXPECT_EQ(CallsOf(d.simulator(), kIdGpuGetAllClockFrequencies).size(), 6u);
}

// Without a driver every entry answers "not implemented": each operation fails the way its own
// failure path says, and nothing is read from the untouched buffers.
TEST(NoDriver, EveryOperationOfTheseAreasFailsCleanly) {
  const NvApi none;
  GpuTable table(none);
  OcInfo info;
  info.graphicsOffsetKHz = 5;
  int32_t temperature = -1;
  testing::internal::CaptureStdout();
  EXPECT_EQ(ReadTemperature(-1, table, temperature), 1);
  EXPECT_EQ(ReadSensorTemperature(0, table, temperature), 1);
  EXPECT_EQ(ReadFanLevel(table), 0);
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(table.status, kNvNoImplementation);
  EXPECT_EQ(ReadCurrentClocks(-1, table, info), 1);
  EXPECT_EQ(ReadBaseBoostClocks(-1, table, info), 1);
  EXPECT_EQ(ReadPstateClocks(-1, table, info), 1);
  EXPECT_EQ(WriteClockOffsets(-1, table, info), 1);
  EXPECT_EQ(WriteOverVoltage(-1, table, info), 1);
  ReadVfRanges(table, info);
  ReadVfOffsets(table, info);
  EXPECT_EQ(info.graphicsOffsetKHz, 5);
  EXPECT_EQ(ReadPowerLimits(table, info), 1);
  EXPECT_EQ(WritePowerLimit(-1, table, info), 1);
  EXPECT_EQ(ReadThermalLimits(table, info), 1);
  EXPECT_EQ(WriteThermalLimit(-1, table, info), 1);
  EXPECT_EQ(WriteThermalPriority(-1, table, 1), 1);
  EXPECT_EQ(SetCoolerLevel(kNvCoolerPolicyManual, 50, -1, table), 1);
  EXPECT_FALSE(SetFanCoolerManual(-1, 1, 50, table));
  EXPECT_FALSE(SetFanCoolersAuto(-1, table));
  EXPECT_EQ(ReadFanCoolerLevel(table), 0);
  EXPECT_EQ(table.status, kNvNoImplementation);
  EXPECT_EQ(table.fanLevel, 0);
}

}  // namespace
