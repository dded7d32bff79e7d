// The once-per-second status report: temperature and board power to each GPU whose slot is
// enabled, as a 10-byte packet without a register byte.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "TraceQueries.h"
#include "lighting/LedReportSlot.h"

namespace {

sim::GpuModel ReportingBoard(const char* vbios = "94.02.26.48.d6", uint32_t power = 50000) {
  sim::GpuModel gpu = Board(0x1E81, false, vbios);
  gpu.sensors.ambientC = 65;
  gpu.sensors.startC = 65;
  gpu.sensors.loadRiseC = 0;
  gpu.sensors.fanCoolingC = 0;
  gpu.lighting.controller.kind = sim::LedControllerKind::kFrames;
  gpu.powerTopology.present = true;
  gpu.powerTopology.power = power;
  return gpu;
}

// The trace's text for the table's handle of GPU `index`.
std::string HandleOf(const GpuTable& table, int index) {
  char text[32];
  std::snprintf(text, sizeof text, "handle=0x%08X", table.physicalHandles[index]);
  return text;
}

struct Reports {
  explicit Reports(std::vector<sim::GpuModel> gpus) : driver(ScenarioOf(std::move(gpus))) {
    for (uint32_t i = 0; i < driver.table.gpuCount && i < kLedReportSlotCount; ++i) {
      CheckReportVbios(driver.table, static_cast<int>(i), slots[i], enabled);
    }
    driver.simulator().ClearTrace();
  }
  EnumeratedDriver driver;
  LedReportSlot slots[kLedReportSlotCount];
  int32_t enabled = 0;
};

TEST(LedStatusReport, SendsTemperatureAndPowerOfA320WattBoard) {
  Reports f({ReportingBoard()});
  ASSERT_EQ(f.enabled, 1);
  SendDueStatusReports(f.driver.table, f.slots);
  EXPECT_EQ(f.slots[0].temperatureC, 65);
  EXPECT_EQ(f.slots[0].powerW, 160);
  EXPECT_EQ(CallsOf(f.driver.simulator(), kIdGpuClientPowerTopologyGetStatus).back().version,
            0x10048u);
  const std::string write = LastArgs(f.driver.simulator(), kIdI2cWrite);
  EXPECT_NE(write.find("handle=0x00001000 addr=0x92 reg=0x00 regsize=0 size=10"), std::string::npos)
      << write;
  EXPECT_NE(write.find("data=A1 41 00 A0 64 64 00 00 02 4A"), std::string::npos) << write;
  const sim::LedControllerState& controller =
      f.driver.driver.simulator.state().lighting.controllers.at(0);
  EXPECT_EQ(controller.reports, 1u);
  EXPECT_EQ(controller.reportPowerW, 160);
}

TEST(LedStatusReport, AFailedPowerReadingReportsZeroWatts) {
  Reports f({ReportingBoard("94.02.42.00.02")});
  f.driver.Interface(kIdGpuClientPowerTopologyGetStatus).forcedStatus = kNvError;
  SendStatusReport(f.driver.table, 0, f.slots[0]);
  EXPECT_EQ(f.slots[0].boardPowerW, 350);
  EXPECT_EQ(f.slots[0].powerW, 0);
  EXPECT_NE(LastArgs(f.driver.simulator(), kIdI2cWrite).find("data=A1 41 00 00 64 64 00 00 01 AA"),
            std::string::npos);
}

TEST(LedStatusReport, GoesOnlyToEnabledSlotsWithinTheTable) {
  // One version differs from a listed one only in letter case: no report for that board.
  Reports f({ReportingBoard(), ReportingBoard("94.02.26.48.D6"), ReportingBoard("94.02.42.00.02")});
  std::vector<int> expected;
  for (int i = 0; i < 3; ++i) {
    if (f.slots[i].enabled != 0) expected.push_back(i);
  }
  ASSERT_EQ(expected.size(), 2u);
  SendDueStatusReports(f.driver.table, f.slots);
  const std::vector<sim::TraceEntry> writes = CallsOf(f.driver.simulator(), kIdI2cWrite);
  ASSERT_EQ(writes.size(), 2u);
  for (size_t w = 0; w < writes.size(); ++w) {
    EXPECT_EQ(writes[w].args.rfind(HandleOf(f.driver.table, expected[w]), 0), 0u);
    const LedReportSlot& slot = f.slots[expected[w]];
    EXPECT_EQ(slot.powerW, slot.boardPowerW / 2);
  }

  // A slot enabled beyond the table's GPUs sends nothing.
  f.slots[5].enabled = 1;
  f.driver.simulator().ClearTrace();
  SendDueStatusReports(f.driver.table, f.slots);
  EXPECT_EQ(f.driver.simulator().CountCalls(kIdI2cWrite), 2u);
}

TEST(LedStatusReport, CoversAtMostTenGpus) {
  Reports f(std::vector<sim::GpuModel>(12, ReportingBoard()));
  ASSERT_EQ(f.driver.table.gpuCount, 12u);
  SendDueStatusReports(f.driver.table, f.slots);
  const std::vector<sim::TraceEntry> writes = CallsOf(f.driver.simulator(), kIdI2cWrite);
  ASSERT_EQ(writes.size(), 10u);
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(writes[i].args.rfind(HandleOf(f.driver.table, i), 0), 0u);
  }
}

}  // namespace
