// Sending the overclock to the simulated driver: the per-GPU order of the writes for both board
// kinds, the all-GPU and current-GPU passes with their frame-rate selectors, the over-voltage
// clamp, the read-back, and Reset.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "OverclockFixture.h"
#include "gpu/ClockOffsets.h"
#include "gpu/FrameRateLimit.h"
#include "gpu/structs/DriverSettingsStructs.h"
#include "overclock/OcApply.h"
#include "overclock/OcCardReading.h"

namespace {

using overclock_test::PstatesGpu;
using overclock_test::VfFanCoolerGpu;
using overclock_test::VfGpu;

// A driver write and the GPU it named (-1 for the calls that address no GPU).
using Write = std::pair<uint32_t, int>;

const uint32_t kWrites[] = {kIdGpuSetPstates20,
                            kIdGpuClientPowerPoliciesSetStatus,
                            kIdGpuClientThermalPoliciesSetStatus,
                            kIdDispTryCustomDisplay,
                            kIdGpuClientVoltRailsSetControl,
                            kIdDrsSetSetting,
                            kIdGpuSetCoolerLevels,
                            kIdGpuClientFanCoolersSetControl};

// The simulator's model index of table slot `slot` (the enumeration reverses the driver's order).
int ModelOf(const GpuTable& table, int slot) {
  return static_cast<int>(table.physicalHandles[slot]) - 0x1000;
}

std::vector<Write> WritesOf(const sim::Simulator& simulator) {
  std::vector<Write> writes;
  for (const sim::TraceEntry& e : simulator.Trace()) {
    if (e.kind != sim::TraceKind::kCall) continue;
    for (uint32_t id : kWrites) {
      if (e.id == id) writes.emplace_back(e.id, e.gpuIndex);
    }
  }
  return writes;
}

struct ApplyBench {
  explicit ApplyBench(std::vector<sim::GpuModel> gpus, int32_t vf, int32_t fanCoolers)
      : driver(ScenarioOf(std::move(gpus))), board{driver.table, vf, fanCoolers, [](uint32_t) {}} {
    ReadCard(board, settings, flags);
    driver.simulator().ClearTrace();
  }
  EnumeratedDriver driver;
  OcBoard board;
  OcSettings settings = OcSettings::Initial();
  OcFlags flags;
};

std::vector<Write> PstatesGpuWrites(int g, bool overVolt, bool frame) {
  std::vector<Write> w = {{kIdGpuSetPstates20, g},
                          {kIdGpuClientPowerPoliciesSetStatus, g},
                          {kIdGpuClientThermalPoliciesSetStatus, g},
                          {kIdGpuClientThermalPoliciesSetStatus, g}};
  if (overVolt) w.emplace_back(kIdGpuSetPstates20, g);
  if (frame) w.emplace_back(kIdDrsSetSetting, -1);
  w.emplace_back(kIdGpuSetCoolerLevels, g);
  return w;
}

TEST(ApplyOverclock, PstatesBoardWritesEachGpuInOrderThenReadsBack) {
  ApplyBench b({PstatesGpu(), PstatesGpu()}, 0, 0);
  b.settings[OcRow::kCore].value = 120;
  b.settings[OcRow::kMem].value = -200;
  b.settings[OcRow::kOverVolt].value = 25;
  b.settings[OcRow::kPower].value = b.settings[OcRow::kPower].upper;
  b.flags.overVoltOn = 1;
  b.flags.frameLimitOn = 1;
  ApplyOverclock(b.board, b.settings, b.flags);

  const GpuTable& t = b.driver.table;
  std::vector<Write> expected = PstatesGpuWrites(ModelOf(t, 0), true, true);
  const std::vector<Write> second = PstatesGpuWrites(ModelOf(t, 1), true, true);
  expected.insert(expected.end(), second.begin(), second.end());
  EXPECT_EQ(WritesOf(b.driver.simulator()), expected);

  // What the card took comes back into the values.
  EXPECT_EQ(b.settings[OcRow::kCore].value, 120);
  EXPECT_EQ(b.settings[OcRow::kMem].value, -200);
  EXPECT_EQ(b.settings[OcRow::kOverVolt].value, 25);
  OcInfo gpu1;
  ASSERT_EQ(ReadPstateClocks(1, b.driver.table, gpu1), 0);
  EXPECT_EQ(gpu1.graphicsOffsetKHz, 120000);
  EXPECT_EQ(gpu1.overVoltageUv, 25000);
}

TEST(ApplyOverclock, SwitchedOffSettingsAndCurveModeSendNothingOfTheirOwn) {
  ApplyBench b({PstatesGpu()}, 0, 0);
  b.settings.fanMode = kFanModeCurve;
  ApplyOverclock(b.board, b.settings, b.flags);
  EXPECT_EQ(WritesOf(b.driver.simulator()),
            (std::vector<Write>{{kIdGpuSetPstates20, 0},
                                {kIdGpuClientPowerPoliciesSetStatus, 0},
                                {kIdGpuClientThermalPoliciesSetStatus, 0},
                                {kIdGpuClientThermalPoliciesSetStatus, 0}}));
}

TEST(ApplyOverclock, VfBoardsSendTheBoostAndDriveTheirKindOfFans) {
  struct Case {
    const char* name;
    sim::GpuModel gpu;
    int32_t fanCoolers;
    int32_t fanMode;
    std::vector<Write> fan;
  };
  const Case cases[] = {
      {"OlderCoolersManual", VfGpu(), 0, kFanModeManual, {{kIdGpuSetCoolerLevels, 0}}},
      {"FanCoolersAuto",
       VfFanCoolerGpu(),
       1,
       kFanModeAuto,
       {{kIdGpuClientFanCoolersSetControl, 0}}},
      {"FanCoolersManual",
       VfFanCoolerGpu(),
       1,
       kFanModeManual,
       {{kIdGpuClientFanCoolersSetControl, 0}, {kIdGpuClientFanCoolersSetControl, 0}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ApplyBench b({c.gpu}, 1, c.fanCoolers);
    b.settings[OcRow::kOverVolt].value = 40;
    b.settings[OcRow::kFan].value = 65;
    b.settings.fanMode = c.fanMode;
    b.flags.overVoltOn = 1;
    b.flags.frameLimitOn = 1;
    ApplyOverclock(b.board, b.settings, b.flags);
    std::vector<Write> expected = {{kIdGpuSetPstates20, 0},
                                   {kIdGpuClientPowerPoliciesSetStatus, 0},
                                   {kIdGpuClientThermalPoliciesSetStatus, 0},
                                   {kIdGpuClientThermalPoliciesSetStatus, 0},
                                   {kIdGpuClientVoltRailsSetControl, 0},
                                   {kIdDrsSetSetting, -1}};
    expected.insert(expected.end(), c.fan.begin(), c.fan.end());
    EXPECT_EQ(WritesOf(b.driver.simulator()), expected);
    // The boost percent is sent unscaled and read back as it is.
    EXPECT_EQ(b.settings[OcRow::kOverVolt].value, 40);
  }
}

TEST(ApplyOverclock, DisplayClockRunsBetweenThePriorityBitAndTheOverVoltage) {
  ApplyBench b({PstatesGpu()}, 0, 0);
  b.flags.displayClockOn = 1;
  b.flags.overVoltOn = 1;
  ApplyOverclock(b.board, b.settings, b.flags);
  const std::vector<Write> writes = WritesOf(b.driver.simulator());
  ASSERT_GE(writes.size(), 6u);
  EXPECT_EQ(writes[3], Write(kIdGpuClientThermalPoliciesSetStatus, 0));
  EXPECT_EQ(writes[4].first, kIdDispTryCustomDisplay);
  EXPECT_EQ(writes[5], Write(kIdGpuSetPstates20, 0));
}

uint32_t SavedFrameLimiter(const sim::Simulator& simulator) {
  const auto& saved = simulator.state().driverSettings.baseProfile;
  const auto found = saved.find(kNvDrsFrameRateLimiterId);
  return found == saved.end() ? 0 : found->second.value;
}

std::vector<uint32_t> FrameLimiterWrites(const sim::Simulator& simulator) {
  std::vector<uint32_t> values;
  for (const sim::TraceEntry& e : CallsOf(simulator, kIdDrsSetSetting)) {
    const size_t at = e.args.find("value=0x");
    values.push_back(at == std::string::npos ? 0
                                             : std::stoul(e.args.substr(at + 8, 8), nullptr, 16));
  }
  return values;
}

TEST(ApplyOverclock, AllGpusUseTheirIndexAsSelectorAndOneGpuSelectorOne) {
  {
    ApplyBench b({PstatesGpu(), PstatesGpu()}, 0, 0);
    b.settings[OcRow::kFrame].value = 60;
    b.flags.frameLimitOn = 1;
    ApplyOverclock(b.board, b.settings, b.flags);
    EXPECT_EQ(FrameLimiterWrites(b.driver.simulator()),
              (std::vector<uint32_t>{FrameRateLimiterValue(60, 0), FrameRateLimiterValue(60, 1)}));
    EXPECT_EQ(SavedFrameLimiter(b.driver.simulator()), FrameRateLimiterValue(60, 1));
  }
  {
    ApplyBench b({PstatesGpu(), PstatesGpu()}, 0, 0);
    b.driver.table.currentIndex = 1;
    b.settings[OcRow::kFrame].value = 60;
    b.flags.frameLimitOn = 1;
    b.flags.syncAllGpus = 0;
    ApplyOverclock(b.board, b.settings, b.flags);
    EXPECT_EQ(FrameLimiterWrites(b.driver.simulator()),
              std::vector<uint32_t>{FrameRateLimiterValue(60, 1)});
    EXPECT_EQ(WritesOf(b.driver.simulator()),
              PstatesGpuWrites(ModelOf(b.driver.table, 1), false, true));
  }
}

TEST(ApplyOverclock, OverVoltageIsHeldToTheDriversMaximum) {
  ApplyBench b({PstatesGpu(99600)}, 0, 0);
  EXPECT_EQ(b.settings.overVoltMaxUv, 99600);
  b.settings[OcRow::kOverVolt].value = 100;
  b.flags.overVoltOn = 1;
  ApplyOverclock(b.board, b.settings, b.flags);
  OcInfo back;
  ASSERT_EQ(ReadPstateClocks(0, b.driver.table, back), 0);
  EXPECT_EQ(back.overVoltageUv, 99600);
  EXPECT_EQ(b.settings[OcRow::kOverVolt].value, 100);  // trunc(99.6 + 0.5)
}

TEST(ApplyOverclock, NoGpusSendsNothingAndStillReadsBack) {
  ApplyBench b({PstatesGpu()}, 0, 0);
  b.driver.table.gpuCount = 0;
  b.settings[OcRow::kCore].value = 50;
  ApplyOverclock(b.board, b.settings, b.flags);
  EXPECT_TRUE(WritesOf(b.driver.simulator()).empty());
  EXPECT_FALSE(CallsOf(b.driver.simulator(), kIdGpuGetPstates20).empty());
  EXPECT_EQ(b.settings[OcRow::kCore].value, 0);
}

TEST(ResetOverclock, WithFrameLimitOnWrites40FpsThenSwitchesEverythingBack) {
  ApplyBench b({PstatesGpu()}, 0, 0);
  b.settings[OcRow::kCore].value = 100;
  b.settings[OcRow::kFrame].value = 90;
  b.settings.fanMode = kFanModeManual;
  b.flags.frameLimitOn = 1;
  b.flags.linkPowerTemp = 0;
  ResetOverclock(b.board, b.settings, b.flags);
  EXPECT_EQ(FrameLimiterWrites(b.driver.simulator()),
            std::vector<uint32_t>{FrameRateLimiterValue(40, 0)});
  EXPECT_EQ(b.flags.frameLimitOn, 0);
  EXPECT_EQ(b.flags.linkPowerTemp, 1);
  EXPECT_EQ(b.settings.fanMode, kFanModeAuto);
  EXPECT_EQ(b.settings[OcRow::kCore].value, 0);
  EXPECT_EQ(b.settings[OcRow::kPower].value, b.settings[OcRow::kPower].fallback);
  // The apply's automatic fans, then the cooler request of the reset itself.
  const auto coolers = CallsOf(b.driver.simulator(), kIdGpuSetCoolerLevels);
  ASSERT_EQ(coolers.size(), 2u);
  EXPECT_NE(coolers[1].args.find("policy=32"), std::string::npos) << coolers[1].args;

  b.driver.simulator().ClearTrace();
  ResetOverclock(b.board, b.settings, b.flags);
  EXPECT_TRUE(CallsOf(b.driver.simulator(), kIdDrsSetSetting).empty());
}

TEST(ResetOverclock, FanCoolerBoardGoesAutomaticThroughBothInterfaces) {
  ApplyBench b({VfFanCoolerGpu()}, 1, 1);
  ResetOverclock(b.board, b.settings, b.flags);
  const std::vector<Write> writes = WritesOf(b.driver.simulator());
  ASSERT_GE(writes.size(), 2u);
  EXPECT_EQ(writes[writes.size() - 2], Write(kIdGpuClientFanCoolersSetControl, 0));
  EXPECT_EQ(writes.back(), Write(kIdGpuSetCoolerLevels, 0));
}

TEST(ClearOverVoltage, ZeroGoesToEveryGpu) {
  ApplyBench b({PstatesGpu(), PstatesGpu()}, 0, 0);
  ClearOverVoltage(b.board);
  const GpuTable& t = b.driver.table;
  EXPECT_EQ(WritesOf(b.driver.simulator()),
            (std::vector<Write>{{kIdGpuSetPstates20, ModelOf(t, 0)},
                                {kIdGpuSetPstates20, ModelOf(t, 1)}}));
}

}  // namespace
